// Score: the item context menu (its texts and the fitting switch of breaks).
#include "model/score.h"

#include "dialogs/dialogtranspose.h"
#include "dialogs/notenamedialog.h"

#include <QAction>

void Score::retranslateContextMenu()
{
    noteNameDialog->retranslate();
    transposeDialog->retranslate();
    actFontProperty->setText(tr("Font Property"));
    actResetPosition->setText(tr("Reset Position"));
    actResetScale->setText(tr("Reset Scale"));
    actHorizontal->setText(tr("Horizontal"));
    actVertical->setText(tr("Vertical"));
    actVerticalWriting->setText(tr("Vertical Writing"));
    actDefaultDirection->setText(tr("Default"));
    actAlignHorizontally->setText(tr("Horizontally"));
    actAlignVertically->setText(tr("Vertically"));
    actOtsuToDoubleQuote->setText(tr("Change Otsu to \""));
    actDoubleQuoteToOtsu->setText(tr("Change \" to Otsu"));
    actChangeNoteName->setText(tr("Change Note Name"));
    actEditScale->setText(tr("Edit Scale"));
    actEnterTransposeStep->setText(tr("Enter Transpose Steps"));
    actDelete->setText(tr("Delete"));
    actChangeFitting->setText(tr("Change Fitting"));
    actResetNoteShift->setText(tr("Reset Note Shift"));
}

void Score::changeBreakFitting() {}
