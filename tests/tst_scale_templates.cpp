// The scale templates dialog: its templates for each number of scale notes,
// what OK, Cancel and the close box hand on, and a screenshot.
#include "dialogs/dialogscaletemplate.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace tst_scale_templates {

namespace {

template <class T> T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QListWidget *list(const QWidget &dialog)
{
    return child<QListWidget>(dialog, "listWidgetScaleList");
}

// Each row as "list text = scale text".
QStringList rows(const QWidget &dialog)
{
    QStringList result;
    for (int row = 0; row < list(dialog)->count(); ++row) {
        const QListWidgetItem *item = list(dialog)->item(row);
        result << item->text() + QStringLiteral(" = ") + item->data(Qt::UserRole).toString();
    }
    return result;
}

} // namespace

class TestScaleTemplates : public QObject
{
    Q_OBJECT

private slots:
    void templatesByNoteCount_data();
    void templatesByNoteCount();
    void okHandsOnTheCurrentTemplate();
    void spinBoxRefillsTheList();
    void cancelAndCloseBoxHandOnNothing();
    void screenshot();
};

void TestScaleTemplates::templatesByNoteCount_data()
{
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("shown"); // the spin box's value
    QTest::addColumn<QStringList>("templates");

    QTest::newRow("3") << 3 << 3
                       << QStringList{"Sangen Honchoshi = {4,9,16}'Sangen_Honchoshi'",
                                      "Sangen 2Agari = {4,11,16}'Sangen_2Agari'",
                                      "Sangen 3Sagari = {4,9,14}'Sangen_3Sagari'"};
    QTest::newRow("13") << 13 << 13
                        << QStringList{
                               "Doremi C = {2,4,6,7,9,11,13,14,16,18,19,21,23}'Doremi_C'",
                               "Hira Chosi D = {4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Hira_D'",
                               "Hira Chosi G = {9,2,4,5,9,10,14,16,17,21,22,26,28}'Hira_G'",
                               "HanKumoi Chosi D = {4,-3,-1,0,4,5,9,10,14,16,17,21,23}'HanKumoi_D'",
                               "HanKumoi Chosi G = {9,2,4,5,9,10,14,15,19,21,22,26,28}'HanKumoi_G'",
                               "Kumoi Chosi D = {4,-3,-2,2,4,5,9,10,14,16,17,21,23}'Kumoi_D'",
                               "kumoi Chosi G = {9,2,3,7,9,10,14,15,19,21,22,26,28}'Kumoi_G'",
                               "HonKumoi Chosi D = {4,-3,-2,2,4,5,9,10,14,16,17,21,22}'HonKumoi_D'",
                               "HonKumoi Chosi G = {9,2,3,7,9,10,14,15,19,21,22,26,27}'HonKumoi_G'",
                               "Kokin Chosi D = {4,-3,-1,2,4,5,9,11,14,16,17,21,23}'Kokin'",
                               "Nakazora Chosi D = {4,-3,-1,0,4,6,7,11,12,16,18,19,23}'Nakazora'",
                               "Nakazora Chosi G = {9,2,4,5,9,11,12,16,17,21,23,24,28}'Nakazora_G'",
                               "Nogi Chosi D = {4,-3,-1,1,4,6,9,11,13,16,18,21,23}'Nogi_D'",
                               "Nogi Chosi G = {9,2,4,6,9,11,14,16,18,21,23,26,28}'Nogi_G'",
                               "Gaku Chosi D = {4,-3,-1,2,4,6,9,11,14,16,18,21,23}'Gaku_D'",
                               "Gaku Chosi G = {9,2,4,7,9,11,14,16,19,21,23,26,28}'Gaku_G'",
                               "Haru No Umi = {-11,-8,-6,-5,-1,1,4,6,7,11,13,16,18}'HaruNoUmi'",
                               "DenEnShi = {-3,2,4,5,7,9,11,12,14,16,17,19,21}'DeEnShi'"};
    QTest::newRow("17")
        << 17 << 17
        << QStringList{"Doremi17 C3 = {-10,-8,-6,-5,-7,-9,1,2,4,6,7,9,11,13,14,16,18}'Doremi17_C'",
                       "DenEnshi17String = "
                       "{-22,-20,-19,-17,-15,-13,-12,-10,-8,-7,-5,-3,-1,0,2,4,5}'DenEnShi17'"};
    QTest::newRow("none of 7") << 7 << 7 << QStringList();
    QTest::newRow("0") << 0 << 0 << QStringList();
    QTest::newRow("over 99") << 150 << 99 << QStringList();
}

