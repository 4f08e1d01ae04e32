// Score: the view: zoom, scrolling, painting and the view slots, the reset
// of every hand offset, and selecting the same objects again after a
// regeneration.
#include "model/score.h"

#include "dialogs/dialogslurcontrol.h"
#include "layout/alignitem.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/voice.h"
#include "platform/prompter.h"
#include "view/scene.h"
#include "view/wheelturn.h"

#include <QDebug>
#include <QDragMoveEvent>
#include <QGraphicsItem>
#include <QWheelEvent>

#include <initializer_list>

namespace {

constexpr double zoomStep = 1.02;
constexpr double magnifyStep = 1.05;
constexpr double initialZoom = 0.6;
constexpr double wheelScroll = 30.0;

// Selects a re-found item, or says why the record found none.
void selectAgain(QGraphicsItem *item, const char *operation, const QString &record)
{
    if (item)
        item->setSelected(true);
    else
        qDebug().noquote() << QString::fromLatin1(operation) +
                                  QStringLiteral(": nothing to select for ") + record;
}

QString indices(std::initializer_list<int> values)
{
    QStringList parts;
    for (int v : values)
        parts.append(QString::number(v));
    return parts.join(QLatin1Char(' '));
}

} // namespace

void Score::slurShiftControl()
{
    const QList<QGraphicsItem *> selection = scene->selectedItems();
    if (selection.isEmpty() || selection.first()->data(TagType).toInt() != NotationItem)
        return;
    int m = 0, p = 0, v = 0, n = 0, index = 0;
    getNotationItemTag(selection.first(), &m, &p, &v, &n, &index);
    const Note *note = noteAt(m, p, v, n);
    const Notation *notation = note ? note->notations.value(index) : nullptr;
    if (!notation || notation->kind != NotationKind::Slur)
        return;

    DialogSlurControl dialog;
    connect(&dialog, &DialogSlurControl::sigSlurLeftStrong, this, &Score::slurLeftStrong);
    connect(&dialog, &DialogSlurControl::sigSlurLeftWeak, this, &Score::slurLeftWeak);
    connect(&dialog, &DialogSlurControl::sigSlurWholeStrong, this, &Score::slurWholeStrong);
    connect(&dialog, &DialogSlurControl::sigSlurWholeWeak, this, &Score::slurWholeWeak);
    connect(&dialog, &DialogSlurControl::sigSlurRightStrong, this, &Score::slurRightStrong);
    connect(&dialog, &DialogSlurControl::sigSlurRightWeak, this, &Score::slurRightWeak);
    Prompter::instance().runDialog(&dialog);
}

bool Score::setFileNameAndText(const QString &name, const QString &text)
{
    filePath = name;
    documentText = text;
    setChanged(true);
    return true;
}

void Score::setZoom(double factor)
{
    setTransform(QTransform::fromScale(factor, factor));
}

void Score::zoomIn()
{
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    zoomFactor *= zoomStep;
    setZoom(zoomFactor);
}

void Score::zoomOut()
{
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    zoomFactor /= zoomStep;
    setZoom(zoomFactor);
}

void Score::zoomReset()
{
    zoomFactor = initialZoom;
    setZoom(zoomFactor);
    // Page 0 stands at the origin in both writing directions; in vertical
    // writing the later pages run to its left.
    const double s = page->scaleFactor;
    centerOn(page->pageWidth * s / 2.0, page->pageHeight * s / 2.0);
}

void Score::navigatePos(const QPointF &scenePoint)
{
    centerOn(scenePoint);
}

void Score::navigateMagnify(bool magnify)
{
    zoomFactor = magnify ? zoomFactor * magnifyStep : zoomFactor / magnifyStep;
    setZoom(zoomFactor);
}

