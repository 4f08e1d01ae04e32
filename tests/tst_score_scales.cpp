// The score's scale builders read the score's own settings: the Kinko "U"
// switch of its style and the note font of the part asked for. Parts load
// the real bundled note fonts.
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/testenvironment.h"

#include <QScopedPointer>
#include <QSvgRenderer>

namespace tst_score_scales {

class TestScoreScales : public QObject
{
    Q_OBJECT

private slots:
    void kinkoFollowsTheStyleSwitch();
    void shinobueFollowsThePartsNoteFont();
    void kotoWarnsOverTheScore();
    void bundledNoteFontLoads_data();
    void bundledNoteFontLoads();
};

void TestScoreScales::kinkoFollowsTheStyleSwitch()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    QScopedPointer<NoteScale> plain(score.createScaleKinko());
    QCOMPARE(plain->defaultName(10), QStringLiteral("ChiMeri"));
    score.style->kinkoDefaultU = true;
    QScopedPointer<NoteScale> withU(score.createScaleKinko());
    QCOMPARE(withU->defaultName(10), QStringLiteral("U"));
}

void TestScoreScales::shinobueFollowsThePartsNoteFont()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    auto *kanji = new Part(&score);
    kanji->noteFontName = QStringLiteral("Shinobue_Kanji");
    auto *fukuhara = new Part(&score);
    fukuhara->noteFontName = QStringLiteral("Shinobue_Fukuhara");
    score.parts << kanji << fukuhara;
    QScopedPointer<NoteScale> first(score.createScaleShinobue(0));
    QScopedPointer<NoteScale> second(score.createScaleShinobue(1));
    QVERIFY(*first != *second);
    QScopedPointer<NoteScale> direct(
        NoteNames::createScaleShinobue(QStringLiteral("Shinobue_Fukuhara")));
    QVERIFY(*second == *direct);
}

void TestScoreScales::kotoWarnsOverTheScore()
{
    TestSupport::prompter().reset();
    Score score(QStringLiteral("5.3.1"), 1, false);
    const QString tuning =
        QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25");
    QScopedPointer<NoteScale> rejected(
        score.createScaleKoto(tuning, QStringLiteral("koto25"), false));
    QVERIFY(rejected->isEmpty());
    QCOMPARE(TestSupport::prompter().prompts.size(), 1);
    QCOMPARE(TestSupport::prompter().prompts.first().title, QStringLiteral("Velmora"));
    QScopedPointer<NoteScale> accepted(
        score.createScaleKoto(tuning, QStringLiteral("Koto25"), false));
    QVERIFY(!accepted->isEmpty());
    QCOMPARE(TestSupport::prompter().prompts.size(), 1);
    TestSupport::prompter().reset();
}

void TestScoreScales::bundledNoteFontLoads_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("font");
    QTest::newRow("fue") << 4 << "Shinobue_Kanji";
    QTest::newRow("Tozan") << 3 << "Tozan_Brush";
    QTest::newRow("Kinko") << 1 << "Kinko_Brush";
}

void TestScoreScales::bundledNoteFontLoads()
{
    QFETCH(int, style);
    QFETCH(QString, font);
    TestSupport::prompter().reset();
    Score score(QStringLiteral("5.3.1"), 1, false);
    Part part(&score);
    score.setPartDefaults(&part);
    part.notationStyle = style;
    part.noteFontName = font;
    part.loadNoteFont();
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
    QVERIFY(part.noteFontRenderer);
    QVERIFY(part.noteFontRenderer->isValid());
    QVERIFY(part.noteFontRenderer->elementExists(QStringLiteral("Undefined")));
}

VELMORA_TEST_MAIN(TestScoreScales)

} // namespace tst_score_scales
#include "tst_score_scales.moc"
