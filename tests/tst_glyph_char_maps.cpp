// Glyph character maps: their sizes, the code points the maps are laid out
// by, the invariants of the one shared code space, the choice of map for a
// part, the trace lines of the shinobue builders, and a character for every
// name the scales give.
#include "notenames/glyph_char_maps.h"
#include "notenames/scale_builders.h"
#include "notenames/scale_presets.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QHash>
#include <QSet>

#include <memory>

namespace tst_glyph_char_maps {

using namespace NoteNames;

using MapFactory = GlyphCharMap *(*)();

namespace {

struct NamedMap
{
    const char *name;
    MapFactory factory;
};

const NamedMap allMaps[] = {
    {"Kinko", getStaffNoteMapKinko},
    {"Tozan", getStaffNoteMapTozan},
    {"Tozan circled", getStaffNoteMapTozan_Circled},
    {"Shinobue numeric", getStaffNoteMapShinobue_Numeric},
    {"Shinobue kanji", getStaffNoteMapShinobue_Kanji},
    {"Koto", getStaffNoteMapKoto},
    {"Sangen", getStaffNoteMapSangen},
    {"Shamisen", getStaffNoteMapShamisen},
    {"Doremi", getStaffNoteMapDoremi},
};

// The ranges the code space is divided into.
const QList<QPair<char16_t, char16_t>> codeRanges = {
    {0x00C0, 0x00FE}, {0x0100, 0x010E}, {0x0111, 0x015F}, {0x0180, 0x0186}, {0x018A, 0x0193},
    {0x01A0, 0x01FB}, {0x10A0, 0x10EE}, {0x0260, 0x02AC}, {0x0410, 0x044D}, {0x0451, 0x0498},
    {0x049D, 0x0500}, {0x1E00, 0x1E8F}, {0x1100, 0x1122}};

bool inCodeRanges(char16_t code)
{
    for (const auto &range : codeRanges) {
        if (code >= range.first && code <= range.second)
            return true;
    }
    return false;
}

// Ids a shared mark has: those in the common marks' ranges, and the three
// shared marks among the Kinko names.
bool isSharedMarkCode(char16_t code)
{
    return (code >= 0x00C0 && code <= 0x010E && code != 0x00FE) || code == 0x0121 ||
           code == 0x0142 || code == 0x0156;
}

std::unique_ptr<GlyphCharMap> build(MapFactory factory)
{
    return std::unique_ptr<GlyphCharMap>(factory());
}

QSet<char16_t> codesOf(const GlyphCharMap &map)
{
    QSet<char16_t> codes;
    for (const QString &value : map)
        codes.insert(value.at(0).unicode());
    return codes;
}

// Koto and sangen tunings a part can hold beside the presets: the ready-made
// scales of the scale editor's templates, (tuning, scale name).
const QList<QPair<QString, QString>> &templateTunings()
{
    static const QList<QPair<QString, QString>> tunings = {
        {"4,9,16", "Sangen_Honchoshi"},
        {"4,11,16", "Sangen_2Agari"},
        {"4,9,14", "Sangen_3Sagari"},
        {"2,4,6,7,9,11,13,14,16,18,19,21,23", "Doremi_C"},
        {"4,-3,-1,0,4,5,9,11,12,16,17,21,23", "Hira_D"},
        {"9,2,4,5,9,10,14,16,17,21,22,26,28", "Hira_G"},
        {"4,-3,-1,0,4,5,9,10,14,16,17,21,23", "HanKumoi_D"},
        {"9,2,4,5,9,10,14,15,19,21,22,26,28", "HanKumoi_G"},
        {"4,-3,-2,2,4,5,9,10,14,16,17,21,23", "Kumoi_D"},
        {"9,2,3,7,9,10,14,15,19,21,22,26,28", "Kumoi_G"},
        {"4,-3,-2,2,4,5,9,10,14,16,17,21,22", "HonKumoi_D"},
        {"9,2,3,7,9,10,14,15,19,21,22,26,27", "HonKumoi_G"},
        {"4,-3,-1,2,4,5,9,11,14,16,17,21,23", "Kokin"},
        {"4,-3,-1,0,4,6,7,11,12,16,18,19,23", "Nakazora"},
        {"9,2,4,5,9,11,12,16,17,21,23,24,28", "Nakazora_G"},
        {"4,-3,-1,1,4,6,9,11,13,16,18,21,23", "Nogi_D"},
        {"9,2,4,6,9,11,14,16,18,21,23,26,28", "Nogi_G"},
        {"4,-3,-1,2,4,6,9,11,14,16,18,21,23", "Gaku_D"},
        {"9,2,4,7,9,11,14,16,19,21,23,26,28", "Gaku_G"},
        {"-11,-8,-6,-5,-1,1,4,6,7,11,13,16,18", "HaruNoUmi"},
        {"-3,2,4,5,7,9,11,12,14,16,17,19,21", "DeEnShi"},
        {"-10,-8,-6,-5,-7,-9,1,2,4,6,7,9,11,13,14,16,18", "Doremi17_C"},
        {"-22,-20,-19,-17,-15,-13,-12,-10,-8,-7,-5,-3,-1,0,2,4,5", "DenEnShi17"},
    };
    return tunings;
}

// Every tuning a koto or sangen part can get: the default, the presets
// and the templates of its kind.
QList<QPair<QString, QString>> tuningsOf(bool koto)
{
    QList<QPair<QString, QString>> tunings;
    const QList<ScalePreset> presets = koto ? kotoScalePresets() : sangenScalePresets();
    for (const ScalePreset &preset : presets)
        tunings.append({preset.tuning, preset.name});
    for (const auto &tuning : templateTunings()) {
        if ((tuning.first.count(QLatin1Char(',')) == 2) != koto)
            tunings.append(tuning);
    }
    return tunings;
}

void collectNames(QSet<QString> &names, NoteScale *built)
{
    const std::unique_ptr<NoteScale> scale(built);
    for (const QStringList &list : scale->table())
        names.unite(QSet<QString>(list.cbegin(), list.cend()));
}

} // namespace

class TestGlyphCharMaps : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void codePoints_data();
    void codePoints();
    void unusedCodePoints_data();
    void unusedCodePoints();
    void oneCodeSpaceAcrossAllMaps();
    void commonMarksAreInEveryMap();
    void callsBuildDistinctEqualMaps();
    void mapOfPart_data();
    void mapOfPart();
    void onlyShinobueBuildersTrace();
    void everyScaleNameHasACharacter_data();
    void everyScaleNameHasACharacter();
};

