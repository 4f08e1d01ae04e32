// The Help menu and the Development commands: the handbook address per
// language, the About box's three messages (and that a server's text cannot
// bring markup into it), the check for a newer version against a loopback
// server of the test's own, the per-score debug switch, and the score
// summary written to the debug output.
#include "app/dialogabout.h"
#include "app/mainwindow.h"
#include "app/version.h"
#include "app/weblinks.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUndoStack>
#include <QtTest>

namespace tst_help_about {

namespace {

TestSupport::ScriptedPrompter &prompter()
{
    return TestSupport::prompter();
}

const QString aboutTitle = QStringLiteral("About Velmora");

// The texts of the About boxes that were run, in order.
int aboutRuns()
{
    int runs = 0;
    for (const auto &prompt : std::as_const(prompter().prompts))
        runs += prompt.kind == QLatin1String("dialog") && prompt.title == aboutTitle;
    return runs;
}

// The message with its two kinds of link written as [handbook] and
// [download], after checking each link's address.
QString messageWithLinks(const QString &text)
{
    QString message = text;
    message.replace(QStringLiteral("<a href=\"%1\">Velmora Handbook</a>")
                        .arg(QLatin1String(Velmora::handbookEnglishUrl)),
                    QStringLiteral("[handbook]"));
    message.replace(
        QStringLiteral("<a href=\"%1\">Download</a>").arg(QLatin1String(Velmora::downloadUrl)),
        QStringLiteral("[download]"));
    return message;
}

QString labelText(QWidget &dialog, const char *name)
{
    auto *label = dialog.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
}

// Answers every GET with `body` and records the request lines.
class VersionServer : public QTcpServer
{
public:
    QByteArray body;
    QStringList requests;

    VersionServer()
    {
        connect(this, &QTcpServer::newConnection, this, &VersionServer::accept);
        listen(QHostAddress::LocalHost);
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }

private:
    void accept()
    {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &received = pending[socket];
        received += socket->readAll();
        if (!received.contains("\r\n\r\n"))
            return;
        requests << QString::fromLatin1(received.left(received.indexOf("\r\n")));
        pending.remove(socket);
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QHash<QTcpSocket *, QByteArray> pending;
};

QString storedRunDate()
{
    return QSettings(QStringLiteral("corvali"), QStringLiteral("Velmora_Main"))
        .value(QStringLiteral("lastrundate"))
        .toString();
}

void storeRunDate(const QString &date)
{
    QSettings settings(QStringLiteral("corvali"), QStringLiteral("Velmora_Main"));
    if (date.isNull())
        settings.remove(QStringLiteral("lastrundate"));
    else
        settings.setValue(QStringLiteral("lastrundate"), date);
}

// A program start against `server` (null: no server named), until the
// version reply has been handled.
void startAndWaitForReply(const QString &server, const std::function<void(MainWindow &)> &then)
{
    qputenv("VELMORA_VERSION_URL", server.toUtf8());
    MainWindow window;
    qunsetenv("VELMORA_VERSION_URL");
    QTRY_VERIFY_WITH_TIMEOUT(window.networkManager->findChildren<QNetworkReply *>().isEmpty(),
                             10000);
    then(window);
}

Score *threePartScore(MainWindow &window)
{
    auto *score = new Score(window.programVersion, window.scoreCounter++, true);
    if (!TestSupport::loadScoreFile(
            *score, TestSupport::fixturePath(QStringLiteral("lyrics/lyrics-ThreePartLines.xml")))) {
        delete score;
        return nullptr;
    }
    window.addScoreTab(score);
    score->generateScore();
    return score;
}

} // namespace

class TestHelpAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void aboutMessages_data();
    void aboutMessages();
    void aboutBoxForm();
    void aboutFromTheMenu();
    void handbookPerLanguage_data();
    void handbookPerLanguage();
    void debugSwitchPerScore();
    void debugCommandsWithoutScore();
    void scoreInformation();
    void versionCheck_data();
    void versionCheck();
    void versionCheckWithoutServer();
};

void TestHelpAbout::initTestCase()
{
    // Nothing may leave through a proxy the machine names.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestHelpAbout::init()
{
    prompter().reset();
    TestSupport::clearOpenedUrls();
}

void TestHelpAbout::aboutMessages_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("beeps");
    const QString plain = QStringLiteral(
        "<h3>Velmora Version 5.3.1  (Built on 2026/10/21 )<hr>Please refer to [handbook] for "
        "detail.<br><br>");
    const QString available = QStringLiteral(
        "<h3>Latest Version %1 of Velmora is now available!<br>Please download from [download] "
        "page.<hr>You are using:<br>Velmora Version 5.3.1  (Built on 2026/10/21 )<hr>Please refer "
        "to [handbook] for detail.<br><br>");
    QTest::newRow("same") << "5.3.1"
                          << "5.3.1"
                          << "<h3>Velmora Version 5.3.1  (Built on 2026/10/21 ) (Latest "
                             "Version)<hr>Please refer to [handbook] for detail.<br><br>"
                          << 0;
    QTest::newRow("none known") << "5.3.1"
                                << "" << plain << 0;
    QTest::newRow("newer") << "5.3.1"
                           << "5.4.0" << available.arg("5.4.0") << 1;
    QTest::newRow("older") << "5.3.1"
                           << "5.2.9" << available.arg("5.2.9") << 1;
    QTest::newRow("trailing zero") << "5.3.1"
                                   << "5.3.1.0" << available.arg("5.3.1.0") << 1;
    QTest::newRow("letter case")
        << "5.3.1-Beta"
        << "5.3.1-beta"
        << "<h3>Latest Version 5.3.1-beta of Velmora is now available!<br>Please download from "
           "[download] page.<hr>You are using:<br>Velmora Version 5.3.1-Beta  (Built on "
           "2026/10/21 )<hr>Please refer to [handbook] for detail.<br><br>"
        << 1;
    // What is not a version shows as no version: no markup, no link of the
    // server's own, no beep.
    QTest::newRow("markup") << "5.3.1"
                            << "<a href=\"http://elsewhere/\">6.0</a>" << plain << 0;
    QTest::newRow("entity") << "5.3.1"
                            << "6.0&amp;" << plain << 0;
    QTest::newRow("too long") << "5.3.1" << QString(33, QLatin1Char('9')) << plain << 0;
    QTest::newRow("percent") << "5.3.1"
                             << "%2%1" << plain << 0;
}

void TestHelpAbout::aboutMessages()
{
    QFETCH(QString, program);
    QFETCH(QString, latest);
    QFETCH(QString, message);
    QFETCH(int, beeps);
    TestSupport::MessageCapture capture;
    DialogAbout box(program, QStringLiteral("2026/10/21"), latest);
    QCOMPARE(messageWithLinks(labelText(box, "labelMessage")), message);
    QCOMPARE(prompter().beeps, beeps);
    // The debug output quotes each value and escapes the quotes inside it.
    const auto quoted = [](QString text) {
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\\\"")) +
               QLatin1Char('"');
    };
    QCOMPARE(capture.lines().value(0),
             QStringLiteral("DialogAbout programVersion  programLatestVersion =  %1 %2")
                 .arg(quoted(program), quoted(latest)));
}

