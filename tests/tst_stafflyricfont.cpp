// The staff lyric font "VelmoraStaff": the embedded TrueType file registers
// under its family name at start-up, and every character of every glyph
// character map is a glyph of it that draws ink, each id its own picture.
#include "notenames/glyph_char_maps.h"
#include "platform/startup.h"
#include "support/testenvironment.h"

#include <QDataStream>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>

#include <memory>

namespace tst_stafflyricfont {

using namespace NoteNames;

using MapFactory = GlyphCharMap *(*)();

class TestStaffLyricFont : public QObject
{
    Q_OBJECT

private slots:
    void embeddedFileRegistersTheFamily();
    void startUpMakesTheFamilyAvailable();
    void everyMappedCharacterIsAGlyph_data();
    void everyMappedCharacterIsAGlyph();
};

void TestStaffLyricFont::embeddedFileRegistersTheFamily()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/VelmoraStaff.ttf"));
    QVERIFY(id >= 0);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id),
             QStringList{QStringLiteral("VelmoraStaff")});
}

void TestStaffLyricFont::startUpMakesTheFamilyAvailable()
{
    Startup::prepareFonts();
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("VelmoraStaff")));
    // As a lyric font: a mapped character is drawn from the font itself.
    QFont font(QStringLiteral("VelmoraStaff"), 18);
    QFontMetricsF metrics(font);
    QVERIFY(metrics.inFont(QChar(0x0100)));
    QVERIFY(metrics.horizontalAdvance(QChar(0x0100)) > 0);
}

void TestStaffLyricFont::everyMappedCharacterIsAGlyph_data()
{
    QTest::addColumn<MapFactory>("factory");
    QTest::newRow("Kinko") << MapFactory(getStaffNoteMapKinko);
    QTest::newRow("Tozan") << MapFactory(getStaffNoteMapTozan);
    QTest::newRow("Tozan circled") << MapFactory(getStaffNoteMapTozan_Circled);
    QTest::newRow("Shinobue numeric") << MapFactory(getStaffNoteMapShinobue_Numeric);
    QTest::newRow("Shinobue kanji") << MapFactory(getStaffNoteMapShinobue_Kanji);
    QTest::newRow("Koto") << MapFactory(getStaffNoteMapKoto);
    QTest::newRow("Sangen") << MapFactory(getStaffNoteMapSangen);
    QTest::newRow("Shamisen") << MapFactory(getStaffNoteMapShamisen);
    QTest::newRow("Doremi") << MapFactory(getStaffNoteMapDoremi);
}

void TestStaffLyricFont::everyMappedCharacterIsAGlyph()
{
    QFETCH(MapFactory, factory);
    const std::unique_ptr<GlyphCharMap> map(factory());
    QVERIFY(!map->isEmpty());
    QRawFont font(QStringLiteral(":/fonts/VelmoraStaff.ttf"), 40.0);
    QVERIFY(font.isValid());
    QCOMPARE(font.familyName(), QStringLiteral("VelmoraStaff"));

    QStringList missing, blank;
    QHash<QByteArray, QString> outlines;
    QStringList alike;
    for (auto it = map->cbegin(); it != map->cend(); ++it) {
        const QChar ch = it.value().at(0);
        if (!font.supportsCharacter(ch)) {
            missing << it.key();
            continue;
        }
        const QList<quint32> indexes = font.glyphIndexesForString(QString(ch));
        QCOMPARE(indexes.size(), 1);
        const QPainterPath path = font.pathForGlyph(indexes.first());
        if (path.isEmpty() || path.boundingRect().isEmpty()) {
            blank << it.key();
            continue;
        }
        // Different ids of one map are different pictures; as in the note
        // fonts, the repeat signs and the vertical forms of upright marks
        // may share theirs.
        if (it.key().startsWith(QLatin1String("Repeat")) || it.key().endsWith(QLatin1String("_V")))
            continue;
        QByteArray key;
        QDataStream stream(&key, QIODevice::WriteOnly);
        stream << path;
        if (outlines.contains(key))
            alike << it.key() + "=" + outlines.value(key);
        outlines.insert(key, it.key());
    }
    QVERIFY2(missing.isEmpty(), qPrintable("no glyph for: " + missing.join(", ")));
    QVERIFY2(blank.isEmpty(), qPrintable("no ink for: " + blank.join(", ")));
    QVERIFY2(alike.isEmpty(), qPrintable("drawn alike: " + alike.join(", ")));
}

VELMORA_TEST_MAIN(TestStaffLyricFont)

} // namespace tst_stafflyricfont
#include "tst_stafflyricfont.moc"
