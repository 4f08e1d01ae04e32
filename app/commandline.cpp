#include "app/commandline.h"

#include <QDebug>
#include <QFileInfo>

namespace {

bool isMusicXmlFile(const QString &path)
{
    return QFileInfo::exists(path) &&
           (path.endsWith(QLatin1String(".xml")) || path.endsWith(QLatin1String(".musicxml")));
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
    if (!isMusicXmlFile(path))
        return request;
    if (option == QLatin1String("-I"))
        request.action = StartRequest::Import;
    else if (option == QLatin1String("-U"))
        request.action = StartRequest::Update;
    if (request.action != StartRequest::Nothing)
        request.path = path;
    return request;
}
