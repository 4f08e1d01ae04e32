// The import/export dialog: its form, its texts, what an open score
// enables, the one signal each button press sends, the kept geometry, and a
// screenshot of it beside an open score.
#include "app/dialogimportexport.h"
#include "app/mainwindow.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>

#include <memory>

namespace tst_dialog_import_export {

namespace {

const char *const importRadios[] = {"radioButtonImportFile", "radioButtonImportMS",
                                    "radioButtonImportNew", "radioButtonImportImitate",
                                    "radioButtonImportUpdate"};

const char *const allSignals[] = {
    SIGNAL(sigImportNew()),
    SIGNAL(sigImportNewMuseScore()),
    SIGNAL(sigImportImitate()),
    SIGNAL(sigImportImitateMuseScore()),
    SIGNAL(sigImportUpdatePure()),
    SIGNAL(sigImportUpdateFromMuseScore()),
    SIGNAL(sigExportMusicXMLFileClean()),
    SIGNAL(sigExportToMuseScoreClean()),
    SIGNAL(sigExportMusicXMLWithLyrics()),
    SIGNAL(sigExportMusicXMLWithLyricsToMS()),
};

template <typename T> T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void clearStoredGeometry()
{
    QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_ImportExport")).clear();
}

QString screenshotFolder()
{
    const QString folder = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../screenshots"));
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

} // namespace

class TestDialogImportExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void formAsBuilt();
    void texts();
    void noScoreLeavesOnlyNew();
    void eachPressSendsOneSignal_data();
    void eachPressSendsOneSignal();
    void geometryIsKept();
    void screenshotWithAScore();

public slots:
    // Whether the dialog that sent a signal was still shown.
    void recordVisibility() { shownAtEmission << qobject_cast<QWidget *>(sender())->isVisible(); }

private:
    QList<bool> shownAtEmission;
};

void TestDialogImportExport::init()
{
    clearStoredGeometry();
}

void TestDialogImportExport::formAsBuilt()
{
    DialogImportExport dialog;
    QCOMPARE(dialog.size(), QSize(480, 280));
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogImportExport"));
    for (const char *name : importRadios)
        QVERIFY2(child<QRadioButton>(&dialog, name)->font().bold(), name);
    QVERIFY(!child<QRadioButton>(&dialog, "radioButtonExportFile")->font().bold());
    for (const char *name : {"pushButtonImport", "pushButtonExport"})
        QCOMPARE(child<QPushButton>(&dialog, name)->font().pointSize(), 14);

    auto *importFile = child<QRadioButton>(&dialog, "radioButtonImportFile");
    auto *importMS = child<QRadioButton>(&dialog, "radioButtonImportMS");
    auto *exportFile = child<QRadioButton>(&dialog, "radioButtonExportFile");
    QVERIFY(importFile->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "radioButtonImportNew")->isChecked());
    QVERIFY(exportFile->isChecked());
    QVERIFY(!child<QRadioButton>(&dialog, "radioButtonExportMS")->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, "checkBoxStaffNote")->isChecked());

    // Each group holds its own choice.
    importMS->click();
    QVERIFY(importMS->isChecked());
    QVERIFY(!importFile->isChecked());
    QVERIFY(exportFile->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "radioButtonImportNew")->isChecked());
}

