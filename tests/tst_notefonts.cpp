// The embedded note fonts: every font file of every folder loads and holds every glyph id its
// folder's checklist (tests/fixtures/notefont-ids/<folder>.txt) names; glyphs draw ink (blanks only
// where meant), note names are one note size and distinct, stretched marks have the box length the
// glyph maps give them, marks reach their share of the names' height, rings hold what they
// circle, and a missing id draws nothing.
#include "glyphs/notefontcatalog.h"
#include "model/glyphitem.h"
#include "notenames/style_scale_names.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLineF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>

namespace tst_notefonts {

namespace {

// One note size in SVG units: note size x 4.72381 scene units per mm, over
// the glyph scale of note size x 0.095.
constexpr double NoteSizeUnits = 4.72381 / 0.095;

struct ChecklistEntry
{
    QString id;
    bool blank = false;
    bool noteName = false;
};

QList<ChecklistEntry> readChecklist(const QString &folder)
{
    QFile file(
        TestSupport::fixturePath(QStringLiteral("notefont-ids/%1.txt")).arg(folder));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<ChecklistEntry> entries;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        const QStringList words = line.split(QLatin1Char(' '));
        entries.append({words.first(), words.contains(QLatin1String("blank")),
                        words.contains(QLatin1String("name"))});
    }
    return entries;
}

struct FontFolder
{
    const char *folder;
    QStringList fonts;
};

// The folders and font files the program offers for these styles.
const QList<FontFolder> &fontFolders()
{
    static const QList<FontFolder> folders = {
        {"Common", {"Basic"}},
        {"Shakuhachi_Kinko_Simple",
         {"Kinko_Miyata_Classic", "Kinko_Semi_Trad", "Kinko_Simple_Brush", "Kinko_Simple_Miyata",
          "Kinko_Simple_Trad"}},
        {"Shakuhachi_Kinko",
         {"Kinko_Brush", "Kinko_Miyata", "Kinko_Miyata_Classic", "Kinko_Semi_Trad", "Kinko_Trad"}},
        {"Shakuhachi_Tozan_Simple", {"Tozan_Brush", "Tozan_FeltPen", "Tozan_FeltPen_Circled"}},
        {"Shakuhachi_Tozan", {"Tozan_Brush", "Tozan_FeltPen", "Tozan_FeltPen_Circled"}},
        {"Shinobue", {"Shinobue_Fukuhara", "Shinobue_Kanji", "Shinobue_Numeric"}},
        {"Koto_Ikuta", {"Koto_Brush", "Koto_Brush_Callig"}},
        {"Koto_Seiha",
         {"Koto_Brush", "Koto_Brush_Callig", "Koto_Brush_Callig_Seiha", "Koto_Brush_Seiha"}},
        {"Sangen_Ikuta",
         {"Sangen_Bold", "Sangen_Bold_Proportional", "Sangen_Brush", "Sangen_Brush_Proportional"}},
        {"Sangen_Yamada", {"Sangen_Yamada"}},
        {"Shamisen_Bunka", {"Shamisen_Brush"}},
        {"Doremi", {"Doremi_Alphabetic", "Doremi_Katakana", "Doremi_Katakana_Bold"}},
        {"Percussion", {"Percussion_Simple"}},
        {"Staff_Notation", {"Staff_Notation"}},
        {"Traverso", {"Traverso"}},
        {"Koto_Yamada", {"Koto_Brush"}},
    };
    return folders;
}

QString fontPath(const QString &folder, const QString &font)
{
    return QStringLiteral(":/notefonts/%1/%2.svg").arg(folder, font);
}

void addFontRows()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("font");
    for (const FontFolder &f : fontFolders()) {
        for (const QString &font : f.fonts)
            QTest::addRow("%s/%s", f.folder, qPrintable(font)) << QString(f.folder) << font;
    }
}

// The folder's mark parts (tests/fixtures/notefont-marks/<folder>.txt): the
// plain names the marks answer to, and each mark part's id; a "flat" mark (a
// level stroke such as 一) is measured along its width.
struct MarkList
{
    QStringList mainIds;
    QList<QPair<QString, bool>> marks;
};