void Score::wheelEvent(QWheelEvent *event)
{
    // A delta below 1 is a turn towards the user.
    const bool towardsUser = wheelTurn(event) < 1;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::AltModifier) {
        setTransformationAnchor(QGraphicsView::NoAnchor);
        translate(towardsUser ? wheelScroll : -wheelScroll, 0.0);
    } else if (!(modifiers & Qt::ControlModifier)) {
        setTransformationAnchor(QGraphicsView::NoAnchor);
        const QPoint delta = event->angleDelta();
        // A sideways wheel or touchpad swipe scrolls sideways; a positive
        // turn brings the left into view, as the scroll bar takes it.
        if (delta.y() == 0 && delta.x() != 0)
            translate(delta.x() > 0 ? wheelScroll : -wheelScroll, 0.0);
        else
            translate(0.0, towardsUser ? -wheelScroll : wheelScroll);
    } else {
        setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
        zoomFactor = towardsUser ? zoomFactor / magnifyStep : zoomFactor * magnifyStep;
        setZoom(zoomFactor);
    }
    event->accept();
}

void Score::dragMoveEvent(QDragMoveEvent *event)
{
    event->accept();
}

void Score::paintEvent(QPaintEvent *event)
{
    if (dSw)
        qDebug().noquote() << "paintEvent";
    const QPointF topLeft = mapToScene(0, 0);
    const QPointF bottomRight = mapToScene(width(), height());
    emit sigScoreRepainted(
        QRectF(topLeft, QSizeF(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())));
    QGraphicsView::paintEvent(event);
}

// Key presses move items; a release has nothing to finish.
void Score::keyReleaseEvent(QKeyEvent *) {}

void Score::resetAllItemOffsets()
{
    // A credit keeps its values: only whether they apply is reset.
    for (Credit *credit : std::as_const(credits))
        credit->moved = false;
    const auto clear = [](UserOffset *offset) {
        if (offset->moved)
            *offset = UserOffset();
    };
    for (Measure *measure : std::as_const(measures)) {
        for (MePart *cell : std::as_const(measure->parts)) {
            for (Voice *voice : cell->voices.madeVoices()) {
                for (Direction *direction : std::as_const(voice->directions))
                    clear(direction);
                for (Note *note : std::as_const(voice->notes)) {
                    if (note->octaveInstMoved) {
                        note->octaveInstMoved = false;
                        note->octaveInstOffsetX = 0.0;
                        note->octaveInstOffsetY = 0.0;
                    }
                    for (Notation *notation : std::as_const(note->notations))
                        clear(notation);
                    for (Lyrics *lyric : std::as_const(note->lyrics))
                        clear(lyric);
                }
            }
        }
    }
    setChanged(true);
}

void Score::reselectNoteItems()
{
    for (const SelectedNote *r : std::as_const(selectedNotes)) {
        const Note *note = noteAt(r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex);
        // The glyph item stands on the note's first aligned item; -1 when
        // the note was not drawn.
        QGraphicsItem *item =
            note ? measures.at(r->measureIndex)
                       ->getItemGraphicsItem(r->partIndex, r->voiceIndex, note->firstAlignItem)
                 : nullptr;
        selectAgain(item, "reselectNoteItems",
                    indices({r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex}));
    }
}

void Score::reselectDirectionItems()
{
    for (const SelectedDirection *r : std::as_const(selectedDirections)) {
        const Direction *direction =
            directionAt(r->measureIndex, r->partIndex, r->voiceIndex, r->directionIndex);
        selectAgain(direction ? direction->item : nullptr, "reselectDirectionItems",
                    indices({r->measureIndex, r->partIndex, r->voiceIndex, r->directionIndex}));
    }
}

void Score::reselectNotationItems()
{
    for (const SelectedNotation *r : std::as_const(selectedNotations)) {
        const Note *note = noteAt(r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex);
        const Notation *notation = note ? note->notations.value(r->notationIndex) : nullptr;
        selectAgain(notation ? notation->item : nullptr, "reselectNotationItems",
                    indices({r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex,
                             r->notationIndex}));
    }
}

void Score::reselectDirectiveItems()
{
    for (const SelectedDirective *r : std::as_const(selectedDirectives)) {
        const Note *note = noteAt(r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex);
        const Directive *directive = note ? note->directives.value(r->directiveIndex) : nullptr;
        selectAgain(directive ? directive->item : nullptr, "reselectDirectiveItems",
                    indices({r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex,
                             r->directiveIndex}));
    }
}

void Score::reselectMeasures()
{
    for (int index : std::as_const(selectedMeasures)) {
        const Measure *measure = displayedMeasures.value(index);
        selectAgain(measure ? measure->measureItem : nullptr, "reselectMeasures",
                    QString::number(index));
    }
}
