// A part's settings, its note font and glyph maps, and its drawing helpers.
#include "model/part.h"

#include "drawing/beams.h"
#include "drawing/bracketline.h"
#include "drawing/longrep.h"
#include "drawing/octshift.h"
#include "drawing/slurs.h"
#include "drawing/syllabics.h"
#include "drawing/tie.h"
#include "drawing/waveline.h"
#include "drawing/wedge.h"
#include "model/notefonts.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QFile>
#include <QSvgRenderer>

#include <cmath>

namespace {

// One glyph of the maps in both writing directions. NAN: no entry in that
// map.
struct GlyphEntry
{
    const char *id;
    double length;
    double along;
    double across;
    const char *idV;
    double lengthV;
    double alongV;
    double acrossV;
};

const double no = NAN;

// Every notation style.
const GlyphEntry commonGlyphs[] = {
    {"Dot", no, 0.0, no, "Dot", no, 0.0, no},
    {"Breath", no, no, -0.3, "Breath_V", no, no, -0.3},
    {"Repeat8th", 1.0, 0.0, no, "Repeat8th_V", 1.0, 0.0, no},
    {"RepeatQuarter", 1.0, 0.0, no, "RepeatQuarter_V", 1.0, 0.0, no},
    {"RepeatHalf", 2.0, 0.0, no, "RepeatHalf_V", 2.0, 0.0, no},
    {"RepeatWhole", 4.0, 0.0, no, "RepeatWhole_V", 4.0, 0.0, no},
    {"Suru", 0.6, 0.0, no, "Suru", 0.6, 0.0, no},
    {"TremoloWhole", 3.0, 0.0, no, "TremoloWhole_V", 3.0, 0.0, no},
    {"TremoloHalf", 2.0, 0.0, no, "TremoloHalf_V", 2.0, 0.0, no},
    {"TremoloQuarter", no, 0.0, 0.5, "TremoloQuarter_V", no, 0.0, 0.5},
    {"Tremolo1Half", 2.0, 0.0, no, "Tremolo1Half_V", 2.0, 0.0, no},
    {"Tremolo1Quarter", no, 0.0, 0.5, "Tremolo1Quarter_V", no, 0.0, 0.5},
    {"Glissando", no, no, -0.1, "Glissando_V", no, no, -0.5},
};

// Fue and Traverso: rests, dots and quarter bars sit across the line.
const GlyphEntry fueTraversoGlyphs[] = {
    {"WholeRest", no, no, 0.4, "WholeRest_V", no, no, 0.4},
    {"QuarterRest", no, no, 0.25, "QuarterRest_V", no, no, 0.25},
    {"Dot", no, no, 0.5, "Dot", no, no, 0.5},
    {"QuarterBar", no, no, 0.5, "QuarterBar_V", no, no, 0.5},
};

// Tozan traditional: long rests and bars take their own length.
const GlyphEntry tozanTradGlyphs[] = {
    {"RestWhole", 4.0, 0.0, no, "RestWhole_V", 4.0, 0.0, no},
    {"RestHalf", 2.0, 0.0, no, "RestHalf_V", 2.0, 0.0, no},
    {"Bar3Quarter", 3.0, 0.0, no, "Bar3Quarter_V", 3.0, 0.0, no},
    {"QuarterBar", no, 0.0, no, "QuarterBar", no, 0.0, no},
};

void insertIfSet(QMap<QString, double> &map, const char *id, double value)
{
    if (!std::isnan(value))
        map.insert(QString::fromLatin1(id), value);
}

} // namespace

Part::Part(Score *score, QObject *parent) : QObject(parent), score(score)
{
    tie = new Tie(score, this);
    wedge = new Wedge(score, this);
    bracketLine = new BracketLine(score, this);
    octShift = new OctShift(score, this);
    waveLine = new WaveLine(score, this, this);
    for (int voice = 0; voice < voiceCount; ++voice) {
        longRepeats.append(new LongRep(score, this));
        beams.append(new Beams(score));
        slurs.append(new Slurs(score, this, voice));
        syllabics.append(new Syllabics(score, this, voice));
    }
}

Part::~Part()
{
    delete tie;
    delete wedge;
    delete bracketLine;
    delete octShift;
    delete waveLine;
    qDeleteAll(longRepeats);
    qDeleteAll(beams);
    qDeleteAll(slurs);
    qDeleteAll(syllabics);
}

void Part::resetDrawingHelpers()
{
    tie->reset();
    wedge->reset();
    waveLine->reset();
    bracketLine->reset();
    octShift->reset();
    for (LongRep *helper : std::as_const(longRepeats))
        helper->reset();
    for (Beams *helper : std::as_const(beams))
        helper->reset();
    for (Slurs *helper : std::as_const(slurs))
        helper->reset();
    for (Syllabics *helper : std::as_const(syllabics))
        helper->reset();
}

