// The part settings dialog on its own, fed with clones of the parts of a
// small score: its form, what showing a part does (and does not write),
// the user's edits, the enabling rules, the write-back on Apply and OK, the
// modal runs and a screenshot of the whole window.
#include "app/qtprompter.h"
#include "dialogs/partdialog.h"
#include "document/partsettingrows.h"
#include "document/settingsvalues.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/editablescore.h"
#include "support/installedcatalogue.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include "ui_partdialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QTranslator>

namespace tst_part_dialog {

using namespace TestSupport;

namespace {

// Three parts, one per kind of notation, each with a font of its style,
// handed to the dialog as clones the way the main window hands them.
struct ThreeParts
{
    ThreeParts()
    {
        builder.addPart(QStringLiteral("Shakuhachi"), NotationStyle::TozanTrad);
        Part *koto = builder.addPart(QStringLiteral("Koto"), NotationStyle::KotoIkuta);
        koto->noteFontName = QStringLiteral("Koto_Brush");
        Part *sangen = builder.addPart(QStringLiteral("Sangen"), NotationStyle::SangenIkuta);
        sangen->noteFontName = QStringLiteral("Sangen_Bold");
        cloneParts();
    }
    ~ThreeParts() { qDeleteAll(copies); }

    void cloneParts()
    {
        qDeleteAll(copies);
        copies.clear();
        for (const Part *part : std::as_const(score.parts))
            copies.append(part->clone());
    }

    Score score{QStringLiteral("5.3.1"), 0, false};
    ModelBuilder builder{&score};
    QList<Part *> copies;
};

template <class T> T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The 19 widgets that follow "Part".
const char *const outputWidgetNames[] = {
    "checkBoxPartWholeRestLine",    "checkBoxNoteOutput",
    "checkBoxLyricsOutput",         "checkBoxSlurOutput",
    "checkBoxStaffNoteOutput",      "checkBoxStaffNoteTieStopOutput",
    "checkBoxStaffNoteBeams",       "checkBoxStaffNoteReverseOrder",
    "spinBoxStaffNoteStartLyric",   "checkBoxWholeRestOutput",
    "checkBoxStaffNoteOctaveInst",  "checkBoxStaffNoteBreathMark",
    "checkBoxStaffNoteTremoloLine", "checkBoxStaffNoteExtensionBarDot",
    "checkBoxStaffNoteRestNote",    "checkBoxBoundaryRightTop",
    "checkBoxBoundaryLeftBottom",   "checkBoxTimeTicks",
    "checkBoxTimeTicks16th",
};

// "Note Names to Lyrics" and its nine options.
const char *const staffNoteWidgetNames[] = {
    "checkBoxStaffNoteOutput",          "spinBoxStaffNoteStartLyric",
    "checkBoxStaffNoteTieStopOutput",   "checkBoxStaffNoteBeams",
    "checkBoxStaffNoteReverseOrder",    "checkBoxStaffNoteOctaveInst",
    "checkBoxStaffNoteBreathMark",      "checkBoxStaffNoteTremoloLine",
    "checkBoxStaffNoteExtensionBarDot", "checkBoxStaffNoteRestNote",
};

const char *const sizeWidgetNames[] = {
    "doubleSpinBoxNoteInterval", "doubleSpinBoxNoteWidth1", "doubleSpinBoxNoteWidth2",
    "doubleSpinBoxNoteWidth4",   "doubleSpinBoxNoteWidth8", "doubleSpinBoxNoteWidth16",
    "doubleSpinBoxNoteWidth32",  "pushButtonSetToAllParts",
};

// A user's choice in a combo box (the signals a click would send).
void choose(QComboBox *combo, int index)
{
    QVERIFY(combo->isEnabled());
    combo->setCurrentIndex(index);
}

// A field of the dialog's field set given a value other than `part`'s own.
void giveOtherValue(Part *part, const PartSettingRows::Row &row)
{
    const QString tag = QString::fromLatin1(row.tag);
    if (tag == QLatin1String("notation-style")) {
        part->notationStyle = NotationStyle::TozanSimple; // same fonts as TozanTrad
        return;
    }
    if (tag == QLatin1String("note-font-name")) {
        part->noteFontName = QStringLiteral("Tozan_FeltPen_Circled");
        return;
    }
    std::visit(SettingsValues::Overloaded{
                   [&](bool Part::*f) { part->*f = !(part->*f); },
                   [&](int Part::*f) { part->*f += 3; },
                   [&](const PartSettingRows::Number &n) { part->*n.field += 0.125; },
                   [&](QString Part::*f) { part->*f += QStringLiteral(" (2)"); },
                   [&](QFont Part::*f) { part->*f = QFont(QStringLiteral("DejaVu Serif"), 17); },
                   [&](PartSettingRows::NotationStyleName) {},
               },
               row.field);
}

} // namespace

class TestPartDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void form();
    void construction();
    void setDialogListsParts();
    void badInputChangesNothing();
    void styleChoice_data();
    void styleChoice();
    void keys();
    void setToAllPartsSizes_data();
    void setToAllPartsSizes();
    void setToAllPartsStyleShowsWhatApplyWrites();
    void typingRenamesRow();
    void enablingRules();
    void storedFont();
    void showingKeepsStoredValues_data();
    void showingKeepsStoredValues();
    void modalRuns();
    void okWithoutOutputKeepsDialogOpen();
    void moreButton();
    void geometryKept();
    void defaultValuesAndLyricFont();
    void applyWritesDialogFieldSet_data();
    void applyWritesDialogFieldSet();
    void screenshot();
    void translatedTextsFit_data();
    void translatedTextsFit();
};

