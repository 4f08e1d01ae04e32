// Lyric items and lyric lines on whole regenerations: where each verse's
// text stands in both writing directions, clear of its row's notes and
// boundary line in the notations that spread them, user offsets, which lyrics make
// no item, hyphens between syllables (also across a line end), extender
// lines across tied notes ended at the next note or at a breath mark, the
// lyric number deciding which line a note ends, the debug lines of bad
// numbers, the staff lyric font's offset marks, lyric text in exported SVG
// and the Japanese corpus score's lyrics drawn from fonts that hold them.
#include "drawing/linetags.h"
#include "drawing/mypath.h"
#include "drawing/mytextitem.h"
#include "drawing/syllabics.h"
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/scorerows.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QDomDocument>
#include <QFile>
#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QStyleOptionGraphicsItem>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace tst_lyric_items {

using TestSupport::VoiceScore;

namespace {

bool near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) < tolerance;
}

bool sameLine(const QLineF &a, const QLineF &b)
{
    return near(a.x1(), b.x1()) && near(a.y1(), b.y1()) && near(a.x2(), b.x2()) &&
           near(a.y2(), b.y2());
}

template <class T> QList<T *> sceneItems(const Score &score)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    }
    return found;
}

QList<MyTextItem *> lyricItems(const Score &score)
{
    QList<MyTextItem *> found;
    for (MyTextItem *item : sceneItems<MyTextItem>(score)) {
        if (item->data(TagType).toInt() == LyricItem)
            found.append(item);
    }
    return found;
}

QList<QLineF> sceneLines(const Score &score)
{
    QList<QLineF> found;
    for (QGraphicsLineItem *item : sceneItems<QGraphicsLineItem>(score)) {
        const QLineF line = item->line();
        found.append(QLineF(item->mapToScene(line.p1()), item->mapToScene(line.p2())));
    }
    return found;
}

// The middle, across the writing, of the ink a syllable written upright
// in vertical writing paints: the item drawn into an image, scene units.
double inkMiddleAcross(QGraphicsItem *item)
{
    constexpr double zoom = 8.0;
    const QRectF box = item->boundingRect();
    QImage image(int(std::ceil(box.width() * zoom)) + 1, int(std::ceil(box.height() * zoom)) + 1,
                 QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(zoom, zoom);
    painter.translate(-box.topLeft());
    const QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, nullptr);
    painter.end();
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 64) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return item->x() + box.left() + 0.5 * (left + right + 1) / zoom;
}

Lyrics *addLyric(Note *note, const QString &text, int number, int syllabic = 0)
{
    auto *lyric = new Lyrics(text, note);
    lyric->number = number;
    lyric->syllabic = syllabic;
    note->lyrics.append(lyric);
    return lyric;
}

// The lines the lyrics draw: the regenerated picture's lines less those of
// the same picture drawn without hyphens and extenders. The score is left
// regenerated as it was asked for.
QList<QLineF> lyricLines(Score &score)
{
    score.generateScore();
    QList<QLineF> lines = sceneLines(score);

    const bool extenders = score.style->lyricsLine;
    QList<QPair<Lyrics *, int>> syllabics;
    for (Measure *m : std::as_const(score.measures)) {
        for (MePart *cell : std::as_const(m->parts)) {
            for (const Voice *voice : cell->voices) {
                for (Note *note : std::as_const(voice->notes)) {
                    for (Lyrics *lyric : std::as_const(note->lyrics)) {
                        syllabics.append({lyric, lyric->syllabic});
                        lyric->syllabic = 0;
                    }
                }
            }
        }
    }
    score.style->lyricsLine = false;
    score.generateScore();
    const QList<QLineF> plain = sceneLines(score);
    for (const QLineF &line : plain) {
        for (int i = 0; i < lines.size(); ++i) {
            if (sameLine(lines.at(i), line)) {
                lines.removeAt(i);
                break;
            }
        }
    }
    score.style->lyricsLine = extenders;
    for (const auto &[lyric, syllabic] : std::as_const(syllabics))
        lyric->syllabic = syllabic;
    score.generateScore();
    return lines;
}

// A KinkoSimple score: `measures` measures of four quarter notes, one
// measure per line when `perLine` is 1.
struct LyricScore
{
    explicit LyricScore(bool horizontal, int measures = 1, int perLine = 4) : f(horizontal)
    {
        f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoSimple);
        f.score.page->measurePerLine = perLine;
        f.score.page->autoNewline = false;
        for (int i = 0; i < measures; ++i) {
            f.addMeasure();
            f.addNotes(0, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
        }
    }
    Note *note(int measure, int index) const { return f.note(measure, 0, index); }
    // The scene item of the note's first glyph.
    QGraphicsItem *glyph(int measure, int index) const
    {
        return f.score.measures.at(measure)->getItemGraphicsItem(
            0, 0, note(measure, index)->firstAlignItem);
    }
    QPointF notePos(int measure, int index) const
    {
        return f.score.measures.at(measure)->getItemFinalPosFrame(
            0, 0, note(measure, index)->firstAlignItem);
    }
    double fontHeight() const { return QFontMetricsF(f.score.parts.at(0)->lyricsFont).height(); }

