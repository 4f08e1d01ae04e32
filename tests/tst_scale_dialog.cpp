// The scale editor: reading and showing a scale text, shifting and
// transposing notes, reporting through Apply and OK, the clipboard, the
// preceding scale, templates and scale files, and a screenshot. Prompts and
// the template dialog's modal run go through the scripted prompter.
#include "dialogs/scaledialog.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/installedcatalogue.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <limits>
#include <memory>

namespace tst_scale_dialog {

namespace {

using TestSupport::ScriptedPrompter;

const QString sangen = QStringLiteral(".scaleSangen{4,9,16}'Sangen_Honchoshi'");
const QString doremi13 = QStringLiteral(".scale{2,4,6,7,9,11,13,14,16,18,19,21,23}'Doremi_C'");

template <class T> T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void click(const QWidget &dialog, const char *button)
{
    child<QPushButton>(dialog, button)->click();
}

QString shownText(const QWidget &dialog)
{
    return child<QLineEdit>(dialog, "lineEditScaleText")->text();
}

QStringList rowTexts(const QWidget &dialog)
{
    QStringList rows;
    const QListWidget *list = child<QListWidget>(dialog, "listWidgetScale");
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

QList<int> selectedRows(const QWidget &dialog)
{
    QList<int> rows;
    const QListWidget *list = child<QListWidget>(dialog, "listWidgetScale");
    for (const QListWidgetItem *item : list->selectedItems())
        rows << list->row(item);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void selectRows(const QWidget &dialog, const QList<int> &rows)
{
    QListWidget *list = child<QListWidget>(dialog, "listWidgetScale");
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
}

// A dialog opened on `text` as the score opens it.
void open(ScaleDialog &dialog, const QString &text, const QString &preceding = QString())
{
    dialog.retranslate();
    dialog.setDialog(nullptr, preceding, text);
}

// The same picture, compared pixel by pixel at one size.
bool sameIcon(const QIcon &icon, const QString &path)
{
    return !icon.isNull() && icon.pixmap(24).toImage() == QIcon(path).pixmap(24).toImage();
}

int liveScores()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        count += qobject_cast<Score *>(widget) != nullptr;
    return count;
}

// Every named widget is shown, at least at its minimum size, inside the window.
void checkShownInside(const QWidget &dialog, const QStringList &names)
{
    for (const QString &name : names) {
        const QWidget *widget = dialog.findChild<QWidget *>(name);
        QVERIFY2(widget && widget->isVisible(), qPrintable(name));
        const QRect box(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        QVERIFY2(dialog.rect().contains(box), qPrintable(name));
        const QSize least = widget->minimumSizeHint();
        QVERIFY2(widget->width() >= least.width() && widget->height() >= least.height(),
                 qPrintable(name));
    }
}

} // namespace

class TestScaleDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void opensOnAScaleDirective();
    void readsScaleTexts_data();
    void readsScaleTexts();
    void namesPitches_data();
    void namesPitches();
    void rowIcons_data();
    void rowIcons();
    void shiftsSelectedNotes_data();
    void shiftsSelectedNotes();
    void shiftsStopAtTheLimits();
    void transposesAndUndoes();
    void reportsOnlyChangedScales();
    void okAndCancelClose();
    void pastesThroughTheClipboard_data();
    void pastesThroughTheClipboard();
    void copiesThePrecedingScale();
    void replacingTheScaleEndsTheTransposeUndo_data();
    void replacingTheScaleEndsTheTransposeUndo();
    void takesATemplate();
    void readsAScaleFile_data();
    void readsAScaleFile();
    void screenshot_data();
    void screenshot();

private:
    TestSupport::ScriptedPrompter &prompter = TestSupport::prompter();
};

void TestScaleDialog::init()
{
    prompter.reset();
}

void TestScaleDialog::opensOnAScaleDirective()
{
    ScaleDialog dialog;
    open(dialog, sangen);
    QCOMPARE(rowTexts(dialog), (QStringList{"1  D4", "2  G4", "3  D5"}));
    const QListWidget *list = child<QListWidget>(dialog, "listWidgetScale");
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(list->item(row)->icon().isNull());
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(child<QLabel>(dialog, "labelNumber")->text(), QStringLiteral("3"));
    QCOMPARE(child<QLineEdit>(dialog, "lineEditScaleName")->text(),
             QStringLiteral("Sangen_Honchoshi"));
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{4,9,16}'Sangen_Honchoshi'"));
    QVERIFY(child<QLineEdit>(dialog, "lineEditScaleText")->isReadOnly());
    QCOMPARE(dialog.minimumWidth(), 770);
    QCOMPARE(dialog.maximumWidth(), 770);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Scale"));
    QCOMPARE(dialog.getScaleText(), sangen);
    QCOMPARE(child<QLabel>(dialog, "labelMessage")->text(),
             QStringLiteral("Select a scale note in the list and change pitch."));
    QCOMPARE(child<QPushButton>(dialog, "pushButtonUp4th")->text(), QStringLiteral("↑ (4th)"));

    const QComboBox *combo = child<QComboBox>(dialog, "comboBoxTranspose");
    QCOMPARE(combo->count(), 25);
    QCOMPARE(combo->currentIndex(), 12);
    QCOMPARE(combo->itemText(0), QStringLiteral("-12/Octave"));
    QCOMPARE(combo->itemText(5), QStringLiteral("-7/Perfect Fifth"));
    QCOMPARE(combo->itemText(12), QStringLiteral("0/Perfect Unison"));
    QCOMPARE(combo->itemText(21), QStringLiteral("+9/Major Sixth"));
    QCOMPARE(combo->itemText(24), QStringLiteral("+12/Octave"));
    QVERIFY(!child<QPushButton>(dialog, "pushButtonUndoTranspose")->isEnabled());

    // Without More only the first column shows.
    child<QPushButton>(dialog, "pushButtonMore")->setChecked(false);
    QCOMPARE(dialog.maximumWidth(), 477);
    QVERIFY(child<QWidget>(dialog, "groupBoxMore")->isHidden());
}

void TestScaleDialog::readsScaleTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // empty: refused
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("count");

