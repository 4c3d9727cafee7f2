#include "Dialogos.h"
#include "FrmImportacao.h"
#include "JanelaTeste.h"
#include "frmRestaurarCopiaSeguranca.h"

#include "CaixaAberta.h"
#include "MensagensQt.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressBar>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Dica =
    u"Para lançamento de um novo Exercício ou dar continuidade em algum, informe o Exercício no "
    u"campo correspondente, em seguida clique o botão Iniciar ou simplesmente tecle ENTER."_s;

const QByteArray Cabecalho2005 =
    "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n";

const JanelaTeste::Digitado Primeiro{
    u"0012/2005"_s,        u"345"_s,     u"339030"_s, u"12345678909"_s,
    u"CICRANO DA SILVA"_s, u"1234,56"_s, u"0103"_s,   u"3103"_s};

} // namespace

using JanelaAbertura = JanelaTeste;

TEST_F(JanelaAbertura, EstadoInicialTituloEDica)
{
    EXPECT_EQ(janela->windowTitle(), u"ORVAL  -  Quelmar-Pravex   (v 1.3.3)"_s);
    EXPECT_EQ(servicos.mensagens.caixas(),
              (QList<CaixaMostrada>{{Dica, Icone::Informacao, Botoes::Ok, u"Pravex"_s}}));
    EXPECT_EQ(nomeDoFoco(), u"TxtExercicio"_s);
    for (const char* nome :
         {"TxtOrgao", "TxtElaborador", "TxtResponsavel", "CmdIncluir", "CmdAlterar", "CmdExcluir",
          "CmdImprimir", "CmdGravarArquivo", "Frame3"})
        EXPECT_FALSE(w(nome)->isEnabled()) << nome;
    for (const char* nome : {"CmdCarrega", "CmdRestaurar", "CmdImportar", "CmdSair", "cmdAjuda"})
        EXPECT_TRUE(w(nome)->isEnabled()) << nome;
    EXPECT_TRUE(cmd("CmdOK")->isHidden());
    EXPECT_TRUE(cmd("CmdVoltar")->isHidden());
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
    const QStringList legendas = {
        u"I&niciar"_s,        u"F2 - &Incluir"_s,
        u"F3 - &Alterar"_s,   u"F4 - E&xcluir"_s,
        u"F5 - &Imprimir"_s,  u"F6 - Gravar arquivo para entrega ao ORVAL"_s,
        u"F7 - &Restaurar"_s, u"F8 - Importar arquivo"_s,
        u"Esc - &Sair"_s,     u"F2 - &Confirmar"_s,
        u"Esc - &Voltar"_s,   u"F1 - &Ajuda"_s};
    const char* nomes[] = {"CmdCarrega",   "CmdIncluir",  "CmdAlterar",
                           "CmdExcluir",   "CmdImprimir", "CmdGravarArquivo",
                           "CmdRestaurar", "CmdImportar", "CmdSair",
                           "CmdOK",        "CmdVoltar",   "cmdAjuda"};
    for (int i = 0; i < legendas.size(); ++i)
        EXPECT_EQ(cmd(nomes[i])->text(), legendas[i]);
    EXPECT_EQ(cbo("CboElemEcon")->count(), 85);
    EXPECT_EQ(txt("TxtExercicio")->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(txt("TxtOrgao")->palette().color(QPalette::Base), QColor(166, 202, 240));
}

// While no exercise is open, the hint comes with every activation of the window: when a dialog
// of the program closes over it, and when it gets the keyboard back from another window.
TEST_F(JanelaAbertura, DicaVoltaACadaAtivacaoSemExercicio)
{
    const auto dicas = [this] { return servicos.mensagens.textos().count(Dica); };
    ASSERT_EQ(dicas(), 1);
    QuandoAbrir<FrmImportacao>([](FrmImportacao& d) { clica(d, "CmdCancelar"); });
    tecla(Qt::Key_F8);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dicas() == 2; }));
    QuandoAbrir<frmRestaurarCopiaSeguranca>(
        [](frmRestaurarCopiaSeguranca& r) { clica(r, "CmdCancelar"); });
    tecla(Qt::Key_F7);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dicas() == 3; }));
    QWidget outra;
    outra.show();
    ASSERT_TRUE(Ativa(outra));
    ASSERT_TRUE(Ativa(*janela));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dicas() == 4; }));
    EXPECT_EQ(servicos.mensagens.textos(), QStringList(4, Dica));

    // An exercise started: no more hints.
    iniciaExercicio(u"2005"_s);
    QuandoAbrir<FrmImportacao>([](FrmImportacao& d) { clica(d, "CmdCancelar"); });
    tecla(Qt::Key_F8);
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == janela.get(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(dicas(), 4);
}