// The box as the form and constructor leave it; OK closes it.
void TestHelpAbout::aboutBoxForm()
{
    DialogAbout box(QStringLiteral("5.3.1"), QStringLiteral("2026/10/21"), QString());
    QCOMPARE(box.objectName(), QStringLiteral("DialogAbout"));
    QCOMPARE(box.windowTitle(), aboutTitle);
    QCOMPARE(box.size(), QSize(403, 155));
    QVERIFY(!box.parent());
    for (const char *name : {"labelMessage", "labelCopyright", "pushButtonOK"}) {
        auto *widget = box.findChild<QWidget *>(QLatin1String(name));
        QVERIFY(widget);
        QCOMPARE(widget->font().pointSize(), 13);
    }
    for (const char *name : {"labelMessage", "labelCopyright"}) {
        auto *label = box.findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(label->textFormat(), Qt::RichText);
        QVERIFY(label->openExternalLinks());
        QCOMPARE(label->textInteractionFlags(), Qt::LinksAccessibleByMouse);
    }
    const QString copyright = labelText(box, "labelCopyright");
    QVERIFY(copyright.contains(
        QStringLiteral("<a href=\"%1\">").arg(QLatin1String(Velmora::homePageUrl))));
    QVERIFY(copyright.endsWith(QLatin1String("<br></h3>")));
    auto *ok = box.findChild<QPushButton *>(QStringLiteral("pushButtonOK"));
    QVERIFY(ok->isDefault());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    ok->click();
    QVERIFY(!box.isVisible());
}

