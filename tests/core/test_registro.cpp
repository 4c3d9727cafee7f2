#include "Caminhos.h"
#include "FormRegistroFalso.h"
#include "ImprimeQt.h"
#include "Module1.h"
#include "PastaTemporaria.h"
#include "Registro.h"
#include "ServicosDeTeste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Exemplo =
    "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n"
    "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";
const QString ForaDoLayout =
    u"Informações fora do layout esperado, ou não é o arquivo correto. Verifique"_s;

class RegistroEmDisco : public testing::Test
{
protected:
    void SetUp() override
    {
        DefinePastaPrograma(pasta.caminho());
        AbreExercicio(u"2005"_s);
    }
    void TearDown() override
    {
        FechaExercicio();
        DefinePastaPrograma(QString());
    }

    QString arquivo2005() const { return pasta.arquivo(u"Pravex2005.txt"_s); }
    int carrega(const QString& caminho)
    {
        return CarregaArquivo(caminho, form, servicos.mensagens, servicos.atividade);
    }

    PastaTemporaria pasta;
    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
    FormRegistroFalso form;
};

} // namespace

TEST_F(RegistroEmDisco, CarregaEGravaDeVoltaByteAByte)
{
    pasta.escreve(u"Pravex2005.txt"_s,
                  Exemplo + Exemplo.mid(Exemplo.indexOf('\n') + 1).replace("345", "346"));
    const QByteArray original = LeBytes(arquivo2005());
    form.cab.exercicio = u"2005"_s;
    ASSERT_EQ(carrega(arquivo2005()), 1);
    EXPECT_EQ(form.cab,
              (Cabecalho{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s}));
    EXPECT_EQ(form.modelo.linhas(), 2);
    EXPECT_EQ(form.habilitado, 1);
    EXPECT_EQ(form.progressos, (QList<FormRegistroFalso::Progresso>{{1, 4, 1}}));
    EXPECT_EQ(servicos.atividade.passagens(), 1);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());

    QFile::remove(arquivo2005());
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    EXPECT_EQ(LeBytes(arquivo2005()), original);
}

TEST_F(RegistroEmDisco, SoCabecalhoNaoHabilitaNada)
{
    pasta.escreve(u"Pravex2005.txt"_s, "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n");
    ASSERT_EQ(carrega(arquivo2005()), 1);
    EXPECT_EQ(form.cab.orgao, u"PREFEITURA MUNICIPAL"_s);
    EXPECT_EQ(form.modelo.linhas(), 0);
    EXPECT_EQ(form.habilitado, 0);
}

TEST_F(RegistroEmDisco, CabecalhoDeOutroAnoTrocaOExercicio)
{
    pasta.escreve(u"Pravex2005.txt"_s, QByteArray(Exemplo).replace(",2005,", ",2006,"));
    form.cab.exercicio = u"2005"_s;
    ASSERT_EQ(carrega(arquivo2005()), 1);
    EXPECT_EQ(form.cab.exercicio, u"2006"_s);
}

TEST_F(RegistroEmDisco, ArquivoRuimMostraOLayoutEVoltaAoExercicioSemDados)
{
    const QByteArray ruim = "PREFEITURA MUNICIPAL,2006,FULANO,BELTRANO,,,,\r\n"
                            "0012/2005,345,339030,12345678909,CICRANO,50,01/03,31/03\r\n";
    for (const QString& caminho : {pasta.escreve(u"ruim.txt"_s, ruim),
                                   pasta.arquivo(u"nao-existe.txt"_s), pasta.caminho()}) {
        form.cab = Cabecalho{u"2005"_s, u"ORGAO ANTERIOR"_s, u"E"_s, u"R"_s};
        form.modelo.acrescenta(Adiantamento{});
        const int limposAntes = form.limpo;
        EXPECT_EQ(carrega(caminho), 0);
        EXPECT_EQ(servicos.mensagens.caixas().last(),
                  (CaixaMostrada{ForaDoLayout, Icone::Parada, Botoes::Ok, u"Pravex"_s}));
        EXPECT_EQ(form.limpo, limposAntes + 1);
        EXPECT_EQ(form.cab, (Cabecalho{u"2005"_s, {}, {}, {}}));
        EXPECT_EQ(form.modelo.linhas(), 0);
    }
    EXPECT_EQ(LeBytes(pasta.arquivo(u"ruim.txt"_s)), ruim);
}

