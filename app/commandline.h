// The command line of the program: exactly an option and a path after the
// program's own path. "-I" imports the MusicXML file at the path as a new
// score, "-U" updates the current score from it; the path must name an
// existing file ending ".xml", ".musicxml" or ".mxl" (the reader refuses a
// compressed file with its own message). A path that is missing or of
// another kind gives a problem to show instead; other command lines are
// ignored.
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
    // For the user, when the option's file cannot be taken; the window
    // opens as usual.
    QString problem;
};

// Writes every argument, the program path included, to the debug output as
// "main i, argv[i] = ", its index and its text; then decides what to do.
StartRequest readCommandLine(const QStringList &arguments);
