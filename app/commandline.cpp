#include "app/commandline.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>

namespace {

bool hasMusicXmlName(const QString &path)
{
    return path.endsWith(QLatin1String(".xml")) || path.endsWith(QLatin1String(".musicxml")) ||
           path.endsWith(QLatin1String(".mxl"));
}

} // namespace

StartRequest readCommandLine(const QStringList &arguments)
{
    for (int i = 0; i < arguments.size(); ++i)
        qDebug().noquote() << "main i, argv[i] = " << i << arguments.at(i);

    StartRequest request;
    if (arguments.size() != 3)
        return request;
    const QString &option = arguments.at(1);
    const QString &path = arguments.at(2);
    StartRequest::Action action = StartRequest::Nothing;
    if (option == QLatin1String("-I"))
        action = StartRequest::Import;
    else if (option == QLatin1String("-U"))
        action = StartRequest::Update;
    if (action == StartRequest::Nothing)
        return request;
    const QFileInfo file(path);
    if (!file.exists())
        request.problem =
            QCoreApplication::translate("MainWindow", "Can't import file (%1): it does not exist.")
                .arg(path);
    else if (!file.isFile() || !hasMusicXmlName(path))
        request.problem =
            QCoreApplication::translate(
                "MainWindow",
                "Can't import file (%1): it is not a MusicXML file (.musicxml or .xml).")
                .arg(path);
    else {
        request.action = action;
        request.path = path;
    }
    return request;
}
