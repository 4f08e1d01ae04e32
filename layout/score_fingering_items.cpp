// Score's fingering items: the fingering glyphs of a note, with the
// continuation line of a fingering held over the following notes.
#include "drawing/movableitem.h"
#include "drawing/watcheritem.h"
#include "layout/layouter.h"
#include "model/fingering.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QLineF>
#include <QPen>
#include <QTransform>

#include <memory>

namespace {

constexpr double fingeringZ = 20.0;

const QString &holdText()
{
    static const QString text = QStringLiteral("--");
    return text;
}

// The glyph of a fingering text; "" for a text that draws nothing.
QString fingeringGlyph(const QString &text, int style)
{
    if (text == QString(QChar(0x4E2D))) // 中
        return QStringLiteral("FingeringNaka");
    if (text == QString(QChar(0x30A8))) // エ
        return QStringLiteral("FingeringE");
    if (text.size() != 1 || text.at(0) < QLatin1Char('0') || text.at(0) > QLatin1Char('5'))
        return QString();
    QString glyph = QStringLiteral("Fingering") + text;
    if (style == NotationStyle::KotoSeiha && text.at(0) >= QLatin1Char('2') &&
        text.at(0) <= QLatin1Char('4'))
        glyph += QStringLiteral("_Seiha");
    return glyph;
}

bool holdsAt(const Note *note, int index)
{
    return note && index < note->fingerings.size() &&
           note->fingerings.at(index)->text == holdText();
}

} // namespace

