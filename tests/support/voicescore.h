// Test-only fixture for the voice step: a score of one or more parts
// built with ModelBuilder, named, collected chord by chord with each part's
// notation worker, laid out into lines and pages by the real line layout,
// and then drawn on a cleared scene (with a new watcher) by the frame's
// first pass and the measure phase, which runs the part and voice step.
//
// Ownership: the fixture owns its Score; the scene owns what is drawn.
#pragma once

#include "model/score.h"
#include "support/modelbuilder.h"

#include <QList>
#include <QString>

class AlignItem;
class Measure;
class Note;
class Part;
class QGraphicsItem;

namespace TestSupport {

class VoiceScore
{
public:
    // A4 page without margins or title area; `horizontal` writing.
    explicit VoiceScore(bool horizontal = true);

    // A part of `style` with its first bundled note font.
    Part *addPart(const QString &name, int style);
    Measure *addMeasure(int beats = 4, int beatType = 4, int divisions = 4);
    QList<Note *> addNotes(int part, const QString &tokens, int voiceNumber = 1);

    // Names, octave marks, chains, voice lanes and the glyphs of every
    // voice (no scene yet).
    void prepare();
    // Time ticks, line and page layout.
    void layOut();
    // Clears the scene, draws the measure frames, then the measure phase
    // (with its part and voice step) of every shown measure.
    void generate();
    // prepare(), layOut(), generate().
    void build();

    Note *note(int measure, int part, int index, int voiceNumber = 1) const;
    const QList<AlignItem *> &items(int measure, int part, int voiceNumber = 1) const;
    // The graphics items of every aligned item of every voice.
    QList<QGraphicsItem *> glyphItems() const;

    Score score{QStringLiteral("5.3.1"), 0, false};
    ModelBuilder builder{&score};
};

} // namespace TestSupport
