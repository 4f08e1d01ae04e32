// Direction items on generated scenes: dynamics and repeat-sign glyphs and
// their vertical forms, words as text items (and as text in exported SVG),
// rehearsal marks, metronome marks, hairpins broken at line ends, bracket
// and dashes lines, octave shifts, and the part-output filter.
#include "drawing/bracketline.h"
#include "drawing/movableitem.h"
#include "drawing/mypath.h"
#include "drawing/mytextitem.h"
#include "drawing/temponotes.h"
#include "drawing/octshift.h"
#include "drawing/wedge.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace tst_direction_items {

using TestSupport::VoiceScore;

namespace {

using namespace DirectionKind;

// A score of `measures` one-note measures in one part, `perLine` measures
// to a line.
std::unique_ptr<VoiceScore> makeScore(int style, bool horizontal, int measures, int perLine = 4)
{
    auto f = std::make_unique<VoiceScore>(horizontal);
    f->score.page->measurePerLine = perLine;
    f->addPart(QStringLiteral("P"), style);
    for (int m = 0; m < measures; ++m) {
        f->addMeasure();
        f->addNotes(0, QStringLiteral("C5/1"));
    }
    return f;
}

// A direction in measure `m` (voice 1 of part 0) at the measure's note.
Direction *addDirection(VoiceScore &f, int m, int part, int kind, const QString &text,
                        int number = 0)
{
    auto *direction = new Direction;
    direction->noteIndex = 0;
    direction->kind = kind;
    direction->text = text;
    direction->number = number;
    f.score.measures.at(m)->parts.at(part)->voices.use(0)->directions.append(direction);
    return direction;
}

// Top-level groups made only of line items (hairpins, bracket lines).
QList<QGraphicsItemGroup *> lineGroups(const Score &score)
{
    QList<QGraphicsItemGroup *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        auto *group = qgraphicsitem_cast<QGraphicsItemGroup *>(item);
        if (!group || group->parentItem() || group->childItems().isEmpty())
            continue;
        bool linesOnly = true;
        for (QGraphicsItem *child : group->childItems())
            linesOnly = linesOnly && qgraphicsitem_cast<QGraphicsLineItem *>(child);
        if (linesOnly)
            found.append(group);
    }
    return found;
}

// Top-level groups holding an SVG glyph of `id` (metronome, octave shift).
QList<QGraphicsItemGroup *> groupsWithGlyph(const Score &score, const QString &id)
{
    QList<QGraphicsItemGroup *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        auto *group = qgraphicsitem_cast<QGraphicsItemGroup *>(item);
        if (!group || group->parentItem())
            continue;
        for (QGraphicsItem *child : group->childItems()) {
            auto *svg = dynamic_cast<GlyphItem *>(child);
            if (svg && svg->elementId() == id) {
                found.append(group);
                break;
            }
        }
    }
    return found;
}

QList<MovableItem *> handles(const Score &score)
{
    QList<MovableItem *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        if (auto *handle = dynamic_cast<MovableItem *>(item))
            found.append(handle);
    }
    return found;
}

QList<QGraphicsLineItem *> lines(const QGraphicsItemGroup *group, Qt::PenStyle style)
{
    QList<QGraphicsLineItem *> found;
    for (QGraphicsItem *child : group->childItems()) {
        auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(child);
        if (line && line->pen().style() == style && line->pen().color().alpha() > 0)
            found.append(line);
    }
    return found;
}

void verifyDirectionTag(const QGraphicsItem *item, int measure)
{
    QVERIFY(item);
    QCOMPARE(item->data(TagType).toInt(), 6);
    QCOMPARE(itemTag(item, TagMeasure), measure);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
}

} // namespace

class TestDirectionItems : public QObject
{
    Q_OBJECT

private slots:
    void glyphForms_data();
    void glyphForms();
    void wordsAndRehearsal();
    void wordsAreSvgText();
    void metronomeMarksAreTempoText_data();
    void metronomeMarksAreTempoText();
    void metronomeMarksReadAsWritten_data();
    void metronomeMarksReadAsWritten();
    void metronomeMarksStandApart_data();
    void metronomeMarksStandApart();
    void wordsOfOneDirectionAreOneBlock_data();
    void wordsOfOneDirectionAreOneBlock();
    void repeatSignsStandClear_data();
    void repeatSignsStandClear();
    void partOutputOffDrawsOnlyItsKinds();
    void hairpinSegments_data();
    void hairpinSegments();
    void hairpinLengthScale();
    void bracketLines_data();
    void bracketLines();
    void spanNumbersOutsideSlots_data();
    void spanNumbersOutsideSlots();
    void octaveShift_data();
    void octaveShift();
};

