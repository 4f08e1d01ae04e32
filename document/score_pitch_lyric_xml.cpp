// Score's small element writers: a note's `pitch`, a glyph-text `lyric`,
// and the default lyric font of the MusicXML `defaults`.
#include "model/score.h"

#include "document/settingsvalues.h"
#include "model/lyrics.h"
#include "model/note.h"
#include "model/style.h"

#include <QDebug>

using SettingsValues::appendTextElement;

QDomElement Score::createPitchElement(const QString &step, int alter, int octave)
{
    QDomElement pitch = document.createElement(QStringLiteral("pitch"));
    appendTextElement(document, pitch, QStringLiteral("step"), step);
    if (alter != 0)
        appendTextElement(document, pitch, QStringLiteral("alter"), QString::number(alter));
    appendTextElement(document, pitch, QStringLiteral("octave"), QString::number(octave));
    return pitch;
}

void Score::writeLyricXml(Note *note, int number, const QString &text)
{
    if (text.isEmpty())
        return;
    QDomElement lyric = document.createElement(QStringLiteral("lyric"));
    Lyrics *replaced = nullptr;
    for (Lyrics *candidate : std::as_const(note->lyrics)) {
        if (candidate->number == number) {
            replaced = candidate;
            break;
        }
    }
    if (replaced && replaced->element.parentNode() == note->element) {
        note->element.replaceChild(lyric, replaced->element);
        replaced->element = lyric;
    } else {
        note->element.appendChild(lyric);
        if (replaced)
            replaced->element = lyric;
    }
    lyric.setAttribute(QStringLiteral("number"), number);
    appendTextElement(document, lyric, QStringLiteral("syllabic"), QStringLiteral("single"));
    appendTextElement(document, lyric, QStringLiteral("text"), text);
}

bool Score::updateDefaultLyricFont(const QDomElement &scorePartwise, const QString &family)
{
    const QDomElement defaults = scorePartwise.firstChildElement(QStringLiteral("defaults"));
    if (defaults.isNull())
        qDebug().noquote() << "updateDefaultLyricFont defaults tag not found!";
    QDomElement lyricFont = defaults.firstChildElement(QStringLiteral("lyric-font"));
    if (lyricFont.isNull()) {
        qDebug().noquote() << "updateDefaultLyricFont lyric-font tag not found!";
        return true;
    }
    lyricFont.setAttribute(QStringLiteral("font-family"), family);
    lyricFont.setAttribute(QStringLiteral("font-size"), style->staffNoteFontSize);
    return true;
}
