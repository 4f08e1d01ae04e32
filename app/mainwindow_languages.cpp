// MainWindow: switching the language of the interface at run time by
// replacing the catalogues of the window's translators: the program's own
// and Qt's.
#include "app/mainwindow.h"

#include "app/dialogconvertnotename.h"
#include "app/dialogdeletelyrics.h"
#include "app/dialogimportexport.h"
#include "app/dialogmovelyricssn.h"
#include "app/dialogmsplugin.h"
#include "app/dialogpastesettings.h"
#include "dialogs/dialogcontroller.h"
#include "dialogs/dialogstyle.h"
#include "dialogs/pagedialog.h"
#include "dialogs/partdialog.h"
#include "model/score.h"
#include "ui_mainwindow.h"
#include "view/scorewindow.h"

#include <QApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Loads `catalogue` into the translator and (re)installs it. A catalogue
// that does not load leaves the translator empty, so the texts stay English.
void installCatalogue(QTranslator *translator, const QString &catalogue)
{
    QApplication::removeTranslator(translator);
    if (!translator->load(catalogue))
        qDebug() << "catalogue not loaded:" << catalogue;
    QApplication::installTranslator(translator);
}

// Qt's own catalogue `name` ("qtbase_ja"): from Qt's translations folder,
// else from the "translations" folder beside the program, where a
// deployed copy keeps them.
void installQtCatalogue(QTranslator *translator, const QString &name)
{
    QApplication::removeTranslator(translator);
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/translations")};
    for (const QString &folder : folders) {
        if (translator->load(name, folder)) {
            QApplication::installTranslator(translator);
            return;
        }
    }
    qDebug() << "Qt catalogue not loaded:" << name;
}

} // namespace

void MainWindow::langEnglish()
{
    qDebug() << "langEngligh Entered.";
    ui->actionEnglish->setChecked(true);
    ui->actionJapanese->setChecked(false);
    ui->actionChinese->setChecked(false);
    QApplication::removeTranslator(translator);
    QApplication::removeTranslator(qtTranslator);
    retranslateAll();
}

void MainWindow::langJapanese()
{
    ui->actionEnglish->setChecked(false);
    ui->actionJapanese->setChecked(true);
    ui->actionChinese->setChecked(false);
    installQtCatalogue(qtTranslator, QStringLiteral("qtbase_ja"));
    installCatalogue(translator, QStringLiteral(":/languages/velmora_ja"));
    retranslateAll();
}

void MainWindow::langChinese()
{
    qDebug() << "langChinese Entered.";
    ui->actionEnglish->setChecked(false);
    ui->actionJapanese->setChecked(false);
    ui->actionChinese->setChecked(true);
    installQtCatalogue(qtTranslator, QStringLiteral("qtbase_zh_CN"));
    installCatalogue(translator, QStringLiteral(":/languages/velmora_zh"));
    retranslateAll();
}

void MainWindow::retranslateAll()
{
    retranslate();
    dialogController->retranslate();
    pageDialog->retranslate();
    partDialog->retranslate();
    dialogStyle->retranslate();
    dialogPasteSettings->retranslate();
    dialogMSPlugin->retranslate();
    dialogImportExport->retranslate();
    dialogConvertNoteName->retranslate();
    dialogDeleteLyrics->retranslate();
    dialogMoveLyricsSN->retranslate();
    // Every open score, so no context menu is left in the old language.
    for (ScoreWindow *window : std::as_const(scoreWindows))
        window->score->retranslateContextMenu();
}
