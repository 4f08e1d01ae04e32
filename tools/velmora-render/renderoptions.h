// The command line of velmora-render and the settings it selects on a
// loaded score. Every option only sets what the program's own dialogs set.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class Part;
class Score;

struct RenderOptions
{
    QString input;
    QString pdf;               // "" = no PDF
    QString svgBase;           // "" = no SVG
    QString tnsx;              // "" = no score file
    QString musicXml;          // "" = no MusicXML
    QString musicXmlNoteNames; // "" = no MusicXML with note names as lyrics
    QList<int> notationStyles; // per part in order; the last one for the rest
    std::optional<bool> horizontal;
    bool roll = false;       // the page roll: one long page in place of pages
    int regenerateAgain = 0; // timed regenerations after the outputs
    int inputArgument = -1;  // index of the input among the arguments
    // Renders of the same loaded score after the first, each with the
    // outputs and settings that follow a "--then": one load serves several
    // styles.
    std::vector<RenderOptions> then;

    // Empty result: the arguments (without the program name) are valid;
    // otherwise the reason they are not.
    QString parse(const QStringList &arguments);
    static QString usage();

    // Score files are read as such; anything else is imported as MusicXML.
    bool inputIsScoreFile() const;
    // Whether this render or one after it writes the score's document (a
    // score file or MusicXML); pages alone never read it.
    bool writesDocument() const;
    // Sets the parts' notation styles, the writing direction and the page
    // roll, as asked.
    void applyTo(Score &score) const;
};