    VoiceScore f;
};

QRectF drawnRect(const QGraphicsItem *item)
{
    return item->transform().mapRect(item->boundingRect());
}

// The line whose middle lies nearest `middle` along the writing
// (horizontal: x, vertical: y); -1 when there is none.
int lineNearest(const QList<QLineF> &lines, bool horizontal, double middle)
{
    int nearest = -1;
    double best = 0.0;
    for (int i = 0; i < lines.size(); ++i) {
        const double at = horizontal ? lines.at(i).center().x() : lines.at(i).center().y();
        if (nearest < 0 || std::abs(at - middle) < best) {
            nearest = i;
            best = std::abs(at - middle);
        }
    }
    return nearest;
}

} // namespace

class TestLyricItems : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void versesStandOneFontHeightApart_data();
    void versesStandOneFontHeightApart();
    void versesStackAwayFromTheirRow_data();
    void versesStackAwayFromTheirRow();
    void movedLyricKeepsItsOffsetInNoteSizes_data();
    void movedLyricKeepsItsOffsetInNoteSizes();
    void onlyDrawableLyricsMakeItems_data();
    void onlyDrawableLyricsMakeItems();
    void hyphensJoinTheSyllablesOfAWord_data();
    void hyphensJoinTheSyllablesOfAWord();
    void hyphenSplitsAtALineEnd_data();
    void hyphenSplitsAtALineEnd();
    void extenderCrossesTiesAndEndsAtTheBreathGlyph_data();
    void extenderCrossesTiesAndEndsAtTheBreathGlyph();
    void aVerseTwoLyricLeavesVerseOneOpen();
    void badNumbersLogAndDrawWhatTheyCan_data();
    void badNumbersLogAndDrawWhatTheyCan();
    void staffLyricFontMarksMoveTheText_data();
    void staffLyricFontMarksMoveTheText();
    void markOffsetsApplyOnlyInTheStaffLyricFont();
    void lyricTextsAreTextInExportedSvg_data();
    void lyricTextsAreTextInExportedSvg();
    void japaneseLyricsAndCreditsHaveTheirGlyphs_data();
    void japaneseLyricsAndCreditsHaveTheirGlyphs();
    void linesPassClearOfTheLyrics_data();
    void linesPassClearOfTheLyrics();
    void closeSyllablesMakeRoomForAWholeHyphen_data();
    void closeSyllablesMakeRoomForAWholeHyphen();
};

void TestLyricItems::versesStandOneFontHeightApart_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("rotate");
    QTest::newRow("horizontal") << true << false;
    QTest::newRow("vertical") << false << false;
    QTest::newRow("vertical, rotated lyrics") << false << true;
}

void TestLyricItems::versesStandOneFontHeightApart()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, rotate);
    LyricScore t(horizontal);
    Score &score = t.f.score;
    score.page->rotateLyrics = rotate;
    score.style->lyricsOffsetTimeDirection = 0.5;
    Lyrics *first = addLyric(t.note(0, 1), QStringLiteral("ka"), 1);
    Lyrics *second = addLyric(t.note(0, 1), QStringLiteral("ze"), 2);
    score.generateScore();

    QCOMPARE(lyricItems(score).size(), 2);
    auto *a = dynamic_cast<MyTextItem *>(first->item);
    auto *b = dynamic_cast<MyTextItem *>(second->item);
    QVERIFY(a && b);
    for (int i = 0; i < 2; ++i) {
        QGraphicsItem *item = i == 0 ? a : b;
        QCOMPARE(item->data(TagType).toInt(), int(LyricItem));
        QCOMPARE(itemTag(item, TagMeasure), 0);
        QCOMPARE(itemTag(item, TagNote), 1);
        QCOMPARE(itemTag(item, TagLyric), i);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
    }

    const double s = score.page->scaleFactor;
    const double size = score.parts.at(0)->noteFontSize;
    const double h = t.fontHeight();
    const QPointF pos = t.notePos(0, 1);
    const double line = score.measures.at(0)->getPartNoteLine(0, 0);
    const double lo = score.style->lyricsOffset * size;
    if (horizontal) {
        QVERIFY(!a->vertical);
        QVERIFY(near(a->x(), (pos.x() + 0.5 * size) * s));
        QVERIFY(near(a->y(), (line + lo) * s));
        QVERIFY(near(b->x(), a->x()));
        QVERIFY(near(b->y() - a->y(), h));
    } else {
        QCOMPARE(a->vertical, !rotate);
        QCOMPARE(a->rotation(), rotate ? 90.0 : 0.0);
        const double r = rotate ? 1.0 : 0.0;
        QVERIFY(near(a->y(), (pos.y() + 0.5 * size) * s));
        QVERIFY(near(a->x(), (line - lo) * s + (r - 1) * h));
        QVERIFY(near(b->y(), a->y()));
        QVERIFY(near(a->x() - b->x(), h));
    }
}

