// The copies of the installed Japanese text fonts: they draw what the
// originals draw, reach no glyph through a CJK radical, are well-formed font
// files, stand in for the Windows families, never reach an SVG file by their
// own name, and a damaged file is refused with a reason instead of crashing.
// The copies are kept in the cache folder, made once per original and made
// again when it changes.
#include "model/score.h"
#include "platform/derivedtextfont.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

namespace tst_derivedtextfont {

class TestDerivedTextFont : public QObject
{
    Q_OBJECT

private slots:
    void copyDrawsTheOriginalsGlyphs_data();
    void copyDrawsTheOriginalsGlyphs();
    void copyIsAWellFormedFontFile();
    void windowsFamiliesResolveToTheCopies_data();
    void windowsFamiliesResolveToTheCopies();
    void svgNamesTheInstalledFamily();
    void damagedFontIsRefused_data();
    void damagedFontIsRefused();
    void cachedCopyIsMadeOnceAndFollowsTheOriginal();
    void cacheThatCannotBeWrittenIsReported();
    void startUpKeepsItsCopiesInTheCacheFolder();
};

static const QString ipaexMincho =
    QStringLiteral("/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf");

static QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestDerivedTextFont::copyDrawsTheOriginalsGlyphs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("mapsRadicals"); // the original reaches 子 through U+2F26 too
    QTest::newRow("IPAex Mincho") << ipaexMincho << "Velmora IPAex Mincho" << true;
    QTest::newRow("IPAex Gothic") << "/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"
                                  << "Velmora IPAex Gothic" << true;
    QTest::newRow("IPA Mincho") << "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
                                << "Velmora IPA Mincho" << false;
}

void TestDerivedTextFont::copyDrawsTheOriginalsGlyphs()
{
    QFETCH(QString, path);
    QFETCH(QString, family);
    QFETCH(bool, mapsRadicals);
    const QByteArray original = fileBytes(path);
    if (original.isEmpty())
        QSKIP("font not installed");
    QString why;
    const QByteArray copy = DerivedTextFont::fromData(original, family, &why);
    QVERIFY2(!copy.isEmpty(), qPrintable(why));

    const QRawFont before(original, 20);
    const QRawFont after(copy, 20);
    QVERIFY(before.isValid() && after.isValid());
    QCOMPARE(after.familyName(), family);
    // Kanji, kana, Latin, full-width forms, and a kanji beyond the BMP.
    const QString text =
        QStringLiteral("越後獅子子三味線 あア abc ＡＢ、。") + QString::fromUcs4(U"\U00020B9F");
    const QList<quint32> glyphs = before.glyphIndexesForString(text);
    QCOMPARE(after.glyphIndexesForString(text), glyphs);
    QCOMPARE(after.advancesForGlyphIndexes(glyphs), before.advancesForGlyphIndexes(glyphs));
    QCOMPARE(after.pathForGlyph(glyphs.at(3)), before.pathForGlyph(glyphs.at(3)));
    // The radicals are gone from the map, so each shared glyph is reached
    // through its kanji alone; their neighbours stay.
    QCOMPARE(before.supportsCharacter(0x2F26), mapsRadicals);
    for (char32_t radical : {0x2E80, 0x2F00, 0x2F26, 0x2FD5, 0x2FDF})
        QVERIFY2(!after.supportsCharacter(radical), qPrintable(QString::number(radical, 16)));
    for (char32_t kept : {0x2E7F, 0x2FF0, 0x3000, 0x5B50}) {
        QCOMPARE(after.supportsCharacter(kept), before.supportsCharacter(kept));
    }
}

