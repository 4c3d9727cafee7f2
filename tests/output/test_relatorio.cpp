#include "Catalogo.h"
#include "ImprimeQt.h"
#include "Relatorio.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A printed line as the page shows it: each item from its column.
QString texto(const LinhaImpressa& linha)
{
    QString s;
    for (const ItemImpresso& item : linha.itens)
        s = s.leftJustified(item.coluna - 1) + item.texto;
    return s;
}

QStringList textos(const PaginaImpressa& pagina)
{
    QStringList s;
    for (const LinhaImpressa& l : pagina.linhas)
        s.append(texto(l));
    return s;
}

// Builds an expected line from texts at their columns, so that a case reads by column.
class Colunas
{
public:
    Colunas& em(int coluna, const QString& t)
    {
        EXPECT_LE(s_.size(), coluna - 1) << "column " << coluna << " already passed";
        s_ = s_.leftJustified(coluna - 1) + t;
        return *this;
    }
    QString texto() const { return s_; }
    QString linha() const { return s_.leftJustified(ColunasRelatorio); }

private:
    QString s_;
};

const Cabecalho Cab{u"2005"_s, u"PREFEITURA MUNICIPAL DE TESTE"_s, u"FULANO DE TAL"_s,
                    u"BELTRANO"_s};

const QString Titulo2005 = u"RELAÇÃO DOS ADIANTAMENTOS DO EXERCÍCIO DE 2005"_s;
const QString ColunaLinha5 = u"                     Nota de   Elemento                             "
                             u"                                                    "_s;
const QString ColunaLinha6 = u"Processo             Empenho   Econôm.  CPF Credor   Nome do Credor "
                             u"                                 Valor Período      "_s;
const QString ColunaLinha7 =
    u"==================== ========= ======== ============ ================"
    u"======================== ============ ============="_s;

LinhaRelatorio linhaBase()
{
    return {u"0012/2005"_s,
            u"345"_s,
            u"339030  MATERIAL DE CONSUMO"_s,
            u"12345678909"_s,
            u"CICRANO DA SILVA"_s,
            u"1.234,50"_s,
            u"01/03"_s,
            u"31/03"_s};
}

QList<LinhaRelatorio> linhas(int quantas)
{
    return QList<LinhaRelatorio>(quantas, linhaBase());
}

TEST(CabecalhoDoRelatorio, ListaVaziaImprimeCabecalhoEORodapeFinal)
{
    const Relatorio r = MontaRelatorio(Cab, {});
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_EQ(textos(r.paginas[0]),
              (QStringList{Colunas().em(37, Titulo2005).em(103, u"PAG.: 1"_s).texto(), u""_s,
                           u"ÓRGÃO/ENTIDADE: PREFEITURA MUNICIPAL DE TESTE"_s, u""_s, ColunaLinha5,
                           ColunaLinha6, ColunaLinha7, QString(120, u'='),
                           Colunas()
                               .em(1, u"Elaborador: FULANO DE TAL"_s)
                               .em(67, u"Responsável: BELTRANO"_s)
                               .texto()}));
    // Header bold, its first three lines at 8 points; the rule under the rows plain.
    QList<std::pair<double, bool>> fontes;
    for (const LinhaImpressa& l : r.paginas[0].linhas)
        fontes.append({l.pontos, l.negrito});
    EXPECT_EQ(fontes, (QList<std::pair<double, bool>>{{8.0, true},
                                                      {8.0, true},
                                                      {8.0, true},
                                                      {7.5, true},
                                                      {7.5, true},
                                                      {7.5, true},
                                                      {7.5, true},
                                                      {7.5, false},
                                                      {7.5, true}}));
    EXPECT_TRUE(r.falhasCabec.isEmpty());
    EXPECT_EQ(r.falha, std::nullopt);
}