void TestScaleTemplates::templatesByNoteCount()
{
    QFETCH(int, opened);
    QFETCH(int, shown);
    QFETCH(QStringList, templates);
    DialogScaleTemplate dialog(opened);
    dialog.retranslate();
    QCOMPARE(child<QSpinBox>(dialog, "spinBox")->value(), shown);
    QCOMPARE(rows(dialog), templates);
    QVERIFY(!list(dialog)->currentItem());
    QVERIFY(list(dialog)->selectedItems().isEmpty());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Scale Templates"));
    QCOMPARE(child<QLabel>(dialog, "labelNumScaleNotes")->text(),
             QStringLiteral("Number of Scale Notes: "));
}

void TestScaleTemplates::okHandsOnTheCurrentTemplate()
{
    DialogScaleTemplate dialog(13);
    QSignalSpy chosen(&dialog, &DialogScaleTemplate::sigTemplateUpdated);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QPushButton>(dialog, "pushButtonOK")->click();
    QCOMPARE(chosen.count(), 0);
    QVERIFY(!dialog.isVisible());

    dialog.show();
    list(dialog)->setCurrentRow(0);
    child<QPushButton>(dialog, "pushButtonOK")->click();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(),
             QStringLiteral(".scale{2,4,6,7,9,11,13,14,16,18,19,21,23}'Doremi_C'"));
    QVERIFY(!dialog.isVisible());
}

void TestScaleTemplates::spinBoxRefillsTheList()
{
    DialogScaleTemplate dialog(7);
    QVERIFY(rows(dialog).isEmpty());
    child<QSpinBox>(dialog, "spinBox")->setValue(3);
    QCOMPARE(list(dialog)->count(), 3);
    QCOMPARE(list(dialog)->item(2)->text(), QStringLiteral("Sangen 3Sagari"));
    child<QSpinBox>(dialog, "spinBox")->setValue(4);
    QVERIFY(rows(dialog).isEmpty());
}

void TestScaleTemplates::cancelAndCloseBoxHandOnNothing()
{
    DialogScaleTemplate dialog(3);
    QSignalSpy chosen(&dialog, &DialogScaleTemplate::sigTemplateUpdated);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    list(dialog)->setCurrentRow(1);
    child<QPushButton>(dialog, "pushButtonCancel")->click();
    QVERIFY(!dialog.isVisible());
    dialog.show();
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(chosen.count(), 0);
}

// The 13-note templates as the user sees them.
void TestScaleTemplates::screenshot()
{
    DialogScaleTemplate dialog(13);
    dialog.retranslate();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    list(dialog)->setCurrentRow(2);
    QTest::qWait(50);
    const QImage image = dialog.grab().toImage();
    const QString folder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(image.save(folder + QStringLiteral("/scale-templates.png")));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY(colours.size() > 8);
    for (const char *name : {"listWidgetScaleList", "spinBox", "labelNumScaleNotes", "pushButtonOK",
                             "pushButtonCancel"}) {
        const QWidget *widget = child<QWidget>(dialog, name);
        QVERIFY2(widget->isVisible(), name);
        const QRect box(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        QVERIFY2(dialog.rect().contains(box), name);
        QVERIFY2(widget->width() >= widget->minimumSizeHint().width() &&
                     widget->height() >= widget->minimumSizeHint().height(),
                 name);
    }
}

VELMORA_TEST_MAIN(TestScaleTemplates)

} // namespace tst_scale_templates

#include "tst_scale_templates.moc"