void TestDirectionItems::glyphForms_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("glyph");
    const int staff = NotationStyle::StaffNotation;
    const int tozan = NotationStyle::TozanTrad;
    QTest::newRow("ff, staff, horizontal") << staff << true << int(Dynamics) << "ff"
                                           << "ff";
    QTest::newRow("ff, staff, vertical") << staff << false << int(Dynamics) << "ff"
                                         << "ff_V";
    QTest::newRow("ff, Tozan, vertical") << tozan << false << int(Dynamics) << "ff"
                                         << "ff";
    QTest::newRow("D.C., vertical") << tozan << false << int(DaCapo) << ""
                                    << "D.C._V";
    QTest::newRow("D.C., horizontal") << tozan << true << int(DaCapo) << ""
                                      << "D.C.";
    QTest::newRow("coda keeps its form") << tozan << false << int(Coda) << ""
                                         << "Coda";
}

void TestDirectionItems::glyphForms()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, glyph);
    auto f = makeScore(style, horizontal, 1);
    Direction *direction = addDirection(*f, 0, 0, kind, text);
    f->build();
    auto *item = dynamic_cast<GlyphItem *>(direction->item);
    QVERIFY(item);
    QCOMPARE(item->elementId(), glyph);
    QVERIFY(item->renderer()->elementExists(glyph));
    QCOMPARE(item->scene(), f->score.scene);
    verifyDirectionTag(item, 0);
    if (kind == Dynamics)
        QCOMPARE(item->zValue(), 20.0);
}

void TestDirectionItems::wordsAndRehearsal()
{
    auto f = makeScore(NotationStyle::TozanTrad, true, 1);
    Direction *words = addDirection(*f, 0, 0, Words, QStringLiteral("dolce"));
    Direction *mark = addDirection(*f, 0, 0, Rehearsal, QStringLiteral("A"));
    Direction *hidden = addDirection(*f, 0, 0, Words, QStringLiteral("secret"));
    hidden->visibility = 2;
    f->build();

    auto *text = dynamic_cast<MyTextItem *>(words->item);
    QVERIFY(text);
    QCOMPARE(text->text, QStringLiteral("dolce"));
    QCOMPARE(text->zValue(), 20.0);
    verifyDirectionTag(text, 0);
    QVERIFY(words->shown);
    QVERIFY(!hidden->shown);
    QCOMPARE(hidden->item->opacity(), 0.5);

    // The rehearsal mark's item is the handle; beside it a group holds the
    // bold text and its frame.
    auto *handle = dynamic_cast<MovableItem *>(mark->item);
    QVERIFY(handle);
    verifyDirectionTag(handle, 0);
    const QGraphicsTextItem *bold = nullptr;
    const QGraphicsRectItem *frame = nullptr;
    for (QGraphicsItem *item : f->score.scene->items()) {
        if (auto *t = qgraphicsitem_cast<QGraphicsTextItem *>(item);
            t && t->toPlainText() == QLatin1String("A"))
            bold = t;
        if (auto *r = qgraphicsitem_cast<QGraphicsRectItem *>(item);
            r && r->parentItem() && r->parentItem()->pos() == handle->pos())
            frame = r;
    }
    QVERIFY(bold);
    QVERIFY(bold->font().bold());
    QVERIFY(frame);
    QCOMPARE(bold->parentItem(), frame->parentItem());
}

void TestDirectionItems::wordsAreSvgText()
{
    auto score = std::make_unique<Score>(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        *score, TestSupport::fixturePath(
                    QStringLiteral("corpus/lilypond-musicxml-testsuite/31a-Directions.xml"))));
    score->page->horizontal = true;
    QTemporaryDir dir;
    QVERIFY(score->exportSvgFile(dir.filePath(QStringLiteral("words.svg"))));
    QFile svg(dir.filePath(QStringLiteral("words_p001.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    // The words direction of the file, and the rehearsal mark "A".
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("<text[^>]*>[^<]*words"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("<text[^>]*>\\s*A\\s*</text>"))));
}