MarkList readMarkList(const QString &folder)
{
    QFile file(
        TestSupport::fixturePath(QStringLiteral("notefont-marks/%1.txt")).arg(folder));
    MarkList list;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return list;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1String("//")))
            continue;
        QStringList words = line.split(QLatin1Char(' '));
        if (words.first() == QLatin1String("main"))
            list.mainIds = words.mid(1);
        else
            list.marks.append({words.first(), words.contains(QLatin1String("flat"))});
    }
    return list;
}

// Rows in `image` (drawn at `scale` pixels per unit) that hold ink, in units.
double inkHeight(const QImage &image, double scale)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 64) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0.0 : (last - first + 1) / scale;
}

// Ink height of a plain name without its marks and ring: the glyph drawn
// with each mark part's box cleared (a ringed name: what its ring holds).
double nameInkHeight(QSvgRenderer &renderer, const QString &id, double scale)
{
    const QString inside = id + QLatin1String(".inside");
    if (renderer.elementExists(inside))
        return inkHeight(NoteFontCatalog::renderGlyph(renderer, inside, scale), scale);
    QImage image = NoteFontCatalog::renderGlyph(renderer, id, scale);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (int n = 1; n < 5; ++n) {
        const QString part =
            id + (n == 1 ? QStringLiteral(".mark") : QStringLiteral(".mark%1").arg(n));
        if (renderer.elementExists(part)) {
            // Mark boxes are in the glyph's own units, as the image is.
            const QRectF box = renderer.boundsOnElement(part);
            painter.fillRect(QRectF(box.topLeft() * scale, box.size() * scale), Qt::transparent);
        }
    }
    painter.end();
    return inkHeight(image, scale);
}

QByteArray imageHash(const QImage &image)
{
    QImage copy = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char *>(copy.constBits()), copy.sizeInBytes()),
        QCryptographicHash::Md5);
}

} // namespace

class TestNoteFonts : public QObject
{
    Q_OBJECT

private slots:
    void fontHoldsEveryIdOfItsFolder_data();
    void fontHoldsEveryIdOfItsFolder();
    void fontDrawsEveryNameOfItsScales_data();
    void fontDrawsEveryNameOfItsScales();
    void glyphsDrawInkExceptBlanks_data();
    void glyphsDrawInkExceptBlanks();
    void noteNamesAreOneNoteSizeAndDistinct_data();
    void noteNamesAreOneNoteSizeAndDistinct();
    void fontsOfAFolderDifferInLook_data();
    void fontsOfAFolderDifferInLook();
    void stretchedMarksHaveTheirBoxLength_data();
    void stretchedMarksHaveTheirBoxLength();
    void staffSymbolsSitOnTheirSteps_data();
    void staffSymbolsSitOnTheirSteps();
    void marksReachTheirShareOfTheNames_data();
    void marksReachTheirShareOfTheNames();
    void ringsHoldWhatTheyCircle_data();
    void ringsHoldWhatTheyCircle();
    void missingGlyphDrawsNothing();
    void catalogListsIdsInOrderAndReportsBadFiles();
};

void TestNoteFonts::fontHoldsEveryIdOfItsFolder_data()
{
    addFontRows();
}

void TestNoteFonts::fontHoldsEveryIdOfItsFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, font);
    const QList<ChecklistEntry> checklist = readChecklist(folder);
    QVERIFY2(checklist.size() > 30, qPrintable("no checklist for " + folder));

    QSvgRenderer renderer(fontPath(folder, font));
    QVERIFY2(renderer.isValid(), qPrintable(fontPath(folder, font)));
    QStringList missing;
    for (const ChecklistEntry &entry : checklist) {
        if (!renderer.elementExists(entry.id))
            missing << entry.id;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(QLatin1String(", "))));
}

void TestNoteFonts::fontDrawsEveryNameOfItsScales_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("font");
    // Folders by notation style; staff notation and Traverso have no scales.
    const QStringList styleFolders = {"Shakuhachi_Kinko_Simple",
                                      "Shakuhachi_Kinko",
                                      "Shakuhachi_Tozan_Simple",
                                      "Shakuhachi_Tozan",
                                      "Shinobue",
                                      "Koto_Ikuta",
                                      "Koto_Seiha",
                                      "Sangen_Ikuta",
                                      "Sangen_Yamada",
                                      "Shamisen_Bunka",
                                      "Doremi",
                                      "Percussion"};
    for (const FontFolder &f : fontFolders()) {
        const int style = int(styleFolders.indexOf(QLatin1String(f.folder)));
        if (style < 0)
            continue;
        for (const QString &font : f.fonts)
            QTest::addRow("%s/%s", f.folder, qPrintable(font))
                << style << QString(f.folder) << font;
    }
}

