// The versions of the data file: their names, the retention, and what a rewrite leaves in the
// folder versoes, a failing one included.

#include "Caminhos.h"
#include "DiscoPequeno.h"
#include "FalhaReal.h"
#include "FormRegistroFalso.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"
#include "Registro.h"
#include "ServicosDeTeste.h"
#include "Versoes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Cabecalho2005 = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n";
const QByteArray Linha1 = "P1,10,339030,12345678909,CICRANO DA SILVA,9.00,01/03,31/03\r\n";
const QByteArray Linha2 = "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02\r\n";

const QDateTime Momento(QDate(2026, 12, 10), QTime(17, 30, 0));

// ---- names

TEST(NomeVersao, DataHoraEContadorNoNome)
{
    EXPECT_EQ(NomeVersao(u"2005"_s, Momento), u"PravexBkp2005-20261210-173000.txt"_s);
    EXPECT_EQ(NomeVersao(u" 2005 "_s, Momento, 2), u"PravexBkp2005-20261210-173000_2.txt"_s);
    EXPECT_EQ(NomeVersao(u"2005"_s, QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5, 678)), 12),
              u"PravexBkp2005-20270102-030405_12.txt"_s);
    // The restore dialog lists them with the backups.
    EXPECT_TRUE(NomeVersao(u"2005"_s, Momento).startsWith(u"PravexBkp"_s));
}

TEST(LeVersao, SoNomesDeVersaoDoExercicio)
{
    const std::optional<Versao> v = LeVersao(u"PravexBkp2005-20261210-173000_3.txt"_s, u"2005"_s);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->dia, QDate(2026, 12, 10));
    EXPECT_EQ(v->hora, QTime(17, 30, 0));
    EXPECT_EQ(v->ordem, 3);
    EXPECT_EQ(LeVersao(u"PravexBkp2005-20261210-173000.txt"_s, u"2005"_s)->ordem, 0);

    for (const QString& nome : {
             u"PravexBkp2005.txt"_s,                    // a backup, not a version
             u"PravexBkp2006-20261210-173000.txt"_s,    // another exercise
             u"pravexbkp2005-20261210-173000.txt"_s,    // not a name the program writes
             u"PravexBkp2005-20261310-173000.txt"_s,    // no month 13
             u"PravexBkp2005-20261210-246000.txt"_s,    // no hour 24
             u"PravexBkp2005-20261210-173000_1.txt"_s,  // the first of a second has none
             u"PravexBkp2005-20261210-173000_02.txt"_s, // counters have no leading zero
             u"PravexBkp2005-20261210-173000.txt.novo-abc123"_s,
             u"PravexBkp2005-20261210-1730.txt"_s,
         })
        EXPECT_EQ(LeVersao(nome, u"2005"_s), std::nullopt) << nome.toStdString();
}

// ---- retention

const QDate Hoje(2026, 12, 10);

// `quantas` versions `diasAtras` days before Hoje, one a minute from noon on (the later, the
// newer); their names in that order.
QList<Versao> doDia(int diasAtras, int quantas)
{
    QList<Versao> v;
    for (int i = 0; i < quantas; ++i) {
        const QDateTime quando(Hoje.addDays(-diasAtras), QTime(12, 0).addSecs(60 * i));
        v.append(*LeVersao(NomeVersao(u"2005"_s, quando), u"2005"_s));
    }
    return v;
}

QStringList nomes(const QList<Versao>& versoes)
{
    QStringList n;
    for (const Versao& v : versoes)
        n.append(v.nome);
    return n;
}

struct CasoRetencao {
    const char* nome;
    QList<Versao> versoes;
    QStringList descartadas;
};
void PrintTo(const CasoRetencao& c, std::ostream* os)
{
    *os << c.nome;
}

