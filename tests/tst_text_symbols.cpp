// Music signs in texts: the private-use characters that notation programs
// write into words and rehearsal marks (segno, coda, dynamics letters,
// metronome notes) are drawn as characters a font has, and a segno or coda
// alone in its words as the sign itself; a private-use
// character no sign stands for is left out with one log line; and no text
// of any corpus score, bundled sample or hand-made fixture is drawn with a
// character that no font has (which would show as a missing-glyph box).
#include "drawing/mytextitem.h"
#include "drawing/symboltext.h"
#include "model/glyphitem.h"
#include "model/notefonts.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/pagecheck.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QDirIterator>
#include <QFile>
#include <QGraphicsTextItem>
#include <QtTest>

namespace tst_text_symbols {

namespace {

QString one(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

// The texts of the visible text items of a generated score.
QStringList drawnTexts(const Score &score)
{
    QStringList texts;
    for (QGraphicsItem *item : score.scene->items()) {
        if (!item->isVisible())
            continue;
        if (const auto *own = dynamic_cast<const MyTextItem *>(item))
            texts.append(own->text);
        else if (const auto *rich = dynamic_cast<const QGraphicsTextItem *>(item))
            texts.append(rich->toPlainText());
    }
    return texts;
}

bool hasPrivateUse(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0xE000 && c <= 0xF8FF)
            return true;
    }
    return false;
}

// The scores the glyph check reads: every MusicXML file of the corpus
// fixtures, the hand-made fixtures and the bundled samples.
QStringList checkedFiles()
{
    QStringList files;
    for (const QString &folder :
         {QStringLiteral("corpus"), QStringLiteral("layout"), QStringLiteral("staff")}) {
        QDirIterator it(TestSupport::fixturePath(folder),
                        {QStringLiteral("*.xml"), QStringLiteral("*.musicxml")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            // Fragments of the W3C examples (a note, a container) are no
            // scores.
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains("<score-partwise"))
                files.append(file.fileName());
        }
    }
    QDirIterator samples(TestSupport::sourcePath(QStringLiteral("resources/samples")),
                         {QStringLiteral("*.tnsx")}, QDir::Files);
    while (samples.hasNext())
        files.append(samples.next());
    files.append(TestSupport::samplePath());
    files.sort();
    return files;
}

} // namespace

class TestTextSymbols : public QObject
{
    Q_OBJECT

private slots:
    void standardForms_data();
    void standardForms();
    void unknownCharacterLeftOutWithOneLogLine();
    void wordsAndRehearsalShowTheSigns_data();
    void wordsAndRehearsalShowTheSigns();
    void noMissingGlyphInAnyScore_data();
    void noMissingGlyphInAnyScore();
};

void TestTextSymbols::standardForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("drawn");
    QTest::newRow("segno") << one(0xE047) << one(0x1D10B);
    QTest::newRow("coda") << one(0xE048) << one(0x1D10C);
    QTest::newRow("to coda") << QStringLiteral("To Coda ") + one(0xE048)
                             << QStringLiteral("To Coda ") + one(0x1D10C);
    QTest::newRow("mf") << one(0xE52D) << QStringLiteral("mf");
    QTest::newRow("letters p f") << one(0xE520) + one(0xE522) << QStringLiteral("pf");
    QTest::newRow("sfz") << one(0xE539) << QStringLiteral("sfz");
    QTest::newRow("tempo quarter")
        << one(0xECA5) + QStringLiteral(" = 60") << QStringLiteral("\u2669 = 60");
    QTest::newRow("dotted eighth") << one(0xE1D7) + one(0xE1E7) << QStringLiteral("\u266A.");
    QTest::newRow("sharp") << QStringLiteral("F") + one(0xE262) << QStringLiteral("F\u266F");
    QTest::newRow("plain text") << QStringLiteral("Allegro") << QStringLiteral("Allegro");
    QTest::newRow("unknown stays") << one(0xF8FF) << one(0xF8FF);
}

void TestTextSymbols::standardForms()
{
    QFETCH(QString, text);
    QFETCH(QString, drawn);
    QCOMPARE(SymbolText::withStandardSymbols(text), drawn);
    // Every mapped sign is one a font here draws.
    QVERIFY2(
        SymbolText::missingCharacters(text, QFont(QStringLiteral("Times New Roman"))).isEmpty() ||
            text == one(0xF8FF),
        qPrintable(drawn));
}

