// The open exercise owns every file the register writes: a year typed and not started, or a
// start that did not happen, never sends a register into another year's file.

#include "JanelaTeste.h"
#include "frmGrava.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Cabecalho2003 =
    "PREFEITURA MUNICIPAL,2003,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n";
const QByteArray Linha1 = "P1,10,339030,12345678909,CICRANO DA SILVA,9.00,01/03,31/03\r\n";
const QByteArray Linha2 = "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02\r\n";
// Another year's register, which nothing done in 2003 may touch.
const QByteArray Dados2004 = "CAMARA MUNICIPAL DE 2004,2004,FULANO,BELTRANO,,,,\r\n"
                             "P9,90,339030,12345678909,CICRANO DA SILVA,1.00,01/03,31/03\r\n";
// Refused by the verification at line 2: the CPF's check digits are wrong.
const QByteArray Dados2005 = "CAMARA MUNICIPAL DE 2005,2005,FULANO,BELTRANO,,,,\r\n"
                             "P9,90,339030,12345678900,CICRANO DA SILVA,1.00,01/03,31/03\r\n";

const JanelaTeste::Digitado Novo{u"P3"_s,          u"30"_s,   u"339030"_s, u"11144477735"_s,
                                 u"NOVO CREDOR"_s, u"5,00"_s, u"0104"_s,   u"3004"_s};
const QByteArray Linha3 = "P3,30,339030,11144477735,NOVO CREDOR,5.00,01/04,30/04\r\n";

const QString ExercicioInvalido = u"Informe um Exercício a partir de 2003"_s;

class JanelaExercicioAberto : public JanelaTeste
{
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        servicos.unidades = UnidadesRoteiro::Padrao(pasta.caminho());
        pasta.escreve(NomeArquivoExercicio(u"2003"_s), Cabecalho2003 + Linha1 + Linha2);
        pasta.escreve(NomeArquivoExercicio(u"2004"_s), Dados2004);
        pasta.escreve(NomeArquivoExercicio(u"2005"_s), Dados2005);
        iniciaExercicio(u"2003"_s);
        ASSERT_EQ(janela->lista().linhas(), 2);
        caixasAntes = servicos.mensagens.caixas().size();
    }

    // Types a year in the exercise field and leaves it there, as a clerk who changes his mind.
    void digitaSemIniciar(const QString& ano)
    {
        txt("TxtExercicio")->setFocus();
        txt("TxtExercicio")->selectAll();
        digita(ano);
    }
    QStringList caixasNovas() const { return servicos.mensagens.textos().mid(caixasAntes); }
    // The window still shows 2003 whole, with its year back in the field, ready to be typed over.
    void confereAindaEm2003() const
    {
        EXPECT_EQ(txt("TxtExercicio")->text(), u"2003"_s);
        EXPECT_EQ(txt("TxtExercicio")->selectedText(), u"2003"_s);
        EXPECT_EQ(nomeDoFoco(), u"TxtExercicio"_s);
        EXPECT_EQ(txt("TxtOrgao")->text(), u"PREFEITURA MUNICIPAL"_s);
        EXPECT_EQ(coluna(0), (QStringList{u"P1"_s, u"P2"_s}));
        EXPECT_TRUE(cmd("CmdIncluir")->isEnabled());
        EXPECT_EQ(Module1::ArquivoExercicio, arquivo(u"2003"_s));
    }
    void confereOutrosAnosIntactos() const
    {
        EXPECT_EQ(LeBytes(arquivo(u"2004"_s)), Dados2004);
        EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
    }

    qsizetype caixasAntes = 0;
};

} // namespace