void TestDirectionItems::metronomeMarksAreTempoText_data()
{
    QTest::addColumn<QString>("coded"); // as the reader codes the mark
    QTest::addColumn<QString>("drawn");
    QTest::newRow("quarter") << "Q = 120" << QStringLiteral("\u2669 = 120");
    QTest::newRow("dotted quarter") << "Q. = 72" << QStringLiteral("\u2669. = 72");
    QTest::newRow("eighth") << "E = 96" << QStringLiteral("\u266A = 96");
    QTest::newRow("half, tempo 0") << "H = 0" << QString::fromUcs4(U"\U0001D15E = 0");
    QTest::newRow("unit for unit") << "Q = H" << QString::fromUcs4(U"\u2669 = \U0001D15E");
    QTest::newRow("no beat unit") << " = 90" << QStringLiteral("M.M. = 90");
    QTest::newRow("no beat unit, in parentheses") << "( = 90)" << QStringLiteral("(M.M. = 90)");
    QTest::newRow("dots on both units, in parentheses")
        << "(Q. = H..)" << QString::fromUcs4(U"(\u2669. = \U0001D15E..)");
    QTest::newRow("sixteenth, five dots") << "S..... = 60" << QString::fromUcs4(U"\U0001D161..... = 60");
    QTest::newRow("whole alone") << "W" << QString::fromUcs4(U"\U0001D15D");
    QTest::newRow("a tempo of letters stays text") << "Q = ca. Quick" << QStringLiteral("\u2669 = ca. Quick");
    QTest::newRow("nothing") << "" << QString();
}

// A metronome mark is a text item in the tempo text's font, its note
// characters and number on one line.
void TestDirectionItems::metronomeMarksAreTempoText()
{
    QFETCH(QString, coded);
    QFETCH(QString, drawn);
    auto f = makeScore(NotationStyle::TozanTrad, true, 1);
    Direction *tempo = addDirection(*f, 0, 0, Metronome, coded);
    Direction *words = addDirection(*f, 0, 0, Words, QStringLiteral("Lento"));
    f->build();
    auto *text = dynamic_cast<MyTextItem *>(tempo->item);
    QVERIFY(text);
    verifyDirectionTag(text, 0);
    QCOMPARE(text->text, drawn);
    QCOMPARE(text->font, dynamic_cast<MyTextItem *>(words->item)->font);
}

