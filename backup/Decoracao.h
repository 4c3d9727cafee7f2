#pragma once

#include <QLabel>

// The picture at the side of the backup dialogs.
QLabel* Picture1(QWidget* pai);
// Draws that picture into a dialog's label `Picture1`.
void DesenhaFigura(QLabel& Picture1);