    QTest::newRow("sangen prefix") << sangen << ".scale{4,9,16}'Sangen_Honchoshi'"
                                   << "Sangen_Honchoshi"
                                   << "3";
    QTest::newRow("no prefix") << "{4,9,16}'a'"
                               << ".scale{4,9,16}'a'"
                               << "a"
                               << "3";
    QTest::newRow("no separator") << ".scale{4,9,16}"
                                  << ""
                                  << ""
                                  << "Number";
    QTest::newRow("two separators") << "{1}'a}'b'"
                                    << ""
                                    << ""
                                    << "Number";
    QTest::newRow("empty braces") << "{}'e'"
                                  << ".scale{0}'e'"
                                  << "e"
                                  << "1";
    QTest::newRow("empty item") << "{4,,16}'e'"
                                << ".scale{4,0,16}'e'"
                                << "e"
                                << "3";
    QTest::newRow("not numbers") << "{x,-3,99999999999}'e'"
                                 << ".scale{0,-3,0}'e'"
                                 << "e"
                                 << "3";
    QTest::newRow("no brace") << "7,8}'n'"
                              << ".scale{7,8}'n'"
                              << "n"
                              << "2";
    QTest::newRow("name without closing quote") << "{1}'open name"
                                                << ".scale{1}'open name'"
                                                << "open name"
                                                << "1";
    QTest::newRow("after the last quote") << "{1}'a'b'tail"
                                          << ".scale{1}'a'b'"
                                          << "a'b"
                                          << "1";
}

void TestScaleDialog::readsScaleTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, name);
    QFETCH(QString, count);
    ScaleDialog dialog;
    open(dialog, text);
    QCOMPARE(shownText(dialog), shown);
    QCOMPARE(child<QLineEdit>(dialog, "lineEditScaleName")->text(), name);
    QCOMPARE(child<QLabel>(dialog, "labelNumber")->text(), count);
    if (shown.isEmpty())
        QVERIFY(rowTexts(dialog).isEmpty());
}

void TestScaleDialog::namesPitches_data()
{
    QTest::addColumn<int>("pitch");
    QTest::addColumn<QString>("name");
    QTest::newRow("C4") << 2 << "C4";
    QTest::newRow("D4") << 4 << "D4";
    QTest::newRow("Bb3") << 0 << "Bb/A#3";
    QTest::newRow("F#5") << 20 << "Gb/F#5";
    QTest::newRow("C0") << -46 << "C0";
    QTest::newRow("below C0") << -47 << "0";
    QTest::newRow("an octave below C0") << -58 << "C-1";
    QTest::newRow("largest") << std::numeric_limits<int>::max() << "F178956974";
    QTest::newRow("smallest") << std::numeric_limits<int>::min() << "-178956966";
}

