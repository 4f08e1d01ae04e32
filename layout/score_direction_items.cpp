// Score's direction items: dynamics, words, rehearsal marks, repeat signs
// and metronome marks as movable scene items, and the hairpin, bracket and
// octave-shift events that the part's drawers turn into lines.
#include "drawing/bracketline.h"
#include "drawing/movableitem.h"
#include "drawing/mytextitem.h"
#include "drawing/octshift.h"
#include "drawing/symboltext.h"
#include "drawing/watcheritem.h"
#include "drawing/wedge.h"
#include "layout/wordsblock.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QDebug>
#include <QGraphicsItemGroup>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QHash>
#include <QPen>
#include <QRegularExpression>

namespace {

using namespace DirectionKind;

constexpr double directionZ = 20.0;
constexpr double hiddenOpacity = 0.5;
// Stops stand a little before their anchor, so that a line ends short of
// the note it stops at.
constexpr double stopPullBack = 0.3;
// The coda glyph's ink is 0.75 of the segno's height: drawn alone, the
// coda is brought to the segno's height.
constexpr double codaScale = 1.35;

// The common glyph of a repeat sign or repeat word; empty for other kinds.
QString repeatGlyphId(int kind)
{
    switch (kind) {
    case 6:
        return QStringLiteral("Coda");
    case 7:
        return QStringLiteral("ToCoda");
    case 8:
        return QStringLiteral("Segno");
    case 10:
        return QStringLiteral("D.C.");
    case 11:
        return QStringLiteral("D.S.");
    case 12:
        return QStringLiteral("Fine");
    case 13:
        return QStringLiteral("D.C.alFine");
    case 14:
        return QStringLiteral("D.C.alCoda");
    case 15:
        return QStringLiteral("D.S.alCoda");
    case 16:
        return QStringLiteral("D.S.alFine");
    default:
        return QString();
    }
}

bool isStaffNotation(const Part *part)
{
    return part->notationStyle == NotationStyle::StaffNotation;
}

// Defined with the other placing helpers below.
void keepInStage(const Score *score, QGraphicsItem *item, const Measure *measure);

} // namespace

bool Score::drawnWithoutPartOutput(int kind, const QString &text)
{
    if (kind == Rehearsal || (kind >= Coda && kind <= LastRepeatWord))
        return true;
    return kind == Words &&
           (text.startsWith(QLatin1String("D.C.")) || text.startsWith(QLatin1String("D.S.")));
}

int Score::shownDirectionIndex(const Measure *measure, int part, int voice,
                               const Direction *direction) const
{
    const MePart *cell = measure ? measure->parts.value(part) : nullptr;
    const Voice *v = cell ? cell->voices.value(voice) : nullptr;
    return v ? int(v->shownDirections().indexOf(const_cast<Direction *>(direction))) : -1;
}

void Score::makeMovableDirectionItem(QGraphicsItem *item, int measure, int part, int voice,
                                     int index, Direction *direction)
{
    item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    item->setAcceptHoverEvents(true);
    item->setCursor(Qt::ArrowCursor);
    setDirectionItemTag(item, measure, part, voice, index);
    if (item->scene() != scene)
        scene->addItem(item);
    if (watcher)
        item->installSceneEventFilter(watcher);
    direction->item = item;
}