void TestLyricItems::versesStackAwayFromTheirRow_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (int style : {int(NotationStyle::KinkoSimple), int(NotationStyle::KotoIkuta),
                      int(NotationStyle::ShamisenBunka), int(NotationStyle::StaffNotation)}) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

// Staff notation writes low notes far below its middle line, an Ikuta row
// draws a boundary line along its edge, a Bunka row spreads its notes over
// three strings: in every notation the first verse starts past all of
// them and the second stacks on, farther from the row. Across the reading
// direction, "past" is downwards in horizontal writing, leftwards in
// vertical.
void TestLyricItems::versesStackAwayFromTheirRow()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    TestSupport::VoiceScore f(horizontal);
    f.addPart(QStringLiteral("Koto"), style)->changeNotationStyle(style);
    f.score.page->autoNewline = false;
    f.score.page->measurePerLine = 2;
    for (int m = 0; m < 4; ++m) {
        f.addMeasure();
        f.addNotes(0, QStringLiteral("G3/4 D4/4 C5/4 A5/4"));
    }
    Lyrics *first = addLyric(f.note(0, 0, 0), QStringLiteral("ka"), 1);
    Lyrics *second = addLyric(f.note(0, 0, 0), QStringLiteral("ze"), 2);
    f.score.cleanOutput = true;
    f.score.generateScore();
    QVERIFY(first->item && second->item);

    // Distances across, growing away from the row.
    auto past = [horizontal](const QRectF &r) {
        return horizontal ? std::pair{r.top(), r.bottom()} : std::pair{-r.right(), -r.left()};
    };
    const auto [firstStart, firstEnd] = past(first->item->sceneBoundingRect());
    const auto [secondStart, secondEnd] = past(second->item->sceneBoundingRect());
    // A text box is a whole number of scene units high, the line pitch
    // the font's exact height: they may differ by a unit.
    const double tolerance = 0.25 * f.score.page->scaleFactor;
    QVERIFY2(secondStart >= firstEnd - tolerance, "the second verse stacks on the first");
    for (QGraphicsItem *glyph : f.glyphItems()) {
        if (!glyph || !glyph->scene() || !glyph->isVisible() ||
            glyph->data(TagType).toInt() != NoteItem ||
            itemTag(glyph, TagMeasure) > 1) // the first line's measures
            continue;
        QVERIFY2(past(glyph->sceneBoundingRect()).second <= firstStart + tolerance,
                 "the first verse starts past every note of its row");
    }
    for (QGraphicsLineItem *line : sceneItems<QGraphicsLineItem>(f.score)) {
        if (line->zValue() != -20.0)
            continue;
        const QRectF r = line->sceneBoundingRect();
        const bool alongRow = horizontal ? r.width() > r.height() : r.height() > r.width();
        const auto [from, to] = past(r);
        if (alongRow && from < firstEnd && to > firstStart)
            QFAIL("a line along the row runs through the first verse");
    }
}

void TestLyricItems::movedLyricKeepsItsOffsetInNoteSizes_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("rotate");
    QTest::newRow("horizontal") << true << false;
    QTest::newRow("vertical") << false << false;
    QTest::newRow("vertical, rotated lyrics") << false << true;
}

void TestLyricItems::movedLyricKeepsItsOffsetInNoteSizes()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, rotate);
    LyricScore t(horizontal);
    Score &score = t.f.score;
    score.page->rotateLyrics = rotate;
    Lyrics *lyric = addLyric(t.note(0, 2), QStringLiteral("mo"), 2);
    lyric->setOffset(0.4, 0.2);
    const double s = score.page->scaleFactor;
    for (double size : {5.0, 8.0}) {
        score.parts.at(0)->noteFontSize = size;
        score.generateScore();
        QVERIFY(lyric->item);
        const QPointF pos = t.notePos(0, 2);
        const double line = score.measures.at(0)->getPartNoteLine(0, 0);
        QPointF expected;
        if (horizontal)
            expected = QPointF((pos.x() + 0.4 * size) * s, (line + 0.2 * size) * s);
        else
            expected = QPointF((line - 0.2 * size) * s + (rotate ? t.fontHeight() : 0.0),
                               (pos.y() + 0.4 * size) * s);
        QVERIFY2(near(lyric->item->x(), expected.x()) && near(lyric->item->y(), expected.y()),
                 qPrintable(QStringLiteral("size %1").arg(size)));
    }
}

