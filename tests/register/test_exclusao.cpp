// F4 on selections of every shape: the rows removed, the list left and the data file written.

#include "JanelaTeste.h"

#include <QFile>
#include <QHeaderView>

#include <map>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Cabecalho2005 =
    "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n";

// Seven advances in file order P1 to P7; the NEs put them in another order when sorted.
const std::map<QString, QByteArray> Linhas = {
    {u"P1"_s, "P1,50,339030,12345678909,CICRANO DA SILVA,9.00,01/03,31/03\r\n"},
    {u"P2"_s, "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02\r\n"},
    {u"P3"_s, "P3,70,339030,12345678909,CICRANO DA SILVA,1234.56,05/01,06/01\r\n"},
    {u"P4"_s, "P4,10,339039,52998224725,OUTRO CREDOR,3.50,10/04,11/04\r\n"},
    {u"P5"_s, "P5,40,339030,12345678909,CICRANO DA SILVA,77.00,01/05,02/05\r\n"},
    {u"P6"_s, "P6,30,339039,52998224725,OUTRO CREDOR,8.10,03/06,04/06\r\n"},
    {u"P7"_s, "P7,60,339030,12345678909,CICRANO DA SILVA,1.00,07/07,08/07\r\n"},
};

QByteArray Arquivo(const QStringList& processos)
{
    QByteArray bytes = Cabecalho2005;
    for (const QString& p : processos)
        bytes += Linhas.at(p);
    return bytes;
}

const QStringList OrdemDoArquivo = {u"P1"_s, u"P2"_s, u"P3"_s, u"P4"_s, u"P5"_s, u"P6"_s, u"P7"_s};
// Sorted by NE, descending: two clicks on its title.
const QStringList OrdemNeDescendente = {u"P3"_s, u"P7"_s, u"P1"_s, u"P5"_s,
                                        u"P6"_s, u"P2"_s, u"P4"_s};

enum class Selecao {
    Cliques,      // a click on the first row, Ctrl+click on each other
    Faixa,        // a click on the first, Shift+click on the last: every row between
    TodasPorCtrlA // Ctrl+A in the list
};

struct CasoExclusao {
    const char* nome;
    bool ordenaPorNeDescendente;
    Selecao selecao;
    std::vector<int> linhas; // rows as shown
    QStringList restantes;   // the list afterwards, as shown
};

void PrintTo(const CasoExclusao& c, std::ostream* os)
{
    *os << c.nome;
}

class ExclusaoDaSelecao : public JanelaTeste, public testing::WithParamInterface<CasoExclusao>
{
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        pasta.escreve(NomeArquivoExercicio(u"2005"_s), Arquivo(OrdemDoArquivo));
        iniciaExercicio(u"2005"_s);
        ASSERT_EQ(janela->lista().linhas(), 7);
    }

    void clicaLinha(int linha, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        const QModelIndex indice = janela->lista().index(linha, 0);
        lista()->scrollTo(indice);
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, m,
                          lista()->visualRect(indice).center());
    }
    void clicaTitulo(int coluna)
    {
        QHeaderView* h = lista()->header();
        const int x = h->sectionViewportPosition(coluna) + h->sectionSize(coluna) / 2;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
    }
    void seleciona(const CasoExclusao& c)
    {
        switch (c.selecao) {
        case Selecao::Cliques:
            for (size_t i = 0; i < c.linhas.size(); ++i)
                clicaLinha(c.linhas[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
            break;
        case Selecao::Faixa:
            clicaLinha(c.linhas.front());
            clicaLinha(c.linhas.back(), Qt::ShiftModifier);
            break;
        case Selecao::TodasPorCtrlA:
            clicaLinha(0);
            QTest::keyClick(lista(), Qt::Key_A, Qt::ControlModifier);
            break;
        }
    }
    int selecionadas() const
    {
        return static_cast<int>(lista()->selectionModel()->selectedRows().size());
    }
};

const CasoExclusao Casos[] = {
    {"UmaLinha",
     false,
     Selecao::Cliques,
     {3},
     {u"P1"_s, u"P2"_s, u"P3"_s, u"P5"_s, u"P6"_s, u"P7"_s}},
    {"APrimeira",
     false,
     Selecao::Cliques,
     {0},
     {u"P2"_s, u"P3"_s, u"P4"_s, u"P5"_s, u"P6"_s, u"P7"_s}},
    {"AUltima",
     false,
     Selecao::Cliques,
     {6},
     {u"P1"_s, u"P2"_s, u"P3"_s, u"P4"_s, u"P5"_s, u"P6"_s}},
    {"UmaFaixa", false, Selecao::Faixa, {1, 2, 3, 4}, {u"P1"_s, u"P6"_s, u"P7"_s}},
    {"Espalhadas", false, Selecao::Cliques, {0, 2, 5}, {u"P2"_s, u"P4"_s, u"P5"_s, u"P7"_s}},
    {"EspalhadasForaDeOrdem",
     false,
     Selecao::Cliques,
     {6, 1, 3},
     {u"P1"_s, u"P3"_s, u"P5"_s, u"P6"_s}},
    {"TodasMenosUma", false, Selecao::Cliques, {0, 1, 2, 4, 5, 6}, {u"P4"_s}},
    {"UmaAposOrdenar",
     true,
     Selecao::Cliques,
     {1},
     {u"P3"_s, u"P1"_s, u"P5"_s, u"P6"_s, u"P2"_s, u"P4"_s}},
    {"EspalhadasAposOrdenar",
     true,
     Selecao::Cliques,
     {0, 3, 6},
     {u"P7"_s, u"P1"_s, u"P6"_s, u"P2"_s}},
    {"FaixaAposOrdenar", true, Selecao::Faixa, {2, 3, 4, 5}, {u"P3"_s, u"P7"_s, u"P4"_s}},
};

} // namespace

