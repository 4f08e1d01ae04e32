// Captures the debug output (qDebug, qWarning, ...) while it lives, so a
// test can assert the exact trace lines the program writes.
#pragma once

#include <QStringList>
#include <QtGlobal>

namespace TestSupport {

class MessageCapture
{
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    // Each captured message as the program formatted it.
    QStringList lines() const;
    bool contains(const QString &line) const { return lines().contains(line); }
    // Number of captured lines that equal `line`.
    int count(const QString &line) const { return lines().count(line); }
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);
    QtMessageHandler m_previous = nullptr;
};

} // namespace TestSupport