void TestGlyphCharMaps::sizes_data()
{
    QTest::addColumn<MapFactory>("factory");
    QTest::addColumn<int>("size");
    const int sizes[] = {104, 109, 105, 101, 101, 170, 269, 50, 77};
    int index = 0;
    for (const NamedMap &map : allMaps)
        QTest::newRow(map.name) << map.factory << sizes[index++];
}

void TestGlyphCharMaps::sizes()
{
    QFETCH(MapFactory, factory);
    QFETCH(int, size);
    QCOMPARE(int(build(factory)->size()), size);
}

void TestGlyphCharMaps::codePoints_data()
{
    QTest::addColumn<MapFactory>("factory");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("code");

    QTest::newRow("Kinko Ro") << MapFactory(getStaffNoteMapKinko) << "Ro" << 0x0118;
    QTest::newRow("Kinko U") << MapFactory(getStaffNoteMapKinko) << "U" << 0x0121;
    QTest::newRow("Kinko RiChuMeri") << MapFactory(getStaffNoteMapKinko) << "RiChuMeri" << 0x0141;
    QTest::newRow("Kinko ReDaiKan2") << MapFactory(getStaffNoteMapKinko) << "ReDaiKan2" << 0x015F;
    QTest::newRow("Kinko rest") << MapFactory(getStaffNoteMapKinko) << "QuarterRestKinko" << 0x00E0;
    QTest::newRow("Tozan Ro") << MapFactory(getStaffNoteMapTozan) << "Ro" << 0x0267;
    QTest::newRow("Tozan U") << MapFactory(getStaffNoteMapTozan) << "U" << 0x0121;
    QTest::newRow("Tozan ReDaiMeri") << MapFactory(getStaffNoteMapTozan) << "ReDaiMeri" << 0x0288;
    QTest::newRow("Tozan HiDaiMeri") << MapFactory(getStaffNoteMapTozan) << "HiDaiMeri" << 0x029E;
    QTest::newRow("Tozan Pi") << MapFactory(getStaffNoteMapTozan) << "Pi" << 0x027A;
    QTest::newRow("Tozan RepeatWhole")
        << MapFactory(getStaffNoteMapTozan) << "RepeatWhole" << 0x00C0;
    QTest::newRow("circled U") << MapFactory(getStaffNoteMapTozan_Circled) << "U" << 0x0121;
    QTest::newRow("circled Ro") << MapFactory(getStaffNoteMapTozan_Circled) << "Ro" << 0x0267;
    QTest::newRow("circled ChiMeri-Low")
        << MapFactory(getStaffNoteMapTozan_Circled) << "ChiMeri-Low" << 0x0290;
    QTest::newRow("circled ReDaiMeri")
        << MapFactory(getStaffNoteMapTozan_Circled) << "ReDaiMeri" << 0x029C;
    QTest::newRow("circled HiDaiMeri")
        << MapFactory(getStaffNoteMapTozan_Circled) << "HiDaiMeri" << 0x029D;
    QTest::newRow("circled rest") << MapFactory(getStaffNoteMapTozan_Circled) << "HalfRestTozan_V"
                                  << 0x00FC;
    QTest::newRow("numeric 1") << MapFactory(getStaffNoteMapShinobue_Numeric) << "1" << 0x0419;
    QTest::newRow("numeric Dot6") << MapFactory(getStaffNoteMapShinobue_Numeric) << "Dot6"
                                  << 0x0413;
    QTest::newRow("numeric Dot#6")
        << MapFactory(getStaffNoteMapShinobue_Numeric) << "Dot#6" << 0x0415;
    QTest::newRow("numeric Dot7") << MapFactory(getStaffNoteMapShinobue_Numeric) << "Dot7"
                                  << 0x0417;
    QTest::newRow("numeric #6") << MapFactory(getStaffNoteMapShinobue_Numeric) << "#6" << 0x0427;
    QTest::newRow("numeric 7Dot2")
        << MapFactory(getStaffNoteMapShinobue_Numeric) << "7Dot2" << 0x044D;
    QTest::newRow("numeric 8") << MapFactory(getStaffNoteMapShinobue_Numeric) << "8" << 0x0497;
    QTest::newRow("kanji 1") << MapFactory(getStaffNoteMapShinobue_Kanji) << "1" << 0x0458;
    QTest::newRow("kanji #6") << MapFactory(getStaffNoteMapShinobue_Kanji) << "#6" << 0x0498;
    QTest::newRow("kanji b7") << MapFactory(getStaffNoteMapShinobue_Kanji) << "b7" << 0x0466;
    QTest::newRow("kanji 7Maru") << MapFactory(getStaffNoteMapShinobue_Kanji) << "7Maru" << 0x0468;
    QTest::newRow("kanji 1-Dot") << MapFactory(getStaffNoteMapShinobue_Kanji) << "1-Dot" << 0x0469;
    QTest::newRow("kanji b3Dot2") << MapFactory(getStaffNoteMapShinobue_Kanji) << "b3Dot2"
                                  << 0x0482;
    QTest::newRow("kanji 3Dot2") << MapFactory(getStaffNoteMapShinobue_Kanji) << "3Dot2" << 0x048A;
    QTest::newRow("kanji Dot0") << MapFactory(getStaffNoteMapShinobue_Kanji) << "Dot0" << 0x0495;
    QTest::newRow("koto 1") << MapFactory(getStaffNoteMapKoto) << "1" << 0x01A0;
    QTest::newRow("koto 6+++") << MapFactory(getStaffNoteMapKoto) << "6+++" << 0x01B7;
    QTest::newRow("koto 7") << MapFactory(getStaffNoteMapKoto) << "7" << 0x01B8;
    QTest::newRow("koto 7+") << MapFactory(getStaffNoteMapKoto) << "7+" << 0x01BA;
    QTest::newRow("koto 17+++") << MapFactory(getStaffNoteMapKoto) << "17+++" << 0x01E4;
    QTest::newRow("koto Kin+++") << MapFactory(getStaffNoteMapKoto) << "Kin+++" << 0x01FB;
    QTest::newRow("koto Otsu1") << MapFactory(getStaffNoteMapKoto) << "Otsu1" << 0x10A0;
    QTest::newRow("koto Kan2+++") << MapFactory(getStaffNoteMapKoto) << "Kan2+++" << 0x10E7;
    QTest::newRow("koto X") << MapFactory(getStaffNoteMapKoto) << "X" << 0x0186;
    QTest::newRow("koto Pizz_V") << MapFactory(getStaffNoteMapKoto) << "Pizz_V" << 0x00FE;
    QTest::newRow("sangen UtsuSmall") << MapFactory(getStaffNoteMapSangen) << "UtsuSmall" << 0x018D;
    QTest::newRow("sangen 1-1") << MapFactory(getStaffNoteMapSangen) << "1-1" << 0x1E00;
    QTest::newRow("sangen 2-1") << MapFactory(getStaffNoteMapSangen) << "2-1" << 0x1E2D;
    QTest::newRow("sangen 3-15-Sukui")
        << MapFactory(getStaffNoteMapSangen) << "3-15-Sukui" << 0x1E8F;
    QTest::newRow("sangen 3-16") << MapFactory(getStaffNoteMapSangen) << "3-16" << 0x049D;
    QTest::newRow("sangen 3-25-Sukui")
        << MapFactory(getStaffNoteMapSangen) << "3-25-Sukui" << 0x04C0;
    QTest::newRow("shamisen B-0") << MapFactory(getStaffNoteMapShamisen) << "B-0" << 0x1100;
    QTest::newRow("shamisen B-String3")
        << MapFactory(getStaffNoteMapShamisen) << "B-String3" << 0x111E;
    QTest::newRow("Doremi 1") << MapFactory(getStaffNoteMapDoremi) << "1" << 0x0419;
    QTest::newRow("Doremi Dot7") << MapFactory(getStaffNoteMapDoremi) << "Dot7" << 0x0417;
    QTest::newRow("Doremi Nayashi") << MapFactory(getStaffNoteMapDoremi) << "Nayashi" << 0x0108;
}