// Every name the part's scale can give a note is a glyph of every font of its
// folder; fue names and the Seiha held presses are also drawn in their
// vertical forms.
void TestNoteFonts::fontDrawsEveryNameOfItsScales()
{
    QFETCH(int, style);
    QFETCH(QString, folder);
    QFETCH(QString, font);
    const QStringList names = NoteNames::scaleNamesOfStyle(style, font);
    QVERIFY(!names.isEmpty());
    QSvgRenderer renderer(fontPath(folder, font));
    QStringList missing;
    for (const QString &name : names) {
        if (!renderer.elementExists(name))
            missing << name;
        const bool vertical =
            style == 4 || (style == 6 && name.startsWith(QLatin1String("BarOsu")));
        if (vertical && !renderer.elementExists(name + QLatin1String("_V")))
            missing << name + QLatin1String("_V");
    }
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(QLatin1String(", "))));
}

void TestNoteFonts::glyphsDrawInkExceptBlanks_data()
{
    addFontRows();
}

void TestNoteFonts::glyphsDrawInkExceptBlanks()
{
    QFETCH(QString, folder);
    QFETCH(QString, font);
    QSvgRenderer renderer(fontPath(folder, font));
    QStringList empty, inkedBlanks;
    for (const ChecklistEntry &entry : readChecklist(folder)) {
        const QImage image = NoteFontCatalog::renderGlyph(renderer, entry.id, 2.0);
        const int ink = NoteFontCatalog::inkedPixels(image);
        if (entry.blank && ink > 0)
            inkedBlanks << entry.id;
        else if (!entry.blank && ink < 4)
            empty << entry.id;
    }
    QVERIFY2(empty.isEmpty(), qPrintable("draw nothing: " + empty.join(QLatin1String(", "))));
    QVERIFY2(inkedBlanks.isEmpty(),
             qPrintable("blanks with ink: " + inkedBlanks.join(QLatin1String(", "))));
}

void TestNoteFonts::noteNamesAreOneNoteSizeAndDistinct_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("font");
    for (const FontFolder &f : fontFolders()) {
        // Staff-notation heads are a staff space tall, not a note size.
        if (QLatin1String(f.folder) == QLatin1String("Common") ||
            QLatin1String(f.folder) == QLatin1String("Staff_Notation"))
            continue;
        for (const QString &font : f.fonts)
            QTest::addRow("%s/%s", f.folder, qPrintable(font)) << QString(f.folder) << font;
    }
}

void TestNoteFonts::noteNamesAreOneNoteSizeAndDistinct()
{
    QFETCH(QString, folder);
    QFETCH(QString, font);
    QSvgRenderer renderer(fontPath(folder, font));
    // A plain numeral reads the same in both writings, so each writing is compared apart.
    // Bunka notation tells the strings apart by the line a numeral sits on, so
    // its names are compared per string.
    const bool perString = folder == QLatin1String("Shamisen_Bunka");
    QHash<QString, QHash<QByteArray, QString>> seen;
    int names = 0;
    for (const ChecklistEntry &entry : readChecklist(folder)) {
        if (!entry.noteName)
            continue;
        ++names;
        // A name with marks or a ring around them grows sideways (a ring both
        // ways) by what its marks need; a plain name is one note size.
        const QRectF bounds = renderer.boundsOnElement(entry.id);
        const bool ringed = renderer.elementExists(entry.id + QLatin1String(".circle"));
        const bool marked = ringed || renderer.elementExists(entry.id + QLatin1String(".mark"));
        QVERIFY2(bounds.width() >= 40 && bounds.width() <= (marked ? 100 : 60) &&
                     bounds.height() >= 40 && bounds.height() <= (ringed ? 100 : 60),
                 qPrintable(QStringLiteral("%1 is %2 x %3 units")
                                .arg(entry.id)
                                .arg(bounds.width())
                                .arg(bounds.height())));
        const QByteArray hash = imageHash(NoteFontCatalog::renderGlyph(renderer, entry.id, 1.0));
        const QString group = (entry.id.endsWith(QLatin1String("_V")) ? "V" : "H") +
                              (perString ? entry.id.section(QLatin1Char('-'), 0, 0) : QString());
        QHash<QByteArray, QString> &writing = seen[group];
        QVERIFY2(!writing.contains(hash),
                 qPrintable(entry.id + " looks the same as " + writing.value(hash)));
        writing.insert(hash, entry.id);
    }
    QVERIFY(names >= 4);
}

