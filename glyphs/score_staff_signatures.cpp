// Score's staff-notation header symbols: clefs, key signatures and time
// signatures at line starts and wherever they change. Each symbol stands
// at the measure's signature position (mm from the measure's origin along
// the reading direction); clefs and keys move it on by the room they take.
#include "glyphs/staff_glyph_support.h"
#include "layout/aligner.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/staffclef.h"
#include "view/scene.h"

#include <QDebug>
#include <QGraphicsItemGroup>
#include <QTransform>

#include <cstdlib>

namespace {

constexpr int noKey = -99;

struct KeyGlyph
{
    const char *id;
    int stepHorizontal;
    int stepVertical;
};

// Indexed by fifths + 7; the steps are before the clef shift.
constexpr KeyGlyph keyGlyphs[15] = {
    {"KeyFlat7", 3, -3},  {"KeyFlat6", 3, -3},  {"KeyFlat5", 3, -2},  {"KeyFlat4", 3, -2},
    {"KeyFlat3", 3, -1},  {"KeyFlat2", 3, 0},   {"KeyFlat1", 0, 0},   {"", 0, 0},
    {"KeySharp1", 4, 4},  {"KeySharp2", 4, 1},  {"KeySharp3", 5, 1},  {"KeySharp4", 5, 1},
    {"KeySharp5", 5, -1}, {"KeySharp6", 5, -1}, {"KeySharp7", 5, -1},
};

int staffCountOf(const Part *part)
{
    return qBound(0, part->staffCount, int(MePart::maxStaves));
}

bool isShownStaffPart(const Part *part, const MePart *cell)
{
    return part->notationStyle == NotationStyle::StaffNotation && !cell->collapsed;
}

QString verticalForm(const QString &glyphId, bool horizontal)
{
    return horizontal ? glyphId : glyphId + QStringLiteral("_V");
}

// One header glyph of the part's note font at the signature position plus
// `lead` along, and `across` (mm) off the staff's middle line.
void placeSignatureGlyph(Score *score, Measure *measure, int part, int staff,
                         const QString &glyphId, double lead, double across)
{
    const Part *p = score->parts.at(part);
    const Page *page = score->page;
    const double s = page->scaleFactor;
    const double g = p->noteFontSize * page->glyphScale;
    GlyphItem *glyph = GlyphItems::create(p->noteFontRenderer, glyphId);
    glyph->setTransform(QTransform::fromScale(g, g));
    const double along = measure->aligner->signatureX() + lead +
                         (page->horizontal ? measure->originX : measure->originY);
    const double cross = measure->getPartNoteLine(staff, part) + across;
    glyph->setPos(page->horizontal ? QPointF(along * s, cross * s) : QPointF(cross * s, along * s));
    score->scene->addItem(glyph);
}

} // namespace

double Score::keySignatureRoom(const Measure *measure) const
{
    if (measure->fifths == noKey)
        return 0.0;
    return keySignatureWidth(measure->fifths);
}

double Score::keySignatureWidth(int fifths)
{
    // Accidentals leave a gap before the time signature that follows.
    const double gap = fifths != 0 && fifths >= -7 && fifths <= 7 ? keySignatureGap : 0.0;
    return std::abs(fifths) * 0.26 + 0.3 + gap;
}

void Score::addMeasureStaffClefs(Measure *measure)
{
    const bool lineStart = measureStartsLine(measure);
    bool drawn = false;
    for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
        const Part *part = parts.at(p);
        const MePart *cell = measure->parts.at(p);
        if (!part->partOutput || !isShownStaffPart(part, cell))
            continue;
        for (int staff = 0; staff < staffCountOf(part); ++staff) {
            if (!lineStart && !cell->clefGiven[staff])
                continue;
            const QString &code = cell->clefSigns[staff];
            addStaffClef(measure, p, staff, code, StaffClef::fromCode(code).line);
            drawn = true;
        }
    }
    if (drawn)
        measure->aligner->setSignatureX(measure->aligner->signatureX() + 0.75 * maxNoteSize);
}

void Score::addStaffClef(Measure *measure, int part, int staff, const QString &clefCode, int line)
{
    // The code names the sign and its octave; `line` the staff line of
    // its reference.
    StaffClef clef = StaffClef::fromCode(clefCode.isEmpty() ? QStringLiteral("G") : clefCode);
    if (line >= 1 && line <= 5)
        clef.line = line;
    const StaffGlyphs::ClefGlyph glyph = StaffGlyphs::clefGlyph(clef);
    if (glyph.id.isEmpty()) {
        qDebug().noquote() << "addStaffClef,  not supported, clef = " + clefCode;
        return;
    }
    const double step = 0.125 * parts.at(part)->noteFontSize;
    const double across = page->horizontal ? -(clef.lineStep() + glyph.top) * step
                                           : (clef.lineStep() - glyph.left) * step;
    placeSignatureGlyph(this, measure, part, staff, verticalForm(glyph.id, page->horizontal),
                        0.15 * parts.at(part)->noteFontSize, across);
}