void TestLyricItems::onlyDrawableLyricsMakeItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("noteSkips");
    QTest::addColumn<bool>("lyricsOutput");
    QTest::addColumn<bool>("partOutput");
    QTest::addColumn<int>("items");
    QTest::newRow("drawn") << "la" << false << false << true << true << 2;
    QTest::newRow("empty text") << "" << false << false << true << true << 1;
    QTest::newRow("deleted") << "la" << true << false << true << true << 1;
    QTest::newRow("note skips its lyrics") << "la" << false << true << true << true << 1;
    QTest::newRow("lyrics not output") << "la" << false << false << false << true << 0;
    QTest::newRow("part not output") << "la" << false << false << true << false << 0;
}

void TestLyricItems::onlyDrawableLyricsMakeItems()
{
    QFETCH(QString, text);
    QFETCH(bool, deleted);
    QFETCH(bool, noteSkips);
    QFETCH(bool, lyricsOutput);
    QFETCH(bool, partOutput);
    QFETCH(int, items);
    LyricScore t(true);
    Score &score = t.f.score;
    score.style->lyricsLine = true;
    Lyrics *probe = addLyric(t.note(0, 0), text, 1, 1);
    probe->deleted = deleted;
    t.note(0, 0)->skipLyrics = noteSkips;
    addLyric(t.note(0, 1), QStringLiteral("ra"), 2);
    score.parts.at(0)->lyricsOutput = lyricsOutput;
    score.parts.at(0)->partOutput = partOutput;
    const QList<QLineF> lines = lyricLines(score);
    QCOMPARE(lyricItems(score).size(), items);
    QCOMPARE(probe->item != nullptr, items == 2);
    // An undrawn lyric opens no line; the drawn verse 2 runs to the end.
    QCOMPARE(lines.size(), items);
}

void TestLyricItems::hyphensJoinTheSyllablesOfAWord_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// One hyphen of one length (a share of the syllable's height) centred in
// the gap between the syllables of a word; none after a single syllable.
void TestLyricItems::hyphensJoinTheSyllablesOfAWord()
{
    QFETCH(bool, horizontal);
    LyricScore t(horizontal, 2);
    // "hel-lo a wo-r-ld": a single syllable draws nothing, a middle one
    // closes one hyphen and opens the next.
    Lyrics *hel = addLyric(t.note(0, 0), QStringLiteral("hel"), 1, 1);
    Lyrics *lo = addLyric(t.note(0, 1), QStringLiteral("lo"), 1, 3);
    addLyric(t.note(0, 2), QStringLiteral("a"), 1, 0);
    Lyrics *wo = addLyric(t.note(0, 3), QStringLiteral("wo"), 1, 1);
    Lyrics *r = addLyric(t.note(1, 0), QStringLiteral("r"), 1, 2);
    Lyrics *ld = addLyric(t.note(1, 1), QStringLiteral("ld"), 1, 3);
    Score &score = t.f.score;
    // Small enough that no syllable reaches the next one.
    score.parts.at(0)->lyricsFont.setPointSize(8);
    const QList<QLineF> lines = lyricLines(score);
    QCOMPARE(lines.size(), 3);

    const QList<QPair<Lyrics *, Lyrics *>> words = {{hel, lo}, {wo, r}, {r, ld}};
    for (const auto &[from, to] : words) {
        // Turned syllables of vertical writing run along their width.
        const QRectF a = drawnRect(from->item);
        const bool turned = !horizontal && score.page->rotateLyrics;
        const double extent = horizontal || turned ? a.width() : a.height();
        const double height = horizontal || turned ? a.height() : a.width();
        const double fromEnd = (horizontal ? from->item->x() : from->item->y()) + extent;
        const double toStart = horizontal ? to->item->x() : to->item->y();
        // The hyphen nearest the middle of the gap.
        const double middle = (fromEnd + toStart) / 2;
        const int i = lineNearest(lines, horizontal, middle);
        QVERIFY2(i >= 0, qPrintable(from->text + "-" + to->text));
        const QLineF &l = lines.at(i);
        // About a third of the syllable's height, however wide the gap.
        QVERIFY2(l.length() > 0.25 * height && l.length() < 0.4 * height,
                 qPrintable(QString::number(l.length() / height)));
        const double centre = horizontal ? l.center().x() : l.center().y();
        QVERIFY2(std::abs(centre - middle) < 0.15 * height,
                 qPrintable(QString::number((centre - middle) / height)));
        // Straight along the writing, beside the syllables.
        if (horizontal) {
            QCOMPARE(l.y1(), l.y2());
            QVERIFY(l.y1() > from->item->y() && l.y1() < from->item->y() + a.height());
        } else {
            QCOMPARE(l.x1(), l.x2());
            QVERIFY(l.x1() > from->item->x() && l.x1() < from->item->x() + a.width());
            // On the letters' column, not beside narrow letters.
            const double column = 0.5 * (inkMiddleAcross(from->item) + inkMiddleAcross(to->item));
            QVERIFY2(std::abs(l.x1() - column) < 0.08 * height,
                     qPrintable(QString::number((l.x1() - column) / height)));
        }
    }
}