void TestNoteFonts::fontsOfAFolderDifferInLook_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("glyph");
    QTest::newRow("Kinko simple") << "Shakuhachi_Kinko_Simple"
                                  << "Ro";
    QTest::newRow("Kinko") << "Shakuhachi_Kinko"
                           << "TsuMeri";
    QTest::newRow("Tozan simple") << "Shakuhachi_Tozan_Simple"
                                  << "Ha";
    QTest::newRow("Tozan") << "Shakuhachi_Tozan"
                           << "Chi";
    QTest::newRow("fue") << "Shinobue"
                         << "#1Dot";
    QTest::newRow("koto, Ikuta") << "Koto_Ikuta"
                                 << "Kin+";
    QTest::newRow("koto, Seiha") << "Koto_Seiha"
                                 << "7++";
    QTest::newRow("sangen, Ikuta") << "Sangen_Ikuta"
                                   << "3-14#-Sukui";
    QTest::newRow("sol-fa") << "Doremi"
                            << "#Fa4";
}

void TestNoteFonts::fontsOfAFolderDifferInLook()
{
    QFETCH(QString, folder);
    QFETCH(QString, glyph);
    QHash<QByteArray, QString> seen;
    for (const FontFolder &f : fontFolders()) {
        if (QLatin1String(f.folder) != folder)
            continue;
        for (const QString &font : f.fonts) {
            QSvgRenderer renderer(fontPath(folder, font));
            const QByteArray hash = imageHash(NoteFontCatalog::renderGlyph(renderer, glyph, 1.0));
            QVERIFY2(!seen.contains(hash),
                     qPrintable(font + " draws " + glyph + " like " + seen.value(hash)));
            seen.insert(hash, font);
        }
    }
    QVERIFY(seen.size() >= 2);
}

void TestNoteFonts::stretchedMarksHaveTheirBoxLength_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<double>("noteSizes");
    const QString kinko = QStringLiteral("Shakuhachi_Kinko_Simple");
    const QString tozan = QStringLiteral("Shakuhachi_Tozan");
    for (const QString &suffix : {QString(), QStringLiteral("_V")}) {
        QTest::addRow("RepeatQuarter%s", qPrintable(suffix))
            << kinko << "RepeatQuarter" + suffix << 1.0;
        QTest::addRow("RepeatHalf%s", qPrintable(suffix)) << kinko << "RepeatHalf" + suffix << 2.0;
        QTest::addRow("RepeatWhole%s", qPrintable(suffix))
            << kinko << "RepeatWhole" + suffix << 4.0;
        QTest::addRow("TremoloWhole%s", qPrintable(suffix))
            << kinko << "TremoloWhole" + suffix << 3.0;
        QTest::addRow("TremoloHalf%s", qPrintable(suffix))
            << kinko << "TremoloHalf" + suffix << 2.0;
        QTest::addRow("Tremolo1Half%s", qPrintable(suffix))
            << kinko << "Tremolo1Half" + suffix << 2.0;
        QTest::addRow("RestWhole%s", qPrintable(suffix)) << tozan << "RestWhole" + suffix << 4.0;
        QTest::addRow("RestHalf%s", qPrintable(suffix)) << tozan << "RestHalf" + suffix << 2.0;
        QTest::addRow("Bar3Quarter%s", qPrintable(suffix))
            << tozan << "Bar3Quarter" + suffix << 3.0;
    }
    QTest::newRow("Suru") << kinko << "Suru" << 0.6;
    QTest::newRow("Suru, common") << "Common"
                                  << "Suru" << 0.6;
    QTest::newRow("LongRepeat2") << "Common"
                                 << "LongRepeat2" << 1.0;
    QTest::newRow("LongRepeat1Tail") << "Common"
                                     << "LongRepeat1Tail" << 1.0;
    QTest::newRow("LongRepeat2_V") << "Common"
                                   << "LongRepeat2_V" << 1.0;
    QTest::newRow("TupletTopHead") << "Common"
                                   << "TupletTopHead" << 1.0;
    QTest::newRow("TupletLeftTail") << "Common"
                                    << "TupletLeftTail" << 1.0;
}

