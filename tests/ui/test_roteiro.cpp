#include "ImprimeQt.h"
#include "PastaTemporaria.h"
#include "ServicosDeTeste.h"

#include <QDir>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// The scripted services are what every dialog test leans on: a double that lets a stray box or
// a forgotten answer pass would hide the very faults those tests are for.

TEST(MensagensRoteiro, RespondeEmOrdemEGuardaOQueMostrou)
{
    MensagensRoteiro mensagens;
    mensagens.responde(Resposta::Sim).responde(Resposta::Cancelar, u"Confirma?"_s);

    EXPECT_EQ(mensagens.mostra(u"Grava?\rAgora"_s, Icone::Pergunta, Botoes::SimNao), Resposta::Sim);
    EXPECT_EQ(mensagens.mostra(u"Confirma?"_s, Icone::Nenhum, Botoes::OkCancelar, u"QMZ - ERRO"_s),
              Resposta::Cancelar);
    mensagens.bipe();

    const QList<CaixaMostrada> esperadas{
        {u"Grava?\rAgora"_s, Icone::Pergunta, Botoes::SimNao, u"Pravex"_s},
        {u"Confirma?"_s, Icone::Nenhum, Botoes::OkCancelar, u"QMZ - ERRO"_s},
    };
    EXPECT_EQ(mensagens.caixas(), esperadas);
    EXPECT_EQ(mensagens.bipes(), 1);
    EXPECT_EQ(mensagens.respostasPendentes(), 0);
}

TEST(MensagensRoteiro, CaixaInesperadaFalhaOTeste)
{
    MensagensRoteiro mensagens;
    Resposta resposta = Resposta::Sim;
    EXPECT_NONFATAL_FAILURE(resposta =
                                mensagens.mostra(u"Apaga tudo?"_s, Icone::Pergunta, Botoes::SimNao),
                            "caixa inesperada");
    // Unanswered, the box takes the harmless way out.
    EXPECT_EQ(resposta, Resposta::Nao);
    EXPECT_EQ(mensagens.textos(), QStringList{u"Apaga tudo?"_s});
}

TEST(MensagensRoteiro, RespostaNaoUsadaFalhaOTeste)
{
    EXPECT_NONFATAL_FAILURE(
        {
            MensagensRoteiro mensagens;
            mensagens.responde(Resposta::Sim, u"Deseja sair?"_s);
        },
        "ficou sem caixa para \"Deseja sair?\"");

    MensagensRoteiro verificada;
    verificada.responde(Resposta::Ok);
    EXPECT_NONFATAL_FAILURE(verificada.verificaFim(), "ficou sem caixa");
    EXPECT_EQ(verificada.respostasPendentes(), 0);
}

TEST(MensagensRoteiro, RespostaQueNaoCabeFalhaOTeste)
{
    struct Caso {
        const char* nome;
        Resposta resposta;
        QString esperado;
        const char* falha;
    };
    const Caso casos[] = {
        {"resposta fora dos botões", Resposta::Sim, {}, "não cabe nos botões"},
        {"texto diferente", Resposta::Ok, u"Outro texto"_s, "esperava o texto \"Outro texto\""},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        MensagensRoteiro mensagens;
        mensagens.responde(caso.resposta, caso.esperado);
        EXPECT_NONFATAL_FAILURE(
            mensagens.mostra(u"Valor inválido."_s, Icone::Exclamacao, Botoes::OkCancelar),
            caso.falha);
    }
}

TEST(MensagensRoteiro, CaixaSoOkSoSeRespondeQuandoPedido)
{
    MensagensRoteiro estrito;
    EXPECT_NONFATAL_FAILURE(estrito.mostra(u"Gravado."_s), "caixa inesperada");

    // The queue is kept for the questions: the OK boxes before them take nothing from it.
    MensagensRoteiro livre(MensagensRoteiro::CaixaSoOk::RespondeSozinha);
    livre.responde(Resposta::Nao);
    EXPECT_EQ(livre.mostra(u"Gravado."_s), Resposta::Ok);
    EXPECT_EQ(livre.mostra(u"Sair?"_s, Icone::Pergunta, Botoes::SimNao), Resposta::Nao);
    EXPECT_EQ(livre.textos(), (QStringList{u"Gravado."_s, u"Sair?"_s}));
}

TEST(UnidadesRoteiro, ConjuntoPadraoComDisqueteInicialCDEDefeituosa)
{
    const PastaTemporaria pasta;
    ServicosDeTeste servicos(MensagensRoteiro::CaixaSoOk::PrecisaResposta,
                             UnidadesRoteiro::Padrao(pasta.caminho()));
    Unidades& unidades = servicos.servicos().unidades;

    QStringList rotulos;
    for (const Unidade& unidade : unidades.lista()) {
        rotulos.append(unidade.rotulo());
        EXPECT_TRUE(QDir(unidade.raiz).exists()) << unidade.rotulo().toStdString();
    }
    EXPECT_EQ(rotulos, (QStringList{u"a: [Disquete]"_s, u"c: [Sistema]"_s, u"d: [CD]"_s,
                                    u"e: [Pendrive]"_s}));
    EXPECT_EQ(unidades.lista().at(1).raiz, pasta.caminho());

    EXPECT_EQ(unidades.verifica(unidades.lista().at(1)), std::nullopt);
    const std::optional<Falha> falha = unidades.verifica(unidades.lista().at(3));
    ASSERT_TRUE(falha.has_value());
    EXPECT_EQ(falha->numero, 57);
    EXPECT_TRUE(falha->ehDeDispositivo());

    servicos.unidades.falha(u'c', Falha::numerada(Falha::DispositivoIndisponivel));
    EXPECT_EQ(unidades.verifica(unidades.lista().at(1)),
              Falha::numerada(Falha::DispositivoIndisponivel));
    EXPECT_EQ(servicos.unidades.verificadas(), (QList<QChar>{u'c', u'e', u'c'}));
}
