// The offset and font options at the end of a text, their makers, and the
// tarn-offset and tarn-font element readers.
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QFont>
#include <QPointF>

namespace tst_text_options {

class TestTextOptions : public QObject
{
    Q_OBJECT

private slots:
    void offsetOption_data();
    void offsetOption();
    void fontOption_data();
    void fontOption();
    void creditOrderOfOptions();
    void makersWriteWhatTheParsersRead();
    void offsetAndFontElements_data();
    void offsetAndFontElements();
};

void TestTextOptions::offsetOption_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QPointF>("offset");

    const QPointF untouched(-99, -99);
    QTest::newRow("offset") << "abc{1.5,-2}"
                            << "abc" << true << QPointF(1.5, -2);
    QTest::newRow("blank stays") << "abc {1,2}"
                                 << "abc " << true << QPointF(1, 2);
    QTest::newRow("only option") << "{1,2}"
                                 << "" << true << QPointF(1, 2);
    QTest::newRow("not at the end") << "abc{1,2} "
                                    << "abc{1,2} " << false << untouched;
    QTest::newRow("no comma") << "abc{1;2}"
                              << "abc{1;2}" << false << untouched;
    QTest::newRow("no numbers") << "abc{x,y}"
                                << "abc" << true << QPointF(0, 0);
    QTest::newRow("last brace counts") << "a{1}{2,3}"
                                       << "a{1}" << true << QPointF(2, 3);
    QTest::newRow("last comma splits") << "abc{1,2,3}"
                                       << "abc" << true << QPointF(0, 3);
    QTest::newRow("comma before brace") << "a,b{3}"
                                        << "a,b{3}" << false << untouched;
    QTest::newRow("long repeat") << ".longRepeat{2}"
                                 << ".longRepeat{2}" << false << untouched;
    QTest::newRow("directive") << ".noPrev{2,-1}"
                               << ".noPrev" << true << QPointF(2, -1);
    QTest::newRow("font option") << "Title{f:Arial,12}"
                                 << "Title{f:Arial,12}" << false << untouched;
    QTest::newRow("scale without name") << ".scale{4,9,16}"
                                        << ".scale" << true << QPointF(0, 16);
    QTest::newRow("infinite reads 0") << "a{inf,nan}"
                                      << "a" << true << QPointF(0, 0);
}

void TestTextOptions::offsetOption()
{
    QFETCH(QString, text);
    QFETCH(QString, rest);
    QFETCH(bool, found);
    QFETCH(QPointF, offset);

    const QString original = text;
    bool wasFound = !found;
    QPointF read(-99, -99);
    QCOMPARE(Score::parseOffsetString(text, wasFound, read), rest);
    QCOMPARE(wasFound, found);
    QCOMPARE(read, offset);
    QCOMPARE(text, original);
}

void TestTextOptions::fontOption_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");

    QTest::newRow("font") << "Title{f:Arial,12}"
                          << "Title" << true << "Arial" << 12;
    QTest::newRow("empty description keeps the font") << "Title{f:}"
                                                      << "Title" << true << "Caller" << 9;
    QTest::newRow("offset option") << "Title{3,4}"
                                   << "Title{3,4}" << false << "Caller" << 9;
    QTest::newRow("no option") << "Title"
                               << "Title" << false << "Caller" << 9;
}

void TestTextOptions::fontOption()
{
    QFETCH(QString, text);
    QFETCH(QString, rest);
    QFETCH(bool, found);
    QFETCH(QString, family);
    QFETCH(int, pointSize);

    QFont font(QStringLiteral("Caller"), 9);
    bool wasFound = !found;
    QCOMPARE(Score::parseFontString(text, wasFound, font), rest);
    QCOMPARE(wasFound, found);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), pointSize);
}

// Font option first, then offset: the font must be the last option.
void TestTextOptions::creditOrderOfOptions()
{
    QFont font;
    bool fontFound = false;
    bool offsetFound = false;
    QPointF offset;
    QString text = Score::parseFontString("Title{3,-2}{f:Arial,12}", fontFound, font);
    text = Score::parseOffsetString(text, offsetFound, offset);
    QCOMPARE(text, QStringLiteral("Title"));
    QVERIFY(fontFound && offsetFound);
    QCOMPARE(offset, QPointF(3, -2));

    text = Score::parseFontString("Title{f:Arial,12}{3,-2}", fontFound, font);
    text = Score::parseOffsetString(text, offsetFound, offset);
    QCOMPARE(text, QStringLiteral("Title{f:Arial,12}"));
    QVERIFY(!fontFound && offsetFound);
}

void TestTextOptions::makersWriteWhatTheParsersRead()
{
    TestSupport::MessageCapture capture;
    QCOMPARE(Score::makeOffsetString(1.23456, -2.0), QStringLiteral("{1.23,-2}"));
    QCOMPARE(Score::makeOffsetString(1234.0, 0.5), QStringLiteral("{1.23e+03,0.5}"));
    QVERIFY(capture.contains("offsetString = {1.23,-2}"));

    const QFont font(QStringLiteral("Arial"), 13);
    const QString option = Score::makeFontString(font);
    QCOMPARE(option, "{f:" + font.toString() + "}");
    QVERIFY(capture.contains("fontString = " + option));

    QFont read;
    bool found = false;
    QCOMPARE(Score::parseFontString("T" + option, found, read), QStringLiteral("T"));
    QCOMPARE(read, font);
}

void TestTextOptions::offsetAndFontElements_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QPointF>("offset");

    QTest::newRow("both") << "<tarn-offset x=\"1.5\" y=\"-3\"/>" << QPointF(1.5, -3);
    QTest::newRow("none") << "<tarn-offset/>" << QPointF(0, 0);
    QTest::newRow("x only") << "<tarn-offset x=\"2.5\"/>" << QPointF(2.5, 0);
    QTest::newRow("malformed") << "<tarn-offset x=\"a\" y=\"1e999\"/>" << QPointF(0, 0);
}

void TestTextOptions::offsetAndFontElements()
{
    QFETCH(QString, xml);
    QFETCH(QPointF, offset);

    QDomDocument document;
    QVERIFY(document.setContent(xml));
    QCOMPARE(Score::parseOffsetXml(document.documentElement()), offset);

    QVERIFY(document.setContent(QStringLiteral("<tarn-font>Arial,15</tarn-font>")));
    QCOMPARE(Score::parseFontXml(document.documentElement()).pointSize(), 15);
    QVERIFY(document.setContent(QStringLiteral("<tarn-font/>")));
    QCOMPARE(Score::parseFontXml(document.documentElement()), QFont());
}

VELMORA_TEST_MAIN(TestTextOptions)

} // namespace tst_text_options
#include "tst_text_options.moc"
