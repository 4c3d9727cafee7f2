#include "Catalogo.h"
#include "Estreito.h"
#include "ImprimeQt.h"
#include "ModeloAdiantamentos.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace
{

Adiantamento adiantamento(const QString& processo, const QString& ne, Centavos valor,
                          const QString& pi = u"01/03"_s, const QString& cpf = u"12345678909"_s)
{
    Adiantamento a;
    a.processo = processo;
    a.notaEmpenho = ne;
    a.elemento = IndiceElemento(u"339030");
    a.cpf = cpf;
    a.nome = u"CREDOR "_s + processo;
    a.valor = valor;
    a.periodoInicial = pi;
    a.periodoFinal = u"31/03"_s;
    return a;
}

QStringList processos(const ModeloAdiantamentos& m)
{
    QStringList r;
    for (int i = 0; i < m.linhas(); ++i)
        r << m.texto(i, Coluna::Processo);
    return r;
}

} // namespace

TEST(Modelo, ConjuntoPadraoDeColunas)
{
    ModeloAdiantamentos m;
    ASSERT_EQ(m.columnCount(), 13);
    const QStringList titulos = {u"Processo"_s,
                                 u"Nota de Empenho"_s,
                                 u"Elemento Econômico"_s,
                                 u"CPF Credor"_s,
                                 u"Nome Credor"_s,
                                 u"Valor"_s,
                                 u"Período Inicial"_s,
                                 u"Período Final"_s,
                                 u"ne"_s,
                                 u"ee"_s,
                                 u"vl"_s,
                                 u"pi"_s,
                                 u"pf"_s};
    const int larguras[] = {1500, 1500, 1400, 1300, 2300, 1200, 1100, 1100, 0, 0, 0, 0, 0};
    for (int c = 0; c < 13; ++c) {
        EXPECT_EQ(m.headerData(c, Qt::Horizontal).toString(), titulos[c]);
        EXPECT_EQ(ModeloAdiantamentos::Colunas[c].larguraTwips, larguras[c]);
    }
    EXPECT_TRUE(ModeloAdiantamentos::Colunas[Coluna::NotaEmpenho].alinhamento & Qt::AlignRight);
    EXPECT_TRUE(ModeloAdiantamentos::Colunas[Coluna::CpfCredor].alinhamento & Qt::AlignHCenter);
    EXPECT_EQ(ModeloAdiantamentos::pixelsDeTwips(1500), 100);
}

TEST(Modelo, ChavesOcultasDeCadaLinha)
{
    ModeloAdiantamentos m;
    m.acrescenta(adiantamento(u"P"_s, u"345"_s, 123456, u"15/03"_s));
    EXPECT_EQ(m.texto(0, Coluna::ElementoEconomico), u"339030  MATERIAL DE CONSUMO"_s);
    EXPECT_EQ(m.texto(0, Coluna::Valor), u"1.234,56"_s);
    EXPECT_EQ(m.texto(0, Coluna::ChaveNe), u"000000345"_s);
    EXPECT_EQ(m.texto(0, Coluna::ChaveEe), u"339030"_s);
    EXPECT_EQ(m.texto(0, Coluna::ChaveVl), u"00.001.234,56"_s);
    EXPECT_EQ(m.texto(0, Coluna::ChavePi), u"0315"_s);
    EXPECT_EQ(m.texto(0, Coluna::ChavePf), u"0331"_s);
}

TEST(Modelo, OrdenaPelasChavesDeLarguraFixa)
{
    ModeloAdiantamentos m;
    m.acrescenta(adiantamento(u"dez"_s, u"7"_s, 1000));
    m.acrescenta(adiantamento(u"nove"_s, u"12"_s, 900));
    m.acrescenta(adiantamento(u"cem"_s, u"100"_s, 10000));
    m.ordena(Coluna::ChaveVl, Qt::AscendingOrder);
    EXPECT_EQ(processos(m), (QStringList{u"nove"_s, u"dez"_s, u"cem"_s}));
    m.ordena(Coluna::ChaveVl, Qt::DescendingOrder);
    EXPECT_EQ(processos(m), (QStringList{u"cem"_s, u"dez"_s, u"nove"_s}));
    m.ordena(Coluna::ChaveNe, Qt::AscendingOrder);
    EXPECT_EQ(processos(m), (QStringList{u"dez"_s, u"nove"_s, u"cem"_s}));
}

