#include "pagecheck.h"

#include "drawing/linetags.h"
#include "drawing/movableitem.h"
#include "drawing/mytextitem.h"
#include "drawing/sheettexttags.h"
#include "drawing/symboltext.h"
#include "drawing/temponotes.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHash>
#include <QSet>

#include <algorithm>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace TestSupport {

namespace {

constexpr double sheetToleranceMm = 0.5;
// What a printer cannot print along every sheet edge.
constexpr double sheetMarginMm = 5.0;
constexpr double overlapToleranceMm = 0.4;
constexpr double nearnessToleranceMm = 0.5;
// Air along the line between two directions on one side of a row: less
// reads as one text ("Fast swingSwing").
constexpr double directionSpaceMm = 0.5;
// Bar lines, stage lines and the stage frame share this depth.
constexpr double frameZ = -20.0;

using Category = PageFinding::Category;

// One collected item.
struct Box
{
    Category category = Category::None;
    QRectF rect;
    // A beam's outline (scene units): a slanting beam is ink only along
    // its band, not over the whole of its box. Empty for other items.
    QPolygonF outline;
    int page = -1;
    // Tags of the model object (measure, part, voice, note, index).
    int measure = -1;
    int part = -1;
    int voice = -1;
    int note = -1;
    int index = -1;
    QString text;
    bool barLine = false;    // a frame line across the reading direction
    bool alongStage = false; // a frame line along the reading direction
    bool repeatSign = false; // a line or dot of a repeat sign
    int directionKind = -1;  // for a direction, its kind
    QString id;
};

using NoteKey = std::tuple<int, int, int, int>;

NoteKey noteKey(const Box &box)
{
    return {box.measure, box.part, box.voice, box.note};
}

bool overlaps(const QRectF &a, const QRectF &b, double tolerance)
{
    const double x = std::min(a.right(), b.right()) - std::max(a.left(), b.left());
    const double y = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return x > tolerance && y > tolerance;
}

// A text's box over a note's ink: a beam's by its outline.
bool overInk(const QRectF &text, const Box &ink, double tolerance)
{
    if (!overlaps(text, ink.rect, tolerance))
        return false;
    return ink.outline.isEmpty() ||
           overlaps(text, ink.outline.intersected(QPolygonF(text)).boundingRect(), tolerance);
}

// A thin line box crossing the text box shrunk by the tolerance. Works for
// boxes of zero width, which QRectF::intersects refuses.
bool crossesLine(const QRectF &text, const QRectF &line, double tolerance)
{
    const QRectF inner = text.adjusted(tolerance, tolerance, -tolerance, -tolerance);
    if (inner.width() <= 0.0 || inner.height() <= 0.0)
        return false;
    return line.right() >= inner.left() && line.left() <= inner.right() &&
           line.bottom() >= inner.top() && line.top() <= inner.bottom();
}

double distance(const QRectF &a, const QRectF &b)
{
    const double dx = std::max({0.0, a.left() - b.right(), b.left() - a.right()});
    const double dy = std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::hypot(dx, dy);
}

QString rectText(const QRectF &r)
{
    return QStringLiteral("[%1,%2 %3x%4]")
        .arg(r.x(), 0, 'f', 0)
        .arg(r.y(), 0, 'f', 0)
        .arg(r.width(), 0, 'f', 0)
        .arg(r.height(), 0, 'f', 0);
}

QString describeBox(const Box &box)
{
    QString id = categoryName(box.category);
    if (box.measure >= 0 && box.category != Category::Credit)
        id += QStringLiteral(" m%1 p%2 v%3 n%4")
                  .arg(box.measure)
                  .arg(box.part)
                  .arg(box.voice)
                  .arg(box.note);
    if (box.category == Category::Credit)
        id += QStringLiteral(" #%1").arg(box.index);
    if (box.category == Category::Lyric)
        id += QStringLiteral(" #%1").arg(box.index);
    if (!box.text.isEmpty())
        id += QStringLiteral(" '%1'").arg(box.text.left(24));
    return id;
}

// The sheets of the score, scene units, by page index.
QList<QRectF> sheetRects(const Score &score)
{
    const Page *page = score.page;
    const double s = page->scaleFactor;
    std::unique_ptr<Page> cursor(page->clone());
    QList<QRectF> sheets;
    for (int p = 0; p < page->pageCount; ++p) {
        cursor->setCurrentPage(p);
        sheets.append(QRectF(cursor->pageOriginX * s, cursor->pageOriginY * s,
                             cursor->pageWidth * s, cursor->pageHeight * s));
    }
    return sheets;
}

int sheetOf(const QList<QRectF> &sheets, const QPointF &point)
{
    for (int p = 0; p < sheets.size(); ++p) {
        if (sheets.at(p).contains(point))
            return p;
    }
    return -1;
}

// The names a part label may show: the full name and the abbreviation,
// without the leading dot that asks for an upright name, also in their
// upright form.
QSet<QString> partLabels(const Score &score)
{
    QSet<QString> labels;
    for (const Part *part : score.parts) {
        for (QString name : {part->partName, part->partAbbreviation}) {
            if (name.startsWith(QLatin1Char('.')))
                name.remove(0, 1);
            if (name.isEmpty())
                continue;
            labels.insert(name);
            labels.insert(Score::toVerticalPunctuation(name));
        }
    }
    return labels;
}

bool isHairpinKind(int kind)
{
    return kind == DirectionKind::Crescendo || kind == DirectionKind::Diminuendo;
}

bool isMeasureNumber(const QGraphicsItem *item)
{
    return item->data(SheetTextTags::TagSheetText).toInt() == SheetTextTags::MeasureNumber;
}

bool isFramePen(const QPen &pen)
{
    return pen.style() != Qt::NoPen && pen.color() != QColor(Qt::white);
}

// The four edges of a rectangle as thin boxes, `half` on each side.
QList<QRectF> edgesOf(const QRectF &r, double half)
{
    return {QRectF(r.left() - half, r.top() - half, r.width() + 2 * half, 2 * half),
            QRectF(r.left() - half, r.bottom() - half, r.width() + 2 * half, 2 * half),
            QRectF(r.left() - half, r.top() - half, 2 * half, r.height() + 2 * half),
            QRectF(r.right() - half, r.top() - half, 2 * half, r.height() + 2 * half)};
}

class Collector
{
public:
    explicit Collector(const Score &score) : score(score), labels(partLabels(score)) {}

