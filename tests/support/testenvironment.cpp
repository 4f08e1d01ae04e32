#include "support/testenvironment.h"

#include "platform/memorybudget.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace TestSupport {

static QTemporaryDir &homeDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/velmora-test-home-XXXXXX"));
    return dir;
}

void prepareEnvironment()
{
    const QString home = homeDir().path();
    const QByteArray homeBytes = home.toLocal8Bit();
    qputenv("HOME", homeBytes);
    qputenv("XDG_CONFIG_HOME", homeBytes + "/.config");
    qputenv("XDG_DATA_HOME", homeBytes + "/.local/share");
    qputenv("XDG_CACHE_HOME", homeBytes + "/.cache");
    // Headless, on a screen of the smallest size a dialog must fit: the
    // offscreen platform's own screen is 800x800.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" + fixturePath(QStringLiteral("view/offscreen-screen.json")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // No test asks a version server unless it names its own.
    qunsetenv("VELMORA_VERSION_URL");
    // Every test loads under the same memory budget, whatever the machine
    // holds: the budget's floor, which the smallest machine gets too.
    qputenv(MemoryBudget::variable,
            QByteArray::number(MemoryBudget::floorBytes / MemoryBudget::mebibyte));
    const QString settingsPath = home + QStringLiteral("/.config");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsPath);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsPath);
}

QString homePath()
{
    return homeDir().path();
}

ScriptedPrompter &prompter()
{
    static ScriptedPrompter scripted;
    return scripted;
}

QString fixturePath(const QString &relative)
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/") + relative;
}

QString samplePath()
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/tools/samples/sakura-sakura.musicxml");
}

QString renderToolPath()
{
    return QStringLiteral(VELMORA_RENDER_TOOL);
}

QString lupdatePath()
{
    return QStringLiteral(VELMORA_LUPDATE);
}

QString imageGeneratorPath()
{
    return QStringLiteral(VELMORA_IMAGE_GENERATOR);
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/") + relative;
}

void addNoteFontRows()
{
    QDirIterator fonts(QStringLiteral(":/notefonts"), {QStringLiteral("*.svg")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (fonts.hasNext()) {
        const QString path = fonts.next();
        QTest::newRow(qPrintable(path.mid(12))) << path;
    }
}

} // namespace TestSupport
