#include "CopiaSegura.h"

#include "LeitorBytes.h"
#include "Substituto.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace
{

constexpr qint64 TamanhoBloco = 64 * 1024;

} // namespace

std::optional<Falha> CopiaSegura(const QString& origem, const QString& destino)
{
    QFile entrada(origem);
    if (const std::optional<Falha> falha = AbreParaLeitura(entrada))
        return falha;

    ArquivoSubstituto saida(destino);
    if (const std::optional<Falha> falha = saida.abre())
        return falha;
    // What was read is what the copy must read back as, from the medium itself.
    QCryptographicHash soma(QCryptographicHash::Sha256);
    QByteArray bloco(TamanhoBloco, Qt::Uninitialized);
    for (;;) {
        const qint64 lidos = entrada.read(bloco.data(), TamanhoBloco);
        if (lidos < 0)
            return Falha::numerada(Falha::ErroDispositivo);
        if (lidos == 0)
            break;
        soma.addData(QByteArrayView(bloco.constData(), lidos));
        // Leaving on a failure discards the temporary file.
        if (saida.write(bloco.constData(), lidos) != lidos)
            return saida.falhaDeEscrita();
    }
    if (std::optional<Falha> falha = saida.sincroniza())
        return falha;
    if (std::optional<Falha> falha = saida.confere(soma.result()))
        return falha;
    return saida.confirma();
}

bool MesmoArquivo(const QString& a, const QString& b)
{
    struct stat sa {
    };
    struct stat sb {
    };
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