void TestGlyphCharMaps::codePoints()
{
    QFETCH(MapFactory, factory);
    QFETCH(QString, id);
    QFETCH(int, code);
    const auto map = build(factory);
    QVERIFY2(map->contains(id), qPrintable(id));
    QCOMPARE(map->value(id), QString(QChar(code)));
}

void TestGlyphCharMaps::unusedCodePoints_data()
{
    QTest::addColumn<MapFactory>("factory");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QStringList>("absentIds");

    QTest::newRow("Kinko") << MapFactory(getStaffNoteMapKinko) << QList<int>{0x00C1, 0x011C}
                           << QStringList{"WholeRestTozan", "HiDaiMeri"};
    QTest::newRow("Tozan") << MapFactory(getStaffNoteMapTozan)
                           << QList<int>{0x026B, 0x026F, 0x0279, 0x029F}
                           << QStringList{"QuarterRestKinko"};
    QTest::newRow("circled") << MapFactory(getStaffNoteMapTozan_Circled)
                             << QList<int>{0x00C0, 0x0261, 0x0288, 0x029E}
                             << QStringList{"RepeatWhole", "Repeat8th"};
    QTest::newRow("numeric") << MapFactory(getStaffNoteMapShinobue_Numeric)
                             << QList<int>{0x0414, 0x0418} << QStringList{"Kan", "U"};
    QTest::newRow("kanji") << MapFactory(getStaffNoteMapShinobue_Kanji)
                           << QList<int>{0x0483, 0x0489, 0x0427} << QStringList{"Kan_V"};
    QTest::newRow("koto") << MapFactory(getStaffNoteMapKoto) << QList<int>{0x01B9, 0x10EF}
                          << QStringList{"KinWhite_V", "BarOsu+_V"};
    QTest::newRow("shamisen") << MapFactory(getStaffNoteMapShamisen) << QList<int>{0x00F0, 0x00FD}
                              << QStringList{"Dot1_V", "Breath_V"};
    QTest::newRow("Doremi") << MapFactory(getStaffNoteMapDoremi)
                            << QList<int>{0x0414, 0x0418, 0x00EA}
                            << QStringList{"Lpar_V", "Beam8_V"};
}