    void collect()
    {
        const double s = score.page->scaleFactor;
        const QRectF header = score.page->headerAreaRect;
        headerScene =
            QRectF(header.x() * s, header.y() * s, header.width() * s, header.height() * s);
        const QList<QGraphicsItem *> items = score.scene->items();
        for (QGraphicsItem *item : items) {
            if (item->isVisible()) {
                add(item);
                addText(item);
            }
        }
    }

    QList<Box> boxes;
    // Every visible text item's text and font, with a box for the report.
    QList<std::tuple<QString, QFont, Box>> texts;

private:
    void addText(QGraphicsItem *item)
    {
        QString text;
        QFont font;
        if (const auto *own = dynamic_cast<const MyTextItem *>(item)) {
            text = own->text;
            font = own->font;
        } else if (const auto *rich = dynamic_cast<const QGraphicsTextItem *>(item)) {
            text = rich->toPlainText();
            font = rich->font();
        } else if (const auto *simple = dynamic_cast<const QGraphicsSimpleTextItem *>(item)) {
            text = simple->text();
            font = simple->font();
        } else {
            return;
        }
        Box box;
        box.category = Category::None;
        box.rect = item->sceneBoundingRect();
        box.text = text;
        box.id = QStringLiteral("text '%1'").arg(text.left(24));
        texts.append({text, font, box});
    }

