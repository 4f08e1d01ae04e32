// The score view's context menu, read as the user gets it: a right click
// on the view runs the menu of the selection through the scripted
// prompter, which records its entries and may choose one. Beside it: the
// fitting switch of breaks, the double click, dragging and dropping files,
// and the menu texts after a change of language to Japanese.
#include "document/directive_type.h"
#include "drawing/breakitem.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGraphicsItem>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTranslator>
#include <QUndoStack>
#include <QUrl>
#include <QtTest>

#include <functional>

namespace tst_context_menu {

using TestSupport::directiveOf;
using TestSupport::dolce;
using TestSupport::editableScore;
using TestSupport::firstNote;
using TestSupport::firstVoice;
using TestSupport::notationOfKind;
using TestSupport::noteOf;

namespace {

QGraphicsItem *noteGlyph(Score &score, const Note *note)
{
    return score.measures.at(0)->getItemGraphicsItem(0, 0, note->firstAlignItem);
}

// The first scene item tagged `type`.
QGraphicsItem *itemOfType(Score &score, int type)
{
    const QList<QGraphicsItem *> items = score.scene->items();
    for (QGraphicsItem *item : items) {
        const QVariant tag = item->data(TagType);
        if (tag.isValid() && tag.toInt() == type)
            return item;
    }
    return nullptr;
}

// The mark of the break `type` that measure 2 is given.
QGraphicsItem *breakMark(Score &score, int type)
{
    score.measures.at(1)->userBreakType = type;
    score.generateScore();
    return itemOfType(score, BreakItem::kindOfBreakType(type));
}

// The part in staff notation, which draws bowing marks.
void staffNotation(Score &score)
{
    score.parts.at(0)->notationStyle = 12;
    score.generateScore();
}

// A directive of `text` on the first note, drawn.
QGraphicsItem *addedDirective(Score &score, const QString &text)
{
    Directive *directive = score.addDirectiveToNote(firstNote(score), text);
    score.undoStack->clear();
    score.generateScore();
    return directive->item;
}

void select(Score &score, const QList<QGraphicsItem *> &items)
{
    score.scene->clearSelection();
    for (QGraphicsItem *item : items) {
        QVERIFY(item);
        item->setSelected(true);
    }
}

// A right click on the view over `over` (or its middle), as the toolkit
// delivers it.
void rightClick(Score &score, const QGraphicsItem *over = nullptr)
{
    const QPoint pos = over ? score.mapFromScene(over->sceneBoundingRect().center())
                            : score.viewport()->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, score.viewport()->mapToGlobal(pos));
    QCoreApplication::sendEvent(score.viewport(), &event);
}

// The entries of a recorded menu, one text: "Font/Default Font (off)",
// "Inhibit Note Repeat [.noPrev]", joined by " | ".
QString entriesText(const QList<TestSupport::ScriptedPrompter::MenuEntry> &entries)
{
    QStringList texts;
    for (const auto &entry : entries) {
        QString text = entry.path;
        if (!entry.enabled)
            text += QStringLiteral(" (off)");
        if (!entry.data.isEmpty())
            text += QStringLiteral(" [%1]").arg(entry.data);
        texts << text;
    }
    return texts.join(QStringLiteral(" | "));
}

const QString visibility =
    QStringLiteral("Set Visibility/Default | Set Visibility/Visible | Set Visibility/Invisible");
const QString align = QStringLiteral("Align/Horizontally | Align/Vertically");
const QString fourDirections =
    QStringLiteral("Direction/Horizontal | Direction/Vertical | Direction/Vertical Writing | "
                   "Direction/Default");

using Select = std::function<QList<QGraphicsItem *>(Score &)>;

struct MenuRow
{
    QString name;
    Select select;
    QString expected; // empty: no menu
};

QList<MenuRow> menuRows()
{
    const auto withKind = [](Direction *direction, int kind) {
        direction->kind = kind;
        return direction->item;
    };
    return {
        {"credit", [](Score &s) { return QList<QGraphicsItem *>{s.credits.at(0)->item}; },
         "Font Property | Reset Position | " + fourDirections},
        {"two credits",
         [](Score &s) {
             return QList<QGraphicsItem *>{s.credits.at(0)->item, s.credits.at(1)->item};
         },
         "Font Property | Reset Position | " + align + " | " + fourDirections},
        {"line break", [](Score &s) { return QList<QGraphicsItem *>{breakMark(s, 1)}; },
         "Delete | Change Fitting"},
        {"page break not fitted", [](Score &s) { return QList<QGraphicsItem *>{breakMark(s, 5)}; },
         "Delete | Change Fitting"},
        {"white-page break", [](Score &s) { return QList<QGraphicsItem *>{breakMark(s, 3)}; },
         "Delete | Change Fitting"},
        {"measure area",
         [](Score &s) { return QList<QGraphicsItem *>{s.displayedMeasures.at(0)->measureItem}; },
         "Reset Scale"},
        {"slur",
         [](Score &s) {
             return QList<QGraphicsItem *>{notationOfKind(firstNote(s), NotationKind::Slur)->item};
         },
         "Reset Position | Slur Curve Controller... | Invert Slur | " + visibility},
        {"fermata",
         [](Score &s) {
             return QList<QGraphicsItem *>{
                 notationOfKind(firstNote(s), NotationKind::Fermata)->item};
         },
         "Reset Position | Reset Scale | " + visibility},
        {"fermata and staccato",
         [](Score &s) {
             return QList<QGraphicsItem *>{
                 notationOfKind(firstNote(s), NotationKind::Fermata)->item,
                 notationOfKind(firstNote(s), NotationKind::Staccato)->item};
         },
         "Reset Position | Reset Scale | " + visibility + " | " + align},
        {"wavy-line end",
         [](Score &s) {
             Notation *notation = notationOfKind(firstNote(s), NotationKind::Fermata);
             notation->kind = NotationKind::WavyLineStop;
             return QList<QGraphicsItem *>{notation->item};
         },
         "Reset Position | " + visibility},
        {"notation of an unknown kind",
         [](Score &s) {
             Notation *notation = notationOfKind(firstNote(s), NotationKind::Fermata);
             notation->kind = 18;
             return QList<QGraphicsItem *>{notation->item};
         },
         "Reset Position | " + visibility},
        {"lyric", [](Score &s) { return QList<QGraphicsItem *>{firstNote(s)->lyrics.at(0)->item}; },
         "Reset Position"},
        {"two lyrics",
         [](Score &s) {
             return QList<QGraphicsItem *>{firstNote(s)->lyrics.at(0)->item,
                                           firstNote(s)->lyrics.at(1)->item};
         },
         "Reset Position | " + align},
        {"ending", [](Score &s) { return QList<QGraphicsItem *>{s.measures.at(0)->endingItem}; },
         "Reset Position"},
        {"fingering",
         [](Score &s) { return QList<QGraphicsItem *>{firstNote(s)->fingerings.at(0)->item}; },
         "Reset Position"},
        {"harmonic", [](Score &s) { return QList<QGraphicsItem *>{firstNote(s)->harmonic->item}; },
         "Reset Position"},
        {"up-bow",
         [](Score &s) {
             staffNotation(s);
             return QList<QGraphicsItem *>{firstNote(s)->upBow->item};
         },
         "Reset Position"},
        {"stopped",
         [](Score &s) {
             staffNotation(s);
             return QList<QGraphicsItem *>{firstNote(s)->stopped->item};
         },
         "Reset Position"},
        {"words without a font of its own",
         [](Score &s) { return QList<QGraphicsItem *>{dolce(s)->item}; },
         "Reset Position (off) | Reset Scale | Font/Set Font | Font/Default Font (off) | " +
             fourDirections + " | " + visibility},
        {"moved words with a font of its own",
         [](Score &s) {
             dolce(s)->moved = true;
             dolce(s)->fontGiven = true;
             return QList<QGraphicsItem *>{dolce(s)->item};
         },
         "Reset Position | Reset Scale | Font/Set Font | Font/Default Font | " + fourDirections +
             " | " + visibility},
        {"two words",
         [](Score &s) {
             return QList<QGraphicsItem *>{dolce(s)->item,
                                           firstVoice(s, 4)->directions.at(0)->item};
         },
         "Reset Position (off) | Reset Scale | " + align +
             " | Font/Set Font | Font/Default Font (off) | " + fourDirections + " | " + visibility},
        {"crescendo wedge",
         [withKind](Score &s) {
             return QList<QGraphicsItem *>{withKind(dolce(s), DirectionKind::Crescendo)};
         },
         "Reset Position (off) | Reset Scale | " + visibility},
        {"bracket",
         [withKind](Score &s) {
             return QList<QGraphicsItem *>{withKind(dolce(s), DirectionKind::LineStart)};
         },
         "Reset Position (off) | Reset Scale | " + visibility},
        {"coda",
         [withKind](Score &s) {
             return QList<QGraphicsItem *>{withKind(dolce(s), DirectionKind::Coda)};
         },
         "Reset Position (off) | Reset Scale | Direction/Horizontal | Direction/Vertical | "
         "Direction/Default"},
        {"D.S. al Fine",
         [withKind](Score &s) {
             return QList<QGraphicsItem *>{withKind(dolce(s), DirectionKind::LastRepeatWord)};
         },
         "Reset Position (off) | Reset Scale | Direction/Horizontal | Direction/Vertical | "
         "Direction/Default"},
        {"dynamics",
         [withKind](Score &s) {
             return QList<QGraphicsItem *>{withKind(dolce(s), DirectionKind::Dynamics)};
         },
         "Reset Position (off) | Reset Scale"},
        {"octave shift",
         [withKind](Score &s) {
             return QList<QGraphicsItem *>{withKind(dolce(s), DirectionKind::OctaveDown)};
         },
         "Reset Position (off) | Reset Scale"},
        {"Otsu mark",
         [](Score &s) {
             firstNote(s)->octaveInstMark = QStringLiteral("Otsu");
             return QList<QGraphicsItem *>{firstNote(s)->octaveInstItem};
         },
         "Reset Position | Change Otsu to \""},
        {"double quote for Otsu",
         [](Score &s) {
             firstNote(s)->otsuDoubleQuote = true;
             return QList<QGraphicsItem *>{firstNote(s)->octaveInstItem};
         },
         "Reset Position | Change \" to Otsu"},
        {"Kan mark",
         [](Score &s) {
             firstNote(s)->octaveInstMark = QStringLiteral("Kan");
             return QList<QGraphicsItem *>{firstNote(s)->octaveInstItem};
         },
         "Reset Position"},
        {"note glyph", [](Score &s) { return QList<QGraphicsItem *>{noteGlyph(s, firstNote(s))}; },
         "Change Note Name | Inhibit Note Repeat [.noPrev] | Add Long Repeat 1 [.longRepeat{1}]"},
        {"note glyph of staff notation",
         [](Score &s) {
             staffNotation(s);
             return QList<QGraphicsItem *>{noteGlyph(s, firstNote(s))};
         },
         "Reset Note Shift | Invert Tie"},
        {"scale directive",
         [](Score &s) {
             return QList<QGraphicsItem *>{addedDirective(s, QStringLiteral(".scale{1}'a'"))};
         },
         "Edit Scale | Reset Position | Delete"},
        {"sangen scale directive",
         [](Score &s) {
             return QList<QGraphicsItem *>{addedDirective(s, QStringLiteral(".scaleSangen{1}'a'"))};
         },
         "Edit Scale | Reset Position | Delete"},
        {"transpose directive",
         [](Score &s) {
             return QList<QGraphicsItem *>{addedDirective(s, QStringLiteral(".transpose{2}"))};
         },
         "Enter Transpose Steps | Reset Position | Delete"},
        {"two transpose directives",
         [](Score &s) {
             addedDirective(s, QStringLiteral(".transpose{2}"));
             QGraphicsItem *second = addedDirective(s, QStringLiteral(".transpose{3}"));
             return QList<QGraphicsItem *>{
                 directiveOf(firstNote(s), QStringLiteral(".transpose{2}"))->item, second};
         },
         "Enter Transpose Steps | Reset Position | " + align + " | Delete"},
        {"no-repeat directive",
         [](Score &s) {
             return QList<QGraphicsItem *>{
                 directiveOf(firstNote(s), QStringLiteral(".noPrev"))->item};
         },
         "Reset Position | Reset Scale | Delete"},
        {"item of a kind without a menu",
         [](Score &s) {
             QGraphicsItem *item = s.scene->addRect(0, 0, 10, 10);
             item->setData(TagType, NotePartItem);
             item->setFlag(QGraphicsItem::ItemIsSelectable);
             return QList<QGraphicsItem *>{item};
         },
         {}},
        {"untagged item",
         [](Score &s) {
             QGraphicsItem *item = s.scene->addRect(0, 0, 10, 10);
             item->setFlag(QGraphicsItem::ItemIsSelectable);
             return QList<QGraphicsItem *>{item};
         },
         {}},
    };
}

// The toolkit delivers a drop only inside a drag it runs itself, so the
// view's handler is called as the delivery would call it.
class DropTarget : public Score
{
public:
    using Score::dropEvent;
};

void drop(Score &score, QDropEvent *event)
{
    (score.*(&DropTarget::dropEvent))(event);
}

} // namespace

class TestContextMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void menuOfTheFirstSelectedItem_data();
    void menuOfTheFirstSelectedItem();
    void nothingSelectedShowsNoMenu();
    void slurAndLyricFollowTheFirst();
    void directionDisablesForItsOwnMenuOnly();
    void choosingInhibitNoteRepeatAddsNoPrev();
    void choosingAnEntryRunsItsCommand();
    void changeBreakFitting();
    void changeBreakFittingWithoutBreaks();
    void doubleClickOpensTheSlurController();
    void dragEnter_data();
    void dragEnter();
    void dropLocalFiles();
    void dropPlainText();
    void retranslation();

private:
    TestSupport::ScriptedPrompter &prompter = TestSupport::prompter();
};

void TestContextMenu::init()
{
    prompter.reset();
}

void TestContextMenu::menuOfTheFirstSelectedItem_data()
{
    QTest::addColumn<int>("row");
    const QList<MenuRow> rows = menuRows();
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows.at(i).name)) << i;
}

void TestContextMenu::menuOfTheFirstSelectedItem()
{
    QFETCH(int, row);
    const MenuRow menuRow = menuRows().at(row);
    auto score = editableScore();
    QVERIFY(score);
    const QList<QGraphicsItem *> items = menuRow.select(*score);
    select(*score, items);
    QCOMPARE(score->scene->selectedItems().size(), items.size());
    rightClick(*score, items.first());
    if (menuRow.expected.isEmpty()) {
        QVERIFY(prompter.menus.isEmpty());
        return;
    }
    QCOMPARE(prompter.menus.size(), 1);
    QCOMPARE(entriesText(prompter.menus.first()), menuRow.expected);
    // Showing a menu changes nothing.
    QCOMPARE(score->undoStack->count(), 0);
}

