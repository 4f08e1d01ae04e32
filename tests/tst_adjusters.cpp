// The layout controller's adjusters: each click changes one setting of the
// page, the style or every part by the controller's step, within the
// controller's bounds only; it is one undo step ("UpdatePage",
// "UpdateStyle", "UpdatePart") when it changes something and none when it
// does not, and it always leaves the score changed and drawn once afresh.
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QUndoStack>

#include <functional>
#include <memory>

namespace tst_adjusters {

namespace {

const QString regenerated = QStringLiteral("generateScore: entered----------.");

// Two parts, so that a note-size click must reach both.
std::unique_ptr<Score> twoPartScore()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(
            *score, TestSupport::fixturePath(QStringLiteral("writer/Writer-EditableItems.xml"))))
        return nullptr;
    if (score->parts.size() != 2)
        return nullptr;
    score->generateScore();
    return score;
}

using Act = std::function<void(Score &)>;
using Read = std::function<double(Score &)>;

// One click: `prepare` sets the stored value before it, `read` gives the
// setting after it; `text` is the undo step's, empty for a click that
// must leave none.
struct Click
{
    QString name;
    Act prepare;
    Act click;
    Read read;
    double expected;
    QString text;
};

template <class Field> Read pageField(Field Page::*field)
{
    return [field](Score &s) { return double(s.page->*field); };
}

template <class Field> Act setPage(Field Page::*field, Field value)
{
    return [field, value](Score &s) { s.page->*field = value; };
}

Read styleField(double Style::*field)
{
    return [field](Score &s) { return s.style->*field; };
}

Act setStyle(double Style::*field, double value)
{
    return [field, value](Score &s) { s.style->*field = value; };
}

// Both parts' sizes together: a click that scaled only one would miss.
double noteSizes(Score &s)
{
    return s.parts.at(0)->noteFontSize + s.parts.at(1)->noteFontSize;
}

