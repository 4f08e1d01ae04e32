#include "dialogs/notenamedialog.h"

#include "model/notefonts.h"
#include "model/part.h"

#include "ui_notenamedialog.h"

#include <QFile>
#include <QIcon>
#include <QLayout>
#include <QPixmap>

#include <algorithm>

namespace {

// The minimum width the form gives the window.
constexpr int formMinimumWidth = 200;

bool isKoto(const Part *part)
{
    return part && (part->notationStyle == NotationStyle::KotoIkuta ||
                    part->notationStyle == NotationStyle::KotoSeiha);
}

// The picture of a koto note name; names without one share the blank.
QIcon kotoIcon(const QString &name)
{
    const QString path = QStringLiteral(":/images/") + name + QStringLiteral(".png");
    return QIcon(QPixmap(QFile::exists(path) ? path : QStringLiteral(":/images/White.png")));
}

} // namespace

NoteNameDialog::NoteNameDialog(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_NoteName"), parent), ui(new Ui::NoteNameDialog)
{
    ui->setupUi(this);
    setWindowTitle(tr("Change Note Name"));
    readSettings();
    // The form has connected on_pushButtonOK_clicked by name; ok() runs
    // after it.
    connect(ui->pushButtonOK, &QPushButton::clicked, this, &NoteNameDialog::ok);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &QWidget::close);
    retranslate();
}

NoteNameDialog::~NoteNameDialog()
{
    delete ui;
}

void NoteNameDialog::retranslate()
{
    setWindowTitle(tr("Velmora: Change Note Name"));
    ui->labelSelectNoteName->setText(tr("Select Note Name"));
    ui->pushButtonCancel->setText(tr("Cancel"));
    fitToTexts();
}

void NoteNameDialog::fitToTexts()
{
    // The form's own minimum width stops the layout from widening the
    // window for its large title label; so widen it here, per language.
    setMinimumWidth(std::max(formMinimumWidth, layout()->minimumSize().width()));
    resize(size().expandedTo(minimumSize()));
}

void NoteNameDialog::setDialog(Part *forPart, const QStringList &names, int row)
{
    listedPart = forPart;
    ui->listWidgetNames->clear();
    const bool withPictures = isKoto(forPart);
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name);
        if (withPictures)
            item->setIcon(kotoIcon(name));
        ui->listWidgetNames->addItem(item);
    }
    ui->listWidgetNames->setCurrentRow(row);
}

Part *NoteNameDialog::part() const
{
    return listedPart;
}

QStringList NoteNameDialog::names() const
{
    QStringList listed;
    for (int row = 0; row < ui->listWidgetNames->count(); ++row)
        listed << ui->listWidgetNames->item(row)->text();
    return listed;
}

int NoteNameDialog::currentRow() const
{
    return ui->listWidgetNames->currentRow();
}

void NoteNameDialog::ok()
{
    if (const QListWidgetItem *item = ui->listWidgetNames->currentItem())
        emit noteNameChanged(item->text());
    close();
}

void NoteNameDialog::on_listWidgetNames_itemDoubleClicked(QListWidgetItem *item)
{
    emit noteNameChanged(item->text());
    close();
}

void NoteNameDialog::on_pushButtonOK_clicked()
{
    setResult(QDialog::Accepted);
}
