// velmora-render: a score file in, engraved pages out, from the command line.
//
//   velmora-render INPUT [--pdf FILE] [--svg BASE] [--tnsx FILE]
//                  [--musicxml FILE] [--musicxml-note-names FILE]
//                  [--style N] [--vertical|--horizontal] [--roll]
//                  [--regenerate-again N] [--then OPTIONS...]
//
// Loads a MusicXML or score file, regenerates it once and writes what is
// asked with the writers of the program's own export and save commands;
// each "--then" renders the loaded score again with the outputs and
// settings after it. Prints the time of each phase and each render's page
// count on stdout. A file the
// program refuses, or an output it cannot write, gives the program's own
// message (with the file and the system's reason) on stderr and exit
// status 1; an output that failed is never left half written. A bad
// command line exits with 2.
#include "renderoptions.h"
#include "stderrprompter.h"

#include "app/version.h"
#include "document/layoutcost.h"
#include "document/scorexmlmode.h"
#include "model/page.h"
#include "model/score.h"
#include "platform/memorybudget.h"
#include "platform/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <fcntl.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>

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

// The process's own peak (VmHWM). The resource usage's maxrss is kept
// across exec: started by a large process, the renderer would report its
// parent's size. Read without the heap, which may be full.
double peakResidentMegabytes()
{
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char text[8192];
        const ssize_t got = ::read(fd, text, sizeof text - 1);
        ::close(fd);
        if (got > 0) {
            text[got] = '\0';
            if (const char *line = std::strstr(text, "VmHWM:"))
                return std::strtod(line + 6, nullptr) / 1024.0; // kilobytes
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// The most address space the process has mapped (VmPeak), 0 where the
// system does not tell: an address-space limit (ulimit -v) counts this.
double peakAddressSpaceMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmPeak:"))
            return line.mid(7).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// `path` is where the input opens, options.input what the user named.
bool load(Score &score, const RenderOptions &options, const QString &path)
{
    // The budget holds what this run keeps: the document too, or only the
    // model and the pages.
    score.memoryPath =
        options.writesDocument() ? LayoutCost::Path::Saving : LayoutCost::Path::Pages;
    const bool read =
        options.inputIsScoreFile() ? score.readFile(path) : score.readMusicXmlFile(path);
    if (!read || !score.parseScoreXml(false).has_value())
        return false;
    // Only the score file and the MusicXML export read the document again.
    if (!options.writesDocument())
        score.releaseDocument();
    return true;
}

// Applies one render's settings to the loaded score, regenerates it and
// writes that render's outputs; false when an output could not be written.
bool renderOnce(Score &score, const RenderOptions &options)
{
    options.applyTo(score);
    // One regeneration serves every output. Pages to draw want the export
    // state (no screen decorations, no selection); the score is never shown
    // again, so the state is not left and the score not regenerated back.
    const bool drawsPages = !options.pdf.isEmpty() || !options.svgBase.isEmpty();
    timed(QStringLiteral("regenerate"),
          [&] { return drawsPages ? score.beginExportState() : score.generateScore(); });

    bool written = true;
    if (!options.pdf.isEmpty())
        written &= timed(QStringLiteral("pdf"), [&] { return score.writePdfFile(options.pdf); });
    if (!options.svgBase.isEmpty())
        written &=
            timed(QStringLiteral("svg"), [&] { return score.writeSvgFiles(options.svgBase); });
    if (!options.tnsx.isEmpty())
        written &= timed(QStringLiteral("tnsx"), [&] { return score.saveFileAs(options.tnsx); });
    if (!options.musicXml.isEmpty())
        written &= timed(QStringLiteral("musicxml"), [&] {
            return score.exportMusicXMLFile(options.musicXml, ScoreXmlMode::PlainMusicXml);
        });
    if (!options.musicXmlNoteNames.isEmpty())
        written &= timed(QStringLiteral("musicxml-note-names"), [&] {
            return score.exportMusicXMLFile(options.musicXmlNoteNames,
                                            ScoreXmlMode::NoteNameLyrics);
        });
    return written;
}

void reportPages(const Score &score)
{
    out() << "pages: " << score.page->pageCount << Qt::endl;
}

// Ends the process without freeing the score item by item, which on a
// long score costs as much as writing one of its outputs. Every output is
// complete and closed by now (each is written whole and closed, or
// refused, before its phase returns); only the standard streams may hold
// text.
[[noreturn]] void leave(int status)
{
    out().flush();
    std::fflush(nullptr);
    _exit(status);
}

// A name whose bytes are not UTF-8 has no string that turns back into the
// same bytes: opened by its string, it would be another file. Such an input
// is opened by its bytes and reached through its descriptor; an output
// name is refused, as no file may be written under the wrong name.
bool namesRoundTrip(const QByteArray &raw)
{
    return QFile::encodeName(QFile::decodeName(raw)) == raw;
}

// Where the input opens: its own name, or the descriptor of the file
// opened by the raw bytes. Empty with `error` set when it cannot be opened.
QString openableInput(const QByteArray &raw, QString &error)
{
    if (namesRoundTrip(raw))
        return QFile::decodeName(raw);
    const int fd = ::open(raw.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return QString();
    }
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

// Loads the input and writes every render's outputs, then regenerates as
// often as asked; false when the input cannot be loaded or an output could
// not be written.
bool loadAndRender(Score &score, const RenderOptions &options, const QString &inputPath)
{
    if (!timed(QStringLiteral("load"), [&] { return load(score, options, inputPath); }))
        leave(1);
    bool written = renderOnce(score, options);
    for (const RenderOptions &pass : options.then) {
        reportPages(score);
        written &= renderOnce(score, pass);
    }

    // A regeneration after an edit finds the scene full of the last one's
    // items and the score on screen: the first goes back to the screen
    // state, the rest regenerate it as it is.
    for (int i = 0; i < options.regenerateAgain; ++i) {
        timed(QStringLiteral("regenerate again"), [&] {
            return i == 0 && score.cleanOutput ? score.endExportState() : score.generateScore();
        });
    }
    return written;
}

// One line on stderr for a score the memory did not hold after all: an
// allocation failed although the budget let the score in. What the load
// estimated is what the score needed; the process held its peak when the
// system refused more. Writes with the C library: the heap may be full.
void reportOutOfMemory(const Score &score, const QString &input)
{
    const QByteArray name = QFile::encodeName(input);
    std::fprintf(stderr,
                 "velmora-render: Not enough memory for %s: an allocation failed at %.0f MB in "
                 "use",
                 name.constData(), peakResidentMegabytes());
    if (score.memoryEstimate > 0)
        std::fprintf(stderr, "; the score needs about %lld MB",
                     (long long)((score.memoryEstimate + (1 << 20) - 1) >> 20));
    std::fprintf(stderr, " (the limit: %lld MB).\n",
                 (long long)(MemoryBudget::bytes() >> 20));
}

} // namespace

int main(int argc, char *argv[])
{
    // Never opens a window: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Read before the application object, which takes "--style" for itself.
    QList<QByteArray> rawArguments;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        rawArguments.append(QByteArray(argv[i]));
        arguments.append(QFile::decodeName(rawArguments.last()));
    }
    RenderOptions options;
    QString error = options.parse(arguments);
    for (int i = 0; error.isEmpty() && i < rawArguments.size(); ++i) {
        if (i != options.inputArgument && !namesRoundTrip(rawArguments.at(i)))
            error = QStringLiteral("an output name must be UTF-8 text (%1)").arg(arguments.at(i));
    }
    if (!error.isEmpty()) {
        QTextStream(stderr) << "velmora-render: " << error << '\n' << RenderOptions::usage();
        return 2;
    }
    const QString inputPath = openableInput(rawArguments.at(options.inputArgument), error);
    if (inputPath.isEmpty()) {
        QTextStream(stderr) << "velmora-render: Can't read file (" << options.input << ")!:\n"
                            << error << ".\n";
        return 1;
    }

    const QString tooSmall = Startup::addressSpaceTooSmall();
    if (!tooSmall.isEmpty()) {
        QTextStream(stderr) << "velmora-render: " << tooSmall << '\n';
        return 1;
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

    // Never destroyed: the score, its scene items and the application
    // object end with the process (leave()).
    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    bool written = false;
    try {
        written = loadAndRender(score, options, inputPath);
    } catch (const std::bad_alloc &) {
        reportOutOfMemory(score, options.input);
        leave(1);
    }

    reportPages(score);
    out() << "estimated memory: "
          << QString::number(score.memoryEstimate / double(MemoryBudget::mebibyte), 'f', 1) << " MB"
          << Qt::endl;
    out() << "peak memory: " << QString::number(peakResidentMegabytes(), 'f', 1) << " MB"
          << Qt::endl;
    out() << "peak address space: " << QString::number(peakAddressSpaceMegabytes(), 'f', 1)
          << " MB" << Qt::endl;
    leave(written ? 0 : 1);
}