// About from the Help menu: a new box each time, with the version the
// check reported, shown over a window with a score and kept as a picture.
void TestHelpAbout::aboutFromTheMenu()
{
    MainWindow window;
    window.resize(900, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(threePartScore(window));
    window.latestVersion = QStringLiteral("5.4.0");
    QList<QPointer<QDialog>> boxes;
    prompter().dialogScripts.enqueue([&](QDialog *dialog) {
        boxes << dialog;
        dialog->show();
        [&] {
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            TestSupport::grabDialog(*dialog, QStringLiteral("about-newer-version"));
            TestSupport::checkShownInside(*dialog,
                                          {"labelMessage", "labelCopyright", "pushButtonOK"});
            const QString folder =
                QCoreApplication::applicationDirPath() + QStringLiteral("/../look/s48");
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(dialog->grab().save(folder + QStringLiteral("/about-newer-version.png")));
            QVERIFY(labelText(*dialog, "labelMessage").contains(QLatin1String("5.4.0")));
        }();
        return int(QDialog::Accepted);
    });
    prompter().dialogScripts.enqueue([&](QDialog *dialog) {
        boxes << dialog;
        return int(QDialog::Accepted);
    });
    TestSupport::MessageCapture capture;
    window.ui->actionAbout->trigger();
    window.ui->actionAbout->trigger();
    QCOMPARE(capture.count(QStringLiteral("about() called")), 2);
    QCOMPARE(aboutRuns(), 2);
    QCOMPARE(prompter().beeps, 2);
    // Each box is gone once its run ended.
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes.at(0).isNull() && boxes.at(1).isNull());
}

void TestHelpAbout::handbookPerLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("address");
    QTest::newRow("Japanese") << "actionJapanese"
                              << QString::fromLatin1(Velmora::handbookJapaneseUrl);
    QTest::newRow("English") << "actionEnglish" << QString::fromLatin1(Velmora::handbookEnglishUrl);
    QTest::newRow("Chinese") << "actionChinese" << QString::fromLatin1(Velmora::handbookEnglishUrl);
}

void TestHelpAbout::handbookPerLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, address);
    MainWindow window;
    window.findChild<QAction *>(language)->trigger();
    TestSupport::clearOpenedUrls();
    TestSupport::MessageCapture capture;
    window.ui->actionOnlineHelp->trigger();
    QCOMPARE(TestSupport::openedUrls(), QList<QUrl>{QUrl(address)});
    QCOMPARE(capture.count(QStringLiteral("help() called")), 1);
    window.ui->actionEnglish->trigger();
}

// The switch belongs to the score of the current tab; the others keep
// theirs, and the menu tick follows the tab shown. The undo listing names
// the current score's commands.
void TestHelpAbout::debugSwitchPerScore()
{
    MainWindow window;
    Score *first = threePartScore(window);
    Score *second = threePartScore(window);
    QVERIFY(first && second);
    QCOMPARE(window.currentScore(), second);
    window.ui->actionDebugSwitch2->setEnabled(true);
    window.ui->actionDebugSwitch2->setChecked(true);
    QVERIFY(second->dSw);
    QVERIFY(!first->dSw);
    window.tabWidget->setCurrentIndex(0);
    QVERIFY(!window.ui->actionDebugSwitch2->isChecked());
    QVERIFY(second->dSw);
    window.setDebugSwitch(false);
    QVERIFY(second->dSw);

    second->deleteLyrics2(0, 1);
    window.tabWidget->setCurrentIndex(1);
    QVERIFY(window.ui->actionDebugSwitch2->isChecked());
    QVERIFY(!first->dSw);
    TestSupport::MessageCapture capture;
    window.listUndoCommands();
    QCOMPARE(capture.lines(),
             QStringList({"listUndoCommands Entered", "listUndoCommands in score entered.",
                          "undocommand index, name =  0 \"deleteLyrics2\"",
                          "undocommand current index (next redo command no) =  1"}));
}

void TestHelpAbout::debugCommandsWithoutScore()
{
    MainWindow window;
    TestSupport::MessageCapture capture;
    window.setDebugSwitch(true);
    window.listUndoCommands();
    window.outputScoreInfo();
    QCOMPARE(capture.lines(), QStringList({"setDebugSwith Entered", "listUndoCommands Entered"}));
}