struct CasoGravacao {
    const char* nome;
    const char16_t* aberto; // the open exercise
    Cabecalho cabecalho;
    bool comLinha;
    const char16_t* mensagem;
    CampoCabecalho foco;
};
void PrintTo(const CasoGravacao& c, std::ostream* os)
{
    *os << c.nome;
}

class GravaArquivoRecusa : public RegistroEmDisco, public testing::WithParamInterface<CasoGravacao>
{
};

TEST_P(GravaArquivoRecusa, ComBipeMensagemEFocoSemTocarOArquivo)
{
    pasta.escreve(u"Pravex2005.txt"_s, Exemplo);
    pasta.escreve(u"Pravex.txt"_s, Exemplo);
    AbreExercicio(QString::fromUtf16(GetParam().aberto));
    form.cab = GetParam().cabecalho;
    if (GetParam().comLinha)
        form.modelo.acrescenta(Adiantamento{});
    EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));
    EXPECT_EQ(servicos.mensagens.bipes(), 1);
    EXPECT_EQ(servicos.mensagens.caixas(),
              (QList<CaixaMostrada>{{QString::fromUtf16(GetParam().mensagem), Icone::Parada,
                                     Botoes::Ok, u"Pravex"_s}}));
    EXPECT_EQ(form.foco, GetParam().foco);
    EXPECT_EQ(LeBytes(arquivo2005()), Exemplo);
    EXPECT_EQ(LeBytes(pasta.arquivo(u"Pravex.txt"_s)), Exemplo);
}

INSTANTIATE_TEST_SUITE_P(Tabela, GravaArquivoRecusa,
                         testing::Values(CasoGravacao{"Exercicio2002",
                                                      u"2002",
                                                      {u"2005"_s, u"O"_s, u"E"_s, u"R"_s},
                                                      true,
                                                      u"Informe um Exercício a partir de 2003",
                                                      CampoCabecalho::Exercicio},
                                         CasoGravacao{"NenhumAberto",
                                                      u"",
                                                      {u"2005"_s, u"O"_s, u"E"_s, u"R"_s},
                                                      true,
                                                      u"Informe um Exercício a partir de 2003",
                                                      CampoCabecalho::Exercicio},
                                         CasoGravacao{"OrgaoEmBranco",
                                                      u"2005",
                                                      {u"2005"_s, u"  "_s, u"E"_s, u"R"_s},
                                                      true,
                                                      u"Informe o nome do(a) UGE/Órgão/Entidade",
                                                      CampoCabecalho::Orgao},
                                         CasoGravacao{"ResponsavelEmBranco",
                                                      u"2005",
                                                      {u"2005"_s, u"O"_s, u"E"_s, u" "_s},
                                                      true,
                                                      u"Informe o nome do Responsável",
                                                      CampoCabecalho::Responsavel},
                                         CasoGravacao{"ListaVazia",
                                                      u"2005",
                                                      {u"2005"_s, u"O"_s, u"E"_s, u"R"_s},
                                                      false,
                                                      u"Nenhum Adiantamento foi informado.",
                                                      CampoCabecalho::Responsavel}),
                         [](const testing::TestParamInfo<CasoGravacao>& info) {
                             return info.param.nome;
                         });

TEST_F(RegistroEmDisco, CabecalhoGravadoSemAparar)
{
    form.cab = Cabecalho{u"2005"_s, u"ORGAO "_s, u" ELAB"_s, u"RESP  "_s};
    Adiantamento a;
    a.notaEmpenho = u"1"_s;
    form.modelo.acrescenta(a);
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    EXPECT_EQ(LeBytes(arquivo2005()),
              QByteArray("ORGAO ,2005, ELAB,RESP  ,,,,\r\n,1,,,,0.00,,\r\n"));
}

