#include "Substituto.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

std::optional<Falha> AbreSubstituto(QSaveFile& arquivo)
{
    const QFileInfo destino(arquivo.fileName());
    if (!destino.absoluteDir().exists())
        return Falha::numerada(Falha::CaminhoNaoEncontrado);
    if (destino.isDir())
        return Falha::numerada(Falha::ErroAcessoCaminho);
    errno = 0;
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Falha::deArquivo(arquivo, errno);
    return std::nullopt;
}
