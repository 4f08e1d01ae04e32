// The scale editor of one scale directive; the score's scale-edit command
// creates a new one for each use.
//
// Child of the Score that created it.
#pragma once

#include <QDialog>

class ScaleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScaleDialog(QWidget *parent = nullptr);
};
