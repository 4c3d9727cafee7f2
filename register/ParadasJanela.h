#pragma once

#include "FormRegistro.h"
#include "RegrasEntrada.h"

class QWidget;

// The operator's order through the main window, in one table of its controls by their object
// names, the fields among them with the names the entry rules and the register routines give
// them.

// Puts the window's controls in that order for Tab.
void OrdenaParadas(QWidget& janela);

// The control of a field the entry rules name, or the register routines.
QWidget* ControleDe(const QWidget& janela, Campo campo);
QWidget* ControleDe(const QWidget& janela, CampoCabecalho campo);