void TestNoteFonts::stretchedMarksHaveTheirBoxLength()
{
    QFETCH(QString, folder);
    QFETCH(QString, glyph);
    QFETCH(double, noteSizes);
    const QString font = folder == QLatin1String("Common") ? QStringLiteral("Basic")
                         : folder.startsWith(QLatin1String("Shakuhachi_Tozan"))
                             ? QStringLiteral("Tozan_Brush")
                             : QStringLiteral("Kinko_Simple_Brush");
    QSvgRenderer renderer(fontPath(folder, font));
    QVERIFY(renderer.elementExists(glyph));
    const QRectF bounds = renderer.boundsOnElement(glyph);
    // Horizontal-writing forms run along x, vertical ("_V") forms along y.
    const bool vertical =
        glyph.endsWith(QLatin1String("_V")) || glyph.startsWith(QLatin1String("TupletLeft"));
    const double along = vertical ? bounds.height() : bounds.width();
    QVERIFY2(qAbs(along - noteSizes * NoteSizeUnits) <= 0.02 * noteSizes * NoteSizeUnits,
             qPrintable(QStringLiteral("%1 is %2 units along").arg(glyph).arg(along)));
}

void TestNoteFonts::staffSymbolsSitOnTheirSteps_data()
{
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<double>("centre");
    QTest::addColumn<double>("height");
    // The program puts a staff glyph's top (vertical writing: left) edge at
    // the note's step minus these distances in note sizes; the symbol's
    // middle must lie on the step. A negative height is not checked.
    QTest::newRow("QuarterNote") << "QuarterNote" << 0.125 << 0.25;
    QTest::newRow("WholeNote_V") << "WholeNote_V" << 0.125 << 0.25;
    QTest::newRow("GraceNote") << "GraceNote" << 0.095 << 0.19;
    QTest::newRow("Sharp") << "Sharp" << 0.265 << -1.0;
    QTest::newRow("Sharp_V") << "Sharp_V" << 0.265 << -1.0;
    QTest::newRow("Natural") << "Natural" << 0.265 << -1.0;
    QTest::newRow("DoubleSharp") << "DoubleSharp" << 0.12 << -1.0;
    QTest::newRow("Sharp_Grace") << "Sharp_Grace" << 0.215 << -1.0;
    QTest::newRow("Dot") << "Dot" << 0.05 << 0.1;
    QTest::newRow("KeySharp1") << "KeySharp1" << 0.335 << -1.0;
    QTest::newRow("Stem") << "Stem" << 0.5 << 1.0;
}

