// Reading directive texts: the kind a text is classified as, what it
// shows, the number in its braces and its quoted part, over the grammar's
// corners (prefix versus exact names, case, missing quotes and braces).
#include "document/directive_type.h"
#include "model/score.h"
#include "support/testenvironment.h"

namespace tst_directive_texts {

class TestDirectiveTexts : public QObject
{
    Q_OBJECT

private slots:
    void readsText_data();
    void readsText();
    void longRepeatKinds_data();
    void longRepeatKinds();
};

void TestDirectiveTexts::readsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("quoted");

    const QString su = QStringLiteral(".") + QChar(0x30B9);
    // clang-format off
    QTest::newRow("empty")              << "" << 6 << "" << -1 << "";
    QTest::newRow("lone dot")           << "." << 6 << "" << -1 << ".";
    QTest::newRow("quoted")             << "'abc'" << 0 << "abc" << -1 << "abc";
    QTest::newRow("quote unclosed")     << "'abc" << 0 << "abc" << -1 << "abc";
    QTest::newRow("quote inside")       << "'a'b'" << 0 << "a'b" << -1 << "a'b";
    QTest::newRow("text then quoted")   << "x'abc'" << 6 << "x'abc'" << -1 << "abc";
    QTest::newRow("plain text")         << "maru" << 6 << "maru" << -1 << "maru";
    QTest::newRow("opening paren")      << ".(" << 1 << "(" << -1 << ".(";
    QTest::newRow("gray opening")       << ".gray(" << 1 << "gray(" << -1 << ".gray(";
    QTest::newRow("kinkoRa")            << ".kinkoRa" << 1 << "kinkoRa" << -1 << ".kinkoRa";
    QTest::newRow("su")                 << ".su" << 2 << "su" << -1 << ".su";
    QTest::newRow("katakana su")        << su << 2 << QString(QChar(0x30B9)) << -1 << su;
    QTest::newRow("restKinko")          << ".restKinko" << 2 << "restKinko" << -1 << ".restKinko";
    QTest::newRow("koto scale")         << ".scale{4,9,16}'Koto13(Hira_D)'" << 3 << "4,9,16" << 0 << "Koto13(Hira_D)";
    QTest::newRow("koto scale unclosed")<< ".scale{4,9" << 3 << "4,9" << -1 << ".scale{4,9";
    QTest::newRow("sangen scale")       << ".scaleSangen{4,9,16}'Sangen_Honchoshi'" << 10 << "4,9,16" << 0 << "Sangen_Honchoshi";
    QTest::newRow("capital Scale")      << ".Scale{1}" << 6 << "Scale{1}" << 1 << ".Scale{1}";
    QTest::newRow("noPrev")             << ".noPrev" << 4 << "noPrev" << -1 << ".noPrev";
    QTest::newRow("pizz by prefix")     << ".pizzicato" << 9 << "pizzicato" << -1 << ".pizzicato";
    QTest::newRow("invisible prefix")   << ".invisibleX" << 21 << "invisibleX" << -1 << ".invisibleX";
    QTest::newRow("otsuDoubleQuote")    << ".otsuDoubleQuote" << 20 << "otsuDoubleQuote" << -1 << ".otsuDoubleQuote";
    QTest::newRow("hole 3")             << ".holeNo_3" << 7 << "holeNo_3" << -1 << ".holeNo_3";
    QTest::newRow("hole 3 blank")       << ".holeNo_3 " << 6 << "holeNo_3 " << -1 << ".holeNo_3 ";
    QTest::newRow("hole 6")             << ".holeNo_6" << 6 << "holeNo_6" << -1 << ".holeNo_6";
    QTest::newRow("BracketEnd")         << ".BracketEnd" << 7 << "BracketEnd" << -1 << ".BracketEnd";
    QTest::newRow("sangen_Utsu")        << ".sangen_Utsu" << 7 << "sangen_Utsu" << -1 << ".sangen_Utsu";
    QTest::newRow("koto_Waren")         << ".koto_Waren" << 8 << "koto_Waren" << -1 << ".koto_Waren";
    QTest::newRow("koto_Waren_Seiha")   << ".koto_Waren_Seiha" << 7 << "koto_Waren_Seiha" << -1 << ".koto_Waren_Seiha";
    QTest::newRow("effect_Fall")        << ".effect_Fall" << 8 << "effect_Fall" << -1 << ".effect_Fall";
    QTest::newRow("unknown technique")  << ".koto_Oshi2" << 6 << "koto_Oshi2" << -1 << ".koto_Oshi2";
    QTest::newRow("transpose")          << ".transpose{-2}" << 19 << "transpose{-2}" << -2 << ".transpose{-2}";
    QTest::newRow("transpose bare")     << ".transpose" << 6 << "transpose" << -1 << ".transpose";
    QTest::newRow("transpose empty")    << ".transpose{}" << 19 << "transpose{}" << 0 << ".transpose{}";
    QTest::newRow("transpose unclosed") << ".transpose{2" << 19 << "transpose{2" << -1 << ".transpose{2";
    QTest::newRow("transpose too big")  << ".transpose{2147483648}" << 19 << "transpose{2147483648}" << 0 << ".transpose{2147483648}";
    QTest::newRow("longRepeat")         << ".longRepeat{3}{5}" << 12 << "longRepeat{3}{5}" << 3 << ".longRepeat{3}{5}";
    QTest::newRow("longRepeatSimile")   << ".longRepeatSimile{1}" << 11 << "longRepeatSimile{1}" << 1 << ".longRepeatSimile{1}";
    QTest::newRow("longRepeat2")        << ".longRepeat2{2}" << 13 << "longRepeat2{2}" << 2 << ".longRepeat2{2}";
    QTest::newRow("longRepeatBeat2")    << ".longRepeatBeat2{4}" << 18 << "longRepeatBeat2{4}" << 4 << ".longRepeatBeat2{4}";
    QTest::newRow("longStepDown")       << ".longStepDown{1}" << 23 << "longStepDown{1}" << 1 << ".longStepDown{1}";
    QTest::newRow("braces only")        << "{5}" << 6 << "{5}" << 5 << "{5}";
    // clang-format on
}

void TestDirectiveTexts::readsText()
{
    QFETCH(QString, text);
    const QString original = text;
    QTEST(Score::getDirectiveType(text), "type");
    QTEST(Score::getDirectiveText(text), "display");
    QTEST(Score::getDirectiveNumber(text), "number");
    QTEST(Score::getQuotedText(text), "quoted");
    QCOMPARE(text, original);
}

void TestDirectiveTexts::longRepeatKinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::newRow("simile") << ".longRepeatSimile{1}" << 1;
    QTest::newRow("plain") << ".longRepeat{1}" << 2;
    QTest::newRow("form 4") << ".longRepeat4{1}" << 5;
    QTest::newRow("accelerating") << ".longRepeatAccel{1}" << 6;
    QTest::newRow("one beat") << ".longRepeatBeat1{1}" << 7;
    QTest::newRow("step up") << ".longStepUp{1}" << 9;
    QTest::newRow("step down") << ".longStepDown{1}" << 10;
    QTest::newRow("transpose") << ".transpose{1}" << 0;
    QTest::newRow("quoted") << "'x'" << 0;
}

void TestDirectiveTexts::longRepeatKinds()
{
    QFETCH(QString, text);
    QTEST(DirectiveType::longRepeatKind(Score::getDirectiveType(text)), "kind");
}

VELMORA_TEST_MAIN(TestDirectiveTexts)

} // namespace tst_directive_texts
#include "tst_directive_texts.moc"
