#include "MensagensRoteiro.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace Qt::Literals::StringLiterals;

namespace
{

const char* NomeIcone(Icone icone)
{
    switch (icone) {
    case Icone::Nenhum:
        return "Nenhum";
    case Icone::Parada:
        return "Parada";
    case Icone::Pergunta:
        return "Pergunta";
    case Icone::Exclamacao:
        return "Exclamacao";
    case Icone::Informacao:
        return "Informacao";
    }
    return "?";
}

const char* NomeBotoes(Botoes botoes)
{
    switch (botoes) {
    case Botoes::Ok:
        return "Ok";
    case Botoes::OkCancelar:
        return "OkCancelar";
    case Botoes::SimNao:
        return "SimNao";
    }
    return "?";
}

const char* NomeResposta(Resposta resposta)
{
    switch (resposta) {
    case Resposta::Ok:
        return "Ok";
    case Resposta::Cancelar:
        return "Cancelar";
    case Resposta::Sim:
        return "Sim";
    case Resposta::Nao:
        return "Nao";
    }
    return "?";
}

bool Cabe(Resposta resposta, Botoes botoes)
{
    switch (botoes) {
    case Botoes::Ok:
        return resposta == Resposta::Ok;
    case Botoes::OkCancelar:
        return resposta == Resposta::Ok || resposta == Resposta::Cancelar;
    case Botoes::SimNao:
        return resposta == Resposta::Sim || resposta == Resposta::Nao;
    }
    return false;
}

// What a box left unanswered gives back: the answer that does nothing.
Resposta Recusa(Botoes botoes)
{
    switch (botoes) {
    case Botoes::OkCancelar:
        return Resposta::Cancelar;
    case Botoes::SimNao:
        return Resposta::Nao;
    case Botoes::Ok:
        break;
    }
    return Resposta::Ok;
}

std::string Descreve(const CaixaMostrada& caixa)
{
    std::ostringstream os;
    PrintTo(caixa, &os);
    return os.str();
}

} // namespace

void PrintTo(const CaixaMostrada& caixa, std::ostream* os)
{
    QString texto = caixa.texto;
    texto.replace(u'\r', u"\\r"_s);
    *os << "{\"" << texto.toStdString() << "\", " << NomeIcone(caixa.icone) << ", "
        << NomeBotoes(caixa.botoes) << ", \"" << caixa.titulo.toStdString() << "\"}";
}

MensagensRoteiro::MensagensRoteiro(CaixaSoOk soOk) : soOk_(soOk) {}

MensagensRoteiro::~MensagensRoteiro()
{
    verificaFim();
}

MensagensRoteiro& MensagensRoteiro::responde(Resposta resposta, const QString& textoEsperado)
{
    fila_.append({resposta, textoEsperado});
    return *this;
}

Resposta MensagensRoteiro::mostra(const QString& texto, Icone icone, Botoes botoes,
                                  const QString& titulo)
{
    const CaixaMostrada caixa{texto, icone, botoes, titulo.isEmpty() ? u"Pravex"_s : titulo};
    caixas_.append(caixa);
    if (botoes == Botoes::Ok && soOk_ == CaixaSoOk::RespondeSozinha)
        return Resposta::Ok;
    if (fila_.isEmpty()) {
        ADD_FAILURE() << "caixa inesperada, nenhuma resposta na fila: " << Descreve(caixa);
        return Recusa(botoes);
    }
    const Esperada esperada = fila_.takeFirst();
    if (!esperada.texto.isEmpty() && esperada.texto != texto)
        ADD_FAILURE() << "a caixa " << Descreve(caixa) << " veio onde se esperava o texto \""
                      << esperada.texto.toStdString() << '"';
    if (!Cabe(esperada.resposta, botoes)) {
        ADD_FAILURE() << "resposta " << NomeResposta(esperada.resposta)
                      << " não cabe nos botões da caixa " << Descreve(caixa);
        return Recusa(botoes);
    }
    return esperada.resposta;
}

QStringList MensagensRoteiro::textos() const
{
    QStringList lista;
    for (const CaixaMostrada& caixa : caixas_)
        lista.append(caixa.texto);
    return lista;
}

void MensagensRoteiro::verificaFim()
{
    for (const Esperada& esperada : fila_)
        ADD_FAILURE() << "resposta " << NomeResposta(esperada.resposta) << " ficou sem caixa"
                      << (esperada.texto.isEmpty() ? "" : " para \"")
                      << esperada.texto.toStdString() << (esperada.texto.isEmpty() ? "" : "\"");
    fila_.clear();
}