    void add(QGraphicsItem *item)
    {
        const int type = item->data(TagType).toInt();
        Box box;
        box.rect = item->sceneBoundingRect();
        box.measure = itemTag(item, TagMeasure);
        box.part = itemTag(item, TagPart);
        box.voice = itemTag(item, TagVoice);
        box.note = itemTag(item, TagNote);
        if (const auto *text = dynamic_cast<const MyTextItem *>(item))
            box.text = text->text;
        switch (type) {
        case NoteItem:
            box.category = Category::NoteGlyph;
            break;
        case NotePartItem:
            box.category = Category::NotePart;
            if (const auto *beam = dynamic_cast<const QGraphicsPolygonItem *>(item))
                box.outline = beam->mapToScene(beam->polygon());
            break;
        case LyricItem:
            box.category = Category::Lyric;
            box.index = itemTag(item, TagLyric);
            break;
        case CreditItem:
            box.category = Category::Credit;
            box.index = itemTag(item, TagCredit);
            box.measure = -1;
            break;
        case DirectionItem:
            box.category = Category::Direction;
            box.index = itemTag(item, TagDirection);
            // The drag handle of a hairpin is no ink: the hairpin itself
            // is checked as what it is.
            if (const Direction *d =
                    score.directionAt(box.measure, box.part, box.voice, box.index)) {
                if (isHairpinKind(d->kind) && dynamic_cast<const MovableItem *>(item))
                    return;
                box.directionKind = d->kind;
            }
            break;
        case OctaveInstItem:
            box.category = Category::OctaveMark;
            break;
        case NotationItem:
            // A mark drawn at a note (an accent, a staccato dot); the lines
            // of slurs, ties and wavy lines are paths and pass under texts.
            if (!dynamic_cast<const GlyphItem *>(item))
                return;
            box.category = Category::NoteMark;
            break;
        case 0:
            if (item->data(LineTags::TagRepeatSign).toBool()) {
                addRepeatSign(item, box);
                return;
            }
            if (item->data(LineTags::TagLine).toInt() != 0) {
                addLine(item, box);
                return;
            }
            addUntagged(item, box);
            return;
        default:
            return;
        }
        if (box.rect.isEmpty())
            return;
        box.id = describeBox(box);
        boxes.append(box);
    }

    void addLine(QGraphicsItem *item, Box box)
    {
        box.measure = box.part = box.voice = box.note = -1;
        const int line = item->data(LineTags::TagLine).toInt();
        if (line == LineTags::Hairpin)
            box.category = Category::Hairpin;
        else if (line == LineTags::LyricHyphen)
            box.category = Category::Hyphen;
        else if (line == LineTags::TimeTick)
            box.category = Category::TimeTick;
        else
            return;
        box.id = categoryName(box.category);
        boxes.append(box);
    }

    // A line or dot of a repeat sign: a bar line that no text may cross.
    void addRepeatSign(const QGraphicsItem *item, Box box)
    {
        box.measure = box.part = box.voice = box.note = -1;
        box.category = Category::FrameLine;
        box.barLine = true;
        box.repeatSign = true;
        box.id = dynamic_cast<const QGraphicsLineItem *>(item) ? QStringLiteral("repeat bar line")
                                                               : QStringLiteral("repeat dot");
        boxes.append(box);
    }

    void addUntagged(QGraphicsItem *item, Box box)
    {
        box.measure = box.part = box.voice = box.note = -1;
        if (!box.text.isEmpty()) {
            box.category = labels.contains(box.text) ? Category::PartName
                           : isMeasureNumber(item)     ? Category::MeasureNumber
                                                       : Category::SheetText;
            box.id = describeBox(box);
            boxes.append(box);
            return;
        }
        if (const auto *line = dynamic_cast<const QGraphicsLineItem *>(item)) {
            if (item->zValue() != frameZ || !isFramePen(line->pen()))
                return;
            const QLineF l = line->line();
            const bool alongX = std::abs(l.dy()) < 1e-6;
            const bool alongY = std::abs(l.dx()) < 1e-6;
            if (!alongX && !alongY)
                return;
            box.category = Category::FrameLine;
            // Bar lines cross the reading direction.
            box.barLine = score.page->horizontal ? alongY : alongX;
            box.alongStage = !box.barLine;
            box.id = box.barLine ? QStringLiteral("bar line") : QStringLiteral("stage line");
            boxes.append(box);
            return;
        }
        if (const auto *rect = dynamic_cast<const QGraphicsRectItem *>(item)) {
            if (!isFramePen(rect->pen()))
                return;
            const QRectF r = rect->mapRectToScene(rect->rect());
            const bool stageFrame = item->zValue() == frameZ;
            const bool headerFrame = !headerScene.isEmpty() &&
                                     std::abs(r.left() - headerScene.left()) < 1.0 &&
                                     std::abs(r.top() - headerScene.top()) < 1.0 &&
                                     std::abs(r.width() - headerScene.width()) < 1.0 &&
                                     std::abs(r.height() - headerScene.height()) < 1.0;
            if (!stageFrame && !headerFrame)
                return;
            const double half = std::max(0.5, rect->pen().widthF() / 2);
            for (const QRectF &edge : edgesOf(r, half)) {
                Box edgeBox = box;
                edgeBox.category = Category::FrameLine;
                edgeBox.rect = edge;
                edgeBox.alongStage = score.page->horizontal ? edge.width() > edge.height()
                                                            : edge.height() > edge.width();
                edgeBox.id =
                    stageFrame ? QStringLiteral("stage frame") : QStringLiteral("header frame");
                boxes.append(edgeBox);
            }
        }
    }

