#include "support/urlcatcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QObject>

namespace TestSupport {

namespace {

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~UrlRecorder() override
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url) { urls.append(url); }
};

UrlRecorder *recorder()
{
    static auto *instance = new UrlRecorder(QCoreApplication::instance());
    return instance;
}

} // namespace

void catchWebUrls()
{
    for (const char *scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), recorder(), "openUrl");
}

QList<QUrl> openedUrls()
{
    return recorder()->urls;
}

void clearOpenedUrls()
{
    recorder()->urls.clear();
}

} // namespace TestSupport

#include "urlcatcher.moc"