void TestContextMenu::nothingSelectedShowsNoMenu()
{
    auto score = editableScore();
    QVERIFY(score);
    score->scene->clearSelection();
    rightClick(*score, dolce(*score)->item);
    QVERIFY(prompter.menus.isEmpty());
    QVERIFY(!score->buildContextMenu());
}

// Which of the two is first is the scene's choice; the menu is that of the
// first in the scene's list.
void TestContextMenu::slurAndLyricFollowTheFirst()
{
    auto score = editableScore();
    QVERIFY(score);
    QGraphicsItem *slur = notationOfKind(firstNote(*score), NotationKind::Slur)->item;
    QGraphicsItem *lyric = firstNote(*score)->lyrics.at(0)->item;
    select(*score, {slur, lyric});
    rightClick(*score, lyric);
    QCOMPARE(prompter.menus.size(), 1);
    const QString expected = score->scene->selectedItems().first() == slur
                                 ? "Reset Position | Slur Curve Controller... | Invert Slur | " +
                                       visibility + " | " + align
                                 : "Reset Position | " + align;
    QCOMPARE(entriesText(prompter.menus.first()), expected);
}

// Reset Position and Default Font are shared by every menu: a words
// direction's menu disables them, the next menu has them back.
void TestContextMenu::directionDisablesForItsOwnMenuOnly()
{
    auto score = editableScore();
    QVERIFY(score);
    select(*score, {dolce(*score)->item});
    rightClick(*score);
    QVERIFY(!score->actResetPosition->isEnabled());
    QVERIFY(!score->actDefaultFont->isEnabled());

    select(*score, {firstNote(*score)->lyrics.at(0)->item});
    rightClick(*score);
    QCOMPARE(entriesText(prompter.menus.last()), QStringLiteral("Reset Position"));
    QVERIFY(score->actResetPosition->isEnabled());
    QVERIFY(score->actDefaultFont->isEnabled());
}