void TestScaleDialog::namesPitches()
{
    QFETCH(int, pitch);
    QFETCH(QString, name);
    QCOMPARE(ScaleDialog::noteNameOfPitch(pitch), name);
}

void TestScaleDialog::rowIcons_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("icons"); // empty: no icons

    QStringList thirteen;
    for (int row = 1; row <= 10; ++row)
        thirteen << QString::number(row);
    thirteen << "To"
             << "I"
             << "Kin";
    QStringList eighteen;
    for (int row = 1; row <= 17; ++row)
        eighteen << QString::number(row);
    eighteen << "White";
    QTest::newRow("12 notes") << 12 << QStringList();
    QTest::newRow("13 notes") << 13 << thirteen;
    QTest::newRow("17 notes") << 17 << eighteen.mid(0, 17);
    QTest::newRow("18 notes") << 18 << eighteen;
}

void TestScaleDialog::rowIcons()
{
    QFETCH(int, count);
    QFETCH(QStringList, icons);
    QStringList pitches;
    for (int row = 0; row < count; ++row)
        pitches << QString::number(row);
    ScaleDialog dialog;
    open(dialog, QStringLiteral("{%1}'n'").arg(pitches.join(QLatin1Char(','))));
    const QListWidget *list = child<QListWidget>(dialog, "listWidgetScale");
    QCOMPARE(list->count(), count);
    for (int row = 0; row < count; ++row) {
        const QIcon icon = list->item(row)->icon();
        if (icons.isEmpty())
            QVERIFY(icon.isNull());
        else
            QVERIFY2(sameIcon(icon, QStringLiteral(":/images/%1.png").arg(icons.at(row))),
                     qPrintable(QString::number(row)));
    }
    // "To" is no number: the 13-string names differ from the numbers.
    if (count == 13)
        QVERIFY(!sameIcon(list->item(10)->icon(), QStringLiteral(":/images/11.png")));
}

void TestScaleDialog::shiftsSelectedNotes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("shifted");
    QTest::newRow("4th") << "pushButtonUp4th"
                         << "pushButtonDown4th"
                         << "{9,9,21}";
    QTest::newRow("half") << "pushButtonUp"
                          << "pushButtonDown"
                          << "{5,9,17}";
    QTest::newRow("octave") << "pushButtonUpOctave"
                            << "pushButtonDownOctave"
                            << "{16,9,28}";
}

void TestScaleDialog::shiftsSelectedNotes()
{
    QFETCH(QString, button);
    QFETCH(QString, back);
    QFETCH(QString, shifted);
    ScaleDialog dialog;
    open(dialog, sangen);
    const QString name = QStringLiteral("'Sangen_Honchoshi'");

    // Nothing selected: nothing moves.
    click(dialog, qPrintable(button));
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{4,9,16}") + name);

    selectRows(dialog, {0, 2});
    click(dialog, qPrintable(button));
    QCOMPARE(shownText(dialog), QStringLiteral(".scale") + shifted + name);
    QCOMPARE(selectedRows(dialog), (QList<int>{0, 2}));
    click(dialog, qPrintable(back));
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{4,9,16}") + name);
    QCOMPARE(selectedRows(dialog), (QList<int>{0, 2}));

    click(dialog, "pushButtonClearSelection");
    QVERIFY(selectedRows(dialog).isEmpty());
}

// A text may hold pitches at the ends of the int range: shifting and
// transposing stop there.
void TestScaleDialog::shiftsStopAtTheLimits()
{
    ScaleDialog dialog;
    open(dialog, QStringLiteral("{2147483647,-2147483648}'edge'"));
    selectRows(dialog, {0});
    click(dialog, "pushButtonUpOctave");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{2147483647,-2147483648}'edge'"));
    child<QComboBox>(dialog, "comboBoxTranspose")->setCurrentIndex(0);
    click(dialog, "pushButtonTranspose");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{2147483635,-2147483648}'edge'"));
}

