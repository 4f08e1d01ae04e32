// Score's construction, its default page and style settings, the changed
// flags, the undo-state slots and the autosave timer.
#include "model/score.h"

#include "dialogs/dialogtranspose.h"
#include "dialogs/notenamedialog.h"
#include "document/openscores.h"
#include "model/credit.h"
#include "model/measure.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/style.h"
#include "view/scene.h"

#include <QAction>
#include <QFontInfo>
#include <QProcess>
#include <QSvgRenderer>
#include <QTimer>
#include <QUndoStack>

namespace {
constexpr int autoSaveIntervalMs = 10000;
}

Score::Score(const QString &programVersion, int scoreNumber, bool autoSave, QWidget *parent)
    : QGraphicsView(parent), programVersion(programVersion), scoreNumber(scoreNumber)
{
    staffLyricFontFamily = QStringLiteral("VelmoraStaff");
    // The style defaults need the resolved family, so this comes first.
    textFontFamily = resolveTextFontFamily();

    setTransformationAnchor(QGraphicsView::NoAnchor);
    setRenderHint(QPainter::Antialiasing, true);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setOptimizationFlags(QGraphicsView::DontSavePainterState);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    page = new Page;
    defaultPage = new Page;
    setDefaultPage(defaultPage);
    setDefaultPage(page);

    defaultPart = new Part(this);
    setPartDefaults(defaultPart);

    style = new Style;
    defaultStyle = new Style;
    setDefaultStyle(defaultStyle);
    setDefaultStyle(style);

    process = new QProcess;
    commonRenderer = NoteFonts::renderer(NoteFonts::commonFontPath());

    scene = new Scene(page, this);
    setScene(scene);

    createContextActions();

    transposeDialog = new DialogTranspose(this);
    transposeDialog->retranslate();
    connect(transposeDialog, &DialogTranspose::sigTransposeUpdated, this, &Score::transposeChange);

    if (autoSave) {
        autoSaveTimer = new QTimer(this);
        connect(autoSaveTimer, &QTimer::timeout, this, &Score::autoSave);
        autoSaveTimer->start(autoSaveIntervalMs);
    }

    createDirectiveActions();

    noteNameDialog = new NoteNameDialog(this);
    connect(noteNameDialog, &NoteNameDialog::noteNameChanged, this, &Score::noteNameChangeApply);

    undoStack = new QUndoStack(this);
    connect(undoStack, &QUndoStack::canUndoChanged, this, &Score::canUndo);
    connect(undoStack, &QUndoStack::canRedoChanged, this, &Score::canRedo);
    connect(undoStack, &QUndoStack::indexChanged, this, &Score::undoIndexChanged);
    connect(scene, &QGraphicsScene::selectionChanged, this, &Score::selectionChanged);
    // Served from the event loop, so an item's handler never regenerates
    // (and deletes itself) from inside.
    connect(this, &Score::sigRegenerate, this, &Score::generateScore);

    creatorVersion = programVersion;
    lastUpdate = QStringLiteral("Unknown");
    setAcceptDrops(true);

    retranslateContextMenu();
}

Score::~Score()
{
    OpenScores::release(this);
    // The undo stack and the scene report to this score's slots while they
    // go, and their commands and items may point into the model: they go
    // first, while the score is whole.
    delete undoStack;
    delete scene;
    qDeleteAll(measures);
    qDeleteAll(credits);
    qDeleteAll(selectedNotes);
    qDeleteAll(selectedDirections);
    qDeleteAll(selectedNotations);
    qDeleteAll(selectedDirectives);
    qDeleteAll(parts);
    delete defaultPart;
    delete page;
    delete defaultPage;
    delete style;
    delete defaultStyle;
    delete process;
}

