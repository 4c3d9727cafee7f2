#include "CaixaAberta.h"
#include "Caminhos.h"
#include "DiscoPequeno.h"
#include "ImprimeQt.h"
#include "Inicio.h"
#include "MensagensQt.h"
#include "PastaTemporaria.h"
#include "ServicosDeTeste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

int JanelasPrincipaisVisiveis()
{
    int quantas = 0;
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (qobject_cast<FrmAdiantamentos*>(janela) != nullptr && janela->isVisible())
            ++quantas;
    return quantas;
}

} // namespace

TEST(Idioma, NumerosEDatasBrasileirosQualquerQueSejaALocalidade)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(PreparaIdioma(*qApp));

    const QLocale local;
    EXPECT_EQ(local.toString(1234567.891, 'f', 2), u"1.234.567,89"_s);
    EXPECT_EQ(local.toString(QDate(2005, 3, 15), QLocale::ShortFormat), u"15/03/2005"_s);
    bool ok = false;
    EXPECT_DOUBLE_EQ(local.toDouble(u"1.234,56"_s, &ok), 1234.56);
    EXPECT_TRUE(ok);
}

TEST(Idioma, BotoesPadraoEmPortugues)
{
    ASSERT_TRUE(PreparaIdioma(*qApp));
    struct Caso {
        Botoes botoes;
        QMessageBox::StandardButton primeiro, segundo;
        QString textoPrimeiro, textoSegundo;
    };
    const Caso casos[] = {
        {Botoes::SimNao, QMessageBox::Yes, QMessageBox::No, u"&Sim"_s, u"&Não"_s},
        {Botoes::OkCancelar, QMessageBox::Ok, QMessageBox::Cancel, u"OK"_s, u"Cancelar"_s},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.textoSegundo.toStdString());
        MensagensQt mensagens;
        QString primeiro, segundo;
        QuandoCaixaAbrir([&](QMessageBox& caixa) {
            primeiro = caixa.button(caso.primeiro)->text();
            segundo = caixa.button(caso.segundo)->text();
            caixa.button(caso.segundo)->click();
        });
        mensagens.mostra(u"Deseja sair?"_s, Icone::Pergunta, caso.botoes);
        EXPECT_EQ(primeiro, caso.textoPrimeiro);
        EXPECT_EQ(segundo, caso.textoSegundo);
    }
}

// Starts in a program folder of the test's own, with a runtime folder of its own.
class Inicio : public testing::Test
{
protected:
    void SetUp() override
    {
        DefinePastaPrograma(programa.caminho());
        runtimeAnterior = qgetenv("XDG_RUNTIME_DIR");
        usaRuntime(runtime1);
    }
    void TearDown() override
    {
        qputenv("XDG_RUNTIME_DIR", runtimeAnterior);
        DefinePastaPrograma(QString());
    }
    static void usaRuntime(const PastaTemporaria& pasta)
    {
        QFile::setPermissions(pasta.caminho(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(pasta.caminho()));
    }
    QString trava() const { return programa.arquivo(u".pravex.lock"_s); }

    PastaTemporaria programa, runtime1, runtime2;
    QByteArray runtimeAnterior;
};

TEST_F(Inicio, PrimeiraInstanciaMostraAJanelaPrincipal)
{
    ServicosDeTeste servicos;
    const auto execucao = Inicia(servicos.servicos());
    ASSERT_NE(execucao, nullptr);
    ASSERT_NE(execucao->janela, nullptr);
    EXPECT_TRUE(execucao->janela->isVisible());
    EXPECT_EQ(execucao->janela->objectName(), u"FrmAdiantamentos"_s);
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 1);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(trava()));
}

// A second user has a runtime folder of their own; the program folder, and its data, is the
// same: the second start is refused all the same.
TEST_F(Inicio, SegundaInstanciaNaMesmaPastaAvisaENaoMostraJanela)
{
    ServicosDeTeste primeiros;
    const auto primeira = Inicia(primeiros.servicos());
    ASSERT_NE(primeira, nullptr);
    const QByteArray conteudo = LeBytes(trava());
    const QDateTime modificada = QFileInfo(trava()).lastModified();
    ASSERT_FALSE(conteudo.isEmpty());

    usaRuntime(runtime2);
    ServicosDeTeste segundos;
    segundos.mensagens.responde(Resposta::Ok);
    EXPECT_EQ(Inicia(segundos.servicos()), nullptr);

    const QList<CaixaMostrada> esperadas{{u"O programa 'Pravex' já está sendo executado !"_s,
                                          Icone::Exclamacao, Botoes::Ok, u"Pravex"_s}};
    EXPECT_EQ(segundos.mensagens.caixas(), esperadas);
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 1);
    // The running instance keeps its lock exactly as it wrote it, and still holds it.
    EXPECT_EQ(LeBytes(trava()), conteudo);
    EXPECT_EQ(QFileInfo(trava()).lastModified(), modificada);
    EXPECT_FALSE(InstanciaUnica(programa.caminho()).primeira());
    EXPECT_EQ(LeBytes(trava()), conteudo);
    EXPECT_TRUE(QDir(runtime2.caminho()).isEmpty());
}

