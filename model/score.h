// The central object of one open score: the score document, the settings
// and model objects built from it, and the view that shows its scene.
//
// This header is the table of contents of Score. Its operations are spread
// over the subsystem folders; each block below names the file that defines
// it. Lengths in the model are millimetres; scene coordinates are
// millimetres times Page::scaleFactor.
//
// Ownership: the Score alone holds page, defaultPage, style, defaultStyle,
// the parts, measures and credits (and everything in them). Scene, undo
// stack, timer, actions and dialogs are its QObject children.
#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QGraphicsView>
#include <QList>
#include <QString>

class Credit;
class Measure;
class Page;
class Part;
class Style;
class QUndoStack;

class Score : public QGraphicsView
{
    Q_OBJECT

public:
    // model/score.cpp: construction, default settings, changed flags
    Score(const QString &programVersion, int scoreNumber, bool autoSave, QWidget *parent = nullptr);
    ~Score() override;

    void setDefaultPage(Page *target) const;
    void setDefaultStyle(Style *target) const;
    void setChanged(bool value);

    QString programVersion;
    int scoreNumber = 0;
    QString staffLyricFontFamily;
    QString wordFontFamily;
    QString lyricFontFamily;
    QString logText;
    Page *page = nullptr;
    Page *defaultPage = nullptr;
    QList<Part *> parts;
    double maxNoteSize = 0.0;
    Part *defaultPart = nullptr;
    Style *style = nullptr;
    Style *defaultStyle = nullptr;
    int numParts = 0;
    QList<Measure *> measures;
    QList<Measure *> displayedMeasures;
    bool reload = false;
    QList<double> lines;
    int numMeasures = 0;
    QList<Credit *> credits;
    bool outlineNoteFonts = false;
    QList<int> selectedMeasures;
    QUndoStack *undoStack = nullptr;
    bool canUndoFlag = false;
    bool canRedoFlag = false;
    bool changed = false;
    bool changedSinceAutoSave = false;
    bool dSw = false;
    bool noItemCache = true;
    QDomDocument document;
    QString filePath;
    QString documentText;
    QString musicXmlFilePath;
    QString lastText;
    QString creatorVersion;
    QString lastUpdate;
    QString lastUpdateRest;
    QString textFontFamily;
    bool cleanOutput = false;
    double zoomFactor = 1.0;
    bool ghostNotes = false;
    QDomElement partListElement;
    QList<QDomElement> partElements;

private:
    QString resolveTextFontFamily() const;
};