std::vector<CasoRetencao> CasosRetencao()
{
    std::vector<CasoRetencao> casos;
    casos.push_back({"VinteAntigasFicam", doDia(100, 20), {}});
    // The 21st is the newest of its day among those older than the 20 newest.
    casos.push_back({"VinteEUmaNoMesmoDia", doDia(0, 21), {}});
    casos.push_back({"VinteEDuasNoMesmoDia", doDia(0, 22), nomes(doDia(0, 1))});
    {
        const QList<Versao> v = doDia(0, 20) + doDia(29, 1) + doDia(30, 1);
        casos.push_back({"UltimoDiaDaJanela", v, nomes(doDia(30, 1))});
    }
    {
        const QList<Versao> v = doDia(0, 20) + doDia(5, 3);
        casos.push_back({"SoAMaisNovaDeCadaDia", v, nomes(doDia(5, 2))});
    }
    {
        // 25 today and 3 a day for 40 days: the 20 newest, today's 21st, one for each of the
        // 29 days before: 50, the most there can be.
        QList<Versao> v = doDia(0, 25);
        QStringList fora = nomes(doDia(0, 4));
        for (int dia = 1; dia <= 40; ++dia) {
            v += doDia(dia, 3);
            fora += dia < 30 ? nomes(doDia(dia, 2)) : nomes(doDia(dia, 3));
        }
        casos.push_back({"CinquentaNoMaximo", v, fora});
    }
    {
        // One second, 22 versions: the counter orders them, not the name (_10 is after _9).
        QList<Versao> v;
        for (int ordem :
             {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22})
            v.append(*LeVersao(NomeVersao(u"2005"_s, Momento, ordem), u"2005"_s));
        casos.push_back({"ContadorNoMesmoSegundo", v, {NomeVersao(u"2005"_s, Momento)}});
    }
    return casos;
}

class Retencao : public testing::TestWithParam<CasoRetencao>
{
};

TEST_P(Retencao, DescartaAsQueARegraNaoGuarda)
{
    QList<Versao> embaralhadas = GetParam().versoes;
    std::reverse(embaralhadas.begin(), embaralhadas.end());
    QStringList descartadas = VersoesDescartadas(embaralhadas, Hoje);
    QStringList esperadas = GetParam().descartadas;
    descartadas.sort();
    esperadas.sort();
    EXPECT_EQ(descartadas, esperadas);
    EXPECT_LE(GetParam().versoes.size() - descartadas.size(), MaximoVersoes);
}

INSTANTIATE_TEST_SUITE_P(Tabela, Retencao, testing::ValuesIn(CasosRetencao()),
                         [](const testing::TestParamInfo<CasoRetencao>& i) {
                             return i.param.nome;
                         });

// ---- keeping a version

class VersoesEmDisco : public testing::Test
{
protected:
    void SetUp() override
    {
        DefinePastaPrograma(pasta.caminho());
        AbreExercicio(u"2005"_s);
        form.cab = Cabecalho{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s};
        form.modelo.defineLinhas({});
    }
    void TearDown() override
    {
        FechaExercicio();
        DefinePastaPrograma(QString());
    }

