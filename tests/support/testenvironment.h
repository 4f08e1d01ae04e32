// Process set-up for every test executable: a temporary HOME (created before
// the application object, since Qt reads $HOME once), settings redirected
// into it, the program's own start-up steps, and the scripted prompter.
#pragma once

#include "platform/startup.h"
#include "support/scriptedprompter.h"
#include "support/urlcatcher.h"

#include <QApplication>
#include <QString>
#include <QTest>

namespace TestSupport {

// Points HOME, the XDG folders and QSettings at a fresh temporary folder
// that lives until the process ends. Call before QApplication exists.
void prepareEnvironment();

// The temporary home folder of this test process.
QString homePath();

// The prompter installed by VELMORA_TEST_MAIN.
ScriptedPrompter &prompter();

// A file under tests/fixtures (the MusicXML corpus lies in "corpus/").
QString fixturePath(const QString &relative);
// The bundled sample score, "Sakura Sakura".
QString samplePath();
// A file of this source tree (fixtures under tests/).
QString sourcePath(const QString &relative);
// Every embedded note-font file, for a data function with a QString
// column "path": one row per file, named by its path under ":/notefonts/".
void addNoteFontRows();

} // namespace TestSupport

#define VELMORA_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestSupport::prepareEnvironment();                                                         \
        Startup::prepareProcess();                                                                 \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        Startup::prepareFonts();                                                                   \
        Prompter::install(&TestSupport::prompter());                                               \
        TestSupport::catchWebUrls();                                                               \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
