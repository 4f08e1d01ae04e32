// The page of one score's tab: the score's view above its navigator, in a
// vertical splitter.
//
// Owns the splitter, and through it the Score view and the Navigator (the
// Score is handed over at construction). Both views show the score's Scene.
#pragma once

#include <QWidget>

class Navigator;
class QSplitter;
class Score;

class ScoreWindow : public QWidget
{
    Q_OBJECT

public:
    ScoreWindow(Score *score, QWidget *parent = nullptr);
    // Deletes the score first and gives the memory it held back to the
    // system: a closed tab leaves the program as large as before the score
    // was opened, not as large as its peak.
    ~ScoreWindow() override;

    // Shows or hides the navigator only; the score view stays.
    void setNavigatorVisible(bool visible);

    Score *score = nullptr;
    Navigator *navigator = nullptr;
    QSplitter *splitter = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
};