void Score::genDirectionItems(int measureIndex, int part, int voice, int index,
                              Direction *direction, double size)
{
    Measure *measure = measures.value(measureIndex);
    if (!measure || !direction || part < 0 || part >= parts.size())
        return;
    const Part *settings = parts.at(part);
    const int kind = direction->kind;
    if (!settings->partOutput && !drawnWithoutPartOutput(kind, direction->text))
        return;

    // The anchor takes the side the default offset points to.
    setDefaultItemOffset(direction);
    const QPointF anchor = directionAnchor(measureIndex, part, voice, index, direction);
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    // The item's place from the anchor and the direction's offset, which
    // turns with the page in vertical writing.
    auto standardPos = [&]() {
        return horizontal ? QPointF((anchor.x() + size * direction->x) * k,
                                    (anchor.y() + size * direction->y) * k)
                          : QPointF((anchor.x() - size * direction->y) * k,
                                    (anchor.y() + size * direction->x) * k);
    };

    if (kind == Dynamics) {
        QString id = direction->text;
        if (!horizontal && isStaffNotation(settings))
            id += QStringLiteral("_V");
        double scale = style->dynamicsScale * direction->scale;
        if (isStaffNotation(settings))
            scale *= 0.93;
        GlyphItem *item = createSvgItem(part, true, id, false, horizontal, scale, scale);
        item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        item->setVisible(true);
        setDefaultItemOffset(direction);
        direction->item = item;
        item->setZValue(directionZ);
        setDirectionItemTag(item, measureIndex, part, voice, index);
        scene->addItem(item);
        if (watcher)
            item->installSceneEventFilter(watcher);
        item->setPos(standardPos());
        keepDirectionInRow(item, measureIndex, part, direction);
        return;
    }
    if (kind == Words) {
        genWordsItem(measureIndex, part, voice, index, direction, anchor, size);
        return;
    }
    if (kind == Metronome) {
        genMetronomeItems(measureIndex, part, voice, index, direction, anchor, size);
        return;
    }
    if (kind == Rehearsal) {
        genRehearsalItems(measureIndex, part, voice, index, direction, anchor, size);
        return;
    }
    const QString repeatId = repeatGlyphId(kind);
    if (!repeatId.isEmpty()) {
        QString id = repeatId;
        const bool keepsForm = kind == Coda || kind == Segno;
        if ((direction->rotation == 0 && !horizontal && !keepsForm) || direction->rotation == 2)
            id += QStringLiteral("_V");
        // The common font cuts its coda lower than its segno.
        const double scale = direction->scale * (kind == Coda ? codaScale : 1.0);
        GlyphItem *item = createSvgItem(part, true, id, false, horizontal, scale, scale);
        setDefaultItemOffset(direction);
        makeMovableDirectionItem(item, measureIndex, part, voice, index, direction);
        item->setPos(standardPos());
        if (!direction->moved) {
            item->setPos(item->pos() + measureLevelShiftIntoStage(item, measureIndex, part));
            keepInStage(this, item, measure);
        }
        return;
    }
    sendDirectionSpan(measure, part, voice, direction, anchor, size);
}

void Score::sendDirectionSpan(Measure *measure, int part, int voice, Direction *direction,
                              const QPointF &anchor, double size)
{
    Part *settings = parts.at(part);
    const double along = page->horizontal ? anchor.x() : anchor.y();
    const double stop = along - stopPullBack * size;
    switch (direction->kind) {
    case Crescendo:
    case Diminuendo:
        setDefaultItemOffset(direction);
        settings->wedge->wedgeStart(measure, voice, direction, along, direction->kind == Crescendo);
        break;
    case WedgeStop:
        settings->wedge->wedgeStop(measure, direction, stop);
        break;
    case LineStart:
        setDefaultItemOffset(direction);
        settings->bracketLine->bracketStart(measure, voice, direction, along);
        break;
    case LineStop:
        settings->bracketLine->bracketStop(measure, direction, stop);
        break;
    case OctaveDown:
    case OctaveUp:
        setDefaultItemOffset(direction);
        settings->octShift->octShiftStart(measure, voice, direction, along);
        break;
    case OctaveStop:
        settings->octShift->octShiftStop(measure, direction, stop);
        break;
    default:
        break; // nothing else is drawn
    }
}

namespace {

// A beat unit as the reader codes it (a letter, then its dots) in the
// note character the text item draws; empty for anything else.
QString beatUnitText(const QString &coded)
{
    static const QHash<QChar, char32_t> units = {
        {QLatin1Char('B'), 0x1D15C}, {QLatin1Char('W'), 0x1D15D}, {QLatin1Char('H'), 0x1D15E},
        {QLatin1Char('Q'), 0x2669},  {QLatin1Char('E'), 0x266A},  {QLatin1Char('S'), 0x1D161},
        {QLatin1Char('T'), 0x1D162}, {QLatin1Char('X'), 0x1D163},
    };
    if (coded.isEmpty() || !units.contains(coded.front()))
        return QString();
    for (qsizetype i = 1; i < coded.size(); ++i) {
        if (coded.at(i) != QLatin1Char('.'))
            return QString();
    }
    const char32_t note = units.value(coded.front());
    return QString::fromUcs4(&note, 1) + coded.mid(1);
}

// A metronome mark as text: the beat unit with its dots, "=" and the tempo
// or the other unit, in parentheses when the file asks for them ("(Q. = H..)"
// reads "(♩. = 𝅗𝅥..)"). A mark without a beat unit shows its tempo as
// Maelzel's "M.M. = 90".
QString metronomeText(const QString &coded)
{
    QString body = coded.simplified();
    const bool parenthesised = body.size() >= 2 && body.startsWith(QLatin1Char('(')) &&
                               body.endsWith(QLatin1Char(')'));
    if (parenthesised)
        body = body.mid(1, body.size() - 2).trimmed();
    const qsizetype equals = body.indexOf(QLatin1Char('='));
    QString unit = (equals < 0 ? body : body.left(equals)).trimmed();
    QString other = equals < 0 ? QString() : body.mid(equals + 1).trimmed();
    if (!beatUnitText(unit).isEmpty())
        unit = beatUnitText(unit);
    if (!beatUnitText(other).isEmpty())
        other = beatUnitText(other);
    QString text;
    if (unit.isEmpty())
        text = other.isEmpty() ? QString() : QStringLiteral("M.M. = ") + other;
    else
        text = other.isEmpty() ? unit : unit + QStringLiteral(" = ") + other;
    if (parenthesised && !text.isEmpty())
        text = QLatin1Char('(') + text + QLatin1Char(')');
    return text;
}

// Lines a direction text may hold: more would run off any page.
constexpr int maxBlockLines = 12;
// The frame line's half pen and a hair of air, mm.
constexpr double stageEdgeMargin = 0.4;
// Between the line that starts a stage and a sign or text brought inside
// it, mm: one hung before a line's first measure would otherwise stand on
// the frame's corner.
constexpr double stageStartAir = 1.0;

} // namespace

