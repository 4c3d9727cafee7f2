#include "PainelAguarde.h"

#include <QFrame>
#include <QLabel>

PainelAguarde::PainelAguarde(QFrame& painel, QLabel& aviso, QWidget& area)
    : painel_(painel), aviso_(aviso), area_(area)
{
}

void PainelAguarde::mostra(const QString& aviso)
{
    aviso_.setText(aviso);
    painel_.adjustSize();
    painel_.resize(qMax(painel_.width(), area_.width() / 2), painel_.height());
    painel_.move((area_.width() - painel_.width()) / 2, (area_.height() - painel_.height()) / 2);
    painel_.raise();
    painel_.show();
}

void PainelAguarde::centra()
{
    if (painel_.isVisible())
        painel_.move((area_.width() - painel_.width()) / 2,
                     (area_.height() - painel_.height()) / 2);
}
