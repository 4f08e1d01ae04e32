// The Score object: what construction creates and connects, the changed
// flags, the undo-state slots, the autosave timer and the context actions.
#include "support/testenvironment.h"

#include "dialogs/dialogtranspose.h"
#include "dialogs/notenamedialog.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QAction>
#include <QFontInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>

#include <memory>

namespace tst_score {

class TestScore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void constructionState();
    void viewSettings();
    void ownershipAndConnections();
    void autoSaveTimer_data();
    void autoSaveTimer();
    void timerStartStopWithoutTimerIsHarmless();

    void setChangedSetsBothFlags();
    void undoIndexMovesMarkChangedSinceAutoSave();
    void autoSaveClearsOnlyASetFlag();
    void undoStateIsMirroredAndSignalled();

    void contextActions_data();
    void contextActions();
    void contextActionsInOrderThenDirectiveActions();
    void actionTextsGoThroughTranslation();
};

namespace {

std::unique_ptr<Score> newScore(bool autoSave = true)
{
    return std::make_unique<Score>(QStringLiteral("5.3.1"), 7, autoSave);
}

class NameCommand : public QUndoCommand
{
public:
    explicit NameCommand(QString *target)
        : QUndoCommand(QStringLiteral("NameCommand")), m_target(target)
    {
    }
    void redo() override { m_target->append(QLatin1Char('x')); }
    void undo() override { m_target->chop(1); }

private:
    QString *m_target;
};

struct ActionRow
{
    const char *member;
    QAction *Score::*action;
    const char *constructionText;
    const char *shownText; // after the menu's own retranslation
    void (Score::*slot)();
};

const ActionRow actionRows[] = {
    {"actChangeFitting", &Score::actChangeFitting, "Change Fitting", "Change Fitting",
     &Score::changeBreakFitting},
    {"actDelete", &Score::actDelete, "Delete", "Delete", &Score::deleteSelectedSymbol},
    {"actFontProperty", &Score::actFontProperty, "Font Property", "Font Property",
     &Score::fontChangeCommand},
    {"actResetPosition", &Score::actResetPosition, "Reset Position", "Reset Position",
     &Score::resetMoveCommand},
    {"actSetFont", &Score::actSetFont, "Set Font", "Set Font", &Score::setTextFontCommand},
    {"actDefaultFont", &Score::actDefaultFont, "Default Font", "Default Font",
     &Score::resetTextFontCommand},
    {"actHorizontal", &Score::actHorizontal, "Horizontal", "Horizontal",
     &Score::setTextHorizontalCommand},
    {"actVertical", &Score::actVertical, "Vertical", "Vertical", &Score::setTextVerticalCommand},
    {"actVerticalWriting", &Score::actVerticalWriting, "VerticalWriting", "Vertical Writing",
     &Score::setTextVerticalWritingCommand},
    {"actDefaultDirection", &Score::actDefaultDirection, "Default Direction", "Default",
     &Score::setTextDefaultDirectionCommand},
    {"actAlignHorizontally", &Score::actAlignHorizontally, "Align Horizontally", "Horizontally",
     &Score::alignItemsHorizontallyCommand},
    {"actAlignVertically", &Score::actAlignVertically, "Align Vertically", "Vertically",
     &Score::alignItemsVerticallyCommand},
    {"actDefaultVisibility", &Score::actDefaultVisibility, "Default", "Default",
     &Score::setDefaultVisibilityCommand},
    {"actVisible", &Score::actVisible, "Visible", "Visible", &Score::setVisibleCommand},
    {"actInvisible", &Score::actInvisible, "Invisible", "Invisible", &Score::setInvisibleCommand},
    {"actSlurCurveController", &Score::actSlurCurveController, "Slur Curve Controller...",
     "Slur Curve Controller...", &Score::slurShiftControl},
    {"actInvertSlur", &Score::actInvertSlur, "Invert Slur", "Invert Slur", &Score::reverseCommands},
    {"actOtsuToDoubleQuote", &Score::actOtsuToDoubleQuote, "Change Otsu to \"", "Change Otsu to \"",
     &Score::otsuDoubleQuoteCommand},
    {"actDoubleQuoteToOtsu", &Score::actDoubleQuoteToOtsu, "Change \" to Otsu", "Change \" to Otsu",
     &Score::otsuResetDoubleQuoteCommand},
    {"actResetScale", &Score::actResetScale, "Reset Scale", "Reset Scale",
     &Score::resetScaleCommand},
    {"actChangeNoteName", &Score::actChangeNoteName, "Change Note Name", "Change Note Name",
     &Score::noteNameChangeCommand},
    {"actResetNoteShift", &Score::actResetNoteShift, "Reset Note Shift", "Reset Note Shift",
     &Score::resetNoteShiftCommand},
    {"actInvertTie", &Score::actInvertTie, "Invert Tie", "Invert Tie", &Score::reverseCommands},
    {"actEditScale", &Score::actEditScale, "Edit Scale", "Edit Scale",
     &Score::noteDirectiveScaleChangeCommand},
    {"actEnterTransposeStep", &Score::actEnterTransposeStep, "Enter Transpose Step",
     "Enter Transpose Steps", &Score::noteDirectiveTransposeChangeCommand},
};
constexpr int actionCount = int(sizeof(actionRows) / sizeof(actionRows[0]));

// Records every text looked up in the "Score" context, translating none.
class RecordingTranslator : public QTranslator
{
public:
    QStringList sources;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Score") == 0)
            const_cast<RecordingTranslator *>(this)->sources.append(QString::fromUtf8(sourceText));
        return QString();
    }
};

} // namespace

