// Score's note-element editors: a directive added as a fingering text, a
// text added as words below the note, and the note's lyrics removed, all
// in the note's own element of the score document.
#include "model/score.h"

#include "model/directive.h"
#include "model/note.h"

namespace {

// The first child of `parent` named `tag`, made and appended when missing.
QDomElement firstOrNewChild(QDomDocument &document, QDomElement &parent, const QString &tag)
{
    QDomElement child = parent.firstChildElement(tag);
    if (child.isNull())
        child = parent.appendChild(document.createElement(tag)).toElement();
    return child;
}

} // namespace

QDomElement Score::appendDirectiveFingeringXml(Note *note, const Directive *directive)
{
    QDomElement notations = firstOrNewChild(document, note->element, QStringLiteral("notations"));
    QDomElement technical = firstOrNewChild(document, notations, QStringLiteral("technical"));
    QDomElement fingering = document.createElement(QStringLiteral("fingering"));
    technical.appendChild(fingering);
    fingering.appendChild(document.createTextNode(directive->text));
    if (directive->moved) {
        QDomElement offset = document.createElement(QStringLiteral("tarn-offset"));
        offset.setAttribute(QStringLiteral("x"), static_cast<float>(directive->x));
        offset.setAttribute(QStringLiteral("y"), static_cast<float>(directive->y));
        fingering.appendChild(offset);
    }
    return fingering;
}

void Score::insertWordsDirectionXml(Note *note, const QString &text)
{
    if (text.isEmpty())
        return;
    QDomElement direction = document.createElement(QStringLiteral("direction"));
    direction.setAttribute(QStringLiteral("placement"), QStringLiteral("below"));
    QDomElement type = document.createElement(QStringLiteral("direction-type"));
    direction.appendChild(type);
    QDomElement words = document.createElement(QStringLiteral("words"));
    type.appendChild(words);
    words.appendChild(document.createTextNode(text));
    note->element.parentNode().insertAfter(direction, note->element);
}

void Score::removeNoteLyricXml(Note *note)
{
    for (QDomElement lyric = note->element.firstChildElement(QStringLiteral("lyric"));
         !lyric.isNull(); lyric = note->element.firstChildElement(QStringLiteral("lyric")))
        note->element.removeChild(lyric);
}
