// MainWindow: the note-directive palette beside the score tabs, a tree of
// ten groups of directive entries built once from one table.
// A click on an entry gives its directive to the selected notes of the
// score in front.
#include "app/mainwindow.h"

#include "app/myqstandarditem.h"
#include "model/score.h"
#include "platform/prompter.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// One row of the palette in tree order: a group heading (no directive) or
// a directive entry of the heading above it. Icons of the koto, sangen and
// bunka groups are named without their ".png", which the image loader adds.
struct PalleteRow
{
    const char *text;
    const char *directive;
    const char *icon;
};

const PalleteRow palleteRows[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Inserted Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Left parenthesis"), ".(", ":/images/LPar.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Right parenthesis"), ".)", ":/images/RPar.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Left gray parenthesis"), ".gray(", ":/images/GrayLPar.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Right gray parenthesis"), ".gray)", ":/images/GrayRPar.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Rest"), ".restKinko", ":/images/RestKinko.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Suru (Portamento)"), ".su", ":/images/Suru.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "White Space Before"), ".whiteSpaceBefore",
     ":/images/WhiteSpaceBefore.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "White Space After"), ".whiteSpaceAfter",
     ":/images/WhiteSpaceAfter.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Kinko Ra"), ".kinkoRa", ":/images/KinkoRa.png"},

    {QT_TRANSLATE_NOOP("MainWindow", "Common Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Scoop"), ".Scoop", ":/images/Scoop.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Fall"), ".Fall", ":/images/Fall.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Doit"), ".Doit", ":/images/Doit.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Plop"), ".Plop", ":/images/Plop.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide In Below"), ".SlideInBelow",
     ":/images/SlideInBelow.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide In Above"), ".SlideInAbove",
     ":/images/SlideInAbove.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide Out Up"), ".SlideOutUp", ":/images/SlideOutUp.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide Out Down"), ".SlideOutDown",
     ":/images/SlideOutDown.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide In below (Rough)"), ".SlideInBelowRough",
     ":/images/SlideInBelowRough.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide In Above (Rough)"), ".SlideInAboveRough",
     ":/images/SlideInAboveRough.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide Out Up (Rough)"), ".SlideOutUpRough",
     ":/images/SlideOutUpRough.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Slide Out Down (Rough)"), ".SlideOutDownRough",
     ":/images/SlideOutDownRough.png"},

    {QT_TRANSLATE_NOOP("MainWindow", "Shakuhachi & Shinobue Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Suri"), ".~", ":/images/Tilda.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Suri Tozan"), ".SuriTozan", ":/images/SuriTozan.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Suriage"), ".effect_C", ":/images/Effect_C.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Otoshi"), ".effect_Fall", ":/images/Effect_Fall.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Suriage + Modoshi"), ".effect_Rise",
     ":/images/Effect_Rise.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Meri + Suriage"), ".effect_S", ":/images/Effect_S.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Merikomi"), ".effect_Sink", ":/images/Effect_Sink.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Ru"), ".Ru", ":/images/Ru.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Bar"), ".Bar", ":/images/Bar.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Kan"), ".Kan_Paren", ":/images/Kan_Paren.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Otsu"), ".Otsu_Paren", ":/images/Otsu_Paren.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Breath"), ".Breath_Paren", ":/images/Breath_Paren_V.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hole Number 1"), ".holeNo_1", ":/images/HoleNo_1.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hole Number 2"), ".holeNo_2", ":/images/HoleNo_2.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hole Number 3"), ".holeNo_3", ":/images/HoleNo_3.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hole Number 4"), ".holeNo_4", ":/images/HoleNo_4.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hole Number 5"), ".holeNo_5", ":/images/HoleNo_5.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Bracket Begin"), ".BracketBegin",
     ":/images/BracketBegin.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Bracket End"), ".BracketEnd", ":/images/BracketEnd.png"},

    {QT_TRANSLATE_NOOP("MainWindow", "Koto_Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Kesu"), ".koto_Kesu", ":/images/Kesu"},
    {QT_TRANSLATE_NOOP("MainWindow", "Tsukiiro"), ".koto_Tsukiiro", ":/images/Tsukiiro"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hikiiro"), ".koto_Hikiiro", ":/images/Hikiiro"},
    {QT_TRANSLATE_NOOP("MainWindow", "Sukui"), ".koto_Sukui2", ":/images/Sukui2"},
    {QT_TRANSLATE_NOOP("MainWindow", "Yuri"), ".koto_Yuri", ":/images/Yuri"},
    {QT_TRANSLATE_NOOP("MainWindow", "OshiHanashi"), ".koto_OshiHanashi", ":/images/OshiHanashi"},
    {QT_TRANSLATE_NOOP("MainWindow", "An"), ".koto_A", ":/images/A"},
    {QT_TRANSLATE_NOOP("MainWindow", "Chirashi Zume"), ".koto_ChirashiZume",
     ":/images/ChirashiZume"},
    {QT_TRANSLATE_NOOP("MainWindow", "Chirashi Zume (Reverse)"), ".koto_ChirashiZumeReverse",
     ":/images/ChirashiZumeReverse"},
    {QT_TRANSLATE_NOOP("MainWindow", "Chirashi Zume (Seiha)"), ".koto_ChirashiZumeSeiha",
     ":/images/ChirashiZumeSeiha"},
    {QT_TRANSLATE_NOOP("MainWindow", "Waren"), ".koto_Waren", ":/images/Waren"},
    {QT_TRANSLATE_NOOP("MainWindow", "Waren (Reverse)"), ".koto_WarenReverse",
     ":/images/WarenReverse"},
    {QT_TRANSLATE_NOOP("MainWindow", "Waren 2"), ".koto_Waren_Seiha", ":/images/Waren_Seiha"},
    {QT_TRANSLATE_NOOP("MainWindow", "Zoo Left"), ".koto_ZooLeft", ":/images/ZooLeft"},
    {QT_TRANSLATE_NOOP("MainWindow", "Zoo Right"), ".koto_ZooRight", ":/images/ZooRight"},
    {QT_TRANSLATE_NOOP("MainWindow", "SuriZume Left (Seiha)"), ".koto_SuriZumeLeft",
     ":/images/SuriZumeLeft"},
    {QT_TRANSLATE_NOOP("MainWindow", "SuriZume Right (Seiha)"), ".koto_SuriZumeRight",
     ":/images/SuriZumeRight"},
    {QT_TRANSLATE_NOOP("MainWindow", "Oshi"), ".koto_Oshi", ":/images/Oshi"},
    {QT_TRANSLATE_NOOP("MainWindow", "Oshi2"), ".koto_Oshi2", ":/images/Oshi2"},
    {QT_TRANSLATE_NOOP("MainWindow", "Oshi3"), ".koto_Oshi3", ":/images/Oshi3"},
    {QT_TRANSLATE_NOOP("MainWindow", "Seiha Oshi"), ".koto_Seiha_Oshi", ":/images/Seiha_Oshi"},
    {QT_TRANSLATE_NOOP("MainWindow", "Seiha Oshi2"), ".koto_Seiha_Oshi2", ":/images/Seiha_Oshi2"},
    {QT_TRANSLATE_NOOP("MainWindow", "Seiha Oshi3"), ".koto_Seiha_Oshi3", ":/images/Seiha_Oshi3"},

    {QT_TRANSLATE_NOOP("MainWindow", "Sangen Ikuta Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Suri Age"), ".sangen_SuriAge", ":/images/SangenSuriAge"},
    {QT_TRANSLATE_NOOP("MainWindow", "Suri Sage"), ".sangen_SuriSage", ":/images/SangenSuriSage"},
    {QT_TRANSLATE_NOOP("MainWindow", "Utsu"), ".sangen_Utsu", ":/images/BunkaUtsu"},

    {QT_TRANSLATE_NOOP("MainWindow", "Shamisen Bunka Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Sukui"), ".bunka_Sukui", ":/images/BunkaSukui"},
    {QT_TRANSLATE_NOOP("MainWindow", "Hajiki"), ".bunka_Hajiki", ":/images/BunkaHajiki"},
    {QT_TRANSLATE_NOOP("MainWindow", "Utsu"), ".bunka_Utsu", ":/images/BunkaUtsu"},
    {QT_TRANSLATE_NOOP("MainWindow", "Suri"), ".bunka_Suri", ":/images/BunkaSuri"},
    {QT_TRANSLATE_NOOP("MainWindow", "Finger I"), ".bunka_Fing1", ":/images/BunkaFing1"},
    {QT_TRANSLATE_NOOP("MainWindow", "Finger II"), ".bunka_Fing2", ":/images/BunkaFing2"},
    {QT_TRANSLATE_NOOP("MainWindow", "Finger III"), ".bunka_Fing3", ":/images/BunkaFing3"},

    {QT_TRANSLATE_NOOP("MainWindow", "Attributes"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Pizzicato/Hajiki"), ".pizz", ":/images/Pizz.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Invisible Note"), ".invisible", ":/images/Invisible.png"},

    {QT_TRANSLATE_NOOP("MainWindow", "Transpose"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Transpose"), ".transpose{0}", ":/images/transpose.png"},

    {QT_TRANSLATE_NOOP("MainWindow", "Scales (String Tunings)"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 13 Strings"),
     ".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Koto13(Hira_D)'", ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 17 Strings"),
     ".scale{-22,-20,-19,-17,-15,-14,-12,-10,-8,-7,-5,-3,-1,0,2,4,5}'Koto17'",
     ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 20 Strings"),
     ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37}'Koto20'",
     ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 25 Strings"),
     ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37,38,40,42,43}'Koto25'",
     ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 25 Strings Low Tunig"),
     ".scale{-10,-8,-6,-5,-3,-1,1,2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31}"
     "'Koto25_Low'",
     ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Sangen Honchoshi"), ".scaleSangen{4,9,16}'Sangen_Honchoshi'",
     ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Sangen 2Agari"), ".scaleSangen{4,11,16}'Sangen_2Agari'",
     ":/images/scale.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Sangen 3Sagari"), ".scaleSangen{4,9,14}'Sangen_3Sagari'",
     ":/images/scale.png"},

    {QT_TRANSLATE_NOOP("MainWindow", "Repeat Symbols"), nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainWindow", "Inhibit note repeat"), ".noPrev", ":/images/noPrev.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat Simile (Select one or two notes)"),
     ".longRepeatSimile{1}", ":/images/Simile.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat 1 (Select one or two notes)"), ".longRepeat{1}",
     ":/images/LongRepeat1.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat 2 (Select one or two notes)"), ".longRepeat2{1}",
     ":/images/LongRepeat2.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat 3 (Select one or two notes)"), ".longRepeat3{1}",
     ":/images/LongRepeat3.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat 4 (Select one or two notes)"), ".longRepeat4{1}",
     ":/images/LongRepeat4.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat accel (Select one or two notes)"),
     ".longRepeatAccel{1}", ":/images/LongRepeatAccel.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat beat1 (Select one or two notes)"),
     ".longRepeatBeat1{1}", ":/images/LongRepeatBeat1.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long repeat beat2 (Select one or two notes)"),
     ".longRepeatBeat2{1}", ":/images/LongRepeatBeat2.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long step up (Select one or two notes)"), ".longStepUp{1}",
     ":/images/StepUp.png"},
    {QT_TRANSLATE_NOOP("MainWindow", "Long step down (Select one or two notes)"),
     ".longStepDown{1}", ":/images/StepDown.png"},
};

