#include "LeitorBytes.h"

#include "Falha.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

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

void PercorreLinhas(const QString& caminho,
                    const std::function<bool(const QByteArray& linha)>& cadaLinha)
{
    // A folder opens for reading on this platform and then reads as nothing: refuse it first.
    if (QFileInfo(caminho).isDir())
        throw Falha::numerada(Falha::ErroAcessoCaminho);
    QFile arquivo(caminho);
    errno = 0;
    if (!arquivo.open(QIODevice::ReadOnly))
        throw Falha::deArquivo(arquivo, errno);
    LeitorBytes leitor(arquivo);
    QByteArray linha;
    while (leitor.linha(linha)) {
        if (!cadaLinha(linha))
            return;
    }
}