// The open exercise owns the write: a year typed in the exercise field and not started, or a
// header of another year loaded with the file, neither names the file nor reaches its header.
TEST_F(RegistroEmDisco, GravaNoExercicioAbertoQualquerQueSejaOAnoDigitado)
{
    pasta.escreve(u"Pravex2004.txt"_s, Exemplo);
    Adiantamento a;
    a.notaEmpenho = u"1"_s;
    form.modelo.acrescenta(a);
    for (const QString& digitado : {u"2004"_s, u" 2005 "_s, u"20"_s, QString()}) {
        form.cab = Cabecalho{digitado, u"ORGAO"_s, u"E"_s, u"R"_s};
        ASSERT_TRUE(GravaArquivo(form, servicos.mensagens)) << digitado.toStdString();
        EXPECT_EQ(LeBytes(arquivo2005()), QByteArray("ORGAO,2005,E,R,,,,\r\n,1,,,,0.00,,\r\n"));
    }
    EXPECT_EQ(LeBytes(pasta.arquivo(u"Pravex2004.txt"_s)), Exemplo);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
}

TEST_F(RegistroEmDisco, GravarEsvaziaAMarcaDePendente)
{
    Module1::PendenteGravar = u"I"_s;
    form.cab = Cabecalho{u"2005"_s, u"ORGAO"_s, u"E"_s, u"R"_s};
    EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));
    EXPECT_EQ(Module1::PendenteGravar, u"I"_s);
    form.modelo.acrescenta(Adiantamento{});
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    EXPECT_TRUE(Module1::PendenteGravar.isEmpty());
}

TEST(ArquivoDoExercicio, AnoDoNome)
{
    EXPECT_EQ(AnoDoArquivoExercicio(u"Pravex2005.txt"_s), u"2005"_s);
    EXPECT_EQ(AnoDoArquivoExercicio(NomeArquivoExercicio(u" 2006 "_s)), u"2006"_s);
    EXPECT_EQ(AnoDoArquivoExercicio(u"Pravex.txt"_s), QString());
    EXPECT_EQ(AnoDoArquivoExercicio(u"pravexenvio2005.txt"_s), QString());
}

TEST_F(RegistroEmDisco, FalhaDeGravacaoMostraNumeroEDescricao)
{
    form.cab = Cabecalho{u"2005"_s, u"ORGAO"_s, u"E"_s, u"R"_s};
    Adiantamento a;
    a.nome = u"NOME \u0100"_s;
    form.modelo.acrescenta(a);
    pasta.escreve(u"Pravex2005.txt"_s, Exemplo);
    EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));
    ASSERT_EQ(servicos.mensagens.caixas().size(), 1);
    EXPECT_EQ(servicos.mensagens.caixas()[0].icone, Icone::Nenhum);
    EXPECT_TRUE(servicos.mensagens.caixas()[0].texto.startsWith(u"5 - "_s));
    EXPECT_EQ(LeBytes(arquivo2005()), Exemplo);

    // The folder itself gone: the write fails and says so.
    DefinePastaPrograma(pasta.arquivo(u"sumiu"_s));
    AbreExercicio(u"2005"_s);
    form.modelo.substitui(0, Adiantamento{});
    EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));
    EXPECT_EQ(servicos.mensagens.textos().last(), u"76 - Caminho não encontrado"_s);
}

// A pipe or a folder with the data file's name is neither written through nor replaced.
TEST_F(RegistroEmDisco, NaoEhArquivoComumNaoEhSubstituido)
{
    form.cab = Cabecalho{u"2005"_s, u"ORGAO"_s, u"E"_s, u"R"_s};
    form.modelo.acrescenta(Adiantamento{});
    for (const bool fifo : {true, false}) {
        if (fifo)
            ASSERT_EQ(::mkfifo(QFile::encodeName(arquivo2005()).constData(), 0600), 0);
        else
            ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"Pravex2005.txt"_s));
        EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));
        EXPECT_EQ(servicos.mensagens.textos().last(), u"75 - Erro de acesso ao caminho/arquivo"_s);
        const QFileInfo lugar(arquivo2005());
        EXPECT_EQ(lugar.isDir(), !fifo);
        EXPECT_EQ(lugar.isFile(), false);
        EXPECT_EQ(
            QDir(pasta.caminho()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            QStringList{u"Pravex2005.txt"_s});
        QFile::remove(arquivo2005());
        QDir(pasta.caminho()).rmdir(u"Pravex2005.txt"_s);
    }
}
