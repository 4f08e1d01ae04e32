// What the exported pages hold, read back from the files: every PDF page
// its page label "( n )" and the measure numbers of its line starts, the
// last page the footer, the double sheets two pages per PDF page in the
// order of the writing direction, and every SVG page vector paths and real
// texts, without embedded bitmaps.
#include "app/version.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "support/pdftools.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace tst_export_pages {

namespace {

// Two parts of quarter notes, long enough to fill several pages.
QString generatedScoreText(int measureCount)
{
    static const char *const steps[] = {"D", "E", "F", "A", "B"};
    QString text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<score-partwise version=\"3.1\"><part-list>"
                       "<score-part id=\"P1\"><part-name>Shakuhachi</part-name></score-part>"
                       "<score-part id=\"P2\"><part-name>Koto</part-name></score-part>"
                       "</part-list>");
    for (int p = 1; p <= 2; ++p) {
        text += QStringLiteral("<part id=\"P%1\">").arg(p);
        for (int m = 1; m <= measureCount; ++m) {
            text += QStringLiteral("<measure number=\"%1\">").arg(m);
            if (m == 1)
                text += QStringLiteral("<attributes><divisions>1</divisions><time><beats>4</beats>"
                                       "<beat-type>4</beat-type></time><clef><sign>G</sign>"
                                       "<line>2</line></clef></attributes>");
            for (int n = 0; n < 4; ++n)
                text += QStringLiteral("<note><pitch><step>%1</step><octave>%2</octave></pitch>"
                                       "<duration>1</duration><voice>1</voice><type>quarter</type>"
                                       "</note>")
                            .arg(QLatin1String(steps[(m + n + p) % 5]))
                            .arg(4 + (m + n) % 2);
            text += QStringLiteral("</measure>");
        }
        text += QStringLiteral("</part>");
    }
    return text + QStringLiteral("</score-partwise>\n");
}

std::unique_ptr<Score> generatedScore(int measureCount)
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    score->documentText = generatedScoreText(measureCount);
    if (!score->parseScoreXml(false))
        return nullptr;
    return score;
}

QString pageLabel(int page)
{
    return QStringLiteral("( %1 )").arg(page);
}

// The label as pdftotext gives it back (its layout mode drops the spaces).
QRegularExpression pdfPageLabel(int page)
{
    return QRegularExpression(QStringLiteral("\\(\\s*%1\\s*\\)").arg(page));
}

// The score page (from 0) that a measure lies on: page k covers k to k+1
// page widths in horizontal writing and -k to 1-k in vertical writing.
int pageOfMeasure(const Score &score, const Measure *m)
{
    const double centre = (m->originX + m->width / 2.0) / score.page->pageWidth;
    return score.page->horizontal ? int(std::floor(centre)) : int(std::floor(1.0 - centre));
}

// The measure numbers printed at line starts, by score page.
QList<QStringList> lineStartNumbersByPage(const Score &score)
{
    QList<QStringList> byPage(score.page->pageCount);
    int number = 0;
    const Measure *previous = nullptr;
    for (const Measure *m : score.displayedMeasures) {
        if (!previous || previous->stageEnd || previous->pageEnd) {
            const int page = pageOfMeasure(score, m);
            if (page >= 0 && page < byPage.size())
                byPage[page].append(QString::number(number + 1));
        }
        number += m->multiRestCount >= 2 ? m->multiRestCount : 1;
        previous = m;
    }
    return byPage;
}

// The words of a page text that are plain numbers, once the page labels
// and the footer (which hold numbers of their own) are taken out.
QSet<QString> bareNumbers(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(\\s*\\d+\\s*\\)")));
    text.remove(QRegularExpression(QStringLiteral("Produced by Velmora version \\S+ on \\S+")));
    QSet<QString> numbers;
    auto it = QRegularExpression(QStringLiteral("\\b\\d+\\b")).globalMatch(text);
    while (it.hasNext())
        numbers.insert(it.next().captured());
    return numbers;
}

// The line of the text holding `label`, with the label's column.
int columnOf(const QString &text, const QRegularExpression &label, int *line)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const qsizetype at = lines.at(i).indexOf(label);
        if (at >= 0) {
            *line = i;
            return int(at);
        }
    }
    *line = -1;
    return -1;
}

} // namespace

class TestExportPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void pdfPagesHoldLabelsNumbersAndFooter_data();
    void pdfPagesHoldLabelsNumbersAndFooter();
    void svgPagesAreVectorsWithTexts_data();
    void svgPagesAreVectorsWithTexts();
};

void TestExportPages::pdfPagesHoldLabelsNumbersAndFooter_data()
{
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("A4, vertical") << int(PaperA4) << false;
    QTest::newRow("A4, horizontal") << int(PaperA4) << true;
    QTest::newRow("JIS B4 double sheet, vertical") << int(PaperJisB4DoubleJisB5) << false;
    QTest::newRow("A3 double sheet, horizontal") << int(PaperA3DoubleA4) << true;
    QTest::newRow("B4 double sheet, vertical") << int(PaperB4DoubleB5) << false;
}