    QString dados() const { return pasta.arquivo(u"Pravex2005.txt"_s); }
    QString versoes() const { return pasta.arquivo(u"versoes"_s); }
    QStringList nomesVersoes() const
    {
        return QDir(versoes()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // The rows of a data file's bytes, into the form.
    void mostra(const QByteArray& bytes)
    {
        const QString outro = pasta.escreve(u"mostrado.txt"_s, bytes);
        ASSERT_EQ(CarregaArquivo(outro, form, servicos.mensagens, servicos.atividade), 1);
        QFile::remove(outro);
    }
    static ino_t inode(const QString& caminho)
    {
        struct stat s {
        };
        return ::stat(QFile::encodeName(caminho).constData(), &s) == 0 ? s.st_ino : 0;
    }

    PastaTemporaria pasta;
    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
    FormRegistroFalso form;
};

TEST_F(VersoesEmDisco, LigacaoAoArquivoComoEstavaSemCopiarNada)
{
    pasta.escreve(u"Pravex2005.txt"_s, Cabecalho2005 + Linha1);
    const VersaoGuardada v = GuardaVersao(dados(), u"2005"_s, Momento);
    ASSERT_EQ(v.falha, std::nullopt);
    EXPECT_EQ(v.caminho, pasta.arquivo(u"versoes/PravexBkp2005-20261210-173000.txt"_s));
    EXPECT_EQ(inode(v.caminho), inode(dados()));
    EXPECT_EQ(LeBytes(v.caminho), Cabecalho2005 + Linha1);
}

TEST_F(VersoesEmDisco, NadaAGuardarSemArquivoDeDados)
{
    const VersaoGuardada v = GuardaVersao(dados(), u"2005"_s, Momento);
    EXPECT_TRUE(v.caminho.isEmpty());
    EXPECT_EQ(v.falha, std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(versoes()));
}

// The newest version of a second always has the highest counter, even after older ones of that
// second were let go; otherwise it would sort as the oldest and be the next one let go.
TEST_F(VersoesEmDisco, ContadorSegueOMaiorDoSegundo)
{
    pasta.escreve(u"Pravex2005.txt"_s, Cabecalho2005 + Linha1);
    EXPECT_EQ(QFileInfo(GuardaVersao(dados(), u"2005"_s, Momento).caminho).fileName(),
              u"PravexBkp2005-20261210-173000.txt"_s);
    EXPECT_EQ(QFileInfo(GuardaVersao(dados(), u"2005"_s, Momento).caminho).fileName(),
              u"PravexBkp2005-20261210-173000_2.txt"_s);
    QFile::remove(pasta.arquivo(u"versoes/PravexBkp2005-20261210-173000.txt"_s));
    EXPECT_EQ(QFileInfo(GuardaVersao(dados(), u"2005"_s, Momento).caminho).fileName(),
              u"PravexBkp2005-20261210-173000_3.txt"_s);
    EXPECT_EQ(QFileInfo(GuardaVersao(dados(), u"2005"_s, Momento.addSecs(1)).caminho).fileName(),
              u"PravexBkp2005-20261210-173001.txt"_s);
}

// A folder of versions on another medium cannot hold a link to the data file: a copy, byte for
// byte.
TEST_F(VersoesEmDisco, CopiaOndeNaoHaLigacao)
{
    DiscoPequeno disco(256);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ASSERT_TRUE(QFile::link(disco.caminho(), versoes()));
    pasta.escreve(u"Pravex2005.txt"_s, Cabecalho2005 + Linha1);
    const VersaoGuardada v = GuardaVersao(dados(), u"2005"_s, Momento);
    ASSERT_EQ(v.falha, std::nullopt);
    EXPECT_EQ(LeBytes(disco.arquivo(u"PravexBkp2005-20261210-173000.txt"_s)),
              Cabecalho2005 + Linha1);
    EXPECT_NE(inode(v.caminho), inode(dados()));
    EXPECT_EQ(QDir(disco.caminho()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"PravexBkp2005-20261210-173000.txt"_s});
}

TEST_F(VersoesEmDisco, CadaRegravacaoGuardaOArquivoComoEstava)
{
    mostra(Cabecalho2005 + Linha1);
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    EXPECT_FALSE(QFileInfo::exists(versoes())); // nothing was there before the first write
    mostra(Cabecalho2005 + Linha1 + Linha2);
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    mostra(Cabecalho2005 + Linha2);
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));

    const QStringList n = nomesVersoes();
    ASSERT_EQ(n.size(), 2);
    QList<Versao> lidas;
    for (const QString& nome : n)
        lidas.append(*LeVersao(nome, u"2005"_s));
    std::sort(lidas.begin(), lidas.end());
    EXPECT_EQ(LeBytes(JuntaCaminho(versoes(), lidas[0].nome)), Cabecalho2005 + Linha1);
    EXPECT_EQ(LeBytes(JuntaCaminho(versoes(), lidas[1].nome)), Cabecalho2005 + Linha1 + Linha2);
    EXPECT_EQ(LeBytes(dados()), Cabecalho2005 + Linha2);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
}

