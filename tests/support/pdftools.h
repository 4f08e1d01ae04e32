// Reading back written PDF files with poppler's command-line tools.
#pragma once

#include <QString>
#include <QStringList>

namespace TestSupport {

// The standard output of `program` run with `arguments`; empty when it
// cannot start, takes longer than 60 s or exits with an error.
QString runTool(const QString &program, const QStringList &arguments);

// The page count pdfinfo reads from the file; -1 when it cannot.
int pdfPageCount(const QString &path);

// The text pdftotext extracts (in layout mode) from one page, counted from 1.
QString pdfPageText(const QString &path, int page);

} // namespace TestSupport
