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

#include <functional>
#include <memory>

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
// The programs the tests run as child processes: the command-line renderer,
// Qt's lupdate and the picture generator of resources/images/.
QString renderToolPath();
QString lupdatePath();
QString imageGeneratorPath();
// Every embedded note-font file, for a data function with a QString
// column "path": one row per file, named by its path under ":/notefonts/".
void addNoteFontRows();

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// Files the test object made by `factory` under the base name of
// `sourceFile`; called from VELMORA_TEST_MAIN before main() runs.
bool registerTest(const char *sourceFile, TestFactory factory);

// The test executable's main(): sets up the process as the program does
// (temporary home, fonts, prompter) and runs the test named by the first
// argument with the remaining arguments.
int runRegisteredTest(int argc, char *argv[]);

} // namespace TestSupport

// Whether this build runs under AddressSanitizer, which slows the program
// down and takes memory of its own: GCC says so by a macro, clang by a
// feature test.
#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_UNDER_SANITIZER 1
#endif
#endif
#if !defined(VELMORA_UNDER_SANITIZER)
#define VELMORA_UNDER_SANITIZER 0
#endif

// Registers the file's test object with the test executable under the
// file's name ("tst_loading"); `velmoratests tst_loading [Qt Test options]`
// runs it, one test object per process.
#define VELMORA_TEST_MAIN(TestObject)                                                              \
    static const bool velmoraTestRegistered = TestSupport::registerTest(                          \
        __FILE__, [] { return std::unique_ptr<QObject>(new TestObject); });