    const Score &score;
    const QSet<QString> labels;
    QRectF headerScene;
};

bool isText(Category category)
{
    return category == Category::Lyric || category == Category::Credit ||
           category == Category::PartName || category == Category::Direction ||
           category == Category::OctaveMark || category == Category::MeasureNumber;
}

PageFinding finding(PageFinding::Kind kind, const Box &subject, const Box *object)
{
    PageFinding f;
    f.kind = kind;
    f.subject = subject.category;
    f.page = subject.page;
    f.subjectId = subject.id;
    f.subjectRect = subject.rect;
    if (object) {
        f.object = object->category;
        f.objectId = object->id;
        f.objectRect = object->rect;
    }
    return f;
}

bool isNote(Category category)
{
    return category == Category::NoteGlyph || category == Category::NotePart;
}

// Glyphs of two notes of one voice that sound at different times.
bool neighbours(const Score &score, const Box &a, const Box &b)
{
    if (a.part != b.part || a.voice != b.voice || noteKey(a) == noteKey(b))
        return false;
    if (a.measure != b.measure)
        return true;
    const auto noteOf = [&score](const Box &box) -> const Note * {
        const Measure *m = score.measures.value(box.measure);
        const MePart *cell = m ? m->parts.value(box.part) : nullptr;
        const Voice *voice = cell ? cell->voices.value(box.voice) : nullptr;
        return voice ? voice->notes.value(box.note) : nullptr;
    };
    const Note *x = noteOf(a);
    const Note *y = noteOf(b);
    return x && y && x->startTime != y->startTime;
}

void checkNotes(const Score &score, const QList<Box> &boxes, double tolerance,
                QList<PageFinding> &out)
{
    QList<const Box *> glyphs;
    QList<const Box *> stageLines;
    for (const Box &box : boxes) {
        if (box.page < 0)
            continue;
        if (box.category == Category::NoteGlyph)
            glyphs.append(&box);
        else if (box.category == Category::FrameLine && box.alongStage)
            stageLines.append(&box);
    }
    for (int i = 0; i < glyphs.size(); ++i) {
        for (int j = i + 1; j < glyphs.size(); ++j) {
            const Box &a = *glyphs.at(i);
            const Box &b = *glyphs.at(j);
            if (a.page == b.page && overlaps(a.rect, b.rect, tolerance) && neighbours(score, a, b))
                out.append(finding(PageFinding::NoteOverNote, a, &b));
        }
    }
    for (const Box &note : boxes) {
        if (!isNote(note.category) || note.page < 0)
            continue;
        for (const Box *line : std::as_const(stageLines)) {
            if (line->page == note.page && crossesLine(note.rect, line->rect, tolerance))
                out.append(finding(PageFinding::NoteOverFrame, note, line));
        }
    }
}

// The notes a reader expects to see: every note of a shown part in a shown
// measure that the layout gave a glyph, except those the picture leaves out
// on purpose (invisible notes, the repeated notes of a chain, rests of a
// part that hides its whole-measure rests, measures merged into a
// multi-measure rest).
QList<NoteKey> expectedNotes(const Score &score)
{
    QList<NoteKey> expected;
    for (const Measure *measure : score.displayedMeasures) {
        if (measure->multiRestCount >= 2)
            continue;
        const int m = measure->indexInScore();
        for (int p = 0; p < score.parts.size() && p < measure->parts.size(); ++p) {
            const Part *part = score.parts.at(p);
            const MePart *cell = measure->parts.at(p);
            if (!part->partOutput || !part->noteOutput || cell->collapsed)
                continue;
            if (cell->restOnly && !part->wholeRestOutput)
                continue;
            for (int v = 0; v < cell->voices.size(); ++v) {
                const Voice *voice = cell->voices.at(v);
                for (int n = 0; n < voice->notes.size(); ++n) {
                    const Note *note = voice->notes.at(n);
                    if (!note->visible || note->longRepeatMemberFlag || note->firstAlignItem < 0)
                        continue;
                    expected.append({m, p, v, n});
                }
            }
        }
    }
    return expected;
}

void checkSheets(const QList<Box> &boxes, const QList<QRectF> &sheets, double margin,
                 QList<PageFinding> &out)
{
    for (const Box &box : boxes) {
        if (box.category == Category::FrameLine)
            continue;
        const bool inside =
            box.page >= 0 &&
            sheets.at(box.page).adjusted(margin, margin, -margin, -margin).contains(box.rect);
        if (!inside)
            out.append(finding(PageFinding::OutsideSheet, box, nullptr));
    }
}

// Words or a metronome mark: a text of the direction's own, not a sign.
bool isDirectionText(const Box &box)
{
    return box.category == Category::Direction && (box.directionKind == DirectionKind::Words ||
                                                   box.directionKind == DirectionKind::Metronome);
}

// Two directions on one side of a row with less than `space` between them
// along the line (`horizontal`: along x).
bool tooClose(const QRectF &a, const QRectF &b, bool horizontal, double space, double tolerance)
{
    const double grow = space + tolerance;
    const QRectF wide =
        horizontal ? a.adjusted(-grow, 0.0, grow, 0.0) : a.adjusted(0.0, -grow, 0.0, grow);
    return overlaps(wide, b, tolerance);
}

// Texts may run over a plain bar line of the measures they govern, as in
// engraved music, but never through a repeat sign; a metronome mark keeps
// clear of every bar line.
bool mayCross(const Box &text, const Box &line)
{
    return line.barLine && !line.repeatSign && text.category == Category::Direction &&
           text.directionKind != DirectionKind::Metronome;
}

void checkCollisions(const QList<Box> &boxes, bool horizontal, double space, double tolerance,
                     QList<PageFinding> &out)
{
    for (int i = 0; i < boxes.size(); ++i) {
        const Box &a = boxes.at(i);
        if (!isText(a.category))
            continue;
        for (int j = 0; j < boxes.size(); ++j) {
            const Box &b = boxes.at(j);
            if (i == j || a.page != b.page)
                continue;
            if (b.category == Category::NoteGlyph || b.category == Category::NotePart ||
                (b.category == Category::NoteMark && a.directionKind == DirectionKind::Metronome)) {
                if (overInk(a.rect, b, tolerance))
                    out.append(finding(PageFinding::TextOverNote, a, &b));
            } else if (isText(b.category)) {
                // Each pair once, named after the earlier category (a lyric
                // before a credit before a direction), so that one kind of
                // pair always files under one subject.
                const bool first = a.category < b.category || (a.category == b.category && i < j);
                const bool directions = isDirectionText(a) && isDirectionText(b);
                if (first && (directions ? tooClose(a.rect, b.rect, horizontal, space, tolerance)
                                         : overlaps(a.rect, b.rect, tolerance)))
                    out.append(finding(PageFinding::TextOverText, a, &b));
            } else if (b.category == Category::Hairpin) {
                if (a.category == Category::Direction && overlaps(a.rect, b.rect, tolerance))
                    out.append(finding(PageFinding::TextOverLine, a, &b));
            } else if (b.category == Category::Hyphen || b.category == Category::TimeTick) {
                if (crossesLine(a.rect, b.rect, tolerance))
                    out.append(finding(PageFinding::TextOverLine, a, &b));
            } else if (b.category == Category::FrameLine) {
                if (mayCross(a, b))
                    continue; // allowed by design, see the header
                if (crossesLine(a.rect, b.rect, tolerance))
                    out.append(finding(PageFinding::TextOverFrame, a, &b));
            }
        }
    }
}

void checkLinesOverNotes(const QList<Box> &boxes, double tolerance, QList<PageFinding> &out)
{
    for (const Box &line : boxes) {
        if (line.category != Category::Hairpin && line.category != Category::TimeTick &&
            line.category != Category::Hyphen)
            continue;
        // A hairpin is a box of its own; a tick or a hyphen is a line
        // through a box.
        const bool tick = line.category != Category::Hairpin;
        for (const Box &note : boxes) {
            if (note.page == line.page &&
                (note.category == Category::NoteGlyph || note.category == Category::NotePart) &&
                (tick ? crossesLine(note.rect, line.rect, tolerance)
                      : overlaps(line.rect, note.rect, tolerance))) {
                out.append(finding(PageFinding::LineOverNote, line, &note));
                break;
            }
        }
    }
}

void checkLyricNearness(const Score &score, const QList<Box> &boxes, double tolerance,
                        QList<PageFinding> &out)
{
    // A glyph's row: its stage and its part.
    auto rowOf = [&score](const Box &box) {
        const Measure *m = score.measures.value(box.measure);
        return qMakePair(m ? m->lineIndex : -1, box.part);
    };
    QList<const Box *> glyphs;
    std::map<NoteKey, QList<const Box *>> byNote;
    for (const Box &box : boxes) {
        if (box.category == Category::NoteGlyph && box.page >= 0) {
            glyphs.append(&box);
            byNote[noteKey(box)].append(&box);
        }
    }
    for (const Box &lyric : boxes) {
        if (lyric.category != Category::Lyric || lyric.page < 0)
            continue;
        const auto found = byNote.find(noteKey(lyric));
        if (found == byNote.end())
            continue;
        const QList<const Box *> &own = found->second;
        if (own.isEmpty())
            continue;
        double ownDistance = std::numeric_limits<double>::max();
        for (const Box *glyph : own)
            ownDistance = std::min(ownDistance, distance(lyric.rect, glyph->rect));
        const auto row = rowOf(*own.first());
        const Box *nearest = nullptr;
        double otherDistance = std::numeric_limits<double>::max();
        for (const Box *glyph : std::as_const(glyphs)) {
            if (glyph->page != lyric.page || rowOf(*glyph) == row)
                continue;
            const double d = distance(lyric.rect, glyph->rect);
            if (d < otherDistance) {
                otherDistance = d;
                nearest = glyph;
            }
        }
        if (nearest && ownDistance > otherDistance + tolerance)
            out.append(finding(PageFinding::LyricNearerOtherRow, lyric, nearest));
    }
}

void checkGlyphs(QList<std::tuple<QString, QFont, Box>> &texts, const QList<QRectF> &sheets,
                 QList<PageFinding> &out)
{
    for (auto &[text, font, box] : texts) {
        for (const char32_t c : text.toUcs4()) {
            // Note values are the text item's own drawing.
            if (TempoNotes::noteValue(c) >= 0 || SymbolText::hasGlyph(c, font))
                continue;
            box.page = sheetOf(sheets, box.rect.center());
            box.id += QStringLiteral(" U+%1").arg(QString::number(c, 16).toUpper());
            out.append(finding(PageFinding::MissingGlyph, box, nullptr));
            break;
        }
    }
}

void checkNotesDrawn(const Score &score, const QList<Box> &boxes, const QList<QRectF> &sheets,
                     PageReport &report)
{
    std::set<NoteKey> drawn;
    for (const Box &box : boxes) {
        if (box.category == Category::NoteGlyph && box.page >= 0)
            drawn.insert(noteKey(box));
    }
    const double s = score.page->scaleFactor;
    const QList<NoteKey> expected = expectedNotes(score);
    report.notesExpected = int(expected.size());
    for (const NoteKey &key : expected) {
        if (drawn.count(key)) {
            ++report.notesDrawn;
            continue;
        }
        const Measure *m = score.measures.at(std::get<0>(key));
        Box box;
        box.category = Category::NoteGlyph;
        std::tie(box.measure, box.part, box.voice, box.note) = key;
        box.rect = QRectF(m->originX * s, m->originY * s, m->width * s, m->height * s);
        box.page = sheetOf(sheets, box.rect.center());
        box.id = describeBox(box) + QStringLiteral(" (its measure's box)");
        report.findings.append(finding(PageFinding::NoteMissing, box, nullptr));
    }
}

} // namespace