void TestContextMenu::choosingInhibitNoteRepeatAddsNoPrev()
{
    auto score = editableScore();
    QVERIFY(score);
    Note *second = noteOf(*score, 0, 1);
    QCOMPARE(score->noteDirectiveIndex(second, DirectiveType::NoPrev), -1);
    select(*score, {noteGlyph(*score, second)});
    prompter.menuAnswers.enqueue(QStringLiteral("Inhibit Note Repeat"));
    rightClick(*score);
    QVERIFY(score->noteDirectiveIndex(second, DirectiveType::NoPrev) >= 0);
    QCOMPARE(score->undoStack->count(), 1);
    score->undoStack->undo();
    QCOMPARE(score->noteDirectiveIndex(second, DirectiveType::NoPrev), -1);
}

// Each action runs the command of its table row.
void TestContextMenu::choosingAnEntryRunsItsCommand()
{
    auto score = editableScore();
    QVERIFY(score);
    dolce(*score)->setOffset(1.0, 2.0);
    score->generateScore();
    select(*score, {dolce(*score)->item});
    prompter.menuAnswers.enqueue(QStringLiteral("Reset Position"));
    rightClick(*score);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetMoveCommand"));
    QVERIFY(!dolce(*score)->moved);

    select(*score, {dolce(*score)->item});
    prompter.menuAnswers.enqueue(QStringLiteral("Direction/Vertical Writing"));
    rightClick(*score);
    QCOMPARE(score->undoStack->text(1), QStringLiteral("resetTextRotation"));
    QCOMPARE(dolce(*score)->rotation, 3);

    // A disabled entry cannot be chosen.
    select(*score, {dolce(*score)->item});
    prompter.menuAnswers.enqueue(QStringLiteral("Font/Default Font"));
    rightClick(*score);
    QCOMPARE(score->undoStack->count(), 2);
}