// Sixty versions, one a day before today: a rewrite keeps the 20 newest (its own among them)
// and one a day for the rest of the last 30 days. A rewrite that fails lets none go.
TEST_F(VersoesEmDisco, PodaSoDepoisDaRegravacao)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"versoes"_s));
    const QDate hoje = QDate::currentDate();
    QStringList antigas;
    for (int dia = 1; dia <= 60; ++dia) {
        antigas.append(NomeVersao(u"2005"_s, QDateTime(hoje.addDays(-dia), QTime(9, 0))));
        pasta.escreve(u"versoes/"_s + antigas.last(), Cabecalho2005);
    }
    antigas.sort();
    pasta.escreve(u"Pravex2005.txt"_s, Cabecalho2005 + Linha1);
    mostra(Cabecalho2005 + Linha2);

    {
        FalhaReal falha(TipoFalha::LimiteTamanho);
        form.modelo.defineLinhas(QList<Adiantamento>(200, form.modelo.linha(0)));
        falha.arma();
        if (!falha.motivo().isEmpty())
            GTEST_SKIP() << falha.motivo().toStdString();
        EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));
    }
    EXPECT_EQ(nomesVersoes(), antigas);

    mostra(Cabecalho2005 + Linha2);
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    QStringList esperadas;
    for (int dia = 1; dia <= 29; ++dia)
        esperadas.append(NomeVersao(u"2005"_s, QDateTime(hoje.addDays(-dia), QTime(9, 0))));
    const QStringList agora = nomesVersoes();
    ASSERT_EQ(agora.size(), 30);
    for (const QString& nome : esperadas)
        EXPECT_TRUE(agora.contains(nome)) << nome.toStdString();
    EXPECT_EQ(LeBytes(JuntaCaminho(versoes(), agora.last())), Cabecalho2005 + Linha1);
}

// A folder of versions that cannot take one: the rewrite is done all the same, and one message
// says the version was not kept.
struct CasoPastaRuim {
    const char* nome;
    QString falha;
};
void PrintTo(const CasoPastaRuim& c, std::ostream* os)
{
    *os << c.nome;
}

class PastaDeVersoesRuim : public VersoesEmDisco, public testing::WithParamInterface<CasoPastaRuim>
{
};

TEST_P(PastaDeVersoesRuim, GravaMesmoAssimEAvisaUmaVez)
{
    DiscoPequeno disco;
    const QString caso = QString::fromLatin1(GetParam().nome);
    if (caso == u"EhArquivo"_s) {
        pasta.escreve(u"versoes"_s, "x");
    } else {
        if (!disco.motivo().isEmpty())
            GTEST_SKIP() << disco.motivo().toStdString();
        ASSERT_TRUE(QFile::link(disco.caminho(), versoes()));
        if (caso == u"DiscoCheio"_s)
            disco.enche();
        else
            ASSERT_TRUE(disco.somenteLeitura());
    }
    pasta.escreve(u"Pravex2005.txt"_s, Cabecalho2005 + Linha1);
    mostra(Cabecalho2005 + Linha2);
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));

    EXPECT_EQ(LeBytes(dados()), Cabecalho2005 + Linha2);
    EXPECT_EQ(servicos.mensagens.caixas(),
              (QList<CaixaMostrada>{
                  {u"O arquivo Pravex2005.txt foi gravado, mas a versão anterior não pôde ser "
                   u"guardada na pasta "_s +
                       versoes() + u".\r\r"_s + GetParam().falha,
                   Icone::Exclamacao, Botoes::Ok, u"Pravex"_s}}));
    if (caso != u"EhArquivo"_s) {
        QStringList sobras =
            QDir(disco.caminho()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        sobras.removeAll(u".enchimento"_s);
        EXPECT_EQ(sobras, QStringList());
    }
    EXPECT_EQ(QDir(pasta.caminho()).entryList({u"*.novo-*"_s}, QDir::Files), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, PastaDeVersoesRuim,
    testing::Values(CasoPastaRuim{"DiscoCheio", u"61 - Disco cheio"_s},
                    CasoPastaRuim{"SomenteLeitura", u"70 - Permissão negada"_s},
                    CasoPastaRuim{"EhArquivo", u"76 - Caminho não encontrado"_s}),
    [](const testing::TestParamInfo<CasoPastaRuim>& i) { return i.param.nome; });

} // namespace
