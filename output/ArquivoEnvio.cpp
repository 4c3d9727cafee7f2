#include "ArquivoEnvio.h"

#include "Caminhos.h"
#include "CodificadorEnvio.h"
#include "LeitorBytes.h"
#include "Module1.h"
#include "Registro.h"
#include "Substituto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString TituloEnvio = u"Gravar arquivo para o ORVAL"_s;

// Lines are gathered into blocks of about this size before each write, so that a long file
// does not cost a system call a line; memory stays flat whatever the file's size.
constexpr qsizetype TamanhoBloco = 64 * 1024;

void escreve(QIODevice& envio, QByteArray& bloco)
{
    errno = 0;
    const qint64 escritos = envio.write(bloco);
    if (escritos != bloco.size()) {
        if (const auto* arquivo = qobject_cast<const ArquivoSubstituto*>(&envio))
            throw arquivo->falhaDeEscrita();
        // A short count with errno untouched is a device that filled up.
        const int causa = errno != 0 ? errno : ENOSPC;
        if (const auto* arquivo = qobject_cast<const QFileDevice*>(&envio))
            throw Falha::deArquivo(*arquivo, causa);
        throw Falha::doSistema(causa);
    }
    bloco.clear();
}

} // namespace

QString CaminhoArquivoEnvio(const QString& exercicio)
{
    return JuntaCaminho(PastaPrograma(), NomeArquivoEnvio(exercicio));
}

void CodificaArquivoEnvio(QIODevice& dados, QIODevice& envio, AndamentoEnvio& andamento)
{
    LeitorBytes leitor(dados);
    CodificadorEnvio codificador;
    QByteArray linha;
    QByteArray bloco;
    bloco.reserve(TamanhoBloco + 1024);
    while (!leitor.fim()) {
        andamento.proximaLinha();
        leitor.linha(linha);
        codificador.codifica(linha, bloco);
        if (bloco.size() >= TamanhoBloco)
            escreve(envio, bloco);
    }
    bloco.append(codificador.trailer());
    escreve(envio, bloco);
}

std::optional<Falha> GravaArquivoEnvio(const QString& arquivoDados, const QString& arquivoEnvio,
                                       AndamentoEnvio& andamento)
{
    try {
        // Read from disk once for both passes.
        ArquivoLido dados(arquivoDados);
        andamento.linhasContadas(ContaLinhas(dados));
        Module1::TotalLinhas = 0;
        QIODevice& linhas = dados.abre();

        ArquivoSubstituto envio(arquivoEnvio);
        if (const std::optional<Falha> falha = envio.abre())
            return falha;
        // On a failure below, leaving this scope discards the new file without touching the
        // previous one.
        CodificaArquivoEnvio(linhas, envio, andamento);
        return envio.confirma();
    } catch (const Falha& falha) {
        return falha;
    }
}

MensagemEnvio MensagemFalhaEnvio(const Falha& falha)
{
    if (falha.numero == Falha::ArquivoNaoEncontrado)
        return {u"Arquivo não encontrado."_s, Icone::Nenhum, {}};
    if (falha.numero <= Falha::CaminhoNaoEncontrado)
        return {u"Você está com problema no arquivo ou em sua unidade de disco. Verifique."_s,
                Icone::Parada, TituloEnvio};
    return {falha.texto(), Icone::Parada, TituloEnvio};
}

MensagemEnvio MensagemEnvioVazio()
{
    return {u"O arquivo não foi gerado corretamente. Por favor, tente novamente."_s,
            Icone::Exclamacao, TituloEnvio};
}
