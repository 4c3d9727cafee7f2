#pragma once

#include <QString>

class QFontMetrics;
class QLineEdit;
class QWidget;

// Sizes the main window takes from its font and its screen.

// A field is never narrower than this text, the widest it holds of its kind.
void LarguraMinima(QLineEdit& campo, const QString& amostra);

// The widest text of a digit pattern: every digit written as the font's widest one.
QString ComDigitoLargo(const QFontMetrics& medida, QString padrao);

// Opens the window at its usual size where the screen has room for it, filling the screen
// elsewhere.
void AjustaATela(QWidget& janela);

// Both as wide as the wider of them needs: a pair shown in turn in one place.
void MesmaLargura(QWidget& a, QWidget& b);
