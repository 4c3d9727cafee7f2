#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs `aoAtivar` when the window becomes the program's active window, once the activation is
// complete (what it runs may show a modal box of its own), unless a message box of the window's
// own was all that went over it: a box gives the keyboard back on closing, and that is no new
// activation, or a box shown on activation would follow itself for ever.
class AtivacaoJanela : public QObject
{
    Q_OBJECT

public:
    AtivacaoJanela(QWidget& janela, std::function<void()> aoAtivar);

    // The window has just become the active one.
    void ativada();

private:
    QWidget& janela_;
    std::function<void()> aoAtivar_;
    bool voltaDeCaixa_ = false;     // the last other window to have the keyboard was a message box
    bool ativacaoPendente_ = false; // aoAtivar is queued
};
