// Texts and marks around the music on real scores: octave marks under or
// beside their own note glyph, credits stacked apart inside the header and
// the sheet, part names and abbreviations inside the sheet and clear of the
// measure numbers, in both writing directions and every notation style.
#include "drawing/mytextitem.h"
#include "model/credit.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QMultiMap>
#include <QtTest>

#include <functional>
#include <memory>

namespace tst_sheet_texts {

namespace {

// Scene units by which an item may reach past the edge it must keep to:
// a fraction of a millimetre, below any visible overlap.
constexpr double slack = 1.0;

std::unique_ptr<Score> loadScore(const QString &path, int style, bool horizontal,
                                 const std::function<void(Score &)> &adjust = {})
{
    auto score = std::make_unique<Score>(QStringLiteral("5.3.1"), 0, false);
    if (!TestSupport::loadScoreFile(*score, path))
        return nullptr;
    if (adjust)
        adjust(*score);
    TestSupport::generateInStyle(*score, style, horizontal);
    return score;
}

QList<QGraphicsItem *> taggedItems(const Score &score, int type)
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (item->isVisible() && item->data(TagType).toInt() == type)
            found << item;
    }
    return found;
}

// The sheet that holds most of `box` (scene units).
QRectF sheetOf(const Score &score, const QRectF &box)
{
    const Page *page = score.page;
    const double s = page->scaleFactor;
    const QRectF all(page->scoreRect.x() * s, page->scoreRect.y() * s, page->scoreRect.width() * s,
                     page->scoreRect.height() * s);
    const double w = page->pageWidth * s;
    const double h = page->pageHeight * s;
    const QPointF c = box.center();
    if (page->horizontal && page->roll)
        return QRectF(all.x(), std::floor((c.y() - all.y()) / h) * h + all.y(), w, h);
    return QRectF(std::floor((c.x() - all.x()) / w) * w + all.x(), all.y(), w, h);
}

bool insideSheet(const Score &score, const QRectF &box)
{
    return sheetOf(score, box).adjusted(-slack, -slack, slack, slack).contains(box);
}

QString key(const QGraphicsItem *item)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(itemTag(item, TagMeasure))
        .arg(itemTag(item, TagPart))
        .arg(itemTag(item, TagVoice))
        .arg(itemTag(item, TagNote));
}

} // namespace

class TestSheetTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void octaveMarksHangOnTheirNote_data();
    void octaveMarksHangOnTheirNote();
    void partLabelsStayOnTheSheet_data();
    void partLabelsStayOnTheSheet();
    void creditsStackedApartInTheHeader_data();
    void creditsStackedApartInTheHeader();
    void textsAboveTheColumnsKeepThePrinterMargin_data();
    void textsAboveTheColumnsKeepThePrinterMargin();
};

void TestSheetTexts::octaveMarksHangOnTheirNote_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("style");
    for (int style : {0, 1, 2, 3})
        for (bool horizontal : {true, false})
            QTest::addRow("style %d %s", style, horizontal ? "horizontal" : "vertical")
                << horizontal << style;
}

// Every octave mark of the sample lies beside its own note's glyph: over
// the glyph along the line and just off it across, never under another
// note's glyph, the time signature or a bar line.
void TestSheetTexts::octaveMarksHangOnTheirNote()
{
    QFETCH(bool, horizontal);
    QFETCH(int, style);
    auto score = loadScore(TestSupport::samplePath(), style, horizontal);
    QVERIFY(score);
    QMultiMap<QString, QRectF> glyphs;
    for (QGraphicsItem *glyph : taggedItems(*score, NoteItem))
        glyphs.insert(key(glyph), glyph->sceneBoundingRect());
    const QList<QGraphicsItem *> marks = taggedItems(*score, OctaveInstItem);
    QVERIFY(!marks.isEmpty());
    for (QGraphicsItem *mark : marks) {
        const QRectF box = mark->sceneBoundingRect();
        const QList<QRectF> own = glyphs.values(key(mark));
        QVERIFY2(!own.isEmpty(), qPrintable(key(mark)));
        QRectF note;
        for (const QRectF &r : own)
            note |= r;
        const double along = horizontal ? box.center().x() : box.center().y();
        const double from = horizontal ? note.left() : note.top();
        const double to = horizontal ? note.right() : note.bottom();
        QVERIFY2(along >= from - slack && along <= to + slack,
                 qPrintable(QStringLiteral("mark %1 at %2, note %3..%4")
                                .arg(key(mark))
                                .arg(along)
                                .arg(from)
                                .arg(to)));
        // Close across: within one mark's breadth of the glyph.
        const double gap = horizontal
                               ? std::max(box.top() - note.bottom(), note.top() - box.bottom())
                               : std::max(box.left() - note.right(), note.left() - box.right());
        const double breadth = horizontal ? box.height() : box.width();
        QVERIFY2(gap <= breadth, qPrintable(key(mark)));
        QVERIFY(insideSheet(*score, box));
    }
}