// Every test opens the dialog as on a first run, at the form's size.
void TestPartDialog::init()
{
    prompter().reset();
    QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Part")).clear();
}

void TestPartDialog::form()
{
    QDialog dialog;
    Ui_PartDialog form;
    form.setupUi(&dialog);
    QCOMPARE(dialog.objectName(), QStringLiteral("PartDialog"));
    QCOMPARE(dialog.size(), QSize(1159, 778));

    struct SpinRange
    {
        QDoubleSpinBox *box;
        int decimals;
        double minimum, maximum, step, value;
    };
    const SpinRange ranges[] = {
        {form.doubleSpinBoxFontSize, 3, 0.2, 50, 0.1, 5},
        {form.doubleSpinBoxPartWidthScale, 4, 0.5, 10, 0.1, 1},
        {form.doubleSpinBoxPartShift, 3, -5, 5, 0.1, 0},
        {form.doubleSpinBoxNoteWidth1, 3, 0.2, 2, 0.025, 0.2},
        {form.doubleSpinBoxNoteWidth2, 3, 0.2, 2, 0.025, 0.2},
        {form.doubleSpinBoxNoteWidth4, 3, 0.2, 2, 0.025, 0.2},
        {form.doubleSpinBoxNoteWidth8, 3, 0.2, 2, 0.025, 0.2},
        {form.doubleSpinBoxNoteWidth16, 3, 0.1, 2, 0.025, 0.1},
        {form.doubleSpinBoxNoteWidth32, 3, 0.05, 2, 0.025, 0.05},
        {form.doubleSpinBoxNoteInterval, 3, 1, 4, 0.025, 1},
    };
    for (const SpinRange &range : ranges) {
        const QString name = range.box->objectName();
        QVERIFY2(range.box->decimals() == range.decimals, qPrintable(name));
        QVERIFY2(qFuzzyCompare(range.box->minimum() + 1, range.minimum + 1), qPrintable(name));
        QVERIFY2(qFuzzyCompare(range.box->maximum(), range.maximum), qPrintable(name));
        QVERIFY2(qFuzzyCompare(range.box->singleStep(), range.step), qPrintable(name));
        QVERIFY2(qFuzzyCompare(range.box->value() + 1, range.value + 1), qPrintable(name));
    }
    QCOMPARE(form.spinBoxStaffNoteStartLyric->minimum(), 1);
    QCOMPARE(form.spinBoxStaffNoteStartLyric->maximum(), 99);
    QCOMPARE(form.spinBoxStaffNoteStartLyric->value(), 1);

    QVERIFY(form.pushButtonOK->isDefault());
    QVERIFY(!form.pushButtonApply->isDefault());
    QVERIFY(!form.pushButtonLyricFont->autoDefault());
    QVERIFY(form.pushButtonMore->isCheckable());
    QVERIFY(!form.pushButtonMore->isChecked());
    QVERIFY(form.checkBoxPartOutput->isChecked());
    QVERIFY(form.checkBoxLyricsOutput->isChecked());
    QVERIFY(!form.checkBoxStaffNoteOutput->isChecked());
    QCOMPARE(form.checkBoxPartOutput->font().pointSize(), 15);
    QVERIFY(form.checkBoxPartOutput->font().bold());
    QCOMPARE(form.labelFontSize->font().pointSize(), 13);
    QCOMPARE(form.listWidgetPart->font().pointSize(), 11);
    QCOMPARE(form.labelInstrKey->buddy(), form.comboBoxInstrumentKey);
    QCOMPARE(form.labelNoteType->buddy(), form.comboBoxNotationStyle);
    QCOMPARE(form.labelFontName->buddy(), form.comboBoxFontName);
    QCOMPARE(form.labelPartList->buddy(), form.listWidgetPart);
    QCOMPARE(form.labelPartName->buddy(), form.lineEditPartName);
    QCOMPARE(form.labelPartAbrreviation->buddy(), form.lineEditPartAbbreviation);
    QCOMPARE(form.checkBoxLyricsOutput->text(), QStringLiteral("Lyrics-"));
}