void TestContextMenu::changeBreakFitting()
{
    auto score = editableScore();
    QVERIFY(score);
    select(*score, {breakMark(*score, 5)});
    prompter.menuAnswers.enqueue(QStringLiteral("Change Fitting"));
    rightClick(*score);
    QCOMPARE(score->measures.at(1)->userBreakType, 2);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("Change Break Fitting"));
    QCOMPARE(score->undoStack->command(0)->child(0)->text(), QStringLiteral("ChangeBreakFitting"));
    // The regeneration drew the fitted mark.
    QVERIFY(itemOfType(*score, BreakItem::kindOfBreakType(2)));
    score->undoStack->undo();
    QCOMPARE(score->measures.at(1)->userBreakType, 5);
}

void TestContextMenu::changeBreakFittingWithoutBreaks()
{
    auto score = editableScore();
    QVERIFY(score);
    QGraphicsItem *glyph = noteGlyph(*score, firstNote(*score));
    select(*score, {glyph});
    score->changeBreakFitting();
    QCOMPARE(score->undoStack->count(), 0);
    // Not regenerated: the selected glyph is still the scene's.
    QVERIFY(score->scene->items().contains(glyph));
    QVERIFY(glyph->isSelected());
}

// The view's double click, without the press before it (which would
// select anew).
static void doubleClick(Score &score)
{
    const QPointF pos(score.viewport()->rect().center());
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, score.viewport()->mapToGlobal(pos),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(score.viewport(), &event);
}

void TestContextMenu::doubleClickOpensTheSlurController()
{
    auto score = editableScore();
    QVERIFY(score);
    TestSupport::MessageCapture capture;
    select(*score, {firstNote(*score)->lyrics.at(0)->item});
    doubleClick(*score);
    QCOMPARE(capture.count(QStringLiteral("mouseDoubleClickEvent")), 1);
    QVERIFY(prompter.prompts.isEmpty());

    select(*score, {notationOfKind(firstNote(*score), NotationKind::Slur)->item});
    doubleClick(*score);
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().kind, QStringLiteral("dialog"));
    QCOMPARE(prompter.prompts.first().title, QStringLiteral("Slur Curve Controller"));
}

void TestContextMenu::dragEnter_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("line");
    QTest::newRow("text") << "text/plain"
                          << "dragEnterEvent in Score hasText";
    QTest::newRow("urls") << "text/uri-list"
                          << "dragEnterEvent in Score  hasUrls";
    QTest::newRow("other") << "image/png"
                           << "dragEnterEvent  in Score Else";
}

