#pragma once

class QLabel;

// Draws the picture at the side of the backup dialogs into their label `Picture1`.
void DesenhaFigura(QLabel& Picture1);