void TestPartDialog::construction()
{
    PartDialog dialog;
    auto *details = child<QGroupBox>(dialog, "groupBoxDetails");
    QVERIFY(details->isHidden());
    QCOMPARE(dialog.minimumWidth(), 540);
    QCOMPARE(dialog.maximumWidth(), 540);
    QCOMPARE(dialog.height(), 778);

    auto *styles = child<QComboBox>(dialog, "comboBoxNotationStyle");
    QCOMPARE(styles->count(), 14);
    for (int i = 0; i < styles->count(); ++i)
        QCOMPARE(styles->itemData(i).toInt(), i);
    QCOMPARE(styles->itemText(12), QStringLiteral("Staff_Notaton"));
    QCOMPARE(styles->itemText(13), QStringLiteral("Flauto Traverso"));

    auto *keys = child<QComboBox>(dialog, "comboBoxInstrumentKey");
    QCOMPARE(keys->count(), 25);
    QCOMPARE(keys->currentText(), QStringLiteral(" 0"));
    QCOMPARE(keys->itemText(0), QStringLiteral("+12"));
    QCOMPARE(keys->itemText(24), QStringLiteral("-12"));

    QVERIFY(!child<QCheckBox>(dialog, "checkBoxLyricsOutput")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxWholeRestOutput")->isChecked());
    for (const char *name : staffNoteWidgetNames)
        QVERIFY2(!child<QWidget>(dialog, name)->isEnabled(), name);

    dialog.retranslate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Part Settings"));
    QCOMPARE(styles->itemText(12), QStringLiteral("Staff_Notation"));
    QCOMPARE(keys->itemText(12), QStringLiteral(" 0 | D  1.8 Shaku | C  8 Hon"));
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxLyricsOutput")->text(), QStringLiteral("Lyrics"));
    QCOMPARE(child<QPushButton>(dialog, "pushButtonOK")->text(), QStringLiteral("OK"));
}

void TestPartDialog::setDialogListsParts()
{
    ThreeParts fixture;
    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);

    auto *list = child<QListWidget>(dialog, "listWidgetPart");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Shakuhachi"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Koto"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("Sangen"));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(child<QLineEdit>(dialog, "lineEditPartName")->text(), QStringLiteral("Shakuhachi"));

    const QStringList before = partSettingsText(fixture.copies.at(1));
    dialog.apply();
    QCOMPARE(applied.count(), 0);
    QCOMPARE(dialog.result(), 1);
    QCOMPARE(partSettingsText(fixture.copies.at(1)), before);

    // Looking at other parts is not an edit either.
    list->setCurrentRow(2);
    QCOMPARE(child<QLineEdit>(dialog, "lineEditPartName")->text(), QStringLiteral("Sangen"));
    list->setCurrentRow(1);
    dialog.apply();
    QCOMPARE(applied.count(), 0);
}

void TestPartDialog::badInputChangesNothing()
{
    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    // Before any setDialog the edit slots have no part to write.
    dialog.updatePartName(QStringLiteral("Nobody"));
    dialog.updateNoteWidth8(1.5);
    dialog.updateLyricsFont();
    dialog.setDefaultValues();
    dialog.on_pushButtonSetToAllPartsStyle_clicked();
    QVERIFY(prompter().prompts.isEmpty());

    ThreeParts fixture;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    QList<Part *> empty;
    dialog.setDialog(&empty, fixture.score.defaultPart);
    auto *list = child<QListWidget>(dialog, "listWidgetPart");
    QCOMPARE(list->count(), 3);

    // The first edit still reaches the first list.
    child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("Sh."));
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(fixture.copies.at(0)->partAbbreviation, QStringLiteral("Sh."));
}

void TestPartDialog::styleChoice_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<bool>("sizesEnabled");
    QTest::addColumn<bool>("keyEnabled");
    const QStringList kinko = {"Kinko_Brush", "Kinko_Miyata", "Kinko_Miyata_Classic",
                               "Kinko_Semi_Trad", "Kinko_Trad"};
    const QStringList tozan = {"Tozan_Brush", "Tozan_FeltPen", "Tozan_FeltPen_Circled"};
    QTest::newRow("Shakuhachi_Kinko_Simple")
        << 0
        << QStringList{"Kinko_Miyata_Classic", "Kinko_Semi_Trad", "Kinko_Simple_Brush",
                       "Kinko_Simple_Miyata", "Kinko_Simple_Trad"}
        << true << true;
    QTest::newRow("Shakuhachi_Kinko") << 1 << kinko << true << true;
    QTest::newRow("Shakuhachi_Tozan_Simple") << 2 << tozan << true << true;
    QTest::newRow("Shakuhachi_Tozan") << 3 << tozan << true << true;
    QTest::newRow("Shinobue") << 4
                              << QStringList{"Shinobue_Fukuhara", "Shinobue_Kanji",
                                             "Shinobue_Numeric"}
                              << true << true;
    QTest::newRow("Koto_Ikuta") << 5 << QStringList{"Koto_Brush", "Koto_Brush_Callig"} << true
                                << true;
    QTest::newRow("Koto_Seiha") << 6
                                << QStringList{"Koto_Brush", "Koto_Brush_Callig",
                                               "Koto_Brush_Callig_Seiha", "Koto_Brush_Seiha"}
                                << true << true;
    QTest::newRow("Sangen_Ikuta") << 7
                                  << QStringList{"Sangen_Bold", "Sangen_Bold_Proportional",
                                                 "Sangen_Brush", "Sangen_Brush_Proportional"}
                                  << true << true;
    QTest::newRow("Sangen_Yamada") << 8 << QStringList{"Sangen_Yamada"} << true << true;
    QTest::newRow("Shamisen_Bunka") << 9 << QStringList{"Shamisen_Brush"} << true << true;
    QTest::newRow("Doremi") << 10
                            << QStringList{"Doremi_Alphabetic", "Doremi_Katakana",
                                           "Doremi_Katakana_Bold"}
                            << true << true;
    QTest::newRow("Percussion") << 11 << QStringList{"Percussion_Simple"} << true << true;
    QTest::newRow("Staff_Notation") << 12 << QStringList{"Staff_Notation"} << false << false;
    QTest::newRow("Flauto Traverso") << 13 << QStringList{"Traverso"} << true << false;
}