void TestContextMenu::dragEnter()
{
    QFETCH(QString, format);
    QFETCH(QString, line);
    auto score = editableScore();
    QVERIFY(score);
    QMimeData data;
    if (format == QLatin1String("text/uri-list"))
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.tnsx"))});
    else
        data.setData(format, "x");
    TestSupport::MessageCapture capture;
    QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    QCoreApplication::sendEvent(score->viewport(), &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(event.dropAction(), Qt::CopyAction);
    QVERIFY2(capture.contains(line), qPrintable(capture.lines().join('\n')));
}

void TestContextMenu::dropLocalFiles()
{
    auto score = editableScore();
    QVERIFY(score);
    QSignalSpy spy(score.get(), &Score::sigDropFile);
    const QString first = QStringLiteral("/tmp/my scores/sakura sakura.tnsx");
    const QString second = QStringLiteral("/tmp/楽譜/さくら.musicxml");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl(QStringLiteral("https://example.org/x.xml")),
                  QUrl::fromLocalFile(second)});
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    drop(*score, &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), first);
    QCOMPARE(spy.at(1).at(0).toString(), second);
}

void TestContextMenu::dropPlainText()
{
    auto score = editableScore();
    QVERIFY(score);
    QSignalSpy spy(score.get(), &Score::sigDropFile);
    QMimeData data;
    data.setText(QStringLiteral("/tmp/a.tnsx"));
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    drop(*score, &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(spy.size(), 0);
}

void TestContextMenu::retranslation()
{
    auto score = editableScore();
    QVERIFY(score);
    const QList<QPair<QAction *, QString>> texts = {
        {score->actChangeFitting, "Change Fitting"},
        {score->actDelete, "Delete"},
        {score->actFontProperty, "Font Property"},
        {score->actResetPosition, "Reset Position"},
        {score->actSetFont, "Set Font"},
        {score->actDefaultFont, "Default Font"},
        {score->actHorizontal, "Horizontal"},
        {score->actVertical, "Vertical"},
        {score->actVerticalWriting, "Vertical Writing"},
        {score->actDefaultDirection, "Default"},
        {score->actAlignHorizontally, "Horizontally"},
        {score->actAlignVertically, "Vertically"},
        {score->actDefaultVisibility, "Default"},
        {score->actVisible, "Visible"},
        {score->actInvisible, "Invisible"},
        {score->actSlurCurveController, "Slur Curve Controller..."},
        {score->actInvertSlur, "Invert Slur"},
        {score->actOtsuToDoubleQuote, "Change Otsu to \""},
        {score->actDoubleQuoteToOtsu, "Change \" to Otsu"},
        {score->actResetScale, "Reset Scale"},
        {score->actChangeNoteName, "Change Note Name"},
        {score->actResetNoteShift, "Reset Note Shift"},
        {score->actInvertTie, "Invert Tie"},
        {score->actEditScale, "Edit Scale"},
        {score->actEnterTransposeStep, "Enter Transpose Steps"},
    };
    for (const auto &[action, text] : texts)
        QCOMPARE(action->text(), text);

    QTranslator japanese;
    QVERIFY(japanese.load(QStringLiteral(":/languages/velmora_ja")));
    QVERIFY(QCoreApplication::installTranslator(&japanese));
    score->retranslateContextMenu();
    QCoreApplication::removeTranslator(&japanese);
    for (const auto &[action, text] : texts) {
        const QString translated = japanese.translate("Score", qPrintable(text));
        QVERIFY2(!translated.isEmpty() && translated != text, qPrintable(text));
        QCOMPARE(action->text(), translated);
    }
    // The menus built now are in Japanese throughout.
    select(*score, {dolce(*score)->item});
    QVERIFY(QCoreApplication::installTranslator(&japanese));
    rightClick(*score);
    QCoreApplication::removeTranslator(&japanese);
    QVERIFY(entriesText(prompter.menus.last())
                .startsWith(japanese.translate("Score", "Reset Position") + " (off) | " +
                            japanese.translate("Score", "Reset Scale") + " | " +
                            japanese.translate("Score", "Font") + "/"));

    // And back to English.
    score->retranslateContextMenu();
    for (const auto &[action, text] : texts)
        QCOMPARE(action->text(), text);
}

VELMORA_TEST_MAIN(TestContextMenu)

} // namespace tst_context_menu
#include "tst_context_menu.moc"
