#pragma once

class QWidget;

// A control's name for a screen reader is the words of its label, or of its caption: every
// labelled control and every button of the window is named so, the mnemonic's & left out.
void NomeiaPelosRotulos(QWidget& janela);
