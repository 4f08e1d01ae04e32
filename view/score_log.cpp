// Score: the log of completed commands, which the log dialog shows whole
// after every change.
#include "model/score.h"

void Score::appendLog(const QString &text)
{
    logText.append(text);
    emit sigRefreshLog(logText);
}

void Score::clearLog()
{
    logText.clear();
    emit sigRefreshLog(logText);
}