// The user picks a style for a part that draws every line: the font list
// becomes the style's folder, its first font the part's, and the lines
// the style's defaults (Ikuta koto and sangen: both boundaries and hands).
void TestPartDialog::styleChoice()
{
    QFETCH(int, code);
    QFETCH(QStringList, fonts);
    QFETCH(bool, sizesEnabled);
    QFETCH(bool, keyEnabled);

    ThreeParts fixture;
    Part *first = fixture.copies.at(0);
    first->notationStyle = (code + 1) % NotationStyle::count;
    first->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(first->notationStyle));
    first->boundaryLeftBottom = first->boundaryRightTop = true;
    first->timeTicks = first->timeTicks16th = true;
    PartDialog dialog;
    dialog.retranslate();
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);

    auto *styles = child<QComboBox>(dialog, "comboBoxNotationStyle");
    choose(styles, code);
    auto *fontCombo = child<QComboBox>(dialog, "comboBoxFontName");
    QCOMPARE(itemTexts(fontCombo), fonts);
    QCOMPARE(fontCombo->currentText(), fonts.first());

    const bool lines = code == NotationStyle::KotoIkuta || code == NotationStyle::SangenIkuta;
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxBoundaryRightTop")->isChecked(), lines);
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxBoundaryLeftBottom")->isChecked(), lines);
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxTimeTicks")->isChecked(), lines);
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxTimeTicks16th")->isChecked());
    for (const char *name : sizeWidgetNames)
        QVERIFY2(child<QWidget>(dialog, name)->isEnabled() == sizesEnabled, name);
    QCOMPARE(child<QWidget>(dialog, "comboBoxInstrumentKey")->isEnabled(), keyEnabled);

    dialog.apply();
    QCOMPARE(first->notationStyle, code);
    QCOMPARE(first->noteFontName, fonts.first());
    QCOMPARE(first->boundaryRightTop, lines);
    QCOMPARE(first->boundaryLeftBottom, lines);
    QCOMPARE(first->timeTicks, lines);
    QVERIFY(!first->timeTicks16th);
    // The other parts are not the current one.
    QCOMPARE(fixture.copies.at(1)->notationStyle, int(NotationStyle::KotoIkuta));
}

void TestPartDialog::keys()
{
    ThreeParts fixture;
    fixture.copies[1]->instrumentKey = 5;
    fixture.copies[2]->instrumentKey = 13;
    PartDialog dialog;
    dialog.retranslate();
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    auto *keys = child<QComboBox>(dialog, "comboBoxInstrumentKey");
    auto *list = child<QListWidget>(dialog, "listWidgetPart");

    choose(keys, 0);
    QCOMPARE(keys->currentText(), QStringLiteral("+12"));
    list->setCurrentRow(1);
    QCOMPARE(keys->currentText(), QStringLiteral("-5 | A  2.4 Shaku | G 3 Bon"));

    // A key beyond the list shows no item and stays as stored.
    list->setCurrentRow(2);
    QCOMPARE(keys->currentIndex(), -1);
    child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("Sg."));
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(fixture.copies.at(0)->instrumentKey, -12);
    QCOMPARE(fixture.copies.at(1)->instrumentKey, 5);
    QCOMPARE(fixture.copies.at(2)->instrumentKey, 13);

    choose(keys, 24);
    dialog.apply();
    QCOMPARE(fixture.copies.at(2)->instrumentKey, 12);
}

void TestPartDialog::setToAllPartsSizes_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<double>("value");
    QTest::newRow("interval") << "doubleSpinBoxNoteInterval" << 1.75;
    QTest::newRow("whole") << "doubleSpinBoxNoteWidth1" << 1.5;
    QTest::newRow("half") << "doubleSpinBoxNoteWidth2" << 1.25;
    QTest::newRow("quarter") << "doubleSpinBoxNoteWidth4" << 0.925;
    QTest::newRow("eighth") << "doubleSpinBoxNoteWidth8" << 0.5;
    QTest::newRow("16th") << "doubleSpinBoxNoteWidth16" << 0.3;
    QTest::newRow("32nd") << "doubleSpinBoxNoteWidth32" << 0.25;
}

