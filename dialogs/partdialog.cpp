#include "dialogs/partdialog.h"

#include "dialogs/screenfit.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "platform/prompter.h"

#include "ui_partdialog.h"

#include <QDebug>
#include <QDir>
#include <QScrollArea>
#include <QShowEvent>

namespace {

constexpr int keyItemCount = 25;
// Key item i stores instrumentKey i - keyOffset: "+12" is -12, " 0" is 0.
constexpr int keyOffset = 12;

// The texts of the notation-style items, by code. The form's first texts
// keep the misspelt item 12 until the dialog is translated.
const char *const styleTexts[NotationStyle::count] = {
    QT_TRANSLATE_NOOP("PartDialog", "Shakuhachi_Kinko_Simple"),
    QT_TRANSLATE_NOOP("PartDialog", "Shakuhachi_Kinko"),
    QT_TRANSLATE_NOOP("PartDialog", "Shakuhachi_Tozan_Simple"),
    QT_TRANSLATE_NOOP("PartDialog", "Shakuhachi_Tozan"),
    QT_TRANSLATE_NOOP("PartDialog", "Shinobue"),
    QT_TRANSLATE_NOOP("PartDialog", "Koto_Ikuta"),
    QT_TRANSLATE_NOOP("PartDialog", "Koto_Seiha"),
    QT_TRANSLATE_NOOP("PartDialog", "Sangen_Ikuta"),
    QT_TRANSLATE_NOOP("PartDialog", "Sangen_Yamada"),
    QT_TRANSLATE_NOOP("PartDialog", "Shamisen_Bunka"),
    QT_TRANSLATE_NOOP("PartDialog", "Doremi"),
    QT_TRANSLATE_NOOP("PartDialog", "Percussion"),
    QT_TRANSLATE_NOOP("PartDialog", "Staff_Notation"),
    QT_TRANSLATE_NOOP("PartDialog", "Flauto Traverso"),
};
const char *const firstStaffNotationText = QT_TRANSLATE_NOOP("PartDialog", "Staff_Notaton");

// The translated texts of the key items; the instruments that sound in
// each key are named where there are any (the double blanks line them up).
const char *const keyTexts[keyItemCount] = {
    QT_TRANSLATE_NOOP("PartDialog", "+12"),
    QT_TRANSLATE_NOOP("PartDialog", "+11"),
    QT_TRANSLATE_NOOP("PartDialog", "+10"),
    QT_TRANSLATE_NOOP("PartDialog", "+9"),
    QT_TRANSLATE_NOOP("PartDialog", "+8"),
    QT_TRANSLATE_NOOP("PartDialog", "+7"),
    QT_TRANSLATE_NOOP("PartDialog", "+6"),
    QT_TRANSLATE_NOOP("PartDialog", "+5 | G  1.3 Shaku"),
    QT_TRANSLATE_NOOP("PartDialog", "+4 | F# 1.4 Shaku | E 12 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", "+3 | F  1.5 Shaku | Eb 11 Pon"),
    QT_TRANSLATE_NOOP("PartDialog", "+2 | E  1.6 Shaku | D 10 Pon"),
    QT_TRANSLATE_NOOP("PartDialog", "+1 | Eb 1.7 Shaku | Db 9 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", " 0 | D  1.8 Shaku | C  8 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", "-1 | Db 1.9 Shaku | B  7 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", "-2 | C  2.0 Shaku | Bb 6 Pon"),
    QT_TRANSLATE_NOOP("PartDialog", "-3 | B  2.1 Shaku | A  5 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", "-4 | Bb 2.2 Shaku | Ab 4 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", "-5 | A  2.4 Shaku | G 3 Bon"),
    QT_TRANSLATE_NOOP("PartDialog", "-6 | Ab 2.5 Shaku | Gb 2 Hon"),
    QT_TRANSLATE_NOOP("PartDialog", "-7 | G  2.7 Shaku | F 1 Pon"),
    QT_TRANSLATE_NOOP("PartDialog", "-8 | Gb 2.9 Shaku"),
    QT_TRANSLATE_NOOP("PartDialog", "-9 | F  3.2 Shaku"),
    QT_TRANSLATE_NOOP("PartDialog", "-10"),
    QT_TRANSLATE_NOOP("PartDialog", "-11"),
    QT_TRANSLATE_NOOP("PartDialog", "-12"),
};

// The key as its number with a sign; zero gets a blank in place of one.
QString signedKeyText(int key)
{
    if (key == 0)
        return QStringLiteral(" 0");
    return (key > 0 ? QStringLiteral("+") : QString()) + QString::number(key);
}

// Everything of a part that this dialog shows and writes back; the part's
// staff count, owner, note font and drawing helpers are not among them.
void copyDialogFields(const Part *from, Part *to)
{
    to->partName = from->partName;
    to->partAbbreviation = from->partAbbreviation;
    to->notationStyle = from->notationStyle;
    to->instrumentKey = from->instrumentKey;
    to->noteFontName = from->noteFontName;
    to->noteFontSize = from->noteFontSize;
    to->partWidthScale = from->partWidthScale;
    to->partShift = from->partShift;
    to->boundaryLeftBottom = from->boundaryLeftBottom;
    to->boundaryRightTop = from->boundaryRightTop;
    to->timeTicks = from->timeTicks;
    to->timeTicks16th = from->timeTicks16th;
    to->lyricsFont = from->lyricsFont;
    to->partOutput = from->partOutput;
    to->partWholeRestLine = from->partWholeRestLine;
    to->noteOutput = from->noteOutput;
    to->lyricsOutput = from->lyricsOutput;
    to->wholeRestOutput = from->wholeRestOutput;
    to->slurOutput = from->slurOutput;
    to->staffNoteOutput = from->staffNoteOutput;
    to->staffNoteLyricStart = from->staffNoteLyricStart;
    to->staffNoteTieStopOutput = from->staffNoteTieStopOutput;
    to->staffNoteBeams = from->staffNoteBeams;
    to->staffNoteInverseOrder = from->staffNoteInverseOrder;
    to->staffNoteOctaveInst = from->staffNoteOctaveInst;
    to->staffNoteBreathMark = from->staffNoteBreathMark;
    to->staffNoteTremoloLine = from->staffNoteTremoloLine;
    to->staffNoteExtensionBarDot = from->staffNoteExtensionBarDot;
    to->staffNoteRestNote = from->staffNoteRestNote;
    to->alignInTime = from->alignInTime;
    to->noteInterval = from->noteInterval;
    to->noteWidth1 = from->noteWidth1;
    to->noteWidth2 = from->noteWidth2;
    to->noteWidth4 = from->noteWidth4;
    to->noteWidth8 = from->noteWidth8;
    to->noteWidth16 = from->noteWidth16;
    to->noteWidth32 = from->noteWidth32;
}

// Koto and sangen of the Ikuta school draw boundary lines and hands.
bool drawsLinesByDefault(int code)
{
    return code == NotationStyle::KotoIkuta || code == NotationStyle::SangenIkuta;
}

} // namespace