QString kindName(PageFinding::Kind kind)
{
    switch (kind) {
    case PageFinding::OutsideSheet:
        return QStringLiteral("outside-sheet");
    case PageFinding::TextOverNote:
        return QStringLiteral("text-over-note");
    case PageFinding::TextOverText:
        return QStringLiteral("text-over-text");
    case PageFinding::TextOverFrame:
        return QStringLiteral("text-over-frame");
    case PageFinding::LyricNearerOtherRow:
        return QStringLiteral("lyric-nearer-other-row");
    case PageFinding::NoteMissing:
        return QStringLiteral("note-missing");
    case PageFinding::NoteOverNote:
        return QStringLiteral("note-over-note");
    case PageFinding::NoteOverFrame:
        return QStringLiteral("note-over-frame");
    case PageFinding::MissingGlyph:
        return QStringLiteral("missing-glyph");
    case PageFinding::TextOverLine:
        return QStringLiteral("text-over-line");
    case PageFinding::LineOverNote:
        return QStringLiteral("line-over-note");
    }
    return QString();
}

QString categoryName(PageFinding::Category category)
{
    switch (category) {
    case Category::NoteGlyph:
        return QStringLiteral("note");
    case Category::NotePart:
        return QStringLiteral("note-part");
    case Category::Lyric:
        return QStringLiteral("lyric");
    case Category::Credit:
        return QStringLiteral("credit");
    case Category::PartName:
        return QStringLiteral("part-name");
    case Category::Direction:
        return QStringLiteral("direction");
    case Category::OctaveMark:
        return QStringLiteral("octave-mark");
    case Category::FrameLine:
        return QStringLiteral("frame");
    case Category::SheetText:
        return QStringLiteral("sheet-text");
    case Category::Hairpin:
        return QStringLiteral("hairpin");
    case Category::Hyphen:
        return QStringLiteral("hyphen");
    case Category::TimeTick:
        return QStringLiteral("time-tick");
    case Category::MeasureNumber:
        return QStringLiteral("measure-number");
    case Category::NoteMark:
        return QStringLiteral("note-mark");
    case Category::None:
        break;
    }
    return QStringLiteral("none");
}