// The sizes of the current part (one of them edited, alignment off) go to
// both parts of a two-part list; its other settings stay its own.
void TestPartDialog::setToAllPartsSizes()
{
    QFETCH(QString, boxName);
    QFETCH(double, value);
    ThreeParts fixture;
    delete fixture.copies.takeLast();
    Part *second = fixture.copies.at(1);
    second->noteInterval = 2.5;
    second->noteWidth1 = second->noteWidth2 = second->noteWidth4 = 0.4;
    second->noteWidth8 = second->noteWidth16 = second->noteWidth32 = 0.35;
    second->alignInTime = true;
    PartDialog dialog;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);

    child<QCheckBox>(dialog, "checkBoxAlignInTime")->setChecked(false);
    child<QDoubleSpinBox>(dialog, qPrintable(boxName))->setValue(value);
    child<QPushButton>(dialog, "pushButtonSetToAllParts")->click();
    dialog.apply();

    const Part *first = fixture.copies.at(0);
    const double Part::*fields[] = {&Part::noteInterval, &Part::noteWidth1, &Part::noteWidth2,
                                    &Part::noteWidth4,   &Part::noteWidth8, &Part::noteWidth16,
                                    &Part::noteWidth32};
    for (const double Part::*field : fields)
        QCOMPARE(second->*field, first->*field);
    QVERIFY(!second->alignInTime);
    QVERIFY(!first->alignInTime);
    const char *boxes[] = {"doubleSpinBoxNoteInterval", "doubleSpinBoxNoteWidth1",
                           "doubleSpinBoxNoteWidth2",   "doubleSpinBoxNoteWidth4",
                           "doubleSpinBoxNoteWidth8",   "doubleSpinBoxNoteWidth16",
                           "doubleSpinBoxNoteWidth32"};
    for (int i = 0; i < 7; ++i) {
        if (boxName == QLatin1String(boxes[i]))
            QCOMPARE(second->*fields[i], value);
    }
    QCOMPARE(second->partName, QStringLiteral("Koto"));
    QCOMPARE(second->notationStyle, int(NotationStyle::KotoIkuta));
}

// With a KotoIkuta current part, the style group's "Set to All Parts" turns
// every line on, the current part's too, and its boxes show it.
void TestPartDialog::setToAllPartsStyleShowsWhatApplyWrites()
{
    ThreeParts fixture;
    fixture.copies[1]->noteFontSize = 7.5;
    PartDialog dialog;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    child<QListWidget>(dialog, "listWidgetPart")->setCurrentRow(1);
    auto *ticks16 = child<QCheckBox>(dialog, "checkBoxTimeTicks16th");
    QVERIFY(!ticks16->isChecked());

    child<QPushButton>(dialog, "pushButtonSetToAllPartsStyle")->click();
    QVERIFY(ticks16->isChecked());
    dialog.apply();
    for (const Part *part : std::as_const(fixture.copies)) {
        QCOMPARE(part->notationStyle, int(NotationStyle::KotoIkuta));
        QCOMPARE(part->noteFontName, QStringLiteral("Koto_Brush"));
        QCOMPARE(part->noteFontSize, 7.5);
        QVERIFY(part->boundaryLeftBottom && part->boundaryRightTop);
        QVERIFY(part->timeTicks && part->timeTicks16th);
    }

    // Ikuta sangen leaves each part's lines as they were.
    fixture.cloneParts();
    fixture.copies[0]->timeTicks16th = true;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    child<QListWidget>(dialog, "listWidgetPart")->setCurrentRow(2);
    child<QPushButton>(dialog, "pushButtonSetToAllPartsStyle")->click();
    dialog.apply();
    QCOMPARE(fixture.copies.at(0)->notationStyle, int(NotationStyle::SangenIkuta));
    QVERIFY(fixture.copies.at(0)->timeTicks16th);
    QVERIFY(!fixture.copies.at(0)->boundaryLeftBottom);
}

void TestPartDialog::typingRenamesRow()
{
    ThreeParts fixture;
    PartDialog dialog;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    auto *list = child<QListWidget>(dialog, "listWidgetPart");
    list->setCurrentRow(1);
    auto *name = child<QLineEdit>(dialog, "lineEditPartName");
    name->selectAll();
    QString typed;
    for (const QChar c : QStringLiteral("Jushichi")) {
        QTest::keyClick(name, c.toLatin1());
        typed += c;
        QCOMPARE(list->item(1)->text(), typed);
    }
    QCOMPARE(list->item(0)->text(), QStringLiteral("Shakuhachi"));
    dialog.apply();
    QCOMPARE(fixture.copies.at(1)->partName, typed);
}

void TestPartDialog::enablingRules()
{
    ThreeParts fixture;
    fixture.copies[0]->staffNoteOutput = false;
    PartDialog dialog;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);

    auto *partOutput = child<QCheckBox>(dialog, "checkBoxPartOutput");
    partOutput->setChecked(false);
    for (const char *name : outputWidgetNames)
        QVERIFY2(!child<QWidget>(dialog, name)->isEnabled(), name);
    partOutput->setChecked(true);
    for (const char *name : outputWidgetNames)
        QVERIFY2(child<QWidget>(dialog, name)->isEnabled(), name);

    auto *lyrics = child<QCheckBox>(dialog, "checkBoxLyricsOutput");
    QVERIFY(lyrics->isChecked());
    lyrics->setChecked(false);
    for (const char *name : staffNoteWidgetNames)
        QVERIFY2(!child<QWidget>(dialog, name)->isEnabled(), name);
    // Checking it again enables all ten, "Note Names to Lyrics" being off.
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxStaffNoteOutput")->isChecked());
    lyrics->setChecked(true);
    for (const char *name : staffNoteWidgetNames)
        QVERIFY2(child<QWidget>(dialog, name)->isEnabled(), name);

    auto *notes = child<QCheckBox>(dialog, "checkBoxNoteOutput");
    notes->setChecked(false);
    QVERIFY(!child<QWidget>(dialog, "checkBoxSlurOutput")->isEnabled());
    QVERIFY(!child<QWidget>(dialog, "checkBoxWholeRestOutput")->isEnabled());
    QVERIFY(child<QWidget>(dialog, "checkBoxPartWholeRestLine")->isEnabled());
}