TEST_F(JanelaAbertura, ExercicioAntesDe2003)
{
    for (const QString& ano : {u"2002"_s, QString()}) {
        txt("TxtExercicio")->setText(ano);
        txt("TxtExercicio")->setFocus();
        enter();
        EXPECT_EQ(servicos.mensagens.caixas().last(),
                  (CaixaMostrada{u"Informe um Exercício a partir de 2003"_s, Icone::Parada,
                                 Botoes::Ok, u"Pravex"_s}));
        EXPECT_EQ(nomeDoFoco(), u"TxtExercicio"_s);
        EXPECT_FALSE(cmd("CmdIncluir")->isEnabled());
    }
    EXPECT_EQ(servicos.mensagens.bipes(), 2);
}

TEST_F(JanelaAbertura, ExercicioNovoNaoGravaNada)
{
    iniciaExercicio(u"2005"_s);
    EXPECT_EQ(nomeDoFoco(), u"TxtOrgao"_s);
    EXPECT_EQ(txt("TxtValor")->text(), u"0,00"_s);
    for (const char* nome : {"TxtOrgao", "TxtElaborador", "TxtResponsavel", "CmdIncluir",
                             "CmdRestaurar", "CmdImportar"})
        EXPECT_TRUE(w(nome)->isEnabled()) << nome;
    for (const char* nome : {"CmdAlterar", "CmdExcluir", "CmdImprimir", "CmdGravarArquivo"})
        EXPECT_FALSE(w(nome)->isEnabled()) << nome;
    EXPECT_EQ(Module1::ArquivoExercicio, arquivo(u"2005"_s));
    EXPECT_FALSE(QFile::exists(arquivo(u"2005"_s)));
}

TEST_F(JanelaAbertura, ExercicioComArquivoMostraOsAvisosEAsLinhas)
{
    pasta.escreve(NomeArquivoExercicio(u"2005"_s),
                  Cabecalho2005 +
                      "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n");
    // What the screen shows each time it is let through: the panel, the bar, the pointer.
    QStringList passagens;
    servicos.atividade.aCadaPassagem = [&] {
        const auto* barra = w<QProgressBar>("ProgressBar1");
        passagens << u"%1 %2..%3:%4 %5"_s
                         .arg(w("Pnlaguarde")->isVisible() ? w<QLabel>("LabAviso")->text() : u"-"_s)
                         .arg(barra->minimum())
                         .arg(barra->maximum())
                         .arg(barra->value())
                         .arg(servicos.atividade.ligado() ? u"ampulheta"_s : u"seta"_s);
    };
    iniciaExercicio(u"2005"_s);
    servicos.atividade.aCadaPassagem = nullptr;
    // The file has two lines: each pass counts them and sets the bar from 1 to 3.
    EXPECT_EQ(passagens.size(), 4);
    // The bar is still as the window made it when the first panel shows.
    EXPECT_EQ(passagens.value(0), u"Validando arquivo, aguarde... 0..100:-1 ampulheta"_s);
    EXPECT_EQ(passagens.value(1), u"Validando arquivo, aguarde... 1..3:1 ampulheta"_s);
    EXPECT_EQ(passagens.value(2), u"Carregando, aguarde... 1..3:3 ampulheta"_s);
    EXPECT_EQ(passagens.value(3), u"Carregando, aguarde... 1..3:1 ampulheta"_s);
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
    EXPECT_FALSE(servicos.atividade.ligado());
    EXPECT_EQ(txt("TxtOrgao")->text(), u"PREFEITURA MUNICIPAL"_s);
    EXPECT_EQ(txt("TxtResponsavel")->text(), u"BELTRANO DA SILVA"_s);
    EXPECT_EQ(coluna(Coluna::Processo), QStringList{u"0012/2005"_s});
    // The entry fields show the selected row.
    EXPECT_EQ(txt("TxtValor")->text(), u"1.234,56"_s);
    EXPECT_EQ(cbo("CboElemEcon")->currentText(), u"339030  MATERIAL DE CONSUMO"_s);
    EXPECT_EQ(cbo("CboCPF")->currentText(), u"12345678909"_s);
    EXPECT_TRUE(cmd("CmdAlterar")->isEnabled());
}