// Three parts: 15 values, three headings and six lines per part, in order.
void TestHelpAbout::scoreInformation()
{
    MainWindow window;
    Score *score = threePartScore(window);
    QVERIFY(score);
    score->parts.at(1)->partName = QStringLiteral("Shaku \"2\"");
    TestSupport::MessageCapture capture;
    window.ui->actionOutputScoreInfo2->setEnabled(true);
    window.ui->actionOutputScoreInfo2->trigger();
    const QStringList lines = capture.lines();
    QCOMPARE(lines.size(), 36);
    QStringList labels{"exportToMuseScore proc state =",
                       "exportToMuseScore proc exit status =",
                       "======== score ========",
                       "numPars = ",
                       "numMeasures = ",
                       "======== page ========",
                       "paperSize = ",
                       "pageLandscapeQ = ",
                       "scoreHorizontalQ = ",
                       "pageRollQ = ",
                       "autoNewLine = ",
                       "measuresPerLine = ",
                       "pageSize = ",
                       "pageArea = ",
                       "nPages = ",
                       "curPage = ",
                       "pageOrigin = ",
                       "======== parts ========"};
    for (int part = 0; part < 3; ++part) {
        labels << "  partName = "
               << "  partAbbreviation = "
               << "  notationstyle = "
               << "  instKey = "
               << "  noteFontName = "
               << "  noteFontSize = ";
    }
    for (int i = 0; i < labels.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(labels.at(i)), qPrintable(lines.at(i)));
    QCOMPARE(lines.at(0), QStringLiteral("exportToMuseScore proc state = QProcess::NotRunning"));
    QCOMPARE(lines.at(3), QStringLiteral("numPars =  3"));
    QCOMPARE(lines.at(4), QStringLiteral("numMeasures =  2"));
    QCOMPARE(lines.at(7), QStringLiteral("pageLandscapeQ =  false"));
    QCOMPARE(lines.at(14), QStringLiteral("nPages =  %1").arg(score->page->pageCount));
    QCOMPARE(lines.at(18), QStringLiteral("  partName =  \"Part 1\""));
    QCOMPARE(lines.at(24), QStringLiteral("  partName =  \"Shaku \\\"2\\\"\""));
    QCOMPARE(lines.at(20),
             QStringLiteral("  notationstyle =  %1").arg(score->parts.at(0)->notationStyle));
}

void TestHelpAbout::versionCheck_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("shown");
    QTest::newRow("same") << QByteArray("<velmora-version>5.3.1</velmora-version>") << false << "";
    QTest::newRow("newer") << QByteArray("<?xml version=\"1.0\"?>\n"
                                         "<velmora-version>5.4.0</velmora-version>\n")
                           << true << "is now available!";
    QTest::newRow("unreadable") << QByteArray("<html><body>Moved</body>") << true
                                << "Velmora Version 5.3.1  (Built on 2026/10/21 )<hr>";
    QTest::newRow("markup") << QByteArray("<velmora-version>&lt;a href='http://x/'&gt;9&lt;/a&gt;"
                                          "</velmora-version>")
                            << true << "Velmora Version 5.3.1  (Built on 2026/10/21 )<hr>";
}

// One start: the request, what opens and the date kept; a second start on
// the same day opens nothing, whatever the server says.
void TestHelpAbout::versionCheck()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, opens);
    QFETCH(QString, shown);
    VersionServer server;
    QVERIFY(server.isListening());
    server.body = body;
    storeRunDate(QString());
    QStringList messages;
    for (int start = 0; start < 2; ++start) {
        prompter().dialogScripts.enqueue([&](QDialog *dialog) {
            messages << labelText(*dialog, "labelMessage");
            return int(QDialog::Accepted);
        });
    }
    TestSupport::MessageCapture capture;
    startAndWaitForReply(server.address(), [](MainWindow &) {});
    QCOMPARE(server.requests, QStringList{"GET /velmoraapp/VelmoraVersion.xml HTTP/1.1"});
    QCOMPARE(aboutRuns(), opens ? 1 : 0);
    QCOMPARE(messages.size(), opens ? 1 : 0);
    if (opens) {
        QVERIFY2(messages.first().contains(shown), qPrintable(messages.first()));
        QVERIFY(!messages.first().contains(QLatin1String("http://x/")));
    }
    const QString today = QDate::currentDate().toString();
    QCOMPARE(storedRunDate(), today);
    QVERIFY(capture.contains(QStringLiteral("Program version is : \"5.3.1\"")));

    startAndWaitForReply(server.address(), [](MainWindow &) {});
    QCOMPARE(server.requests.size(), 2);
    QCOMPARE(aboutRuns(), opens ? 1 : 0);
    QCOMPARE(storedRunDate(), today);
}

// A refused connection and an empty address: nothing opens and the date
// kept stays as it was.
void TestHelpAbout::versionCheckWithoutServer()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    storeRunDate(QStringLiteral("Mon Jan 5 2026"));
    TestSupport::MessageCapture capture;
    startAndWaitForReply(refused, [](MainWindow &) {});
    QCOMPARE(capture.count(QStringLiteral("replyFinished ERROR!")), 1);
    QCOMPARE(aboutRuns(), 0);
    QCOMPARE(storedRunDate(), QStringLiteral("Mon Jan 5 2026"));

    startAndWaitForReply(QString(), [](MainWindow &window) {
        QVERIFY(window.networkManager->findChildren<QNetworkReply *>().isEmpty());
        QVERIFY(window.latestVersion.isEmpty());
    });
    QCOMPARE(capture.count(QStringLiteral("requestLatestVersion: no version server")), 1);
    QCOMPARE(aboutRuns(), 0);
    QCOMPARE(storedRunDate(), QStringLiteral("Mon Jan 5 2026"));
}

VELMORA_TEST_MAIN(TestHelpAbout)

} // namespace tst_help_about
#include "tst_help_about.moc"
