// Note scales of every notation style: key ranges, default names and the
// order of alternatives, the tuning-driven string scales, the koto builder's
// warning about 25-string scale names, and the names a style can produce.
#include "notenames/notescale.h"
#include "notenames/scale_builders.h"
#include "notenames/scale_presets.h"
#include "notenames/style_scale_names.h"
#include "support/testenvironment.h"

#include <functional>
#include <memory>

namespace tst_notenames_scales {

using namespace NoteNames;

using ScaleFactory = std::function<NoteScale *()>;

namespace {

const QString koto17 = QStringLiteral("-22,-20,-19,-17,-15,-14,-12,-10,-8,-7,-5,-3,-1,0,2,4,5");
const QString koto20 = QStringLiteral("2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37");
const QString koto25 =
    QStringLiteral("2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37,38,40,42,43");

const QStringList kotoTechniques = {"Sukui", "Osu+", "Osu++", "Osu+++", "Hanasu", "X", "Prev"};
const QStringList seihaTechniques = {"Sukui",    "Osu+",      "Osu++",  "Osu+++", "BarOsu+",
                                     "BarOsu++", "BarOsu+++", "Hanasu", "X",      "Prev"};
const QStringList ikutaTechniques = {"Hajiki",   "Sukui",       "SuriAge",
                                     "SuriSage", "SuriSageAge", "Prev"};

std::unique_ptr<NoteScale> build(const ScaleFactory &factory)
{
    return std::unique_ptr<NoteScale>(factory());
}

ScaleFactory kinko(bool defaultU)
{
    return [=] { return createScaleKinko(defaultU); };
}
ScaleFactory fue(const QString &font)
{
    return [=] { return createScaleShinobue(font); };
}
ScaleFactory koto(const QString &tuning, const QString &name = defaultKotoScaleName,
                  bool seiha = false)
{
    return [=] { return createScaleKoto(tuning, name, seiha); };
}

} // namespace

class TestNoteNamesScales : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void appendKeepsOrderAndLookupOfEmptyKeyIsEmpty();
    void buildersReturnDistinctEqualScales();

    void keyRanges_data();
    void keyRanges();
    void namesOfKey_data();
    void namesOfKey();
    void defaultKotoTuningMatchesWorkedScale_data();
    void defaultKotoTuningMatchesWorkedScale();
    void bunkaScaleMatchesWorkedScale();
    void unusableTuningGivesEmptyScaleSilently_data();
    void unusableTuningGivesEmptyScaleSilently();

    void koto25WithOtherNameWarnsAndGivesEmptyScale_data();
    void koto25WithOtherNameWarnsAndGivesEmptyScale();
    void koto25WarningCanBeSuppressed();
    void presetsGiveScalesWithoutWarning();

    void tuningNumbers();
    void scaleNamesOfStyle();
};

void TestNoteNamesScales::init()
{
    TestSupport::prompter().reset();
}

void TestNoteNamesScales::appendKeepsOrderAndLookupOfEmptyKeyIsEmpty()
{
    NoteScale scale;
    scale.appendScaleName(4, QStringLiteral("Ro"));
    scale.appendScaleName(4, QStringLiteral("RoKari"));
    QCOMPARE(scale.names(4), (QStringList{"Ro", "RoKari"}));
    QCOMPARE(scale.defaultName(4), QStringLiteral("Ro"));
    QVERIFY(scale.names(5).isEmpty());
    QVERIFY(scale.defaultName(5).isEmpty());
    QVERIFY(!scale.contains(5));

    scale.setNames(4, {});
    QVERIFY(scale.isEmpty());
}

void TestNoteNamesScales::buildersReturnDistinctEqualScales()
{
    const std::unique_ptr<NoteScale> first(createScaleKoto(koto20, "Koto20", true));
    const std::unique_ptr<NoteScale> second(createScaleKoto(koto20, "Koto20", true));
    QVERIFY(first.get() != second.get());
    QVERIFY(!first->isEmpty());
    QCOMPARE(*first, *second);
}

