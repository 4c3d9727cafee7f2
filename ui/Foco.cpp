#include "Foco.h"

#include <QApplication>
#include <QWidget>

void MoveFoco(QWidget& de, bool proximo)
{
    QWidget* janela = de.window();
    QWidget* w = &de;
    for (;;) {
        w = proximo ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == &de)
            return;
        const bool alcancavel = w->window() == janela && (w->focusPolicy() & Qt::TabFocus) &&
                                w->isEnabled() && w->isVisibleTo(janela) && !w->focusProxy();
        if (alcancavel) {
            w->setFocus(proximo ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void DevolveTeclado(QWidget& janela)
{
    QWidget* alvo = QApplication::activeModalWidget();
    if (alvo == nullptr || !alvo->isVisible())
        alvo = janela.window();
    if (!alvo->isVisible())
        return;
    alvo->raise();
    alvo->activateWindow();
}
