// MainWindow: command files, small scripts of "-Import new:<file>",
// "-Export pdf:<file>" and "-Exit" lines that convert MusicXML files to PDF
// without further questions.
#include "app/mainwindow.h"

#include "model/score.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QUndoStack>

#include <optional>

namespace {

// The whole command file as UTF-8; nullopt, with `error` set, when it
// cannot be read. Only regular files: a pipe or a device would block.
std::optional<QString> readCommandFile(const QString &path, QString &error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = QCoreApplication::translate("Score", "not a regular file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

void MainWindow::runCommandFile()
{
    const QString path = Prompter::instance().openFileName(
        this, tr("Velmora: Run Command file"), QString(), tr("Velmora command files (*.txt)"));
    if (!path.isEmpty())
        runCommandFile2(path);
}

void MainWindow::runCommandFile2(const QString &path)
{
    QString error;
    const std::optional<QString> text = readCommandFile(path, error);
    if (!text) {
        Prompter::instance().warning(this, tr("Velmora"),
                                     tr("Can't read file (%1)!:\n%2.").arg(path, error));
        return;
    }
    const QStringList lines = text->split(QLatin1Char('\n'));
    for (QString line : lines) {
        // A file written with Windows line ends runs as its LF twin does.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList words = line.split(QLatin1Char(' '));
        if (words.first() == QLatin1String("-Exit")) {
            // The run asked for the end: no question about this score.
            if (Score *score = currentScore()) {
                score->undoStack->setClean();
                score->changed = false;
            }
            exitProg();
            return;
        }
        // Also an empty line: the run ends there.
        if (words.size() != 2)
            return;
        const QString &command = words.at(0);
        const bool import = command == QLatin1String("-Import");
        const bool exportCommand = command == QLatin1String("-Export");
        if (!import && !exportCommand)
            continue;
        const QStringList pieces = words.at(1).split(QLatin1Char(':'));
        if (pieces.size() != 2)
            return;
        const QString &kind = pieces.at(0);
        const QString &file = pieces.at(1);
        if (import && kind == QLatin1String("new")) {
            // The reader has reported why; later lines would work on
            // another score than the one they were written for.
            if (!importXmlFile2(false, file))
                return;
        } else if (exportCommand && kind == QLatin1String("pdf")) {
            if (Score *score = currentScore())
                score->exportPdfFile(file);
        }
    }
    qDebug() << "runCommandFile exitted.";
}