// The file is read from disk once: what the loading puts in the list is what the verification
// passed, even when the file changes on disk in between.
TEST_F(JanelaAbertura, CarregaOsBytesQueAVerificacaoAprovou)
{
    const QByteArray verificado =
        Cabecalho2005 + "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";
    pasta.escreve(NomeArquivoExercicio(u"2005"_s), verificado);
    servicos.atividade.aCadaPassagem = [&] {
        if (w<QLabel>("LabAviso")->text() == u"Carregando, aguarde..."_s)
            pasta.escreve(NomeArquivoExercicio(u"2005"_s),
                          Cabecalho2005 + "SEM VERIFICAR,1,999999,1,X,1.00,99/99,99/99\r\n");
    };
    iniciaExercicio(u"2005"_s);
    servicos.atividade.aCadaPassagem = nullptr;
    EXPECT_EQ(coluna(Coluna::Processo), QStringList{u"0012/2005"_s});
    EXPECT_EQ(coluna(Coluna::Valor), QStringList{u"1.234,56"_s});
    EXPECT_TRUE(cmd("CmdIncluir")->isEnabled());
}

TEST_F(JanelaAbertura, ArquivoRecusadoPeloVerificadorMantemAJanela)
{
    pasta.escreve(NomeArquivoExercicio(u"2005"_s),
                  Cabecalho2005 +
                      " 0012/2005,345,339030,12345678909,CICRANO DA SILVA,1.00,01/03,31/03\r\n");
    iniciaExercicio(u"2005"_s);
    EXPECT_EQ(servicos.mensagens.caixas().last(),
              (CaixaMostrada{u"Informações fora do layout esperado, ou não é o arquivo correto. "
                             u"Linha 2. Verifique"_s,
                             Icone::Parada, Botoes::Ok, u"Pravex"_s}));
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
    EXPECT_FALSE(servicos.atividade.ligado());
    EXPECT_FALSE(cmd("CmdIncluir")->isEnabled());
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_TRUE(Module1::ArquivoExercicio.isEmpty());
    // No exercise was open: the field is emptied for the next year.
    EXPECT_EQ(txt("TxtExercicio")->text(), QString());
    EXPECT_EQ(nomeDoFoco(), u"TxtExercicio"_s);
}

// A pipe or a folder with the data file's name: the verifier's message at once, never a program
// that waits forever for a writer.
TEST_F(JanelaAbertura, ArquivoQueNaoEhArquivoComumEhRecusadoNaHora)
{
    for (const bool fifo : {true, false}) {
        const QString caminho = arquivo(u"2005"_s);
        if (fifo)
            ASSERT_EQ(::mkfifo(QFile::encodeName(caminho).constData(), 0600), 0);
        else
            ASSERT_TRUE(QDir(pasta.caminho()).mkdir(NomeArquivoExercicio(u"2005"_s)));
        iniciaExercicio(u"2005"_s);
        EXPECT_EQ(servicos.mensagens.caixas().last(),
                  (CaixaMostrada{u"Erro de acesso ao caminho/arquivo"_s, Icone::Nenhum, Botoes::Ok,
                                 u"Pravex"_s}));
        EXPECT_FALSE(cmd("CmdIncluir")->isEnabled());
        EXPECT_TRUE(Module1::ArquivoExercicio.isEmpty());
        QFile::remove(caminho);
        QDir(pasta.caminho()).rmdir(NomeArquivoExercicio(u"2005"_s));
    }
}

using JanelaDigitacao = JanelaTeste;