void TestTextSymbols::unknownCharacterLeftOutWithOneLogLine()
{
    const QFont font(QStringLiteral("Times New Roman"));
    const QString odd = QStringLiteral("a") + one(0xF8F0) + QStringLiteral("b");
    QVERIFY(!SymbolText::hasGlyph(0xF8F0, font));
    const QList<char32_t> missing = SymbolText::missingCharacters(odd, font);
    QVERIFY(missing.size() == 1 && missing.first() == 0xF8F0);
    TestSupport::MessageCapture log;
    QCOMPARE(SymbolText::drawable(odd, font), QStringLiteral("ab"));
    QCOMPARE(SymbolText::drawable(odd + odd, font), QStringLiteral("abab"));
    QCOMPARE(log.count(QStringLiteral("text character left out, no font draws it: U+F8F0")), 1);
    // Nothing but such characters: an empty text, not a crash.
    QCOMPARE(SymbolText::drawable(one(0xF8F0), font), QString());
}

void TestTextSymbols::wordsAndRehearsalShowTheSigns_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("staff h") << int(NotationStyle::StaffNotation) << true;
    QTest::newRow("kinko v") << int(NotationStyle::KinkoTrad) << false;
}

void TestTextSymbols::wordsAndRehearsalShowTheSigns()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("layout/31x-Directions-SymbolsInWords.xml")), style,
        horizontal);
    QVERIFY(score);
    const QStringList texts = drawnTexts(*score);
    for (const QString &expected :
         {QStringLiteral("mf"), QStringLiteral("Andante \u2669 = 60"),
          QStringLiteral("A") + one(0x1D10B), QStringLiteral("To Coda ") + one(0x1D10C),
          QStringLiteral("odd")})
        QVERIFY2(texts.contains(expected), qPrintable(expected + " in " + texts.join('|')));
    for (const QString &text : texts)
        QVERIFY2(!hasPrivateUse(text), qPrintable(text));
    // A segno or coda alone in its words is the sign of the note font.
    QStringList glyphs;
    for (const QGraphicsItem *item : score->scene->items()) {
        if (const auto *glyph = dynamic_cast<const GlyphItem *>(item))
            glyphs << glyph->elementId();
    }
    const QString v = horizontal ? QString() : QStringLiteral("_V");
    QVERIFY(glyphs.contains(QStringLiteral("Segno") + v) ||
            glyphs.contains(QStringLiteral("Segno")));
    QVERIFY(glyphs.contains(QStringLiteral("Coda") + v) || glyphs.contains(QStringLiteral("Coda")));
    const QList<TestSupport::PageFinding> missing = TestSupport::missingGlyphs(*score);
    QVERIFY2(missing.isEmpty(), qPrintable(TestSupport::describeFindings(missing)));
}

void TestTextSymbols::noMissingGlyphInAnyScore_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    // Words, credits and rehearsal marks read the same in every notation
    // style; vertical writing turns punctuation, and the styles differ in
    // their own texts: two settings per score, and every style over the
    // page check's scores.
    const QString root = TestSupport::fixturePath(QString());
    for (const QString &path : checkedFiles()) {
        const QString name = QString(path).remove(root).remove(TestSupport::sourcePath(QString()));
        QTest::addRow("%s staff h", qPrintable(name))
            << path << int(NotationStyle::StaffNotation) << true;
        QTest::addRow("%s kinko v", qPrintable(name))
            << path << int(NotationStyle::KinkoTrad) << false;
    }
}

void TestTextSymbols::noMissingGlyphInAnyScore()
{
    QFETCH(QString, path);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    Score score(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(score, path))
        QSKIP("the loader refuses this file (its own test covers the refusal)");
    TestSupport::generateInStyle(score, style, horizontal);
    const QList<TestSupport::PageFinding> missing = TestSupport::missingGlyphs(score);
    QVERIFY2(missing.isEmpty(), qPrintable(TestSupport::describeFindings(missing)));
}

VELMORA_TEST_MAIN(TestTextSymbols)

} // namespace tst_text_symbols
#include "tst_text_symbols.moc"