void TestLyricItems::hyphenSplitsAtALineEnd_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// Across a line end a word keeps its hyphen right after its syllable on
// the first line; the next line repeats it before the following syllable
// only where there is room for it there.
void TestLyricItems::hyphenSplitsAtALineEnd()
{
    QFETCH(bool, horizontal);
    LyricScore t(horizontal, 2, 1);
    Lyrics *hel = addLyric(t.note(0, 3), QStringLiteral("hel"), 1, 1);
    Lyrics *lo = addLyric(t.note(1, 0), QStringLiteral("lo"), 1, 3);
    Score &score = t.f.score;
    const QList<QLineF> lines = lyricLines(score);
    const Measure *first = score.measures.at(0);
    const Measure *second = score.measures.at(1);
    QVERIFY(first->stageEnd);
    QVERIFY(lines.size() == 1 || lines.size() == 2);

    const double s = score.page->scaleFactor;
    // The piece beside "hel" first, one on the next line after it.
    auto distance = [hel](const QLineF &l) { return QLineF(l.p1(), hel->item->pos()).length(); };
    const bool firstIsA = lines.size() == 1 || distance(lines.at(0)) < distance(lines.at(1));
    const QLineF a = firstIsA ? lines.at(0) : lines.at(1);
    const QRectF helBox = drawnRect(hel->item);
    const bool turned = !horizontal && score.page->rotateLyrics;
    const double helEnd = horizontal ? hel->item->x() + helBox.width()
                                     : hel->item->y() + (turned ? helBox.width() : helBox.height());
    const double along = horizontal ? a.x1() : a.y1();
    QVERIFY(along > helEnd);
    QVERIFY(along < helEnd + helBox.height()); // right after it
    if (lines.size() == 1)
        return;
    const QLineF b = firstIsA ? lines.at(1) : lines.at(0);
    if (horizontal) {
        QVERIFY(b.x1() >= second->originX * s);
        QVERIFY(b.x2() < lo->item->x());
        QVERIFY(b.y1() > lo->item->y());
    } else {
        QVERIFY(b.y1() >= second->originY * s);
        QVERIFY(b.y2() < lo->item->y());
        QVERIFY(b.x1() > lo->item->x());
    }
}

void TestLyricItems::extenderCrossesTiesAndEndsAtTheBreathGlyph_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestLyricItems::extenderCrossesTiesAndEndsAtTheBreathGlyph()
{
    QFETCH(bool, horizontal);
    LyricScore t(horizontal);
    Score &score = t.f.score;
    score.style->lyricsLine = true;
    // ah ~ (tied) | next note | oh, breath | last note
    t.note(0, 0)->tie = 1;
    t.note(0, 1)->tie = 2;
    Lyrics *ah = addLyric(t.note(0, 0), QStringLiteral("ah"), 1, 1);
    Lyrics *oh = addLyric(t.note(0, 2), QStringLiteral("oh"), 1, 0);
    t.note(0, 2)->breath = true;
    // A small font leaves room for a line between "oh" and the breath.
    score.parts.at(0)->lyricsFont.setPointSize(6);
    const QList<QLineF> lines = lyricLines(score);
    QCOMPARE(lines.size(), 2);

    auto endOf = [horizontal](const QLineF &l) { return horizontal ? l.x2() : l.y2(); };
    auto startOf = [horizontal](const QLineF &l) { return horizontal ? l.x1() : l.y1(); };
    auto along = [horizontal](const QGraphicsItem *item) {
        return horizontal ? item->x() : item->y();
    };
    const QLineF first = startOf(lines.at(0)) < startOf(lines.at(1)) ? lines.at(0) : lines.at(1);
    const QLineF second = sameLine(first, lines.at(0)) ? lines.at(1) : lines.at(0);

    // The extender of "ah" passes the tied note and ends at the next
    // note's lyric.
    QVERIFY(startOf(first) > along(ah->item));
    QVERIFY(endOf(first) > along(t.glyph(0, 1)));
    const QRectF o = drawnRect(oh->item);
    QVERIFY(near(endOf(first),
                 horizontal ? oh->item->x() - 0.2 * o.height() : oh->item->y() - 0.1 * o.width()));

    // The one of "oh" ends at its own breath glyph, before the last note.
    const QString breathId = horizontal ? QStringLiteral("Breath") : QStringLiteral("Breath_V");
    GlyphItem *breath = nullptr;
    for (GlyphItem *item : sceneItems<GlyphItem>(score)) {
        if (item->elementId() == breathId)
            breath = item;
    }
    QVERIFY(breath);
    QVERIFY(startOf(second) > along(oh->item));
    const QRectF b = drawnRect(breath);
    QVERIFY(near(endOf(second),
                 horizontal ? breath->x() - 0.2 * b.height() : breath->y() - 0.1 * b.width()));
    QVERIFY(endOf(second) < along(t.glyph(0, 3)));
}