void TestNoteFonts::staffSymbolsSitOnTheirSteps()
{
    QFETCH(QString, glyph);
    QFETCH(double, centre);
    QFETCH(double, height);
    QSvgRenderer renderer(fontPath("Staff_Notation", "Staff_Notation"));
    const bool vertical = glyph.endsWith(QLatin1String("_V"));
    const QRectF bounds = renderer.boundsOnElement(glyph);
    if (height > 0) {
        const double across = vertical ? bounds.width() : bounds.height();
        QVERIFY2(qAbs(across - height * NoteSizeUnits) <= 0.04 * height * NoteSizeUnits,
                 qPrintable(QStringLiteral("%1 is %2 units across").arg(glyph).arg(across)));
    }
    // The middle of the ink, measured from the placed edge.
    const double scale = 8.0;
    const QImage image = NoteFontCatalog::renderGlyph(renderer, glyph, scale);
    QVERIFY(!image.isNull());
    int first = -1, last = -1;
    const int lines = vertical ? image.width() : image.height();
    for (int i = 0; i < lines; ++i) {
        bool inked = false;
        const int others = vertical ? image.height() : image.width();
        for (int j = 0; j < others && !inked; ++j)
            inked = qAlpha(vertical ? image.pixel(i, j) : image.pixel(j, i)) > 128;
        if (inked) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    QVERIFY(first >= 0);
    // Vertical writing places the left edge below the step: the middle lies
    // `centre` to the right of it.
    const double middle = (first + last + 1) / 2.0 / scale;
    QVERIFY2(qAbs(middle - centre * NoteSizeUnits) <= 0.6,
             qPrintable(QStringLiteral("%1: middle %2 units from the edge, expected %3")
                            .arg(glyph)
                            .arg(middle)
                            .arg(centre * NoteSizeUnits)));
}

void TestNoteFonts::marksReachTheirShareOfTheNames_data()
{
    // Folders whose glyphs carry marks have a mark list; the common marks,
    // staff notation and percussion have none.
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("font");
    for (const FontFolder &f : fontFolders()) {
        if (readMarkList(QLatin1String(f.folder)).mainIds.isEmpty())
            continue;
        for (const QString &font : f.fonts)
            QTest::addRow("%s/%s", f.folder, qPrintable(font)) << QString(f.folder) << font;
    }
}

// Every mark part the generator listed (press, meri and string marks,
// accidentals, technique kana) is at least 60% of the median height of its
// font's plain names, measured on the drawn ink of the names; and each
// mark part lies inside its glyph's frame.
void TestNoteFonts::marksReachTheirShareOfTheNames()
{
    QFETCH(QString, folder);
    QFETCH(QString, font);
    const MarkList list = readMarkList(folder);
    QSvgRenderer renderer(fontPath(folder, font));
    constexpr double scale = 8.0;
    QList<double> heights;
    for (const QString &id : list.mainIds) {
        QVERIFY2(renderer.elementExists(id), qPrintable(id));
        heights.append(nameInkHeight(renderer, id, scale));
    }
    std::sort(heights.begin(), heights.end());
    const double nameHeight = heights.at(heights.size() / 2);
    QVERIFY(nameHeight > 10.0);
    QVERIFY(!list.marks.isEmpty());
    QStringList small;
    for (const auto &[part, flat] : list.marks) {
        QVERIFY2(renderer.elementExists(part), qPrintable(part + " missing"));
        const QRectF box = renderer.boundsOnElement(part);
        const double size = flat ? box.width() : box.height();
        if (size < 0.6 * nameHeight)
            small << QStringLiteral("%1 %2").arg(part).arg(size, 0, 'f', 1);
        const QString glyph = part.section(QLatin1Char('.'), 0, -2);
        const QRectF frame = renderer.boundsOnElement(glyph);
        QVERIFY2(box.left() >= 0 && box.top() >= 0 && box.right() <= frame.width() &&
                     box.bottom() <= frame.height(),
                 qPrintable(part + " leaves its frame"));
    }
    QVERIFY2(small.isEmpty(), qPrintable(QStringLiteral("names %1 units tall; below 60%: %2")
                                             .arg(nameHeight, 0, 'f', 1)
                                             .arg(small.join(QLatin1String(", ")))));
}

void TestNoteFonts::ringsHoldWhatTheyCircle_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("least");
    // Every name of the circled face is ringed; the others ring RoMaru or
    // the fue's Maru names only.
    for (const char *folder : {"Shakuhachi_Tozan", "Shakuhachi_Tozan_Simple"})
        QTest::addRow("%s/circled", folder) << folder << "Tozan_FeltPen_Circled" << 50;
    QTest::newRow("Kinko RoMaru") << "Shakuhachi_Kinko"
                                  << "Kinko_Brush" << 1;
    QTest::newRow("fue Maru") << "Shinobue"
                              << "Shinobue_Kanji" << 4;
}

