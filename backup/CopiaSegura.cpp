#include "CopiaSegura.h"

#include "Substituto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

namespace
{

constexpr qint64 TamanhoBloco = 64 * 1024;

} // namespace

std::optional<Falha> CopiaSegura(const QString& origem, const QString& destino)
{
    if (QFileInfo(origem).isDir())
        return Falha::numerada(Falha::ErroAcessoCaminho);
    QFile entrada(origem);
    errno = 0;
    if (!entrada.open(QIODevice::ReadOnly))
        return Falha::deArquivo(entrada, errno);

    QSaveFile saida(destino);
    if (const std::optional<Falha> falha = AbreSubstituto(saida))
        return falha;
    QByteArray bloco(TamanhoBloco, Qt::Uninitialized);
    for (;;) {
        const qint64 lidos = entrada.read(bloco.data(), TamanhoBloco);
        if (lidos < 0)
            return Falha::numerada(Falha::ErroDispositivo);
        if (lidos == 0)
            break;
        errno = 0;
        if (saida.write(bloco.constData(), lidos) != lidos)
            // A short count with errno untouched is a medium that filled up. Leaving this scope
            // discards the temporary file.
            return Falha::deArquivo(saida, errno != 0 ? errno : ENOSPC);
    }
    errno = 0;
    if (!saida.commit())
        return Falha::deArquivo(saida, errno);
    return std::nullopt;
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
