// Small MusicXML documents written in a test: a score-partwise text from
// the measures of each part, the notes and measures to fill it, and the
// score loaded from such a text.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Score;

namespace TestSupport {

// A score-partwise text: one credit per entry of `credits` (its
// credit-words text), a part-list with the score-parts "P1", "P2", ... and
// one part per entry of `partBodies`, each entry being the part's measures.
QString partwiseText(const QStringList &partBodies, const QStringList &credits = {});

// A measure numbered `number` around `content`; the first measure also
// starts with divisions 1 and a 4/4 time.
QString measureXml(int number, const QString &content);
// `count` measures, each holding one C4 quarter note in voice 1.
QString plainMeasures(int count);

// A quarter note of `step` in octave 4 and `voice` (0: no `voice`
// element), with `inner` after its type (notations, lyrics, tarn- elements).
QString noteXml(const QString &step, int voice = 1, const QString &inner = QString());

// A new score (no autosave) loaded from `text`; null when the loader
// refuses it.
std::unique_ptr<Score> loadedScore(const QString &text);

} // namespace TestSupport