void TestDerivedTextFont::copyIsAWellFormedFontFile()
{
    const QByteArray original = fileBytes(ipaexMincho);
    if (original.isEmpty())
        QSKIP("font not installed");
    const QByteArray copy = DerivedTextFont::fromData(original, QStringLiteral("Copy"));
    QVERIFY(!copy.isEmpty());
    auto u32 = [&copy](qsizetype at) { return qFromBigEndian<quint32>(copy.constData() + at); };
    auto sum = [&](qsizetype from, qsizetype length) {
        quint32 total = 0;
        for (qsizetype i = 0; i < length; i += 4) {
            uchar word[4] = {0, 0, 0, 0};
            for (qsizetype k = 0; k < 4 && i + k < length; ++k)
                word[k] = uchar(copy.at(from + i + k));
            total += qFromBigEndian<quint32>(word);
        }
        return total;
    };
    const int count = qFromBigEndian<quint16>(copy.constData() + 4);
    QCOMPARE(count, 20);
    quint32 previousTag = 0;
    quint32 headAdjustment = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 12 + 16 * i;
        const quint32 tag = u32(at), offset = u32(at + 8), length = u32(at + 12);
        QVERIFY(tag > previousTag); // sorted, no table twice
        previousTag = tag;
        QCOMPARE(offset % 4, 0u);
        QVERIFY(offset + length <= quint32(copy.size()));
        quint32 expected = sum(offset, length);
        if (tag == 0x68656164) { // 'head': its adjustment counts as 0 here
            headAdjustment = u32(offset + 8);
            expected -= headAdjustment;
        }
        QCOMPARE(u32(at + 4), expected);
    }
    QVERIFY(headAdjustment != 0);
    QCOMPARE(sum(0, copy.size()), 0xB1B0AFBAu);
}

void TestDerivedTextFont::windowsFamiliesResolveToTheCopies_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("MS Mincho") << "MS Mincho"
                               << "Velmora IPAex Mincho";
    QTest::newRow("ＭＳ 明朝") << QStringLiteral("ＭＳ 明朝") << "Velmora IPAex Mincho";
    QTest::newRow("MS Gothic") << "MS Gothic"
                               << "Velmora IPAex Gothic";
    QTest::newRow("Meiryo") << "Meiryo"
                            << "Velmora IPAex Gothic";
}

void TestDerivedTextFont::windowsFamiliesResolveToTheCopies()
{
    QFETCH(QString, family);
    QFETCH(QString, resolved);
    if (!QFile::exists(ipaexMincho))
        QSKIP("font not installed");
    QCOMPARE(QFontInfo(QFont(family)).family(), resolved);
    // The copy's name alone: the installed original keeps its own.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("IPAexMincho"))).family(),
             QStringLiteral("IPAexMincho"));
}

void TestDerivedTextFont::svgNamesTheInstalledFamily()
{
    if (!QFile::exists(ipaexMincho))
        QSKIP("font not installed");
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        score, TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"))));
    QTemporaryDir dir;
    QVERIFY(score.exportSvgFile(dir.filePath(QStringLiteral("echigo.svg"))));
    const QByteArray svg = fileBytes(dir.filePath(QStringLiteral("echigo_p001.svg")));
    // The title is set in the copy on screen; a viewer of the file finds
    // the installed font it was made from.
    QVERIFY(svg.contains("font-family=\"IPAexMincho\""));
    QVERIFY(!svg.contains("Velmora IPAex"));
}

void TestDerivedTextFont::damagedFontIsRefused_data()
{
    const QByteArray original = fileBytes(ipaexMincho);
    QTest::addColumn<QByteArray>("font");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a font") << QByteArray("%PDF-1.4 not a font at all");
    QTest::newRow("collection") << QByteArray("ttcf\0\1\0\0\0\0\0\1\0\0\0\14", 16);
    if (original.isEmpty())
        return;
    QTest::newRow("directory cut short") << original.left(100);
    QTest::newRow("tables cut off") << original.left(4096);
    // The character map's first subtable pointed past the table's end.
    QByteArray badMap = original;
    const int count = qFromBigEndian<quint16>(original.constData() + 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 12 + 16 * i;
        if (original.mid(at, 4) == "cmap") {
            const quint32 cmap = qFromBigEndian<quint32>(original.constData() + at + 8);
            qToBigEndian<quint32>(0x7FFFFFF0, badMap.data() + cmap + 8);
        }
    }
    QTest::newRow("character map points outside") << badMap;
}

void TestDerivedTextFont::damagedFontIsRefused()
{
    QFETCH(QByteArray, font);
    QString why;
    QVERIFY(DerivedTextFont::fromData(font, QStringLiteral("Copy"), &why).isEmpty());
    QVERIFY(!why.isEmpty());
    // A file that cannot be read gives its reason too.
    QVERIFY(DerivedTextFont::fromFile(QStringLiteral("/nonexistent/font.ttf"),
                                      QStringLiteral("Copy"), &why)
                .isEmpty());
    QVERIFY(!why.isEmpty());
}