Part *Part::clone() const
{
    auto *copy = new Part(score);
    copy->copySettingsFrom(this);
    copy->noteFontRenderer = noteFontRenderer;
    return copy;
}

void Part::copySettingsFrom(const Part *s)
{
    partName = s->partName;
    partAbbreviation = s->partAbbreviation;
    notationStyle = s->notationStyle;
    instrumentKey = s->instrumentKey;
    noteFontName = s->noteFontName;
    noteFontSize = s->noteFontSize;
    partWidthScale = s->partWidthScale;
    partShift = s->partShift;
    boundaryLeftBottom = s->boundaryLeftBottom;
    boundaryRightTop = s->boundaryRightTop;
    timeTicks = s->timeTicks;
    timeTicks16th = s->timeTicks16th;
    lyricsFont = s->lyricsFont;
    noteWidth1 = s->noteWidth1;
    noteWidth2 = s->noteWidth2;
    noteWidth4 = s->noteWidth4;
    noteWidth8 = s->noteWidth8;
    noteWidth16 = s->noteWidth16;
    noteWidth32 = s->noteWidth32;
    noteInterval = s->noteInterval;
    alignInTime = s->alignInTime;
    partOutput = s->partOutput;
    partWholeRestLine = s->partWholeRestLine;
    noteOutput = s->noteOutput;
    lyricsOutput = s->lyricsOutput;
    wholeRestOutput = s->wholeRestOutput;
    slurOutput = s->slurOutput;
    staffNoteOutput = s->staffNoteOutput;
    staffNoteLyricStart = s->staffNoteLyricStart;
    staffNoteTieStopOutput = s->staffNoteTieStopOutput;
    staffNoteBeams = s->staffNoteBeams;
    staffNoteInverseOrder = s->staffNoteInverseOrder;
    staffNoteOctaveInst = s->staffNoteOctaveInst;
    staffNoteBreathMark = s->staffNoteBreathMark;
    staffNoteTremoloLine = s->staffNoteTremoloLine;
    staffNoteExtensionBarDot = s->staffNoteExtensionBarDot;
    staffNoteRestNote = s->staffNoteRestNote;
    staffCount = s->staffCount;
}

void Part::loadNoteFont()
{
    const QString folder = NoteFontFolder::path(notationStyle);
    const QString path = folder + noteFontName + QStringLiteral(".svg");
    if (QFile::exists(path)) {
        noteFontRenderer = NoteFonts::renderer(path);
    } else {
        const QString first = NoteFonts::firstFontName(folder);
        if (first.isEmpty()) {
            // Only a damaged installation gets here: there is no font to
            // fall back on, so the part draws no note glyphs.
            qWarning().noquote() << "No note font in" << folder;
            noteFontRenderer.reset();
        } else {
            noteFontRenderer = NoteFonts::renderer(folder + first + QStringLiteral(".svg"));
            noteFontName = first;
            // Untranslated and without a title of its own: it can appear
            // in the middle of a regeneration, from any part.
            Prompter::instance().information(
                nullptr, QString(),
                QStringLiteral("Note font file ") + path +
                    QStringLiteral(" does not exist. Default font is used."));
        }
    }
    setGlyphMaps(notationStyle);
}

void Part::setGlyphMaps(int style)
{
    lengthMap.clear();
    lengthMapV.clear();
    alongOffsetMap.clear();
    acrossOffsetMap.clear();
    acrossOffsetMapV.clear();
    alongOffsetMapV.clear();

    auto add = [this](const GlyphEntry &g) {
        insertIfSet(lengthMap, g.id, g.length);
        insertIfSet(alongOffsetMap, g.id, g.along);
        insertIfSet(acrossOffsetMap, g.id, g.across);
        insertIfSet(lengthMapV, g.idV, g.lengthV);
        insertIfSet(alongOffsetMapV, g.idV, g.alongV);
        insertIfSet(acrossOffsetMapV, g.idV, g.acrossV);
    };
    for (const GlyphEntry &g : commonGlyphs)
        add(g);
    if (style == NotationStyle::Fue || style == NotationStyle::Traverso) {
        for (const GlyphEntry &g : fueTraversoGlyphs)
            add(g);
    } else if (style == NotationStyle::TozanTrad) {
        for (const GlyphEntry &g : tozanTradGlyphs)
            add(g);
    }
}

void Part::changeNotationStyle(int code)
{
    notationStyle = code;
    noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(code));
    // Koto and sangen of the Ikuta school draw their boundary lines and
    // hands by default; staff notation has no boundary lines at all.
    const bool ikuta = code == NotationStyle::KotoIkuta || code == NotationStyle::SangenIkuta;
    boundaryRightTop = ikuta;
    boundaryLeftBottom = ikuta;
    timeTicks = ikuta;
    timeTicks16th = false;
}
