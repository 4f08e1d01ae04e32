#include "dialogs/scaledialog.h"

#include "dialogs/dialogscaletemplate.h"
#include "dialogs/scalefile.h"
#include "platform/prompter.h"

#include "ui_scaledialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QFile>
#include <QIcon>

#include <algorithm>
#include <limits>

namespace {

const QString scalePrefix = QStringLiteral(".scale");
const QString nameSeparator = QStringLiteral("}'");

constexpr int basicMinimumWidth = 450;
constexpr int widthWithMore = 770;
constexpr int widthWithoutMore = 477;
constexpr int intervalCount = 25;
// Combo item i stands for the interval i - unisonScaleIndex.
constexpr int unisonScaleIndex = 12;

const char *const intervalTexts[intervalCount] = {
    QT_TRANSLATE_NOOP("ScaleDialog", "-12/Octave"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-11"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-10"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-9/Major Sixth"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-8"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-7/Perfect Fifth"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-6"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-5/Perfect Fourth"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-4/Major Third"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-3/Minor Third"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-2"),
    QT_TRANSLATE_NOOP("ScaleDialog", "-1"),
    QT_TRANSLATE_NOOP("ScaleDialog", "0/Perfect Unison"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+1"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+2"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+3/Minor Third"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+4/Major Third"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+5/Perfect Fourth"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+6"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+7/Perfect Fifth"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+8"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+9/Major Sixth"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+10"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+11"),
    QT_TRANSLATE_NOOP("ScaleDialog", "+12/Octave"),
};

// A scale text taken apart: "{4,,16}'name'" gives 4, 0, 16 and "name".
struct ParsedScale
{
    qsizetype pieces = 0; // of the text split at "}'"; a scale has two
    QList<int> notes;
    QString name;

    bool valid() const { return pieces == 2; }
};

ParsedScale parseScale(const QString &text)
{
    ParsedScale parsed;
    const QStringList pieces = text.split(nameSeparator, Qt::KeepEmptyParts);
    parsed.pieces = pieces.size();
    if (!parsed.valid())
        return parsed;
    // Whatever prefix stands before the brace (".scale", ".scaleSangen").
    QString numbers = pieces.at(0);
    const qsizetype brace = numbers.indexOf(QLatin1Char('{'));
    if (brace >= 0)
        numbers = numbers.mid(brace + 1);
    const qsizetype quote = pieces.at(1).lastIndexOf(QLatin1Char('\''));
    parsed.name = quote >= 0 ? pieces.at(1).left(quote) : pieces.at(1);
    // An item that is no number, or too large for one, is a note at 0.
    for (const QString &item : numbers.split(QLatin1Char(','), Qt::KeepEmptyParts))
        parsed.notes.append(item.toInt(nullptr, 10));
    return parsed;
}

// A pitch moved by `interval`; a text may hold any int, so the sum stops
// at the int's limits instead of overflowing.
int shiftedPitch(int pitch, int interval)
{
    return int(std::clamp<qint64>(qint64(pitch) + interval, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// The picture of row `row` (0-based) of a scale of `count` notes.
QIcon rowIcon(int row, qsizetype count)
{
    static const char *const thirteenStringTops[] = {"To", "I", "Kin"};
    QString name = QString::number(row + 1);
    if (count == 13 && row >= 10)
        name = QString::fromLatin1(thirteenStringTops[row - 10]);
    const QString path = QStringLiteral(":/images/") + name + QStringLiteral(".png");
    return QIcon(QFile::exists(path) ? path : QStringLiteral(":/images/White.png"));
}

} // namespace

ScaleDialog::ScaleDialog(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_Scale"), parent), ui(new Ui_ScaleDialog)
{
    ui->setupUi(this);
    ui->listWidgetScale->setSelectionMode(QAbstractItemView::MultiSelection);
    setMessage(QString());
    // Opens without its second column; the button stays as the form left it.
    on_pushButtonMore_toggled(false);
    readSettings();
    ui->listWidgetScale->setFont(QFont(QStringLiteral("Yu Gothic"), 14));
    ui->lineEditScaleText->setReadOnly(true);
    setWindowTitle(tr("Edit Scale"));
    for (const char *text : intervalTexts)
        ui->comboBoxTranspose->addItem(tr(text));
    ui->comboBoxTranspose->setCurrentIndex(unisonScaleIndex);
    ui->pushButtonUndoTranspose->setEnabled(false);
    ui->groupBoxDirectiveText->hide();
}

ScaleDialog::~ScaleDialog()
{
    delete ui;
}

void ScaleDialog::retranslate()
{
    setWindowTitle(tr("Edit Scale"));
    ui->pushButtonSetFromTemplate->setText(tr("Select Scale from Templates"));
    ui->pushButtonSetFromScaleFile->setText(tr("Read Scale from File"));
    ui->pushButtonCopyPreviousScale->setText(tr("Copy Preceding Scale"));
    ui->labelNumStrings->setText(tr("Number of Scale Notes: "));
    ui->labeList->setText(tr("Note Number - Note Pitch"));
    ui->pushButtonClearSelection->setText(tr("Clear Selection"));
    ui->pushButtonUpOctave->setText(tr("⇑ (Oct)"));
    ui->pushButtonUp4th->setText(tr("↑ (4th)"));
    ui->pushButtonUp->setText(tr("⇡ (half)"));
    ui->pushButtonDown->setText(tr("⇣ (half)"));
    ui->pushButtonDown4th->setText(tr("↓ (4th)"));
    ui->pushButtonDownOctave->setText(tr("⇓ (Oct)"));
    ui->pushButtonTranspose->setText(tr("Transpose"));
    ui->pushButtonUndoTranspose->setText(tr("Undo"));
    ui->labelTransposeInterval->setText(tr("Interval"));
    ui->labelDirectiveText->setText(tr("Directive Text"));
    ui->pushButtonRevert->setText(tr("Revert"));
    ui->pushButtonCopyScale->setText(tr("Copy this Scale to Buffer"));
    ui->pushButtonPasteScale->setText(tr("Paste Scale in Buffer to this Scale"));
    ui->groupBoxScaleName->setTitle(tr("Scale Name"));
    setMessage(messageText);
}

void ScaleDialog::setDialog(Note *edited, const QString &precedingScale,
                            const QString &directiveText)
{
    readSettings();
    note = edited;
    prevScale = precedingScale;
    originalScaleText = directiveText;
    lastScaleText = directiveText;
    setupFromScaleText(directiveText);
    ui->groupBoxMore->show();
    ui->groupBoxBasic->setMinimumWidth(basicMinimumWidth);
    setFixedWidth(widthWithMore);
    ui->listWidgetScale->clearSelection();
}

void ScaleDialog::setMessage(const QString &text)
{
    messageText = text;
    ui->labelMessage->setText(
        text.isEmpty() ? tr("Select a scale note in the list and change pitch.") : text);
}

Note *ScaleDialog::getNote() const
{
    return note;
}

QString ScaleDialog::getScaleText() const
{
    return lastScaleText;
}

QString ScaleDialog::precedingScale() const
{
    return prevScale;
}

QString ScaleDialog::directiveText() const
{
    return originalScaleText;
}

QString ScaleDialog::message() const
{
    return messageText;
}

QString ScaleDialog::noteNameOfPitch(int pitch)
{
    static const char *const names[12] = {"C",     "Db/C#", "D",     "Eb/D#", "E",     "F",
                                          "Gb/F#", "G",     "Ab/G#", "A",     "Bb/A#", "B"};
    // Wide enough for any pitch a text can hold.
    const qint64 v = qint64(pitch) + 46;
    const qint64 degree = v % 12; // negative below C0: no letter then
    const QString octave = QString::number(v / 12);
    return degree < 0 ? octave : QString::fromLatin1(names[degree]) + octave;
}

bool ScaleDialog::setupFromScaleText(const QString &text)
{
    const ParsedScale parsed = parseScale(text);
    if (!parsed.valid()) {
        qDebug() << "setupFromScaleText Error len = " << parsed.pieces;
        return false;
    }
    replaceScale(parsed.notes, parsed.name);
    return true;
}

void ScaleDialog::pasteScaleText(const QString &text)
{
    const ParsedScale parsed = parseScale(text);
    if (!parsed.valid()) {
        qDebug() << "pasteScaleText Error len = " << parsed.pieces;
        Prompter::instance().beep();
        Prompter::instance().information(
            nullptr, QString(),
            tr("Error:\nPasted scale data:\n[ %1 ]\n is not a valid scale data!").arg(text));
        return;
    }
    if (parsed.notes.size() != scaleNotes.size()) {
        qDebug() << "pasteScaleText Error len = " << parsed.pieces;
        Prompter::instance().beep();
        Prompter::instance().information(
            nullptr, QString(),
            tr("Error!\nPasted scale data:\n[ %1 ]\n has a different number of scale notes: %2 "
               "vs %3 !")
                .arg(text)
                .arg(parsed.notes.size())
                .arg(scaleNotes.size()));
        return;
    }
    replaceScale(parsed.notes, parsed.name);
}

void ScaleDialog::replaceScale(const QList<int> &notes, const QString &name)
{
    scaleNotes = notes;
    transposeHistory.clear();
    ui->pushButtonUndoTranspose->setEnabled(false);
    ui->labelNumber->setText(QString::number(scaleNotes.size()));
    // Setting the name refreshes the list when it changes; refresh once
    // more for a scale of the same name.
    ui->lineEditScaleName->setText(name);
    refreshScaleList();
}

QString ScaleDialog::composeScaleText() const
{
    QStringList numbers;
    for (int pitch : scaleNotes)
        numbers.append(QString::number(pitch));
    return QLatin1Char('{') + numbers.join(QLatin1Char(',')) + nameSeparator +
           ui->lineEditScaleName->text() + QLatin1Char('\'');
}

void ScaleDialog::updateScaleText()
{
    const QString text = composeScaleText();
    if (text == lastScaleText)
        return;
    emit sigScaleUpdated(text);
    lastScaleText = text;
}

void ScaleDialog::refreshScaleList()
{
    QListWidget *list = ui->listWidgetScale;
    list->clear();
    if (scaleNotes.isEmpty())
        return;
    const bool withIcons = scaleNotes.size() >= 13;
    for (int row = 0; row < scaleNotes.size(); ++row) {
        auto *item = new QListWidgetItem(QString::number(row + 1) + QStringLiteral("  ") +
                                             noteNameOfPitch(scaleNotes.at(row)),
                                         list);
        if (withIcons)
            item->setIcon(rowIcon(row, scaleNotes.size()));
    }
    list->setFont(QFont(QStringLiteral("Yu Gothic")));
    list->setCurrentRow(0);
    ui->lineEditScaleText->setText(scalePrefix + composeScaleText());
    list->clearSelection();
}

void ScaleDialog::transposeScale(int interval)
{
    for (int &pitch : scaleNotes)
        pitch = shiftedPitch(pitch, interval);
}

void ScaleDialog::scaleNoteIndexShift(int interval)
{
    QListWidget *list = ui->listWidgetScale;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    QList<int> rows;
    for (const QListWidgetItem *item : selected) {
        const int row = list->row(item);
        scaleNotes[row] = shiftedPitch(scaleNotes.at(row), interval);
        rows.append(row);
    }
    refreshScaleList();
    list->setCurrentRow(0, QItemSelectionModel::Deselect);
    for (int row : std::as_const(rows))
        list->setCurrentRow(row, QItemSelectionModel::Select);
}

void ScaleDialog::templateChange(const QString &directiveText)
{
    qDebug().noquote() << "templateChange entered. scale = " + directiveText;
    pasteScaleText(directiveText);
    refreshScaleList();
}

void ScaleDialog::on_pushButtonCancel_clicked()
{
    qDebug() << "on_pushButtonCancel_clicked()";
    writeSettings();
    close();
}

void ScaleDialog::on_pushButtonUp_clicked()
{
    scaleNoteIndexShift(1);
}

void ScaleDialog::on_pushButtonDown_clicked()
{
    scaleNoteIndexShift(-1);
}

void ScaleDialog::on_pushButtonRevert_clicked()
{
    setupFromScaleText(originalScaleText);
    ui->listWidgetScale->clearSelection();
}

void ScaleDialog::on_pushButtonApply_clicked()
{
    updateScaleText();
}

void ScaleDialog::on_pushButtonCopyPreviousScale_clicked()
{
    if (prevScale.isEmpty()) {
        Prompter::instance().information(nullptr, QString(), tr("There is no previous scale."));
        return;
    }
    qDebug().noquote() << "on_pushButtonCopyPreviousScale_clicked() prevScale = " + prevScale;
    setupFromScaleText(scalePrefix + prevScale);
}

void ScaleDialog::on_pushButtonOK_clicked()
{
    updateScaleText();
    writeSettings();
    close();
}

void ScaleDialog::on_pushButtonTranspose_clicked()
{
    const int interval = ui->comboBoxTranspose->currentIndex() - unisonScaleIndex;
    transposeScale(interval);
    transposeHistory.append(interval);
    ui->pushButtonUndoTranspose->setEnabled(true);
    refreshScaleList();
}

void ScaleDialog::on_lineEditScaleName_textChanged(const QString &)
{
    refreshScaleList();
}

void ScaleDialog::on_pushButtonSetFromTemplate_clicked()
{
    DialogScaleTemplate templates(int(scaleNotes.size()), this);
    templates.retranslate();
    connect(&templates, &DialogScaleTemplate::sigTemplateUpdated, this,
            &ScaleDialog::templateChange);
    Prompter::instance().runDialog(&templates);
}

void ScaleDialog::on_pushButtonCopyScale_clicked()
{
    QApplication::clipboard()->setText(ui->lineEditScaleText->text());
}

void ScaleDialog::on_pushButtonUp4th_clicked()
{
    scaleNoteIndexShift(5);
}

void ScaleDialog::on_pushButtonDown4th_clicked()
{
    scaleNoteIndexShift(-5);
}

void ScaleDialog::on_pushButtonPasteScale_clicked()
{
    pasteScaleText(QApplication::clipboard()->text());
}

void ScaleDialog::on_pushButtonUpOctave_clicked()
{
    scaleNoteIndexShift(12);
}

void ScaleDialog::on_pushButtonDownOctave_clicked()
{
    scaleNoteIndexShift(-12);
}

void ScaleDialog::on_pushButtonMore_toggled(bool checked)
{
    ui->groupBoxMore->setVisible(checked);
    ui->groupBoxBasic->setMinimumWidth(basicMinimumWidth);
    setFixedWidth(checked ? widthWithMore : widthWithoutMore);
}

void ScaleDialog::on_pushButtonSetFromScaleFile_clicked()
{
    const QString path =
        Prompter::instance().openFileName(this, tr("Velmora: Import MusicXML file for scale"),
                                          QString(), tr("MusicXml files (*.xml *.musicxml)"));
    if (path.isEmpty())
        return;
    QList<int> notes;
    QString name;
    if (!readScaleFile(path, &notes, &name))
        return;
    if (notes.size() != scaleNotes.size()) {
        Prompter::instance().information(this, tr("Velmora"),
                                         tr("Number of scale notes are not the same! (%1 vs %2) \n")
                                             .arg(scaleNotes.size())
                                             .arg(notes.size()));
        return;
    }
    qDebug().noquote() << "scaleName = " + name;
    replaceScale(notes, name);
}

bool ScaleDialog::readScaleFile(const QString &path, QList<int> *notes, QString *name)
{
    const std::optional<QList<ScaleFilePart>> parts = ScaleFile::readParts(path);
    if (!parts) {
        Prompter::instance().information(this, tr("Velmora"), tr("Scale file cannot be opened!"));
        return false;
    }
    QStringList names;
    for (const ScaleFilePart &part : *parts)
        names.append(part.name);
    bool ok = false;
    const QString chosen =
        Prompter::instance().item(this, tr("Input Scale From File"),
                                  tr("File Path: %1\nSelect scale name:").arg(path), names, 0, &ok);
    if (!ok)
        return false;
    // The first part of that name; the first part when none has it. A
    // score of no parts gives an empty scale.
    const qsizetype index = std::max<qsizetype>(names.indexOf(chosen), 0);
    const ScaleFilePart part = parts->value(index);
    *notes = part.pitches;
    *name = part.name;
    return true;
}

void ScaleDialog::on_pushButtonUndoTranspose_clicked()
{
    if (transposeHistory.isEmpty())
        return;
    transposeScale(-transposeHistory.takeLast());
    refreshScaleList();
    ui->pushButtonUndoTranspose->setEnabled(!transposeHistory.isEmpty());
}

void ScaleDialog::on_pushButtonClearSelection_clicked()
{
    ui->listWidgetScale->clearSelection();
}