PartDialog::PartDialog(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_Part"), parent), ui(new Ui_PartDialog)
{
    ui->setupUi(this);
    on_pushButtonMore_toggled(false);
    readSettings();

    // Until a part is shown, the list names the note-font folders.
    const QStringList folders =
        QDir(NoteFonts::root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString &folder : folders)
        ui->comboBoxFontName->addItem(folder.section(QLatin1Char('.'), 0, 0));

    fillStyleItems();
    fillKeyItems();
    ui->comboBoxFontName->setCurrentIndex(0);
    ui->comboBoxInstrumentKey->setCurrentIndex(keyOffset);
    ui->checkBoxLyricsOutput->setChecked(false);
    ui->checkBoxWholeRestOutput->setChecked(false);
    connectEditSlots();
}

PartDialog::~PartDialog()
{
    qDeleteAll(partCopies);
    delete ui;
}

void PartDialog::fillStyleItems()
{
    for (int code = 0; code < NotationStyle::count; ++code) {
        const char *text =
            code == NotationStyle::StaffNotation ? firstStaffNotationText : styleTexts[code];
        ui->comboBoxNotationStyle->addItem(tr(text), code);
    }
}

void PartDialog::fillKeyItems()
{
    for (int i = 0; i < keyItemCount; ++i)
        ui->comboBoxInstrumentKey->addItem(signedKeyText(keyOffset - i), keyOffset - i);
}

void PartDialog::connectEditSlots()
{
    connect(ui->listWidgetPart, &QListWidget::currentRowChanged, this, &PartDialog::setPartUi);
    connect(ui->lineEditPartName, &QLineEdit::textChanged, this, &PartDialog::updatePartName);
    connect(ui->lineEditPartAbbreviation, &QLineEdit::textChanged, this,
            &PartDialog::updatePartAbbreviation);
    connect(ui->checkBoxPartOutput, &QCheckBox::toggled, this, &PartDialog::updatePartOutput);
    connect(ui->checkBoxPartWholeRestLine, &QCheckBox::toggled, this,
            &PartDialog::updatePartWholeRestLine);
    connect(ui->checkBoxNoteOutput, &QCheckBox::toggled, this, &PartDialog::updateNoteOutput);
    connect(ui->comboBoxNotationStyle, &QComboBox::currentIndexChanged, this,
            &PartDialog::updatePartNotationStyle);
    connect(ui->comboBoxFontName, &QComboBox::currentTextChanged, this,
            &PartDialog::updateNoteFontName);
    connect(ui->doubleSpinBoxFontSize, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteFontSize);
    connect(ui->pushButtonLyricFont, &QPushButton::clicked, this, &PartDialog::updateLyricsFont);
    connect(ui->doubleSpinBoxPartWidthScale, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updatePartWidthScale);
    connect(ui->doubleSpinBoxPartShift, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updatePartShift);
    connect(ui->checkBoxBoundaryLeftBottom, &QCheckBox::toggled, this,
            &PartDialog::updateBoundaryLeftBottom);
    connect(ui->checkBoxBoundaryRightTop, &QCheckBox::toggled, this,
            &PartDialog::updateBoundaryRightTop);
    connect(ui->checkBoxTimeTicks, &QCheckBox::toggled, this, &PartDialog::updateTimeTicks);
    connect(ui->checkBoxTimeTicks16th, &QCheckBox::toggled, this, &PartDialog::updateTimeTicks16th);
    connect(ui->comboBoxInstrumentKey, &QComboBox::currentIndexChanged, this,
            &PartDialog::updateInstrumentKey);
    connect(ui->checkBoxLyricsOutput, &QCheckBox::toggled, this, &PartDialog::updateLyricsOutput);
    connect(ui->checkBoxWholeRestOutput, &QCheckBox::toggled, this,
            &PartDialog::updateWholeRestOutput);
    connect(ui->checkBoxSlurOutput, &QCheckBox::toggled, this, &PartDialog::updateSlurOutput);
    connect(ui->checkBoxStaffNoteOutput, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteOutput);
    connect(ui->checkBoxStaffNoteTieStopOutput, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteTieStopOutput);
    connect(ui->checkBoxStaffNoteBeams, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteBeams);
    connect(ui->checkBoxStaffNoteReverseOrder, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteReverseOrder);
    connect(ui->spinBoxStaffNoteStartLyric, &QSpinBox::valueChanged, this,
            &PartDialog::updateStaffNoteLyricStart);
    connect(ui->checkBoxStaffNoteOctaveInst, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteOctaveInst);
    connect(ui->checkBoxStaffNoteBreathMark, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteBreathMark);
    connect(ui->checkBoxStaffNoteTremoloLine, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteTremoloLine);
    connect(ui->checkBoxStaffNoteExtensionBarDot, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteExtensionBarDot);
    connect(ui->checkBoxStaffNoteRestNote, &QCheckBox::toggled, this,
            &PartDialog::updateStaffNoteRestNote);
    connect(ui->checkBoxAlignInTime, &QCheckBox::toggled, this, &PartDialog::updateAlignInTime);
    connect(ui->doubleSpinBoxNoteInterval, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteInterval);
    connect(ui->doubleSpinBoxNoteWidth1, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteWidth1);
    connect(ui->doubleSpinBoxNoteWidth2, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteWidth2);
    connect(ui->doubleSpinBoxNoteWidth4, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteWidth4);
    connect(ui->doubleSpinBoxNoteWidth8, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteWidth8);
    connect(ui->doubleSpinBoxNoteWidth16, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteWidth16);
    connect(ui->doubleSpinBoxNoteWidth32, &QDoubleSpinBox::valueChanged, this,
            &PartDialog::updateNoteWidth32);
    connect(ui->pushButtonSetToAllParts, &QPushButton::clicked, this,
            &PartDialog::setToAllPartsSizes);
    connect(ui->pushButtonSetDefaultValues, &QPushButton::clicked, this,
            &PartDialog::setDefaultValues);
    connect(ui->pushButtonApply, &QPushButton::clicked, this, &PartDialog::apply);
    connect(ui->pushButtonOK, &QPushButton::clicked, this, &PartDialog::ok);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &PartDialog::close);
}