QList<Click> steppedClicks()
{
    const QString style = QStringLiteral("UpdateStyle");
    const QString page = QStringLiteral("UpdatePage");
    const Act sizes = [](Score &s) {
        s.parts.at(0)->noteFontSize = 5.0;
        s.parts.at(1)->noteFontSize = 4.0;
    };
    const auto chordWidth = [](double value) {
        return setStyle(&Style::measureMaxChordWidth, value);
    };
    const auto headerWidth = [](double value) { return setPage(&Page::headerAreaWidth, value); };
    const auto stagePad = [](double value) { return setPage(&Page::lineWidthPad, value); };
    const auto perLine = [](int value, bool automatic) {
        return [value, automatic](Score &s) {
            s.page->measurePerLine = value;
            s.page->autoNewline = automatic;
        };
    };
    const Read maxChord = styleField(&Style::measureMaxChordWidth);
    return {
        {"max chord width 1.45 wider restarts", chordWidth(1.45),
         [](Score &s) { s.changeMaxChordWidth(true); }, maxChord, 1.0, style},
        {"max chord width 1.40 wider", chordWidth(1.40),
         [](Score &s) { s.changeMaxChordWidth(true); }, maxChord, 1.47, style},
        {"max chord width 0.155 narrower stops at 0.15", chordWidth(0.155),
         [](Score &s) { s.changeMaxChordWidth(false); }, maxChord, 0.15, style},
        {"max chord width 1.05 narrower", chordWidth(1.05),
         [](Score &s) { s.changeMaxChordWidth(false); }, maxChord, 1.0, style},
        {"header width 0.3 narrower", headerWidth(0.3),
         [](Score &s) { s.changeHeaderWidth(false); }, pageField(&Page::headerAreaWidth), 0.0,
         page},
        {"header width 0.5 narrower", headerWidth(0.5),
         [](Score &s) { s.changeHeaderWidth(false); }, pageField(&Page::headerAreaWidth), 0.0,
         page},
        {"header width 20 wider", headerWidth(20.0), [](Score &s) { s.changeHeaderWidth(true); },
         pageField(&Page::headerAreaWidth), 20.5, page},
        {"stage space 0.5 narrower", stagePad(0.5),
         [](Score &s) { s.changeSpaceBetweenStages(false); }, pageField(&Page::lineWidthPad), 0.0,
         page},
        {"stage space -0.5 wider", stagePad(-0.5),
         [](Score &s) { s.changeSpaceBetweenStages(true); }, pageField(&Page::lineWidthPad), 0.5,
         page},
        {"stage space -3 wider", stagePad(-3.0), [](Score &s) { s.changeSpaceBetweenStages(true); },
         pageField(&Page::lineWidthPad), 0.0, page},
        {"stage space 2 wider", stagePad(2.0), [](Score &s) { s.changeSpaceBetweenStages(true); },
         pageField(&Page::lineWidthPad), 3.0, page},
        {"measures per stage 4 more", perLine(4, false),
         [](Score &s) { s.changeMeasuresPerStage(true); }, pageField(&Page::measurePerLine), 5.0,
         page},
        {"measures per stage 4 fewer", perLine(4, false),
         [](Score &s) { s.changeMeasuresPerStage(false); }, pageField(&Page::measurePerLine), 3.0,
         page},
        {"measures per stage 1 fewer stays", perLine(1, false),
         [](Score &s) { s.changeMeasuresPerStage(false); }, pageField(&Page::measurePerLine), 1.0,
         ""},
        {"measures per stage automatic more", perLine(4, true),
         [](Score &s) { s.changeMeasuresPerStage(true); }, pageField(&Page::measurePerLine), 4.0,
         ""},
        {"measures per stage automatic fewer", perLine(4, true),
         [](Score &s) { s.changeMeasuresPerStage(false); }, pageField(&Page::measurePerLine), 4.0,
         ""},
        {"note size larger", sizes, [](Score &s) { s.changeNoteFontSize(true); }, noteSizes,
         9.0 * 1.05, "UpdatePart"},
        {"note size smaller", sizes, [](Score &s) { s.changeNoteFontSize(false); }, noteSizes,
         9.0 * 0.9523809523809523, "UpdatePart"},
        {"gap chord note wider", setStyle(&Style::gapChordNote, 0.2),
         [](Score &s) { s.changeGapChordNote(true); }, styleField(&Style::gapChordNote), 0.25,
         style},
        {"gap chord note narrower below 0", setStyle(&Style::gapChordNote, 0.0),
         [](Score &s) { s.changeGapChordNote(false); }, styleField(&Style::gapChordNote), -0.05,
         style},
        {"gap voice wider", setStyle(&Style::gapVoice, 0.0),
         [](Score &s) { s.changeGapVoice(true); }, styleField(&Style::gapVoice), 0.05, style},
        {"gap voice narrower below 0", setStyle(&Style::gapVoice, 0.0),
         [](Score &s) { s.changeGapVoice(false); }, styleField(&Style::gapVoice), -0.05, style},
        {"note offset larger", setStyle(&Style::noteOffset, 0.1),
         [](Score &s) { s.changeNotePosOffset(true); }, styleField(&Style::noteOffset), 0.12,
         style},
        {"note offset smaller below 0", setStyle(&Style::noteOffset, 0.0),
         [](Score &s) { s.changeNotePosOffset(false); }, styleField(&Style::noteOffset), -0.02,
         style},
        {"part width wider", setPage(&Page::lineWidthScale, 3.0),
         [](Score &s) { s.changePartWidth(true); }, pageField(&Page::lineWidthScale), 3.03, page},
        {"part width narrower", setPage(&Page::lineWidthScale, 3.0),
         [](Score &s) { s.changePartWidth(false); }, pageField(&Page::lineWidthScale),
         3.0 * 0.9900990099009901, page},
        {"measure length longer", setPage(&Page::measureScale, 1.2),
         [](Score &s) { s.changeMeasureLength(true); }, pageField(&Page::measureScale), 1.26, page},
        {"measure length shorter", setPage(&Page::measureScale, 1.2),
         [](Score &s) { s.changeMeasureLength(false); }, pageField(&Page::measureScale),
         1.2 * 0.9523809523809523, page},
        {"uniformity 0", setStyle(&Style::timeTickRatio, 0.1), [](Score &s) { s.setUniformity(0); },
         styleField(&Style::timeTickRatio), 0.02, style},
        {"uniformity 100", setStyle(&Style::timeTickRatio, 0.1),
         [](Score &s) { s.setUniformity(100); }, styleField(&Style::timeTickRatio), 0.25, style},
        {"uniformity 70", setStyle(&Style::timeTickRatio, 0.1),
         [](Score &s) { s.setUniformity(70); }, styleField(&Style::timeTickRatio), 0.181, style},
    };
}

// Each switch set to the other value (one step) and to the value it has
// (none).
QList<Click> switchClicks()
{
    struct Switch
    {
        const char *name;
        bool Page::*field;
        void (Score::*set)(bool);
    };
    const Switch switches[] = {
        {"horizontal", &Page::horizontal, &Score::setScoreHorizontal},
        {"grid", &Page::drawStageLine, &Score::setGridLayout},
        {"automatic", &Page::autoNewline, &Score::setMeasuresAutomatic},
        {"equal length", &Page::measureEqualLength, &Score::setEqualLength},
        {"time proportional", &Page::measureTimeProportional, &Score::setTimeProportional},
        {"last stage", &Page::lastLineFit, &Score::setExpandLastStage},
        {"last page", &Page::pageFit, &Score::setExpandLastPage},
    };
    QList<Click> clicks;
    for (const Switch &sw : switches) {
        for (const bool from : {false, true}) {
            for (const bool to : {false, true}) {
                const QString name =
                    QLatin1String(sw.name) + (from ? " on" : " off") + (to ? " to on" : " to off");
                clicks.append({name, setPage(sw.field, from),
                               [set = sw.set, to](Score &s) { (s.*set)(to); }, pageField(sw.field),
                               to ? 1.0 : 0.0,
                               from == to ? QString() : QStringLiteral("UpdatePage")});
            }
        }
    }
    return clicks;
}

const QList<Click> &clicks()
{
    static const QList<Click> rows = steppedClicks() + switchClicks();
    return rows;
}