void TestScaleDialog::transposesAndUndoes()
{
    ScaleDialog dialog;
    open(dialog, sangen);
    QPushButton *undo = child<QPushButton>(dialog, "pushButtonUndoTranspose");
    QComboBox *combo = child<QComboBox>(dialog, "comboBoxTranspose");
    combo->setCurrentIndex(0);
    click(dialog, "pushButtonTranspose");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{-8,-3,4}'Sangen_Honchoshi'"));
    QVERIFY(undo->isEnabled());
    combo->setCurrentIndex(19);
    click(dialog, "pushButtonTranspose");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{-1,4,11}'Sangen_Honchoshi'"));

    // Undone one transposition at a time, the latest first.
    click(dialog, "pushButtonUndoTranspose");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{-8,-3,4}'Sangen_Honchoshi'"));
    QVERIFY(undo->isEnabled());
    click(dialog, "pushButtonUndoTranspose");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{4,9,16}'Sangen_Honchoshi'"));
    QVERIFY(!undo->isEnabled());
}

void TestScaleDialog::reportsOnlyChangedScales()
{
    ScaleDialog dialog;
    QSignalSpy reported(&dialog, &ScaleDialog::sigScaleUpdated);
    open(dialog, sangen);
    // The first report always comes: the directive text carried a prefix.
    click(dialog, "pushButtonApply");
    click(dialog, "pushButtonApply");
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.at(0).at(0).toString(), QStringLiteral("{4,9,16}'Sangen_Honchoshi'"));

    child<QLineEdit>(dialog, "lineEditScaleName")->setText(QStringLiteral("Mine"));
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{4,9,16}'Mine'"));
    click(dialog, "pushButtonApply");
    click(dialog, "pushButtonOK");
    QCOMPARE(reported.count(), 2);
    QCOMPARE(reported.at(1).at(0).toString(), QStringLiteral("{4,9,16}'Mine'"));
    QCOMPARE(dialog.getScaleText(), QStringLiteral("{4,9,16}'Mine'"));
}

// OK reports once and closes; Cancel reports nothing; both save the
// geometry.
void TestScaleDialog::okAndCancelClose()
{
    QSettings stored(QStringLiteral("corvalin"), QStringLiteral("Velmora_Scale"));
    for (const char *button : {"pushButtonOK", "pushButtonCancel"}) {
        stored.remove(QStringLiteral("geometry"));
        stored.sync();
        ScaleDialog dialog;
        QSignalSpy reported(&dialog, &ScaleDialog::sigScaleUpdated);
        open(dialog, sangen);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        click(dialog, button);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(reported.count(), qstrcmp(button, "pushButtonOK") == 0 ? 1 : 0);
        stored.sync();
        QVERIFY2(!stored.value(QStringLiteral("geometry")).toByteArray().isEmpty(), button);
    }
}

void TestScaleDialog::pastesThroughTheClipboard_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("message"); // empty: taken
    QTest::addColumn<QString>("shown");

    const QString kept = QStringLiteral(".scale{4,9,16}'Sangen_Honchoshi'");
    QTest::newRow("other count")
        << "{1,2}'x'"
        << "Error!\nPasted scale data:\n[ {1,2}'x' ]\n has a different number of scale notes: "
           "2 vs 3 !"
        << kept;
    QTest::newRow("no scale") << "abc"
                              << "Error:\nPasted scale data:\n[ abc ]\n is not a valid scale data!"
                              << kept;
    QTest::newRow("same count") << ".scaleSangen{4,11,16}'Sangen_2Agari'"
                                << ""
                                << ".scale{4,11,16}'Sangen_2Agari'";
}

void TestScaleDialog::pastesThroughTheClipboard()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    ScaleDialog dialog;
    open(dialog, sangen);
    QApplication::clipboard()->setText(clipboard);
    click(dialog, "pushButtonPasteScale");
    QCOMPARE(shownText(dialog), shown);
    QCOMPARE(prompter.beeps, message.isEmpty() ? 0 : 1);
    QCOMPARE(prompter.texts(), message.isEmpty() ? QStringList() : QStringList{message});

    // Copy puts the directive text as shown.
    click(dialog, "pushButtonCopyScale");
    QCOMPARE(QApplication::clipboard()->text(), shown);
}