void TestDirectionItems::metronomeMarksReadAsWritten_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (const int style : {0, 5, 12}) {
        for (const bool horizontal : {true, false})
            QTest::addRow("style %d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

// The four marks of the suite's file read as the file writes them: each
// unit with its own dots, "=" between, the parentheses asked for. Drawn,
// the note stands on the text's baseline, each dot is ink of its own
// beside its head, and no gap along the mark is wider than a blank and a
// half (a note from a fallback font left one of 2.5 mm; a dot on the text's
// baseline stood 1.5 mm from its head).
void TestDirectionItems::metronomeMarksReadAsWritten()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(
        TestSupport::fixturePath(
            QStringLiteral("corpus/lilypond-musicxml-testsuite/31c-MetronomeMarks.xml")),
        style, horizontal);
    QVERIFY(score);
    const QStringList expected = {
        QStringLiteral("\u2669. = 100"), QString::fromUcs4(U"\u2669.. = \U0001D15E."),
        QString::fromUcs4(U"(\u2669. = \U0001D15E..)"), QStringLiteral("(\u2669. = 77)")};
    QList<MyTextItem *> marks;
    for (const Measure *m : score->measures) {
        for (const Direction *d : m->parts.at(0)->voices.at(0)->directions) {
            if (d->kind == Metronome)
                marks.append(dynamic_cast<MyTextItem *>(d->item));
        }
    }
    QCOMPARE(marks.size(), expected.size());
    constexpr double pxPerMm = 40.0;
    const double s = score->page->scaleFactor;
    for (int i = 0; i < marks.size(); ++i) {
        MyTextItem *mark = marks.at(i);
        QVERIFY(mark);
        QCOMPARE(mark->text, expected.at(i));
        // The item drawn upright, at a known scale.
        const QRectF box = mark->boundingRect();
        const double k = pxPerMm / s;
        QImage image(qCeil(box.width() * k) + 2, qCeil(box.height() * k) + 2,
                     QImage::Format_Grayscale8);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(k, k);
            QStyleOptionGraphicsItem option;
            mark->paint(&painter, &option, nullptr);
        }
        if (qEnvironmentVariableIsSet("DUMP_MARKS")) image.save(QStringLiteral("/tmp/r16c-mark%1.png").arg(i));
        const auto inked = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
        const auto columnInked = [&](int x) {
            for (int y = 0; y < image.height(); ++y) {
                if (inked(x, y))
                    return true;
            }
            return false;
        };
        const auto lowestInk = [&](int from, int to) {
            int lowest = -1;
            for (int x = std::max(0, from); x < std::min(image.width(), to); ++x) {
                for (int y = image.height() - 1; y > lowest; --y) {
                    if (inked(x, y))
                        lowest = y;
                }
            }
            return lowest;
        };
        // One baseline: the note's foot and the "=" or tempo after it.
        const QFontMetricsF metrics(mark->font);
        const int opening = mark->text.startsWith(QLatin1Char('(')) ? 1 : 0;
        const QList<TempoNotes::Run> runs = TempoNotes::runs(mark->text.mid(opening));
        const double start = opening ? metrics.horizontalAdvance(QLatin1Char('(')) * k : 0.0;
        const TempoNotes::Run note = runs.value(0);
        QVERIFY(note.value >= 0);
        const double noteEnd = start + TempoNotes::noteAdvance(note, metrics) * k;
        const double baseline = mark->characterOrigins().at(0).y() * k;
        const int foot = lowestInk(int(start), int(noteEnd));
        // Along the note no gap wider than half a millimetre; from its
        // last ink to the next no more than a blank and a little air.
        int gap = 0;
        int lastInk = -1;
        for (int x = int(start); x < int(noteEnd); ++x) {
            if (columnInked(x)) {
                QVERIFY2(lastInk < 0 || x - lastInk - 1 <= 0.5 * pxPerMm,
                         qPrintable(QStringLiteral("mark %1: a gap of %2 mm inside '%3'")
                                        .arg(i)
                                        .arg((x - lastInk - 1) / pxPerMm)
                                        .arg(note.text)));
                lastInk = x;
            }
        }
        int next = lastInk + 1;
        while (next < image.width() && !columnInked(next))
            ++next;
        gap = next - lastInk - 1;
        const double blank = metrics.horizontalAdvance(QLatin1Char(' ')) * k;
        QVERIFY2(gap <= blank + 0.6 * pxPerMm,
                 qPrintable(QStringLiteral("mark %1: a gap of %2 mm after '%3'")
                                .arg(i)
                                .arg(gap / pxPerMm)
                                .arg(note.text)));
        QVERIFY2(std::abs(foot - baseline) <= 0.2 * pxPerMm,
                 qPrintable(QStringLiteral("mark %1: the note's foot %2 mm off the baseline")
                                .arg(i)
                                .arg((foot - baseline) / pxPerMm)));
        // Its dots: along the row through the head's middle, each dot adds
        // one run of ink to what the head shows there.
        const int row = qRound(baseline - 0.22 * metrics.capHeight() * k);
        int pieces = 0;
        bool inside = false;
        for (int x = int(start); x < int(noteEnd); ++x) {
            if (inked(x, row) && !inside)
                ++pieces;
            inside = inked(x, row);
        }
        const int headPieces = note.value <= 2 ? 2 : 1; // an open head shows its hole
        QVERIFY2(pieces == headPieces + note.dots,
                 qPrintable(QStringLiteral("mark %1: %2 pieces of ink through the head of '%3'")
                                .arg(i)
                                .arg(pieces)
                                .arg(note.text)));
    }
}