void TestDialogImportExport::texts()
{
    DialogImportExport dialog;
    dialog.retranslate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Import/Export MusicXML"));
    const QList<QPair<const char *, QString>> groups{{"groupBoxImportMusicXML", "Import MusicXML"},
                                                     {"groupBoxImportSource", "Source"},
                                                     {"groupBoxImportOptions", "Options"},
                                                     {"groupBoxExportMusicXML", "Export MusicXML"},
                                                     {"groupBoxExportTarget", "Target"},
                                                     {"groupBoxExportOptions", "Options"}};
    for (const auto &group : groups)
        QCOMPARE(child<QGroupBox>(&dialog, group.first)->title(), group.second);
    const QList<QPair<const char *, QString>> buttons{
        {"radioButtonImportFile", "File"},
        {"radioButtonImportMS", "MuseScore"},
        {"radioButtonImportNew", "New (with defaut settings)"},
        {"radioButtonImportImitate", "Imitate (with active score's settings)"},
        {"radioButtonImportUpdate", "Update (replacing active score)"},
        {"pushButtonImport", "Import"},
        {"radioButtonExportFile", "File"},
        {"radioButtonExportMS", "MuseScore"},
        {"checkBoxStaffNote", "With Note Names in Lyrics"},
        {"pushButtonExport", "Export"},
        {"pushButtonClose", "Close"}};
    for (const auto &button : buttons)
        QCOMPARE(child<QAbstractButton>(&dialog, button.first)->text(), button.second);
}

void TestDialogImportExport::noScoreLeavesOnlyNew()
{
    auto score = std::make_unique<Score>(QStringLiteral("2.0"), 0, false);
    for (const char *chosen : {"radioButtonImportImitate", "radioButtonImportUpdate"}) {
        DialogImportExport dialog;
        dialog.setScore(score.get());
        QVERIFY(child<QRadioButton>(&dialog, chosen)->isEnabled());
        QVERIFY(child<QGroupBox>(&dialog, "groupBoxExportMusicXML")->isEnabled());
        child<QRadioButton>(&dialog, chosen)->click();

        dialog.setScore(nullptr);
        auto *importNew = child<QRadioButton>(&dialog, "radioButtonImportNew");
        QVERIFY2(importNew->isChecked() && importNew->isEnabled(), chosen);
        QVERIFY(!child<QRadioButton>(&dialog, "radioButtonImportImitate")->isEnabled());
        QVERIFY(!child<QRadioButton>(&dialog, "radioButtonImportUpdate")->isEnabled());
        QVERIFY(!child<QGroupBox>(&dialog, "groupBoxExportMusicXML")->isEnabled());

        // Opened again with a score, the other choices come back.
        dialog.setScore(score.get());
        QVERIFY(child<QRadioButton>(&dialog, "radioButtonImportUpdate")->isEnabled());
        QVERIFY(child<QGroupBox>(&dialog, "groupBoxExportMusicXML")->isEnabled());
    }
}

void TestDialogImportExport::eachPressSendsOneSignal_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<bool>("staffNote");
    QTest::addColumn<QString>("expected");
    const QString imp = QStringLiteral("pushButtonImport");
    const QString exp = QStringLiteral("pushButtonExport");
    QTest::newRow("file new") << imp << QStringList{"radioButtonImportFile", "radioButtonImportNew"}
                              << false << "sigImportNew()";
    QTest::newRow("file imitate") << imp
                                  << QStringList{"radioButtonImportFile",
                                                 "radioButtonImportImitate"}
                                  << false << "sigImportImitate()";
    QTest::newRow("file update") << imp
                                 << QStringList{"radioButtonImportFile", "radioButtonImportUpdate"}
                                 << false << "sigImportUpdatePure()";
    QTest::newRow("MuseScore new")
        << imp << QStringList{"radioButtonImportMS", "radioButtonImportNew"} << false
        << "sigImportNewMuseScore()";
    QTest::newRow("MuseScore imitate")
        << imp << QStringList{"radioButtonImportMS", "radioButtonImportImitate"} << false
        << "sigImportImitateMuseScore()";
    QTest::newRow("MuseScore update")
        << imp << QStringList{"radioButtonImportMS", "radioButtonImportUpdate"} << false
        << "sigImportUpdateFromMuseScore()";
    QTest::newRow("to file, plain")
        << exp << QStringList{"radioButtonExportFile"} << false << "sigExportMusicXMLFileClean()";
    QTest::newRow("to file, lyrics")
        << exp << QStringList{"radioButtonExportFile"} << true << "sigExportMusicXMLWithLyrics()";
    QTest::newRow("to MuseScore, plain")
        << exp << QStringList{"radioButtonExportMS"} << false << "sigExportToMuseScoreClean()";
    QTest::newRow("to MuseScore, lyrics")
        << exp << QStringList{"radioButtonExportMS"} << true << "sigExportMusicXMLWithLyricsToMS()";
}

