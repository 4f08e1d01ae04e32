// The page settings element "tarn-page": children and their order, number
// forms, write-then-read over every setting, and the reader's rules,
// including the fallbacks for values that would break the layout.
#include "app/version.h"
#include "model/page.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <functional>

namespace tst_page_xml {

namespace {

struct PageSetting
{
    const char *name;
    std::function<void(Page *)> change; // to a value that 3 digits keep exactly
};

// One change per setting of the element.
const QList<PageSetting> &pageSettings()
{
    static const QList<PageSetting> settings = {
        {"paperSize", [](Page *p) { p->paperSize = PaperB5; }},
        {"paperCustomX",
         [](Page *p) {
             p->paperSize = PaperCustom;
             p->paperCustomX = 123.456789;
         }},
        {"paperCustomY",
         [](Page *p) {
             p->paperSize = PaperCustom;
             p->paperCustomY = 1.0 / 3.0;
         }},
        {"landscape", [](Page *p) { p->landscape = true; }},
        {"horizontal", [](Page *p) { p->horizontal = true; }},
        {"rotateLyrics", [](Page *p) { p->rotateLyrics = true; }},
        {"displayPageNumber", [](Page *p) { p->displayPageNumber = false; }},
        {"startPageNumber", [](Page *p) { p->startPageNumber = -7; }},
        {"pageText", [](Page *p) { p->pageText = QStringLiteral("第 %1 頁 <&> "); }},
        {"displayMeasureNumber", [](Page *p) { p->displayMeasureNumber = false; }},
        {"displayPartFullName", [](Page *p) { p->displayPartFullName = true; }},
        {"displayPartAbbrName", [](Page *p) { p->displayPartAbbrName = false; }},
        {"displayPartAbbrName1st", [](Page *p) { p->displayPartAbbrName1st = false; }},
        {"stageBracket", [](Page *p) { p->stageBracket = false; }},
        {"roll", [](Page *p) { p->roll = true; }},
        {"marginTop", [](Page *p) { p->marginTop = 10.123456; }},
        {"marginLeft", [](Page *p) { p->marginLeft = -2.5; }},
        {"marginBottom", [](Page *p) { p->marginBottom = 0.0; }},
        {"marginRight", [](Page *p) { p->marginRight = 7.77777; }},
        {"autoNewline", [](Page *p) { p->autoNewline = true; }},
        {"measureScale", [](Page *p) { p->measureScale = 0.95; }},
        {"lastLineFit", [](Page *p) { p->lastLineFit = true; }},
        {"pageFit", [](Page *p) { p->pageFit = true; }},
        {"drawStageLine", [](Page *p) { p->drawStageLine = false; }},
        {"gridOutline", [](Page *p) { p->gridOutline = true; }},
        {"gridOutlineWidth", [](Page *p) { p->gridOutlineWidth = 12.5; }},
        {"measurePerLine", [](Page *p) { p->measurePerLine = 0; }},
        {"measureEqualLength", [](Page *p) { p->measureEqualLength = false; }},
        {"measureTimeProportional", [](Page *p) { p->measureTimeProportional = false; }},
        {"lineWidthScale", [](Page *p) { p->lineWidthScale = 2.25; }},
        {"lineWidthPad", [](Page *p) { p->lineWidthPad = -1.5; }},
        {"headerAreaWidth", [](Page *p) { p->headerAreaWidth = 31.5; }},
        {"headerBottomPad", [](Page *p) { p->headerBottomPad = 0.0; }},
        {"insertCoverPage", [](Page *p) { p->insertCoverPage = true; }},
        {"titleFirstPageTop", [](Page *p) { p->titleFirstPageTop = false; }},
        {"drawHeaderAreaRectangle", [](Page *p) { p->drawHeaderAreaRectangle = false; }},
        {"headerAreaRectangleLineWidth", [](Page *p) { p->headerAreaRectangleLineWidth = 0.25; }},
        {"titleFirstStageTop", [](Page *p) { p->titleFirstStageTop = true; }},
        {"headerAreaSize", [](Page *p) { p->headerAreaSize = 75.5; }},
    };
    return settings;
}

QDomElement writtenPage(Score &score)
{
    QDomElement root = score.document.createElement(QStringLiteral("score-partwise"));
    score.document.appendChild(root);
    score.writePageXml(&score, root);
    return root.lastChildElement();
}

// A tarn-page element holding `children`, in a document of its own.
QDomElement pageElement(QDomDocument &document, const QString &children)
{
    const QString xml = QStringLiteral("<tarn-page>%1</tarn-page>").arg(children);
    if (!document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return document.documentElement();
}

// The value of "tag" (its text) or "tag@attribute" in a written element.
QString writtenValue(const QDomElement &element, const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('@'));
    const QDomElement child = element.firstChildElement(parts.first());
    return parts.size() == 2 ? child.attribute(parts.at(1)) : child.text();
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        tags << c.tagName();
    return tags;
}

} // namespace

class TestPageXml : public QObject
{
    Q_OBJECT

private slots:
    void childrenInOrder();
    void numberForms_data();
    void numberForms();
    void writeThenRead_data();
    void writeThenRead();
    void everySettingChangedAtOnce();
    void readerRules_data();
    void readerRules();
    void missingChildrenKeepCurrentValues();
};

void TestPageXml::childrenInOrder()
{
    Score score(Velmora::programVersion, 1, false);
    const QDomElement element = writtenPage(score);
    QCOMPARE(element.tagName(), QStringLiteral("tarn-page"));
    QVERIFY(element.attributes().isEmpty());
    const QStringList expected = {"paper-size",
                                  "paper-custom",
                                  "landscape",
                                  "horizontal",
                                  "rotate-lyrics",
                                  "display-page-number",
                                  "start-page-number",
                                  "page-text",
                                  "display-measure-number",
                                  "display-part-full-name",
                                  "display-part-abbr-name",
                                  "display-part-abbr-name-1st",
                                  "stage-bracket",
                                  "roll",
                                  "margin",
                                  "auto-newline",
                                  "measure-scale",
                                  "last-line-fit",
                                  "page-fit",
                                  "draw-stage-line",
                                  "grid-outline",
                                  "grid-outline-width",
                                  "measure-per-line",
                                  "measure-equal-length",
                                  "measure-time-proportional",
                                  "line-width-scale",
                                  "line-width-pad",
                                  "header-area-width",
                                  "header-bottom-pad",
                                  "insert-cover-page",
                                  "title-first-page-top",
                                  "draw-header-area-rectangle",
                                  "header-area-rectangle-line-width",
                                  "title-first-stage-top",
                                  "header-area-size"};
    QCOMPARE(childTags(element), expected);
    // Attribute-only children carry no text; an empty page text still has
    // its (empty) text node.
    QVERIFY(!element.firstChildElement("paper-custom").hasChildNodes());
    QVERIFY(!element.firstChildElement("margin").hasChildNodes());
    QCOMPARE(element.firstChildElement("margin").attributes().size(), 4);
    QVERIFY(element.firstChildElement("page-text").firstChild().isText());
    // Appended last, after what the parent held.
    QDomElement parent = score.document.createElement("p");
    parent.appendChild(score.document.createElement("tarn-property"));
    score.writePageXml(&score, parent);
    QCOMPARE(childTags(parent), QStringList({"tarn-property", "tarn-page"}));
}

void TestPageXml::numberForms_data()
{
    QTest::addColumn<QString>("setting"); // the Page field to set
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");

    QTest::newRow("3 digits round") << "measureScale" << 1.234 << "measure-scale"
                                    << "1.23";
    QTest::newRow("whole number") << "measureScale" << 1.0 << "measure-scale"
                                  << "1";
    QTest::newRow("3 digits kept") << "measureScale" << 1.05 << "measure-scale"
                                   << "1.05";
    QTest::newRow("large number") << "gridOutlineWidth" << 1234.5 << "grid-outline-width"
                                  << "1.23e+03";
    QTest::newRow("negative") << "lineWidthPad" << -0.15 << "line-width-pad"
                              << "-0.15";
    QTest::newRow("margin unrounded") << "marginTop" << 10.5 << "margin@top"
                                      << "10.5";
    QTest::newRow("margin third") << "marginRight" << 1.0 / 3.0 << "margin@right"
                                  << "0.33333333333333331";
    QTest::newRow("custom whole") << "paperCustomX" << 200.0 << "paper-custom@x"
                                  << "200";
    QTest::newRow("custom unrounded") << "paperCustomY" << 123.456789 << "paper-custom@y"
                                      << "123.456789";
}

void TestPageXml::numberForms()
{
    QFETCH(QString, setting);
    QFETCH(double, value);
    QFETCH(QString, path);
    QFETCH(QString, text);

    Score score(Velmora::programVersion, 1, false);
    const QHash<QString, double Page::*> fields = {
        {"measureScale", &Page::measureScale}, {"gridOutlineWidth", &Page::gridOutlineWidth},
        {"lineWidthPad", &Page::lineWidthPad}, {"marginTop", &Page::marginTop},
        {"marginRight", &Page::marginRight},   {"paperCustomX", &Page::paperCustomX},
        {"paperCustomY", &Page::paperCustomY}};
    score.page->*fields.value(setting) = value;
    QCOMPARE(writtenValue(writtenPage(score), path), text);
}

void TestPageXml::writeThenRead_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < pageSettings().size(); ++i)
        QTest::newRow(pageSettings().at(i).name) << i;
}

