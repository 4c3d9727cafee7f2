#pragma once

#include <functional>

class QMessageBox;

// Runs `acao` on the modal message box as soon as one is up, from inside the box's own event
// loop; `acao` is expected to close it (click a button, press a key). Gives up after 5 s.
void QuandoCaixaAbrir(std::function<void(QMessageBox&)> acao);