void TestDialogImportExport::eachPressSendsOneSignal()
{
    QFETCH(QString, button);
    QFETCH(QStringList, checked);
    QFETCH(bool, staffNote);
    QFETCH(QString, expected);

    auto score = std::make_unique<Score>(QStringLiteral("2.0"), 0, false);
    DialogImportExport dialog;
    dialog.setScore(score.get());
    for (const QString &name : checked)
        child<QRadioButton>(&dialog, qPrintable(name))->click();
    child<QCheckBox>(&dialog, "checkBoxStaffNote")->setChecked(staffNote);
    dialog.show();

    QList<std::shared_ptr<QSignalSpy>> spies;
    for (const char *signal : allSignals) {
        spies << std::make_shared<QSignalSpy>(&dialog, signal);
        connect(&dialog, signal, this, SLOT(recordVisibility()));
    }
    shownAtEmission.clear();
    child<QPushButton>(&dialog, qPrintable(button))->click();
    QStringList emitted;
    for (int i = 0; i < spies.size(); ++i) {
        for (int k = 0; k < spies.at(i)->count(); ++k)
            emitted << QString::fromLatin1(allSignals[i] + 1);
    }
    QCOMPARE(emitted, QStringList{expected});
    QCOMPARE(shownAtEmission, QList<bool>{false});
    QVERIFY(dialog.isHidden());
}

void TestDialogImportExport::geometryIsKept()
{
    const QRect placed(130, 90, 520, 330);
    {
        DialogImportExport dialog;
        dialog.show();
        dialog.setGeometry(placed);
        child<QPushButton>(&dialog, "pushButtonClose")->click();
        QVERIFY(dialog.isHidden());
    }
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_ImportExport"));
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    {
        DialogImportExport restored;
        QCOMPARE(restored.size(), placed.size());
    }

    // Any other close stores the geometry as well.
    clearStoredGeometry();
    const QSize other(600, 360);
    {
        DialogImportExport dialog;
        dialog.show();
        dialog.resize(other);
        dialog.close();
    }
    DialogImportExport restored;
    QCOMPARE(restored.size(), other);
}

void TestDialogImportExport::screenshotWithAScore()
{
    MainWindow window;
    window.resize(1000, 700);
    window.show();
    QVERIFY(window.importXmlFile2(
        false, TestSupport::fixturePath(QStringLiteral("import/import-OnePart.xml"))));
    window.importExport();
    DialogImportExport *dialog = window.dialogImportExport;
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(child<QGroupBox>(dialog, "groupBoxExportMusicXML")->isEnabled());
    QStringList names{"groupBoxImportMusicXML", "groupBoxExportMusicXML", "checkBoxStaffNote",
                      "pushButtonImport",       "pushButtonExport",       "pushButtonClose"};
    for (const char *name : importRadios)
        names << QLatin1String(name);
    for (const QString &name : names) {
        QWidget *widget = dialog->findChild<QWidget *>(name);
        QVERIFY2(widget && widget->isVisible(), qPrintable(name));
        const QSize hint = widget->minimumSizeHint();
        QVERIFY2(widget->width() >= hint.width() && widget->height() >= hint.height(),
                 qPrintable(name));
        const QRect inDialog(widget->mapTo(dialog, QPoint(0, 0)), widget->size());
        QVERIFY2(dialog->rect().contains(inDialog), qPrintable(name));
    }
    const QImage shot = dialog->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3)
            colours.insert(shot.pixel(x, y));
    QVERIFY(colours.size() > 1);
    QVERIFY(shot.save(screenshotFolder() + QStringLiteral("/import-export-dialog.png")));
}

VELMORA_TEST_MAIN(TestDialogImportExport)

} // namespace tst_dialog_import_export
#include "tst_dialog_import_export.moc"
