#pragma once

#include <QLabel>

// The picture at the side of the backup dialogs.
QLabel* Picture1(QWidget* pai);
