// The Japanese and Chinese catalogues: they load from the resources and
// translate, and every translatable text of the sources (code and forms)
// has a finished translation in both. The sources are read by lupdate into
// a temporary catalogue; the committed ones are only read.
#include "support/testenvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>

namespace tst_catalogues {

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void catalogueTranslates_data();
    void catalogueTranslates();
    void everySourceTextIsTranslated();
    void untranslatedScratchTextIsNamed();
};

namespace {

using Text = QPair<QString, QString>; // context, source text

const QStringList &sourceFolders()
{
    static const QStringList folders{"app",     "model",  "notenames", "document", "glyphs",
                                     "drawing", "layout", "view",      "dialogs"};
    return folders;
}

const QStringList &catalogues()
{
    static const QStringList files{QStringLiteral("resources/translations/velmora_ja.ts"),
                                   QStringLiteral("resources/translations/velmora_zh.ts")};
    return files;
}

// Each message of a catalogue with whether its translation is finished.
QMap<Text, bool> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QMap<Text, bool> messages;
    for (QDomElement context = document.documentElement().firstChildElement("context");
         !context.isNull(); context = context.nextSiblingElement("context")) {
        const QString name = context.firstChildElement("name").text();
        for (QDomElement message = context.firstChildElement("message"); !message.isNull();
             message = message.nextSiblingElement("message")) {
            const QDomElement translation = message.firstChildElement("translation");
            const bool finished =
                !translation.hasAttribute("type") && !translation.text().isEmpty();
            messages.insert({name, message.firstChildElement("source").text()}, finished);
        }
    }
    return messages;
}

// The translatable texts of the source folders below `root`, as lupdate
// finds them.
QList<Text> sourceTexts(const QString &root, QString *error)
{
    QTemporaryDir scratch;
    const QString ts = scratch.filePath(QStringLiteral("sources.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(root);
    lupdate.start(TestSupport::lupdatePath(), QStringList{"-silent", "-locations", "none"} +
                                                       sourceFolders() + QStringList{"-ts", ts});
    if (!lupdate.waitForFinished(300000) || lupdate.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: %1")
                     .arg(QString::fromLocal8Bit(lupdate.readAllStandardError()));
        return {};
    }
    return readCatalogue(ts, error).keys();
}

// "catalogue: context: text" for each text without a finished translation.
QStringList untranslated(const QString &root, const QString &catalogueRoot)
{
    QString error;
    const QList<Text> texts = sourceTexts(root, &error);
    if (!error.isEmpty())
        return {error};
    if (texts.isEmpty())
        return {QStringLiteral("lupdate found no translatable text")};
    QStringList missing;
    for (const QString &catalogue : catalogues()) {
        const QMap<Text, bool> messages =
            readCatalogue(catalogueRoot + QLatin1Char('/') + catalogue, &error);
        if (!error.isEmpty())
            return {error};
        for (const Text &text : texts) {
            if (!messages.value(text, false))
                missing << QStringLiteral("%1: %2: \"%3\"")
                               .arg(QFileInfo(catalogue).fileName(), text.first, text.second);
        }
    }
    return missing;
}

bool copySources(const QString &from, const QString &to)
{
    for (const QString &folder : sourceFolders()) {
        QDirIterator it(from + QLatin1Char('/') + folder, QStringList{"*.cpp", "*.h", "*.ui"},
                        QDir::Files);
        QDir().mkpath(to + QLatin1Char('/') + folder);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!QFile::copy(path,
                             to + QLatin1Char('/') + folder + QLatin1Char('/') + it.fileName()))
                return false;
        }
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

void TestCatalogues::catalogueTranslates_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ja context menu") << "velmora_ja"
                                     << "Score"
                                     << "Change Note Name" << QStringLiteral("音名を変更");
    QTest::newRow("zh context menu") << "velmora_zh"
                                     << "Score"
                                     << "Change Note Name" << QStringLiteral("更改音名");
    QTest::newRow("ja message with arguments")
        << "velmora_ja"
        << "Score"
        << "Can't write file (%1)!:\n%2."
        << QStringLiteral("ファイルに書き込めません (%1)!:\n%2。");
    QTest::newRow("ja main window") << "velmora_ja"
                                    << "MainWindow"
                                    << "Open..." << QStringLiteral("開く...");
    QTest::newRow("zh main window") << "velmora_zh"
                                    << "MainWindow"
                                    << "Open..." << QStringLiteral("打开...");
    QTest::newRow("ja part dialog") << "velmora_ja"
                                    << "PartDialog"
                                    << "Koto_Ikuta" << QStringLiteral("箏 生田流");
    QTest::newRow("zh slur dialog") << "velmora_zh"
                                    << "DialogSlurControl"
                                    << "Slur Curve Controller" << QStringLiteral("连线弧度调节器");
}

void TestCatalogues::catalogueTranslates()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/languages/") + catalogue));
    QVERIFY(QFile::exists(QStringLiteral(":/languages/") + catalogue + QStringLiteral(".qm")));
    QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), expected);
    // Installed, it is what the program's tr() returns.
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)), expected);
    QCoreApplication::removeTranslator(&translator);
}

void TestCatalogues::everySourceTextIsTranslated()
{
    const QStringList missing =
        untranslated(QDir::cleanPath(TestSupport::sourcePath(QString())), QDir::cleanPath(TestSupport::sourcePath(QString())));
    QVERIFY2(
        missing.isEmpty(),
        qPrintable(QStringLiteral("no finished translation (run "
                                  "tools/translations/update-catalogues.sh, then translate):\n") +
                   missing.join(QLatin1Char('\n'))));
}

// The check itself: a text added to a copy of the sources, in code and in a
// form, is named for both catalogues, and nothing else is.
void TestCatalogues::untranslatedScratchTextIsNamed()
{
    QTemporaryDir scratch;
    QVERIFY(copySources(QDir::cleanPath(TestSupport::sourcePath(QString())), scratch.path()));
    QVERIFY(writeFile(
        scratch.filePath(QStringLiteral("app/scratchtext.cpp")),
        "#include <QCoreApplication>\n"
        "QString scratchText()\n{\n"
        "    return QCoreApplication::translate(\"MainWindow\", \"Scratch text\");\n}\n"));
    QVERIFY(writeFile(scratch.filePath(QStringLiteral("dialogs/scratchform.ui")),
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
                      " <class>ScratchForm</class>\n"
                      " <widget class=\"QDialog\" name=\"ScratchForm\">\n"
                      "  <property name=\"windowTitle\"><string>Scratch form</string></property>\n"
                      " </widget>\n</ui>\n"));
    const QStringList missing = untranslated(scratch.path(), QDir::cleanPath(TestSupport::sourcePath(QString())));
    QCOMPARE(missing, QStringList({"velmora_ja.ts: MainWindow: \"Scratch text\"",
                                   "velmora_ja.ts: ScratchForm: \"Scratch form\"",
                                   "velmora_zh.ts: MainWindow: \"Scratch text\"",
                                   "velmora_zh.ts: ScratchForm: \"Scratch form\""}));
}

VELMORA_TEST_MAIN(TestCatalogues)

} // namespace tst_catalogues
#include "tst_catalogues.moc"