void PartDialog::setDialog(QList<Part *> *parts, Part *defaults)
{
    if (!parts || parts->isEmpty())
        return;
    targetParts = parts;
    defaultPart = defaults;

    const QSignalBlocker blockList(ui->listWidgetPart);
    ui->listWidgetPart->clear();
    qDeleteAll(partCopies);
    partCopies.clear();
    for (const Part *part : std::as_const(*parts)) {
        // Settings holders only, never drawn: they belong to no score.
        auto *copy = new Part(nullptr);
        copyDialogFields(part, copy);
        partCopies.append(copy);
        ui->listWidgetPart->addItem(copy->partName);
    }
    ui->listWidgetPart->setCurrentRow(0);
    setPartUi(0);
    changed = false;
}

Part *PartDialog::editedPart() const
{
    const int row = ui->listWidgetPart->currentRow();
    if (showing || row < 0 || row >= partCopies.size())
        return nullptr;
    return partCopies.at(row);
}

void PartDialog::setPartUi(int row)
{
    if (row < 0 || row >= partCopies.size())
        return;
    Part *part = partCopies.at(row);
    showing = true;
    ui->lineEditPartName->setText(part->partName);
    ui->lineEditPartAbbreviation->setText(part->partAbbreviation);
    showPart(part);
    showing = false;
    if (!selectFont(part->noteFontName)) {
        qDebug().nospace() << "======== setPartUi error idx=" << -1;
        part->noteFontName = ui->comboBoxFontName->currentText();
    }
}