void TestPartDialog::storedFont()
{
    ThreeParts fixture;
    fixture.copies[1]->noteFontName = QStringLiteral("Tozan_Brush");
    fixture.copies[2]->notationStyle = NotationStyle::KotoSeiha;
    fixture.copies[2]->noteFontName = QStringLiteral("Koto_Brush_Callig");
    PartDialog dialog;
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    auto *list = child<QListWidget>(dialog, "listWidgetPart");
    auto *fonts = child<QComboBox>(dialog, "comboBoxFontName");

    MessageCapture messages;
    list->setCurrentRow(1);
    QCOMPARE(fonts->currentText(), QStringLiteral("Koto_Brush"));
    QVERIFY(messages.contains(QStringLiteral("======== setPartUi error idx=-1")));

    messages.clear();
    list->setCurrentRow(2);
    QCOMPARE(fonts->currentText(), QStringLiteral("Koto_Brush_Callig"));
    QCOMPARE(itemTexts(fonts).size(), 4);
    QVERIFY(messages.lines().filter(QStringLiteral("setPartUi error")).isEmpty());

    child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("K."));
    dialog.apply();
    QCOMPARE(fixture.copies.at(1)->noteFontName, QStringLiteral("Koto_Brush"));
    QCOMPARE(fixture.copies.at(2)->noteFontName, QStringLiteral("Koto_Brush_Callig"));
}

void TestPartDialog::showingKeepsStoredValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("shown");
    QTest::newRow("size above the range") << "noteFontSize"
                                          << "doubleSpinBoxFontSize" << 60.0 << 50.0;
    QTest::newRow("size below the range") << "noteFontSize"
                                          << "doubleSpinBoxFontSize" << 0.1 << 0.2;
    QTest::newRow("size finer than the box") << "noteFontSize"
                                             << "doubleSpinBoxFontSize" << 5.12345 << 5.123;
    QTest::newRow("32nd below its minimum") << "noteWidth32"
                                            << "doubleSpinBoxNoteWidth32" << 0.02 << 0.05;
    QTest::newRow("interval finer than the box") << "noteInterval"
                                                 << "doubleSpinBoxNoteInterval" << 1.23456 << 1.235;
    QTest::newRow("shift beyond the range") << "partShift"
                                            << "doubleSpinBoxPartShift" << -7.5 << -5.0;
}

// A part as the layout controller or a file left it is shown within the
// boxes' ranges, yet an Apply after an edit of another part's field, or of
// another field of the same part, writes it back as stored.
void TestPartDialog::showingKeepsStoredValues()
{
    QFETCH(QString, field);
    QFETCH(QString, boxName);
    QFETCH(double, stored);
    QFETCH(double, shown);
    ThreeParts fixture;
    Part *koto = fixture.copies.at(1);
    koto->boundaryLeftBottom = koto->boundaryRightTop = false;
    koto->timeTicks = false;
    double *value = field == QLatin1String("noteFontSize")   ? &koto->noteFontSize
                    : field == QLatin1String("noteWidth32")  ? &koto->noteWidth32
                    : field == QLatin1String("noteInterval") ? &koto->noteInterval
                                                             : &koto->partShift;
    *value = stored;
    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    child<QListWidget>(dialog, "listWidgetPart")->setCurrentRow(1);
    QCOMPARE(child<QDoubleSpinBox>(dialog, qPrintable(boxName))->value(), shown);
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxBoundaryRightTop")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxTimeTicks")->isChecked());

    child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("K."));
    child<QListWidget>(dialog, "listWidgetPart")->setCurrentRow(0);
    child<QListWidget>(dialog, "listWidgetPart")->setCurrentRow(1);
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(koto->partAbbreviation, QStringLiteral("K."));
    QCOMPARE(*value, stored);
    QVERIFY(!koto->boundaryLeftBottom && !koto->boundaryRightTop && !koto->timeTicks);
}

void TestPartDialog::modalRuns()
{
    ThreeParts fixture;
    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    QtPrompter runner;
    auto click = [&](const char *name) { child<QPushButton>(dialog, name)->click(); };

    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    QTimer::singleShot(0, &dialog, [&] {
        child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("A"));
        click("pushButtonOK");
    });
    QCOMPARE(runner.runDialog(&dialog), 2);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(applied.count(), 1);
    QCOMPARE(fixture.copies.at(0)->partAbbreviation, QStringLiteral("A"));

    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    QTimer::singleShot(0, &dialog, [&] {
        child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("B"));
        click("pushButtonApply");
        click("pushButtonCancel");
    });
    QCOMPARE(runner.runDialog(&dialog), 1);
    QCOMPARE(applied.count(), 2);
    QCOMPARE(fixture.copies.at(0)->partAbbreviation, QStringLiteral("B"));

    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    QTimer::singleShot(0, &dialog, [&] {
        child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("C"));
        click("pushButtonCancel");
    });
    QCOMPARE(runner.runDialog(&dialog), 0);
    QCOMPARE(applied.count(), 2);
    QCOMPARE(fixture.copies.at(0)->partAbbreviation, QStringLiteral("B"));
}