// Five marks in one measure stand at their beats, apart from each other and
// inside their row; a mark after a tempo word reads on in its line.
void TestDirectionItems::metronomeMarksStandApart_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestDirectionItems::metronomeMarksStandApart()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("layout/31x-Directions-FiveMetronomeMarks.xml")),
        NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    const Measure *first = score->measures.at(0);
    const QList<Direction *> &opening = first->parts.at(0)->voices.at(0)->directions;
    QCOMPARE(opening.size(), 2);
    auto *andante = dynamic_cast<MyTextItem *>(opening.at(0)->item);
    QVERIFY(andante);
    QCOMPARE(andante->text, QStringLiteral("Andante \u2669. = 72"));
    QVERIFY(!opening.at(1)->item);

    const Measure *m = score->measures.at(1);
    QList<QRectF> boxes;
    const QList<Direction *> shown = m->parts.at(0)->voices.at(0)->shownDirections();
    for (int index = 0; index < shown.size(); ++index) {
        const Direction *d = shown.at(index);
        if (d->kind != Metronome)
            continue;
        QVERIFY(d->item);
        const QRectF box = d->item->sceneBoundingRect();
        // At its own beat: it starts where its note does, not moved along
        // past it.
        const QPointF note = score->directionAnchor(1, 0, 0, index, d) * s;
        const double start = horizontal ? box.left() : box.top();
        const double beat = horizontal ? note.x() : note.y();
        QVERIFY2(std::abs(start - beat) < 1.0 * s,
                 qPrintable(QStringLiteral("mark %1 starts %2 mm from its note")
                                .arg(boxes.size())
                                .arg((start - beat) / s)));
        boxes.append(box);
    }
    QCOMPARE(boxes.size(), 5);
    QStringList overlapping;
    for (int i = 0; i < boxes.size(); ++i) {
        for (int j = i + 1; j < boxes.size(); ++j) {
            if (boxes.at(i).intersects(boxes.at(j)))
                overlapping << QStringLiteral("%1/%2").arg(i).arg(j);
        }
        // Not above the stage, nor past its right edge in vertical writing.
        if (horizontal)
            QVERIFY(boxes.at(i).top() >= m->originY * s - 1.0);
        else
            QVERIFY(boxes.at(i).right() <= (m->originX + m->width) * s + 1.0);
    }
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(' ')));
}

void TestDirectionItems::wordsOfOneDirectionAreOneBlock_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// Words of one direction are one text block, its lines in writing order,
// on the side the direction asks for and inside the stage.
void TestDirectionItems::wordsOfOneDirectionAreOneBlock()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("layout/31x-Directions-WordsTwoLines.xml")),
        NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    struct Block
    {
        int measure;
        QString text;
        bool below;
    };
    const QList<Block> blocks = {{1, "Solo over form\nAfter solos, D.C al Coda", true},
                                 {2, "poco\na poco\ncresc.", false}};
    for (const Block &block : blocks) {
        const Measure *m = score->measures.at(block.measure);
        const QList<Direction *> &words = m->parts.at(0)->voices.at(0)->directions;
        QVERIFY(words.size() >= 2);
        auto *text = dynamic_cast<MyTextItem *>(words.first()->item);
        QVERIFY(text);
        QCOMPARE(text->text, block.text);
        for (int i = 1; i < words.size(); ++i)
            QVERIFY(!words.at(i)->item);
        const QRectF box = text->sceneBoundingRect();
        const double line = m->getPartNoteLine(0, 0) * s;
        // Below: down in horizontal writing, left in vertical writing.
        if (horizontal)
            QVERIFY(block.below ? box.top() > line : box.bottom() < line);
        else
            QVERIFY(block.below ? box.right() < line : box.left() > line);
        // Inside the stage along the line: the last measure of the score's
        // line ends it.
        double end = 0.0;
        for (const Measure *other : score->measures) {
            if (other->lineIndex == m->lineIndex)
                end = horizontal ? other->originX + other->width : other->originY + other->height;
        }
        QVERIFY((horizontal ? box.right() : box.bottom()) <= end * s);
        // Inside its own measure: no bar line cuts its lines.
        const double from = horizontal ? m->originX : m->originY;
        const double to = horizontal ? m->originX + m->width : m->originY + m->height;
        QVERIFY2((horizontal ? box.left() : box.top()) >= from * s &&
                     (horizontal ? box.right() : box.bottom()) <= to * s,
                 qPrintable(block.text));
    }
    // Runs of one line (a blank between them) stay one line.
    const auto compound = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral(
            "corpus/lilypond-musicxml-testsuite/31f-Direction-Multiline-Compounds.xml")),
        NotationStyle::StaffNotation, horizontal);
    QVERIFY(compound);
    QStringList texts;
    for (const QGraphicsItem *item : compound->scene->items()) {
        if (const auto *t = dynamic_cast<const MyTextItem *>(item))
            texts << t->text;
    }
    QVERIFY2(texts.contains(QStringLiteral(" text\nin\na small box")), qPrintable(texts.join('|')));
}

