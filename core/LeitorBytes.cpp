#include "LeitorBytes.h"

#include "Falha.h"

namespace
{
constexpr qint64 TamanhoBloco = 64 * 1024;
}

bool LeitorBytes::enche()
{
    buffer_.resize(TamanhoBloco);
    const qint64 lidos = dispositivo_.read(buffer_.data(), TamanhoBloco);
    if (lidos < 0)
        throw Falha::numerada(Falha::ErroDispositivo);
    buffer_.resize(lidos);
    pos_ = 0;
    return lidos > 0;
}

bool LeitorBytes::linha(QByteArray& saida)
{
    saida.clear();
    if (fim())
        return false;
    for (;;) {
        if (pos_ == buffer_.size() && !enche())
            return true;
        const qsizetype inicio = pos_;
        const qsizetype cr = buffer_.indexOf('\r', pos_);
        if (cr < 0) {
            saida.append(buffer_.constData() + inicio, buffer_.size() - inicio);
            pos_ = buffer_.size();
            continue;
        }
        saida.append(buffer_.constData() + inicio, cr - inicio);
        pos_ = cr + 1;
        if (espia() == '\n')
            ++pos_;
        return true;
    }
}
