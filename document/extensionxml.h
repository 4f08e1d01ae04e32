// How the program's per-item `tarn-` elements write their values: offsets
// and note shifts as positions (single precision, at most 8 significant
// digits, so a written position reads back to the same float), scales with
// 3 significant digits, and the keyword values of visibility and text
// direction. Elements are made in `document` and appended to `parent`.
#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace ExtensionXml {

// "192.34599", "-0.76948798", "2.3296483e-15", "0".
QString positionText(double value);
// "1.7", "1.16"; 1.331 gives "1.33".
QString scaleText(double value);
// "visible" for 1, "invisible" for 2, "" for anything else.
QString visibilityName(int visibility);
// "horizontal" for 1, "vertical" for 2, "vertical-writing" for 3, "" else.
QString rotationName(int rotation);

// <tag/> appended to `parent`.
QDomElement appendElement(QDomDocument &document, QDomElement &parent, const QString &tag);
// <tarn-offset x=".." y=".."/>, millimetres.
void appendOffset(QDomDocument &document, QDomElement &parent, double x, double y);
// <tarn-scale scale=".."/>.
void appendScale(QDomDocument &document, QDomElement &parent, double scale);
// <tarn-visibility visibility=".."/>; nothing for a code without a name.
void appendVisibility(QDomDocument &document, QDomElement &parent, int visibility);
// A slur's hand-set shape: <tarn-slur-placement placement="above|below"/> for
// a placement of 1 or 2, and <tarn-slur-control y1=".." y2=".."/> for
// control points off their computed place; nothing for an untouched slur.
void appendSlurShape(QDomDocument &document, QDomElement &slur, int userPlacement,
                     double controlY1, double controlY2);

} // namespace ExtensionXml
