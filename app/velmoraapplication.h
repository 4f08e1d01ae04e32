// The program's application object: every event is delivered under the
// allocation guard (AllocationGuard), so that memory running out in an
// action stops that action and never the program with its open scores.
#pragma once

#include <QApplication>

class VelmoraApplication : public QApplication
{
    Q_OBJECT

public:
    VelmoraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
