// After any dialog of the program closes, the main window has the keyboard at once: the focus is
// where the clerk left it, and the function keys and Esc act without a click first.

#include "ApoioGravacao.h"
#include "FrmImportacao.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"

#include <QAbstractButton>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A backup the reader cannot split (a value without its decimals), and a good one.
const QByteArray CopiaRuim =
    "PREFEITURA MUNICIPAL,2005,A,B,,,,\r\nP7,70,339030,12345678909,CICRANO,5,01/04,30/04\r\n";
const QByteArray CopiaBoa =
    "PREFEITURA MUNICIPAL DE ONTEM,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n"
    "P7,70,339030,12345678909,CICRANO DA SILVA,1234567.89,01/04,30/04\r\n";

// Clicks a file of a dialog's file list by its name.
void clicaArquivo(QWidget& dialogo, const QString& nome)
{
    auto* arquivos = em<QListWidget>(dialogo, "File1");
    const QList<QListWidgetItem*> achados = arquivos->findItems(nome, Qt::MatchFixedString);
    ASSERT_EQ(achados.size(), 1) << nome.toStdString();
    QTest::mouseClick(arquivos->viewport(), Qt::LeftButton, {},
                      arquivos->visualItemRect(achados.first()).center());
}

} // namespace

class TecladoDeVolta : public JanelaGravacao
{
public:
    using JanelaTeste::janela;
    using JanelaTeste::servicos;

    void SetUp() override
    {
        JanelaGravacao::SetUp();
        QDir raiz(pasta.caminho());
        ASSERT_TRUE(raiz.mkdir(u"copias"_s));
        ASSERT_TRUE(raiz.mkdir(u"importar"_s));
        pasta.escreve(u"copias/PravexBkpRuim.txt"_s, CopiaRuim);
        pasta.escreve(u"copias/PravexBkpBoa.txt"_s, CopiaBoa);
        pasta.escreve(u"importar/outro.txt"_s, CopiaBoa);
        // The clerk was reading the list.
        ASSERT_TRUE(Ativa(*janela));
        lista()->setFocus(Qt::MouseFocusReason);
    }

    // A key pressed where the focus is, as the clerk presses it.
    void teclaNaJanela(Qt::Key k) { tecla(k); }
    bool fechouTudo() const
    {
        return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; });
    }
};

struct CasoTeclado {
    const char* nome;
    void (*usaDialogo)(TecladoDeVolta&);
};

void PrintTo(const CasoTeclado& c, std::ostream* os)
{
    *os << c.nome;
}

class TecladoAposDialogo : public TecladoDeVolta, public testing::WithParamInterface<CasoTeclado>
{
};

TEST_P(TecladoAposDialogo, JanelaPrincipalAtivaComOFocoOndeEstava)
{
    GetParam().usaDialogo(*this);
    ASSERT_TRUE(fechouTudo());
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == janela.get(); }))
        << "no window has the keyboard";
    ASSERT_EQ(foco(), lista());
    // F3 opens the entry of the selected row; Esc leaves it, back to the list.
    tecla(Qt::Key_F3);
    EXPECT_FALSE(cmd("CmdOK")->isHidden());
    EXPECT_EQ(nomeDoFoco(), u"TxtProcesso"_s);
    tecla(Qt::Key_Escape);
    EXPECT_TRUE(cmd("CmdOK")->isHidden());
    EXPECT_EQ(foco(), lista());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogos, TecladoAposDialogo,
    testing::Values(CasoTeclado{"ImportarVoltar",
                                [](TecladoDeVolta& t) {
                                    QuandoAbrir<FrmImportacao>(
                                        [](FrmImportacao& d) { clica(d, "CmdCancelar"); });
                                    t.teclaNaJanela(Qt::Key_F8);
                                }},
                    CasoTeclado{"ImportarUmArquivo",
                                [](TecladoDeVolta& t) {
                                    t.servicos.mensagens.responde(Resposta::Sim);
                                    QuandoAbrir<FrmImportacao>([](FrmImportacao& d) {
                                        abrePasta(d, u"importar"_s);
                                        clicaArquivo(d, u"outro.txt"_s);
                                        clica(d, "CmdImportar");
                                    });
                                    t.teclaNaJanela(Qt::Key_F8);
                                    EXPECT_EQ(t.servicos.mensagens.textos().last(),
                                              u"Importação efetuada com sucesso!"_s);
                                }},
                    CasoTeclado{"RestaurarVoltar",
                                [](TecladoDeVolta& t) {
                                    QuandoAbrir<frmRestaurarCopiaSeguranca>(
                                        [](frmRestaurarCopiaSeguranca& r) {
                                            clica(r, "CmdCancelar");
                                        });
                                    t.teclaNaJanela(Qt::Key_F7);
                                }},
                    // The road of the fault: a backup refused, another restored, in one visit.
                    CasoTeclado{"RestauraFalhaEDepoisBoa",
                                [](TecladoDeVolta& t) {
                                    QuandoAbrir<frmRestaurarCopiaSeguranca>(
                                        [](frmRestaurarCopiaSeguranca& r) {
                                            QuandoAbrir<frmGrava>([](frmGrava& g) {
                                                abrePasta(g, u"copias"_s);
                                                clicaArquivo(g, u"PravexBkpRuim.txt"_s);
                                                clica(g, "CmdImportar");
                                                EXPECT_TRUE(g.isVisible());
                                                clicaArquivo(g, u"PravexBkpBoa.txt"_s);
                                                clica(g, "CmdImportar");
                                            });
                                            em<QPushButton>(r, "CmdRestaura")->animateClick();
                                        });
                                    t.teclaNaJanela(Qt::Key_F7);
                                    ASSERT_TRUE(t.fechouTudo());
                                    EXPECT_EQ(t.servicos.mensagens.textos().last(),
                                              u"Cópia de Segurança restaurada com sucesso."_s);
                                    EXPECT_EQ(Module1::PendenteGravar, u"R"_s);
                                }},
                    CasoTeclado{"EnvioGravado",
                                [](TecladoDeVolta& t) {
                                    t.teclaNaJanela(Qt::Key_F6);
                                    frmGrava* g = t.janela->findChild<frmGrava*>();
                                    ASSERT_NE(g, nullptr);
                                    ASSERT_TRUE(Ativa(*g));
                                    abrePasta(*g, u"destino"_s);
                                    clica(*g, "CmdImportar");
                                    EXPECT_TRUE(QTest::qWaitFor([&t] {
                                        return t.janela->findChild<frmGrava*>() == nullptr;
                                    }));
                                }},
                    CasoTeclado{"SairVoltarAoPravex",
                                [](TecladoDeVolta& t) {
                                    t.teclaNaJanela(Qt::Key_Escape);
                                    auto* sair = t.janela->findChild<frmSair*>();
                                    ASSERT_NE(sair, nullptr);
                                    ASSERT_TRUE(Ativa(*sair));
                                    clica(*sair, "CmdVoltar");
                                    EXPECT_TRUE(QTest::qWaitFor([&t] {
                                        return t.janela->findChild<frmSair*>() == nullptr;
                                    }));
                                }}),
    [](const testing::TestParamInfo<CasoTeclado>& info) { return info.param.nome; });
