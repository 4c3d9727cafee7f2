#pragma once

class QWidget;

// Moves the focus from `de` to the next (or previous) control in the window's tab order, as Tab
// and Shift+Tab do; hidden and disabled controls are skipped.
void MoveFoco(QWidget& de, bool proximo = true);

// Gives the keyboard back to `janela`'s window, or to the modal dialog still open over it, once a
// window of the program over it has closed. A window manager may hand it to no window at all,
// and then no key reaches the program until a click.
void DevolveTeclado(QWidget& janela);
