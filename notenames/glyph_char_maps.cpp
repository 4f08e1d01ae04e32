// The nine glyph character maps. Ids are laid out in runs of consecutive
// code points; a code point left out of every run stands for no id.
#include "notenames/glyph_char_maps.h"

#include <QDebug>
#include <QStringList>

#include <initializer_list>
#include <utility>
#include <vector>

namespace NoteNames {

namespace {

// The maps, as flags, that hold a shared mark.
enum Holder : unsigned
{
    Kinko = 1u << 0,
    Tozan = 1u << 1,
    Circled = 1u << 2,
    ShinobueNumeric = 1u << 3,
    ShinobueKanji = 1u << 4,
    Koto = 1u << 5,
    Sangen = 1u << 6,
    Shamisen = 1u << 7,
    Doremi = 1u << 8,
};
constexpr unsigned shakuhachi = Kinko | Tozan | Circled;
constexpr unsigned shinobue = ShinobueNumeric | ShinobueKanji;
constexpr unsigned allMaps = shakuhachi | shinobue | Koto | Sangen | Shamisen | Doremi;
constexpr unsigned allButDoremi = allMaps & ~unsigned(Doremi);
constexpr unsigned allButShamisenDoremi = allButDoremi & ~unsigned(Shamisen);

struct Run
{
    char16_t first;
    QStringList ids;
};

struct SharedRun
{
    char16_t first;
    QStringList ids;
    unsigned holders;
};

void insertRun(GlyphCharMap &map, char16_t first, const QStringList &ids)
{
    char16_t code = first;
    for (const QString &id : ids)
        map.insert(id, QString(QChar(code++)));
}

void insertRuns(GlyphCharMap &map, const std::vector<Run> &runs)
{
    for (const Run &run : runs)
        insertRun(map, run.first, run.ids);
}

// Marks drawn alike in several notations, with the maps that hold them.
const std::vector<SharedRun> &sharedRuns()
{
    static const std::vector<SharedRun> runs = {
        {0x00C0, {"RepeatWhole"}, Kinko | Tozan},
        {0x00C2, {"RepeatHalf", "RepeatQuarter", "Repeat8th"}, Kinko | Tozan},
        {0x00C5, {"Repeat"}, shakuhachi | shinobue | Doremi},
        {0x00D0,
         {"Beam8", "Beam16", "Beam32", "Beam64", "Beam128", "Beam4Tozan", "Beam8Tozan"},
         shakuhachi | shinobue | Doremi},
        {0x00E0, {"QuarterRestKinko"}, Kinko | shinobue | Koto},
        {0x00E2,
         {"WholeRestTozan", "HalfRestTozan", "QuarterRestTozan", "8thRestTozan", "16thRestTozan",
          "32thRestTozan", "64thRestTozan"},
         Tozan | Circled},
        {0x00EA, {"Lpar_V", "Rpar_V", "Bar_V", "Tie_V"}, allButDoremi},
        {0x00EE, {"Kan_V", "Otsu_V"}, shakuhachi},
        {0x00F0, {"Dot1_V", "Dot2_V"}, allButShamisenDoremi},
        {0x00F2, {"Tremolo_V"}, allButDoremi},
        {0x00F3, {"Repeat_V"}, shakuhachi | shinobue},
        {0x00F4,
         {"Beam8_V", "Beam16_V", "Beam32_V", "Beam64_V", "Beam128_V", "Beam4Tozan_V",
          "Beam8Tozan_V"},
         shakuhachi | shinobue},
        {0x00FB, {"WholeRestTozan_V", "HalfRestTozan_V"}, Tozan | Circled},
        {0x00FD, {"Breath_V"}, allButShamisenDoremi},
        {0x0100, {"Lpar", "Rpar", "Bar", "Tie"}, allMaps},
        {0x0104, {"Kan", "Otsu"}, shakuhachi},
        {0x0106, {"Dot1", "Dot2"}, allMaps},
        {0x0108, {"Nayashi"}, shakuhachi | shinobue | Doremi},
        {0x0109, {"Ru", "Koro", "Hara"}, shakuhachi},
        {0x010C, {"Undefined"}, allMaps},
        {0x010D, {"Breath", "Tremolo"}, allButDoremi},
        {0x0121, {"U"}, shakuhachi},
        {0x0142, {"Prev"}, allMaps},
        {0x0156, {"ChiKari"}, shakuhachi},
    };
    return runs;
}

GlyphCharMap *newMapWithSharedMarks(Holder holder)
{
    auto *map = new GlyphCharMap;
    for (const SharedRun &run : sharedRuns()) {
        if (run.holders & holder)
            insertRun(*map, run.first, run.ids);
    }
    return map;
}

// The sixty shinobue numerals N1..N60, in the order the code points follow.
const QStringList &shinobueNumerals()
{
    static const QStringList numerals = {
        "Dot5",   "Dot#5",  "Dotb6",  "Dot6",   "Dot#6",  "Dotb7", "Dot7",   "1",      "#1",
        "b2",     "2",      "#2",     "b3",     "3",      "4",     "#4",     "b5",     "5",
        "#5",     "b6",     "6",      "#6",     "b7",     "7",     "1-Dot",  "1Dot",   "#1Dot",
        "b2Dot",  "2Dot",   "#2Dot",  "b3Dot",  "3Dot",   "4Dot",  "#4Dot",  "b5Dot",  "5Dot",
        "#5Dot",  "b6Dot",  "6Dot",   "#6Dot",  "b7Dot",  "7Dot",  "1-Dot2", "1Dot2",  "#1Dot2",
        "b2Dot2", "2Dot2",  "#2Dot2", "b3Dot2", "3Dot2",  "4Dot2", "#4Dot2", "b5Dot2", "5Dot2",
        "#5Dot2", "b6Dot2", "6Dot2",  "#6Dot2", "b7Dot2", "7Dot2"};
    return numerals;
}

// A stretch of numerals: N`from`..N`to` (1-based) from code point `first`.
struct NumeralRun
{
    int from;
    int to;
    char16_t first;
};

void insertNumerals(GlyphCharMap &map, std::initializer_list<NumeralRun> runs)
{
    for (const NumeralRun &run : runs)
        insertRun(map, run.first, shinobueNumerals().mid(run.from - 1, run.to - run.from + 1));
}

// The numeric font's layout, which Doremi shares.
void insertNumericNumerals(GlyphCharMap &map)
{
    insertNumerals(map, {{1, 4, 0x0410}, {5, 7, 0x0415}, {8, 60, 0x0419}});
}

GlyphCharMap *newShinobueMap()
{
    GlyphCharMap *map = newMapWithSharedMarks(ShinobueNumeric);
    insertRuns(*map, {{0x0468, {"7Maru"}}, {0x047B, {"7DotMaru"}}, {0x0495, {"Dot0", "0", "8"}}});
    return map;
}

// Each base followed on the next three code points by its raised forms.
void insertRaisedRun(GlyphCharMap &map, char16_t first, const QStringList &bases)
{
    char16_t code = first;
    for (const QString &base : bases)
        insertRun(map, std::exchange(code, char16_t(code + 4)),
                  {base, base + "+", base + "++", base + "+++"});
}

// Each position followed by its "-Hajiki" and "-Sukui" forms.
void insertPositionRun(GlyphCharMap &map, char16_t first, const QStringList &positions)
{
    char16_t code = first;
    for (const QString &position : positions)
        insertRun(map, std::exchange(code, char16_t(code + 3)),
                  {position, position + "-Hajiki", position + "-Sukui"});
}

QStringList withPrefix(const QString &prefix, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result.append(prefix + name);
    return result;
}

} // namespace

GlyphCharMap *getStaffNoteMapKinko()
{
    GlyphCharMap *map = newMapWithSharedMarks(Kinko);
    insertRuns(*map, {{0x0111,
                       {"Re-Low", "ChiMeri-Low", "Chi-Low", "RiDaiMeri-Low", "RiChuMeri-Low",
                        "RoDaiMeri", "RoMeri", "Ro", "TsuMeri", "TsuChuMeri", "Tsu"}},
                      {0x011D, {"ReMeri", "Re", "ChiMeri"}},
                      {0x0122,
                       {"Chi", "RiMeri", "Ri", "Hi", "Ha", "IMeri", "I", "HiGo", "RoKari", "HiMeri",
                        "HiChuMeri", "USan", "HiGoDaiMeri", "Ra"}},
                      {0x0131,
                       {"HiGoChuMeri", "HaNi", "HaSan", "Ta", "Shi", "TsuDaiKan", "ReMeriDaiKan",
                        "ReDaiKan", "ChiMeriDaiKan", "Ku", "ChiDaiKan", "HiMeriDaiKan",
                        "HiChuMeriDaiKan", "HiDaiKan"}},
                      {0x0141, {"RiChuMeri"}},
                      {0x0150, {"Fu", "To", "Ni", "Nu"}},
                      {0x0155, {"Na"}},
                      {0x0158, {"U-", "Te", "RoMaru"}},
                      {0x015C, {"No", "ReDaiMeri", "ReDaiMeri2", "ReDaiKan2"}}});
    return map;
}

GlyphCharMap *getStaffNoteMapTozan()
{
    GlyphCharMap *map = newMapWithSharedMarks(Tozan);
    insertRuns(
        *map,
        {{0x0260,
          {"Re-Low", "ChiMeri-Low", "Chi-Low", "HaDaiMeri-Low", "HaChuMeri-Low", "RoDaiMeri",
           "RoMeri", "Ro", "TsuMeri", "TsuChuMeri", "Tsu"}},
         {0x026C, {"ReMeri", "Re", "ChiMeri"}},
         {0x0270, {"Chi", "Ri", "HaMeri", "HaChuMeri", "Ha", "HiMeri", "Hi", "RoKari", "I"}},
         {0x027A,
          {"Pi", "Ta", "Shi", "TsuDaiKan", "ReMeriDaiKan", "ReDaiKan", "ChiMeriDaiKan", "ChiDaiKan",
           "HaMeriDaiKan", "HaChuMeriDaiKan", "HaDaiKan", "Ra", "Rin", "Fu", "ReDaiMeri"}},
         {0x029E, {"HiDaiMeri"}},
         // Names the Tozan scale gives beyond the runs above: the low octave,
         // the Kara names and the second I.
         {0x02A0,
          {"I2", "Ka", "Kara", "KaraChuMeri", "KaraMeri", "Ku", "ReMeri-Low", "Ro-Low",
           "RoDaiMeri-Low", "RoMeri-Low", "Tsu-Low", "TsuChuMeri-Low", "TsuMeri-Low"}}});
    return map;
}

GlyphCharMap *getStaffNoteMapTozan_Circled()
{
    // The plain Tozan map but for the circled font's own meri forms; the
    // Tozan repeat marks are not part of that font.
    GlyphCharMap *map = getStaffNoteMapTozan();
    for (const char *id : {"RepeatWhole", "RepeatHalf", "RepeatQuarter", "Repeat8th"})
        map->remove(QString::fromLatin1(id));
    insertRun(*map, 0x0290,
              {"ChiMeri-Low", "HaDaiMeri-Low", "RoDaiMeri", "RoMeri", "TsuMeri", "ReMeri",
               "ChiMeri", "HaMeri", "HiMeri", "ReMeriDaiKan", "ChiMeriDaiKan", "HaMeriDaiKan",
               "ReDaiMeri", "HiDaiMeri"});
    return map;
}

GlyphCharMap *getStaffNoteMapShinobue_Numeric()
{
    qDebug("getStaffNoteMapShinobue_Numeric: entered.");
    GlyphCharMap *map = newShinobueMap();
    insertNumericNumerals(*map);
    return map;
}

GlyphCharMap *getStaffNoteMapShinobue_Kanji()
{
    qDebug("getStaffNoteMapShinobue_Kanji: entered.");
    GlyphCharMap *map = newShinobueMap();
    insertNumerals(*map, {{1, 21, 0x0451},
                          {22, 22, 0x0498},
                          {23, 24, 0x0466},
                          {25, 42, 0x0469},
                          {43, 49, 0x047C},
                          {50, 60, 0x048A}});
    return map;
}

GlyphCharMap *getStaffNoteMapKoto()
{
    GlyphCharMap *map = newMapWithSharedMarks(Koto);
    insertRuns(*map, {{0x00FE, {"Pizz_V"}},
                      {0x0180, {"Sukui", "Osu+", "Osu++", "Osu+++", "Hanasu", "Pizz", "X"}},
                      // U+01B9 is left out: "7+" starts one above a plain run.
                      {0x01B8, {"7"}},
                      {0x01BA, {"7+", "7++", "7+++"}}});
    insertRaisedRun(*map, 0x01A0, {"1", "2", "3", "4", "5", "6"});
    insertRaisedRun(*map, 0x01BD, {"8", "9", "10", "11", "12", "13", "14", "15", "16", "17"});
    insertRaisedRun(*map, 0x01F0, {"To", "I", "Kin"});
    insertRaisedRun(*map, 0x10A0, {"Otsu1", "Otsu2", "Otsu3", "Otsu4", "Rei", "Ichi", "Ni", "San"});
    insertRaisedRun(*map, 0x10D0, {"Shi", "Go", "Roku", "Nana", "Kan1", "Kan2"});
    // The Seiha school's white Kin and held presses.
    insertRun(
        *map, 0x10E8,
        {"KinWhite", "KinWhite+", "KinWhite++", "KinWhite+++", "BarOsu+", "BarOsu++", "BarOsu+++"});
    return map;
}

GlyphCharMap *getStaffNoteMapSangen()
{
    GlyphCharMap *map = newMapWithSharedMarks(Sangen);
    insertRuns(*map, {{0x018A, {"SuriAgeSmall", "SuriSageSmall"}},
                      {0x018D, {"UtsuSmall"}},
                      {0x0190, {"Hajiki", "Sukui", "SuriAge", "SuriSage"}}});
    const QStringList lowPositions = {"1", "2",  "3", "4",  "4#", "5",  "6", "7",
                                      "8", "8#", "9", "10", "11", "12", "13"};
    insertPositionRun(*map, 0x1E00, withPrefix("1-", lowPositions));
    insertPositionRun(*map, 0x1E2D, withPrefix("2-", lowPositions));
    insertPositionRun(*map, 0x1E5A,
                      withPrefix("3-", lowPositions + QStringList{"14", "14#", "15"}));
    insertPositionRun(*map, 0x049D,
                      withPrefix("3-", {"16", "17", "18", "18#", "19", "20", "21", "22", "23", "24",
                                        "24#", "25"}));
    // The high positions of strings 1 and 2 and the top of string 3, which
    // the tunings reach beyond the runs above.
    const QStringList highPositions = {"14", "14#", "15", "16", "17", "18", "18#", "19"};
    insertPositionRun(*map, 0x04C1, withPrefix("1-", highPositions));
    insertPositionRun(*map, 0x04D9, withPrefix("2-", highPositions));
    insertPositionRun(*map, 0x04F1, withPrefix("3-", {"26", "27", "28", "28#", "29"}));
    insertRun(*map, 0x0500, {"SuriSageAge"});
    return map;
}

GlyphCharMap *getStaffNoteMapShamisen()
{
    GlyphCharMap *map = newMapWithSharedMarks(Shamisen);
    insertRun(*map, 0x1100,
              {"B-0",       "B-1",       "B-2",      "B-3",     "B-#",     "B-4",     "B-5",
               "B-6",       "B-7",       "B-8",      "B-9",     "B-b",     "B-10",    "B-11",
               "B-12",      "B-13",      "B-1#",     "B-14",    "B-15",    "B-Sukui", "B-Hajiki",
               "B-Utsu",    "B-Suri",    "B-Fing1",  "B-Fing2", "B-Fing3", "B-Line",  "B-Line_V",
               "B-String1", "B-String2", "B-String3"});
    // Positions the tunings reach past 15.
    insertRun(*map, 0x111F, {"B-16", "B-17", "B-18", "B-19"});
    return map;
}

GlyphCharMap *getStaffNoteMapDoremi()
{
    GlyphCharMap *map = newMapWithSharedMarks(Doremi);
    insertNumericNumerals(*map);
    return map;
}

GlyphCharMap *getStaffNoteMapOfPart(bool staffNoteOutput, int notationStyle,
                                    const QString &noteFontName)
{
    if (!staffNoteOutput)
        return new GlyphCharMap;
    switch (notationStyle) {
    case 0:
    case 1:
        return getStaffNoteMapKinko();
    case 2:
    case 3:
        return noteFontName == QLatin1String("Tozan_FeltPen_Circled")
                   ? getStaffNoteMapTozan_Circled()
                   : getStaffNoteMapTozan();
    case 4:
        return noteFontName == QLatin1String("Shinobue_Numeric") ? getStaffNoteMapShinobue_Numeric()
                                                                 : getStaffNoteMapShinobue_Kanji();
    case 5:
    case 6:
        return getStaffNoteMapKoto();
    case 7:
        return getStaffNoteMapSangen();
    case 9:
        return getStaffNoteMapShamisen();
    case 10:
        return getStaffNoteMapDoremi();
    default:
        return new GlyphCharMap; // Yamada sangen and styles without note names
    }
}

} // namespace NoteNames
