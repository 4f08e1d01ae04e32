#include "app/startup.h"
#include "app/version.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    Startup::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(Velmora::programVersion));
    Startup::prepareFonts();

    for (int i = 0; i < argc; ++i)
        qDebug() << "argument" << i << QString::fromLocal8Bit(argv[i]);

    QTextStream(stdout) << "Velmora " << Velmora::programVersion
                        << ": scores load, save, are engraved and export as SVG, PDF and MusicXML "
                           "(see velmora-render); the main window is not available yet.\n";
    return 0;
}
