#pragma once

#include <QApplication>

// The program's application object: an error that no window handles reaches the
// user as the general error message instead of ending the program.
class DiarioApplication : public QApplication {
    Q_OBJECT
public:
    DiarioApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