void TestDirectionItems::repeatSignsStandClear_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// A segno hung before a line's first measure stands inside the stage, off
// its start line; a lone coda is drawn larger than the segno.
void TestDirectionItems::repeatSignsStandClear()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("layout/31x-Directions-SymbolsInWords.xml")),
        NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    const Direction *segno = nullptr;
    const Direction *coda = nullptr;
    for (const Measure *m : score->measures) {
        for (const Direction *d : m->parts.at(0)->voices.at(0)->directions) {
            if (d->kind == Segno && !segno)
                segno = d;
            if (d->kind == Coda && !coda)
                coda = d;
        }
    }
    QVERIFY(segno && segno->item);
    QVERIFY(coda && coda->item);
    const Measure *first = score->measures.at(0);
    const QRectF sign = segno->item->sceneBoundingRect();
    const double start = horizontal ? first->originX : first->originY;
    QVERIFY2((horizontal ? sign.left() : sign.top()) >= (start + 0.9) * s,
             qPrintable(QString::number((horizontal ? sign.left() : sign.top()) / s - start)));
    const QRectF ring = coda->item->sceneBoundingRect();
    // Both glyphs have boxes of one size; the coda is drawn larger.
    QVERIFY(ring.width() * ring.height() > 1.2 * sign.width() * sign.height());
}

void TestDirectionItems::partOutputOffDrawsOnlyItsKinds()
{
    auto f = makeScore(NotationStyle::TozanTrad, true, 2);
    f->score.parts.first()->partOutput = false;
    Direction *loud = addDirection(*f, 0, 0, Dynamics, QStringLiteral("ff"));
    Direction *plain = addDirection(*f, 0, 0, Words, QStringLiteral("dolce"));
    Direction *repeat = addDirection(*f, 0, 0, Words, QStringLiteral("D.S. al Coda"));
    Direction *mark = addDirection(*f, 0, 0, Rehearsal, QStringLiteral("B"));
    Direction *coda = addDirection(*f, 0, 0, Coda, QString());
    addDirection(*f, 0, 0, Crescendo, QString());
    addDirection(*f, 1, 0, WedgeStop, QString());
    f->build();
    QVERIFY(!loud->item);
    QVERIFY(!plain->item);
    QVERIFY(dynamic_cast<MyTextItem *>(repeat->item));
    QVERIFY(mark->item);
    QVERIFY(coda->item);
    QVERIFY(lineGroups(f->score).isEmpty());
    QVERIFY(!f->score.parts.first()->wedge->startSlots[0].startMeasure);
}

void TestDirectionItems::hairpinSegments_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("groups");
    QTest::newRow("one system") << true << 4 << 1;
    QTest::newRow("two breaks") << true << 1 << 3;
    QTest::newRow("two breaks, vertical") << false << 1 << 3;
}

