#include "app/dialogabout.h"

#include "app/weblinks.h"
#include "platform/prompter.h"
#include "ui_dialogabout.h"

#include <QDebug>
#include <QRegularExpression>

DialogAbout::DialogAbout(const QString &programVersion, const QString &buildDate,
                         const QString &programLatestVersion, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogAbout)
{
    ui->setupUi(this);
    setWindowTitle(tr("About Velmora"));
    for (QLabel *label : {ui->labelMessage, ui->labelCopyright}) {
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        label->setOpenExternalLinks(true);
        label->setTextFormat(Qt::RichText);
    }
    qDebug() << "DialogAbout programVersion  programLatestVersion = " << programVersion
             << programLatestVersion;

    const QString version = programVersion.toHtmlEscaped();
    const QString built = buildDate.toHtmlEscaped();
    const QString latest = plausibleVersion(programLatestVersion).toHtmlEscaped();
    // One text per message, so that a translation may order its parts
    // freely; the links are filled in after the three values.
    QString message;
    if (programVersion == programLatestVersion) {
        message = tr("<h3>Velmora Version %1  (Built on %2 ) (Latest Version)<hr>Please refer to "
                     "%3 for detail.<br><br>")
                      .arg(version, built, handbookLink());
    } else if (!latest.isEmpty()) {
        Prompter::instance().beep();
        message = tr("<h3>Latest Version %1 of Velmora is now available!<br>Please download from "
                     "%4 page.<hr>You are using:<br>Velmora Version %2  (Built on %3 )<hr>Please "
                     "refer to %5 for detail.<br><br>")
                      .arg(latest, version, built, downloadLink(), handbookLink());
    } else {
        message = tr("<h3>Velmora Version %1  (Built on %2 )<hr>Please refer to %3 for "
                     "detail.<br><br>")
                      .arg(version, built, handbookLink());
    }
    ui->labelMessage->setText(message);
    ui->labelCopyright->setText(
        tr("Copyright &copy; 2026 corvali &mdash; <a href=\"%1\">Velmora home page</a><br></h3>")
            .arg(QLatin1String(Velmora::homePageUrl)));
    connect(ui->pushButtonOK, &QPushButton::clicked, this, &QDialog::close);
}

DialogAbout::~DialogAbout()
{
    delete ui;
}

QString DialogAbout::plausibleVersion(const QString &text)
{
    static const QRegularExpression version(QStringLiteral("^[A-Za-z0-9._-]{1,32}$"));
    return version.match(text).hasMatch() ? text : QString();
}

QString DialogAbout::handbookLink() const
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QLatin1String(Velmora::handbookEnglishUrl), tr("Velmora Handbook"));
}

QString DialogAbout::downloadLink() const
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QLatin1String(Velmora::downloadUrl), tr("Download"));
}