TEST(Modelo, OrdemSobreviveAInclusaoEAlteracao)
{
    ModeloAdiantamentos m;
    m.acrescenta(adiantamento(u"b"_s, u"2"_s, 200));
    m.acrescenta(adiantamento(u"d"_s, u"4"_s, 400));
    m.ordena(Coluna::Processo, Qt::AscendingOrder);
    EXPECT_EQ(m.acrescenta(adiantamento(u"c"_s, u"3"_s, 300)), 1);
    EXPECT_EQ(m.acrescenta(adiantamento(u"A"_s, u"1"_s, 100)), 0); // case is not compared
    EXPECT_EQ(processos(m), (QStringList{u"A"_s, u"b"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(m.substitui(0, adiantamento(u"e"_s, u"1"_s, 100)), 3);
    EXPECT_EQ(processos(m), (QStringList{u"b"_s, u"c"_s, u"d"_s, u"e"_s}));
    EXPECT_EQ(m.substitui(2, adiantamento(u"a"_s, u"4"_s, 400)), 0);
    EXPECT_EQ(processos(m), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"e"_s}));
}

TEST(Modelo, OrdemDeTextoComoAComparacaoSemCaixa)
{
    // The sort folds its keys once; the order must be the one the case-insensitive comparison
    // of the texts gives, accents, symbols, ties (kept in entry order) and lengths included.
    const QStringList nomes = {
        u"ábaco"_s,       u"Ábaco"_s,       u"abaco"_s,      u"ABACO"_s,
        u"zebra"_s,       u"Éden"_s,        u"eden"_s,       u"ÇAL"_s,
        u"çal"_s,         u"cal"_s,         u"AB"_s,         u"ab c"_s,
        u"Ab-c"_s,        u"ªx"_s,          u"ºx"_s,         u"ÿ"_s,
        u"µ"_s,           QString(),        u"ß"_s,          u"SS"_s,
        u"Ü"_s,           u"ü"_s,           u"\U0001D400"_s, u"a\U0001D400b"_s,
        u"a\U0001D401"_s, u"a\U00010400"_s, u"a\U00010428"_s};
    for (const bool comPar : {false, true}) {
        ModeloAdiantamentos m;
        for (const QString& nome : nomes) {
            if (comPar ||
                !std::any_of(nome.begin(), nome.end(), [](QChar c) { return c.isSurrogate(); }))
                m.acrescenta(adiantamento(nome, u"1"_s, 100));
        }
        QStringList esperado = processos(m);
        for (const Qt::SortOrder ordem : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            std::stable_sort(esperado.begin(), esperado.end(),
                             [ordem](const QString& a, const QString& b) {
                                 const int c = a.compare(b, Qt::CaseInsensitive);
                                 return ordem == Qt::AscendingOrder ? c < 0 : c > 0;
                             });
            m.ordena(Coluna::Processo, ordem);
            EXPECT_EQ(processos(m), esperado) << comPar << " " << ordem;
        }
    }
}

// Keys that share long beginnings, differ only in case or accents, or stop short: the sort
// compares a few packed characters first and must still give the case-insensitive order of the
// whole texts, with ties in the order they stood.
TEST(Modelo, OrdemDeChavesComComecoComumEmSequenciasAleatorias)
{
    const QStringList pedacos = {u"0"_s, u"1"_s, u"9"_s, u"."_s, u","_s, u"a"_s,  u"A"_s,
                                 u"á"_s, u"Á"_s, u"b"_s, u" "_s, u"ß"_s, u"ss"_s, u"\U0001D400"_s};
    std::mt19937 sorteio(20261211);
    const auto ate = [&sorteio](int n) { return static_cast<int>(sorteio() % n); };
    for (int rodada = 0; rodada < 60; ++rodada) {
        const QString comeco = QString(ate(12), u'0') + (ate(2) ? u"00."_s : QString());
        ModeloAdiantamentos m;
        const int linhas = 1 + ate(40);
        for (int i = 0; i < linhas; ++i) {
            QString texto = ate(8) ? comeco : QString();
            for (int n = ate(7); n > 0; --n)
                texto += pedacos[ate(static_cast<int>(pedacos.size()))];
            m.acrescenta(adiantamento(texto, QString::number(i), 100));
        }
        QStringList esperado = processos(m);
        for (const Qt::SortOrder ordem :
             {Qt::AscendingOrder, Qt::DescendingOrder, Qt::AscendingOrder}) {
            std::stable_sort(esperado.begin(), esperado.end(),
                             [ordem](const QString& a, const QString& b) {
                                 const int c = a.compare(b, Qt::CaseInsensitive);
                                 return ordem == Qt::AscendingOrder ? c < 0 : c > 0;
                             });
            m.ordena(Coluna::Processo, ordem);
            ASSERT_EQ(processos(m), esperado) << "rodada " << rodada << ", ordem " << ordem;
        }
    }
}

TEST(Modelo, ChavesIguaisMantemAOrdemDeEntrada)
{
    ModeloAdiantamentos m;
    for (const QString& p : {u"1"_s, u"2"_s, u"3"_s})
        m.acrescenta(adiantamento(p, p, 500));
    m.ordena(Coluna::ChaveVl, Qt::AscendingOrder);
    EXPECT_EQ(processos(m), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    m.acrescenta(adiantamento(u"4"_s, u"4"_s, 500));
    EXPECT_EQ(processos(m).last(), u"4"_s);
}

TEST(Modelo, SelecaoSegueALinhaOrdenada)
{
    ModeloAdiantamentos m;
    m.acrescenta(adiantamento(u"b"_s, u"2"_s, 200));
    m.acrescenta(adiantamento(u"a"_s, u"1"_s, 100));
    const QPersistentModelIndex b = m.index(0, 0);
    m.ordena(Coluna::Processo, Qt::AscendingOrder);
    EXPECT_EQ(b.row(), 1);
}

TEST(Modelo, ChaveDoCPFSemMontarAChave)
{
    // The row scan's comparison must agree with comparing the keys themselves.
    const QStringList cpfs = {u"12345678909"_s,  u"123456789-09"_s, u"123456789/09"_s,
                              u"123456789-00"_s, u"1234567890"_s,   u"023456789-09"_s,
                              u"12345678909 "_s, QString(),         u"123.456.789-09"_s};
    for (const QString& linha : cpfs) {
        for (const QString& digitado : cpfs) {
            const QString chave = ChaveCPF(digitado);
            EXPECT_EQ(TemChaveCPF(linha, chave), ChaveCPF(linha) == chave)
                << linha.toStdString() << " / " << digitado.toStdString();
        }
    }
}

TEST(Modelo, NomeDoCredorPelaChaveDoCPF)
{
    ModeloAdiantamentos m;
    m.acrescenta(adiantamento(u"a"_s, u"1"_s, 100, u"01/03"_s, u"123456789-09"_s));
    m.acrescenta(adiantamento(u"b"_s, u"2"_s, 100, u"01/03"_s, u"12345678909"_s));
    m.acrescenta(adiantamento(u"c"_s, u"3"_s, 100, u"01/03"_s, u"52998224725"_s));
    m.renomeiaCredor(ChaveCPF(u"12345678909"_s), u"NOVO NOME"_s);
    EXPECT_EQ(m.texto(0, Coluna::NomeCredor), u"NOVO NOME"_s);
    EXPECT_EQ(m.texto(1, Coluna::NomeCredor), u"NOVO NOME"_s);
    EXPECT_EQ(m.texto(2, Coluna::NomeCredor), u"CREDOR c"_s);
}

TEST(Catalogo, ItensEBusca)
{
    const QStringList& itens = ItensCatalogo();
    ASSERT_EQ(itens.size(), TotalItensCatalogo);
    EXPECT_EQ(itens[0], QString());
    EXPECT_TRUE(itens[8].endsWith(u"MILITA"));
    EXPECT_EQ(itens[30], u"336041  CONTRIBUIÇÕES"_s);
    EXPECT_EQ(itens[IndiceElemento(u"339030")], u"339030  MATERIAL DE CONSUMO"_s);
    EXPECT_EQ(IndiceElemento(u"319008"), 5);
    EXPECT_EQ(itens[IndiceElemento(u"555555")], u"555555  A DEFINIR - CARTAO"_s);
    EXPECT_EQ(IndiceElemento(u"999999"), 84);
    EXPECT_EQ(IndiceElemento(u""), 0);
    EXPECT_EQ(IndiceElemento(u"33903"), -1);
    EXPECT_EQ(IndiceElemento(u" 339030"), -1);
    // Six characters that are not a code: the lookup by number must not read them as one.
    for (const char16_t* quaseCodigo : {u" 33903", u"33903 ", u"+33903", u"3390a0", u"339031"})
        EXPECT_EQ(IndiceElemento(quaseCodigo), -1) << QString::fromUtf16(quaseCodigo).toStdString();
    for (int i = 0; i < itens.size(); ++i)
        EXPECT_EQ(IndiceElemento(itens[i].left(6)), i) << itens[i].toStdString();
    for (int i = 1; i < itens.size(); ++i) {
        EXPECT_EQ(itens[i].mid(6, 2), u"  "_s);
        EXPECT_LE(itens[i].size(), 6 + 2 + 44);
        if (i > 1) {
            EXPECT_LT(itens[i - 1].left(6), itens[i].left(6));
        }
    }
}

TEST(Estreito, EstouroEFalhaSeis)
{
    Byte posicao = 255;
    EXPECT_THROW(++posicao, Falha);
    EXPECT_EQ(posicao.valor(), 255);
    Inteiro16 soma = 32760;
    soma += 7;
    EXPECT_EQ(soma.valor(), 32767);
    try {
        soma += 1;
        FAIL() << "no overflow";
    } catch (const Falha& f) {
        EXPECT_EQ(f.numero, 6);
        EXPECT_EQ(f.texto(), u"6 - Estouro"_s);
    }
}

TEST(Falhas, ErrosDoSistemaNaNumeracaoDoPrograma)
{
    EXPECT_EQ(Falha::doSistema(ENOENT).numero, 53);
    EXPECT_EQ(Falha::doSistema(ENOSPC).numero, 61);
    EXPECT_EQ(Falha::doSistema(EACCES).numero, 70);
    EXPECT_EQ(Falha::doSistema(EROFS).numero, 70);
    EXPECT_EQ(Falha::doSistema(ENOTDIR).numero, 76);
    EXPECT_EQ(Falha::doSistema(EIO).numero, 57);
    EXPECT_EQ(Falha::doSistema(ENOMEDIUM).numero, 68);
    EXPECT_TRUE(Falha::doSistema(EIO).ehDeDispositivo());
    EXPECT_EQ(Falha::numerada(53).texto(), u"53 - Arquivo não encontrado"_s);
}