void TestDirectionItems::hairpinSegments()
{
    QFETCH(bool, horizontal);
    QFETCH(int, perLine);
    QFETCH(int, groups);
    auto f = makeScore(NotationStyle::TozanTrad, horizontal, 3, perLine);
    Direction *start = addDirection(*f, 0, 0, Crescendo, QString());
    // Stopped at the measure's end, so the last line's segment has room.
    addDirection(*f, 2, 0, WedgeStop, QString())->noteIndex = -2;
    f->build();
    const QList<QGraphicsItemGroup *> found = lineGroups(f->score);
    QCOMPARE(found.size(), groups);
    QCOMPARE(handles(f->score).size(), 1);
    auto *handle = dynamic_cast<MovableItem *>(start->item);
    QVERIFY(handle);
    verifyDirectionTag(handle, 0);
    // The handle sits on the first segment: the one that starts earliest.
    QGraphicsItemGroup *first = found.first();
    for (QGraphicsItemGroup *group : found) {
        const bool earlier =
            horizontal ? group->pos().y() < first->pos().y() : group->pos().x() > first->pos().x();
        if (earlier)
            first = group;
        QCOMPARE(group->childItems().size(), 2);
    }
    QCOMPARE(handle->pos(), first->pos());
    QVERIFY(!f->score.parts.first()->wedge->startSlots[0].startMeasure);
}

void TestDirectionItems::hairpinLengthScale()
{
    // One system: the only segment is the last, and a scale of 1.5 makes it
    // half as long again.
    double lengths[2] = {0.0, 0.0};
    for (int run = 0; run < 2; ++run) {
        auto f = makeScore(NotationStyle::TozanTrad, true, 2);
        Direction *start = addDirection(*f, 0, 0, Diminuendo, QString());
        start->scale = run == 0 ? 1.0 : 1.5;
        addDirection(*f, 1, 0, WedgeStop, QString());
        f->build();
        const QList<QGraphicsItemGroup *> found = lineGroups(f->score);
        QCOMPARE(found.size(), 1);
        const auto *line =
            qgraphicsitem_cast<QGraphicsLineItem *>(found.first()->childItems().first());
        lengths[run] = line->line().dx();
        // A diminuendo closes to its point.
        QCOMPARE(line->line().y2(), 0.0);
        QVERIFY(line->line().y1() != 0.0);
    }
    QVERIFY(lengths[0] > 0.0);
    QVERIFY(qAbs(lengths[1] - 1.5 * lengths[0]) < 1e-6);
}

void TestDirectionItems::bracketLines_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lineType");
    QTest::addColumn<int>("pathKind"); // -1 a bracket line
    QTest::newRow("dashed, hooks up") << 0 << "" << 2 << -1;
    QTest::newRow("numbered dashes in slot 7") << 7 << "" << 2 << -1;
    QTest::newRow("solid, slot 9") << 9 << "" << 1 << -1;
    QTest::newRow("wave") << 0 << "~" << 1 << 0;
    QTest::newRow("zigzag") << 1 << "^" << 1 << 1;
}

void TestDirectionItems::bracketLines()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(int, lineType);
    QFETCH(int, pathKind);
    auto f = makeScore(NotationStyle::TozanTrad, true, 2);
    Direction *start = addDirection(*f, 0, 0, LineStart, text, number);
    start->lineType = lineType;
    start->lineEnd = 1;
    Direction *stop = addDirection(*f, 1, 0, LineStop, QString(), number);
    stop->lineEnd = 1;
    f->build();
    verifyDirectionTag(start->item, 0);
    QVERIFY(!f->score.parts.first()->bracketLine->startSlots[number].startMeasure);
    if (pathKind >= 0) {
        auto *path = dynamic_cast<MyPath *>(start->item);
        QVERIFY(path);
        QCOMPARE(path->kind, pathKind);
        QVERIFY(path->length > 0.0);
        QVERIFY(lineGroups(f->score).isEmpty());
        return;
    }
    const QList<QGraphicsItemGroup *> found = lineGroups(f->score);
    QCOMPARE(found.size(), 1);
    const Qt::PenStyle style = lineType == 2 ? Qt::DashLine : Qt::SolidLine;
    const QList<QGraphicsLineItem *> drawn = lines(found.first(), style);
    QCOMPARE(drawn.size(), 3); // the line and two hooks
    const double hook = 0.5 * f->score.parts.first()->noteFontSize * f->score.page->scaleFactor;
    QCOMPARE(drawn.at(1)->line().dy(), -hook);
    QCOMPARE(drawn.at(2)->line().dy(), -hook);
}