void TestNoteNamesScales::keyRanges_data()
{
    QTest::addColumn<ScaleFactory>("factory");
    QTest::addColumn<int>("firstKey");
    QTest::addColumn<int>("lastKey");

    QTest::newRow("Kinko") << kinko(false) << -3 << 38;
    QTest::newRow("Kinko, U default") << kinko(true) << -3 << 38;
    QTest::newRow("Tozan") << ScaleFactory(createScaleTozan) << -10 << 38;
    QTest::newRow("Fue") << fue(QString()) << -3 << 37;
    QTest::newRow("Fue, Fukuhara") << fue("Shinobue_Fukuhara") << -3 << 37;
    QTest::newRow("sol-fa") << ScaleFactory(createScaleDoremi) << -34 << 49;
    QTest::newRow("percussion") << ScaleFactory(createScalePercussion) << -50 << 49;
    QTest::newRow("koto default") << koto(defaultKotoTuning) << -3 << 26;
    QTest::newRow("sangen Ikuta") << ScaleFactory([] { return createScaleSangenIkuta("4,9,16"); })
                                  << 4 << 50;
    QTest::newRow("shamisen Bunka")
        << ScaleFactory([] { return createScaleShamisenBunka("4,9,16"); }) << 4 << 38;
    QTest::newRow("sangen Yamada") << ScaleFactory(createScaleSangenYamada) << -3 << 37;
}

// Every key of the range has names, and no key outside it.
void TestNoteNamesScales::keyRanges()
{
    QFETCH(ScaleFactory, factory);
    QFETCH(int, firstKey);
    QFETCH(int, lastKey);
    const auto scale = build(factory);
    QCOMPARE(scale->keys().constFirst(), firstKey);
    QCOMPARE(scale->keys().constLast(), lastKey);
    QCOMPARE(scale->keyCount(), lastKey - firstKey + 1);
    for (const QStringList &names : scale->table()) {
        QVERIFY(!names.isEmpty());
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
    }
}

