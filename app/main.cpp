#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/qtprompter.h"
#include "app/velmoraapplication.h"
#include "app/version.h"
#include "document/autosavefolder.h"
#include "platform/startup.h"

#include <QTextStream>

int main(int argc, char *argv[])
{
    const QString tooSmall = Startup::addressSpaceTooSmall();
    if (!tooSmall.isEmpty()) {
        QTextStream(stderr) << "velmora: " << tooSmall << '\n';
        return 1;
    }
    Startup::prepareProcess();
    VelmoraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(Velmora::programVersion));
    Startup::prepareFonts();
    // Lives as long as the process: every question from here on is a real dialog.
    static QtPrompter dialogs;
    Prompter::install(&dialogs);

    // Lives until the event loop has ended.
    MainWindow window;
    window.show();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i]);
    window.runStartRequest(readCommandLine(arguments));

    const int result = app.exec();
    // Files still in the autosave folder are left over for the next start.
    AutoSaveFolder::endInstance();
    return result;
}
