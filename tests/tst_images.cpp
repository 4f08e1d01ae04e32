// The embedded pictures: every icon path of the note-directive palette as
// the palette names it (the koto, sangen and bunka entries without ".png"),
// the pictures of koto note names with their fallback, and the window icon.
// Each picture must load and show something: a blank or wrongly sized file
// means the generator lost its glyph.
#include "support/testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>

namespace tst_images {

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void pictureLoads_data();
    void pictureLoads();
    void namesWithoutPictureFallBack();
    void windowIconComesFromTheDrawing();
    void imagesFolderHoldsOnlyTheTable();
};

namespace {

// The palette's icon paths, group by group, as the palette writes them.
const QStringList &paletteIconPaths()
{
    static const QStringList paths = [] {
        QStringList list;
        auto add = [&](const QStringList &names, bool suffix) {
            for (const QString &name : names)
                list << QStringLiteral(":/images/") + name +
                            (suffix ? QStringLiteral(".png") : QString());
        };
        // Inserted symbols, common symbols, shakuhachi and shinobue symbols.
        add({"LPar", "RPar", "GrayLPar", "GrayRPar", "RestKinko", "Suru", "WhiteSpaceBefore",
             "WhiteSpaceAfter", "KinkoRa"},
            true);
        add({"Scoop", "Fall", "Doit", "Plop", "SlideInBelow", "SlideInAbove", "SlideOutUp",
             "SlideOutDown", "SlideInBelowRough", "SlideInAboveRough", "SlideOutUpRough",
             "SlideOutDownRough"},
            true);
        add({"Tilda", "SuriTozan", "Effect_C", "Effect_Fall", "Effect_Rise", "Effect_S",
             "Effect_Sink", "Ru", "Bar", "Kan_Paren", "Otsu_Paren", "Breath_Paren_V", "HoleNo_1",
             "HoleNo_2", "HoleNo_3", "HoleNo_4", "HoleNo_5", "BracketBegin", "BracketEnd"},
            true);
        // Koto, sangen and bunka: written without the suffix.
        add({"Kesu",
             "Tsukiiro",
             "Hikiiro",
             "Sukui2",
             "Yuri",
             "OshiHanashi",
             "A",
             "ChirashiZume",
             "ChirashiZumeReverse",
             "ChirashiZumeSeiha",
             "Waren",
             "WarenReverse",
             "Waren_Seiha",
             "ZooLeft",
             "ZooRight",
             "SuriZumeLeft",
             "SuriZumeRight",
             "Oshi",
             "Oshi2",
             "Oshi3",
             "Seiha_Oshi",
             "Seiha_Oshi2",
             "Seiha_Oshi3"},
            false);
        add({"SangenSuriAge", "SangenSuriSage", "BunkaUtsu"}, false);
        add({"BunkaSukui", "BunkaHajiki", "BunkaUtsu", "BunkaSuri", "BunkaFing1", "BunkaFing2",
             "BunkaFing3"},
            false);
        // Attributes, transpose, the eight scales, repeat symbols.
        add({"Pizz", "Invisible", "transpose"}, true);
        for (int i = 0; i < 8; ++i)
            add({"scale"}, true);
        add({"noPrev", "Simile", "LongRepeat1", "LongRepeat2", "LongRepeat3", "LongRepeat4",
             "LongRepeatAccel", "LongRepeatBeat1", "LongRepeatBeat2", "StepUp", "StepDown"},
            true);
        return list;
    }();
    return paths;
}

const QStringList &kotoNamePictures()
{
    static const QStringList names = [] {
        QStringList list;
        for (int i = 1; i <= 17; ++i)
            list << QString::number(i);
        list << "To"
             << "I"
             << "Kin"
             << "Osu+"
             << "Osu++"
             << "Osu+++"
             << "Hanasu"
             << "X"
             << "Prev"
             << "Sukui"
             << "White";
        return list;
    }();
    return names;
}

// Pixels that are neither transparent nor white: the ink of the picture.
int inkPixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int ink = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) > 64 &&
                (qRed(pixel) < 200 || qGreen(pixel) < 200 || qBlue(pixel) < 200))
                ++ink;
        }
    }
    return ink;
}

} // namespace

