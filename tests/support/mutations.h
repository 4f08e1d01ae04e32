// What the hostile-input tests make their mutants with: the elements of a
// document, its numbers and texts, and the peak memory they are held to.
#pragma once

#include <QDomElement>
#include <QList>
#include <QString>

#include <functional>

class QDomDocument;

namespace TestSupport {

// Every element of `document`, in document order, the root first.
QList<QDomElement> allElements(const QDomDocument &document);

// Whether `text` is a whole or decimal number, blanks around allowed.
bool isNumber(const QString &text);

// Those of `elements` that hold only text.
QList<QDomElement> textElements(const QList<QDomElement> &elements);

// Replaces every child of `element` by the one text `text`.
void setText(QDomElement element, const QString &text);

// Sets `value` in `places` numbers (texts or attributes) of `elements`,
// each picked by `pick(count)`, which returns an index below `count`;
// says where, or that there was no number.
QString setExtremeNumbers(const QList<QDomElement> &elements, const QString &value, int places,
                          const std::function<int(int)> &pick);

// The process's peak resident memory so far, in megabytes.
double peakResidentMegabytes();

} // namespace TestSupport
