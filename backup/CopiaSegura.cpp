#include "CopiaSegura.h"

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

    const QFileInfo alvo(destino);
    // Checked first: a missing folder would otherwise come back as "file not found".
    if (!alvo.absoluteDir().exists())
        return Falha::numerada(Falha::CaminhoNaoEncontrado);
    if (alvo.isDir())
        return Falha::numerada(Falha::ErroAcessoCaminho);

    QSaveFile saida(destino);
    // Unbuffered: every write is counted here, so commit() has nothing left to flush that could
    // fall short unnoticed and still rename a truncated copy over the old one.
    errno = 0;
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Falha::deArquivo(saida, errno);
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