TEST(CabecalhoDoRelatorio, LinhasDeColunasComoCitadasCom120Caracteres)
{
    const Relatorio r = MontaRelatorio(Cab, {});
    const QList<LinhaImpressa>& l = r.paginas[0].linhas;
    EXPECT_EQ(l[4].itens, (QList<ItemImpresso>{{1, ColunaLinha5}}));
    EXPECT_EQ(l[5].itens, (QList<ItemImpresso>{{1, ColunaLinha6}}));
    EXPECT_EQ(l[6].itens, (QList<ItemImpresso>{{1, ColunaLinha7}}));
    for (const QString& s : {ColunaLinha5, ColunaLinha6, ColunaLinha7})
        EXPECT_EQ(s.size(), 120);
}

struct CasoTitulo {
    const char* nome;
    QString exercicio;
    int colunaTitulo;
    bool rotuloNaLinhaSeguinte;
};

void PrintTo(const CasoTitulo& c, std::ostream* os)
{
    *os << c.nome;
}

class TituloDoRelatorio : public testing::TestWithParam<CasoTitulo>
{
};

TEST_P(TituloDoRelatorio, CentradoComMeiasParaOParERotuloDaPagina)
{
    const CasoTitulo& c = GetParam();
    Cabecalho cab = Cab;
    cab.exercicio = c.exercicio;
    const Relatorio r = MontaRelatorio(cab, {});
    const QList<LinhaImpressa>& l = r.paginas[0].linhas;
    const QString titulo = u"RELAÇÃO DOS ADIANTAMENTOS DO EXERCÍCIO DE "_s + c.exercicio;
    const ItemImpresso rotulo{103, u"PAG.: 1"_s};
    if (c.rotuloNaLinhaSeguinte) {
        EXPECT_EQ(l[0].itens, (QList<ItemImpresso>{{c.colunaTitulo, titulo}}));
        EXPECT_EQ(l[1].itens, QList<ItemImpresso>{rotulo});
        EXPECT_EQ(l[1].pontos, 8.0);
        EXPECT_TRUE(l[1].negrito);
        EXPECT_EQ(l.size(), 10); // the extra line, then the rest of the header as always
        EXPECT_EQ(texto(l[3]), u"ÓRGÃO/ENTIDADE: PREFEITURA MUNICIPAL DE TESTE"_s);
    } else {
        EXPECT_EQ(l[0].itens, (QList<ItemImpresso>{{c.colunaTitulo, titulo}, rotulo}));
        EXPECT_EQ(l.size(), 9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, TituloDoRelatorio,
    testing::Values(
        // (120 - 46) / 2.
        CasoTitulo{"Exercicio2005", u"2005"_s, 37, false},
        // 37.5 and 36.5 both go to the even neighbour.
        CasoTitulo{"MeioSobeParaPar", u"200"_s, 38, false},
        CasoTitulo{"MeioDesceParaPar", u"20051"_s, 36, false},
        // A title of 87 characters from column 16 ends at 102: the label still fits after it.
        CasoTitulo{"TituloTerminaNaColuna102", QString(45, u'9'), 16, false},
        // 88 characters from column 16 reach column 103.
        CasoTitulo{"TituloAlcancaAColuna103", QString(46, u'9'), 16, true},
        // Wider than the page: from the first column.
        CasoTitulo{"TituloMaisLargoQueAPagina", QString(80, u'9'), 1, true}),
    [](const testing::TestParamInfo<CasoTitulo>& info) { return info.param.nome; });

struct CasoPaginacao {
    const char* nome;
    int linhas;
    QList<int> detalhesPorPagina;
    QList<int> colunaResponsavel;
};

void PrintTo(const CasoPaginacao& c, std::ostream* os)
{
    *os << c.nome;
}

class Paginacao : public testing::TestWithParam<CasoPaginacao>
{
};

TEST_P(Paginacao, OitentaEQuatroLinhasPorPaginaERodapeDaQuebraEDoFim)
{
    const CasoPaginacao& c = GetParam();
    const Relatorio r = MontaRelatorio(Cab, linhas(c.linhas));
    QList<int> detalhes;
    QList<int> colunas;
    for (int p = 0; p < r.paginas.size(); ++p) {
        const QList<LinhaImpressa>& l = r.paginas[p].linhas;
        detalhes.append(int(l.size()) - 9);
        colunas.append(l.last().itens.value(1).coluna);
        EXPECT_EQ(l[0].itens.value(1).texto, u"PAG.: "_s + QString::number(p + 1));
        EXPECT_EQ(texto(l[l.size() - 2]), QString(120, u'='));
    }
    EXPECT_EQ(detalhes, c.detalhesPorPagina);
    EXPECT_EQ(colunas, c.colunaResponsavel);
    EXPECT_EQ(r.falha, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Paginacao,
    testing::Values(CasoPaginacao{"Vazia", 0, {0}, {67}}, CasoPaginacao{"Uma", 1, {1}, {67}},
                    CasoPaginacao{"PaginaCheia", 84, {84}, {67}},
                    CasoPaginacao{"LinhaOitentaECinco", 85, {84, 1}, {80, 67}},
                    CasoPaginacao{"DuasCheias", 168, {84, 84}, {80, 67}},
                    CasoPaginacao{"TresPaginas", 169, {84, 84, 1}, {80, 80, 67}}),
    [](const testing::TestParamInfo<CasoPaginacao>& info) { return info.param.nome; });

TEST(Paginacao, ElaboradorLongoLevaOResponsavelParaALinhaSeguinte)
{
    Cabecalho cab = Cab;
    cab.elaborador = QString(60, u'E'); // "Elaborador: " and 60 letters end at column 72
    const Relatorio r = MontaRelatorio(cab, linhas(85));
    const QList<LinhaImpressa>& p1 = r.paginas[0].linhas;
    const QList<LinhaImpressa>& p2 = r.paginas[1].linhas;
    EXPECT_EQ(p1.last().itens, (QList<ItemImpresso>{{1, u"Elaborador: "_s + cab.elaborador},
                                                    {80, u"Responsável: BELTRANO"_s}}));
    EXPECT_EQ(p2[p2.size() - 2].itens,
              (QList<ItemImpresso>{{1, u"Elaborador: "_s + cab.elaborador}}));
    EXPECT_EQ(p2.last().itens, (QList<ItemImpresso>{{67, u"Responsável: BELTRANO"_s}}));
    EXPECT_TRUE(p2.last().negrito);
}

TEST(Paginacao, Pagina256EstouraUmaVezEAImpressaoContinua)
{
    // 255 full pages, a full page 256 and one row on page 257.
    const Relatorio r = MontaRelatorio(Cab, linhas(256 * 84 + 1));
    ASSERT_EQ(r.paginas.size(), 257);
    EXPECT_EQ(r.falhasCabec, QList<Falha>{Falha::numerada(Falha::Estouro)});
    EXPECT_EQ(TextoFalhaCabec(r.falhasCabec.value(0)), u"Estouro - 6"_s);
    EXPECT_EQ(r.falha, std::nullopt);
    for (int p : {254, 255, 256}) {
        const QStringList l = textos(r.paginas[p]);
        EXPECT_EQ(
            l[0],
            Colunas().em(37, Titulo2005).em(103, u"PAG.: "_s + QString::number(p + 1)).texto());
        EXPECT_EQ(l[6], ColunaLinha7);
        EXPECT_EQ(l.size(), p == 256 ? 7 + 1 + 2 : 7 + 84 + 2);
    }
    EXPECT_EQ(r.paginas[256].linhas.last().itens.value(1).coluna, 67);
}

struct CasoDetalhe {
    const char* nome;
    LinhaRelatorio linha;
    QString esperada;
};

void PrintTo(const CasoDetalhe& c, std::ostream* os)
{
    *os << c.nome;
}

LinhaRelatorio com(void (*muda)(LinhaRelatorio&))
{
    LinhaRelatorio l = linhaBase();
    muda(l);
    return l;
}

class LinhaDeDetalhe : public testing::TestWithParam<CasoDetalhe>
{
};

TEST_P(LinhaDeDetalhe, CamposSobrepostosA120Espacos)
{
    const QString linha = LinhaDetalhe(GetParam().linha);
    EXPECT_EQ(linha, GetParam().esperada);
    EXPECT_EQ(linha.size(), 120);
}

QString detalhe(const QString& processo, const QString& ne, const QString& elemento,
                const QString& nome, const QString& valor)
{
    return Colunas()
        .em(1, processo)
        .em(22, ne)
        .em(32, elemento)
        .em(41, u"12345678909"_s)
        .em(54, nome)
        .em(94, valor)
        .em(108, u"01/03 a 31/03"_s)
        .linha();
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, LinhaDeDetalhe,
    testing::Values(
        // The element's code in 32 to 37, the value ending at 106, the period 108 to 120.
        CasoDetalhe{"Base", linhaBase(),
                    detalhe(u"0012/2005"_s, u"      345"_s, u"339030"_s, u"CICRANO DA SILVA"_s,
                            u"     1.234,50"_s)},
        CasoDetalhe{"ProcessoCortadoEm20", com([](LinhaRelatorio& l) {
                        l.processo = u"PROCESSO-NUMERO-MUITO-LONGO-30"_s;
                    }),
                    detalhe(u"PROCESSO-NUMERO-MUIT"_s, u"      345"_s, u"339030"_s,
                            u"CICRANO DA SILVA"_s, u"     1.234,50"_s)},
        CasoDetalhe{"ElementoComZeroAEsquerda",
                    com([](LinhaRelatorio& l) { l.elemento = u"031901  ELEMENTO"_s; }),
                    detalhe(u"0012/2005"_s, u"      345"_s, u" 31901"_s, u"CICRANO DA SILVA"_s,
                            u"     1.234,50"_s)},
        CasoDetalhe{"SemElemento", com([](LinhaRelatorio& l) { l.elemento.clear(); }),
                    detalhe(u"0012/2005"_s, u"      345"_s, u"      "_s, u"CICRANO DA SILVA"_s,
                            u"     1.234,50"_s)},
        CasoDetalhe{"ColunasCheias", com([](LinhaRelatorio& l) {
                        l.notaEmpenho = u"123456789"_s;
                        l.nome = QString(40, u'N');
                        l.valor = u"99.999.999,99"_s;
                    }),
                    detalhe(u"0012/2005"_s, u"123456789"_s, u"339030"_s, QString(40, u'N'),
                            u"99.999.999,99"_s)}),
    [](const testing::TestParamInfo<CasoDetalhe>& info) { return info.param.nome; });

TEST(LinhaDeDetalhe, DoRegistroComoALista)
{
    Adiantamento a;
    a.processo = u"0012/2005"_s;
    a.notaEmpenho = u"345"_s;
    a.elemento = IndiceElemento(u"339030");
    a.cpf = u"12345678909"_s;
    a.nome = u"CICRANO DA SILVA"_s;
    a.valor = 123450;
    a.periodoInicial = u"01/03"_s;
    a.periodoFinal = u"31/03"_s;
    const QList<LinhaRelatorio> l = LinhasRelatorio({a});
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(LinhaDetalhe(l[0]), LinhaDetalhe(linhaBase()));
}

TEST(LinhaDeDetalhe, ValorMaisLargoQueASuaColunaCancelaODocumento)
{
    for (auto muda : {+[](LinhaRelatorio& l) { l.valor = u"100.000.000,00"_s; },
                      +[](LinhaRelatorio& l) { l.notaEmpenho = u"1234567890"_s; }}) {
        QList<LinhaRelatorio> comFalha = linhas(3);
        muda(comFalha[1]);
        const Relatorio r = MontaRelatorio(Cab, comFalha);
        ASSERT_TRUE(r.falha.has_value());
        EXPECT_EQ(r.falha->numero, 5);
        EXPECT_EQ(r.falha->descricao, u"Chamada de procedimento ou argumento inválido"_s);
    }
}

} // namespace
