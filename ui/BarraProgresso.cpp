#include "BarraProgresso.h"

#include <QElapsedTimer>
#include <QProgressBar>

#include <optional>

namespace
{

// The value the bar goes to, when it moves at all.
std::optional<int> Destino(const QProgressBar& barra, int valor)
{
    const int maximo = barra.maximum();
    const int alvo = qMin(valor, maximo);
    const int atual = barra.value();
    const int passo = qMax(1, (maximo - barra.minimum()) / 100);
    if (alvo == maximo || alvo < atual || alvo - atual >= passo)
        return alvo;
    return std::nullopt;
}

} // namespace

void AvancaBarra(QProgressBar& barra, int valor)
{
    if (const std::optional<int> alvo = Destino(barra, valor))
        barra.setValue(*alvo);
}

void AvancaBarra(QProgressBar& barra, int valor, QElapsedTimer& desenhada)
{
    const std::optional<int> alvo = Destino(barra, valor);
    if (!alvo)
        return;
    const bool adiante = *alvo > barra.value() && *alvo < barra.maximum();
    if (adiante && desenhada.isValid() && desenhada.elapsed() < IntervaloDesenhoMs)
        return;
    barra.setValue(*alvo);
    desenhada.start();
}