TEST_F(JanelaDigitacao, UmAdiantamentoPeloTecladoGravaOArquivo)
{
    iniciaExercicio(u"2005"_s);
    digitaCabecalho(u"PREFEITURA MUNICIPAL"_s, u"FULANO DE TAL"_s, u"BELTRANO DA SILVA"_s);
    EXPECT_EQ(Module1::Operacao, u"I"_s);
    EXPECT_EQ(nomeDoFoco(), u"TxtProcesso"_s);
    incluiPorTeclado(Primeiro);

    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)),
              Cabecalho2005 +
                  "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n");
    EXPECT_EQ(txt("TxtNumeroNotaEmpenho")->text(), u"346"_s);
    EXPECT_EQ(cbo("CboElemEcon")->currentText(), u"339030  MATERIAL DE CONSUMO"_s);
    EXPECT_EQ(cbo("CboCPF")->currentText(), u"12345678909"_s);
    EXPECT_EQ(txt("TxtValor")->text(), u"0,00"_s);
    EXPECT_EQ(nomeDoFoco(), u"TxtProcesso"_s);
    EXPECT_FALSE(cmd("CmdOK")->isHidden());
    EXPECT_TRUE(servicos.mensagens.textos().endsWith(Dica)); // only the start hint was shown

    // The known CPF brings its creditor's name and skips to the value.
    digita(u"P2"_s);
    enter();
    enter();
    enter();
    cbo("CboCPF")->lineEdit()->selectAll();
    digita(u"1"_s);
    EXPECT_EQ(cbo("CboCPF")->currentText(), u"12345678909"_s);
    EXPECT_EQ(cbo("CboCPF")->lineEdit()->selectedText(), u"2345678909"_s);
    enter();
    EXPECT_EQ(nomeDoFoco(), u"TxtValor"_s);
    EXPECT_EQ(txt("TxtNomeResponsavel")->text(), u"CICRANO DA SILVA"_s);
}

TEST_F(JanelaDigitacao, EnterNoFimLevaAoConfirmarQueOutroEnterPressiona)
{
    iniciaExercicio(u"2005"_s);
    digitaCabecalho(u"PREFEITURA MUNICIPAL"_s, u"FULANO DE TAL"_s, u"BELTRANO DA SILVA"_s);
    Digitado d = Primeiro;
    d.final_.clear();
    incluiPorTeclado(d); // F2 with the final period empty
    EXPECT_EQ(servicos.mensagens.caixas().last(),
              (CaixaMostrada{u"Favor informar a Data final."_s, Icone::Informacao, Botoes::Ok,
                             u"Aviso"_s}));
    EXPECT_EQ(nomeDoFoco(), u"TxtDataFinal"_s);
    digita(u"3103"_s);
    enter();
    EXPECT_EQ(nomeDoFoco(), u"CmdOK"_s);
    enter();
    EXPECT_EQ(janela->lista().linhas(), 1);
}

TEST_F(JanelaDigitacao, NeRepetidaEDuplicidade)
{
    iniciaExercicio(u"2005"_s);
    digitaCabecalho(u"PREFEITURA MUNICIPAL"_s, u"FULANO DE TAL"_s, u"BELTRANO DA SILVA"_s);
    incluiPorTeclado(Primeiro);
    Digitado d = Primeiro;
    d.ne = u"0345"_s;
    txt("TxtNumeroNotaEmpenho")->clear();
    incluiPorTeclado(d);
    EXPECT_EQ(servicos.mensagens.caixas().last(),
              (CaixaMostrada{u"Número de NE já cadastrada."_s, Icone::Parada, Botoes::Ok,
                             u"Duplicidade"_s}));
    EXPECT_EQ(nomeDoFoco(), u"TxtNumeroNotaEmpenho"_s);
    EXPECT_EQ(janela->lista().linhas(), 1);
}

