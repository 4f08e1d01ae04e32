#include "support/dialogshot.h"

#include "dialogs/screenfit.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace TestSupport {

void grabDialog(QWidget &dialog, const QString &name)
{
    const QImage image = dialog.grab().toImage();
    const QString folder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    // A window with its frame, texts and buttons shows several colours; a
    // blank or unpainted one a single colour or two.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 8, qPrintable(name));
}

namespace {

QString placeText(const QRect &box)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

} // namespace

void checkShownInside(const QWidget &dialog, const QStringList &names, QScrollArea *scrollArea)
{
    const QScreen *screen = ScreenFit::screenOf(&dialog);
    QVERIFY(screen);
    QVERIFY2(screen->availableGeometry().contains(dialog.frameGeometry()),
             qPrintable(QStringLiteral("window at %1 off the screen %2")
                            .arg(placeText(dialog.frameGeometry()),
                                 placeText(screen->availableGeometry()))));
    const QRect window = dialog.rect();
    const QWidget *viewport = scrollArea ? scrollArea->viewport() : nullptr;
    const QRect visible =
        viewport ? QRect(viewport->mapTo(&dialog, QPoint(0, 0)), viewport->size()) : window;
    for (const QString &name : names) {
        const QWidget *widget = dialog.findChild<QWidget *>(name);
        QVERIFY2(widget && widget->isVisible(), qPrintable(name));
        QRect box(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        QVERIFY2((viewport && viewport->isAncestorOf(widget)) || window.contains(box),
                 qPrintable(QStringLiteral("%1 at %2 in %3x%4")
                                .arg(name, placeText(box))
                                .arg(window.width())
                                .arg(window.height())));
        if (viewport && viewport->isAncestorOf(widget)) {
            // A field below the fold is reachable by scrolling to it.
            scrollArea->ensureWidgetVisible(const_cast<QWidget *>(widget), 0, 0);
            box = QRect(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
            QVERIFY2(visible.contains(box),
                     qPrintable(QStringLiteral("%1 at %2 beyond the view %3")
                                    .arg(name, placeText(box), placeText(visible))));
        }
        const QSize least = widget->minimumSizeHint();
        QVERIFY2(widget->width() >= least.width() && widget->height() >= least.height(),
                 qPrintable(name));
    }
}

} // namespace TestSupport