void TestDirectionItems::spanNumbersOutsideSlots_data()
{
    QTest::addColumn<int>("startKind");
    QTest::addColumn<int>("stopKind");
    QTest::addColumn<int>("number");
    QTest::newRow("wedge 5") << int(Crescendo) << int(WedgeStop) << 5;
    QTest::newRow("wedge -1") << int(Crescendo) << int(WedgeStop) << -1;
    QTest::newRow("bracket 10") << int(LineStart) << int(LineStop) << 10;
    QTest::newRow("octave shift 5") << int(OctaveDown) << int(OctaveStop) << 5;
    QTest::newRow("octave shift -3") << int(OctaveUp) << int(OctaveStop) << -3;
}

void TestDirectionItems::spanNumbersOutsideSlots()
{
    QFETCH(int, startKind);
    QFETCH(int, stopKind);
    QFETCH(int, number);
    auto f = makeScore(NotationStyle::TozanTrad, true, 2);
    Direction *start = addDirection(*f, 0, 0, startKind, QString(), number);
    addDirection(*f, 1, 0, stopKind, QString(), number);
    // A stop whose start never came: slot 0 is empty.
    Direction *lonely = addDirection(*f, 1, 0, stopKind, QString(), 0);
    f->build();
    QVERIFY(!start->item);
    QVERIFY(!lonely->item);
    QVERIFY(handles(f->score).isEmpty());
    QVERIFY(lineGroups(f->score).isEmpty());
    QVERIFY(groupsWithGlyph(f->score, QStringLiteral("8_Italic")).isEmpty());
}

void TestDirectionItems::octaveShift_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("pieces");
    QTest::newRow("down, one line") << int(OctaveDown) << true << 4 << 1;
    QTest::newRow("up, one line") << int(OctaveUp) << true << 4 << 1;
    QTest::newRow("down, across a line end") << int(OctaveDown) << true << 1 << 2;
    QTest::newRow("up, vertical, across a line end") << int(OctaveUp) << false << 1 << 2;
}

void TestDirectionItems::octaveShift()
{
    QFETCH(int, kind);
    QFETCH(bool, horizontal);
    QFETCH(int, perLine);
    QFETCH(int, pieces);
    auto f = makeScore(NotationStyle::StaffNotation, horizontal, 2, perLine);
    Direction *start = addDirection(*f, 0, 0, kind, QString(), 2);
    addDirection(*f, 1, 0, OctaveStop, QString(), 2);
    f->build();
    const QString glyph = horizontal ? QStringLiteral("8_Italic") : QStringLiteral("8_Italic_V");
    QList<QGraphicsItemGroup *> found = groupsWithGlyph(f->score, glyph);
    QCOMPARE(found.size(), pieces);
    QCOMPARE(handles(f->score).size(), 1);
    verifyDirectionTag(start->item, 0);
    // In reading order; the handle covers the first piece as drawn, its
    // hook and glyph included.
    std::sort(found.begin(), found.end(), [horizontal](QGraphicsItem *a, QGraphicsItem *b) {
        return horizontal ? a->pos().y() < b->pos().y() : a->pos().x() > b->pos().x();
    });
    QCOMPARE(start->item->pos(),
             found.first()->mapToScene(found.first()->boundingRect().topLeft()));
    const double h = 0.5 * f->score.parts.first()->noteFontSize * f->score.page->scaleFactor;
    for (int i = 0; i < found.size(); ++i) {
        // Only the last piece ends in a hook, which points back at the
        // staff: down from an 8va line above it (left of one right of the
        // column in vertical writing), up from an 8vb line below it.
        QList<QGraphicsLineItem *> all;
        for (QGraphicsItem *child : found.at(i)->childItems()) {
            auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(child);
            if (line && line->pen().color().alpha() > 0)
                all.append(line);
        }
        const bool last = i == found.size() - 1;
        QCOMPARE(all.size(), last ? 2 : 1);
        if (!last)
            continue;
        const QLineF hook = all.last()->line();
        const bool above = kind == OctaveDown;
        const double expected = horizontal == above ? h : -h;
        QCOMPARE(horizontal ? hook.dy() : hook.dx(), expected);
    }
    QVERIFY(!f->score.parts.first()->octShift->startSlots[2].startMeasure);
}

VELMORA_TEST_MAIN(TestDirectionItems)

} // namespace tst_direction_items
#include "tst_direction_items.moc"