void TestSheetTexts::partLabelsStayOnTheSheet_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    const QString longName =
        QStringLiteral("Shakuhachi in the Kinko school, first part, with a long name");
    QCOMPARE(longName.size(), 60);
    for (bool horizontal : {true, false}) {
        const char *writing = horizontal ? "horizontal" : "vertical";
        QTest::addRow("%s abbreviation", writing)
            << horizontal << false << "Shaku." << int(NotationStyle::KinkoSimple);
        QTest::addRow("%s full name", writing)
            << horizontal << true << "Shakuhachi" << int(NotationStyle::KinkoSimple);
        QTest::addRow("%s 60-character abbreviation", writing)
            << horizontal << false << longName << int(NotationStyle::KinkoSimple);
        QTest::addRow("%s 60-character name", writing)
            << horizontal << true << longName << int(NotationStyle::KinkoSimple);
        QTest::addRow("%s upright name", writing)
            << horizontal << true << ".尺八（一）" << int(NotationStyle::KinkoSimple);
        // Staff lines and strings start after the label, not through it.
        QTest::addRow("%s abbreviation, strings", writing)
            << horizontal << false << "Shaku." << int(NotationStyle::ShamisenBunka);
        QTest::addRow("%s abbreviation, staff", writing)
            << horizontal << false << "Shaku." << int(NotationStyle::StaffNotation);
        QTest::addRow("%s full name, staff", writing)
            << horizontal << true << "Shakuhachi" << int(NotationStyle::StaffNotation);
    }
}

// The labels at the line starts lie inside the sheet, in front of the
// line's first measure, clear of the measure numbers, the notes, the staff
// lines and the measure frames; the first measure keeps the length of the
// others.
void TestSheetTexts::partLabelsStayOnTheSheet()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, full);
    QFETCH(QString, name);
    QFETCH(int, style);
    auto score = loadScore(TestSupport::samplePath(), style, horizontal, [&](Score &s) {
        Part *part = s.parts.first();
        (full ? part->partName : part->partAbbreviation) = name;
        // Without lyrics only the glyphs ask for room, so that the
        // lengths show whether the names squeeze measure 1.
        part->lyricsOutput = false;
        s.page->displayPartFullName = full;
        s.page->displayPartAbbrName = true;
        s.page->displayPartAbbrName1st = false;
    });
    QVERIFY(score);
    QString shown = name.startsWith(QLatin1Char('.')) ? name.mid(1) : name;
    if (full && !horizontal && name.startsWith(QLatin1Char('.')))
        shown = score->toVerticalPunctuation(shown);
    QList<QRectF> labels;
    QList<QRectF> numbers;
    for (QGraphicsItem *item : score->scene->items()) {
        const auto *text = dynamic_cast<const MyTextItem *>(item);
        if (!text)
            continue;
        if (text->text == shown)
            labels << item->sceneBoundingRect();
        bool numeric = false;
        text->text.toInt(&numeric);
        if (numeric)
            numbers << item->sceneBoundingRect();
    }
    QVERIFY(!labels.isEmpty());
    QList<QRectF> notes;
    for (QGraphicsItem *glyph : taggedItems(*score, NoteItem))
        notes << glyph->sceneBoundingRect();
    const double s = score->page->scaleFactor;
    // Thin rectangles and lines: staff lines, strings, bar lines.
    QList<QRectF> lines;
    for (QGraphicsItem *item : score->scene->items()) {
        if (!item->isVisible() ||
            (!dynamic_cast<QGraphicsRectItem *>(item) && !dynamic_cast<QGraphicsLineItem *>(item)))
            continue;
        const QRectF box = item->sceneBoundingRect();
        if (std::min(box.width(), box.height()) < 0.5 * s)
            lines << box;
    }
    for (const QRectF &label : labels) {
        QVERIFY2(insideSheet(*score, label), qPrintable(name));
        for (const QRectF &line : lines)
            QVERIFY2(!label.adjusted(slack, slack, -slack, -slack).intersects(line),
                     qPrintable(QStringLiteral("a line runs through '%1'").arg(name)));
        for (const QRectF &number : numbers)
            QVERIFY2(!label.adjusted(slack, slack, -slack, -slack).intersects(number),
                     qPrintable(name));
        for (const QRectF &note : notes)
            QVERIFY(!label.intersects(note));
    }
    if (horizontal || full) {
        // In front of the measure that starts its line.
        for (const QRectF &label : labels) {
            bool before = false;
            for (const Measure *m : std::as_const(score->displayedMeasures)) {
                if (!m->lineStart)
                    continue;
                const QRectF frame(m->originX * s, m->originY * s, m->width * s, m->height * s);
                if (horizontal && label.right() <= frame.left() + slack &&
                    label.center().y() >= frame.top() && label.center().y() <= frame.bottom())
                    before = true;
                if (!horizontal && label.bottom() <= frame.top() + slack &&
                    label.left() >= frame.left() - slack && label.right() <= frame.right() + slack)
                    before = true;
            }
            QVERIFY2(before, qPrintable(name));
        }
    }
    // Equal measure lengths: the label takes its room from the whole first
    // stage, not from its first measure. The stage's measures are equal, or,
    // where the label leaves less than their glyphs need, each keeps the
    // same share of what it needs.
    const Measure *first = score->displayedMeasures.at(0);
    const Measure *second = score->displayedMeasures.at(1);
    const double firstLength = horizontal ? first->width : first->height;
    const double secondLength = horizontal ? second->width : second->height;
    if (first->belowMinimum || second->belowMinimum) {
        QVERIFY(first->minimumLength > 0.0 && second->minimumLength > 0.0);
        QVERIFY(std::abs(firstLength / first->minimumLength -
                         secondLength / second->minimumLength) < 1e-6);
    } else {
        QVERIFY(std::abs(firstLength - secondLength) < 1e-6);
    }
}