void TestImages::pictureLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("blank");
    QCOMPARE(paletteIconPaths().size(), 95);
    QCOMPARE(QSet<QString>(paletteIconPaths().cbegin(), paletteIconPaths().cend()).size(), 87);
    int entry = 0;
    for (const QString &path : paletteIconPaths())
        QTest::addRow("palette %02d %s", ++entry, qPrintable(path.mid(9))) << path << false;
    QCOMPARE(kotoNamePictures().size(), 28);
    for (const QString &name : kotoNamePictures())
        QTest::addRow("koto name %s", qPrintable(name))
            << QStringLiteral(":/images/") + name + QStringLiteral(".png")
            << (name == QLatin1String("White"));
}

void TestImages::pictureLoads()
{
    QFETCH(QString, path);
    QFETCH(bool, blank);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QCOMPARE(pixmap.size(), QSize(48, 48));
    QVERIFY(!QIcon(pixmap).isNull());
    const int ink = inkPixels(pixmap.toImage());
    if (blank)
        QCOMPARE(ink, 0);
    else
        QVERIFY2(ink >= 20,
                 qPrintable(QStringLiteral("%1 shows %2 pixels of ink").arg(path).arg(ink)));
}

// The note-name dialog shows ":/images/White.png" for a name without a
// picture; the name that stands for that case must stay without one.
void TestImages::namesWithoutPictureFallBack()
{
    QVERIFY(!QFile::exists(QStringLiteral(":/images/BarOsu+.png")));
    QVERIFY(QPixmap(QStringLiteral(":/images/BarOsu+.png")).isNull());
    QVERIFY(QFile::exists(QStringLiteral(":/images/White.png")));
}

void TestImages::windowIconComesFromTheDrawing()
{
    const QString svgPath = QStringLiteral(":/images/VelmoraIcon.svg");
    QSvgRenderer drawing(svgPath);
    QVERIFY(drawing.isValid());
    const QIcon icon(svgPath);
    QVERIFY(!icon.isNull());
    // The SVG icon engine draws it at any size, sharp.
    const QPixmap large = icon.pixmap(QSize(128, 128));
    QCOMPARE(large.size(), QSize(128, 128));
    QVERIFY(inkPixels(large.toImage()) > 128 * 128 / 2);

    const QImage png(QStringLiteral(":/images/VelmoraIcon.png"));
    QCOMPARE(png.size(), QSize(256, 256));
    // The PNG is the same drawing: compare it with the SVG drawn here at
    // a tolerance that allows for antialiasing only.
    QImage drawn(256, 256, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter, QRectF(0, 0, 256, 256));
    }
    const QImage written = png.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            if (qAbs(qGray(drawn.pixel(x, y)) - qGray(written.pixel(x, y))) > 16 ||
                qAbs(qAlpha(drawn.pixel(x, y)) - qAlpha(written.pixel(x, y))) > 16)
                ++differing;
    QVERIFY2(differing < 256, qPrintable(QString::number(differing)));
}

// Every embedded picture is one the palette, the note names or the window
// uses; a stray file would be a picture no table names.
void TestImages::imagesFolderHoldsOnlyTheTable()
{
    QSet<QString> expected;
    for (const QString &path : paletteIconPaths())
        expected << QFileInfo(path).completeBaseName();
    for (const QString &name : kotoNamePictures())
        expected << name;
    QSet<QString> found;
    for (const QString &entry : QDir(QStringLiteral(":/images")).entryList(QDir::Files)) {
        if (entry.startsWith(QLatin1String("VelmoraIcon.")))
            continue;
        QVERIFY2(entry.endsWith(QLatin1String(".png")), qPrintable(entry));
        found << entry.chopped(4);
    }
    QCOMPARE(found, expected);
}

VELMORA_TEST_MAIN(TestImages)

} // namespace tst_images
#include "tst_images.moc"
