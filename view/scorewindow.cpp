#include "view/scorewindow.h"

#include "model/score.h"
#include "platform/hugepageheap.h"
#include "view/navigator.h"

#include <QDebug>
#include <QSplitter>
#include <QVBoxLayout>

ScoreWindow::ScoreWindow(Score *score, QWidget *parent) : QWidget(parent), score(score)
{
    navigator = new Navigator(score->scene, this);
    connect(navigator, &Navigator::sigNaviPos, score, &Score::navigatePos);
    connect(navigator, &Navigator::sigNaviMagnify, score, &Score::navigateMagnify);
    connect(score, &Score::sigScoreRepainted, navigator, &Navigator::navigateRect);

    // The splitter takes both views as children; the layout then makes it
    // this window's child.
    splitter = new QSplitter;
    splitter->setOrientation(Qt::Vertical);
    splitter->addWidget(score);
    splitter->addWidget(navigator);
    // Only the proportion counts: the splitter stretches them to its height.
    splitter->setSizes({550, 50});

    auto *layout = new QVBoxLayout;
    layout->addWidget(splitter);
    setLayout(layout);
}

ScoreWindow::~ScoreWindow()
{
    // The navigator shows the score's scene: it goes first.
    delete navigator;
    delete score;
    HugePageHeap::giveBack();
}

void ScoreWindow::setNavigatorVisible(bool visible)
{
    navigator->setVisible(visible);
}

void ScoreWindow::closeEvent(QCloseEvent *)
{
    qDebug().noquote() << "ScoreWindow closed============";
}