void TestScaleDialog::copiesThePrecedingScale()
{
    ScaleDialog first;
    open(first, sangen);
    click(first, "pushButtonCopyPreviousScale");
    QCOMPARE(prompter.texts(), QStringList{QStringLiteral("There is no previous scale.")});
    QCOMPARE(shownText(first), QStringLiteral(".scale{4,9,16}'Sangen_Honchoshi'"));

    // The preceding scale may hold another number of notes.
    ScaleDialog second;
    open(second, sangen, QStringLiteral("{1,2,3,5}'Before'"));
    click(second, "pushButtonCopyPreviousScale");
    QCOMPARE(shownText(second), QStringLiteral(".scale{1,2,3,5}'Before'"));
    QCOMPARE(child<QLabel>(second, "labelNumber")->text(), QStringLiteral("4"));
    click(second, "pushButtonRevert");
    QCOMPARE(shownText(second), QStringLiteral(".scale{4,9,16}'Sangen_Honchoshi'"));
    QCOMPARE(child<QLabel>(second, "labelNumber")->text(), QStringLiteral("3"));
}

void TestScaleDialog::replacingTheScaleEndsTheTransposeUndo_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shown"); // after the action
    QTest::addColumn<bool>("replaced");

    const QString up = QStringLiteral(".scale{6,11,18}'Sangen_Honchoshi'");
    QTest::newRow("revert") << "revert"
                            << ".scale{4,9,16}'Sangen_Honchoshi'" << true;
    QTest::newRow("preceding") << "preceding"
                               << ".scale{4,11,16}'Before'" << true;
    QTest::newRow("paste") << "paste"
                           << ".scale{4,9,14}'Sangen_3Sagari'" << true;
    QTest::newRow("template") << "template"
                              << ".scale{4,9,16}'Sangen_Honchoshi'" << true;
    QTest::newRow("refused paste") << "refused paste" << up << false;
    QTest::newRow("refused template") << "refused template" << up << false;
    QTest::newRow("no preceding") << "no preceding" << up << false;
    QTest::newRow("unreadable file") << "unreadable file" << up << false;
}

void TestScaleDialog::replacingTheScaleEndsTheTransposeUndo()
{
    QFETCH(QString, action);
    QFETCH(QString, shown);
    QFETCH(bool, replaced);
    ScaleDialog dialog;
    open(dialog, sangen,
         action == QLatin1String("no preceding") ? QString() : QStringLiteral("{4,11,16}'Before'"));
    child<QComboBox>(dialog, "comboBoxTranspose")->setCurrentIndex(14);
    click(dialog, "pushButtonTranspose");
    QCOMPARE(shownText(dialog), QStringLiteral(".scale{6,11,18}'Sangen_Honchoshi'"));

    // A template dialog that picks its first row and OK.
    const auto pickFirstTemplate = [](QDialog *templates) {
        child<QListWidget>(*templates, "listWidgetScaleList")->setCurrentRow(0);
        click(*templates, "pushButtonOK");
        return int(QDialog::Accepted);
    };
    if (action == QLatin1String("revert")) {
        click(dialog, "pushButtonRevert");
    } else if (action.endsWith(QLatin1String("preceding"))) {
        click(dialog, "pushButtonCopyPreviousScale");
    } else if (action == QLatin1String("paste")) {
        QApplication::clipboard()->setText(QStringLiteral("{4,9,14}'Sangen_3Sagari'"));
        click(dialog, "pushButtonPasteScale");
    } else if (action == QLatin1String("refused paste")) {
        QApplication::clipboard()->setText(QStringLiteral("{4,9}'two'"));
        click(dialog, "pushButtonPasteScale");
    } else if (action == QLatin1String("template")) {
        prompter.dialogScripts.enqueue(pickFirstTemplate);
        click(dialog, "pushButtonSetFromTemplate");
    } else if (action == QLatin1String("refused template")) {
        // A 13-note template for a 3-note scale.
        prompter.dialogScripts.enqueue([&](QDialog *templates) {
            child<QSpinBox>(*templates, "spinBox")->setValue(13);
            return pickFirstTemplate(templates);
        });
        click(dialog, "pushButtonSetFromTemplate");
    } else if (action == QLatin1String("unreadable file")) {
        prompter.fileAnswers.enqueue(TestSupport::homePath() + QStringLiteral("/absent.xml"));
        click(dialog, "pushButtonSetFromScaleFile");
    }
    QCOMPARE(shownText(dialog), shown);

    QPushButton *undo = child<QPushButton>(dialog, "pushButtonUndoTranspose");
    QCOMPARE(undo->isEnabled(), !replaced);
    // Undo takes back only what was applied to the scale shown.
    undo->click();
    const QString undone = replaced ? shown : QStringLiteral(".scale{4,9,16}'Sangen_Honchoshi'");
    QCOMPARE(shownText(dialog), undone);
    QVERIFY(!undo->isEnabled());
    // A later transposition is the only one left to undo.
    click(dialog, "pushButtonTranspose");
    undo->click();
    QCOMPARE(shownText(dialog), undone);
    QVERIFY(!undo->isEnabled());
}

