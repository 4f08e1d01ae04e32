// The question the program asks while it starts (a score to recover) stands
// over its window, which is shown first: not at the screen's corner, over
// nothing.
#include "app/mainwindow.h"
#include "document/autosavefolder.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace tst_start_questions {

class TestStartQuestions : public QObject
{
    Q_OBJECT

private slots:
    void recoveryQuestionStandsOverTheShownWindow();
};

void TestStartQuestions::recoveryQuestionStandsOverTheShownWindow()
{
    // Left by an instance that crashed: no lock holds it.
    const QString leftover =
        AutoSaveFolder::path() + QStringLiteral("/piece_0-0badf00d_autosave.tnsx");
    QVERIFY(QDir().mkpath(QFileInfo(leftover).path()));
    {
        Score score(QStringLiteral("test"), 0, false);
        QVERIFY(score.readMusicXmlFile(TestSupport::samplePath()));
        QVERIFY(score.parseScoreXml(false));
        QVERIFY(score.saveFileAs(leftover));
    }
    QWidget *parent = nullptr;
    bool parentShown = false;
    TestSupport::prompter().dialogScripts << [&](QDialog *dialog) {
        parent = dialog->parentWidget();
        parentShown = parent && parent->isVisible();
        return int(QDialog::Rejected);
    };
    MainWindow window;
    QCOMPARE(parent, static_cast<QWidget *>(&window));
    QVERIFY(parentShown);
}

VELMORA_TEST_MAIN(TestStartQuestions)

} // namespace tst_start_questions

#include "tst_start_questions.moc"
