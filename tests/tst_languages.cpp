// Switching the interface language at run time: the checked language, the
// texts of the window, its palette, tips, dialogs and the context menus of
// every open score, and what no switch touches.
#include "app/mainwindow.h"
#include "dialogs/partdialog.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTranslator>

#include <utility>

namespace tst_languages {

namespace {

// Texts and shortcuts no language switch may change: the Development menu
// and its entries, Run Command File, Open Log Dialog, the language entries,
// and every shortcut.
QStringList untouched(MainWindow &window)
{
    QStringList result{window.ui->menuDevelopment->title()};
    for (QAction *entry : window.ui->menuDevelopment->actions())
        result << entry->text();
    for (QAction *fixed :
         {window.ui->actionRunCommandFile, window.ui->actionOpenLog, window.ui->actionJapanese,
          window.ui->actionEnglish, window.ui->actionChinese})
        result << fixed->text();
    for (QAction *a : window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
        result << a->objectName() + QLatin1Char('=') + a->shortcut().toString();
    return result;
}

// The texts of the buttons of `dialog`'s button boxes, sorted.
QStringList buttonTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const QDialogButtonBox *box : dialog.findChildren<QDialogButtonBox *>()) {
        for (const QAbstractButton *button : box->buttons())
            texts << button->text();
    }
    texts.sort();
    return texts;
}

QList<bool> languageChecks(MainWindow &window)
{
    return {window.ui->actionEnglish->isChecked(), window.ui->actionJapanese->isChecked(),
            window.ui->actionChinese->isChecked()};
}

// The palette entry that gives `directive`, at any depth.
const QStandardItem *paletteEntry(const QStandardItemModel *palette, const QString &directive)
{
    QList<const QStandardItem *> pending;
    for (int row = 0; row < palette->rowCount(); ++row)
        pending.append(palette->item(row));
    while (!pending.isEmpty()) {
        const QStandardItem *item = pending.takeLast();
        if (item->data(Qt::UserRole + 1).toString() == directive)
            return item;
        for (int row = 0; row < item->rowCount(); ++row)
            pending.append(item->child(row));
    }
    return nullptr;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void switchingBackAndForth_data();
    void switchingBackAndForth();
    void idleTitleFollowsLanguage();
    void englishAgainRetranslatesAgain();
    void slotsTrace();
    void qtOwnTextsFollow_data();
    void qtOwnTextsFollow();
};

void TestLanguages::init()
{
    TestSupport::prompter().reset();
}

void TestLanguages::switchingBackAndForth_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Japanese") << "ja";
    QTest::newRow("Chinese") << "zh";
}

// The language, then English, then the language again, with two scores
// open: each switch leaves one language checked and every text that
// follows the language in it.
void TestLanguages::switchingBackAndForth()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/languages/velmora_") + language));
    const auto translated = [&](const char *source) {
        return catalogue.translate("MainWindow", source);
    };
    const auto translatedScore = [&](const char *source) {
        return catalogue.translate("Score", source);
    };

    MainWindow window;
    Score *first = TestSupport::generatedScore(TestSupport::samplePath(), 0, true).release();
    Score *second = TestSupport::generatedScore(TestSupport::samplePath(), 5, true).release();
    QVERIFY(first && second);
    window.addScoreTab(first);
    window.addScoreTab(second);
    const QStringList fixed = untouched(window);
    QStandardItemModel *palette = window.palleteModel;
    const bool japanese = language == QLatin1String("ja");
    const QList<bool> chosenChecks{false, japanese, !japanese};

    for (int round = 0; round < 3; ++round) {
        const bool english = round == 1;
        if (english)
            window.langEnglish();
        else if (japanese)
            window.langJapanese();
        else
            window.langChinese();
        const auto expect = [&](const char *source) {
            return english ? QString::fromUtf8(source) : translated(source);
        };
        const auto expectScore = [&](const char *source) {
            return english ? QString::fromUtf8(source) : translatedScore(source);
        };
        const QList<bool> englishChecks{true, false, false};
        QCOMPARE(languageChecks(window), english ? englishChecks : chosenChecks);
        QCOMPARE(window.ui->menuFile->title(), expect("File"));
        QCOMPARE(window.ui->menuOpenRecentFile->title(), expect("Open Recent"));
        QCOMPARE(window.ui->actionSave->text(), expect("Save"));
        QCOMPARE(window.ui->actionAbout->text(), expect("About Velmora"));
        QCOMPARE(palette->item(0)->text(), expect("Inserted Symbols"));
        QCOMPARE(palette->item(9)->child(10)->text(),
                 expect("Long step down (Select one or two notes)"));
        // Entries whose English is a romanised term are translated too.
        for (const auto &[directive, source] :
             {std::pair{".Ru", "Ru"}, std::pair{".effect_S", "Meri + Suriage"}}) {
            const QStandardItem *entry = paletteEntry(palette, QString::fromLatin1(directive));
            QVERIFY2(entry, directive);
            QCOMPARE(entry->text(), expect(source));
            QVERIFY(english || !entry->text().contains(QLatin1String(source)));
        }
        window.ui->actionClose->hover();
        QCOMPARE(window.myMsgLabel->text(), expect("Close active score."));
        QCOMPARE(window.partDialog->windowTitle(),
                 english ? QStringLiteral("Velmora: Part Settings")
                         : catalogue.translate("PartDialog", "Velmora: Part Settings"));
        for (Score *score : {first, second}) {
            QCOMPARE(score->actDelete->text(), expectScore("Delete"));
            QCOMPARE(score->actFontProperty->text(), expectScore("Font Property"));
        }
        QCOMPARE(untouched(window), fixed);
        if (!english) {
            QVERIFY(window.ui->menuFile->title() != QLatin1String("File"));
            QVERIFY(first->actFontProperty->text() != QLatin1String("Font Property"));
        }
    }
}

