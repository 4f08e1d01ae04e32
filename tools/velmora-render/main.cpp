// velmora-render: a score file in, engraved pages out, from the command line.
//
//   velmora-render INPUT [--pdf FILE] [--svg BASE] [--tnsx FILE]
//                  [--musicxml FILE] [--style N] [--vertical|--horizontal]
//
// Loads a MusicXML or score file, regenerates it and writes what is asked
// through the very calls the program's own export and save commands make.
// Prints the time of each phase and the page count on stdout. A file the
// program refuses, or an output it cannot write, gives the program's own
// message on stderr and exit status 1; a bad command line exits with 2.
#include "renderoptions.h"
#include "stderrprompter.h"

#include "app/startup.h"
#include "app/version.h"
#include "document/scorexmlmode.h"
#include "model/page.h"
#include "model/score.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <sys/resource.h>
#include <time.h>

#include <functional>

namespace {

// The program's progress lines go to the debug output; a tool run only
// shows warnings and its own report.
void quietMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    // Headless machines often have no runtime folder; the toolkit makes one.
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    QTextStream(stderr) << message << '\n';
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Milliseconds of processor time this process has used so far.
double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Runs one phase and prints "<name>: <ms> ms (cpu <ms> ms)", wall-clock
// time first; returns the phase's result. The processor time tells the
// work apart from waiting on a busy machine.
bool timed(const QString &name, const std::function<bool()> &phase)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMilliseconds();
    const bool ok = phase();
    out() << name << ": " << QString::number(timer.nsecsElapsed() / 1e6, 'f', 1) << " ms (cpu "
          << QString::number(cpuMilliseconds() - cpuStart, 'f', 1) << " ms)"
          << (ok ? "" : " (failed)") << Qt::endl;
    return ok;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

bool load(Score &score, const RenderOptions &options)
{
    const bool read = options.inputIsScoreFile() ? score.readFile(options.input)
                                                 : score.readMusicXmlFile(options.input);
    return read && score.parseScoreXml(false).has_value();
}

} // namespace

int main(int argc, char *argv[])
{
    // Never opens a window: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Read before the application object, which takes "--style" for itself.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    RenderOptions options;
    const QString error = options.parse(arguments);
    if (!error.isEmpty()) {
        QTextStream(stderr) << "velmora-render: " << error << '\n' << RenderOptions::usage();
        return 2;
    }

    qInstallMessageHandler(quietMessageHandler);
    Startup::prepareProcess();
    // The toolkit's own options stay out of its reach.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(Velmora::programVersion));
    Startup::prepareFonts();
    StderrPrompter prompter;
    Prompter::install(&prompter);

    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    if (!timed(QStringLiteral("load"), [&] { return load(score, options); }))
        return 1;
    options.applyTo(score);
    timed(QStringLiteral("regenerate"), [&] { return score.generateScore(); });

    bool written = true;
    if (!options.pdf.isEmpty())
        written &= timed(QStringLiteral("pdf"), [&] { return score.exportPdfFile(options.pdf); });
    if (!options.svgBase.isEmpty())
        written &=
            timed(QStringLiteral("svg"), [&] { return score.exportSvgFile(options.svgBase); });
    if (!options.tnsx.isEmpty())
        written &= timed(QStringLiteral("tnsx"), [&] { return score.saveFileAs(options.tnsx); });
    if (!options.musicXml.isEmpty())
        written &= timed(QStringLiteral("musicxml"), [&] {
            return score.exportMusicXMLFile(options.musicXml, ScoreXmlMode::PlainMusicXml);
        });

    out() << "pages: " << score.page->pageCount << Qt::endl;
    out() << "peak memory: " << QString::number(peakResidentMegabytes(), 'f', 1) << " MB"
          << Qt::endl;
    Prompter::install(nullptr);
    return written ? 0 : 1;
}