void TestNoteNamesScales::namesOfKey_data()
{
    QTest::addColumn<ScaleFactory>("factory");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("Kinko D4") << kinko(false) << 4 << QStringList{"Ro", "Nayashi", "RoMaru"};
    QTest::newRow("Kinko D5 is Ro too")
        << kinko(false) << 16 << QStringList{"Ro", "I", "HiGo", "Koro", "Nayashi"};
    QTest::newRow("Kinko G#4") << kinko(false) << 10 << QStringList{"ChiMeri", "U", "Ru"};
    QTest::newRow("Kinko G#4, U default") << kinko(true) << 10 << QStringList{"U", "ChiMeri", "Ru"};
    QTest::newRow("Kinko G#5, U default")
        << kinko(true) << 22 << QStringList{"ChiMeri", "U-", "Ru"};
    QTest::newRow("Kinko below G3") << kinko(false) << -4 << QStringList();
    QTest::newRow("Kinko above C7") << kinko(false) << 39 << QStringList();
    QTest::newRow("Tozan C5") << ScaleFactory(createScaleTozan) << 14
                              << QStringList{"Ha", "Ra", "Koro", "HiDaiMeri"};
    QTest::newRow("Tozan below C3") << ScaleFactory(createScaleTozan) << -11 << QStringList();
    QTest::newRow("Tozan above C7") << ScaleFactory(createScaleTozan) << 39 << QStringList();

    QTest::newRow("Fukuhara C6") << fue("Shinobue_Fukuhara") << 26
                                 << QStringList{"8", "1Dot2", "1-Dot2"};
    QTest::newRow("Fukuhara A#3") << fue("Shinobue_Fukuhara") << 0
                                  << QStringList{"Dotb7", "Dot#6", "Dot0"};
    QTest::newRow("Fukuhara row without own order")
        << fue("Shinobue_Fukuhara") << 13 << QStringList{"7", "7Maru"};
    QTest::newRow("Kanji font C6")
        << fue("Shinobue_Kanji") << 26 << QStringList{"1Dot2", "1-Dot2", "8"};
    QTest::newRow("Kanji font A#3") << fue("Shinobue_Kanji") << 0 << QStringList{"Dotb7", "Dot#6"};
    QTest::newRow("Fukuhara in other case")
        << fue("shinobue_fukuhara") << 26 << QStringList{"1Dot2", "1-Dot2", "8"};
    QTest::newRow("Fue without font C#4") << fue(QString()) << 3 << QStringList{"#1", "b2"};

    QTest::newRow("Seiha A5") << koto(defaultKotoTuning, defaultKotoScaleName, true) << 23
                              << QStringList{"Kin", "KinWhite", "I++"} + seihaTechniques;
    QTest::newRow("Seiha C6") << koto(defaultKotoTuning, defaultKotoScaleName, true) << 26
                              << QStringList{"Kin+++", "KinWhite+++"} + seihaTechniques;
    QTest::newRow("Koto17 C2") << koto(koto17) << -22 << QStringList{"1"} + kotoTechniques;
    QTest::newRow("Koto17 D#4") << koto(koto17) << 5
                                << QStringList{"17", "16+", "15+++"} + kotoTechniques;
    QTest::newRow("Koto20 C4") << koto(koto20, "Koto20") << 2
                               << QStringList{"Rei"} + kotoTechniques;
    QTest::newRow("Koto20 B6") << koto(koto20, "Koto20") << 37
                               << QStringList{"Kin", "I++"} + kotoTechniques;
    QTest::newRow("Koto20 D5") << koto(koto20, "Koto20") << 16
                               << QStringList{"1", "Nana++", "Roku+++"} + kotoTechniques;
    QTest::newRow("Koto25 string 25")
        << koto(koto25, "Koto25") << 43 << QStringList{"Kan2", "Kan1+", "Kin+++"} + kotoTechniques;
    QTest::newRow("Koto25_Low string 25")
        << koto(koto25, "Koto25_Low") << 43 << QStringList{"Kan1", "Kin+", "I+++"} + kotoTechniques;
    QTest::newRow("Koto25 string 4") << koto(koto25, "Koto25") << 7
                                     << QStringList{"Ichi", "Otsu3+", "Otsu2+++"} + kotoTechniques;
    QTest::newRow("Koto25_Low string 4")
        << koto(koto25, "Koto25_Low") << 7
        << QStringList{"Otsu4", "Otsu3+", "Otsu2+++"} + kotoTechniques;
    QTest::newRow("Koto above strings' reach") << koto(koto25, "Koto25") << 47 << QStringList();

    QTest::newRow("Ikuta D5") << ScaleFactory([] { return createScaleSangenIkuta("4,9,16"); }) << 16
                              << QStringList{"3-1",  "3-1-Hajiki",  "3-1-Sukui",
                                             "2-7",  "2-7-Hajiki",  "2-7-Sukui",
                                             "1-11", "1-11-Hajiki", "1-11-Sukui"} +
                                     ikutaTechniques;
    QTest::newRow("Ikuta C8") << ScaleFactory([] { return createScaleSangenIkuta("4,9,16"); }) << 50
                              << QStringList{"3-29", "3-29-Hajiki", "3-29-Sukui"} + ikutaTechniques;
    // Strings 1 and 2 end at 22 and 31, string 3 starts at 40: the gap still
    // carries the techniques.
    QTest::newRow("Ikuta key no position reaches")
        << ScaleFactory([] { return createScaleSangenIkuta("0,9,40"); }) << 35 << ikutaTechniques;
    QTest::newRow("Ikuta string 1 given as a letter")
        << ScaleFactory([] { return createScaleSangenIkuta("x,9,16"); }) << 0
        << QStringList{"1-1", "1-1-Hajiki", "1-1-Sukui"} + ikutaTechniques;
    QTest::newRow("Bunka string 1 given as a letter")
        << ScaleFactory([] { return createScaleShamisenBunka("x,9,16"); }) << 0
        << QStringList{"1-0"};
    QTest::newRow("Yamada G3") << ScaleFactory(createScaleSangenYamada) << -3
                               << QStringList{".5",    ".5-Hajiki", ".5-Sukui", "Hajiki",
                                              "Sukui", "SuriAge",   "SuriSage", "Prev"};
    QTest::newRow("Yamada A#4") << ScaleFactory(createScaleSangenYamada) << 12
                                << QStringList{"7b",    "7b-Hajiki", "7b-Sukui", "Hajiki",
                                               "Sukui", "SuriAge",   "SuriSage", "Prev"};
    QTest::newRow("Yamada C5") << ScaleFactory(createScaleSangenYamada) << 14
                               << QStringList{"1.",    "1.-Hajiki", "1.-Sukui", "Hajiki",
                                              "Sukui", "SuriAge",   "SuriSage", "Prev"};
    QTest::newRow("Yamada C6") << ScaleFactory(createScaleSangenYamada) << 26
                               << QStringList{"1:",    "1:-Hajiki", "1:-Sukui", "Hajiki",
                                              "Sukui", "SuriAge",   "SuriSage", "Prev"};

    QTest::newRow("sol-fa C1") << ScaleFactory(createScaleDoremi) << -34 << QStringList{"Do1"};
    QTest::newRow("sol-fa C4") << ScaleFactory(createScaleDoremi) << 2 << QStringList{"Do4"};
    QTest::newRow("sol-fa F4") << ScaleFactory(createScaleDoremi) << 7 << QStringList{"Fa4"};
    QTest::newRow("sol-fa F#4") << ScaleFactory(createScaleDoremi) << 8
                                << QStringList{"#Fa4", "bSo4"};
    QTest::newRow("sol-fa C5") << ScaleFactory(createScaleDoremi) << 14 << QStringList{"Do5"};
    QTest::newRow("sol-fa B7") << ScaleFactory(createScaleDoremi) << 49 << QStringList{"Si7"};
    QTest::newRow("percussion lowest")
        << ScaleFactory(createScalePercussion) << -50 << QStringList{"QuarterBeat"};
    QTest::newRow("percussion highest")
        << ScaleFactory(createScalePercussion) << 49 << QStringList{"QuarterBeat"};
}

