// The voice index of every `note` element of one part. A numbered voice is
// its number minus one; a note without a `voice` is in the first voice.
// Voices named by words (some writers call them "X" and "Y") take, in the
// order their names first appear in the part, voice numbers that no note of
// the part uses, preferring the four voices of the note's staff. The reader
// and every writer of notes ask this one class, so they pair the same
// notes with the same voices.
//
// An index outside 0..MePart::voiceCount - 1 (a number outside 1..32, or a
// name left without a free voice) is the caller's to refuse. Never fails.
#pragma once

#include <QDomElement>
#include <QHash>
#include <QString>

class VoiceNumbering
{
public:
    // Numbered voices only: every name is left without a voice.
    VoiceNumbering() = default;
    // The voices of `part`: a `part` element, or a lone `note`, which then
    // counts as a part of its own.
    explicit VoiceNumbering(const QDomElement &part);
    // The numbering of the part the note stands in.
    static VoiceNumbering ofNote(const QDomElement &note);

    // 0-based voice index of `note`, an element of this part.
    int voiceIndexOf(const QDomElement &note) const;

private:
    QHash<QString, int> m_named;
};