void TestScaleDialog::takesATemplate()
{
    ScaleDialog dialog;
    open(dialog, doremi13);
    QPointer<QDialog> shownTemplates;
    QStringList rows;
    prompter.dialogScripts.enqueue([&](QDialog *templates) {
        shownTemplates = templates;
        const QListWidget *list = child<QListWidget>(*templates, "listWidgetScaleList");
        for (int row = 0; row < list->count(); ++row)
            rows << list->item(row)->text();
        child<QListWidget>(*templates, "listWidgetScaleList")->setCurrentRow(1);
        click(*templates, "pushButtonOK");
        return int(QDialog::Accepted);
    });
    click(dialog, "pushButtonSetFromTemplate");
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.at(0).title, QStringLiteral("Scale Templates"));
    QCOMPARE(rows.size(), 18);
    QCOMPARE(rows.at(1), QStringLiteral("Hira Chosi D"));
    QCOMPARE(shownText(dialog),
             QStringLiteral(".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Hira_D'"));
    QCOMPARE(rowTexts(dialog).at(1), QStringLiteral("2  G3"));
    // Made for this one use.
    QVERIFY(!shownTemplates);
}

void TestScaleDialog::readsAScaleFile_data()
{
    QTest::addColumn<QString>("file"); // under the fixtures; "" for none chosen
    QTest::addColumn<QString>("part"); // the answer to the name question
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    const QString fixture = QStringLiteral("scales/scale-TwoParts.xml");
    const QString kept = QStringLiteral(".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Hira_D'");
    QTest::newRow("the 13 notes") << fixture << "Hira"
                                  << ""
                                  << ".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Hira'";
    QTest::newRow("another count") << fixture << "Five"
                                   << "Number of scale notes are not the same! (13 vs 5) \n"
                                   << kept;
    QTest::newRow("name cancelled") << fixture << ""
                                    << "" << kept;
    QTest::newRow("missing file") << "scales/absent.xml"
                                  << "Hira"
                                  << "Scale file cannot be opened!" << kept;
    QTest::newRow("a folder") << "scales"
                              << "Hira"
                              << "Scale file cannot be opened!" << kept;
    QTest::newRow("no file chosen") << ""
                                    << ""
                                    << "" << kept;
}