void TestNoteNamesScales::namesOfKey()
{
    QFETCH(ScaleFactory, factory);
    QFETCH(int, key);
    QFETCH(QStringList, names);
    QCOMPARE(build(factory)->names(key), names);
}

// The string names of every key of the default tuning, before the
// technique names that each key then carries.
void TestNoteNamesScales::defaultKotoTuningMatchesWorkedScale_data()
{
    QTest::addColumn<bool>("seiha");
    QTest::newRow("Ikuta") << false;
    QTest::newRow("Seiha") << true;
}

void TestNoteNamesScales::defaultKotoTuningMatchesWorkedScale()
{
    QFETCH(bool, seiha);
    const QMap<int, QStringList> strings = {
        {-3, {"2"}},
        {-2, {"2+"}},
        {-1, {"3", "2++"}},
        {0, {"4", "3+", "2+++"}},
        {1, {"4+", "3++"}},
        {2, {"4++", "3+++"}},
        {3, {"4+++"}},
        {4, {"5", "1"}},
        {5, {"6", "5+", "1+"}},
        {6, {"6+", "5++", "1++"}},
        {7, {"6++", "5+++", "1+++"}},
        {8, {"6+++"}},
        {9, {"7"}},
        {10, {"7+"}},
        {11, {"8", "7++"}},
        {12, {"9", "8+", "7+++"}},
        {13, {"9+", "8++"}},
        {14, {"9++", "8+++"}},
        {15, {"9+++"}},
        {16, {"10"}},
        {17, {"To", "10+"}},
        {18, {"To+", "10++"}},
        {19, {"To++", "10+++"}},
        {20, {"To+++"}},
        {21, {"I"}},
        {22, {"I+"}},
        {23, {"Kin", "I++"}},
        {24, {"Kin+", "I+++"}},
        {25, {"Kin++"}},
        {26, {"Kin+++"}},
    };
    const std::unique_ptr<NoteScale> scale(
        createScaleKoto(defaultKotoTuning, defaultKotoScaleName, seiha));
    QCOMPARE(scale->keys(), strings.keys());
    for (auto it = strings.cbegin(); it != strings.cend(); ++it) {
        QStringList expected = it.value();
        if (seiha && expected.first().startsWith(QLatin1String("Kin")))
            expected.insert(1, QStringLiteral("KinWhite") + expected.first().mid(3));
        expected += seiha ? seihaTechniques : kotoTechniques;
        QCOMPARE(scale->names(it.key()), expected);
    }
}

void TestNoteNamesScales::bunkaScaleMatchesWorkedScale()
{
    const QMap<int, QStringList> worked = {
        {4, {"1-0"}},
        {5, {"1-1"}},
        {6, {"1-2"}},
        {7, {"1-3"}},
        {8, {"1-#"}},
        {9, {"2-0", "1-4"}},
        {10, {"2-1", "1-5"}},
        {11, {"2-2", "1-6"}},
        {12, {"2-3", "1-7"}},
        {13, {"2-#", "1-8"}},
        {14, {"2-4", "1-9"}},
        {15, {"2-5", "1-b"}},
        {16, {"3-0", "2-6", "1-10"}},
        {17, {"3-1", "2-7", "1-11"}},
        {18, {"3-2", "2-8", "1-12"}},
        {19, {"3-3", "2-9", "1-13"}},
        {20, {"3-#", "2-b", "1-1#"}},
        {21, {"3-4", "2-10", "1-14"}},
        {22, {"3-5", "2-11", "1-15"}},
        {23, {"3-6", "2-12", "1-16"}},
        {24, {"3-7", "2-13", "1-17"}},
        {25, {"3-8", "2-1#", "1-18"}},
        {26, {"3-9", "2-14", "1-19"}},
        {27, {"3-b", "2-15"}},
        {28, {"3-10", "2-16"}},
        {29, {"3-11", "2-17"}},
        {30, {"3-12", "2-18"}},
        {31, {"3-13", "2-19"}},
        {32, {"3-1#"}},
        {33, {"3-14"}},
        {34, {"3-15"}},
        {35, {"3-16"}},
        {36, {"3-17"}},
        {37, {"3-18"}},
        {38, {"3-19"}},
    };
    const std::unique_ptr<NoteScale> scale(createScaleShamisenBunka(defaultSangenTuning));
    QCOMPARE(scale->table(), worked);
}

