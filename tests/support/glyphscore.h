// Test-only fixture for the notation workers: a one-part score built with
// ModelBuilder, named by the note-name passes, drawn voice by voice with the
// part's worker (chord by chord, the chord list passed on as the glyph
// dispatch passes it), and read back as aligned items and SVG element ids
// of the bundled note fonts.
//
// Ownership: the fixture owns its Score; every drawn glyph item is put into
// the score's scene, which owns it.
#pragma once

#include "model/score.h"
#include "support/modelbuilder.h"

#include <QList>
#include <QString>
#include <QStringList>

class AlignItem;
class Measure;
class Note;
class Part;
class GlyphItem;

namespace TestSupport {

class GlyphScore
{
public:
    // One part of `style` with its first bundled note font.
    explicit GlyphScore(int style, bool horizontal = true);

    Measure *addMeasure(int beats = 4, int beatType = 4, int divisions = 4);
    // Notes of voice `voiceNumber` of the last measure (ModelBuilder tokens).
    QList<Note *> addNotes(const QString &tokens, int voiceNumber = 1);

    // Scales, names, octave marks, chain marks, font, voice lanes.
    void prepare();
    // Draws every measure's voices with the part's worker; the items go
    // into the scene.
    void draw();
    // prepare() then draw().
    void build();

    const QList<AlignItem *> &items(int measure = 0, int voiceNumber = 1) const;
    // Glyph id of each aligned item; with `withTimes`, "id@time".
    QStringList ids(int measure = 0, int voiceNumber = 1, bool withTimes = false) const;
    // The SVG item of aligned item `index` (null for other item types).
    GlyphItem *svg(int measure, int voiceNumber, int index) const;
    Note *note(int measure, int index, int voiceNumber = 1) const;
    // The along-the-reading-direction scale of an item, over the part's
    // base glyph scale.
    double alongScale(const GlyphItem *item) const;

    Score score{QStringLiteral("5.3.1"), 0, false};
    ModelBuilder builder{&score};
    Part *part = nullptr;
    // The list each worker call on voice 1 returned, in drawing order.
    QList<QStringList> chordLists;
};

} // namespace TestSupport
