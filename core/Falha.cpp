#include "Falha.h"

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

QString DescricaoFalha(int numero)
{
    switch (numero) {
    case 5:
        return u"Chamada de procedimento ou argumento inválido"_s;
    case 6:
        return u"Estouro"_s;
    case 13:
        return u"Tipo incompatível"_s;
    case 52:
        return u"Nome ou número de arquivo incorreto"_s;
    case 53:
        return u"Arquivo não encontrado"_s;
    case 54:
        return u"Modo de arquivo incorreto"_s;
    case 55:
        return u"O arquivo já está aberto"_s;
    case 57:
        return u"Erro de E/S no dispositivo"_s;
    case 61:
        return u"Disco cheio"_s;
    case 62:
        return u"Entrada além do final do arquivo"_s;
    case 67:
        return u"Arquivos demais"_s;
    case 68:
        return u"Dispositivo não disponível"_s;
    case 70:
        return u"Permissão negada"_s;
    case 71:
        return u"O disco não está pronto"_s;
    case 75:
        return u"Erro de acesso ao caminho/arquivo"_s;
    case 76:
        return u"Caminho não encontrado"_s;
    case 80:
        return u"Nenhuma impressora instalada"_s;
    case 81:
        return u"Erro de impressora"_s;
    default:
        return u"Erro definido pelo aplicativo ou pelo objeto"_s;
    }
}

Falha Falha::numerada(int numero)
{
    return Falha{numero, DescricaoFalha(numero)};
}

Falha Falha::doSistema(int codigoErrno)
{
    switch (codigoErrno) {
    case ENOENT:
        return numerada(ArquivoNaoEncontrado);
    case ENOTDIR:
        return numerada(CaminhoNaoEncontrado);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return numerada(DiscoCheio);
    case EACCES:
    case EPERM:
    case EROFS:
        return numerada(PermissaoNegada);
    case EIO:
        return numerada(ErroDispositivo);
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
        return numerada(DispositivoIndisponivel);
    case EMFILE:
    case ENFILE:
        return numerada(ArquivosDemais);
    case ENAMETOOLONG:
    case EINVAL:
        return numerada(NomeArquivoInvalido);
    case EBUSY:
    case ETXTBSY:
        return numerada(ArquivoJaAberto);
    default:
        return numerada(ErroAcessoCaminho);
    }
}

Falha Falha::deArquivo(const QFileDevice& arquivo, int codigoErrno)
{
    if (codigoErrno != 0)
        return doSistema(codigoErrno);
    switch (arquivo.error()) {
    case QFileDevice::ResizeError:
    case QFileDevice::WriteError:
        return numerada(DiscoCheio);
    case QFileDevice::PermissionsError:
        return numerada(PermissaoNegada);
    case QFileDevice::OpenError:
        return numerada(ArquivoNaoEncontrado);
    case QFileDevice::ReadError:
        return numerada(ErroDispositivo);
    default:
        return numerada(ErroAcessoCaminho);
    }
}

QString Falha::texto() const
{
    return QString::number(numero) + u" - "_s + descricao;
}
