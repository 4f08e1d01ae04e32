// The command line of the program: exactly an option and a path after the
// program's own path. "-I" imports the MusicXML file at the path as a new
// score, "-U" updates the current score from it; the path must name an
// existing file ending ".xml" or ".musicxml" (case-sensitive). Anything else
// is ignored without a message.
#pragma once

#include <QString>
#include <QStringList>

struct StartRequest
{
    enum Action
    {
        Nothing,
        Import,
        Update
    };
    Action action = Nothing;
    QString path;
};

// Writes every argument, the program path included, to the debug output as
// "main i, argv[i] = ", its index and its text; then decides what to do.
StartRequest readCommandLine(const QStringList &arguments);