void TestDerivedTextFont::cachedCopyIsMadeOnceAndFollowsTheOriginal()
{
    const QByteArray original = fileBytes(ipaexMincho);
    if (original.isEmpty())
        QSKIP("font not installed");
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("original.ttf"));
    const QString cache = dir.filePath(QStringLiteral("cache/fonts"));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(original) == original.size());
    file.close();
    const QString family = QStringLiteral("Cached Copy");

    QString why;
    const QString first = DerivedTextFont::cachedFile(source, family, cache, &why);
    QVERIFY2(!first.isEmpty(), qPrintable(why));
    QCOMPARE(QFileInfo(first).absolutePath(), QFileInfo(cache).absoluteFilePath());
    QCOMPARE(fileBytes(first), DerivedTextFont::fromFile(source, family));
    QCOMPARE(QRawFont(fileBytes(first), 20).familyName(), family);

    // A second start-up reads the file it finds: it does not make it again.
    QFile kept(first);
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    QCOMPARE(DerivedTextFont::cachedFile(source, family, cache), first);
    QCOMPARE(fileBytes(first), QByteArray("kept"));

    // A changed original gets a copy of its own, and the old one goes.
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                             QFileDevice::FileModificationTime));
    file.close();
    const QString second = DerivedTextFont::cachedFile(source, family, cache);
    QVERIFY(!second.isEmpty());
    QVERIFY(second != first);
    QVERIFY(!QFile::exists(first));
    QCOMPARE(fileBytes(second), DerivedTextFont::fromFile(source, family));
    QCOMPARE(QDir(cache).entryList(QDir::Files), QStringList{QFileInfo(second).fileName()});
}

void TestDerivedTextFont::cacheThatCannotBeWrittenIsReported()
{
    if (!QFile::exists(ipaexMincho))
        QSKIP("font not installed");
    QTemporaryDir dir;
    // A folder that cannot be made: a plain file stands in its way.
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QString why;
    QVERIFY(DerivedTextFont::cachedFile(ipaexMincho, QStringLiteral("Copy"),
                                        blocker + QStringLiteral("/fonts"), &why)
                .isEmpty());
    QVERIFY(!why.isEmpty());
    why.clear();
    QVERIFY(DerivedTextFont::cachedFile(ipaexMincho, QStringLiteral("Copy"), QString(), &why)
                .isEmpty());
    QVERIFY(!why.isEmpty());
    // An original that is not a font leaves nothing behind.
    const QString notAFont = dir.filePath(QStringLiteral("not-a-font.ttf"));
    QFile bad(notAFont);
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a font") > 0);
    bad.close();
    const QString cache = dir.filePath(QStringLiteral("cache"));
    QVERIFY(DerivedTextFont::cachedFile(notAFont, QStringLiteral("Copy"), cache).isEmpty());
    QVERIFY(QDir(cache).entryList(QDir::Files).isEmpty());
}

void TestDerivedTextFont::startUpKeepsItsCopiesInTheCacheFolder()
{
    if (!QFile::exists(ipaexMincho))
        QSKIP("font not installed");
    const QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                     QStringLiteral("/fonts"));
    const QString name =
        DerivedTextFont::cachedFileName(ipaexMincho, QStringLiteral("Velmora IPAex Mincho"));
    QVERIFY2(cache.exists(name), qPrintable(cache.filePath(name)));
    // The copy that stands in for the Windows family is the cached file's.
    const QString family = QFontInfo(QFont(QStringLiteral("MS Mincho"))).family();
    QCOMPARE(family, QStringLiteral("Velmora IPAex Mincho"));
    QCOMPARE(fileBytes(cache.filePath(name)),
             DerivedTextFont::fromFile(ipaexMincho, QStringLiteral("Velmora IPAex Mincho")));
}

VELMORA_TEST_MAIN(TestDerivedTextFont)

} // namespace tst_derivedtextfont
#include "tst_derivedtextfont.moc"