TEST_F(JanelaExercicioAberto, AnoDigitadoSemIniciarNaoLevaAsGravacoes)
{
    for (const QString& digitado : {u"2004"_s, u"20"_s}) {
        SCOPED_TRACE(digitado.toStdString());
        digitaSemIniciar(digitado);
        tecla(Qt::Key_F2);
        incluiPorTeclado(Novo);
        EXPECT_EQ(caixasNovas(), QStringList());
        EXPECT_EQ(LeBytes(arquivo(u"2003"_s)), Cabecalho2003 + Linha1 + Linha2 + Linha3);
        tecla(Qt::Key_Escape);

        // F6 reads 2003's data file and writes 2003's submission file.
        tecla(Qt::Key_F6);
        EXPECT_EQ(caixasNovas(), QStringList());
        EXPECT_TRUE(QFile::exists(pasta.arquivo(u"pravexenvio2003.txt"_s)));
        EXPECT_FALSE(QFile::exists(pasta.arquivo(NomeArquivoEnvio(digitado))));
        delete janela->findChild<frmGrava*>();
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));

        // Deleting the new row rewrites 2003 again.
        lista()->setFocus();
        const QRect r = lista()->visualRect(janela->lista().index(2, 0));
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, r.center());
        servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
        tecla(Qt::Key_F4);
        EXPECT_EQ(LeBytes(arquivo(u"2003"_s)), Cabecalho2003 + Linha1 + Linha2);
        confereOutrosAnosIntactos();
        caixasAntes = servicos.mensagens.caixas().size();
    }
}

TEST_F(JanelaExercicioAberto, InicioRecusadoVoltaAoAnoAberto)
{
    iniciaExercicio(u"2005"_s);
    EXPECT_EQ(caixasNovas(), QStringList{u"CPF inválido. Linha 2. Verifique"_s});
    confereAindaEm2003();

    // The row deleted afterwards leaves 2003's file, and only it.
    lista()->setFocus();
    const QRect r = lista()->visualRect(janela->lista().index(0, 0));
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, r.center());
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    EXPECT_EQ(LeBytes(arquivo(u"2003"_s)), Cabecalho2003 + Linha2);
    confereOutrosAnosIntactos();
}

TEST_F(JanelaExercicioAberto, ArquivoQueNaoCarregaMantemOExercicioAberto)
{
    // More records than the reader counts: every line passes the verification, the loading
    // stops at the record that overflows its counter.
    QByteArray grande = "CAMARA MUNICIPAL DE 2006,2006,FULANO,BELTRANO,,,,\r\n";
    for (int ne = 1; ne <= 33'000; ++ne)
        grande +=
            "P," + QByteArray::number(ne) + ",339030,12345678909,CICRANO,1.00,01/03,31/03\r\n";
    pasta.escreve(NomeArquivoExercicio(u"2006"_s), grande);
    iniciaExercicio(u"2006"_s);
    EXPECT_EQ(caixasNovas(),
              (QStringList{u"Informações fora do layout esperado, ou não é o arquivo correto. "
                           u"Verifique"_s,
                           u"Provavelmente as informações estão fora do layout esperado, ou não é "
                           u"o arquivo correto. Verifique"_s}));
    confereAindaEm2003();
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
    EXPECT_EQ(LeBytes(arquivo(u"2006"_s)), grande);
}

TEST_F(JanelaExercicioAberto, ExercicioAntesDe2003VoltaAoAnoAberto)
{
    iniciaExercicio(u"2002"_s);
    EXPECT_EQ(caixasNovas(), QStringList{ExercicioInvalido});
    confereAindaEm2003();
}

TEST_F(JanelaExercicioAberto, RecusaSemNadaAbertoDeixaOCampoVazio)
{
    janela = std::make_unique<FrmAdiantamentos>(servicos.servicos());
    Module1::ArquivoExercicio.clear();
    janela->show();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    caixasAntes = servicos.mensagens.caixas().size();
    iniciaExercicio(u"2005"_s);
    EXPECT_EQ(caixasNovas(), QStringList{u"CPF inválido. Linha 2. Verifique"_s});
    EXPECT_EQ(txt("TxtExercicio")->text(), QString());
    EXPECT_EQ(nomeDoFoco(), u"TxtExercicio"_s);
    EXPECT_FALSE(cmd("CmdIncluir")->isEnabled());

    // F2 still opens the entry; with no exercise open the confirmation asks for one.
    tecla(Qt::Key_F2);
    incluiPorTeclado(Novo);
    EXPECT_EQ(caixasNovas().last(), ExercicioInvalido);
    EXPECT_EQ(nomeDoFoco(), u"TxtExercicio"_s);
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_EQ(LeBytes(arquivo(u"2003"_s)), Cabecalho2003 + Linha1 + Linha2);
    confereOutrosAnosIntactos();
}