QString Score::wordsTextAsDrawn(const Direction *direction) const
{
    const QFont &font = direction->fontGiven ? direction->font : style->textFont;
    if (direction->kind == Metronome)
        return SymbolText::drawable(metronomeText(direction->text), font);
    // A leading "." asks for text written in the page's direction.
    const bool dotted = direction->text.startsWith(QLatin1Char('.'));
    const int r = direction->rotation;
    QString text = direction->text;
    if (r == 3 || (r == 0 && !page->horizontal && dotted))
        text = toVerticalPunctuation(text);
    if (dotted)
        text.remove(0, 1);
    return SymbolText::drawable(text, font);
}

namespace {

// A block's text, at most `maxBlockLines` lines.
QString cappedLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > maxBlockLines) {
        qDebug().noquote() << "words: only the first" << maxBlockLines << "of" << lines.size()
                           << "lines drawn";
        lines = lines.mid(0, maxBlockLines);
    }
    return lines.join(QLatin1Char('\n'));
}

// Where the stage that holds displayed measure `at` starts and ends along
// the reading direction, scene units.
std::pair<double, double> stageAlong(const Score *score, int at)
{
    const QList<Measure *> &shown = score->displayedMeasures;
    const bool horizontal = score->page->horizontal;
    const int stage = shown.at(at)->lineIndex;
    int first = at;
    while (first > 0 && shown.at(first - 1)->lineIndex == stage)
        --first;
    int last = at;
    while (last + 1 < shown.size() && shown.at(last + 1)->lineIndex == stage)
        ++last;
    const Measure *a = shown.at(first);
    const Measure *b = shown.at(last);
    const double s = score->page->scaleFactor;
    return {(horizontal ? a->originX : a->originY) * s,
            (horizontal ? b->originX + b->width : b->originY + b->height) * s};
}

// Moves a default-placed direction item along the reading direction until
// it stands inside its stage: back when it runs past the stage's end,
// forward when it starts before the stage (a sign hung before the first
// measure of a line would reach into the sheet's margin).
void keepInStage(const Score *score, QGraphicsItem *item, const Measure *measure)
{
    const int at = int(score->displayedMeasures.indexOf(const_cast<Measure *>(measure)));
    if (!item || at < 0)
        return;
    const bool horizontal = score->page->horizontal;
    const auto [stageStart, stageEnd] = stageAlong(score, at);
    const double low = stageStart + stageStartAir * score->page->scaleFactor;
    const double high = stageEnd - stageEdgeMargin * score->page->scaleFactor;
    const QRectF box = item->sceneBoundingRect();
    const double from = horizontal ? box.left() : box.top();
    const double to = horizontal ? box.right() : box.bottom();
    // A text longer than the stage keeps its beginning in view.
    double shift = to > high ? std::max(high - to, low - from) : 0.0;
    if (from < low)
        shift = low - from;
    if (shift != 0.0)
        item->moveBy(horizontal ? shift : 0.0, horizontal ? 0.0 : shift);
}

} // namespace