void PartDialog::showPart(const Part *source)
{
    const int style = source->notationStyle;
    const bool knownStyle = style >= 0 && style < NotationStyle::count;
    ui->comboBoxNotationStyle->setCurrentIndex(knownStyle ? style : -1);
    listFonts(style);
    selectFont(source->noteFontName);
    ui->doubleSpinBoxFontSize->setValue(source->noteFontSize);
    ui->doubleSpinBoxPartWidthScale->setValue(source->partWidthScale);
    ui->doubleSpinBoxPartShift->setValue(source->partShift);
    ui->checkBoxBoundaryLeftBottom->setChecked(source->boundaryLeftBottom);
    ui->checkBoxBoundaryRightTop->setChecked(source->boundaryRightTop);
    ui->checkBoxTimeTicks->setChecked(source->timeTicks);
    ui->checkBoxTimeTicks16th->setChecked(source->timeTicks16th);
    ui->checkBoxPartOutput->setChecked(source->partOutput);
    ui->checkBoxPartWholeRestLine->setChecked(source->partWholeRestLine);
    ui->checkBoxNoteOutput->setChecked(source->noteOutput);
    ui->checkBoxLyricsOutput->setChecked(source->lyricsOutput);
    ui->checkBoxWholeRestOutput->setChecked(source->wholeRestOutput);
    ui->checkBoxSlurOutput->setChecked(source->slurOutput);
    ui->checkBoxStaffNoteOutput->setChecked(source->staffNoteOutput);
    ui->checkBoxStaffNoteTieStopOutput->setChecked(source->staffNoteTieStopOutput);
    ui->checkBoxStaffNoteBeams->setChecked(source->staffNoteBeams);
    ui->checkBoxStaffNoteReverseOrder->setChecked(source->staffNoteInverseOrder);
    ui->spinBoxStaffNoteStartLyric->setValue(source->staffNoteLyricStart);
    // A key beyond the items shows none, so no item stands for it.
    const int keyIndex = source->instrumentKey + keyOffset;
    ui->comboBoxInstrumentKey->setCurrentIndex(keyIndex >= 0 && keyIndex < keyItemCount ? keyIndex
                                                                                        : -1);
    ui->checkBoxStaffNoteOctaveInst->setChecked(source->staffNoteOctaveInst);
    ui->checkBoxStaffNoteBreathMark->setChecked(source->staffNoteBreathMark);
    ui->checkBoxStaffNoteTremoloLine->setChecked(source->staffNoteTremoloLine);
    ui->checkBoxStaffNoteExtensionBarDot->setChecked(source->staffNoteExtensionBarDot);
    ui->checkBoxStaffNoteRestNote->setChecked(source->staffNoteRestNote);
    ui->checkBoxAlignInTime->setChecked(source->alignInTime);
    ui->doubleSpinBoxNoteInterval->setValue(source->noteInterval);
    ui->doubleSpinBoxNoteWidth1->setValue(source->noteWidth1);
    ui->doubleSpinBoxNoteWidth2->setValue(source->noteWidth2);
    ui->doubleSpinBoxNoteWidth4->setValue(source->noteWidth4);
    ui->doubleSpinBoxNoteWidth8->setValue(source->noteWidth8);
    ui->doubleSpinBoxNoteWidth16->setValue(source->noteWidth16);
    ui->doubleSpinBoxNoteWidth32->setValue(source->noteWidth32);
}

void PartDialog::listFonts(int code)
{
    const QStringList files =
        QDir(NoteFontFolder::path(code)).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    ui->comboBoxFontName->clear();
    for (const QString &file : files)
        ui->comboBoxFontName->addItem(file.section(QLatin1Char('.'), 0, 0));
}

bool PartDialog::selectFont(const QString &name)
{
    const int index =
        ui->comboBoxFontName->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    ui->comboBoxFontName->setCurrentIndex(index);
    return true;
}

void PartDialog::updatePartName(const QString &text)
{
    Part *part = editedPart();
    if (!part)
        return;
    part->partName = text;
    ui->listWidgetPart->currentItem()->setText(text);
    changed = true;
}

void PartDialog::updatePartAbbreviation(const QString &text)
{
    if (Part *part = editedPart()) {
        part->partAbbreviation = text;
        changed = true;
    }
}

