// Shakuhachi (Kinko, Tozan) and fue scales. The tables name the tones of a
// shakuhachi whose "Ro" sounds D4 and a fue whose "1" sounds C4; other
// instrument lengths are served by the part's instrument key. Per key the
// first name is the default, the others are alternative fingerings,
// techniques and spellings, spelled as the note fonts name their glyphs.
#include "notenames/scale_builders.h"

#include <vector>

namespace NoteNames {

namespace {

struct FixedRow
{
    int key;
    QStringList names;
};

struct FueRow
{
    int key;
    QStringList names;
    // The "Shinobue_Fukuhara" font's own order and names; empty: as `names`.
    QStringList fukuharaNames;
};

const std::vector<FixedRow> &kinkoRows()
{
    static const std::vector<FixedRow> rows = {
        {-3, {"Re-Low"}},
        {-2, {"ChiMeri-Low"}},
        {-1, {"Chi-Low"}},
        {0, {"RiDaiMeri-Low"}},
        {1, {"RiChuMeri-Low"}},
        {2, {"RoDaiMeri"}},
        {3, {"RoMeri"}},
        {4, {"Ro", "Nayashi", "RoMaru"}},
        {5, {"TsuMeri"}},
        {6, {"TsuChuMeri"}},
        {7, {"Tsu", "ReDaiMeri", "ReDaiMeri2", "Ru", "Nayashi"}},
        {8, {"ReMeri"}},
        {9, {"Re", "Ru", "Nayashi"}},
        {10, {"ChiMeri", "U", "Ru"}},
        {11, {"Chi", "Ru", "Nayashi"}},
        {12, {"RiMeri", "Ha", "Hara", "ChiKari", "Ru"}},
        {13, {"RiChuMeri"}},
        {14, {"Ri", "Hi", "Ha", "Hara", "Koro", "Nayashi"}},
        {15, {"IMeri", "RoMeri"}},
        {16, {"Ro", "I", "HiGo", "Koro", "Nayashi"}},
        {17, {"TsuMeri", "RoKari", "Ra", "No", "Nayashi"}},
        {18, {"TsuChuMeri"}},
        {19, {"Tsu", "ReDaiMeri", "ReDaiMeri2", "Ru", "Nayashi"}},
        {20, {"ReMeri", "Nu"}},
        {21, {"Re", "Ru", "Nayashi"}},
        {22, {"ChiMeri", "U-", "Ru"}},
        {23, {"Chi", "Ru", "To", "Nayashi"}},
        {24, {"HiMeri", "USan", "Na"}},
        {25, {"HiChuMeri", "Fu"}},
        {26, {"Hi", "HiGoDaiMeri", "Ni", "Nayashi"}},
        {27, {"IMeri", "HiGoChuMeri"}},
        {28, {"Ha", "I", "HiGo"}},
        {29, {"HaSan", "Ta", "HaNi"}},
        {30, {"Shi"}},
        {31, {"TsuDaiKan"}},
        {32, {"ReMeriDaiKan", "Te"}},
        {33, {"ReDaiKan", "ReDaiKan2"}},
        {34, {"ChiMeriDaiKan", "Ku"}},
        {35, {"ChiDaiKan"}},
        {36, {"HiMeriDaiKan"}},
        {37, {"HiChuMeriDaiKan"}},
        {38, {"HiDaiKan"}},
    };
    return rows;
}

const std::vector<FixedRow> &tozanRows()
{
    static const std::vector<FixedRow> rows = {
        {-10, {"RoDaiMeri-Low"}},
        {-9, {"RoMeri-Low"}},
        {-8, {"Ro-Low"}},
        {-7, {"TsuMeri-Low"}},
        {-6, {"TsuChuMeri-Low"}},
        {-5, {"Tsu-Low"}},
        {-4, {"ReMeri-Low"}},
        {-3, {"Re-Low"}},
        {-2, {"ChiMeri-Low"}},
        {-1, {"Chi-Low"}},
        {0, {"HaDaiMeri-Low"}},
        {1, {"HaChuMeri-Low"}},
        {2, {"RoDaiMeri"}},
        {3, {"RoMeri"}},
        {4, {"Ro", "Nayashi"}},
        {5, {"TsuMeri"}},
        {6, {"TsuChuMeri"}},
        {7, {"Tsu", "ReDaiMeri", "Ru"}},
        {8, {"ReMeri"}},
        {9, {"Re", "Ru"}},
        {10, {"ChiMeri", "U", "Ru"}},
        {11, {"Chi", "Ru"}},
        {12, {"HaMeri", "ChiKari"}},
        {13, {"HaChuMeri"}},
        {14, {"Ha", "Ra", "Koro", "HiDaiMeri"}},
        {15, {"HiMeri", "RoMeri", "Ri", "Koro"}},
        {16, {"Ro", "Hi", "Rin", "Fu", "Koro"}},
        {17, {"TsuMeri", "RoKari", "Ra"}},
        {18, {"TsuChuMeri"}},
        {19, {"Tsu", "ReDaiMeri", "Ru"}},
        {20, {"ReMeri"}},
        {21, {"Re", "Ru"}},
        {22, {"ChiMeri", "U", "Ru"}},
        {23, {"Chi", "Ru"}},
        {24, {"HaMeri", "I", "I2", "KaraMeri", "ChiKari"}},
        {25, {"HaChuMeri", "KaraChuMeri"}},
        {26, {"Ha", "Kara", "Ka", "Ra", "HiDaiMeri"}},
        {27, {"HiMeri"}},
        {28, {"Pi", "Hi"}},
        {29, {"Ta"}},
        {30, {"Shi"}},
        {31, {"TsuDaiKan"}},
        {32, {"ReMeriDaiKan"}},
        {33, {"ReDaiKan"}},
        {34, {"ChiMeriDaiKan", "Ku"}},
        {35, {"ChiDaiKan"}},
        {36, {"HaMeriDaiKan"}},
        {37, {"HaChuMeriDaiKan"}},
        {38, {"HaDaiKan"}},
    };
    return rows;
}

const std::vector<FueRow> &fueRows()
{
    static const std::vector<FueRow> rows = {
        {-3, {"Dot5"}, {}},
        {-2, {"Dot#5", "Dotb6"}, {"Dotb6", "Dot#5"}},
        {-1, {"Dot6"}, {}},
        {0, {"Dotb7", "Dot#6"}, {"Dotb7", "Dot#6", "Dot0"}},
        {1, {"Dot7"}, {}},
        {2, {"1"}, {}},
        {3, {"#1", "b2"}, {"b2", "#1"}},
        {4, {"2"}, {}},
        {5, {"b3", "#2"}, {}},
        {6, {"3"}, {}},
        {7, {"4"}, {}},
        {8, {"#4", "b5"}, {"b5", "#4"}},
        {9, {"5"}, {}},
        {10, {"#5", "b6"}, {"b6", "#5"}},
        {11, {"6"}, {}},
        {12, {"b7", "#6", "0"}, {}},
        {13, {"7", "7Maru"}, {}},
        {14, {"1Dot", "1-Dot"}, {}},
        {15, {"#1Dot", "b2Dot"}, {"b2Dot", "#1Dot"}},
        {16, {"2Dot"}, {}},
        {17, {"b3Dot", "#2Dot"}, {}},
        {18, {"3Dot"}, {}},
        {19, {"4Dot"}, {}},
        {20, {"#4Dot", "b5Dot"}, {"b5Dot", "#4Dot"}},
        {21, {"5Dot"}, {}},
        {22, {"#5Dot", "b6Dot"}, {"b6Dot", "#5Dot"}},
        {23, {"6Dot"}, {}},
        {24, {"b7Dot", "#6Dot"}, {}},
        {25, {"7Dot", "7DotMaru"}, {}},
        {26, {"1Dot2", "1-Dot2", "8"}, {"8", "1Dot2", "1-Dot2"}},
        {27, {"b2Dot2", "#1Dot2"}, {}},
        {28, {"2Dot2"}, {}},
        {29, {"b3Dot2", "#2Dot2"}, {}},
        {30, {"3Dot2"}, {}},
        {31, {"4Dot2"}, {}},
        {32, {"b5Dot2", "#4Dot2"}, {}},
        {33, {"5Dot2"}, {}},
        {34, {"#5Dot2", "b6Dot2"}, {"b6Dot2", "#5Dot2"}},
        {35, {"6Dot2"}, {}},
        {36, {"b7Dot2"}, {}},
        {37, {"7Dot2"}, {}},
    };
    return rows;
}

NoteScale *scaleFromRows(const std::vector<FixedRow> &rows)
{
    auto *scale = new NoteScale;
    for (const FixedRow &row : rows)
        scale->setNames(row.key, row.names);
    return scale;
}

} // namespace

NoteScale *createScaleKinko(bool kinkoDefaultU)
{
    NoteScale *scale = scaleFromRows(kinkoRows());
    if (kinkoDefaultU)
        scale->setNames(10, {"U", "ChiMeri", "Ru"});
    return scale;
}

NoteScale *createScaleTozan()
{
    return scaleFromRows(tozanRows());
}

NoteScale *createScaleShinobue(const QString &noteFontName)
{
    const bool fukuhara = noteFontName == QLatin1String("Shinobue_Fukuhara");
    auto *scale = new NoteScale;
    for (const FueRow &row : fueRows()) {
        const bool own = fukuhara && !row.fukuharaNames.isEmpty();
        scale->setNames(row.key, own ? row.fukuharaNames : row.names);
    }
    return scale;
}

} // namespace NoteNames
