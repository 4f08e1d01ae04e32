// Value forms of the program's settings elements in a score document: how a
// setting is written as element text and how such text is read back.
//
// Readers never fail: malformed text reads as false, 0 or 0.0. A NaN or an
// infinite number would poison the layout later, so it reads as the
// caller's fallback (the setting's default) instead.
#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <functional>
#include <optional>

namespace SettingsValues {

// "true" or "false".
QString formatBool(bool value);
// The general 'g' form with `digits` significant digits (1.0 -> "1").
QString formatNumber(double value, int digits = 3);

// True exactly for "true" (case-sensitive).
bool readBool(const QString &text);
// Base 10; malformed text or a value outside 32 bits reads 0.
int readInt(const QString &text);
// Malformed text reads 0.0; NaN, infinity or an overflow reads nothing.
std::optional<double> readFiniteNumber(const QString &text);
// As readFiniteNumber, with `fallback` in place of a number that is not finite.
double readNumber(const QString &text, double fallback);

// Appends <tag>text</tag> to `parent`; an empty text still gets a text node.
QDomElement appendTextElement(QDomDocument &document, QDomElement &parent, const QString &tag,
                              const QString &text);

// Calls `visit` for each child element of `element`, in document order.
void forEachChildElement(const QDomElement &element,
                         const std::function<void(const QDomElement &)> &visit);

// Visits a variant of setting fields with one lambda per field type.
template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace SettingsValues
