#include "support/messagecapture.h"

namespace TestSupport {

namespace {
QStringList *capturedLines = nullptr;
}

MessageCapture::MessageCapture()
{
    Q_ASSERT_X(!capturedLines, "MessageCapture", "captures do not nest");
    capturedLines = new QStringList;
    m_previous = qInstallMessageHandler(&MessageCapture::handler);
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(m_previous);
    delete capturedLines;
    capturedLines = nullptr;
}

QStringList MessageCapture::lines() const
{
    return *capturedLines;
}

void MessageCapture::clear()
{
    capturedLines->clear();
}

void MessageCapture::handler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (capturedLines)
        capturedLines->append(message);
}

} // namespace TestSupport
