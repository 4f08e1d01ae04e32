// The four MuseScore plug-in scripts carried as resources: what MuseScore
// reads of them (imports, menu path, version, the properties it accepts),
// the one placeholder the generation replaces, and the hand-off files they
// write and read. MuseScore itself is not here, so the scripts are checked
// as text.
#include "support/testenvironment.h"

#include <QFile>
#include <QRegularExpression>

namespace tst_musescore_scripts {

class TestMuseScoreScripts : public QObject
{
    Q_OBJECT

private slots:
    void script_data();
    void script();
};

namespace {

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The body of `onRun: { ... }`, braces balanced.
QString onRunBody(const QString &text)
{
    const qsizetype start = text.indexOf(QLatin1String("onRun:"));
    const qsizetype open = start < 0 ? -1 : text.indexOf(QLatin1Char('{'), start);
    if (open < 0)
        return QString();
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('{'))
            ++depth;
        else if (text.at(i) == QLatin1Char('}') && --depth == 0)
            return text.mid(open + 1, i - open - 1);
    }
    return QString();
}

// The text without comments, so a name in the header does not count.
QString code(const QString &text)
{
    QString stripped = text;
    stripped.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                       QRegularExpression::DotMatchesEverythingOption));
    stripped.remove(QRegularExpression(QStringLiteral("//[^\\n]*")));
    return stripped;
}

} // namespace

void TestMuseScoreScripts::script_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("imports");
    QTest::addColumn<QString>("menuPath");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("museScore3");
    QTest::addColumn<bool>("exports");
    QTest::addColumn<bool>("quitsWithoutScore");

    const QStringList ms2{"QtQuick 2.2", "MuseScore 1.0"};
    const QStringList ms3{"QtQuick 2.1", "QtQuick.Dialogs 1.0", "QtQuick.Controls 1.0",
                          "MuseScore 3.0", "FileIO 3.0"};
    const QString exportMenu = QStringLiteral("Plugins.Export MusicXML To Velmora");
    const QString importMenu = QStringLiteral("Plugins.Import MusicXML From Velmora");
    const QString base = QStringLiteral(":/musescoreplugin/");
    QTest::newRow("export MuseScore 2") << base + "ExportMusicXMLtoVelmora_MS2.qml" << ms2
                                        << exportMenu << "2.0" << false << true << true;
    QTest::newRow("import MuseScore 2") << base + "ImportMusicXMLfromVelmora_MS2.qml" << ms2
                                        << importMenu << "1.2.1" << false << false << true;
    QTest::newRow("export MuseScore 3") << base + "ExportMusicXMLtoVelmora_MS3.qml" << ms3
                                        << exportMenu << "3.0" << true << true << false;
    QTest::newRow("import MuseScore 3") << base + "ImportMusicXMLfromVelmora_MS3.qml" << ms3
                                        << importMenu << "3.0" << true << false << true;
}

void TestMuseScoreScripts::script()
{
    QFETCH(QString, path);
    QFETCH(QStringList, imports);
    QFETCH(QString, menuPath);
    QFETCH(QString, version);
    QFETCH(bool, museScore3);
    QFETCH(bool, exports);
    QFETCH(bool, quitsWithoutScore);

    const QString text = readResource(path);
    QVERIFY2(!text.isEmpty(), qPrintable(path));
    QVERIFY(text.startsWith(QLatin1String("//")));
    const QString body = code(text);

    // The generation replaces the placeholder; it stands once, as the
    // value of a JavaScript variable of onRun.
    QCOMPARE(text.count(QLatin1String("YourHomeDirectory")), 1);
    const QString run = onRunBody(body);
    QVERIFY(run.contains(QLatin1String("var TW_Path = \"YourHomeDirectory\";")));

    const QRegularExpression importLine(QStringLiteral("^import\\s+(.+?)\\s*$"),
                                        QRegularExpression::MultilineOption);
    QStringList found;
    for (auto it = importLine.globalMatch(body); it.hasNext();)
        found << it.next().captured(1);
    QCOMPARE(found, imports);

    QVERIFY(body.contains(QStringLiteral("menuPath: \"%1\"").arg(menuPath)));
    QVERIFY(body.contains(QStringLiteral("version: \"%1\"").arg(version)));
    QVERIFY(body.contains(
        exports ? QLatin1String("description: \"Export the Current Score to a file in user home.\"")
                : QLatin1String("description: \"Open a musicxml file exported by Velmora.\"")));
    QCOMPARE(body.contains(QLatin1String("requiresScore: false")), museScore3);
    QCOMPARE(body.contains(
                 QRegularExpression(QStringLiteral("QProcess\\s*\\{\\s*id:\\s*process\\s*\\}"))),
             !museScore3);

    // MuseScore 3 refuses a property whose name begins with a capital.
    const QRegularExpression property(
        QStringLiteral("^\\s*(?:property\\s+\\w+\\s+)?([A-Za-z_]\\w*)\\s*:"),
        QRegularExpression::MultilineOption);
    const QString outside = QString(body).remove(run);
    for (auto it = property.globalMatch(outside); it.hasNext();) {
        const QString name = it.next().captured(1);
        QVERIFY2(name.at(0).isLower(), qPrintable(name));
    }

    if (exports) {
        QVERIFY(run.contains(QLatin1String("TW_Path + \"musescore_exported.musicxml\"")));
        QVERIFY(run.contains(
            QRegularExpression(QStringLiteral("writeScore\\(curScore, \\w+, \"musicxml\"\\)"))));
    } else {
        QVERIFY(run.contains(QLatin1String("TW_Path + \"velmora_exported.musicxml\"")));
        QVERIFY(run.contains(QLatin1String("readScore(")));
        QVERIFY(run.contains(QLatin1String("nmeasures")));
    }
    // Quitting without a score must also leave onRun, or the script runs on.
    const QRegularExpression noScore(
        QStringLiteral("if \\(typeof curScore === 'undefined' \\|\\| curScore == null\\) \\{\\s*"
                       "Qt\\.quit\\(\\);\\s*return;\\s*\\}"));
    QCOMPARE(run.contains(noScore), quitsWithoutScore);
    QCOMPARE(run.count(QLatin1String("console.log(")), 1);
    QVERIFY(run.trimmed().endsWith(QLatin1String("Qt.quit();")));
}

VELMORA_TEST_MAIN(TestMuseScoreScripts)

} // namespace tst_musescore_scripts
#include "tst_musescore_scripts.moc"