void TestGlyphCharMaps::unusedCodePoints()
{
    QFETCH(MapFactory, factory);
    QFETCH(QList<int>, codes);
    QFETCH(QStringList, absentIds);
    const auto map = build(factory);
    const QSet<char16_t> used = codesOf(*map);
    for (int code : codes)
        QVERIFY2(!used.contains(char16_t(code)), qPrintable(QString::number(code, 16)));
    for (const QString &id : absentIds)
        QVERIFY2(!map->contains(id), qPrintable(id));
}

// Over all nine maps: every value one UTF-16 unit inside the code space's
// ranges, no character standing for two ids, and every shared mark on the
// same character wherever it appears.
void TestGlyphCharMaps::oneCodeSpaceAcrossAllMaps()
{
    QHash<char16_t, QString> idOfCode;
    QHash<QString, char16_t> sharedCodeOfId;
    for (const NamedMap &named : allMaps) {
        const auto map = build(named.factory);
        for (auto it = map->cbegin(); it != map->cend(); ++it) {
            const QString where = QLatin1String(named.name) + QLatin1String(": ") + it.key();
            QVERIFY2(it.value().size() == 1, qPrintable(where));
            const char16_t code = it.value().at(0).unicode();
            QVERIFY2(!QChar::isSurrogate(code), qPrintable(where));
            QVERIFY2(inCodeRanges(code), qPrintable(where));

            const QString known = idOfCode.value(code);
            QVERIFY2(known.isNull() || known == it.key(),
                     qPrintable(where + QLatin1String(" shares its character with ") + known));
            idOfCode.insert(code, it.key());

            if (sharedCodeOfId.contains(it.key()) || isSharedMarkCode(code)) {
                const char16_t first = sharedCodeOfId.value(it.key(), code);
                QVERIFY2(first == code, qPrintable(where));
                sharedCodeOfId.insert(it.key(), code);
            }
        }
    }
    QCOMPARE(sharedCodeOfId.size(), 58);
}

