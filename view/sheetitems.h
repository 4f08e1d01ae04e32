// The items each output sheet shows, found in one pass over the scene.
//
// The toolkit's render looks a sheet's items up in the scene's index and
// sorts them, once per sheet: every lookup meets more of the index the
// longer the score, so an export of n sheets grew faster than n. Here each
// top-level item is measured once and handed to the sheets it meets.
#pragma once

#include <QList>
#include <QRectF>

class QGraphicsItem;
class QGraphicsScene;

// For each sheet (a source rectangle in scene units), the top-level items
// that a render of that rectangle draws, in stacking order (the lowest
// first): those of which the item itself or a descendant meets the sheet
// with its bounding rectangle, measured as the toolkit's render measures
// it (a box of no width or height is widened by a hair, so a straight line
// along an axis still meets; a box that only touches the sheet's edge does
// not). Hidden and fully transparent items and their descendants meet
// nothing, as the render leaves them out. The items stay the scene's.
QList<QList<QGraphicsItem *>> itemsOfSheets(const QGraphicsScene &scene,
                                            const QList<QRectF> &sheets);