void TestSheetTexts::creditsStackedApartInTheHeader_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("extra");  // credits added to the file's five
    QTest::addColumn<int>("length"); // characters of each added credit
    for (bool horizontal : {true, false}) {
        const char *writing = horizontal ? "horizontal" : "vertical";
        QTest::addRow("%s, Echigo's five credits", writing) << horizontal << 0 << 0;
        QTest::addRow("%s, three more at one corner", writing) << horizontal << 3 << 20;
        QTest::addRow("%s, a 2000-character credit", writing) << horizontal << 1 << 2000;
    }
}

// The corpus koto piece's credits (title, arranger, rights, a four-line
// source, English title) and any added ones: inside the sheet and the
// header, none over another, the source keeping its lines; the header
// grows on the first page only, and the stored depth stays.
void TestSheetTexts::creditsStackedApartInTheHeader()
{
    QFETCH(bool, horizontal);
    QFETCH(int, extra);
    QFETCH(int, length);
    double storedDepth = 0.0;
    auto score =
        loadScore(TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml")),
                  NotationStyle::KotoIkuta, horizontal, [&](Score &s) {
                      for (int i = 0; i < extra; ++i)
                          s.credits.append(new Credit(QString(length, QLatin1Char('W'))));
                      storedDepth = s.page->headerAreaWidth;
                  });
    QVERIFY(score);
    QCOMPARE(score->credits.size(), 5 + extra);
    QCOMPARE(score->page->headerAreaWidth, storedDepth);
    const double s = score->page->scaleFactor;
    const QRectF h = score->page->headerAreaRect;
    const QRectF header(h.x() * s, h.y() * s, h.width() * s, h.height() * s);
    QList<QRectF> boxes;
    for (const Credit *credit : std::as_const(score->credits)) {
        QVERIFY(credit->item && credit->item->scene() == score->scene);
        const QRectF box = credit->item->sceneBoundingRect();
        QVERIFY2(insideSheet(*score, box), qPrintable(credit->text.left(40)));
        QVERIFY2(header.adjusted(-slack, -slack, slack, slack).contains(box),
                 qPrintable(credit->text.left(40)));
        for (const QRectF &other : std::as_const(boxes))
            QVERIFY2(!box.intersects(other), qPrintable(credit->text.left(40)));
        boxes << box;
    }
    // The source credit keeps its lines.
    const auto *source = dynamic_cast<const MyTextItem *>(score->credits.at(3)->item);
    QVERIFY(source && source->text.count(QLatin1Char('\n')) >= 3);
    const double lines = source->boundingRect().height() / QFontMetrics(source->font).height();
    QVERIFY(std::abs(lines - (source->text.count(QLatin1Char('\n')) + 1)) < 1e-6);
    // The music starts past the grown header.
    const double growth = score->page->headerGrowth;
    QVERIFY(growth > 0.0);
    for (const Measure *m : std::as_const(score->displayedMeasures)) {
        if (m->pageEnd)
            break;
        if (horizontal)
            QVERIFY(m->originY >= h.bottom());
        else
            QVERIFY(m->originX + m->width <= h.left());
    }
}