void TestScore::initTestCase()
{
    NoteFonts::setRoot(TestSupport::sourcePath(QStringLiteral("tests/fixtures/notefonts")));
}

void TestScore::constructionState()
{
    auto score = newScore();
    QCOMPARE(score->programVersion, QStringLiteral("5.3.1"));
    QCOMPARE(score->creatorVersion, QStringLiteral("5.3.1"));
    QCOMPARE(score->lastUpdate, QStringLiteral("Unknown"));
    QCOMPARE(score->scoreNumber, 7);
    QCOMPARE(score->staffLyricFontFamily, QStringLiteral("VelmoraStaff"));
    QVERIFY(score->wordFontFamily.isEmpty() && score->lyricFontFamily.isEmpty());
    QVERIFY(score->logText.isEmpty() && score->filePath.isEmpty());
    QVERIFY(score->parts.isEmpty() && score->measures.isEmpty() && score->credits.isEmpty());
    QVERIFY(score->displayedMeasures.isEmpty() && score->lines.isEmpty());
    QVERIFY(score->selectedMeasures.isEmpty() && score->selectedNotes.isEmpty());
    QCOMPARE(score->numParts, 0);
    QCOMPARE(score->numMeasures, 0);
    QVERIFY(score->document.isNull());
    QVERIFY(score->partListElement.isNull());
    QVERIFY(!score->changed && !score->changedSinceAutoSave && !score->dSw && !score->reload);
    QVERIFY(!score->cleanOutput && !score->ghostNotes && !score->outlineNoteFonts);
    QVERIFY(score->noItemCache);
    QVERIFY(score->watcher == nullptr);
    QVERIFY(score->scaleDialog == nullptr);

    // Defaults into both the default and the current settings objects.
    const QString family = QFontInfo(QFont(QStringLiteral("MS Mincho"))).family();
    QCOMPARE(score->textFontFamily, family);
    QCOMPARE(score->style->textFont.family(), family);
    QCOMPARE(score->defaultStyle->defaultFont.family(), family);
    QVERIFY(!score->style->isDifferent(score->defaultStyle));
    QVERIFY(!score->page->isDifferent(score->defaultPage));
    QCOMPARE(score->defaultPart->noteFontName, QStringLiteral("Tozan_Brush"));

    QVERIFY(score->commonRenderer && score->commonRenderer->isValid());
    QVERIFY(score->commonRenderer->elementExists(QStringLiteral("Font_Basic")));
    QVERIFY(score->process && score->process->parent() == nullptr);
    QCOMPARE(score->process->state(), QProcess::NotRunning);
}