TEST_P(ExclusaoDaSelecao, RemoveAsLinhasEGravaORestoNaOrdemMostrada)
{
    const CasoExclusao& c = GetParam();
    if (c.ordenaPorNeDescendente) {
        clicaTitulo(Coluna::NotaEmpenho);
        clicaTitulo(Coluna::NotaEmpenho);
        ASSERT_EQ(coluna(Coluna::Processo), OrdemNeDescendente);
    }
    seleciona(c);
    ASSERT_EQ(selecionadas(), static_cast<int>(c.linhas.size()));
    const qsizetype antes = servicos.mensagens.caixas().size();
    const int ligacoes = servicos.atividade.ligacoes();
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);

    // The hourglass while the rows go and the file is written, and not after.
    EXPECT_EQ(servicos.atividade.ligacoes(), ligacoes + 1);
    EXPECT_FALSE(servicos.atividade.ligado());
    EXPECT_EQ(servicos.mensagens.caixas().mid(antes),
              (QList<CaixaMostrada>{{u"Confirma a exclusão."_s, Icone::Pergunta, Botoes::OkCancelar,
                                     u"Exclusão de Adiantamento"_s}}));
    EXPECT_EQ(coluna(Coluna::Processo), c.restantes);
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Arquivo(c.restantes));
    // The first row is the only one selected, and the fields show it.
    EXPECT_EQ(selecionadas(), 1);
    EXPECT_EQ(janela->linhaSelecionada(), 0);
    EXPECT_EQ(txt("TxtProcesso")->text(), c.restantes.first());
    EXPECT_TRUE(cmd("CmdExcluir")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Selecoes, ExclusaoDaSelecao, testing::ValuesIn(Casos),
                         [](const testing::TestParamInfo<CasoExclusao>& i) {
                             return std::string(i.param.nome);
                         });

using ExclusaoTudo = ExclusaoDaSelecao;

TEST_F(ExclusaoTudo, CtrlAApagaOArquivoEDesabilitaOsComandos)
{
    seleciona({"Todas", false, Selecao::TodasPorCtrlA, {}, {}});
    ASSERT_EQ(selecionadas(), 7);
    const qsizetype antes = servicos.mensagens.caixas().size();
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_FALSE(QFile::exists(arquivo(u"2005"_s)));
    EXPECT_EQ(servicos.mensagens.caixas().size(), antes + 1);
    for (const char* nome : {"CmdAlterar", "CmdExcluir", "CmdImprimir", "CmdGravarArquivo",
                             "CmdRestaurar", "CmdImportar"})
        EXPECT_FALSE(w(nome)->isEnabled()) << nome;
}

// A rewrite refused after the rows went leaves them gone and no row selected: a second F4
// removes nothing the clerk did not pick.
TEST_F(ExclusaoTudo, GravacaoRecusadaNaoSelecionaOutraLinha)
{
    txt("TxtResponsavel")->setText(QString());
    seleciona({"Espalhadas", false, Selecao::Cliques, {1, 4}, {}});
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    EXPECT_EQ(servicos.mensagens.textos().last(), u"Informe o nome do Responsável"_s);
    EXPECT_EQ(coluna(Coluna::Processo), (QStringList{u"P1"_s, u"P3"_s, u"P4"_s, u"P6"_s, u"P7"_s}));
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Arquivo(OrdemDoArquivo));
    EXPECT_EQ(selecionadas(), 0);

    txt("TxtResponsavel")->setText(u"BELTRANO DA SILVA"_s);
    lista()->setFocus();
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    EXPECT_EQ(coluna(Coluna::Processo), (QStringList{u"P1"_s, u"P3"_s, u"P4"_s, u"P6"_s, u"P7"_s}));
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Arquivo({u"P1"_s, u"P3"_s, u"P4"_s, u"P6"_s, u"P7"_s}));
}