// The one entry that every retranslation sets back to the default size.
const char kotoThirteen[] = "Koto 13 Strings";

} // namespace

void MainWindow::createPallete()
{
    palleteView = new QTreeView(this);
    palleteView->setStyleSheet(QStringLiteral("QTreeView::item:hover{background-color:#eeeeee;}"));
    palleteModel = new QStandardItemModel(this);
    QStandardItem *root = palleteModel->invisibleRootItem();
    connect(palleteView, &QTreeView::clicked, this, &MainWindow::palleteClicked);

    auto *layout = new QVBoxLayout;
    layout->addWidget(palleteView);
    palleteFrame->setLayout(layout);
    palleteView->setModel(palleteModel);

    QStandardItem *group = nullptr;
    for (const PalleteRow &row : palleteRows) {
        auto *item = new MyQStandardItem;
        palleteItems.append(item);
        if (!row.directive) {
            root->appendRow(item);
            group = item;
            continue;
        }
        group->appendRow(item);
        item->setIcon(QIcon(QPixmap(QString::fromLatin1(row.icon))));
        item->setData(QString::fromLatin1(row.directive), Qt::UserRole + 1);
    }
    palleteView->expandAll();
}

void MainWindow::retranslatePallete()
{
    palleteModel->setHorizontalHeaderLabels(
        {tr("Note Directives (Select a note (notes) and click a directive).")});
    for (qsizetype i = 0; i < palleteItems.size(); ++i) {
        const char *text = palleteRows[i].text;
        palleteItems.at(i)->setText(tr(text));
        if (qstrcmp(text, kotoThirteen) == 0)
            palleteItems.at(i)->setFont(QFont(QStringLiteral("Yu Gothic")));
    }
}

void MainWindow::palleteClicked(const QModelIndex &index)
{
    Score *score = currentScore();
    if (!score)
        return;
    // A group header carries no directive: nothing to attach.
    const QString text = index.data(Qt::UserRole + 1).toString();
    if (text.isEmpty())
        return;
    if (text.startsWith(QLatin1String(".longRepeat")) ||
        text.startsWith(QLatin1String(".longStep"))) {
        const int refusal = score->addDirectiveLongRepeat(text);
        if (refusal == 1) {
            Prompter::instance().information(this, tr("Velmora"), tr("Select base chord note!"));
            return;
        }
        if (refusal == 2) {
            Prompter::instance().information(this, tr("Velmora"),
                                             tr("Long repeats cannot be nested!"));
            return;
        }
    }
    score->addDirectives(text);
}

void MainWindow::displayPallete()
{
    const bool checked = ui->actionPalleteNew->isChecked();
    qDebug().noquote() << "enter displayPattlete checked=" << (checked ? "true" : "false");
    palleteFrame->setVisible(checked);
}