void TestGlyphCharMaps::commonMarksAreInEveryMap()
{
    const QMap<QString, int> common = {{"Lpar", 0x0100},      {"Rpar", 0x0101}, {"Bar", 0x0102},
                                       {"Tie", 0x0103},       {"Dot1", 0x0106}, {"Dot2", 0x0107},
                                       {"Undefined", 0x010C}, {"Prev", 0x0142}};
    for (const NamedMap &named : allMaps) {
        const auto map = build(named.factory);
        for (auto it = common.cbegin(); it != common.cend(); ++it)
            QVERIFY2(map->value(it.key()) == QString(QChar(it.value())),
                     qPrintable(QLatin1String(named.name) + QLatin1String(": ") + it.key()));
    }
}

void TestGlyphCharMaps::callsBuildDistinctEqualMaps()
{
    for (const NamedMap &named : allMaps) {
        const auto first = build(named.factory);
        const auto second = build(named.factory);
        QVERIFY(first.get() != second.get());
        QCOMPARE(*first, *second);
    }
}

void TestGlyphCharMaps::mapOfPart_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("font");
    QTest::addColumn<MapFactory>("expected"); // null: the empty map

    const MapFactory none = nullptr;
    QTest::newRow("Kinko trad") << true << 1 << "Kinko_Default" << MapFactory(getStaffNoteMapKinko);
    QTest::newRow("Tozan") << true << 2 << "Tozan_FeltPen" << MapFactory(getStaffNoteMapTozan);
    QTest::newRow("Tozan circled")
        << true << 3 << "Tozan_FeltPen_Circled" << MapFactory(getStaffNoteMapTozan_Circled);
    QTest::newRow("circled in other case")
        << true << 2 << "tozan_feltpen_circled" << MapFactory(getStaffNoteMapTozan);
    QTest::newRow("Shinobue numeric")
        << true << 4 << "Shinobue_Numeric" << MapFactory(getStaffNoteMapShinobue_Numeric);
    QTest::newRow("Shinobue Fukuhara")
        << true << 4 << "Shinobue_Fukuhara" << MapFactory(getStaffNoteMapShinobue_Kanji);
    QTest::newRow("Koto Seiha") << true << 6 << "" << MapFactory(getStaffNoteMapKoto);
    QTest::newRow("Sangen Ikuta") << true << 7 << "" << MapFactory(getStaffNoteMapSangen);
    QTest::newRow("Sangen Yamada") << true << 8 << "" << none;
    QTest::newRow("Bunka") << true << 9 << "" << MapFactory(getStaffNoteMapShamisen);
    QTest::newRow("Doremi") << true << 10 << "" << MapFactory(getStaffNoteMapDoremi);
    QTest::newRow("Percussion") << true << 11 << "" << none;
    QTest::newRow("staff notation") << true << 12 << "" << none;
    QTest::newRow("Traverso") << true << 13 << "" << none;
    QTest::newRow("no staff-note output") << false << 0 << "Kinko_Default" << none;
}

void TestGlyphCharMaps::mapOfPart()
{
    QFETCH(bool, output);
    QFETCH(int, style);
    QFETCH(QString, font);
    QFETCH(MapFactory, expected);
    const std::unique_ptr<GlyphCharMap> map(getStaffNoteMapOfPart(output, style, font));
    QVERIFY(map);
    if (!expected) {
        QVERIFY(map->isEmpty());
        QVERIFY(map->value("Undefined").isEmpty());
        return;
    }
    QCOMPARE(*map, *build(expected));
}