void Score::createContextActions()
{
    auto make = [this](const QString &text, void (Score::*slot)()) {
        auto *action = new QAction(text, this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    actChangeFitting = make(tr("Change Fitting"), &Score::changeBreakFitting);
    actDelete = make(tr("Delete"), &Score::deleteSelectedSymbol);
    actFontProperty = make(tr("Font Property"), &Score::fontChangeCommand);
    actResetPosition = make(tr("Reset Position"), &Score::resetMoveCommand);
    actSetFont = make(tr("Set Font"), &Score::setTextFontCommand);
    actDefaultFont = make(tr("Default Font"), &Score::resetTextFontCommand);
    actHorizontal = make(tr("Horizontal"), &Score::setTextHorizontalCommand);
    actVertical = make(tr("Vertical"), &Score::setTextVerticalCommand);
    actVerticalWriting = make(tr("VerticalWriting"), &Score::setTextVerticalWritingCommand);
    actDefaultDirection = make(tr("Default Direction"), &Score::setTextDefaultDirectionCommand);
    actAlignHorizontally = make(tr("Align Horizontally"), &Score::alignItemsHorizontallyCommand);
    actAlignVertically = make(tr("Align Vertically"), &Score::alignItemsVerticallyCommand);
    actDefaultVisibility = make(tr("Default"), &Score::setDefaultVisibilityCommand);
    actVisible = make(tr("Visible"), &Score::setVisibleCommand);
    actInvisible = make(tr("Invisible"), &Score::setInvisibleCommand);
    actSlurCurveController = make(tr("Slur Curve Controller..."), &Score::slurShiftControl);
    actInvertSlur = make(tr("Invert Slur"), &Score::reverseCommands);
    actOtsuToDoubleQuote = make(tr("Change Otsu to \""), &Score::otsuDoubleQuoteCommand);
    actDoubleQuoteToOtsu = make(tr("Change \" to Otsu"), &Score::otsuResetDoubleQuoteCommand);
    actResetScale = make(tr("Reset Scale"), &Score::resetScaleCommand);
    actChangeNoteName = make(tr("Change Note Name"), &Score::noteNameChangeCommand);
    actResetNoteShift = make(tr("Reset Note Shift"), &Score::resetNoteShiftCommand);
    actInvertTie = make(tr("Invert Tie"), &Score::reverseCommands);
    actEditScale = make(tr("Edit Scale"), &Score::noteDirectiveScaleChangeCommand);
    actEnterTransposeStep =
        make(tr("Enter Transpose Step"), &Score::noteDirectiveTransposeChangeCommand);
}

void Score::createDirectiveActions()
{
    auto make = [this](void (Score::*slot)()) {
        auto *action = new QAction(this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    directiveAction1 = make(&Score::directiveCommand1);
    directiveAction2 = make(&Score::directiveCommand2);
    directiveAction3 = make(&Score::directiveCommand3);
    directiveAction4 = make(&Score::directiveCommand4);
    directiveAction5 = make(&Score::directiveCommand5);
}

QString Score::resolveTextFontFamily() const
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Mincho"), QStringLiteral("Yu Gothic"),
                      QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                      QStringLiteral("serif")});
    return QFontInfo(font).family();
}

void Score::setDefaultPage(Page *target) const
{
    target->applyDefaults();
}

void Score::setDefaultStyle(Style *target) const
{
    target->applyDefaults(textFontFamily);
}

void Score::setChanged(bool value)
{
    changed = value;
    if (value)
        changedSinceAutoSave = true;
}

void Score::canUndo(bool value)
{
    canUndoFlag = value;
    emit sigCanUndo(value);
}

void Score::canRedo(bool value)
{
    canRedoFlag = value;
    emit sigCanRedo(value);
}

void Score::undoIndexChanged(int)
{
    changedSinceAutoSave = true;
}

void Score::autoSaveTimerStart()
{
    if (autoSaveTimer)
        autoSaveTimer->start(autoSaveIntervalMs);
}

void Score::autoSaveTimerStop()
{
    if (autoSaveTimer)
        autoSaveTimer->stop();
}