QString PageFinding::toString() const
{
    QString line = QStringLiteral("%1, page %2: %3 %4")
                       .arg(kindName(kind))
                       .arg(page)
                       .arg(subjectId, rectText(subjectRect));
    if (object != None)
        line += QStringLiteral(" / %1 %2").arg(objectId, rectText(objectRect));
    return line;
}

PageReport checkPages(const Score &score)
{
    const double s = score.page->scaleFactor;
    const QList<QRectF> sheets = sheetRects(score);
    Collector collector(score);
    collector.collect();
    QList<Box> &boxes = collector.boxes;
    for (Box &box : boxes)
        box.page = sheetOf(sheets, box.rect.center());

    PageReport report;
    report.measureNumbers = int(std::count_if(boxes.begin(), boxes.end(), [](const Box &box) {
        return box.category == Category::MeasureNumber && box.page >= 0;
    }));
    checkSheets(boxes, sheets, (sheetMarginMm - sheetToleranceMm) * s, report.findings);
    checkCollisions(boxes, score.page->horizontal, directionSpaceMm * s, overlapToleranceMm * s,
                    report.findings);
    checkLinesOverNotes(boxes, overlapToleranceMm * s, report.findings);
    checkLyricNearness(score, boxes, nearnessToleranceMm * s, report.findings);
    checkNotes(score, boxes, overlapToleranceMm * s, report.findings);
    checkNotesDrawn(score, boxes, sheets, report);
    checkGlyphs(collector.texts, sheets, report.findings);
    return report;
}

QList<PageFinding> missingGlyphs(const Score &score)
{
    Collector collector(score);
    collector.collect();
    QList<PageFinding> findings;
    checkGlyphs(collector.texts, sheetRects(score), findings);
    return findings;
}

QString describeFindings(const QList<PageFinding> &findings, int limit)
{
    QStringList lines;
    for (int i = 0; i < findings.size() && i < limit; ++i)
        lines.append(findings.at(i).toString());
    if (findings.size() > limit)
        lines.append(QStringLiteral("... and %1 more").arg(findings.size() - limit));
    return lines.join(QLatin1Char('\n'));
}

} // namespace TestSupport
