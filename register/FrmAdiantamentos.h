#pragma once

#include <QMainWindow>

// The program's main window: the register of the open exercise.
class FrmAdiantamentos : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmAdiantamentos(QWidget* pai = nullptr);

    // "ORVAL  -  Quelmar-Pravex   (v 1.3.3)" for release 1.3.3.
    static QString titulo();
};