void TestNoteNamesScales::unusableTuningGivesEmptyScaleSilently_data()
{
    QTest::addColumn<ScaleFactory>("factory");
    QTest::newRow("koto, 12 strings") << koto(QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21"));
    QTest::newRow("koto, 14 strings")
        << koto(QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21,23,24"));
    QTest::newRow("koto, empty tuning") << koto(QString());
    QTest::newRow("Ikuta, two strings")
        << ScaleFactory([] { return createScaleSangenIkuta("4,9"); });
    QTest::newRow("Bunka, four strings")
        << ScaleFactory([] { return createScaleShamisenBunka("4,9,16,21"); });
    // Pitches beyond MIDI's 0..127 would make the builders run over them.
    QTest::newRow("koto, a string at the lowest int")
        << koto(QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21,-2147483648"));
    QTest::newRow("koto, a string one above MIDI 127")
        << koto(QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21,70"));
    QTest::newRow("Ikuta, a string two million up")
        << ScaleFactory([] { return createScaleSangenIkuta("4,9,2000000"); });
    QTest::newRow("Bunka, digits beyond an int")
        << ScaleFactory([] { return createScaleShamisenBunka("4,9,99999999999"); });
    QTest::newRow("Bunka, a string one below MIDI 0")
        << ScaleFactory([] { return createScaleShamisenBunka("-59,9,16"); });
}

void TestNoteNamesScales::unusableTuningGivesEmptyScaleSilently()
{
    QFETCH(ScaleFactory, factory);
    const auto scale = build(factory);
    QVERIFY(scale);
    QVERIFY(scale->isEmpty());
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestNoteNamesScales::koto25WithOtherNameWarnsAndGivesEmptyScale_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("trailing blank") << "Koto25 ";
    QTest::newRow("other case") << "koto25";
    QTest::newRow("13-string name") << "Koto13(Hira_D)";
    QTest::newRow("no name") << "";
}

void TestNoteNamesScales::koto25WithOtherNameWarnsAndGivesEmptyScale()
{
    QFETCH(QString, name);
    QVERIFY(isRejectedKotoScaleName(koto25, name));
    const std::unique_ptr<NoteScale> scale(createScaleKoto(koto25, name, false));
    QVERIFY(scale->isEmpty());
    const auto &prompts = TestSupport::prompter().prompts;
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(prompts.first().kind, QStringLiteral("warning"));
    QCOMPARE(prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(prompts.first().text,
             QStringLiteral("Scale Name must be \"Koto25\" or  \"Koto25_Low\"."));
}

void TestNoteNamesScales::koto25WarningCanBeSuppressed()
{
    const std::unique_ptr<NoteScale> suppressed(
        createScaleKoto(koto25, "Koto25 ", true, nullptr, ScaleNameWarning::Suppress));
    QVERIFY(suppressed->isEmpty());
    QVERIFY(TestSupport::prompter().prompts.isEmpty());

    // Only a 25-string tuning needs one of the two names.
    QVERIFY(!isRejectedKotoScaleName(koto25, "Koto25"));
    QVERIFY(!isRejectedKotoScaleName(koto25, "Koto25_Low"));
    QVERIFY(!isRejectedKotoScaleName(koto20, "Koto25 "));
}

void TestNoteNamesScales::presetsGiveScalesWithoutWarning()
{
    const QList<ScalePreset> kotoPresets = kotoScalePresets();
    QCOMPARE(kotoPresets.first().directiveText,
             QStringLiteral(".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Koto13(Hira_D)'"));
    QCOMPARE(kotoPresets.last().directiveText,
             QStringLiteral(".scale{-10,-8,-6,-5,-3,-1,1,2,4,6,7,9,11,13,14,16,18,19,21,23,25,"
                            "26,28,30,31}'Koto25_Low'"));
    QList<int> stringCounts;
    for (const ScalePreset &preset : kotoPresets) {
        stringCounts.append(int(splitTuning(preset.tuning).size()));
        for (bool seiha : {false, true}) {
            const std::unique_ptr<NoteScale> scale(
                createScaleKoto(preset.tuning, preset.name, seiha));
            QVERIFY2(!scale->isEmpty(), qPrintable(preset.name));
        }
    }
    QCOMPARE(stringCounts, (QList<int>{13, 17, 21, 25, 25}));

    const QList<ScalePreset> sangenPresets = sangenScalePresets();
    QCOMPARE(sangenPresets.at(1).directiveText,
             QStringLiteral(".scaleSangen{4,11,16}'Sangen_2Agari'"));
    for (const ScalePreset &preset : sangenPresets) {
        const std::unique_ptr<NoteScale> ikuta(createScaleSangenIkuta(preset.tuning));
        const std::unique_ptr<NoteScale> bunka(createScaleShamisenBunka(preset.tuning));
        QVERIFY(!ikuta->isEmpty());
        QVERIFY(!bunka->isEmpty());
    }
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestNoteNamesScales::tuningNumbers()
{
    QCOMPARE(splitTuning("4,,x,-2"), (QStringList{"4", "", "x", "-2"}));
    QCOMPARE(minNumber({"3", "x", "-2"}), -2);
    QCOMPARE(minNumber({"7"}), 7);
    QCOMPARE(minNumber({}), 1000);
    QCOMPARE(maxNumber({"3", "x", "-2"}), 3);
    QCOMPARE(maxNumber({}), -1000);
    QCOMPARE(tuningPitch("12x"), 0);
    // The ends of MIDI's range still serve; a word is pitch 0 and serves.
    QVERIFY(!isTuningOutOfRange("-58,x,,69"));
    QVERIFY(isTuningOutOfRange("-59,9,16"));
    QVERIFY(isTuningOutOfRange("4,9,70"));
    QVERIFY(isTuningOutOfRange("4, 99999999999 ,16"));
}

void TestNoteNamesScales::scaleNamesOfStyle()
{
    const QStringList kinko = NoteNames::scaleNamesOfStyle(0, "Kinko_Default");
    QVERIFY(kinko.contains("RoMaru") && kinko.contains("U") && kinko.contains("ReDaiKan2"));
    QCOMPARE(kinko, NoteNames::scaleNamesOfStyle(1, QString()));
    QCOMPARE(QSet<QString>(kinko.cbegin(), kinko.cend()).size(), kinko.size());
    QVERIFY(std::is_sorted(kinko.cbegin(), kinko.cend()));

    QVERIFY(NoteNames::scaleNamesOfStyle(4, "Shinobue_Fukuhara").contains("Dot0"));
    QVERIFY(!NoteNames::scaleNamesOfStyle(4, "Shinobue_Kanji").contains("Dot0"));

    // Ikuta koto lacks the Seiha names; both have every preset's strings.
    const QStringList ikuta = NoteNames::scaleNamesOfStyle(5, QString());
    const QStringList seiha = NoteNames::scaleNamesOfStyle(6, QString());
    for (const char *name : {"Kan2", "Otsu4", "Rei", "17+++", "Prev"}) {
        QVERIFY2(ikuta.contains(name), name);
        QVERIFY2(seiha.contains(name), name);
    }
    QVERIFY(!ikuta.contains("KinWhite") && !ikuta.contains("BarOsu+"));
    QVERIFY(seiha.contains("KinWhite+++") && seiha.contains("BarOsu+++"));

    QVERIFY(NoteNames::scaleNamesOfStyle(7, QString()).contains("3-29-Sukui"));
    QVERIFY(NoteNames::scaleNamesOfStyle(9, QString()).contains("1-1#"));
    QVERIFY(NoteNames::scaleNamesOfStyle(8, QString()).contains("7b:"));
    QCOMPARE(NoteNames::scaleNamesOfStyle(10, QString()).size(), 84 + 5 * 7);
    QCOMPARE(NoteNames::scaleNamesOfStyle(11, QString()), QStringList{"QuarterBeat"});
    for (int style : {12, 13, 14, -1})
        QVERIFY(NoteNames::scaleNamesOfStyle(style, QString()).isEmpty());
}

VELMORA_TEST_MAIN(TestNoteNamesScales)

} // namespace tst_notenames_scales
#include "tst_notenames_scales.moc"
