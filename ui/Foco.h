#pragma once

class QWidget;

// Moves the focus from `de` to the next (or previous) control in the window's tab order, as Tab
// and Shift+Tab do; hidden and disabled controls are skipped.
void MoveFoco(QWidget& de, bool proximo = true);
