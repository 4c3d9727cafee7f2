#pragma once

class QLineEdit;

// Selects the field's whole text, from 0 over its length, with the caret at 0, so that typing
// replaces it.
void SelecionaTexto(QLineEdit& campo);
