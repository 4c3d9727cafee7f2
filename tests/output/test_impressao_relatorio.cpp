#include "Catalogo.h"
#include "ImpressaoRelatorio.h"
#include "ImprimeQt.h"
#include "Relatorio.h"
#include "ServicosDeTeste.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const Cabecalho Cab{u"2005"_s, u"PREFEITURA MUNICIPAL DE TESTE"_s, u"FULANO DE TAL"_s,
                    u"BELTRANO"_s};

Adiantamento adiantamento(const QString& processo, Centavos valor = 123450)
{
    Adiantamento a;
    a.processo = processo;
    a.notaEmpenho = u"345"_s;
    a.elemento = IndiceElemento(u"339030");
    a.cpf = u"12345678909"_s;
    a.nome = u"CICRANO DA SILVA"_s;
    a.valor = valor;
    a.periodoInicial = u"01/03"_s;
    a.periodoFinal = u"31/03"_s;
    return a;
}

CaixaMostrada caixa(const QString& texto)
{
    return {texto, Icone::Nenhum, Botoes::Ok, u"Pravex"_s};
}

// The Processo of each detail line of a document, page after page.
QStringList processos(const QList<PaginaImpressa>& paginas)
{
    QStringList p;
    for (const PaginaImpressa& pagina : paginas) {
        for (qsizetype i = 7; i < pagina.linhas.size() - 2; ++i)
            p.append(pagina.linhas[i].itens.value(0).texto.left(20).trimmed());
    }
    return p;
}

class ImpressaoDoRelatorio : public testing::Test
{
protected:
    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
};

} // namespace

TEST_F(ImpressaoDoRelatorio, ImprimeNaOrdemDadaEAvisaAoFim)
{
    const QList<Adiantamento> linhas{adiantamento(u"C"_s), adiantamento(u"A"_s),
                                     adiantamento(u"B"_s)};
    ImprimeRelatorio(Cab, linhas, servicos.servicos());
    ASSERT_EQ(servicos.impressao.impressos().size(), 1);
    EXPECT_EQ(servicos.impressao.impressos()[0],
              MontaRelatorio(Cab, LinhasRelatorio(linhas)).paginas);
    EXPECT_EQ(processos(servicos.impressao.impressos()[0]), (QStringList{u"C"_s, u"A"_s, u"B"_s}));
    EXPECT_EQ(servicos.mensagens.caixas(),
              QList<CaixaMostrada>{caixa(u"Aguarde o final da impressão..."_s)});
    EXPECT_TRUE(servicos.impressao.visualizados().isEmpty());
}

TEST_F(ImpressaoDoRelatorio, FalhaDaImpressoraMostraSoADescricao)
{
    for (const int numero : {int(Falha::SemImpressora), int(Falha::ErroImpressora)}) {
        ServicosDeTeste s{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
        s.impressao.falha = Falha::numerada(numero);
        ImprimeRelatorio(Cab, {adiantamento(u"A"_s)}, s.servicos());
        EXPECT_EQ(s.mensagens.caixas(),
                  QList<CaixaMostrada>{caixa(numero == Falha::SemImpressora
                                                 ? u"Nenhuma impressora instalada"_s
                                                 : u"Erro de impressora"_s)});
    }
}

TEST_F(ImpressaoDoRelatorio, ValorMaisLargoQueAColunaCancelaAntesDeImprimir)
{
    // 100.000.000,00 takes 14 of the column's 13 places.
    ImprimeRelatorio(Cab, {adiantamento(u"A"_s), adiantamento(u"B"_s, 10'000'000'000)},
                     servicos.servicos());
    EXPECT_TRUE(servicos.impressao.impressos().isEmpty());
    EXPECT_EQ(servicos.mensagens.caixas(),
              QList<CaixaMostrada>{caixa(u"Chamada de procedimento ou argumento inválido"_s)});

    VisualizaRelatorio(Cab, {adiantamento(u"B"_s, 10'000'000'000)}, servicos.servicos());
    EXPECT_TRUE(servicos.impressao.visualizados().isEmpty());
    EXPECT_EQ(servicos.mensagens.caixas().size(), 2);
}

TEST_F(ImpressaoDoRelatorio, Pagina256AvisaOEstouroEImprimeTudo)
{
    const QList<Adiantamento> linhas(256 * 84 + 1, adiantamento(u"A"_s));
    ImprimeRelatorio(Cab, linhas, servicos.servicos());
    EXPECT_EQ(servicos.mensagens.textos(),
              (QStringList{u"Estouro - 6"_s, u"Aguarde o final da impressão..."_s}));
    ASSERT_EQ(servicos.impressao.impressos().size(), 1);
    EXPECT_EQ(servicos.impressao.impressos()[0].size(), 257);
}

TEST_F(ImpressaoDoRelatorio, VisualizacaoMostraAsMesmasPaginasSemAviso)
{
    const QList<Adiantamento> linhas(85, adiantamento(u"A"_s));
    VisualizaRelatorio(Cab, linhas, servicos.servicos());
    ASSERT_EQ(servicos.impressao.visualizados().size(), 1);
    EXPECT_EQ(servicos.impressao.visualizados()[0],
              MontaRelatorio(Cab, LinhasRelatorio(linhas)).paginas);
    EXPECT_TRUE(servicos.impressao.impressos().isEmpty());
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());

    // Printing from the preview failed.
    servicos.impressao.falha = Falha::numerada(Falha::ErroImpressora);
    VisualizaRelatorio(Cab, linhas, servicos.servicos());
    EXPECT_EQ(servicos.mensagens.caixas(), QList<CaixaMostrada>{caixa(u"Erro de impressora"_s)});
}
