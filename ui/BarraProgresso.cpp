#include "BarraProgresso.h"

#include <QProgressBar>

void AvancaBarra(QProgressBar& barra, int valor)
{
    const int maximo = barra.maximum();
    const int alvo = qMin(valor, maximo);
    const int atual = barra.value();
    const int passo = qMax(1, (maximo - barra.minimum()) / 100);
    if (alvo == maximo || alvo < atual || alvo - atual >= passo)
        barra.setValue(alvo);
}
