#include "document/itemlayoutxml.h"

#include "document/extensionxml.h"
#include "document/settingsvalues.h"
#include "model/measure.h"
#include "model/note.h"

#include <QStringList>

using namespace ExtensionXml;

namespace ItemLayoutXml {

namespace {

// The break elements of UserBreakType 1..6.
const QStringList &breakTags()
{
    static const QStringList tags = {
        QStringLiteral("tarn-linebreak"),        QStringLiteral("tarn-pagebreak"),
        QStringLiteral("tarn-whitepagebreak"),   QStringLiteral("tarn-linebreak-nonfit"),
        QStringLiteral("tarn-pagebreak-nonfit"), QStringLiteral("tarn-whitepagebreak-nonfit")};
    return tags;
}

} // namespace

void appendMeasureLayout(QDomDocument &document, QDomElement &element, const Measure *measure)
{
    if (measure->userScale != 1.0) {
        SettingsValues::appendTextElement(document, element, QStringLiteral("tarn-userscale"),
                                          scaleText(measure->userScale));
    }
    const int breakType = measure->userBreakType;
    if (breakType >= 1 && breakType <= breakTags().size())
        appendElement(document, element, breakTags().at(breakType - 1));
}

void appendNoteLayout(QDomDocument &document, QDomElement &element, const Note *note)
{
    if (note->octaveInstMoved) {
        QDomElement offset =
            appendElement(document, element, QStringLiteral("tarn-octave-instruction-offset"));
        offset.setAttribute(QStringLiteral("x"), positionText(note->octaveInstOffsetX));
        offset.setAttribute(QStringLiteral("y"), positionText(note->octaveInstOffsetY));
    }
    if (note->noteShiftMajor != 0.0 || note->noteShiftSub != 0.0) {
        QDomElement shift = appendElement(document, element, QStringLiteral("tarn-note-shift"));
        shift.setAttribute(QStringLiteral("major"), positionText(note->noteShiftMajor));
        shift.setAttribute(QStringLiteral("sub"), positionText(note->noteShiftSub));
    }
    if (note->tieReverse)
        appendElement(document, element, QStringLiteral("tarn-tie-reverse"));
}

} // namespace ItemLayoutXml
