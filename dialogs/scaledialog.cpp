#include "dialogs/scaledialog.h"

#include "model/score.h"

ScaleDialog::ScaleDialog(Score *score) : QDialog(score) {}

// The form and its texts arrive with the dialog itself.
void ScaleDialog::retranslate() {}

void ScaleDialog::setDialog(Note *edited, const QString &precedingScale,
                            const QString &directiveText)
{
    note = edited;
    preceding = precedingScale;
    text = directiveText;
}

void ScaleDialog::setMessage(const QString &textShown)
{
    messageText = textShown;
}

Note *ScaleDialog::getNote() const
{
    return note;
}

QString ScaleDialog::precedingScale() const
{
    return preceding;
}

QString ScaleDialog::directiveText() const
{
    return text;
}

QString ScaleDialog::message() const
{
    return messageText;
}
