// MainWindow: the check for a newer version, once per start. A reply that
// names another version than the running one opens the About box, at most
// once per calendar day.
#include "app/dialogabout.h"
#include "app/mainwindow.h"
#include "app/weblinks.h"

#include <QDate>
#include <QDebug>
#include <QDomDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

namespace {

// The version document's address: the server from the environment, else
// the built-in one; empty when neither names a server.
QUrl versionDocumentUrl()
{
    QString base = qEnvironmentVariable(Velmora::versionServerVariable,
                                        QLatin1String(Velmora::versionServerUrl));
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (base.isEmpty())
        return QUrl();
    return QUrl(base + QLatin1String(Velmora::versionDocumentPath));
}

} // namespace

void MainWindow::requestLatestVersion()
{
    const QUrl url = versionDocumentUrl();
    if (!url.isValid()) {
        qDebug() << "requestLatestVersion: no version server";
        return;
    }
    // The manager owns the reply; replyFinished schedules its deletion.
    networkManager->get(QNetworkRequest(url));
}

void MainWindow::replyFinished(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        qDebug() << "replyFinished ERROR!";
        qDebug() << reply->errorString();
        reply->deleteLater();
        return;
    }
    qDebug() << reply->header(QNetworkRequest::ContentTypeHeader).toString();
    qDebug() << reply->header(QNetworkRequest::LastModifiedHeader).toDateTime().toString();
    qDebug() << reply->header(QNetworkRequest::ContentLengthHeader).toULongLong();
    qDebug() << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    qDebug() << reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();

    QDomDocument document;
    document.setContent(QString::fromUtf8(reply->readAll()));
    const QString named =
        document.elementsByTagName(QStringLiteral("velmora-version")).item(0).toElement().text();
    // What the server says is shown in the box only when it looks like a
    // version; anything else counts as no version.
    latestVersion = DialogAbout::plausibleVersion(named);
    qDebug() << "Latest version is :" << latestVersion;
    qDebug() << "Program version is :" << programVersion;

    const QString today = QDate::currentDate().toString();
    qDebug() << "date:" << today;
    QSettings settings(QStringLiteral("corvali"), QStringLiteral("Velmora_Main"));
    const QString lastRun = settings.value(QStringLiteral("lastrundate")).toString();
    qDebug() << "val date:" << lastRun;
    if (latestVersion != programVersion && lastRun != today)
        about();
    settings.setValue(QStringLiteral("lastrundate"), today);
    reply->deleteLater();
}