void PartDialog::updatePartOutput(bool checked)
{
    const QList<QWidget *> outputWidgets = {
        ui->checkBoxPartWholeRestLine,    ui->checkBoxNoteOutput,
        ui->checkBoxLyricsOutput,         ui->checkBoxSlurOutput,
        ui->checkBoxStaffNoteOutput,      ui->checkBoxStaffNoteTieStopOutput,
        ui->checkBoxStaffNoteBeams,       ui->checkBoxStaffNoteReverseOrder,
        ui->spinBoxStaffNoteStartLyric,   ui->checkBoxWholeRestOutput,
        ui->checkBoxStaffNoteOctaveInst,  ui->checkBoxStaffNoteBreathMark,
        ui->checkBoxStaffNoteTremoloLine, ui->checkBoxStaffNoteExtensionBarDot,
        ui->checkBoxStaffNoteRestNote,    ui->checkBoxBoundaryRightTop,
        ui->checkBoxBoundaryLeftBottom,   ui->checkBoxTimeTicks,
        ui->checkBoxTimeTicks16th,
    };
    for (QWidget *widget : outputWidgets)
        widget->setEnabled(checked);
    if (Part *part = editedPart()) {
        part->partOutput = checked;
        changed = true;
    }
}

void PartDialog::updatePartWholeRestLine(bool checked)
{
    if (Part *part = editedPart()) {
        part->partWholeRestLine = checked;
        changed = true;
    }
}

void PartDialog::updateNoteOutput(bool checked)
{
    ui->checkBoxSlurOutput->setEnabled(checked);
    ui->checkBoxWholeRestOutput->setEnabled(checked);
    if (Part *part = editedPart()) {
        part->noteOutput = checked;
        changed = true;
    }
}

void PartDialog::updatePartNotationStyle(int index)
{
    Part *part = editedPart();
    if (!part || index < 0)
        return;
    const int code = ui->comboBoxNotationStyle->itemData(index).toInt();
    part->notationStyle = code;
    // A style the user picks brings its own line defaults and first font.
    const bool lines = drawsLinesByDefault(code);
    ui->checkBoxBoundaryRightTop->setChecked(lines);
    ui->checkBoxBoundaryLeftBottom->setChecked(lines);
    ui->checkBoxTimeTicks->setChecked(lines);
    ui->checkBoxTimeTicks16th->setChecked(false);
    listFonts(code);
    changed = true;
}

void PartDialog::updateInstrumentKey(int index)
{
    Part *part = editedPart();
    if (!part || index < 0)
        return;
    part->instrumentKey = index - keyOffset;
    changed = true;
}

void PartDialog::updateNoteFontSize(double value)
{
    if (Part *part = editedPart()) {
        part->noteFontSize = value;
        changed = true;
    }
}

void PartDialog::updatePartWidthScale(double value)
{
    if (Part *part = editedPart()) {
        part->partWidthScale = value;
        changed = true;
    }
}

void PartDialog::updatePartShift(double value)
{
    if (Part *part = editedPart()) {
        part->partShift = value;
        changed = true;
    }
}

void PartDialog::updateBoundaryLeftBottom(bool checked)
{
    if (Part *part = editedPart()) {
        part->boundaryLeftBottom = checked;
        changed = true;
    }
}

void PartDialog::updateBoundaryRightTop(bool checked)
{
    if (Part *part = editedPart()) {
        part->boundaryRightTop = checked;
        changed = true;
    }
}

void PartDialog::updateTimeTicks(bool checked)
{
    ui->checkBoxTimeTicks16th->setEnabled(checked);
    if (Part *part = editedPart()) {
        part->timeTicks = checked;
        changed = true;
    }
}

void PartDialog::updateTimeTicks16th(bool checked)
{
    if (Part *part = editedPart()) {
        part->timeTicks16th = checked;
        changed = true;
    }
}

void PartDialog::updateLyricsFont()
{
    Part *part = editedPart();
    if (!part)
        return;
    bool accepted = false;
    const QFont font = Prompter::instance().font(&accepted, part->lyricsFont, this, QString());
    if (accepted)
        part->lyricsFont = font;
    // Opening the picker counts as an edit, so the next Apply writes back.
    changed = true;
}

void PartDialog::updateNoteFontName(const QString &name)
{
    if (Part *part = editedPart()) {
        part->noteFontName = name;
        changed = true;
    }
}

void PartDialog::updateLyricsOutput(bool checked)
{
    if (Part *part = editedPart()) {
        part->lyricsOutput = checked;
        changed = true;
    }
}

void PartDialog::updateWholeRestOutput(bool checked)
{
    if (Part *part = editedPart()) {
        part->wholeRestOutput = checked;
        changed = true;
    }
}