void Score::genWordsItem(int measureIndex, int part, int voice, int index, Direction *direction,
                         const QPointF &anchor, double size)
{
    // Words that continue a block are drawn by the block's first words.
    Measure *measure = measures.at(measureIndex);
    if (WordsBlock::isFollower(measure->parts.at(part)->voices.at(voice)->shownDirections(),
                               index)) {
        direction->item = nullptr;
        direction->shown = direction->visibility != 2;
        return;
    }
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    const int r = direction->rotation;
    // A leading "." asks for text written in the page's direction.
    const bool dotted = direction->text.startsWith(QLatin1Char('.'));
    const QString text = cappedLines(
        WordsBlock::text(measure->parts.at(part)->voices.at(voice)->shownDirections(), index,
                         [this](const Direction *words) { return wordsTextAsDrawn(words); }));
    auto *item = new MyTextItem(text, dotted && !horizontal);
    item->setFont(direction->fontGiven ? direction->font : style->textFont);
    item->setVisible(true);
    direction->item = item;
    item->setZValue(directionZ);
    setDefaultItemOffset(direction);
    makeMovableDirectionItem(item, measureIndex, part, voice, index, direction);

    const double f = size;
    const QPointF standard =
        horizontal
            ? QPointF((anchor.x() + f * direction->x) * k, (anchor.y() + f * direction->y) * k)
            : QPointF((anchor.x() - f * direction->y) * k, (anchor.y() + f * direction->x) * k);
    // In vertical writing the text stands one line further across, unless
    // the user placed it.
    const QPointF plainVertical((anchor.x() - f * direction->y) * k,
                                (anchor.y() + f * direction->x) * k);
    const double lift = direction->moved ? 0.0 : style->textFontHeight;
    const QPointF vertical = plainVertical + QPointF(lift, 0.0);
    const bool longText = text.size() > 1;

    bool verticalFlag = false;
    QPointF pos = standard;
    bool turned = false;
    if (r == 3 || (r == 0 && dotted && !horizontal && longText)) {
        verticalFlag = true;
        pos = horizontal ? standard : vertical;
    } else if (horizontal && r != 2) {
        pos = standard;
    } else if (r == 0) {
        pos = dotted ? plainVertical : vertical;
        turned = !dotted;
    } else if (r == 1) {
        pos = dotted ? plainVertical : vertical;
    } else if (r == 2) {
        pos = horizontal ? standard : vertical;
        turned = true;
    }
    item->setVertical(verticalFlag);
    item->setPos(pos);
    if (turned)
        item->setRotation(90.0);
    // A block of several lines above the notes grows upward from where its
    // first line would stand, so that its last line is the nearest.
    // Turned a quarter in vertical writing, its lines grow to the left: a
    // block on the right of the column moves right by as much.
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    if (lines > 1 && !verticalFlag && direction->y < 0.0 && !direction->moved) {
        const double extra = item->boundingRect().height() * (lines - 1) / lines;
        if (turned)
            item->moveBy(extra, 0.0);
        else if (horizontal)
            item->moveBy(0.0, -extra);
    }
    keepDirectionInRow(item, measureIndex, part, direction);
    if (!direction->moved)
        keepInStage(this, item, measure);

    direction->shown = direction->visibility != 2;
    if (direction->shown) {
        item->setOpacity(1.0);
        if (cleanOutput)
            item->setVisible(true);
    } else {
        item->setOpacity(hiddenOpacity);
        if (cleanOutput)
            item->setVisible(false);
    }
}

void Score::genMetronomeItems(int measureIndex, int part, int voice, int index,
                              Direction *direction, const QPointF &anchor, double size)
{
    // Tempo text, at the size and in the font of words.
    genWordsItem(measureIndex, part, voice, index, direction, anchor, size);
}

void Score::genRehearsalItems(int measureIndex, int part, int voice, int index,
                              Direction *direction, const QPointF &anchor, double size)
{
    QGraphicsTextItem *text =
        createBoldTextItem(direction->text, style->rehearsalMarkSize * direction->scale);
    text->setPlainText(SymbolText::drawable(direction->text, text->font()));
    const QRectF textBox = text->boundingRect();
    auto *frame = new QGraphicsRectItem(0.0, 0.0, textBox.width(), 0.9 * textBox.height());
    QPen pen;
    pen.setWidthF(1.0);
    frame->setPen(pen);
    auto *group = new QGraphicsItemGroup;
    group->addToGroup(text);
    group->addToGroup(frame);
    scene->addItem(group);

    const QRectF box = group->boundingRect();
    auto *handle = new MovableItem(this, int(box.width()), int(0.7 * box.height()));
    setDefaultItemOffset(direction);
    makeMovableDirectionItem(handle, measureIndex, part, voice, index, direction);
    const double k = page->scaleFactor;
    const QPointF pos = page->horizontal ? QPointF((anchor.x() + size * direction->x) * k,
                                                   (anchor.y() + size * direction->y) * k)
                                         : QPointF((anchor.x() - size * direction->y) * k,
                                                   (anchor.y() + size * direction->x) * k);
    group->setPos(pos);
    if (!direction->moved) {
        group->setPos(pos + measureLevelShiftIntoStage(group, measureIndex, part));
        keepInStage(this, group, measures.at(measureIndex));
    }
    handle->setPos(group->pos());
}