// A field taking the focus selects its whole text with the caret at the start: typing replaces
// the text, and Left arrow goes back at once to the previous field, where the arrows do that.
TEST_F(JanelaDigitacao, FocoSelecionaTudoComOCursorNoInicio)
{
    iniciaExercicio(u"2005"_s);
    digitaCabecalho(u"PREFEITURA MUNICIPAL"_s, u"FULANO DE TAL"_s, u"BELTRANO DA SILVA"_s);
    ASSERT_EQ(nomeDoFoco(), u"TxtProcesso"_s);
    const struct {
        const char* campo;
        const char* anterior; // reached by Tab from here
        QString texto;
        bool esquerdaVolta;
    } casos[] = {
        {"TxtElaborador", "TxtOrgao", u"FULANO DE TAL"_s, true},
        {"TxtResponsavel", "TxtElaborador", u"BELTRANO DA SILVA"_s, true},
        {"TxtProcesso", "TxtResponsavel", u"0012/2005"_s, true},
        {"TxtNumeroNotaEmpenho", "TxtProcesso", u"345"_s, true},
        {"TxtNomeResponsavel", "CboCPF", u"CICRANO DA SILVA"_s, true},
        {"TxtValor", "TxtNomeResponsavel", u"1.234,56"_s, false},
        {"TxtDataInicial", "TxtValor", u"01/03"_s, false},
        {"TxtDataFinal", "TxtDataInicial", u"31/03"_s, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.campo);
        QLineEdit* campo = txt(caso.campo);
        campo->setText(caso.texto);
        w(caso.anterior)->setFocus(Qt::MouseFocusReason);
        tecla(Qt::Key_Tab);
        ASSERT_EQ(foco(), campo);
        EXPECT_EQ(campo->selectionStart(), 0);
        EXPECT_EQ(campo->selectedText(), caso.texto);
        EXPECT_EQ(campo->cursorPosition(), 0);
        tecla(Qt::Key_Left);
        if (caso.esquerdaVolta) {
            EXPECT_EQ(nomeDoFoco(), QString::fromLatin1(caso.anterior));
        } else {
            // Left only moves the caret in the value and the periods.
            EXPECT_EQ(foco(), campo);
            EXPECT_EQ(campo->cursorPosition(), 0);
            EXPECT_FALSE(campo->hasSelectedText());
        }
        w(caso.anterior)->setFocus(Qt::MouseFocusReason);
        tecla(Qt::Key_Tab);
        digita(u"7"_s);
        EXPECT_EQ(campo->text(), u"7"_s);
    }
}

// Each check of the confirmation once, through the window: the message and where the focus goes.
struct CasoJanela {
    const char* nome;
    const char* campo;
    const char16_t* valor;
    const char16_t* mensagem;
    const char* foco;
};

void PrintTo(const CasoJanela& c, std::ostream* os)
{
    *os << c.nome;
}

class JanelaVerificacoes : public JanelaTeste, public testing::WithParamInterface<CasoJanela>
{
};

TEST_P(JanelaVerificacoes, MensagemEFoco)
{
    iniciaExercicio(u"2005"_s);
    digitaCabecalho(u"PREFEITURA MUNICIPAL"_s, u"FULANO DE TAL"_s, u"BELTRANO DA SILVA"_s);
    txt("TxtProcesso")->setText(u"P1"_s);
    txt("TxtNumeroNotaEmpenho")->setText(u"1"_s);
    cbo("CboElemEcon")->setCurrentIndex(39);
    cbo("CboCPF")->setEditText(u"123.456.789-09"_s);
    txt("TxtNomeResponsavel")->setText(u"CICRANO DA SILVA"_s);
    txt("TxtValor")->setText(u"10,00"_s);
    txt("TxtDataInicial")->setText(u"01/03"_s);
    txt("TxtDataFinal")->setText(u"31/03"_s);
    const QString nome = QString::fromLatin1(GetParam().campo);
    if (nome == u"CboElemEcon")
        cbo("CboElemEcon")->setCurrentIndex(0);
    else if (nome == u"CboCPF")
        cbo("CboCPF")->setEditText(QString::fromUtf16(GetParam().valor));
    else
        janela->findChild<QLineEdit*>(nome)->setText(QString::fromUtf16(GetParam().valor));
    txt("TxtProcesso")->setFocus();
    const int antes = static_cast<int>(servicos.mensagens.caixas().size());
    tecla(Qt::Key_F2);
    ASSERT_EQ(servicos.mensagens.caixas().size(), antes + 1);
    EXPECT_EQ(servicos.mensagens.caixas().last().texto, QString::fromUtf16(GetParam().mensagem));
    EXPECT_EQ(nomeDoFoco(), QString::fromLatin1(GetParam().foco));
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_FALSE(QFile::exists(arquivo(u"2005"_s)));
}