// Each setting alone, so a swapped pair of fields cannot hide.
void TestPageXml::writeThenRead()
{
    QFETCH(int, index);

    Score source(Velmora::programVersion, 1, false);
    pageSettings().at(index).change(source.page);
    QVERIFY2(source.page->isDifferent(source.defaultPage), "the change must be visible");
    const QDomElement element = writtenPage(source);

    Score target(Velmora::programVersion, 2, false);
    target.parsePage(target.page, element);
    QVERIFY(!target.page->isDifferent(source.page));
}

void TestPageXml::everySettingChangedAtOnce()
{
    Score source(Velmora::programVersion, 1, false);
    for (const PageSetting &setting : pageSettings())
        setting.change(source.page);
    const QDomElement element = writtenPage(source);

    Page read;
    source.parsePage(&read, element);
    QVERIFY(!read.isDifferent(source.page));
    QCOMPARE(read.paperCustomX, 123.456789); // attributes are unrounded
    QCOMPARE(read.marginTop, 10.123456);
}

void TestPageXml::readerRules_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // as the reading page writes it again

    QTest::newRow("bool true") << "<landscape>true</landscape>"
                               << "landscape"
                               << "true";
    QTest::newRow("bool True") << "<landscape>True</landscape>"
                               << "landscape"
                               << "false";
    QTest::newRow("bool 1") << "<landscape>1</landscape>"
                            << "landscape"
                            << "false";
    QTest::newRow("bool padded") << "<landscape> true</landscape>"
                                 << "landscape"
                                 << "false";
    QTest::newRow("int malformed") << "<paper-size>A4</paper-size>"
                                   << "paper-size"
                                   << "0";
    QTest::newRow("int fraction") << "<start-page-number>2.5</start-page-number>"
                                  << "start-page-number"
                                  << "0";
    QTest::newRow("int negative") << "<start-page-number>-2</start-page-number>"
                                  << "start-page-number"
                                  << "-2";
    QTest::newRow("int overflow") << "<start-page-number>2147483648</start-page-number>"
                                  << "start-page-number"
                                  << "0";
    QTest::newRow("no measures per line means user breaks only")
        << "<measure-per-line>0</measure-per-line>"
        << "measure-per-line"
        << "0";
    QTest::newRow("number malformed") << "<measure-scale>abc</measure-scale>"
                                      << "measure-scale"
                                      << "0";
    QTest::newRow("number empty") << "<measure-scale/>"
                                  << "measure-scale"
                                  << "0";
    QTest::newRow("number exponent") << "<measure-scale>1.5e0</measure-scale>"
                                     << "measure-scale"
                                     << "1.5";
    QTest::newRow("negative pad stays") << "<line-width-pad>-3</line-width-pad>"
                                        << "line-width-pad"
                                        << "-3";
    QTest::newRow("zero pad stays") << "<header-bottom-pad>0</header-bottom-pad>"
                                    << "header-bottom-pad"
                                    << "0";
    QTest::newRow("NaN reads default") << "<measure-scale>nan</measure-scale>"
                                       << "measure-scale"
                                       << "1.2";
    QTest::newRow("infinity reads default") << "<grid-outline-width>-inf</grid-outline-width>"
                                            << "grid-outline-width"
                                            << "25";
    QTest::newRow("overflow reads default") << "<header-area-size>1e400</header-area-size>"
                                            << "header-area-size"
                                            << "60";
    QTest::newRow("text unchanged") << "<page-text> - %1 - </page-text>"
                                    << "page-text"
                                    << " - %1 - ";
    QTest::newRow("paper size in range") << "<paper-size>6</paper-size>"
                                         << "paper-size"
                                         << "6";
    QTest::newRow("paper size too large") << "<paper-size>10</paper-size>"
                                          << "paper-size"
                                          << "9";
    QTest::newRow("paper size negative") << "<paper-size>-1</paper-size>"
                                         << "paper-size"
                                         << "9";
    QTest::newRow("custom x without y") << "<paper-custom x=\"150\"/>"
                                        << "paper-custom@x"
                                        << "150";
    QTest::newRow("custom without y reads default") << "<paper-custom x=\"150\"/>"
                                                    << "paper-custom@y"
                                                    << "200";
    QTest::newRow("custom zero") << "<paper-custom x=\"0\" y=\"90\"/>"
                                 << "paper-custom@x"
                                 << "200";
    QTest::newRow("custom negative") << "<paper-custom x=\"90\" y=\"-5\"/>"
                                     << "paper-custom@y"
                                     << "200";
    QTest::newRow("custom NaN") << "<paper-custom x=\"nan\" y=\"90\"/>"
                                << "paper-custom@x"
                                << "200";
    QTest::newRow("margin top only: top") << "<margin top=\"12\"/>"
                                          << "margin@top"
                                          << "12";
    QTest::newRow("margin top only: left") << "<margin top=\"12\"/>"
                                           << "margin@left"
                                           << "0";
    QTest::newRow("margin top only: bottom") << "<margin top=\"12\"/>"
                                             << "margin@bottom"
                                             << "0";
    QTest::newRow("margin top only: right") << "<margin top=\"12\"/>"
                                            << "margin@right"
                                            << "0";
    QTest::newRow("margin negative stays") << "<margin right=\"-4\"/>"
                                           << "margin@right"
                                           << "-4";
    QTest::newRow("margin infinite reads default")
        << "<margin top=\"inf\" left=\"1\" bottom=\"1\" right=\"1\"/>"
        << "margin@top"
        << "10";
    QTest::newRow("unknown tag") << "<Landscape>true</Landscape><landscapes>true</landscapes>"
                                 << "landscape"
                                 << "false";
    QTest::newRow("later duplicate wins") << "<roll>true</roll><roll>false</roll>"
                                          << "roll"
                                          << "false";
    QTest::newRow("later duplicate wins, reversed") << "<roll>false</roll><roll>true</roll>"
                                                    << "roll"
                                                    << "true";
    QTest::newRow("comments and text skipped") << "text<!-- c --><roll>true</roll>tail"
                                               << "roll"
                                               << "true";
    QTest::newRow("nested element is not a setting") << "<group><roll>true</roll></group>"
                                                     << "roll"
                                                     << "false";
}

void TestPageXml::readerRules()
{
    QFETCH(QString, children);
    QFETCH(QString, path);
    QFETCH(QString, expected);

    Score score(Velmora::programVersion, 1, false);
    QDomDocument fixture;
    score.parsePage(score.page, pageElement(fixture, children));
    QCOMPARE(writtenValue(writtenPage(score), path), expected);
}

void TestPageXml::missingChildrenKeepCurrentValues()
{
    Score score(Velmora::programVersion, 1, false);
    for (const PageSetting &setting : pageSettings())
        setting.change(score.page);
    Page *before = score.page->clone();

    QDomDocument fixture;
    score.parsePage(score.page, pageElement(fixture, QString()));
    QVERIFY(!score.page->isDifferent(before));

    // One child changes one setting; the rest stay, the sheet is not
    // recomputed and nothing else of the page is reset.
    score.parsePage(score.page, pageElement(fixture, "<roll>false</roll>"));
    QVERIFY(!score.page->roll);
    before->roll = false;
    QVERIFY(!score.page->isDifferent(before));
    delete before;
}

VELMORA_TEST_MAIN(TestPageXml)

} // namespace tst_page_xml
#include "tst_page_xml.moc"