void TestLyricItems::aVerseTwoLyricLeavesVerseOneOpen()
{
    LyricScore t(true);
    Score &score = t.f.score;
    score.style->lyricsLine = true;
    // Verse 1 and 2 on a note, the tied note after it only verse 2 with a
    // breath: verse 1's extender runs on to the next untied note.
    t.note(0, 0)->tie = 1;
    t.note(0, 1)->tie = 2;
    t.note(0, 1)->breath = true;
    Lyrics *la = addLyric(t.note(0, 0), QStringLiteral("la"), 1);
    addLyric(t.note(0, 0), QStringLiteral("lo"), 2);
    addLyric(t.note(0, 1), QStringLiteral("li"), 2);
    const QList<QLineF> lines = lyricLines(score);

    // Verse 1's lines stand across its syllables' box, verse 2's below it.
    const QRectF verseOneBox = drawnRect(la->item).translated(la->item->pos());
    QList<QLineF> verseOne;
    for (const QLineF &l : lines) {
        if (l.y1() > verseOneBox.top() && l.y1() < verseOneBox.bottom())
            verseOne << l;
    }
    QCOMPARE(verseOne.size(), 1);
    const QGraphicsItem *next = t.glyph(0, 2);
    QVERIFY(near(verseOne.first().x2(), next->x() - 0.2 * drawnRect(next).height()));
}

void TestLyricItems::badNumbersLogAndDrawWhatTheyCan_data()
{
    QTest::addColumn<bool>("extenders");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("hyphens")
        << false
        << QStringList{"========== syllabicBegin lyric number is too large. lyric->number = 17",
                       "========== syllabicEnd Error: unstarted syllabic end! lyricText = yo"};
    QTest::newRow("extenders")
        << true
        << QStringList{"========== syllabicBegin lyric number is too large. lyric->number = 17"};
}

void TestLyricItems::badNumbersLogAndDrawWhatTheyCan()
{
    QFETCH(bool, extenders);
    QFETCH(QStringList, logged);
    LyricScore t(true);
    Score &score = t.f.score;
    score.style->lyricsLine = extenders;
    addLyric(t.note(0, 0), QStringLiteral("xi"), 17, 1);
    addLyric(t.note(0, 1), QStringLiteral("yo"), 3, 3);
    addLyric(t.note(0, 2), QStringLiteral("zu"), 0, 1);
    addLyric(t.note(0, 3), QStringLiteral("wa"), -1, 3);

    TestSupport::MessageCapture capture;
    const QList<QLineF> lines = lyricLines(score);
    QCOMPARE(lyricItems(score).size(), 4);
    for (const QString &line : logged)
        QVERIFY2(capture.contains(line), qPrintable(line));
    // Verse 3 of the extender run is the only line anything may open.
    QCOMPARE(lines.size(), extenders ? 1 : 0);
    for (const Syllabics *helper : std::as_const(score.parts.at(0)->syllabics)) {
        for (const Syllabics::Slot &slot : helper->startSlots)
            QVERIFY(!slot.startMeasure && !slot.lyric);
    }
}

void TestLyricItems::staffLyricFontMarksMoveTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("heights");
    QTest::newRow("h: mark second") << QStringLiteral("a\u0101") << true << -0.6;
    QTest::newRow("h: mark third, follower") << QStringLiteral("ab\u0101\u0104") << true << -2.0;
    QTest::newRow("h: mark first") << QStringLiteral("\u0101b") << true << 0.0;
    QTest::newRow("h: leading mark") << QStringLiteral("\u0185b") << true << -0.3;
    QTest::newRow("h: plain") << QStringLiteral("abc") << true << 0.0;
    QTest::newRow("v: mark second") << QStringLiteral("a\u00EB") << false << -0.5;
    QTest::newRow("v: mark second, follower") << QStringLiteral("a\u00EB\u00EF") << false << -1.0;
    QTest::newRow("v: leading mark") << QStringLiteral("\u00EDb") << false << -0.5;
    QTest::newRow("v: horizontal mark") << QStringLiteral("a\u0101") << false << 0.0;
}

void TestLyricItems::staffLyricFontMarksMoveTheText()
{
    QFETCH(QString, text);
    QFETCH(bool, horizontal);
    QFETCH(double, heights);
    QVERIFY(near(Score::lyricCharOffset(text, horizontal, 10.0), heights * 10.0));
}