TEST_F(Inicio, OutraPastaDeProgramaNaoImpede)
{
    ServicosDeTeste primeiros;
    const auto primeira = Inicia(primeiros.servicos());
    ASSERT_NE(primeira, nullptr);

    const PastaTemporaria outra;
    DefinePastaPrograma(outra.caminho());
    ServicosDeTeste segundos;
    const auto segunda = Inicia(segundos.servicos());
    EXPECT_NE(segunda, nullptr);
    EXPECT_TRUE(segundos.mensagens.caixas().isEmpty());
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 2);
}

TEST_F(Inicio, TravaDeInstanciaMortaNaoImpede)
{
    const pid_t filho = ::fork();
    ASSERT_NE(filho, -1);
    if (filho == 0) {
        // Dies holding the lock, as a killed instance would.
        const InstanciaUnica instancia(programa.caminho());
        ::_exit(instancia.primeira() ? 0 : 1);
    }
    int estado = 0;
    ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
    ASSERT_TRUE(WIFEXITED(estado));
    ASSERT_EQ(WEXITSTATUS(estado), 0);
    ASSERT_TRUE(QFileInfo::exists(trava()));

    ServicosDeTeste servicos;
    const auto execucao = Inicia(servicos.servicos());
    ASSERT_NE(execucao, nullptr);
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 1);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
}

// What a killed instance's unfinished writes left goes at the next start; only the program's own
// temporary names, and never while another instance runs on the folder.
TEST_F(Inicio, RemoveTemporariosDeInstanciaMorta)
{
    ASSERT_TRUE(QDir(programa.caminho()).mkdir(u"versoes"_s));
    const QStringList abandonados{u"Pravex2005.txt.novo-Ab12Cd"_s,
                                  u"pravexenvio2005.txt.novo-000000"_s,
                                  u"PravexBkp2005.txt.novo-zzzzzz"_s,
                                  u"versoes/PravexBkp2005-20261210-173000.txt.novo-x1Y2z3"_s};
    const QStringList alheios{
        u"Pravex2005.txt"_s,          u"Pravex2005.txt.backup"_s,
        u"Pravex2005.txt.novo-abc"_s, u"Pravex2005.txt.novo-abcdefg"_s,
        u"notas.txt.novo-abcdef"_s,   u"versoes/PravexBkp2005-20261210-173000.txt"_s};
    for (const QString& nome : abandonados + alheios)
        programa.escreve(nome, "x");
    ASSERT_TRUE(QDir(programa.caminho()).mkdir(u"Pravex2006.txt.novo-abcdef"_s));

    ServicosDeTeste primeiros;
    const auto primeira = Inicia(primeiros.servicos());
    ASSERT_NE(primeira, nullptr);
    for (const QString& nome : abandonados)
        EXPECT_FALSE(QFileInfo::exists(programa.arquivo(nome))) << nome.toStdString();
    for (const QString& nome : alheios)
        EXPECT_EQ(LeBytes(programa.arquivo(nome)), "x") << nome.toStdString();
    EXPECT_TRUE(QFileInfo(programa.arquivo(u"Pravex2006.txt.novo-abcdef"_s)).isDir());

    // The running instance's own file in the middle of a write stays when a second one starts.
    const QString emCurso = programa.escreve(u"Pravex2005.txt.novo-Em1234"_s, "x");
    ServicosDeTeste segundos;
    segundos.mensagens.responde(Resposta::Ok);
    EXPECT_EQ(Inicia(segundos.servicos()), nullptr);
    EXPECT_EQ(LeBytes(emCurso), "x");
}

// A program folder on a read-only medium holds no lock; the program still starts.
TEST_F(Inicio, PastaSomenteLeituraNaoImpede)
{
    DiscoPequeno disco;
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ASSERT_TRUE(disco.somenteLeitura());
    DefinePastaPrograma(disco.caminho());
    ServicosDeTeste servicos;
    const auto execucao = Inicia(servicos.servicos());
    ASSERT_NE(execucao, nullptr);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(disco.arquivo(u".pravex.lock"_s)));

    ServicosDeTeste segundos;
    segundos.mensagens.responde(Resposta::Ok);
    EXPECT_EQ(Inicia(segundos.servicos()), nullptr);
}