void PartDialog::updateSlurOutput(bool checked)
{
    if (Part *part = editedPart()) {
        part->slurOutput = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteOutput(bool checked)
{
    for (QWidget *widget : staffNoteOptions())
        widget->setEnabled(checked);
    if (Part *part = editedPart()) {
        part->staffNoteOutput = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteTieStopOutput(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteTieStopOutput = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteBeams(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteBeams = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteReverseOrder(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteInverseOrder = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteLyricStart(int value)
{
    if (Part *part = editedPart()) {
        part->staffNoteLyricStart = value;
        changed = true;
    }
}

void PartDialog::updateStaffNoteOctaveInst(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteOctaveInst = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteBreathMark(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteBreathMark = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteTremoloLine(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteTremoloLine = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteExtensionBarDot(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteExtensionBarDot = checked;
        changed = true;
    }
}

void PartDialog::updateStaffNoteRestNote(bool checked)
{
    if (Part *part = editedPart()) {
        part->staffNoteRestNote = checked;
        changed = true;
    }
}

void PartDialog::updateAlignInTime(bool checked)
{
    if (Part *part = editedPart()) {
        part->alignInTime = checked;
        changed = true;
    }
}

void PartDialog::updateNoteInterval(double value)
{
    if (Part *part = editedPart()) {
        part->noteInterval = value;
        changed = true;
    }
}

void PartDialog::updateNoteWidth1(double value)
{
    if (Part *part = editedPart()) {
        part->noteWidth1 = value;
        changed = true;
    }
}

void PartDialog::updateNoteWidth2(double value)
{
    if (Part *part = editedPart()) {
        part->noteWidth2 = value;
        changed = true;
    }
}

void PartDialog::updateNoteWidth4(double value)
{
    if (Part *part = editedPart()) {
        part->noteWidth4 = value;
        changed = true;
    }
}

void PartDialog::updateNoteWidth8(double value)
{
    if (Part *part = editedPart()) {
        part->noteWidth8 = value;
        changed = true;
    }
}

void PartDialog::updateNoteWidth16(double value)
{
    if (Part *part = editedPart()) {
        part->noteWidth16 = value;
        changed = true;
    }
}

void PartDialog::updateNoteWidth32(double value)
{
    if (Part *part = editedPart()) {
        part->noteWidth32 = value;
        changed = true;
    }
}

void PartDialog::setDefaultValues()
{
    Part *part = editedPart();
    if (!part || !defaultPart)
        return;
    // The part keeps what names it and its lyric font; the rest is the
    // score's default, as it is stored.
    const QString name = part->partName;
    const QString abbreviation = part->partAbbreviation;
    const QFont lyricsFont = part->lyricsFont;
    copyDialogFields(defaultPart, part);
    part->partName = name;
    part->partAbbreviation = abbreviation;
    part->lyricsFont = lyricsFont;
    showing = true;
    showPart(part);
    showing = false;
    if (!selectFont(part->noteFontName))
        part->noteFontName = ui->comboBoxFontName->currentText();
    changed = true;
}

void PartDialog::setToAllPartsSizes()
{
    const Part *current = editedPart();
    if (!current)
        return;
    for (Part *part : std::as_const(partCopies)) {
        part->alignInTime = current->alignInTime;
        part->noteInterval = current->noteInterval;
        part->noteWidth1 = current->noteWidth1;
        part->noteWidth2 = current->noteWidth2;
        part->noteWidth4 = current->noteWidth4;
        part->noteWidth8 = current->noteWidth8;
        part->noteWidth16 = current->noteWidth16;
        part->noteWidth32 = current->noteWidth32;
    }
    changed = true;
}

void PartDialog::on_pushButtonSetToAllPartsStyle_clicked()
{
    const Part *current = editedPart();
    if (!current)
        return;
    const int code = current->notationStyle;
    for (Part *part : std::as_const(partCopies)) {
        part->notationStyle = code;
        // Sangen of the Ikuta school leaves each part's own lines.
        if (code != NotationStyle::SangenIkuta) {
            const bool lines = code == NotationStyle::KotoIkuta;
            part->boundaryLeftBottom = lines;
            part->boundaryRightTop = lines;
            part->timeTicks = lines;
            part->timeTicks16th = lines;
        }
        part->noteFontName = current->noteFontName;
        part->noteFontSize = current->noteFontSize;
        part->partWidthScale = current->partWidthScale;
        part->partShift = current->partShift;
        part->instrumentKey = current->instrumentKey;
    }
    changed = true;
    // The current part got the line fields too: show what Apply will write.
    setPartUi(ui->listWidgetPart->currentRow());
}

void PartDialog::on_checkBoxLyricsOutput_toggled(bool checked)
{
    ui->checkBoxStaffNoteOutput->setEnabled(checked);
    for (QWidget *widget : staffNoteOptions())
        widget->setEnabled(checked);
}

void PartDialog::on_comboBoxNotationStyle_currentIndexChanged(int index)
{
    const int code = ui->comboBoxNotationStyle->itemData(index).toInt();
    const QList<QWidget *> sizeWidgets = {
        ui->doubleSpinBoxNoteInterval, ui->doubleSpinBoxNoteWidth1, ui->doubleSpinBoxNoteWidth2,
        ui->doubleSpinBoxNoteWidth4,   ui->doubleSpinBoxNoteWidth8, ui->doubleSpinBoxNoteWidth16,
        ui->doubleSpinBoxNoteWidth32,  ui->pushButtonSetToAllParts,
    };
    const bool staffNotation = index >= 0 && code == NotationStyle::StaffNotation;
    if (staffNotation) {
        qDebug().noquote() << "on_comboBoxNotationStyle_currentIndexChanged style = staffNotation "
                              "index = "
                           << index;
        ui->checkBoxBoundaryRightTop->setChecked(false);
        ui->checkBoxBoundaryLeftBottom->setChecked(false);
    }
    // Staff notation spaces its notes itself and is written at its pitch;
    // the flute is written at its pitch too.
    for (QWidget *widget : sizeWidgets)
        widget->setEnabled(!staffNotation);
    ui->comboBoxInstrumentKey->setEnabled(!staffNotation && code != NotationStyle::Traverso);
}

void PartDialog::on_pushButtonMore_toggled(bool checked)
{
    ui->groupBoxDetails->setVisible(checked);
    ui->groupBoxBasic->setMinimumWidth(500);
    ui->listWidgetPart->setFixedWidth(120);
    fitToContents();
}

void PartDialog::fitToContents()
{
    refreshFormLayouts();
    // The form's own widths, widened where a translation's texts need more;
    // on a narrower screen the scroll area scrolls sideways.
    const int designed = ui->groupBoxDetails->isHidden() ? 540 : 1100;
    setFixedWidth(
        qMin(qMax(designed, widthForContents()), ScreenFit::largestClientSize(this).width()));
    if (isVisible())
        growToContents();
}

void PartDialog::growToContents()
{
    // Taller where the interface font needs it, as far as the screen
    // allows; the scroll area shows the rest.
    layout()->activate();
    const int wanted = qMin(height() - ui->scrollArea->viewport()->height() +
                                ui->scrollArea->widget()->minimumSizeHint().height(),
                            ScreenFit::largestClientSize(this).height());
    if (height() < wanted)
        resize(width(), wanted);
}

void PartDialog::showEvent(QShowEvent *event)
{
    growToContents();
    GeometryDialog::showEvent(event);
}

void PartDialog::refreshFormLayouts()
{
    // Texts set while the details were hidden leave the outer layouts with
    // the sizes of the texts before them: a longer translation would be cut.
    QWidget *contents = ui->scrollArea->widget();
    const QList<QLayout *> layouts = contents->findChildren<QLayout *>();
    for (QLayout *layout : layouts)
        layout->invalidate();
    contents->layout()->invalidate();
    contents->layout()->activate();
}

int PartDialog::widthForContents() const
{
    const QMargins margins = layout()->contentsMargins();
    return ui->scrollArea->widget()->minimumSizeHint().width() + 2 * ui->scrollArea->frameWidth() +
           margins.left() + margins.right();
}

void PartDialog::setMoreChecked(bool checked)
{
    ui->pushButtonMore->setChecked(checked);
}

bool PartDialog::checkOutput()
{
    const int count = targetParts ? std::min(targetParts->size(), partCopies.size()) : 0;
    for (int i = 0; i < count; ++i) {
        if (partCopies.at(i)->partOutput)
            return true;
    }
    Prompter::instance().warning(this, QStringLiteral("Velmora"),
                                 tr("At least one part must be output!"));
    return false;
}

void PartDialog::applyToParts()
{
    if (!targetParts)
        return;
    const int count = std::min(targetParts->size(), partCopies.size());
    for (int i = 0; i < count; ++i)
        copyDialogFields(partCopies.at(i), targetParts->at(i));
}

void PartDialog::writeBack()
{
    if (!changed)
        return;
    applyToParts();
    emit sigPartApply();
    changed = false;
}

void PartDialog::apply()
{
    if (!checkOutput())
        return;
    writeBack();
    setResult(1);
}

void PartDialog::ok()
{
    // With nothing to output the dialog stays open, the edits with it.
    if (!checkOutput())
        return;
    writeBack();
    setResult(2);
    close();
}

QList<QWidget *> PartDialog::staffNoteOptions() const
{
    return {ui->spinBoxStaffNoteStartLyric,   ui->checkBoxStaffNoteTieStopOutput,
            ui->checkBoxStaffNoteBeams,       ui->checkBoxStaffNoteReverseOrder,
            ui->checkBoxStaffNoteOctaveInst,  ui->checkBoxStaffNoteBreathMark,
            ui->checkBoxStaffNoteTremoloLine, ui->checkBoxStaffNoteExtensionBarDot,
            ui->checkBoxStaffNoteRestNote};
}

void PartDialog::retranslate()
{
    setWindowTitle(tr("Velmora: Part Settings"));
    ui->labelMessage->setText(
        tr("Select a part from Part List and set a Notation Style and etc. "));
    ui->pushButtonMore->setText(tr("More"));
    ui->labelPartList->setText(tr("Part List"));
    ui->groupBoxPartName->setTitle(tr("Part Name"));
    ui->labelPartName->setText(tr("Part Name"));
    ui->labelPartAbrreviation->setText(tr("Part Abbeviation"));
    ui->groupBoxTypeFont->setTitle(tr("Style, Font, and Key"));
    ui->labelNoteType->setText(tr("Notation Style"));
    ui->labelFontName->setText(tr("Font Name"));
    ui->labelFontSize->setText(tr("Font Size"));
    ui->labelPartWidth->setText(tr("Part Width"));
    ui->labelPartShift->setText(tr("Part Shift"));
    ui->labelInstrKey->setText(tr("Key of Instrument"));
    ui->groupBoxLines->setTitle(tr("Draw Part Boundary Lines and Hands"));
    ui->checkBoxBoundaryRightTop->setText(tr("Right (or Top)"));
    ui->checkBoxBoundaryLeftBottom->setText(tr("Left (or Bottom)"));
    ui->checkBoxTimeTicks->setText(tr("Long and Short Hands"));
    ui->checkBoxTimeTicks16th->setText(tr("Very Short Hands (16th)"));
    ui->groupBoxOutputControl->setTitle(tr("Output Control"));
    ui->checkBoxPartOutput->setText(tr("Part"));
    ui->checkBoxPartWholeRestLine->setText(tr("Whole Rest Line"));
    ui->checkBoxNoteOutput->setText(tr("Notes"));
    ui->checkBoxLyricsOutput->setText(tr("Lyrics"));
    ui->checkBoxWholeRestOutput->setText(tr("Whole Rests"));
    ui->checkBoxSlurOutput->setText(tr("Slurs"));
    ui->checkBoxStaffNoteOutput->setText(tr("Note Names to Lyrics"));
    ui->checkBoxStaffNoteTieStopOutput->setText(tr("Tie Stop Note"));
    ui->checkBoxStaffNoteBeams->setText(tr("Beams"));
    ui->checkBoxStaffNoteReverseOrder->setText(tr("Reverse Order (Chord Notes)"));
    ui->labelStaffLyricNo->setText(tr("Start Lyric Number"));
    ui->checkBoxStaffNoteOctaveInst->setText(tr("Kan/Otsu (Shakuhachi)"));
    ui->checkBoxStaffNoteBreathMark->setText(tr("Breath Mark"));
    ui->checkBoxStaffNoteTremoloLine->setText(tr("Tremolo Line"));
    ui->checkBoxStaffNoteExtensionBarDot->setText(tr("Extension Bar/Dot"));
    ui->checkBoxStaffNoteRestNote->setText(tr("Rest Note"));
    ui->groupBoxLylics->setTitle(tr("Lyrics"));
    ui->pushButtonLyricFont->setText(tr("Font Property"));
    ui->pushButtonSetDefaultValues->setText(tr("Set Default Values"));
    ui->pushButtonApply->setText(tr("Apply"));
    ui->pushButtonCancel->setText(tr("Cancel"));
    for (int code = 0; code < NotationStyle::count; ++code)
        ui->comboBoxNotationStyle->setItemText(code, tr(styleTexts[code]));
    for (int i = 0; i < keyItemCount; ++i)
        ui->comboBoxInstrumentKey->setItemText(i, tr(keyTexts[i]));
    ui->groupBoxSizeValues->setTitle(tr("Alignment and Note Sizes"));
    ui->groupBoxAlignInTime->setTitle(tr("Align Parts in Time"));
    ui->checkBoxAlignInTime->setText(tr("Align"));
    ui->groupBoxNoteWidths->setTitle(tr("Note Durations and Note Widths"));
    ui->labelNoteDuration->setText(tr("Note Duration"));
    ui->labelNoteWhole->setText(tr("Whole and Longer"));
    ui->labelNoteWidth->setText(tr("Note Width"));
    ui->labelNoteHalf->setText(tr("Half"));
    ui->labelNoteQuarter->setText(tr("Quarter"));
    ui->labelNoteEigth->setText(tr("Eigth"));
    ui->labelNote16th->setText(tr("16th"));
    ui->labelNote32th->setText(tr("32th and Shorter"));
    ui->groupBoxNoteInterval->setTitle(tr("Note Intervals"));
    ui->labelNoteInterval->setText(tr("Ratio to Note Width"));
    ui->pushButtonSetToAllParts->setText(tr("Set to All Parts"));
    ui->pushButtonSetToAllPartsStyle->setText(tr("Set to All Parts"));
    fitToContents();
}
