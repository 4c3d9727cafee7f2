#include "CaixaAberta.h"
#include "ImprimeQt.h"
#include "Inicio.h"
#include "MensagensQt.h"
#include "PastaTemporaria.h"
#include "ServicosDeTeste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
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

TEST(Inicio, PrimeiraInstanciaMostraAJanelaPrincipal)
{
    const PastaTemporaria pasta;
    ServicosDeTeste servicos;
    const auto execucao = Inicia(servicos.servicos(), pasta.arquivo(u"pravex.lock"_s));
    ASSERT_NE(execucao, nullptr);
    ASSERT_NE(execucao->janela, nullptr);
    EXPECT_TRUE(execucao->janela->isVisible());
    EXPECT_EQ(execucao->janela->objectName(), u"FrmAdiantamentos"_s);
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 1);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
}

TEST(Inicio, SegundaInstanciaAvisaENaoMostraJanela)
{
    const PastaTemporaria pasta;
    const QString trava = pasta.arquivo(u"pravex.lock"_s);
    ServicosDeTeste primeiros;
    const auto primeira = Inicia(primeiros.servicos(), trava);
    ASSERT_NE(primeira, nullptr);
    const QByteArray conteudo = LeBytes(trava);
    const QDateTime modificada = QFileInfo(trava).lastModified();
    ASSERT_FALSE(conteudo.isEmpty());

    ServicosDeTeste segundos;
    segundos.mensagens.responde(Resposta::Ok);
    EXPECT_EQ(Inicia(segundos.servicos(), trava), nullptr);

    const QList<CaixaMostrada> esperadas{{u"O programa 'Pravex' já está sendo executado !"_s,
                                          Icone::Exclamacao, Botoes::Ok, u"Pravex"_s}};
    EXPECT_EQ(segundos.mensagens.caixas(), esperadas);
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 1);
    // The running instance keeps its lock exactly as it wrote it, and still holds it.
    EXPECT_EQ(LeBytes(trava), conteudo);
    EXPECT_EQ(QFileInfo(trava).lastModified(), modificada);
    EXPECT_FALSE(InstanciaUnica(trava).primeira());
    EXPECT_EQ(LeBytes(trava), conteudo);
}

TEST(Inicio, TravaDeInstanciaMortaNaoImpede)
{
    const PastaTemporaria pasta;
    const QString trava = pasta.arquivo(u"pravex.lock"_s);

    const pid_t filho = ::fork();
    ASSERT_NE(filho, -1);
    if (filho == 0) {
        // Dies holding the lock, as a killed instance would.
        const InstanciaUnica instancia(trava);
        ::_exit(instancia.primeira() ? 0 : 1);
    }
    int estado = 0;
    ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
    ASSERT_TRUE(WIFEXITED(estado));
    ASSERT_EQ(WEXITSTATUS(estado), 0);
    ASSERT_TRUE(QFileInfo::exists(trava));

    ServicosDeTeste servicos;
    const auto execucao = Inicia(servicos.servicos(), trava);
    ASSERT_NE(execucao, nullptr);
    EXPECT_EQ(JanelasPrincipaisVisiveis(), 1);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
}