void TestExportPages::pdfPagesHoldLabelsNumbersAndFooter()
{
    QFETCH(int, paperSize);
    QFETCH(bool, horizontal);
    auto score = generatedScore(90);
    QVERIFY(score);
    score->page->paperSize = paperSize;
    score->page->horizontal = horizontal;
    score->page->displayPageNumber = true;
    score->page->displayMeasureNumber = true;
    score->page->setPaperSize();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    QVERIFY(score->exportPdfFile(pdf));
    QVERIFY(TestSupport::prompter().prompts.isEmpty());

    const int pages = score->page->pageCount;
    QVERIFY2(pages >= 3, "the fixture must fill several pages");
    const bool spreads = paperSize >= PaperA3DoubleA4;
    const int perSheet = spreads ? 2 : 1;
    const int sheets = (pages + perSheet - 1) / perSheet;
    QCOMPARE(TestSupport::pdfPageCount(pdf), sheets);
    const QList<QStringList> lineStarts = lineStartNumbersByPage(*score);

    for (int sheet = 0; sheet < sheets; ++sheet) {
        const QString text = TestSupport::pdfPageText(pdf, sheet + 1);
        const QSet<QString> numbers = bareNumbers(text);
        for (int k = sheet * perSheet; k < qMin(pages, (sheet + 1) * perSheet); ++k) {
            const QString where =
                QStringLiteral("page %1 on PDF page %2").arg(k + 1).arg(sheet + 1);
            QVERIFY2(text.contains(pdfPageLabel(k + 1)),
                     qPrintable(where + QStringLiteral(":\n") + text));
            QVERIFY2(!lineStarts.at(k).isEmpty(), qPrintable(where));
            for (const QString &number : lineStarts.at(k))
                QVERIFY2(numbers.contains(number),
                         qPrintable(where + QStringLiteral(" lacks measure ") + number));
        }
        // A spread shows its first page on the right in vertical writing.
        if (spreads && (sheet + 1) * 2 <= pages) {
            int firstLine = -1;
            int secondLine = -1;
            const int first = columnOf(text, pdfPageLabel(sheet * 2 + 1), &firstLine);
            const int second = columnOf(text, pdfPageLabel(sheet * 2 + 2), &secondLine);
            QCOMPARE(firstLine, secondLine);
            QVERIFY2(horizontal ? first < second : first > second, qPrintable(text));
        }
        const bool last = sheet == sheets - 1;
        QCOMPARE(text.contains(QStringLiteral("Produced by Velmora version %1 on")
                                   .arg(QLatin1String(Velmora::programVersion))),
                 last);
    }
}

void TestExportPages::svgPagesAreVectorsWithTexts_data()
{
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("A4, horizontal") << int(PaperA4) << true;
    QTest::newRow("JIS B4 double sheet, vertical") << int(PaperJisB4DoubleJisB5) << false;
}

void TestExportPages::svgPagesAreVectorsWithTexts()
{
    QFETCH(int, paperSize);
    QFETCH(bool, horizontal);
    auto score = generatedScore(60);
    QVERIFY(score);
    score->page->paperSize = paperSize;
    score->page->horizontal = horizontal;
    score->page->setPaperSize();
    QTemporaryDir dir;
    QVERIFY(score->exportSvgFile(dir.filePath(QStringLiteral("score.svg"))));
    const int pages = score->page->pageCount;
    QVERIFY(pages >= 2);
    const int step = paperSize >= PaperA3DoubleA4 ? 2 : 1;
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), (pages + step - 1) / step);
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (int i = 0; i < files.size(); ++i) {
        const int firstPage = i * step + 1;
        QCOMPARE(files.at(i),
                 QStringLiteral("score_p%1.svg").arg(firstPage, 3, 10, QLatin1Char('0')));
        QFile file(dir.filePath(files.at(i)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        // The note glyphs are drawn as outlines (each shape defined once and
        // used where it repeats), never as pictures.
        QVERIFY2(svg.count(QLatin1String("<path")) + svg.count(QLatin1String("<use")) >= 50,
                 qPrintable(files.at(i)));
        QVERIFY2(!svg.contains(QLatin1String("<image")), qPrintable(files.at(i)));
        QStringList texts;
        auto it = text.globalMatch(svg);
        while (it.hasNext())
            texts.append(it.next().captured(1).trimmed());
        QVERIFY2(texts.contains(pageLabel(firstPage)), qPrintable(texts.join(QLatin1Char('|'))));
    }
}

VELMORA_TEST_MAIN(TestExportPages)

} // namespace tst_export_pages
#include "tst_export_pages.moc"