// The title shown with no score open follows the language, before the
// first score and after the last one closes.
void TestLanguages::idleTitleFollowsLanguage()
{
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/languages/velmora_ja")));
    MainWindow window;
    window.langJapanese();
    QCOMPARE(window.windowTitle(), catalogue.translate("MainWindow", "Velmora - Welcome!"));
    window.addScoreTab(TestSupport::generatedScore(TestSupport::samplePath(), 0, true).release());
    window.removeScoreTab(0);
    const QString noFile = catalogue.translate("MainWindow", "Velmora - No file is open.");
    QVERIFY(!noFile.isEmpty() && noFile != QLatin1String("Velmora - No file is open."));
    QCOMPARE(window.windowTitle(), noFile);
    window.langEnglish();
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - No file is open."));
}

void TestLanguages::englishAgainRetranslatesAgain()
{
    MainWindow window;
    QVERIFY(window.ui->actionEnglish->isChecked());
    window.ui->actionSave->setText(QStringLiteral("changed"));
    window.palleteModel->item(0)->setText(QStringLiteral("changed"));
    window.ui->actionEnglish->trigger();
    QCOMPARE(languageChecks(window), (QList<bool>{true, false, false}));
    QCOMPARE(window.ui->actionSave->text(), QStringLiteral("Save"));
    QCOMPARE(window.palleteModel->item(0)->text(), QStringLiteral("Inserted Symbols"));
}

void TestLanguages::slotsTrace()
{
    MainWindow window;
    TestSupport::MessageCapture capture;
    window.ui->actionChinese->trigger();
    window.ui->actionJapanese->trigger();
    window.ui->actionEnglish->trigger();
    QCOMPARE(capture.count(QStringLiteral("langChinese Entered.")), 1);
    QCOMPARE(capture.count(QStringLiteral("langEngligh Entered.")), 1);
    QCOMPARE(languageChecks(window), (QList<bool>{true, false, false}));
    // Back in English, no catalogue of the window's is left in force.
    QCOMPARE(QCoreApplication::translate("MainWindow", "File"), QStringLiteral("File"));
}

void TestLanguages::qtOwnTextsFollow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("buttons"); // the save dialog's, sorted
    QTest::newRow("Japanese") << "ja"
                              << QStringList{QStringLiteral("キャンセル"), QStringLiteral("保存")};
    QTest::newRow("Chinese") << "zh" << QStringList{QStringLiteral("保存"), QStringLiteral("取消")};
}

// Qt's own dialogs and buttons speak the language chosen, and English again
// after English is chosen.
void TestLanguages::qtOwnTextsFollow()
{
    QFETCH(QString, language);
    QFETCH(QStringList, buttons);
    MainWindow window;
    QStringList english;
    {
        QFileDialog dialog(&window, QStringLiteral("Velmora: Save file"), QString(),
                           QStringLiteral("Velmora files (*.tnsx)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        english = buttonTexts(dialog);
    }
    QVERIFY(english.contains(QStringLiteral("&Save")));
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;

    if (language == QLatin1String("ja"))
        window.langJapanese();
    else
        window.langChinese();
    QFileDialog dialog(&window, QStringLiteral("Velmora: Save file"), QString(),
                       QStringLiteral("Velmora files (*.tnsx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TestSupport::grabDialog(dialog, QStringLiteral("save-dialog-") + language);
    QCOMPARE(buttonTexts(dialog), buttons);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"), QStringLiteral("?"), yesNo);
    for (const QString &text : buttonTexts(box))
        QVERIFY2(text != QLatin1String("&Yes") && text != QLatin1String("&No"), qPrintable(text));
    dialog.close();

    window.langEnglish();
    QFileDialog again(&window);
    again.setAcceptMode(QFileDialog::AcceptSave);
    QCOMPARE(buttonTexts(again), english);
}

VELMORA_TEST_MAIN(TestLanguages)

} // namespace tst_languages
#include "tst_languages.moc"