void TestScaleDialog::readsAScaleFile()
{
    QFETCH(QString, file);
    QFETCH(QString, part);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    ScaleDialog dialog;
    open(dialog, QStringLiteral(".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Hira_D'"));
    child<QComboBox>(dialog, "comboBoxTranspose")->setCurrentIndex(13);
    click(dialog, "pushButtonTranspose");
    click(dialog, "pushButtonUndoTranspose");
    click(dialog, "pushButtonTranspose");
    const int scoresBefore = liveScores();
    const QString path = file.isEmpty() ? QString() : TestSupport::fixturePath(file);
    prompter.fileAnswers.enqueue(path);
    if (!part.isEmpty())
        prompter.itemAnswers.enqueue(part);

    click(dialog, "pushButtonSetFromScaleFile");
    QCOMPARE(liveScores(), scoresBefore);
    const ScriptedPrompter::Prompt &picker = prompter.prompts.at(0);
    QCOMPARE(picker.kind, QStringLiteral("openFileName"));
    QCOMPARE(picker.title, QStringLiteral("Velmora: Import MusicXML file for scale"));
    QCOMPARE(picker.filter, QStringLiteral("MusicXml files (*.xml *.musicxml)"));
    QVERIFY(picker.folder.isEmpty());
    QCOMPARE(prompter.texts(QStringLiteral("information")),
             message.isEmpty() ? QStringList() : QStringList{message});

    const QStringList asked = prompter.texts(QStringLiteral("item"));
    if (file.endsWith(QLatin1String(".xml")) && !file.contains(QLatin1String("absent"))) {
        QCOMPARE(asked, QStringList{QStringLiteral("File Path: %1\nSelect scale name:").arg(path)});
        const ScriptedPrompter::Prompt &names = prompter.prompts.at(1);
        QCOMPARE(names.title, QStringLiteral("Input Scale From File"));
        QCOMPARE(names.items, (QStringList{"Hira", "Five"}));
        QCOMPARE(names.current, 0);
    } else {
        QVERIFY(asked.isEmpty());
    }

    const bool replaced = message.isEmpty() && !part.isEmpty();
    if (replaced) {
        QCOMPARE(shownText(dialog), shown);
        QCOMPARE(child<QLineEdit>(dialog, "lineEditScaleName")->text(), QStringLiteral("Hira"));
    } else {
        // The transposition still shows and can be undone.
        QCOMPARE(shownText(dialog),
                 QStringLiteral(".scale{5,-2,0,1,5,6,10,12,13,17,18,22,24}'Hira_D'"));
        click(dialog, "pushButtonUndoTranspose");
        QCOMPARE(shownText(dialog), shown);
    }
    QCOMPARE(child<QPushButton>(dialog, "pushButtonUndoTranspose")->isEnabled(), false);
    // Only a transposition of the scale shown is undone.
    click(dialog, "pushButtonTranspose");
    click(dialog, "pushButtonUndoTranspose");
    QCOMPARE(shownText(dialog), shown);
    QCOMPARE(child<QPushButton>(dialog, "pushButtonUndoTranspose")->isEnabled(), false);
}

void TestScaleDialog::screenshot_data()
{
    QTest::addColumn<QString>("language"); // empty: the program's own texts
    QTest::newRow("English") << "";
    QTest::newRow("Japanese") << "ja";
    QTest::newRow("Chinese") << "zh";
}

// A 13-note scale with More open, as the user sees it: every control shown
// whole, at least as large as its text needs.
void TestScaleDialog::screenshot()
{
    QFETCH(QString, language);
    std::unique_ptr<TestSupport::InstalledCatalogue> catalogue;
    if (!language.isEmpty()) {
        catalogue = std::make_unique<TestSupport::InstalledCatalogue>(language);
        QVERIFY(catalogue->isInstalled());
    }
    ScaleDialog dialog;
    open(dialog, doremi13);
    dialog.setMessage(QStringLiteral("Edit scale for part: 1.\nSelect a scale note in the list "
                                     "and change pitch."));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QListWidget>(dialog, "listWidgetScale")->item(3)->setSelected(true);
    QTest::qWait(50);
    TestSupport::grabDialog(dialog, language.isEmpty()
                                        ? QStringLiteral("scale-dialog")
                                        : QStringLiteral("scale-dialog-") + language);
    checkShownInside(dialog, {"listWidgetScale",
                              "pushButtonOK",
                              "pushButtonApply",
                              "pushButtonCancel",
                              "pushButtonMore",
                              "pushButtonUp4th",
                              "pushButtonDownOctave",
                              "pushButtonSetFromTemplate",
                              "pushButtonSetFromScaleFile",
                              "pushButtonCopyPreviousScale",
                              "pushButtonRevert",
                              "pushButtonCopyScale",
                              "pushButtonPasteScale",
                              "pushButtonTranspose",
                              "pushButtonUndoTranspose",
                              "comboBoxTranspose",
                              "lineEditScaleName",
                              "labelMessage",
                              "labelNumStrings",
                              "labeList",
                              "pushButtonClearSelection"});
    // Every row of the scale fits without scrolling.
    const QListWidget *list = child<QListWidget>(dialog, "listWidgetScale");
    QVERIFY(list->visualItemRect(list->item(12)).bottom() <= list->viewport()->height());
}

VELMORA_TEST_MAIN(TestScaleDialog)

} // namespace tst_scale_dialog

#include "tst_scale_dialog.moc"