void TestScore::viewSettings()
{
    auto score = newScore(false);
    QCOMPARE(score->transformationAnchor(), QGraphicsView::NoAnchor);
    QVERIFY(score->renderHints().testFlag(QPainter::Antialiasing));
    QCOMPARE(score->dragMode(), QGraphicsView::ScrollHandDrag);
    QCOMPARE(score->optimizationFlags(),
             QGraphicsView::OptimizationFlags(QGraphicsView::DontSavePainterState));
    QCOMPARE(score->viewportUpdateMode(), QGraphicsView::SmartViewportUpdate);
    QCOMPARE(score->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(score->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(score->acceptDrops());

    // The view shows its own scene, laid over the page's score area.
    QCOMPARE(score->QGraphicsView::scene(), score->scene);
    QCOMPARE(score->scene->page, score->page);
    const Page *page = score->page;
    const double s = page->scaleFactor;
    QCOMPARE(score->scene->sceneRect(),
             QRectF(page->scoreRect.x() * s - 1000.0, page->scoreRect.y() * s - 800.0,
                    page->scoreRect.width() * s + 2000.0, page->scoreRect.height() * s + 1600.0));
}

void TestScore::ownershipAndConnections()
{
    auto score = newScore();
    Score *s = score.get();
    QCOMPARE(s->scene->parent(), s);
    QCOMPARE(s->undoStack->parent(), s);
    QCOMPARE(s->autoSaveTimer->parent(), s);
    QCOMPARE(s->noteNameDialog->parent(), s);
    QCOMPARE(s->transposeDialog->parent(), s);

    // disconnect() succeeds only for a connection that was made.
    QVERIFY(QObject::disconnect(s->transposeDialog, &DialogTranspose::sigTransposeUpdated, s,
                                &Score::transposeChange));
    QVERIFY(QObject::disconnect(s->noteNameDialog, &NoteNameDialog::noteNameChanged, s,
                                &Score::noteNameChangeApply));
    QVERIFY(QObject::disconnect(s->scene, &QGraphicsScene::selectionChanged, s,
                                &Score::selectionChanged));
    QVERIFY(QObject::disconnect(s->autoSaveTimer, &QTimer::timeout, s, &Score::autoSave));
    QVERIFY(QObject::disconnect(s->undoStack, &QUndoStack::canUndoChanged, s, &Score::canUndo));
    QVERIFY(QObject::disconnect(s->undoStack, &QUndoStack::canRedoChanged, s, &Score::canRedo));
    QVERIFY(
        QObject::disconnect(s->undoStack, &QUndoStack::indexChanged, s, &Score::undoIndexChanged));
}

void TestScore::autoSaveTimer_data()
{
    QTest::addColumn<bool>("autoSave");
    QTest::newRow("with autosave") << true;
    QTest::newRow("without autosave") << false;
}

void TestScore::autoSaveTimer()
{
    QFETCH(bool, autoSave);
    auto score = newScore(autoSave);
    const QList<QTimer *> timers = score->findChildren<QTimer *>(Qt::FindDirectChildrenOnly);
    if (!autoSave) {
        QVERIFY(score->autoSaveTimer == nullptr);
        QVERIFY(timers.isEmpty());
        return;
    }
    QCOMPARE(timers, QList<QTimer *>{score->autoSaveTimer});
    QVERIFY(score->autoSaveTimer->isActive());
    QCOMPARE(score->autoSaveTimer->interval(), 10000);
    QVERIFY(!score->autoSaveTimer->isSingleShot());

    score->autoSaveTimerStop();
    QVERIFY(!score->autoSaveTimer->isActive());
    score->autoSaveTimerStart();
    QVERIFY(score->autoSaveTimer->isActive());
    QCOMPARE(score->autoSaveTimer->interval(), 10000);

    // A tick autosaves a changed score (a short interval stands in for
    // the ten seconds).
    score->setChanged(true);
    score->autoSaveTimer->start(5);
    QTRY_VERIFY(!score->changedSinceAutoSave);
}

void TestScore::timerStartStopWithoutTimerIsHarmless()
{
    auto score = newScore(false);
    score->autoSaveTimerStart();
    score->autoSaveTimerStop();
    QVERIFY(score->autoSaveTimer == nullptr);
}

void TestScore::setChangedSetsBothFlags()
{
    auto score = newScore();
    score->setChanged(true);
    QVERIFY(score->changed);
    QVERIFY(score->changedSinceAutoSave);
    // Saving clears `changed` only; the next autosave still writes.
    score->setChanged(false);
    QVERIFY(!score->changed);
    QVERIFY(score->changedSinceAutoSave);
}

void TestScore::undoIndexMovesMarkChangedSinceAutoSave()
{
    auto score = newScore();
    QString target;
    score->undoStack->push(new NameCommand(&target));
    QVERIFY(score->changedSinceAutoSave);
    QVERIFY(!score->changed); // the commands themselves call setChanged

    score->autoSave();
    QVERIFY(!score->changedSinceAutoSave);
    score->undoStack->undo();
    QVERIFY(score->changedSinceAutoSave);
    QVERIFY(target.isEmpty());

    score->autoSave();
    score->undoStack->redo();
    QVERIFY(score->changedSinceAutoSave);
}

void TestScore::autoSaveClearsOnlyASetFlag()
{
    auto score = newScore();
    score->autoSave();
    QVERIFY(!score->changedSinceAutoSave);
    QVERIFY(!score->changed);
    score->setChanged(true);
    score->autoSave();
    QVERIFY(!score->changedSinceAutoSave);
    QVERIFY(score->changed); // unsaved edits stay unsaved
}

void TestScore::undoStateIsMirroredAndSignalled()
{
    auto score = newScore();
    QSignalSpy stackUndo(score->undoStack, &QUndoStack::canUndoChanged);
    QSignalSpy stackRedo(score->undoStack, &QUndoStack::canRedoChanged);
    QSignalSpy undoSpy(score.get(), &Score::sigCanUndo);
    QSignalSpy redoSpy(score.get(), &Score::sigCanRedo);
    QString target;

    score->undoStack->push(new NameCommand(&target));
    QVERIFY(score->canUndoFlag);
    QVERIFY(!score->canRedoFlag);
    score->undoStack->undo();
    QVERIFY(!score->canUndoFlag);
    QVERIFY(score->canRedoFlag);

    // Every report of the stack is passed on, value for value.
    QVERIFY(!undoSpy.isEmpty());
    QCOMPARE(undoSpy, stackUndo);
    QCOMPARE(redoSpy, stackRedo);
    QCOMPARE(undoSpy.last().at(0).toBool(), false);
    QCOMPARE(redoSpy.last().at(0).toBool(), true);
}

void TestScore::contextActions_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < actionCount; ++row)
        QTest::newRow(actionRows[row].member) << row;
}