void TestLyricItems::markOffsetsApplyOnlyInTheStaffLyricFont()
{
    for (const bool horizontal : {true, false}) {
        LyricScore t(horizontal);
        Score &score = t.f.score;
        // The vertical form is written; horizontal pages show its partner.
        Lyrics *marked = addLyric(t.note(0, 1), QStringLiteral("a\u00EB"), 1);
        Lyrics *plain = addLyric(t.note(0, 1), QStringLiteral("ab"), 2);
        for (const bool staffFont : {true, false}) {
            score.parts.at(0)->lyricsFont =
                QFont(staffFont ? score.staffLyricFontFamily : QStringLiteral("DejaVu Sans"), 18);
            score.generateScore();
            const double h = t.fontHeight();
            const double d = staffFont ? (horizontal ? -0.6 : -0.5) * h : 0.0;
            if (horizontal)
                QVERIFY(near(marked->item->x() - plain->item->x(), d));
            else
                QVERIFY(near(marked->item->y() - plain->item->y(), d));
        }
    }
}

void TestLyricItems::lyricTextsAreTextInExportedSvg_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestLyricItems::lyricTextsAreTextInExportedSvg()
{
    QFETCH(bool, horizontal);
    LyricScore t(horizontal);
    Score &score = t.f.score;
    addLyric(t.note(0, 0), QStringLiteral("sakura"), 1);
    addLyric(t.note(0, 1), QStringLiteral("さくら"), 1);
    addLyric(t.note(0, 2), QStringLiteral("yayoi"), 2);
    QTemporaryDir dir;
    QVERIFY(score.exportSvgFile(dir.filePath(QStringLiteral("song.svg"))));

    QFile file(dir.filePath(QStringLiteral("song_p001.svg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument svg;
    QVERIFY(svg.setContent(&file));
    QString texts;
    const QDomNodeList elements = svg.elementsByTagName(QStringLiteral("text"));
    for (int i = 0; i < elements.size(); ++i)
        texts += elements.at(i).toElement().text();
    // Vertical text is drawn character below character.
    for (const QString &word :
         {QStringLiteral("sakura"), QStringLiteral("さくら"), QStringLiteral("yayoi")}) {
        if (horizontal) {
            QVERIFY2(texts.contains(word), qPrintable(word));
        } else {
            for (const QChar c : word)
                QVERIFY2(texts.contains(c), qPrintable(word));
        }
    }
}

void TestLyricItems::japaneseLyricsAndCreditsHaveTheirGlyphs_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestLyricItems::japaneseLyricsAndCreditsHaveTheirGlyphs()
{
    QFETCH(bool, horizontal);
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        score, TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"))));
    score.page->horizontal = horizontal;
    score.page->setPaperSize();
    score.generateScore();

    // Every character of every lyric and credit comes from the font the
    // item resolves to (a font without it would draw a missing-glyph box).
    int japanese = 0;
    QStringList missing;
    for (MyTextItem *item : sceneItems<MyTextItem>(score)) {
        const int type = item->data(TagType).toInt();
        if (type != LyricItem && type != CreditItem)
            continue;
        const QRawFont raw = QRawFont::fromFont(item->font);
        for (const QChar c : item->text) {
            if (c.isSpace())
                continue;
            if (c.unicode() >= 0x3000)
                ++japanese;
            if (!raw.supportsCharacter(c))
                missing << QString(c) + " in " + raw.familyName();
        }
    }
    QVERIFY(japanese > 20);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

void TestLyricItems::linesPassClearOfTheLyrics_data()
{
    TestSupport::addSampleAndEchigoRows(
        {int(NotationStyle::KinkoSimple), int(NotationStyle::KotoIkuta),
         int(NotationStyle::KotoSeiha), int(NotationStyle::ShamisenBunka),
         int(NotationStyle::StaffNotation)});
}

// Slurs and ties, beam and beat lines, strings, staff lines, bar lines and
// the lyric lines themselves all pass beside the syllables, never through
// them: the lyric band keeps the text apart from every line of its row.
void TestLyricItems::linesPassClearOfTheLyrics()
{
    QFETCH(QString, path);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(path, style, horizontal);
    QVERIFY(score);
    // Ink that merely touches a text box's edge is no stroke through it.
    const double inset = 0.3 * score->page->scaleFactor;
    QList<QPainterPath> lines;
    for (QGraphicsItem *item : score->scene->items()) {
        if (!item->isVisible())
            continue;
        const bool thinRect =
            dynamic_cast<QGraphicsRectItem *>(item) &&
            std::min(item->sceneBoundingRect().width(), item->sceneBoundingRect().height()) < inset;
        if (thinRect || dynamic_cast<QGraphicsLineItem *>(item) ||
            dynamic_cast<QGraphicsPathItem *>(item) || dynamic_cast<MyPath *>(item))
            lines.append(item->sceneTransform().map(item->shape()));
    }
    const QList<MyTextItem *> lyrics = lyricItems(*score);
    QVERIFY(!lyrics.isEmpty());
    for (const MyTextItem *lyric : lyrics) {
        if (!lyric->isVisible() || lyric->text.trimmed().isEmpty())
            continue;
        const QRectF box = lyric->sceneBoundingRect().adjusted(inset, inset, -inset, -inset);
        for (const QPainterPath &line : std::as_const(lines)) {
            QVERIFY2(!line.intersects(box),
                     qPrintable(QStringLiteral("a line through '%1' of measure %2")
                                    .arg(lyric->text)
                                    .arg(itemTag(lyric, TagMeasure) + 1)));
        }
    }
}

void TestLyricItems::closeSyllablesMakeRoomForAWholeHyphen_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    const QList<std::pair<const char *, QString>> scores = {
        {"sakura", TestSupport::samplePath()},
        {"61b", TestSupport::fixturePath(
                    QStringLiteral("corpus/lilypond-musicxml-testsuite/61b-MultipleLyrics.xml"))}};
    for (const auto &[name, path] : scores) {
        for (int style : {int(NotationStyle::KinkoSimple), int(NotationStyle::TozanTrad),
                          int(NotationStyle::KotoIkuta), int(NotationStyle::SangenIkuta),
                          int(NotationStyle::StaffNotation)}) {
            for (bool horizontal : {true, false})
                QTest::addRow("%s s%d %s", name, style, horizontal ? "h" : "v")
                    << path << style << horizontal;
        }
    }
}

// Between two syllables of one word on one line, however close their
// notes, stands a whole hyphen with air to each syllable: the notes are
// moved apart for it ("sa-ku-ra", never "sa-ku ra" nor a speck).
void TestLyricItems::closeSyllablesMakeRoomForAWholeHyphen()
{
    QFETCH(QString, path);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(path, style, horizontal);
    QVERIFY(score);
    QList<QLineF> hyphens;
    for (QGraphicsLineItem *item : sceneItems<QGraphicsLineItem>(*score)) {
        if (item->data(LineTags::TagLine).toInt() == LineTags::LyricHyphen)
            hyphens.append(item->line());
    }
    const bool turned = !horizontal && score->page->rotateLyrics;
    auto along = [horizontal](const QPointF &p) { return horizontal ? p.x() : p.y(); };
    // The syllables of each verse of each voice in reading order, with
    // their measures.
    std::map<std::tuple<int, int, int>, QList<std::pair<const Lyrics *, const Measure *>>> verses;
    for (const Measure *m : std::as_const(score->measures)) {
        for (int p = 0; p < m->parts.size(); ++p) {
            for (int v = 0; v < m->parts.at(p)->voices.size(); ++v) {
                for (const Note *note : m->parts.at(p)->voices.at(v)->notes) {
                    for (const Lyrics *lyric : note->lyrics) {
                        if (lyric->item)
                            verses[{p, v, lyric->number}].append({lyric, m});
                    }
                }
            }
        }
    }
    int words = 0;
    for (const auto &[verse, syllables] : verses) {
        for (int i = 0; i + 1 < syllables.size(); ++i) {
            const auto [from, m] = syllables.at(i);
            const auto [to, toMeasure] = syllables.at(i + 1);
            if ((from->syllabic != 1 && from->syllabic != 2) ||
                toMeasure->lineIndex != m->lineIndex || m->belowMinimum || toMeasure->belowMinimum)
                continue;
            const QRectF a = drawnRect(from->item);
            const double extent = horizontal || turned ? a.width() : a.height();
            const double height = horizontal || turned ? a.height() : a.width();
            const double gapFrom = along(from->item->pos()) + extent;
            const double gapTo = along(to->item->pos());
            const double hyphen = 0.3 * height;
            // The hyphen of this gap: one that lies inside it.
            bool found = false;
            const QRectF box = from->item->sceneBoundingRect();
            for (const QLineF &l : std::as_const(hyphens)) {
                const double across = horizontal ? l.y1() : l.x1();
                if (across < (horizontal ? box.top() : box.left()) ||
                    across > (horizontal ? box.bottom() : box.right()))
                    continue; // beside another line's syllables
                const double p = std::min(along(l.p1()), along(l.p2()));
                const double q = std::max(along(l.p1()), along(l.p2()));
                if (p < gapFrom - 1e-6 || q > gapTo + 1e-6)
                    continue;
                found = true;
                QVERIFY2(q - p > 0.99 * hyphen && p - gapFrom > 0.25 * hyphen &&
                             gapTo - q > 0.25 * hyphen,
                         qPrintable(QStringLiteral("%1-%2 in measure %3: %4 long, air %5 and "
                                                   "%6 (hyphen lengths)")
                                        .arg(from->text, to->text)
                                        .arg(score->measures.indexOf(m) + 1)
                                        .arg((q - p) / hyphen)
                                        .arg((p - gapFrom) / hyphen)
                                        .arg((gapTo - q) / hyphen)));
            }
            QVERIFY2(found, qPrintable(QStringLiteral("no hyphen in %1-%2, measure %3")
                                           .arg(from->text, to->text)
                                           .arg(score->measures.indexOf(m) + 1)));
            ++words;
        }
    }
    QVERIFY(words > 0);
}

VELMORA_TEST_MAIN(TestLyricItems)

} // namespace tst_lyric_items
#include "tst_lyric_items.moc"
