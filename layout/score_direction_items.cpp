// Score's direction items: dynamics, words, rehearsal marks, repeat signs
// and metronome marks as movable scene items, and the hairpin, bracket and
// octave-shift events that the part's drawers turn into lines.
#include "drawing/bracketline.h"
#include "drawing/movableitem.h"
#include "drawing/mytextitem.h"
#include "drawing/octshift.h"
#include "drawing/watcheritem.h"
#include "drawing/wedge.h"
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
#include <QGraphicsItemGroup>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QRegularExpression>

namespace {

using namespace DirectionKind;

constexpr double directionZ = 20.0;
constexpr double hiddenOpacity = 0.5;
// Stops stand a little before their anchor, so that a line ends short of
// the note it stops at.
constexpr double stopPullBack = 0.3;

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
        GlyphItem *item =
            createSvgItem(part, true, id, false, horizontal, direction->scale, direction->scale);
        setDefaultItemOffset(direction);
        makeMovableDirectionItem(item, measureIndex, part, voice, index, direction);
        item->setPos(standardPos());
        if (!direction->moved)
            item->setPos(item->pos() + measureLevelShiftIntoStage(item, measureIndex, part));
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

QString Score::wordsTextAsDrawn(const Direction *direction) const
{
    // A leading "." asks for text written in the page's direction.
    const bool dotted = direction->text.startsWith(QLatin1Char('.'));
    const int r = direction->rotation;
    QString text = direction->text;
    if (r == 3 || (r == 0 && !page->horizontal && dotted))
        text = toVerticalPunctuation(text);
    if (dotted)
        text.remove(0, 1);
    return text;
}

void Score::genWordsItem(int measureIndex, int part, int voice, int index, Direction *direction,
                         const QPointF &anchor, double size)
{
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    const int r = direction->rotation;
    // A leading "." asks for text written in the page's direction.
    const bool dotted = direction->text.startsWith(QLatin1Char('.'));
    const QString text = wordsTextAsDrawn(direction);
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
    keepDirectionInRow(item, measureIndex, part, direction);

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

GlyphItem *Score::metronomeGlyph(int part, const QString &id, double scale) const
{
    return createSvgItem(part, true, id, false, page->horizontal, scale, scale);
}

void Score::genMetronomeItems(int measureIndex, int part, int voice, int index,
                              Direction *direction, const QPointF &anchor, double size)
{
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    const double f = size;
    QPointF pos;
    if (horizontal)
        pos = QPointF((anchor.x() + f * direction->x) * k, (anchor.y() + f * direction->y) * k);
    else if (direction->moved)
        pos = QPointF((anchor.x() - f * direction->y) * k, (anchor.y() + f * direction->x) * k);
    else
        pos = QPointF((anchor.x() - f) * k, (anchor.y() + f * direction->x) * k);

    const double s = (isStaffNotation(parts.at(part)) ? 0.6 : 0.8) * direction->scale;
    // The glyphs follow the largest note size of the score, so that a tempo
    // mark reads the same above every part.
    int largest = 0;
    for (int p = 1; p < parts.size(); ++p) {
        if (parts.at(p)->noteFontSize > parts.at(largest)->noteFontSize)
            largest = p;
    }
    const double largestSize = parts.at(largest)->noteFontSize;
    const double u = largestSize * s * page->glyphScale * 30.0;

    auto *group = new QGraphicsItemGroup;
    auto place = [group](QGraphicsItem *glyph, double x, double y) {
        glyph->setPos(x, y);
        group->addToGroup(glyph);
    };
    static const QRegularExpression tempoDigit(QStringLiteral("[1-9]"));
    const QString &text = direction->text;
    double x = 0.0;
    for (const QChar c : text) {
        QString id;
        double advance = 0.0;
        if (c == QLatin1Char('Q')) {
            id = QStringLiteral("Metronome-Quarter");
            advance = u;
        } else if (c == QLatin1Char('E')) {
            id = QStringLiteral("Metronome-Eigth");
            advance = 1.6 * u;
        } else if (c == QLatin1Char('H')) {
            id = QStringLiteral("Metronome-Half");
            advance = u;
        } else if (c == QLatin1Char('.')) {
            id = QStringLiteral("Metronome-Dot");
            advance = 0.8 * u;
        } else if (c == QLatin1Char('=')) {
            id = QStringLiteral("Metronome-Equal");
            advance = 1.2 * u;
        } else if (c == QLatin1Char(' ')) {
            continue;
        } else {
            // The tempo: from its first digit 1..9 to the end; a text with
            // no such digit shows no number.
            const int from = int(text.indexOf(tempoDigit));
            if (from < 0)
                continue;
            for (const QChar digit : text.mid(from)) {
                place(metronomeGlyph(largest, QString(digit) + QStringLiteral("_tempo"), 1.1 * s),
                      x, largestSize * s);
                x += 0.8 * u;
            }
            break;
        }
        place(metronomeGlyph(largest, id, s), x, 0.0);
        x += advance;
    }
    scene->addItem(group);

    const QRectF box = group->boundingRect();
    auto *handle = new MovableItem(this, int(box.width()), int(box.height()));
    if (!horizontal && isStaffNotation(parts.first())) {
        group->setRotation(90.0);
        handle->setRotation(90.0);
    }
    group->setPos(pos);
    if (!direction->moved)
        group->setPos(pos + measureLevelShiftIntoStage(group, measureIndex, part));
    handle->setPos(group->pos());
    makeMovableDirectionItem(handle, measureIndex, part, voice, index, direction);
}

void Score::genRehearsalItems(int measureIndex, int part, int voice, int index,
                              Direction *direction, const QPointF &anchor, double size)
{
    QGraphicsTextItem *text =
        createBoldTextItem(direction->text, style->rehearsalMarkSize * direction->scale);
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
    if (!direction->moved)
        group->setPos(pos + measureLevelShiftIntoStage(group, measureIndex, part));
    handle->setPos(group->pos());
}
