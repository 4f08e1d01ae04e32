// The character forms of drawn texts for the writing direction: vertical
// punctuation and the note-font marks that differ between horizontal and
// vertical pages.
#include "model/score.h"
#include "support/testenvironment.h"

namespace tst_text_forms {

namespace {

enum Conversion
{
    Vertical,
    ForHorizontal,
    ForVertical,
};

QString convert(int conversion, const QString &text)
{
    switch (conversion) {
    case Vertical:
        return Score::toVerticalPunctuation(text);
    case ForHorizontal:
        return Score::convertCharsForHorizontal(text);
    default:
        return Score::convertCharsForVertical(text);
    }
}

// Each pair's vertical form, then its horizontal form, in chain order.
const QString verticalForms = QStringLiteral(
    u"\u00FE\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF\u00F0\u00F1\u00FD\u00F2\u00F4\u00F5\u00F6"
    u"\u00F7\u00F8\u00F9\u00FA");
const QString horizontalForms = QStringLiteral(
    u"\u0185\u0100\u0101\u0102\u0103\u0104\u0105\u0106\u0107\u010D\u010E\u00D0\u00D1\u00D2"
    u"\u00D3\u00D4\u00D5\u00D6");

} // namespace

class TestTextForms : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void roundTripEndsInVerticalForms();
};

void TestTextForms::conversions_data()
{
    QTest::addColumn<int>("conversion");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text unchanged")
        << int(Vertical) << QStringLiteral(u"さくら 1.5 ab") << QStringLiteral(u"さくら 1.5 ab");
    QTest::newRow("ASCII parentheses")
        << int(Vertical) << QStringLiteral("(a)") << QStringLiteral(u"\uFE35a\uFE36");
    QTest::newRow("fullwidth parentheses")
        << int(Vertical) << QStringLiteral(u"\uFF08a\uFF09") << QStringLiteral(u"\uFE35a\uFE36");
    QTest::newRow("hyphen and prolonged sound mark")
        << int(Vertical) << QStringLiteral(u"a-b\u30FC") << QStringLiteral(u"a|b\uFF5C");
    QTest::newRow("comma and full stop")
        << int(Vertical) << QStringLiteral(u"あ、い。") << QStringLiteral(u"あ\uFE11い\uFE12");
    QTest::newRow("braces, angles and square brackets")
        << int(Vertical) << QStringLiteral(u"{\uFF5B}\uFF5D<\uFF1C>\uFF1E[]")
        << QStringLiteral(u"\uFE37\uFE37\uFE38\uFE38\uFE3F\uFE3F\uFE40\uFE40\uFE47\uFE48");
    QTest::newRow("corner brackets") << int(Vertical) << QStringLiteral(u"「『』」")
                                     << QStringLiteral(u"\uFE41\uFE43\uFE44\uFE42");
    QTest::newRow("pair marks stay in punctuation")
        << int(Vertical) << verticalForms + horizontalForms << verticalForms + horizontalForms;

    QTest::newRow("for horizontal: every pair")
        << int(ForHorizontal) << verticalForms << horizontalForms;
    QTest::newRow("for horizontal: horizontal forms stay")
        << int(ForHorizontal) << horizontalForms << horizontalForms;
    QTest::newRow("for horizontal: unpaired and punctuation stay")
        << int(ForHorizontal) << QStringLiteral(u"\u00F3\u00FB\u00FC(-)")
        << QStringLiteral(u"\u00F3\u00FB\u00FC(-)");
    QTest::newRow("for vertical: every pair")
        << int(ForVertical) << horizontalForms << verticalForms;
    QTest::newRow("for vertical: in a text")
        << int(ForVertical) << QStringLiteral(u"a\u0185b\u00D6(")
        << QStringLiteral(u"a\u00FEb\u00FA(");
}

void TestTextForms::conversions()
{
    QFETCH(int, conversion);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(convert(conversion, text), expected);
}

void TestTextForms::roundTripEndsInVerticalForms()
{
    // Mixed forms before the first conversion all come out vertical.
    const QString mixed = QStringLiteral(u"x") + verticalForms.left(9) + horizontalForms.mid(9);
    const QString expected = QStringLiteral(u"x") + verticalForms;
    QCOMPARE(Score::convertCharsForVertical(Score::convertCharsForHorizontal(mixed)), expected);
}

VELMORA_TEST_MAIN(TestTextForms)

} // namespace tst_text_forms
#include "tst_text_forms.moc"