void TestScore::contextActions()
{
    QFETCH(int, row);
    const ActionRow &expected = actionRows[row];
    auto score = newScore(false);
    QAction *action = score.get()->*expected.action;
    QVERIFY(action);
    QCOMPARE(action->parent(), score.get());
    QCOMPARE(action->text(), QString::fromUtf8(expected.shownText));
    QVERIFY2(QObject::disconnect(action, &QAction::triggered, score.get(), expected.slot),
             "not connected to its slot");
}

void TestScore::contextActionsInOrderThenDirectiveActions()
{
    auto score = newScore();
    const QList<QAction *> actions = score->findChildren<QAction *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(actions.size(), actionCount + 5);
    for (int row = 0; row < actionCount; ++row)
        QCOMPARE(actions.at(row), score.get()->*actionRows[row].action);

    QAction *const directive[] = {score->directiveAction1, score->directiveAction2,
                                  score->directiveAction3, score->directiveAction4,
                                  score->directiveAction5};
    void (Score::*const commands[])() = {&Score::directiveCommand1, &Score::directiveCommand2,
                                         &Score::directiveCommand3, &Score::directiveCommand4,
                                         &Score::directiveCommand5};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(actions.at(actionCount + i), directive[i]);
        QVERIFY(directive[i]->text().isEmpty());
        QVERIFY(QObject::disconnect(directive[i], &QAction::triggered, score.get(), commands[i]));
        // Each directive action reaches its own command only.
        for (int j = 0; j < 5; ++j) {
            if (j != i)
                QVERIFY(!QObject::disconnect(directive[i], &QAction::triggered, score.get(),
                                             commands[j]));
        }
    }
}

void TestScore::actionTextsGoThroughTranslation()
{
    RecordingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    auto score = newScore(false);
    QCoreApplication::removeTranslator(&translator);

    QStringList expected;
    for (const ActionRow &row : actionRows)
        expected << QString::fromUtf8(row.constructionText);
    // Then the menu's own retranslation, which sets every texted action
    // again, those that keep their construction text last.
    for (int row :
         {2, 3, 19, 6, 7, 8, 9, 10, 11, 17, 18, 20, 23, 24, 1, 0, 21, 4, 5, 12, 13, 14, 15, 16, 22})
        expected << QString::fromUtf8(actionRows[row].shownText);
    QCOMPARE(translator.sources, expected);
}

VELMORA_TEST_MAIN(TestScore)

} // namespace tst_score
#include "tst_score.moc"