// Every adjuster with both arguments, for the scores the table cannot use.
QList<Act> everyAdjuster()
{
    QList<Act> acts;
    for (const bool on : {true, false}) {
        acts << [on](Score &s) { s.changeGapChordNote(on); }
             << [on](Score &s) { s.changeGapVoice(on); }
             << [on](Score &s) { s.changeMaxChordWidth(on); }
             << [on](Score &s) { s.changeHeaderWidth(on); }
             << [on](Score &s) { s.changeNoteFontSize(on); }
             << [on](Score &s) { s.changeNotePosOffset(on); }
             << [on](Score &s) { s.changeMeasuresPerStage(on); }
             << [on](Score &s) { s.changePartWidth(on); }
             << [on](Score &s) { s.changeSpaceBetweenStages(on); }
             << [on](Score &s) { s.changeMeasureLength(on); } <<
            [on](Score &s) { s.setScoreHorizontal(on); } << [on](Score &s) { s.setGridLayout(on); }
             << [on](Score &s) { s.setMeasuresAutomatic(on); }
             << [on](Score &s) { s.setEqualLength(on); }
             << [on](Score &s) { s.setTimeProportional(on); }
             << [on](Score &s) { s.setExpandLastStage(on); }
             << [on](Score &s) { s.setExpandLastPage(on); }
             << [on](Score &s) { s.setUniformity(on ? 100 : 0); };
    }
    return acts;
}

} // namespace

class TestAdjusters : public QObject
{
    Q_OBJECT

private slots:
    void oneClick_data();
    void oneClick();
    void scoresWithoutPartsOrMeasures_data();
    void scoresWithoutPartsOrMeasures();
    void undoTakesBackOneClickAtATime();
};

void TestAdjusters::oneClick_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < clicks().size(); ++i)
        QTest::newRow(qPrintable(clicks().at(i).name)) << i;
}

void TestAdjusters::oneClick()
{
    QFETCH(int, row);
    const Click &c = clicks().at(row);
    auto score = twoPartScore();
    QVERIFY(score);
    c.prepare(*score);
    const double before = c.read(*score);
    score->setChanged(false);
    TestSupport::MessageCapture capture;

    c.click(*score);

    QVERIFY2(qAbs(c.read(*score) - c.expected) < 1e-9,
             qPrintable(QString::number(c.read(*score), 'g', 17)));
    QVERIFY(score->changed);
    QCOMPARE(capture.count(regenerated), 1);
    QUndoStack *stack = score->undoStack;
    if (c.text.isEmpty()) {
        QCOMPARE(stack->count(), 0);
        return;
    }
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->command(0)->text(), c.text);
    stack->undo();
    QCOMPARE(c.read(*score), before);
    stack->redo();
    QVERIFY(qAbs(c.read(*score) - c.expected) < 1e-9);
}

void TestAdjusters::scoresWithoutPartsOrMeasures_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::newRow("fixed measures per stage") << false;
    QTest::newRow("automatic measures per stage") << true;
}

void TestAdjusters::scoresWithoutPartsOrMeasures()
{
    QFETCH(bool, automatic);
    Score score(QStringLiteral("test"), 1, false);
    score.page->autoNewline = automatic;
    score.generateScore();
    for (const Act &act : everyAdjuster()) {
        const int steps = score.undoStack->count();
        score.setChanged(false);
        TestSupport::MessageCapture capture;
        act(score);
        QVERIFY(score.changed);
        QCOMPARE(capture.count(regenerated), 1);
        QVERIFY(score.undoStack->count() <= steps + 1);
    }
    // Note sizes of no parts are no change.
    const int steps = score.undoStack->count();
    score.changeNoteFontSize(true);
    QCOMPARE(score.undoStack->count(), steps);
}

void TestAdjusters::undoTakesBackOneClickAtATime()
{
    auto score = twoPartScore();
    QVERIFY(score);
    const std::unique_ptr<Style> original(score->style->clone());
    std::unique_ptr<Style> applied(score->style->clone());
    applied->tieOffset = 0.75;
    applied->gapVoice = 0.1;
    score->updateStyleCommand(applied.get());
    score->changeGapVoice(true);
    score->changeGapVoice(true);
    QCOMPARE(score->undoStack->count(), 3);
    QVERIFY(qAbs(score->style->gapVoice - 0.2) < 1e-9);

    QUndoStack *stack = score->undoStack;
    stack->undo();
    QVERIFY(qAbs(score->style->gapVoice - 0.15) < 1e-9);
    QCOMPARE(score->style->tieOffset, 0.75);
    stack->undo();
    stack->undo();
    QVERIFY(!score->style->isDifferent(original.get()));

    stack->redo();
    QVERIFY(!score->style->isDifferent(applied.get()));
    stack->redo();
    stack->redo();
    QVERIFY(qAbs(score->style->gapVoice - 0.2) < 1e-9);
    QCOMPARE(score->style->tieOffset, 0.75);
}

VELMORA_TEST_MAIN(TestAdjusters)

} // namespace tst_adjusters
#include "tst_adjusters.moc"