// In a ringed glyph every inked pixel of what the ring holds lies within
// the ring's inner edge, which is found on the drawn ring itself.
void TestNoteFonts::ringsHoldWhatTheyCircle()
{
    QFETCH(QString, folder);
    QFETCH(QString, font);
    QFETCH(int, least);
    QSvgRenderer renderer(fontPath(folder, font));
    constexpr double scale = 6.0;
    int rings = 0;
    for (const ChecklistEntry &entry : readChecklist(folder)) {
        const QString ringId = entry.id + QLatin1String(".circle");
        if (!renderer.elementExists(ringId))
            continue;
        ++rings;
        const QRectF ringBox = renderer.boundsOnElement(ringId);
        const QImage ring = NoteFontCatalog::renderGlyph(renderer, ringId, scale);
        // Inner edge: the first inked pixel left of the centre on the middle row.
        const int row = ring.height() / 2;
        int x = ring.width() / 2;
        while (x > 0 && qAlpha(ring.pixel(x, row)) <= 64)
            --x;
        const double inner = (ring.width() / 2.0 - x - 1) / scale;
        QVERIFY2(inner > 10.0, qPrintable(ringId));
        const QPointF centre = ringBox.center();
        const QString insideId = entry.id + QLatin1String(".inside");
        QVERIFY2(renderer.elementExists(insideId), qPrintable(insideId));
        const QRectF insideBox = renderer.boundsOnElement(insideId);
        const QImage inside = NoteFontCatalog::renderGlyph(renderer, insideId, scale);
        double farthest = 0.0;
        for (int y = 0; y < inside.height(); ++y) {
            for (int px = 0; px < inside.width(); ++px) {
                if (qAlpha(inside.pixel(px, y)) <= 64)
                    continue;
                const QPointF at = insideBox.topLeft() + QPointF(px + 0.5, y + 0.5) / scale;
                farthest = qMax(farthest, QLineF(centre, at).length());
            }
        }
        QVERIFY2(farthest <= inner,
                 qPrintable(QStringLiteral("%1: ink %2 units from the centre, ring inside at %3")
                                .arg(entry.id)
                                .arg(farthest)
                                .arg(inner)));
    }
    QVERIFY2(rings >= least, qPrintable(QStringLiteral("%1 ringed glyphs").arg(rings)));
}

void TestNoteFonts::missingGlyphDrawsNothing()
{
    const auto renderer =
        std::make_shared<QSvgRenderer>(fontPath("Shakuhachi_Tozan", "Tozan_Brush"));
    QVERIFY(!renderer->elementExists(QStringLiteral("NoSuchGlyph")));
    QVERIFY(NoteFontCatalog::renderGlyph(*renderer, QStringLiteral("NoSuchGlyph"), 1.0).isNull());

    // As the program draws a glyph: a scene item on the font with the element id;
    // the log names the id it lacks.
    TestSupport::MessageCapture log;
    GlyphItem item(renderer, QStringLiteral("NoSuchGlyph"));
    QVERIFY(item.boundingRect().isEmpty());
    QVERIFY(log.contains(QStringLiteral("Note font has no glyph NoSuchGlyph")));
    QImage image(120, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    painter.end();
    QCOMPARE(NoteFontCatalog::inkedPixels(image), 0);
}

void TestNoteFonts::catalogListsIdsInOrderAndReportsBadFiles()
{
    const QStringList ids = NoteFontCatalog::glyphIds(fontPath("Common", "Basic"));
    // Ids that are not XML names are kept exactly.
    for (const char *id : {"3", "+", "64", "D.C.", "8_Italic", "-_tempo"})
        QVERIFY2(ids.contains(QLatin1String(id)), id);
    QVERIFY(ids.indexOf(QStringLiteral("LPar")) < ids.indexOf(QStringLiteral("RPar")));
    QCOMPARE(ids.count(QStringLiteral("Dot")), 1);

    QString error;
    QVERIFY(NoteFontCatalog::glyphIds(QStringLiteral(":/notefonts/none.svg"), &error).isEmpty());
    QVERIFY(!error.isEmpty());

    QTemporaryFile broken;
    QVERIFY(broken.open());
    broken.write("<svg><g id=\"a\"></svg>");
    broken.close();
    error.clear();
    QVERIFY(NoteFontCatalog::glyphIds(broken.fileName(), &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

VELMORA_TEST_MAIN(TestNoteFonts)

} // namespace tst_notefonts
#include "tst_notefonts.moc"