void Score::genFingeringItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                              double f)
{
    Measure *m = measures.at(measureIndex);
    const Part *settings = parts.at(part);
    const int notation = settings->notationStyle;
    const bool staff = notation == NotationStyle::StaffNotation;
    const bool koto = notation == NotationStyle::KotoIkuta || notation == NotationStyle::KotoSeiha;
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    const QList<Note *> &notes = m->parts.at(part)->voices.at(voice)->notes;

    double s = style->fingeringSize * f * page->glyphScale;
    if (staff)
        s *= 0.7;
    if (note->grace) {
        s *= style->graceNoteScale;
        f *= style->graceNoteScale;
    }
    QPen pen(QBrush(Qt::black), style->fingeringLineWidth, Qt::SolidLine, Qt::FlatCap);

    // Lines start beside the widest digit, measured but never shown.
    const std::unique_ptr<GlyphItem> reference(
        GlyphItems::create(commonRenderer, QStringLiteral("Fingering5")));
    const double wr = reference->boundingRect().width() * s;
    const double hr = reference->boundingRect().height() * s;

    const int chordSize = note->chordSize;
    const QPointF anchor = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
    const double l = style->fingeringOffsetL;
    const double w = style->fingeringOffsetW;
    const double m0 = horizontal ? m->originX : m->originY;
    const double mw = horizontal ? m->width : m->height;

    for (int i = 0; i < note->fingerings.size(); ++i) {
        Fingering *fingering = note->fingerings.at(i);
        // A hold on the first note comes from the previous measure.
        const bool cont = noteIndex == 0 && fingering->text == holdText();
        const QString glyphId = fingeringGlyph(fingering->text, notation);
        if (glyphId.isEmpty() && !cont)
            continue;
        GlyphItem *glyph = nullptr;
        if (!glyphId.isEmpty()) {
            glyph = GlyphItems::create(commonRenderer, glyphId);
            glyph->setTransform(QTransform::fromScale(s, s));
            glyph->setCacheMode(QGraphicsItem::NoCache);
            glyph->setVisible(note->visible);
            glyph->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
            fingering->item = glyph;
        }

        if (!fingering->moved) {
            if (staff) {
                // Staff fingerings keep their default as if the user had set it.
                fingering->setOffset(0.03, 0.3);
            } else {
                if (koto && !horizontal)
                    fingering->setOffset(-0.2, chordSize < 2 ? 0.9
                                                             : 0.9 * m->layouter->chordSqueezeRatio(
                                                                         part, voice, chordSize));
                else if (koto)
                    fingering->setOffset(l, w);
                else if (chordSize < 2)
                    fingering->setOffset(horizontal ? 0.2 : 0.0, 1.05 + 0.4 * i);
                else
                    fingering->setOffset(horizontal ? 1.1 : 1.0, 0.2);
                fingering->moved = false;
            }
        }
        const double x = fingering->x;
        const double y = fingering->y;

        // The notes that hold this fingering: along the voice, or down the
        // chord for a chord's fingering.
        int counted = 0;
        int lastIndex = noteIndex;
        for (int j = noteIndex + 1; j < notes.size(); ++j) {
            const Note *next = notes.at(j);
            if (!holdsAt(next, i) || (chordSize >= 2 && !next->chord))
                break;
            ++counted;
            lastIndex = j;
        }
        const Note *last = notes.at(lastIndex);
        bool nextCont = false;
        if (lastIndex == notes.size() - 1 && measureIndex + 1 < measures.size()) {
            const QList<Note *> &following =
                measures.at(measureIndex + 1)->parts.at(part)->voices.at(voice)->notes;
            nextCont = !following.isEmpty() && holdsAt(following.first(), i);
        }

        // Along and across the reading direction, mm.
        const double along = (l + x) * f;
        const double across = (w + y) * f;
        auto placeAt = [&](QGraphicsItem *item, double alongStart) {
            if (horizontal)
                item->setPos((alongStart + along) * k, (anchor.y() + across) * k);
            else
                item->setPos((anchor.x() + across) * k, (alongStart + along) * k);
        };
        const double noteAlong = horizontal ? anchor.x() : anchor.y();

        QGraphicsItem *tagged = nullptr;
        if (glyph && counted == 0 && !nextCont) {
            glyph->setZValue(fingeringZ);
            placeAt(glyph, noteAlong);
            tagged = glyph;
        } else {
            QPointF p1 = anchor;
            if (notation == NotationStyle::KotoSeiha && !horizontal)
                p1.rx() += 0.5 * f;
            const QPointF p2 = m->getItemFinalPosFrame(part, voice, last->firstAlignItem);
            const QSizeF lastSize = m->getItemSize(part, voice, last->firstAlignItem);
            const double a = lastSize.width();
            const double c = lastSize.height();
            QLineF line;
            if (glyph && nextCont) {
                line = horizontal
                           ? QLineF(1.2 * wr, 0.5 * hr, (m0 + mw - p1.x() - f * x) * k, 0.5 * hr)
                           : QLineF(0.5 * wr, 1.2 * hr, 0.5 * wr, (m0 + mw - p1.y() - f * x) * k);
            } else if (glyph && chordSize < 2) {
                line = horizontal ? QLineF(1.2 * wr, 0.5 * hr,
                                           (p2.x() - p1.x() + 0.2 * f + 0.7 * a) * k, 0.5 * hr)
                                  : QLineF(0.5 * wr, 1.2 * hr, 0.5 * wr, (p2.y() - p1.y() + a) * k);
            } else if (!glyph && nextCont) {
                line = horizontal ? QLineF(0.0, 0.5 * hr, mw * k, 0.5 * hr)
                                  : QLineF(0.5 * wr, 0.0, 0.5 * wr, mw * k);
            } else if (!glyph) {
                line = horizontal ? QLineF(0.0, 0.5 * hr, (p2.x() - m0 + a) * k, 0.5 * hr)
                                  : QLineF(0.5 * wr, 0.0, 0.5 * wr, (p2.y() - m0 + a) * k);
            } else {
                // Held down a chord: the line runs across the chord's notes.
                line = horizontal ? QLineF(0.5 * wr, 0.0, 0.5 * wr, (p2.y() - p1.y() + 0.2 * f) * k)
                                  : QLineF(1.4 * wr, 0.5 * hr,
                                           (p2.x() - p1.x() - 0.2 * f + 0.7 * c) * k, 0.5 * hr);
            }
            auto *lineItem = new QGraphicsLineItem(line);
            lineItem->setPen(pen);
            if (glyph) {
                auto *group = new QGraphicsItemGroup;
                glyph->setZValue(fingeringZ);
                group->addToGroup(glyph);
                group->addToGroup(lineItem);
                scene->addItem(group);
                const QRectF bounds = group->boundingRect();
                auto *handle = new MovableItem(this, int(bounds.width()), int(bounds.height()));
                placeAt(group, noteAlong);
                placeAt(handle, noteAlong);
                tagged = handle;
            } else {
                placeAt(lineItem, m0);
                tagged = lineItem;
            }
        }

        fingering->item = tagged;
        setFingeringItemTag(tagged, measureIndex, part, voice, noteIndex, i);
        tagged->setAcceptHoverEvents(true);
        tagged->setCursor(Qt::ArrowCursor);
        scene->addItem(tagged);
        if (watcher)
            tagged->installSceneEventFilter(watcher);
        tagged->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    }
}