void TestSheetTexts::textsAboveTheColumnsKeepThePrinterMargin_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("marginTop"); // the page's own, mm
    QTest::addColumn<bool>("fullSize");    // room for the texts at their size
    const QString usagi = QStringLiteral("Usagi (Staff Notation and Shakuhachi)");
    for (int style : {int(NotationStyle::KinkoSimple), int(NotationStyle::StaffNotation)}) {
        QTest::addRow("bracket, style %d, roomy margin", style) << usagi << style << 30.0 << true;
        QTest::addRow("bracket, style %d, the file's margin", style)
            << usagi << style << 10.0 << false;
    }
    // One part has no bracket: the number moved out of the printer's
    // margin still fits above the frame.
    QTest::newRow("one part, the file's margin") << QStringLiteral("Hotaru Koi (Koto Seiha)")
                                                 << int(NotationStyle::KotoSeiha) << 10.0 << true;
}

// Vertical writing: the measure numbers and the abbreviations above the
// columns stand inside the sheet's 5 mm printer margin and clear of the
// stage's bracket and frame; where the page's own margin leaves them less
// room than their height they are drawn smaller, never pushed into the
// stage, and where it leaves enough they keep their size.
void TestSheetTexts::textsAboveTheColumnsKeepThePrinterMargin()
{
    QFETCH(QString, sample);
    QFETCH(int, style);
    QFETCH(double, marginTop);
    QFETCH(bool, fullSize);
    const QString path =
        TestSupport::sourcePath(QStringLiteral("resources/samples/%1.tnsx").arg(sample));
    auto score = loadScore(path, style, false, [&](Score &s) {
        s.page->marginTop = marginTop;
        s.page->displayMeasureNumber = true;
        s.page->displayPartAbbrName = true;
        s.page->displayPartAbbrName1st = true;
    });
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    const double stageTop = (score->page->pageOriginY + marginTop) * s;
    QList<const MyTextItem *> above;
    QList<QRectF> lines;
    for (QGraphicsItem *item : score->scene->items()) {
        if (!item->isVisible())
            continue;
        const QRectF box = item->sceneBoundingRect();
        if (const auto *text = dynamic_cast<const MyTextItem *>(item)) {
            if (box.center().y() < stageTop)
                above << text;
        } else if (std::min(box.width(), box.height()) < 0.5 * s && box.top() < stageTop + s) {
            lines << box;
        }
    }
    QVERIFY(!above.isEmpty());
    QVERIFY(!lines.isEmpty());
    int numbers = 0;
    for (const MyTextItem *text : std::as_const(above)) {
        const QRectF box = text->sceneBoundingRect();
        const QString what = text->text;
        QVERIFY2(
            box.top() >= 5.0 * s - 1e-6,
            qPrintable(
                QStringLiteral("'%1' %2 mm from the sheet's edge").arg(what).arg(box.top() / s)));
        for (const QRectF &line : std::as_const(lines))
            QVERIFY2(!box.intersects(line),
                     qPrintable(QStringLiteral("a line crosses '%1'").arg(what)));
        bool numeric = false;
        what.toInt(&numeric);
        if (numeric) {
            ++numbers;
            if (fullSize)
                QCOMPARE(text->font.pixelSize(), int(3 * s));
            else
                QVERIFY(text->font.pixelSize() < int(3 * s));
        }
    }
    QVERIFY(numbers > 0);
}

VELMORA_TEST_MAIN(TestSheetTexts)

} // namespace tst_sheet_texts
#include "tst_sheet_texts.moc"
