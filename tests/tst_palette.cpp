// The note-directive palette: its rows (MyQStandardItem), the ten groups
// with their 95 directive entries, the view's set-up, and its texts in each
// language.
#include "app/mainwindow.h"
#include "app/myqstandarditem.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFrame>
#include <QLayout>
#include <QPixmap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyle>
#include <QTranslator>
#include <QTreeView>

namespace tst_palette {

namespace {

constexpr int directiveRole = Qt::UserRole + 1;

const QStringList groupTitles{"Inserted Symbols",
                              "Common Symbols",
                              "Shakuhachi & Shinobue Symbols",
                              "Koto_Symbols",
                              "Sangen Ikuta Symbols",
                              "Shamisen Bunka Symbols",
                              "Attributes",
                              "Transpose",
                              "Scales (String Tunings)",
                              "Repeat Symbols"};

const QString headerLabel =
    QStringLiteral("Note Directives (Select a note (notes) and click a directive).");

// Every row of the model in tree order: each group, then its entries.
QList<QStandardItem *> treeOrder(QStandardItemModel *model)
{
    QList<QStandardItem *> rows;
    for (int g = 0; g < model->rowCount(); ++g) {
        QStandardItem *group = model->item(g);
        rows << group;
        for (int e = 0; e < group->rowCount(); ++e)
            rows << group->child(e);
    }
    return rows;
}

QStandardItem *entry(QStandardItemModel *model, const QString &group, const QString &directive)
{
    const int g = groupTitles.indexOf(group);
    QStandardItem *groupItem = model->item(g);
    for (int e = 0; groupItem && e < groupItem->rowCount(); ++e) {
        if (groupItem->child(e)->data(directiveRole).toString() == directive)
            return groupItem->child(e);
    }
    return nullptr;
}

bool isKotoThirteen(const QStandardItem *item)
{
    return item->data(directiveRole).toString().startsWith(QLatin1String(".scale{4,-3,"));
}

// Everything a language switch must leave as it was: directive texts and
// the icons' pictures.
QStringList fixedParts(QStandardItemModel *model)
{
    QStringList parts;
    for (QStandardItem *item : treeOrder(model)) {
        const QImage icon = item->icon().pixmap(24, 24).toImage();
        parts << item->data(directiveRole).toString() + QLatin1Char('|') +
                     QString::number(qHashBits(icon.constBits(), icon.sizeInBytes()));
    }
    return parts;
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void rowItemDefaults();
    void groupsInOrder();
    void entries_data();
    void entries();
    void groupHeadersCarryTextOnly();
    void everyRowKeepsItsFontButKotoThirteen();
    void viewSetUp();
    void everyEntryDrawsItsIcon();
    void retranslationReplacesTextsOnly_data();
    void retranslationReplacesTextsOnly();

private:
    QScopedPointer<MainWindow> window;
    QStandardItemModel *model = nullptr;
};

void TestPalette::initTestCase()
{
    window.reset(new MainWindow);
    model = window->palleteModel;
    QVERIFY(model);
}

void TestPalette::rowItemDefaults()
{
    const MyQStandardItem item;
    QVERIFY(!(item.flags() & Qt::ItemIsSelectable));
    QVERIFY(!(item.flags() & Qt::ItemIsEditable));
    const Qt::ItemFlags kept = Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    QCOMPARE(item.flags() & kept, kept);
    const QFont font = item.data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.family(), QStringLiteral("Yu Gothic"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(!font.italic());
    QCOMPARE(font.weight(), QFont::Normal);
    QCOMPARE(item.type(), int(QStandardItem::Type));
    QVERIFY(!item.data(directiveRole).isValid());
    QVERIFY(item.text().isEmpty());
}

void TestPalette::groupsInOrder()
{
    QCOMPARE(model->columnCount(), 1);
    QStringList titles;
    QList<int> counts;
    for (int g = 0; g < model->rowCount(); ++g) {
        titles << model->item(g)->text();
        counts << model->item(g)->rowCount();
    }
    QCOMPARE(titles, groupTitles);
    QCOMPARE(counts, (QList<int>{9, 12, 19, 23, 3, 7, 2, 1, 8, 11}));
    // Entries have no rows of their own.
    for (QStandardItem *item : treeOrder(model)) {
        if (item->parent())
            QCOMPARE(item->rowCount(), 0);
    }
    QCOMPARE(treeOrder(model).size(), 105);
}

void TestPalette::entries_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("directive");
    QTest::newRow("Inserted Symbols: Left parenthesis") << "Inserted Symbols"
                                                        << "Left parenthesis"
                                                        << ".(";
    QTest::newRow("Inserted Symbols: Right parenthesis") << "Inserted Symbols"
                                                         << "Right parenthesis"
                                                         << ".)";
    QTest::newRow("Inserted Symbols: Left gray parenthesis") << "Inserted Symbols"
                                                             << "Left gray parenthesis"
                                                             << ".gray(";
    QTest::newRow("Inserted Symbols: Right gray parenthesis") << "Inserted Symbols"
                                                              << "Right gray parenthesis"
                                                              << ".gray)";
    QTest::newRow("Inserted Symbols: Rest") << "Inserted Symbols"
                                            << "Rest"
                                            << ".restKinko";
    QTest::newRow("Inserted Symbols: Suru (Portamento)") << "Inserted Symbols"
                                                         << "Suru (Portamento)"
                                                         << ".su";
    QTest::newRow("Inserted Symbols: White Space Before") << "Inserted Symbols"
                                                          << "White Space Before"
                                                          << ".whiteSpaceBefore";
    QTest::newRow("Inserted Symbols: White Space After") << "Inserted Symbols"
                                                         << "White Space After"
                                                         << ".whiteSpaceAfter";
    QTest::newRow("Inserted Symbols: Kinko Ra") << "Inserted Symbols"
                                                << "Kinko Ra"
                                                << ".kinkoRa";
    QTest::newRow("Common Symbols: Scoop") << "Common Symbols"
                                           << "Scoop"
                                           << ".Scoop";
    QTest::newRow("Common Symbols: Fall") << "Common Symbols"
                                          << "Fall"
                                          << ".Fall";
    QTest::newRow("Common Symbols: Doit") << "Common Symbols"
                                          << "Doit"
                                          << ".Doit";
    QTest::newRow("Common Symbols: Plop") << "Common Symbols"
                                          << "Plop"
                                          << ".Plop";
    QTest::newRow("Common Symbols: Slide In Below") << "Common Symbols"
                                                    << "Slide In Below"
                                                    << ".SlideInBelow";
    QTest::newRow("Common Symbols: Slide In Above") << "Common Symbols"
                                                    << "Slide In Above"
                                                    << ".SlideInAbove";
    QTest::newRow("Common Symbols: Slide Out Up") << "Common Symbols"
                                                  << "Slide Out Up"
                                                  << ".SlideOutUp";
    QTest::newRow("Common Symbols: Slide Out Down") << "Common Symbols"
                                                    << "Slide Out Down"
                                                    << ".SlideOutDown";
    QTest::newRow("Common Symbols: Slide In below (Rough)") << "Common Symbols"
                                                            << "Slide In below (Rough)"
                                                            << ".SlideInBelowRough";
    QTest::newRow("Common Symbols: Slide In Above (Rough)") << "Common Symbols"
                                                            << "Slide In Above (Rough)"
                                                            << ".SlideInAboveRough";
    QTest::newRow("Common Symbols: Slide Out Up (Rough)") << "Common Symbols"
                                                          << "Slide Out Up (Rough)"
                                                          << ".SlideOutUpRough";
    QTest::newRow("Common Symbols: Slide Out Down (Rough)") << "Common Symbols"
                                                            << "Slide Out Down (Rough)"
                                                            << ".SlideOutDownRough";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Suri") << "Shakuhachi & Shinobue Symbols"
                                                         << "Suri"
                                                         << ".~";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Suri Tozan") << "Shakuhachi & Shinobue Symbols"
                                                               << "Suri Tozan"
                                                               << ".SuriTozan";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Suriage") << "Shakuhachi & Shinobue Symbols"
                                                            << "Suriage"
                                                            << ".effect_C";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Otoshi") << "Shakuhachi & Shinobue Symbols"
                                                           << "Otoshi"
                                                           << ".effect_Fall";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Suriage + Modoshi")
        << "Shakuhachi & Shinobue Symbols"
        << "Suriage + Modoshi"
        << ".effect_Rise";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Meri + Suriage")
        << "Shakuhachi & Shinobue Symbols"
        << "Meri + Suriage"
        << ".effect_S";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Merikomi") << "Shakuhachi & Shinobue Symbols"
                                                             << "Merikomi"
                                                             << ".effect_Sink";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Ru") << "Shakuhachi & Shinobue Symbols"
                                                       << "Ru"
                                                       << ".Ru";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Bar") << "Shakuhachi & Shinobue Symbols"
                                                        << "Bar"
                                                        << ".Bar";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Kan") << "Shakuhachi & Shinobue Symbols"
                                                        << "Kan"
                                                        << ".Kan_Paren";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Otsu") << "Shakuhachi & Shinobue Symbols"
                                                         << "Otsu"
                                                         << ".Otsu_Paren";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Breath") << "Shakuhachi & Shinobue Symbols"
                                                           << "Breath"
                                                           << ".Breath_Paren";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Hole Number 1") << "Shakuhachi & Shinobue Symbols"
                                                                  << "Hole Number 1"
                                                                  << ".holeNo_1";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Hole Number 2") << "Shakuhachi & Shinobue Symbols"
                                                                  << "Hole Number 2"
                                                                  << ".holeNo_2";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Hole Number 3") << "Shakuhachi & Shinobue Symbols"
                                                                  << "Hole Number 3"
                                                                  << ".holeNo_3";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Hole Number 4") << "Shakuhachi & Shinobue Symbols"
                                                                  << "Hole Number 4"
                                                                  << ".holeNo_4";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Hole Number 5") << "Shakuhachi & Shinobue Symbols"
                                                                  << "Hole Number 5"
                                                                  << ".holeNo_5";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Bracket Begin") << "Shakuhachi & Shinobue Symbols"
                                                                  << "Bracket Begin"
                                                                  << ".BracketBegin";
    QTest::newRow("Shakuhachi & Shinobue Symbols: Bracket End") << "Shakuhachi & Shinobue Symbols"
                                                                << "Bracket End"
                                                                << ".BracketEnd";
    QTest::newRow("Koto_Symbols: Kesu") << "Koto_Symbols"
                                        << "Kesu"
                                        << ".koto_Kesu";
    QTest::newRow("Koto_Symbols: Tsukiiro") << "Koto_Symbols"
                                            << "Tsukiiro"
                                            << ".koto_Tsukiiro";
    QTest::newRow("Koto_Symbols: Hikiiro") << "Koto_Symbols"
                                           << "Hikiiro"
                                           << ".koto_Hikiiro";
    QTest::newRow("Koto_Symbols: Sukui") << "Koto_Symbols"
                                         << "Sukui"
                                         << ".koto_Sukui2";
    QTest::newRow("Koto_Symbols: Yuri") << "Koto_Symbols"
                                        << "Yuri"
                                        << ".koto_Yuri";
    QTest::newRow("Koto_Symbols: OshiHanashi") << "Koto_Symbols"
                                               << "OshiHanashi"
                                               << ".koto_OshiHanashi";
    QTest::newRow("Koto_Symbols: An") << "Koto_Symbols"
                                      << "An"
                                      << ".koto_A";
    QTest::newRow("Koto_Symbols: Chirashi Zume") << "Koto_Symbols"
                                                 << "Chirashi Zume"
                                                 << ".koto_ChirashiZume";
    QTest::newRow("Koto_Symbols: Chirashi Zume (Reverse)") << "Koto_Symbols"
                                                           << "Chirashi Zume (Reverse)"
                                                           << ".koto_ChirashiZumeReverse";
    QTest::newRow("Koto_Symbols: Chirashi Zume (Seiha)") << "Koto_Symbols"
                                                         << "Chirashi Zume (Seiha)"
                                                         << ".koto_ChirashiZumeSeiha";
    QTest::newRow("Koto_Symbols: Waren") << "Koto_Symbols"
                                         << "Waren"
                                         << ".koto_Waren";
    QTest::newRow("Koto_Symbols: Waren (Reverse)") << "Koto_Symbols"
                                                   << "Waren (Reverse)"
                                                   << ".koto_WarenReverse";
    QTest::newRow("Koto_Symbols: Waren 2") << "Koto_Symbols"
                                           << "Waren 2"
                                           << ".koto_Waren_Seiha";
    QTest::newRow("Koto_Symbols: Zoo Left") << "Koto_Symbols"
                                            << "Zoo Left"
                                            << ".koto_ZooLeft";
    QTest::newRow("Koto_Symbols: Zoo Right") << "Koto_Symbols"
                                             << "Zoo Right"
                                             << ".koto_ZooRight";
    QTest::newRow("Koto_Symbols: SuriZume Left (Seiha)") << "Koto_Symbols"
                                                         << "SuriZume Left (Seiha)"
                                                         << ".koto_SuriZumeLeft";
    QTest::newRow("Koto_Symbols: SuriZume Right (Seiha)") << "Koto_Symbols"
                                                          << "SuriZume Right (Seiha)"
                                                          << ".koto_SuriZumeRight";
    QTest::newRow("Koto_Symbols: Oshi") << "Koto_Symbols"
                                        << "Oshi"
                                        << ".koto_Oshi";
    QTest::newRow("Koto_Symbols: Oshi2") << "Koto_Symbols"
                                         << "Oshi2"
                                         << ".koto_Oshi2";
    QTest::newRow("Koto_Symbols: Oshi3") << "Koto_Symbols"
                                         << "Oshi3"
                                         << ".koto_Oshi3";
    QTest::newRow("Koto_Symbols: Seiha Oshi") << "Koto_Symbols"
                                              << "Seiha Oshi"
                                              << ".koto_Seiha_Oshi";
    QTest::newRow("Koto_Symbols: Seiha Oshi2") << "Koto_Symbols"
                                               << "Seiha Oshi2"
                                               << ".koto_Seiha_Oshi2";
    QTest::newRow("Koto_Symbols: Seiha Oshi3") << "Koto_Symbols"
                                               << "Seiha Oshi3"
                                               << ".koto_Seiha_Oshi3";
    QTest::newRow("Sangen Ikuta Symbols: Suri Age") << "Sangen Ikuta Symbols"
                                                    << "Suri Age"
                                                    << ".sangen_SuriAge";
    QTest::newRow("Sangen Ikuta Symbols: Suri Sage") << "Sangen Ikuta Symbols"
                                                     << "Suri Sage"
                                                     << ".sangen_SuriSage";
    QTest::newRow("Sangen Ikuta Symbols: Utsu") << "Sangen Ikuta Symbols"
                                                << "Utsu"
                                                << ".sangen_Utsu";
    QTest::newRow("Shamisen Bunka Symbols: Sukui") << "Shamisen Bunka Symbols"
                                                   << "Sukui"
                                                   << ".bunka_Sukui";
    QTest::newRow("Shamisen Bunka Symbols: Hajiki") << "Shamisen Bunka Symbols"
                                                    << "Hajiki"
                                                    << ".bunka_Hajiki";
    QTest::newRow("Shamisen Bunka Symbols: Utsu") << "Shamisen Bunka Symbols"
                                                  << "Utsu"
                                                  << ".bunka_Utsu";
    QTest::newRow("Shamisen Bunka Symbols: Suri") << "Shamisen Bunka Symbols"
                                                  << "Suri"
                                                  << ".bunka_Suri";
    QTest::newRow("Shamisen Bunka Symbols: Finger I") << "Shamisen Bunka Symbols"
                                                      << "Finger I"
                                                      << ".bunka_Fing1";
    QTest::newRow("Shamisen Bunka Symbols: Finger II") << "Shamisen Bunka Symbols"
                                                       << "Finger II"
                                                       << ".bunka_Fing2";
    QTest::newRow("Shamisen Bunka Symbols: Finger III") << "Shamisen Bunka Symbols"
                                                        << "Finger III"
                                                        << ".bunka_Fing3";
    QTest::newRow("Attributes: Pizzicato/Hajiki") << "Attributes"
                                                  << "Pizzicato/Hajiki"
                                                  << ".pizz";
    QTest::newRow("Attributes: Invisible Note") << "Attributes"
                                                << "Invisible Note"
                                                << ".invisible";
    QTest::newRow("Transpose: Transpose") << "Transpose"
                                          << "Transpose"
                                          << ".transpose{0}";
    QTest::newRow("Scales (String Tunings): Koto 13 Strings")
        << "Scales (String Tunings)"
        << "Koto 13 Strings"
        << ".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Koto13(Hira_D)'";
    QTest::newRow("Scales (String Tunings): Koto 17 Strings")
        << "Scales (String Tunings)"
        << "Koto 17 Strings"
        << ".scale{-22,-20,-19,-17,-15,-14,-12,-10,-8,-7,-5,-3,-1,0,2,4,5}'Koto17'";
    QTest::newRow("Scales (String Tunings): Koto 20 Strings")
        << "Scales (String Tunings)"
        << "Koto 20 Strings"
        << ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37}'Koto20'";
    QTest::newRow("Scales (String Tunings): Koto 25 Strings")
        << "Scales (String Tunings)"
        << "Koto 25 Strings"
        << ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37,38,40,42,43}'Koto25'";
    QTest::newRow("Scales (String Tunings): Koto 25 Strings Low Tunig")
        << "Scales (String Tunings)"
        << "Koto 25 Strings Low Tunig"
        << ".scale{-10,-8,-6,-5,-3,-1,1,2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31}'Koto25_"
           "Low'";
    QTest::newRow("Scales (String Tunings): Sangen Honchoshi")
        << "Scales (String Tunings)"
        << "Sangen Honchoshi"
        << ".scaleSangen{4,9,16}'Sangen_Honchoshi'";
    QTest::newRow("Scales (String Tunings): Sangen 2Agari")
        << "Scales (String Tunings)"
        << "Sangen 2Agari"
        << ".scaleSangen{4,11,16}'Sangen_2Agari'";
    QTest::newRow("Scales (String Tunings): Sangen 3Sagari")
        << "Scales (String Tunings)"
        << "Sangen 3Sagari"
        << ".scaleSangen{4,9,14}'Sangen_3Sagari'";
    QTest::newRow("Repeat Symbols: Inhibit note repeat") << "Repeat Symbols"
                                                         << "Inhibit note repeat"
                                                         << ".noPrev";
    QTest::newRow("Repeat Symbols: Long repeat Simile (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat Simile (Select one or two notes)"
        << ".longRepeatSimile{1}";
    QTest::newRow("Repeat Symbols: Long repeat 1 (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat 1 (Select one or two notes)"
        << ".longRepeat{1}";
    QTest::newRow("Repeat Symbols: Long repeat 2 (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat 2 (Select one or two notes)"
        << ".longRepeat2{1}";
    QTest::newRow("Repeat Symbols: Long repeat 3 (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat 3 (Select one or two notes)"
        << ".longRepeat3{1}";
    QTest::newRow("Repeat Symbols: Long repeat 4 (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat 4 (Select one or two notes)"
        << ".longRepeat4{1}";
    QTest::newRow("Repeat Symbols: Long repeat accel (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat accel (Select one or two notes)"
        << ".longRepeatAccel{1}";
    QTest::newRow("Repeat Symbols: Long repeat beat1 (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat beat1 (Select one or two notes)"
        << ".longRepeatBeat1{1}";
    QTest::newRow("Repeat Symbols: Long repeat beat2 (Select one or two notes)")
        << "Repeat Symbols"
        << "Long repeat beat2 (Select one or two notes)"
        << ".longRepeatBeat2{1}";
    QTest::newRow("Repeat Symbols: Long step up (Select one or two notes)")
        << "Repeat Symbols"
        << "Long step up (Select one or two notes)"
        << ".longStepUp{1}";
    QTest::newRow("Repeat Symbols: Long step down (Select one or two notes)")
        << "Repeat Symbols"
        << "Long step down (Select one or two notes)"
        << ".longStepDown{1}";
}

void TestPalette::entries()
{
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(QString, directive);
    QStandardItem *item = entry(model, group, directive);
    QVERIFY2(item, qPrintable(directive));
    QCOMPARE(item->text(), text);
    QCOMPARE(item->data(directiveRole).metaType(), QMetaType::fromType<QString>());
    QVERIFY(!item->icon().isNull());
    const QPixmap picture = item->icon().pixmap(32, 32);
    QVERIFY(!picture.isNull() && picture.width() > 0);
    QVERIFY(!(item->flags() & (Qt::ItemIsSelectable | Qt::ItemIsEditable)));
    QVERIFY(item->flags() & Qt::ItemIsEnabled);
}

void TestPalette::groupHeadersCarryTextOnly()
{
    for (int g = 0; g < model->rowCount(); ++g) {
        QStandardItem *group = model->item(g);
        QVERIFY(!group->data(directiveRole).isValid());
        QVERIFY(group->icon().isNull());
        QVERIFY(!(group->flags() & (Qt::ItemIsSelectable | Qt::ItemIsEditable)));
    }
}

// Every row in "Yu Gothic" at 14 points, except "Koto 13 Strings", which the
// retranslation at construction set to the default size.
void TestPalette::everyRowKeepsItsFontButKotoThirteen()
{
    const int defaultSize = QFont(QStringLiteral("Yu Gothic")).pointSize();
    QVERIFY(defaultSize != 14);
    int kotoThirteen = 0;
    for (QStandardItem *item : treeOrder(model)) {
        const QFont font = item->font();
        QCOMPARE(font.family(), QStringLiteral("Yu Gothic"));
        if (isKotoThirteen(item)) {
            ++kotoThirteen;
            QCOMPARE(item->text(), QStringLiteral("Koto 13 Strings"));
            QCOMPARE(font.pointSize(), defaultSize);
        } else {
            QVERIFY2(font.pointSize() == 14, qPrintable(item->text()));
        }
    }
    QCOMPARE(kotoThirteen, 1);
}

void TestPalette::viewSetUp()
{
    QTreeView *view = window->palleteView;
    QVERIFY(view);
    QCOMPARE(view->model(), model);
    QCOMPARE(view->parentWidget(), window->palleteFrame);
    QLayout *layout = window->palleteFrame->layout();
    QVERIFY(layout && qobject_cast<QVBoxLayout *>(layout));
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), view);
    for (int g = 0; g < model->rowCount(); ++g)
        QVERIFY(view->isExpanded(model->index(g, 0)));
    QCOMPARE(model->horizontalHeaderItem(0)->text(), headerLabel);
    QCOMPARE(view->styleSheet(),
             QStringLiteral(
                 "QTreeView::item:hover {    background: tomato;   border: 1px solid #bfcde4; }"));
    // The click goes to the window's palette slot: the connection exists
    // (disconnecting it succeeds), and is made again.
    QVERIFY(
        QObject::disconnect(view, &QTreeView::clicked, window.get(), &MainWindow::palleteClicked));
    connect(view, &QTreeView::clicked, window.get(), &MainWindow::palleteClicked);
    // A click reaches the view's click signal and selects nothing.
    window->resize(900, 700);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QModelIndex first = model->index(0, 0, model->index(0, 0));
    const QRect rect = view->visualRect(first);
    QVERIFY(!rect.isEmpty());
    QSignalSpy clicks(view, &QTreeView::clicked);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().first().value<QModelIndex>(), first);
    QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
    window->hide();
}

// The whole tree drawn tall enough for every row, without texts: each
// entry's icon leaves ink at its row's left. Saved for a look with texts.
void TestPalette::everyEntryDrawsItsIcon()
{
    for (QStandardItem *item : treeOrder(model))
        item->setText(QString());
    const auto texts = qScopeGuard([this] { window->retranslatePallete(); });
    QTreeView view;
    view.setModel(model);
    view.expandAll();
    // No focus, so no current row is highlighted.
    view.setFocusPolicy(Qt::NoFocus);
    view.resize(420, 2700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.viewport()->grab().toImage();
    const QString folder =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../screenshots");
    QDir().mkpath(folder);
    QVERIFY(shot.save(folder + QStringLiteral("/palette-icons.png")));
    const QRgb background = shot.pixel(shot.width() - 2, shot.height() - 2);
    const auto inked = [&](const QRect &box) {
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                count += shot.pixel(x, y) != background;
        return count;
    };
    const int iconSide = view.iconSize().isValid()
                             ? view.iconSize().height()
                             : view.style()->pixelMetric(QStyle::PM_SmallIconSize);
    for (QStandardItem *item : treeOrder(model)) {
        const QRect row = view.visualRect(item->index());
        QVERIFY2(shot.rect().contains(row), qPrintable(item->text()));
        // The icon stands at the row's left, as tall as the small icon size.
        const QRect iconBox(row.left(), row.top(), iconSide, row.height());
        if (item->parent())
            QVERIFY2(inked(iconBox) > 4, qPrintable(item->data(directiveRole).toString()));
        else
            QCOMPARE(inked(iconBox), 0);
    }
    window->retranslatePallete();
    QCOMPARE(model->item(0)->text(), groupTitles.first());
    QVERIFY(view.viewport()->grab().save(folder + QStringLiteral("/palette.png")));
}

void TestPalette::retranslationReplacesTextsOnly_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Japanese") << "ja";
    QTest::newRow("Chinese") << "zh";
}

void TestPalette::retranslationReplacesTextsOnly()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/languages/velmora_") + language));
    const QList<QStandardItem *> rows = treeOrder(model);
    QStringList english;
    for (QStandardItem *item : rows)
        english << item->text();
    const QStringList fixed = fixedParts(model);
    // Another size set by hand shows that every retranslation resets it.
    for (QStandardItem *item : rows) {
        if (isKotoThirteen(item))
            item->setFont(QFont(QStringLiteral("Yu Gothic"), 20));
    }

    if (language == QLatin1String("ja"))
        window->langJapanese();
    else
        window->langChinese();
    QCOMPARE(model->horizontalHeaderItem(0)->text(),
             catalogue.translate("MainWindow", qPrintable(headerLabel)));
    QVERIFY(model->horizontalHeaderItem(0)->text() != headerLabel);
    int changed = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const QString expected = catalogue.translate("MainWindow", qPrintable(english.at(i)));
        QVERIFY2(!expected.isEmpty(), qPrintable(english.at(i)));
        QCOMPARE(rows.at(i)->text(), expected);
        changed += expected != english.at(i);
    }
    // Hardly any name reads the same in both languages.
    QVERIFY2(changed > 90, qPrintable(QString::number(changed)));
    QCOMPARE(fixedParts(model), fixed);
    for (QStandardItem *item : rows)
        QCOMPARE(item->font().pointSize(),
                 isKotoThirteen(item) ? QFont(QStringLiteral("Yu Gothic")).pointSize() : 14);

    window->langEnglish();
    QStringList back;
    for (QStandardItem *item : rows)
        back << item->text();
    QCOMPARE(back, english);
    QCOMPARE(fixedParts(model), fixed);
}

VELMORA_TEST_MAIN(TestPalette)

} // namespace tst_palette
#include "tst_palette.moc"
