#pragma once

#include "Servicos.h"

#include <QMainWindow>

// The program's main window: the register of the open exercise.
class FrmAdiantamentos : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmAdiantamentos(Servicos& servicos, QWidget* pai = nullptr);

    // "ORVAL  -  Quelmar-Pravex   (v 1.3.3)" for release 1.3.3.
    static QString titulo();

private:
    Servicos& servicos_; // message boxes, drives, help and the end of the program
};