INSTANTIATE_TEST_SUITE_P(
    Dezenove, JanelaVerificacoes,
    testing::Values(
        CasoJanela{"OrgaoVazio", "TxtOrgao", u"", u"Informe o nome do(a) UGE/Órgão/Entidade",
                   "TxtOrgao"},
        CasoJanela{"OrgaoCurto", "TxtOrgao", u"PREFEITURA",
                   u"Nome da(o) UGE/Órgão/Entidade com menos de 15 caracteres.", "TxtOrgao"},
        CasoJanela{"ResponsavelVazio", "TxtResponsavel", u"", u"Informe o nome do Responsável",
                   "TxtResponsavel"},
        CasoJanela{"ResponsavelCurto", "TxtResponsavel", u"BELTRAN",
                   u"Nome do Responsável com menos de 10 caracteres.", "TxtResponsavel"},
        CasoJanela{"Processo", "TxtProcesso", u"", u"Informe o Processo", "TxtProcesso"},
        CasoJanela{"Ne", "TxtNumeroNotaEmpenho", u"000", u"Informe o número da NE",
                   "TxtNumeroNotaEmpenho"},
        CasoJanela{"Elemento", "CboElemEcon", u"", u"Informe o Elemento Econômico", "CboElemEcon"},
        CasoJanela{"CpfVazio", "CboCPF", u"", u"Informe um CPF.", "CboCPF"},
        CasoJanela{"CpfInvalido", "CboCPF", u"12345678900", u"CPF inválido, verifique.", "CboCPF"},
        CasoJanela{"NomeVazio", "TxtNomeResponsavel", u"", u"Informe o nome do Responsável",
                   "TxtNomeResponsavel"},
        CasoJanela{"NomeCurto", "TxtNomeResponsavel", u"CICRANO",
                   u"Nome do Credor com menos de 10 caracteres.", "TxtNomeResponsavel"},
        CasoJanela{"ValorGrande", "TxtValor", u"100000000", u"Valor não permitido.", "TxtValor"},
        CasoJanela{"ValorZero", "TxtValor", u"0,00", u"Favor informar um valor.", "TxtValor"},
        CasoJanela{"InicialVazio", "TxtDataInicial", u"", u"Favor informar a Data inicial.",
                   "TxtDataInicial"},
        CasoJanela{"InicialIncorreto", "TxtDataInicial", u"31/04",
                   u"O período inicial está incorreto.", "TxtDataInicial"},
        CasoJanela{"FinalVazio", "TxtDataFinal", u"", u"Favor informar a Data final.",
                   "TxtDataFinal"},
        CasoJanela{"FinalIncorreto", "TxtDataFinal", u"29/02", u"A Data final está incorreta.",
                   "TxtDataFinal"},
        CasoJanela{"InicioDepoisDoFim", "TxtDataFinal", u"28/02",
                   u"Data inicio não pode ser maior que a data final.", "TxtDataInicial"}),
    [](const testing::TestParamInfo<CasoJanela>& info) { return info.param.nome; });

namespace
{

// The program's real message boxes, each closed with OK as soon as it is up; the texts counted.
class CaixasReais final : public Mensagens
{
public:
    Resposta mostra(const QString& texto, Icone icone, Botoes botoes,
                    const QString& titulo) override
    {
        textos.append(texto);
        QuandoCaixaAbrir([](QMessageBox& caixa) { caixa.button(QMessageBox::Ok)->click(); });
        return real_.mostra(texto, icone, botoes, titulo);
    }
    void bipe() override {}

    QStringList textos;

private:
    MensagensQt real_;
};

} // namespace

// The hint is a modal box: closing it gives the keyboard back to the window, which is no new
// activation. One hint at the start, one more when a dialog closes, never a hint after a hint.
TEST(DicaNaCaixaReal, FecharADicaNaoATrazDeNovo)
{
    const PastaTemporaria pasta;
    DefinePastaPrograma(pasta.caminho());
    ServicosDeTeste roteiro;
    CaixasReais caixas;
    Servicos servicos{caixas,        roteiro.atividade,    roteiro.unidades,
                      roteiro.ajuda, roteiro.encerramento, roteiro.impressao};
    FrmAdiantamentos janela(servicos);
    janela.show();
    janela.activateWindow();
    // Back at the window, with every event of the return handled.
    const auto devolta = [&janela](qsizetype dicas, const QStringList& textos) {
        const bool voltou = QTest::qWaitFor([&] {
            return textos.size() == dicas && QApplication::activeModalWidget() == nullptr &&
                   QApplication::activeWindow() == &janela;
        });
        QCoreApplication::processEvents();
        return voltou;
    };
    EXPECT_TRUE(devolta(1, caixas.textos));
    EXPECT_EQ(caixas.textos, QStringList{Dica});

    QuandoAbrir<FrmImportacao>([](FrmImportacao& d) { clica(d, "CmdCancelar"); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    EXPECT_TRUE(devolta(2, caixas.textos));
    EXPECT_EQ(caixas.textos, QStringList(2, Dica));
    DefinePastaPrograma(QString());
}