// OK with nothing to output warns over the open dialog, writes nothing and
// leaves the run going; the next valid OK ends it with 2.
void TestPartDialog::okWithoutOutputKeepsDialogOpen()
{
    ThreeParts fixture;
    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    auto *list = child<QListWidget>(dialog, "listWidgetPart");
    auto *partOutput = child<QCheckBox>(dialog, "checkBoxPartOutput");
    auto *ok = child<QPushButton>(dialog, "pushButtonOK");
    bool openAfterWarning = false;
    QTimer::singleShot(0, &dialog, [&] {
        for (int row = 0; row < 3; ++row) {
            list->setCurrentRow(row);
            partOutput->setChecked(false);
        }
        ok->click();
        openAfterWarning = dialog.isVisible();
        dialog.apply();
        list->setCurrentRow(1);
        partOutput->setChecked(true);
        ok->click();
    });
    QtPrompter runner;
    QCOMPARE(runner.runDialog(&dialog), 2);
    QVERIFY(openAfterWarning);
    QCOMPARE(prompter().texts(QStringLiteral("warning")),
             QStringList(2, QStringLiteral("At least one part must be output!")));
    QCOMPARE(prompter().prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(applied.count(), 1);
    QVERIFY(!fixture.copies.at(0)->partOutput);
    QVERIFY(fixture.copies.at(1)->partOutput);
    QVERIFY(!fixture.copies.at(2)->partOutput);
}

void TestPartDialog::moreButton()
{
    PartDialog dialog;
    auto *more = child<QPushButton>(dialog, "pushButtonMore");
    auto *details = child<QGroupBox>(dialog, "groupBoxDetails");
    more->click();
    QVERIFY(!details->isHidden());
    QCOMPARE(dialog.minimumWidth(), 1100);
    QCOMPARE(dialog.maximumWidth(), 1100);
    more->click();
    QVERIFY(details->isHidden());
    QCOMPARE(dialog.maximumWidth(), 540);
    dialog.setMoreChecked(true);
    QVERIFY(more->isChecked());
    QVERIFY(!details->isHidden());
    QCOMPARE(dialog.width(), 1100);
}

// Closing stores the window geometry under the dialog's own name; the next
// dialog opens where this one was closed.
void TestPartDialog::geometryKept()
{
    QRect closedAt;
    {
        PartDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(140, 90);
        dialog.resize(dialog.width(), 600);
        closedAt = dialog.geometry();
        child<QPushButton>(dialog, "pushButtonCancel")->click();
    }
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Part"));
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    PartDialog reopened;
    QCOMPARE(reopened.geometry(), closedAt);
}

// "Set Default Values" gives the current part the score's defaults, as
// stored, but its name, abbreviation and lyric font; a cancelled font
// picker counts as an edit.
void TestPartDialog::defaultValuesAndLyricFont()
{
    ThreeParts fixture;
    Part *defaults = fixture.score.defaultPart;
    defaults->notationStyle = NotationStyle::KotoSeiha;
    defaults->noteFontName = QStringLiteral("Koto_Brush_Seiha");
    defaults->noteFontSize = 6.5;
    defaults->noteWidth8 = 0.55;
    defaults->instrumentKey = 3;
    defaults->partName = QStringLiteral("Default");
    defaults->lyricsFont = QFont(QStringLiteral("DejaVu Sans"), 21);
    Part *koto = fixture.copies.at(1);
    koto->partAbbreviation = QStringLiteral("Ko.");
    koto->lyricsFont = QFont(QStringLiteral("DejaVu Serif"), 9);
    const QStringList shakuhachiBefore = partSettingsText(fixture.copies.at(0));

    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    dialog.setDialog(&fixture.copies, defaults);
    child<QListWidget>(dialog, "listWidgetPart")->setCurrentRow(1);
    child<QPushButton>(dialog, "pushButtonSetDefaultValues")->click();
    QCOMPARE(child<QComboBox>(dialog, "comboBoxFontName")->currentText(),
             QStringLiteral("Koto_Brush_Seiha"));
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(koto->notationStyle, int(NotationStyle::KotoSeiha));
    QCOMPARE(koto->noteFontName, QStringLiteral("Koto_Brush_Seiha"));
    QCOMPARE(koto->noteFontSize, 6.5);
    QCOMPARE(koto->noteWidth8, 0.55);
    QCOMPARE(koto->instrumentKey, 3);
    QCOMPARE(koto->partName, QStringLiteral("Koto"));
    QCOMPARE(koto->partAbbreviation, QStringLiteral("Ko."));
    QCOMPARE(koto->lyricsFont, QFont(QStringLiteral("DejaVu Serif"), 9));
    QCOMPARE(partSettingsText(fixture.copies.at(0)), shakuhachiBefore);

    // The picker cancelled: the font stays, the edit still applies.
    child<QPushButton>(dialog, "pushButtonLyricFont")->click();
    QCOMPARE(prompter().prompts.last().kind, QStringLiteral("font"));
    dialog.apply();
    QCOMPARE(applied.count(), 2);
    QCOMPARE(koto->lyricsFont, QFont(QStringLiteral("DejaVu Serif"), 9));

    const QFont chosen(QStringLiteral("DejaVu Sans Mono"), 14);
    prompter().fontAnswers.enqueue(chosen);
    child<QPushButton>(dialog, "pushButtonLyricFont")->click();
    dialog.apply();
    QCOMPARE(koto->lyricsFont, chosen);
}

void TestPartDialog::applyWritesDialogFieldSet_data()
{
    QTest::addColumn<int>("row");
    const QList<PartSettingRows::Row> &rows = PartSettingRows::rows();
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(rows.at(i).tag) << i;
}

// One field of the second part differs from the score's; after an edit of
// the first part, Apply writes the second part's field back (the handed
// copy was reset meanwhile) and leaves the staff count alone.
void TestPartDialog::applyWritesDialogFieldSet()
{
    QFETCH(int, row);
    ThreeParts fixture;
    Part *target = fixture.copies.at(1);
    target->notationStyle = NotationStyle::TozanTrad;
    target->noteFontName = QStringLiteral("Tozan_Brush");
    giveOtherValue(target, PartSettingRows::rows().at(row));
    const QStringList expected = partSettingsText(target);

    PartDialog dialog;
    QSignalSpy applied(&dialog, &PartDialog::sigPartApply);
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    target->copySettingsFrom(fixture.score.parts.at(1));
    target->staffCount = 3;
    QVERIFY(partSettingsText(target) != expected);

    child<QLineEdit>(dialog, "lineEditPartAbbreviation")->setText(QStringLiteral("Sh."));
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(partSettingsText(target), expected);
    QCOMPARE(target->staffCount, 3);
}

namespace {

// The named widgets are shown within the window and the visible part of the
// scroll area, and the form fits the dialog's fixed width without
// scrolling sideways.
void checkFormShown(const QWidget &dialog, const QStringList &names)
{
    auto *scrollArea = child<QScrollArea>(dialog, "scrollArea");
    QVERIFY(!scrollArea->horizontalScrollBar()->isVisible());
    TestSupport::checkShownInside(dialog, names, scrollArea);
}

} // namespace

// The loaded dialog as the user sees it, with and without its detail area.
void TestPartDialog::screenshot()
{
    ThreeParts fixture;
    PartDialog dialog;
    dialog.retranslate();
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    dialog.setMoreChecked(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList basic = {"listWidgetPart",        "lineEditPartName",
                               "comboBoxNotationStyle", "comboBoxFontName",
                               "doubleSpinBoxFontSize", "comboBoxInstrumentKey",
                               "groupBoxTypeFont",      "pushButtonSetToAllPartsStyle",
                               "pushButtonOK",          "pushButtonApply",
                               "pushButtonCancel",      "pushButtonMore"};
    TestSupport::grabDialog(dialog, QStringLiteral("part-dialog"));
    checkFormShown(dialog,
                   basic + QStringList{"groupBoxDetails", "groupBoxOutputControl", "groupBoxLines",
                                       "doubleSpinBoxNoteWidth32", "spinBoxStaffNoteStartLyric"});

    dialog.setMoreChecked(false);
    QTest::qWait(50);
    TestSupport::grabDialog(dialog, QStringLiteral("part-dialog-basic"));
    checkFormShown(dialog, basic);
}

void TestPartDialog::translatedTextsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Japanese") << "ja";
    QTest::newRow("Chinese") << "zh";
}

// With a catalogue installed, every label, button and check box of the whole
// dialog is as wide as its translated text needs: none is cut off.
void TestPartDialog::translatedTextsFit()
{
    QFETCH(QString, language);
    const TestSupport::InstalledCatalogue catalogue(language);
    QVERIFY(catalogue.isInstalled());
    const QTranslator &translator = catalogue.translator;
    ThreeParts fixture;
    PartDialog dialog;
    dialog.retranslate();
    dialog.setDialog(&fixture.copies, fixture.score.defaultPart);
    dialog.setMoreChecked(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(child<QLabel>(dialog, "labelPartList")->text(),
             translator.translate("PartDialog", "Part List"));
    TestSupport::grabDialog(dialog, QStringLiteral("part-dialog-") + language);
    checkFormShown(dialog, {"groupBoxDetails", "groupBoxNoteWidths", "groupBoxOutputControl",
                            "checkBoxTimeTicks16th"});
    // The form scrolls only once the dialog is as tall as its screen allows.
    const auto *bar = child<QScrollArea>(dialog, "scrollArea")->verticalScrollBar();
    const int screenHeight = dialog.screen()->availableGeometry().height();
    QVERIFY2(!bar->isVisible() || dialog.frameGeometry().height() >= screenHeight - 1,
             qPrintable(QStringLiteral("scrolls at %1 px of %2")
                            .arg(dialog.frameGeometry().height())
                            .arg(screenHeight)));
    QStringList cut;
    for (const QWidget *widget : dialog.findChildren<QWidget *>()) {
        const bool hasText =
            qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget);
        if (hasText && widget->isVisible() && widget->width() < widget->minimumSizeHint().width())
            cut << QStringLiteral("%1 %2 below %3")
                       .arg(widget->objectName())
                       .arg(widget->width())
                       .arg(widget->minimumSizeHint().width());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

VELMORA_TEST_MAIN(TestPartDialog)

} // namespace tst_part_dialog

#include "tst_part_dialog.moc"