void Score::addMeasureStaffKeySignatures(Measure *measure)
{
    // Before any key there is nothing to show, and no room is kept for it.
    if (measure->fifths == noKey)
        return;
    const double before = measure->aligner->signatureX();
    const bool shown = measureStartsLine(measure) || measure->keyGiven;
    bool marked = false;
    for (int p = 0; shown && p < parts.size() && p < measure->parts.size(); ++p) {
        const Part *part = parts.at(p);
        if (!isShownStaffPart(part, measure->parts.at(p)))
            continue;
        for (int staff = 0; staff < staffCountOf(part); ++staff)
            genStaffKeySignature(measure, p, staff, measure->fifths);
        // The room is kept even for C major and for a part not output, so
        // the parts line up.
        marked = true;
    }
    if (marked)
        measure->aligner->setSignatureX(before + keySignatureRoom(measure) * maxNoteSize);
}

void Score::genStaffKeySignature(Measure *measure, int part, int staff, int fifths)
{
    const Part *p = parts.at(part);
    if (fifths == 0 || !p->partOutput)
        return;
    if (fifths < -7 || fifths > 7) {
        qDebug().noquote() << "======== genStaffKeySignature illegal key = " +
                                  QString::number(fifths);
        return;
    }
    const KeyGlyph &key = keyGlyphs[fifths + 7];
    // An F clef puts every accidental two steps lower, an alto clef one.
    const int clefShift =
        StaffClef::fromCode(measure->parts.at(part)->clefSigns[staff]).keySignatureShift();
    const bool horizontal = page->horizontal;
    const int step = (horizontal ? key.stepHorizontal : key.stepVertical) + clefShift;
    const double size = p->noteFontSize;
    double correction = -0.335 * size;
    if (fifths < 0)
        correction = horizontal ? -0.45 * size : -0.18 * size;
    placeSignatureGlyph(this, measure, part, staff,
                        verticalForm(QString::fromLatin1(key.id), horizontal), 0.1 * size,
                        getStaffStepOffset(part, step) + correction);
}

void Score::addMeasureStaffTimeSignatures(Measure *measure)
{
    measure->timeSignatureBoxes.clear();
    // A tick or short bar line marks a measure that only divides the beat.
    if (!measure->timeGiven || !page->measureDisplayTimeSignature ||
        measure->shownRightBarStyle == 6)
        return;
    const int count = page->measureDisplayTimeSignatureFirstPart ? 1 : int(parts.size());
    for (int p = 0; p < count && p < parts.size() && p < measure->parts.size(); ++p) {
        if (measure->parts.at(p)->collapsed)
            continue;
        for (int staff = 0; staff < staffCountOf(parts.at(p)); ++staff)
            addStaffTimeSignature(measure, p, staff, measure->beats, measure->beatsText,
                                  measure->beatType);
    }
}

void Score::addStaffTimeSignature(Measure *measure, int part, int staff, int beats,
                                  const QString &beatsText, int beatType)
{
    const Part *p = parts.at(part);
    if (!p->partOutput)
        return;
    // A time element always has its beats; a measure made without the
    // written text shows the number.
    const QString numerator = beatsText.isEmpty() ? QString::number(beats) : beatsText;

    auto *group = new QGraphicsItemGroup;
    double width = 0.0;
    double height = 0.0;
    for (const QChar c : numerator) {
        GlyphItem *glyph = GlyphItems::create(commonRenderer, QString(c));
        glyph->setPos(width, 0.0);
        width += glyph->boundingRect().width();
        height = glyph->boundingRect().height();
        group->addToGroup(glyph);
    }
    GlyphItem *denominator = GlyphItems::create(commonRenderer, QString::number(beatType));
    denominator->setPos(width / 2 - denominator->boundingRect().width() / 2, height);
    group->addToGroup(denominator);

    const double size = p->noteFontSize;
    const double g = size * page->glyphScale;
    const double s = page->scaleFactor;
    const double along = (page->horizontal ? measure->originX : measure->originY) +
                         measure->aligner->signatureX() + 0.1 * size;
    // The top line of the staff.
    const double top = measure->getPartNoteLine(staff, part) + getStaffStepOffset(part, 4);
    QTransform transform = QTransform::fromScale(g, g);
    if (page->horizontal) {
        group->setPos(along * s, top * s);
    } else if (p->notationStyle == NotationStyle::StaffNotation) {
        // Turned with the staff, its numerator towards the high side.
        transform *= QTransform().rotate(90.0);
        group->setPos(top * s, along * s);
    } else {
        // Upright, set a quarter of its width left of the note line.
        const double shownWidth = transform.mapRect(group->boundingRect()).width() / s;
        const double line = measure->getPartNoteLine(staff, part);
        group->setPos((line - 0.25 * shownWidth) * s, along * s);
    }
    group->setTransform(transform);
    scene->addItem(group);
    if (staff == 0) {
        measure->timeSignatureBoxes.resize(parts.size());
        const QRectF box = group->sceneBoundingRect();
        measure->timeSignatureBoxes[part] =
            QRectF(box.x() / s, box.y() / s, box.width() / s, box.height() / s);
    }
}