void TestGlyphCharMaps::onlyShinobueBuildersTrace()
{
    for (const NamedMap &named : allMaps) {
        TestSupport::MessageCapture capture;
        build(named.factory);
        const MapFactory factory = named.factory;
        if (factory == MapFactory(getStaffNoteMapShinobue_Numeric))
            QCOMPARE(capture.lines(), QStringList{"getStaffNoteMapShinobue_Numeric: entered."});
        else if (factory == MapFactory(getStaffNoteMapShinobue_Kanji))
            QCOMPARE(capture.lines(), QStringList{"getStaffNoteMapShinobue_Kanji: entered."});
        else
            QVERIFY2(capture.lines().isEmpty(), named.name);
    }
}

void TestGlyphCharMaps::everyScaleNameHasACharacter_data()
{
    QTest::addColumn<MapFactory>("factory");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("prefix");
    QSet<QString> kinko, tozan, numeric, kanji, koto, sangen, shamisen;
    collectNames(kinko, createScaleKinko(false));
    collectNames(kinko, createScaleKinko(true));
    collectNames(tozan, createScaleTozan());
    collectNames(numeric, createScaleShinobue(QStringLiteral("Shinobue_Numeric")));
    collectNames(kanji, createScaleShinobue(QStringLiteral("Shinobue_Kanji")));
    collectNames(kanji, createScaleShinobue(QStringLiteral("Shinobue_Fukuhara")));
    for (const auto &[tuning, name] : tuningsOf(true)) {
        for (bool seiha : {false, true})
            collectNames(koto,
                         createScaleKoto(tuning, name, seiha, nullptr, ScaleNameWarning::Suppress));
    }
    for (const auto &tuning : tuningsOf(false)) {
        collectNames(sangen, createScaleSangenIkuta(tuning.first));
        collectNames(shamisen, createScaleShamisenBunka(tuning.first));
    }
    const auto sorted = [](const QSet<QString> &set) {
        QStringList list(set.cbegin(), set.cend());
        list.sort();
        return list;
    };
    QTest::newRow("Kinko") << MapFactory(getStaffNoteMapKinko) << sorted(kinko) << QString();
    QTest::newRow("Tozan") << MapFactory(getStaffNoteMapTozan) << sorted(tozan) << QString();
    QTest::newRow("circled") << MapFactory(getStaffNoteMapTozan_Circled) << sorted(tozan)
                             << QString();
    QTest::newRow("numeric") << MapFactory(getStaffNoteMapShinobue_Numeric) << sorted(numeric)
                             << QString();
    QTest::newRow("kanji") << MapFactory(getStaffNoteMapShinobue_Kanji) << sorted(kanji)
                           << QString();
    QTest::newRow("koto") << MapFactory(getStaffNoteMapKoto) << sorted(koto) << QString();
    QTest::newRow("sangen") << MapFactory(getStaffNoteMapSangen) << sorted(sangen) << QString();
    // Bunka names are looked up by position: "2-5" as "B-5".
    QTest::newRow("shamisen") << MapFactory(getStaffNoteMapShamisen) << sorted(shamisen)
                              << QStringLiteral("B");
}

// Every name the scale builders give with the default tunings, the presets
// and the templates has a character in the map its export uses, so no
// exported note name falls back to "Undefined".
void TestGlyphCharMaps::everyScaleNameHasACharacter()
{
    QFETCH(MapFactory, factory);
    QFETCH(QStringList, names);
    QFETCH(QString, prefix);
    QVERIFY(names.size() > 10);
    const auto map = build(factory);
    QStringList undefined;
    for (const QString &name : names) {
        const QString id = prefix.isEmpty() ? name : prefix + name.mid(1);
        if (!name.isEmpty() && !map->contains(id) && !undefined.contains(id))
            undefined << id;
    }
    QVERIFY2(undefined.isEmpty(), qPrintable(QStringLiteral("%1 undefined: %2")
                                                 .arg(undefined.size())
                                                 .arg(undefined.join(QLatin1String(", ")))));
}

VELMORA_TEST_MAIN(TestGlyphCharMaps)

} // namespace tst_glyph_char_maps
#include "tst_glyph_char_maps.moc"
