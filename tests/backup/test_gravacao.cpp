#include "ApoioGravacao.h"
#include "DiscoPequeno.h"

#include <QFile>
#include <QProgressBar>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The submission file of Dados2005, from the weights table:
// header: PREFEITURA 209 + MUNICIPAL 179, 2005 3+2+2+6, FULANO DE TAL 210,
//         BELTRANO DA SILVA 290, seven commas 329: 1230;
// line 1: P1 25+2, 10 2+2, 339030 17, 12345678909 48, CICRANO DA SILVA 257, 9.00 1+44+2+2,
//         01/03 56, 31/03 58, commas 329: 845;
// line 2: P2 25+3, 20 3+2, 339039 16, 52998224725 48, OUTRO CREDOR 251, 10.00 2+2+44+2+2,
//         01/02 55, 28/02 63, commas 329: 847.
// File: 1230 + 845 + 847 = 2922, digits 00002922.
const QByteArray Envio2005 =
    "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,,1230\r\n"
    "P1,10,339030,12345678909,CICRANO DA SILVA,9.00,01/03,31/03,0845\r\n"
    "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02,0847\r\n"
    ",,,,,,,,<<< 1444-FX.22290000.11-02-00 >>>\r\n";

const QByteArray EnvioAnterior = "P0,1,339030,1,A,1.00,01/03,01/03,0470\r\n";

using JanelaEnvio = JanelaGravacao;

// Picks the drive of this letter in the open dialog, by keyboard, as a new search of the list.
void escolheUnidade(frmGrava& g, char letra)
{
    auto* drive = g.findChild<QComboBox*>(u"drvDrive"_s);
    drive->setFocus();
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClick(drive, letra);
}

TEST_F(JanelaEnvio, F6GravaOArquivoDeEnvioEOCopiaParaAPastaEscolhida)
{
    QStringList avisos;
    servicos.atividade.aCadaPassagem = [&] {
        avisos << w<QLabel>("LabAviso")->text();
        EXPECT_TRUE(servicos.atividade.ligado());
    };
    const qsizetype antes = caixas();
    tecla(Qt::Key_F6);
    servicos.atividade.aCadaPassagem = nullptr;

    EXPECT_EQ(LeBytes(pasta.arquivo(u"pravexenvio2005.txt"_s)), Envio2005);
    EXPECT_EQ(avisos, (QStringList{u"Lendo arquivo, aguarde..."_s, u"Codificando, aguarde..."_s}));
    EXPECT_FALSE(servicos.atividade.ligado());
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
    const auto* barra = w<QProgressBar>("ProgressBar1");
    EXPECT_EQ(barra->maximum(), 4);
    EXPECT_EQ(barra->value(), 4);
    EXPECT_EQ(caixasDesde(antes), QList<CaixaMostrada>());
    EXPECT_EQ(Module1::ModoGrava, u"T"_s);

    frmGrava* g = grava();
    ASSERT_NE(g, nullptr);
    // Shown without waiting: the main window stays usable behind it.
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(g->windowTitle(), u"Gravar/Restaurar arquivo"_s);
    EXPECT_EQ(em<QPushButton>(*g, "CmdImportar")->text(), u"Gravar"_s);
    EXPECT_TRUE(em<QPushButton>(*g, "CmdImportar")->isEnabled());
    EXPECT_EQ(em<QPushButton>(*g, "CmdCancelar")->text(), u"&Voltar"_s);
    EXPECT_TRUE(em(*g, "File1")->isHidden());
    EXPECT_EQ(em<QLabel>(*g, "Label1")->text(),
              u"Diretório/Unidade para disquete (A:) não disponível, favor selecionar outro "
              u"Diretório/Unidade."_s);
    EXPECT_EQ(em<QComboBox>(*g, "drvDrive")->currentText(), u"c: [Sistema]"_s);
    EXPECT_EQ(pastaEscolhida(*g), pasta.caminho());

    abrePasta(*g, u"destino"_s);
    clica(*g, "CmdImportar");
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/pravexenvio2005.txt"_s)), Envio2005);
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList{u"pravexenvio2005.txt"_s});
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{{u"Arquivo para o ORVAL gravado. "_s, Icone::Informacao,
                                     Botoes::Ok, u"Arquivo para o ORVAL"_s}}));
    EXPECT_TRUE(gravaFechado());
}

TEST_F(JanelaEnvio, F6SobrescreveACopiaAnteriorNaPastaEscolhida)
{
    pasta.escreve(u"destino/pravexenvio2005.txt"_s, EnvioAnterior);
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    abrePasta(*grava(), u"destino"_s);
    clica(*grava(), "CmdImportar");
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/pravexenvio2005.txt"_s)), Envio2005);
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList{u"pravexenvio2005.txt"_s});
}

TEST_F(JanelaEnvio, F6NaPastaDoProgramaNaoCopiaMasAvisaEFecha)
{
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    const QStringList antes = Conteudo(pasta.caminho());
    const qsizetype caixasAntes = caixas();
    clica(*grava(), "CmdImportar");
    EXPECT_EQ(LeBytes(pasta.arquivo(u"pravexenvio2005.txt"_s)), Envio2005);
    EXPECT_EQ(Conteudo(pasta.caminho()), antes);
    EXPECT_EQ(caixasDesde(caixasAntes),
              (QList<CaixaMostrada>{{u"Arquivo para o ORVAL gravado. "_s, Icone::Informacao,
                                     Botoes::Ok, u"Arquivo para o ORVAL"_s}}));
    EXPECT_TRUE(gravaFechado());
}

// A folder whose name differs from the program folder's only in case is another folder here:
// the file must reach it.
TEST_F(JanelaEnvio, F6CopiaParaPastaQueSoDifereNaCaixaDasLetras)
{
    const QString irma = pasta.caminho() + u"/DESTINO"_s;
    ASSERT_TRUE(QDir().mkdir(irma));
    pasta.escreve(u"destino/pravexenvio2005.txt"_s, Envio2005);
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    abrePasta(*grava(), u"DESTINO"_s);
    clica(*grava(), "CmdImportar");
    EXPECT_EQ(LeBytes(irma + u"/pravexenvio2005.txt"_s), Envio2005);
}

struct CasoCabecalho {
    QString exercicio, orgao, responsavel, credor;
    QString mensagem;
    const char* foco;
};

TEST_F(JanelaEnvio, F6ChecaOCabecalhoEOCredorNaOrdemSemGravarNada)
{
    const QString orgao = u"PREFEITURA MUNICIPAL"_s, resp = u"BELTRANO DA SILVA"_s,
                  credor = u"CICRANO DA SILVA"_s;
    const CasoCabecalho casos[] = {
        {u"2002"_s, u""_s, u""_s, u""_s, u"Informe um Exercício a partir de 2003"_s,
         "TxtExercicio"},
        {u"2005"_s, u"   "_s, resp, credor, u"Informe o nome do(a) UGE/Órgão/Entidade"_s,
         "TxtOrgao"},
        {u"2005"_s, u" 14 CARACTERES. "_s, resp, credor,
         u"Nome da(o) UGE/Órgão/Entidade com menos de 15 caracteres."_s, "TxtOrgao"},
        {u"2005"_s, orgao, u" "_s, credor, u"Informe o nome do Responsável"_s, "TxtResponsavel"},
        {u"2005"_s, orgao, u" SETE  7 "_s, credor,
         u"Nome do Responsável com menos de 10 caracteres."_s, "TxtResponsavel"},
        // The creditor's name is in the entry area, which is closed while no advance is
        // edited: the focus cannot go there and stays where it was.
        {u"2005"_s, orgao, resp, u""_s, u"Informe o nome do Responsável"_s, "TxtElaborador"},
        {u"2005"_s, orgao, resp, u" SETE  7 "_s, u"Nome do Credor com menos de 10 caracteres."_s,
         "TxtElaborador"},
    };
    for (const CasoCabecalho& c : casos) {
        // The year checked is the open exercise's, as a restored backup may bring one before 2003.
        AbreExercicio(c.exercicio);
        txt("TxtOrgao")->setText(c.orgao);
        txt("TxtResponsavel")->setText(c.responsavel);
        txt("TxtNomeResponsavel")->setText(c.credor);
        txt("TxtElaborador")->setFocus();
        const qsizetype antes = caixas();
        tecla(Qt::Key_F6);
        EXPECT_EQ(caixasDesde(antes),
                  (QList<CaixaMostrada>{{c.mensagem, Icone::Parada, Botoes::Ok, u"Pravex"_s}}));
        EXPECT_EQ(nomeDoFoco(), QString::fromLatin1(c.foco)) << c.mensagem.toStdString();
        EXPECT_FALSE(QFile::exists(pasta.arquivo(u"pravexenvio2005.txt"_s)));
        EXPECT_EQ(grava(), nullptr);
    }

    // The limits themselves pass: 15 characters of órgão, 8 of responsável and of creditor.
    AbreExercicio(u"2005"_s);
    txt("TxtOrgao")->setText(u" 15 CARACTERES.. "_s);
    txt("TxtResponsavel")->setText(u" OITO 8 8 "_s);
    txt("TxtNomeResponsavel")->setText(u" OITO 8 8 "_s);
    txt("TxtExercicio")->setText(u"2005"_s);
    tecla(Qt::Key_F6);
    EXPECT_EQ(LeBytes(pasta.arquivo(u"pravexenvio2005.txt"_s)), Envio2005);
    EXPECT_NE(grava(), nullptr);
}

TEST_F(JanelaEnvio, F6SemArquivoDeDadosAvisaENaoAbreODialogo)
{
    ASSERT_TRUE(QFile::remove(arquivo(u"2005"_s)));
    const qsizetype antes = caixas();
    tecla(Qt::Key_F6);
    EXPECT_EQ(caixasDesde(antes), (QList<CaixaMostrada>{simples(u"Arquivo não encontrado."_s)}));
    EXPECT_EQ(Conteudo(pasta.caminho()),
              (QStringList{u"destino"_s, u"unidade-a"_s, u"unidade-d"_s, u"unidade-e"_s}));
    EXPECT_EQ(grava(), nullptr);
    EXPECT_TRUE(Module1::ModoGrava.isEmpty());
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
    EXPECT_FALSE(servicos.atividade.ligado());
}

TEST_F(JanelaEnvio, F6ComLinhaQueEstouraMantemOEnvioAnterior)
{
    pasta.escreve(u"pravexenvio2005.txt"_s, EnvioAnterior);
    // 1000 x 35 passes the line checksum's 32767.
    pasta.escreve(NomeArquivoExercicio(u"2005"_s), Cabecalho2005 + QByteArray(1000, 'Z') + "\r\n");
    const qsizetype antes = caixas();
    tecla(Qt::Key_F6);
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{
                  {u"Você está com problema no arquivo ou em sua unidade de disco. Verifique."_s,
                   Icone::Parada, Botoes::Ok, u"Gravar arquivo para o ORVAL"_s}}));
    EXPECT_EQ(LeBytes(pasta.arquivo(u"pravexenvio2005.txt"_s)), EnvioAnterior);
    EXPECT_EQ(grava(), nullptr);
    EXPECT_TRUE(w("Pnlaguarde")->isHidden());
}

TEST_F(JanelaEnvio, UnidadesRecusadasEComDefeitoVoltamParaC)
{
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    auto* drive = em<QComboBox>(*grava(), "drvDrive");
    const CaixaMostrada recusada =
        simples(u"Diretório/Unidade não disponível, favor selecionar outro Diretório/Unidade."_s);
    const CaixaMostrada defeito{u"Ocorreu um erro na unidade de disco !\r\rÉ possível que a "
                                u"unidade esteja defeituosa.\rVerifique e tente novamente."_s,
                                Icone::Exclamacao, Botoes::Ok, u"QMZ - ERRO"_s};
    abrePasta(*grava(), u"destino"_s);
    const struct {
        char letra;
        CaixaMostrada caixa;
    } casos[] = {{'a', recusada}, {'d', recusada}, {'e', defeito}};
    for (const auto& c : casos) {
        const qsizetype antes = caixas();
        escolheUnidade(*grava(), c.letra);
        EXPECT_EQ(caixasDesde(antes), (QList<CaixaMostrada>{c.caixa})) << c.letra;
        EXPECT_EQ(drive->currentText(), u"c: [Sistema]"_s) << c.letra;
        EXPECT_EQ(pastaEscolhida(*grava()), pasta.caminho()) << c.letra;
    }
}

TEST_F(JanelaEnvio, PastaDaUnidadeAAlcancadaPorOutroCaminhoEhRecusada)
{
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    abrePasta(*grava(), u"unidade-a"_s);
    const qsizetype antes = caixas();
    clica(*grava(), "CmdImportar");
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{
                  simples(u"Unidade  'A:'  não permitida, favor selecionar outra unidade."_s)}));
    EXPECT_EQ(Conteudo(pasta.arquivo(u"unidade-a"_s)), QStringList());
    EXPECT_NE(grava(), nullptr);
}

// A copy that fails: the messages, the program's end, and the old copy untouched with nothing
// else beside it.
class FalhaDaCopia : public JanelaEnvio
{
protected:
    void gravaEEsperaFalha(const QString& pastaDestino, const QStringList& conteudoEsperado)
    {
        ASSERT_NE(grava(), nullptr);
        const qsizetype antes = caixas();
        clica(*grava(), "CmdImportar");
        EXPECT_EQ(caixasDesde(antes), (QList<CaixaMostrada>{simples(FalhaNaGravacao), Finalizado}));
        EXPECT_EQ(servicos.encerramento.chamadas(), 1);
        EXPECT_EQ(Conteudo(pastaDestino), conteudoEsperado);
        EXPECT_TRUE(gravaFechado());
    }
};

TEST_F(FalhaDaCopia, DiscoCheio)
{
    DiscoPequeno disco(64);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    QFile anterior(disco.arquivo(u"pravexenvio2005.txt"_s));
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
    ASSERT_EQ(anterior.write(EnvioAnterior), EnvioAnterior.size());
    anterior.close();
    disco.enche();
    servicos.unidades.adiciona({u'f', u"Pendrive"_s, disco.caminho()});
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    escolheUnidade(*grava(), 'f');
    EXPECT_EQ(pastaEscolhida(*grava()), disco.caminho());
    gravaEEsperaFalha(disco.caminho(), {u".enchimento"_s, u"pravexenvio2005.txt"_s});
    EXPECT_EQ(LeBytes(disco.arquivo(u"pravexenvio2005.txt"_s)), EnvioAnterior);
}

TEST_F(FalhaDaCopia, MidiaSomenteLeitura)
{
    DiscoPequeno disco(64);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    QFile anterior(disco.arquivo(u"pravexenvio2005.txt"_s));
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
    ASSERT_EQ(anterior.write(EnvioAnterior), EnvioAnterior.size());
    anterior.close();
    ASSERT_TRUE(disco.somenteLeitura());
    servicos.unidades.adiciona({u'f', u"Pendrive"_s, disco.caminho()});
    tecla(Qt::Key_F6);
    ASSERT_NE(grava(), nullptr);
    escolheUnidade(*grava(), 'f');
    gravaEEsperaFalha(disco.caminho(), {u"pravexenvio2005.txt"_s});
    EXPECT_EQ(LeBytes(disco.arquivo(u"pravexenvio2005.txt"_s)), EnvioAnterior);
}

TEST_F(FalhaDaCopia, PastaQueSumiuOuVirouArquivo)
{
    for (const bool virouArquivo : {false, true}) {
        ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"pendrive"_s));
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        tecla(Qt::Key_F6);
        ASSERT_NE(grava(), nullptr);
        abrePasta(*grava(), u"pendrive"_s);
        ASSERT_TRUE(QDir(pasta.caminho()).rmdir(u"pendrive"_s));
        if (virouArquivo)
            pasta.escreve(u"pendrive"_s, "um arquivo");
        const QStringList antes = Conteudo(pasta.caminho());
        gravaEEsperaFalha(pasta.caminho(), antes);
        QFile::remove(pasta.arquivo(u"pendrive"_s));
        servicos.encerramento = EncerramentoRoteiro();
    }
}

TEST_F(JanelaEnvio, DialogoCentradoNaJanelaComTabulacaoNaOrdemDosCamposETeclasDeAcesso)
{
    tecla(Qt::Key_F6);
    frmGrava* g = grava();
    ASSERT_NE(g, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g));
    // Centred on the main window, but never past the screen's edge.
    const QRect tela = g->screen()->availableGeometry();
    const QRect r = g->frameGeometry();
    const QPoint centro = janela->frameGeometry().center();
    EXPECT_NEAR(r.y(), qBound(tela.top(), centro.y() - r.height() / 2, tela.bottom() - r.height()),
                4);
    EXPECT_NEAR(r.x(), qBound(tela.left(), centro.x() - r.width() / 2, tela.right() - r.width()),
                4);

    g->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(g));
    em(*g, "drvDrive")->setFocus();
    QStringList ordem;
    for (int i = 0; i < 4; ++i) {
        ordem << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ordem << QApplication::focusWidget()->objectName();
    // The file list is hidden in this mode and takes no focus.
    EXPECT_EQ(ordem, (QStringList{u"drvDrive"_s, u"dirDiretorio"_s, u"CmdImportar"_s,
                                  u"CmdCancelar"_s, u"drvDrive"_s}));

    QTest::keyClick(g, Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(gravaFechado());
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList());
}

// ---- modes "B" and "R", opened modally as the exit and restore dialogs open them

class ModoModal : public JanelaGravacao
{
protected:
    int abre(const QString& modo)
    {
        Module1::ModoGrava = modo;
        return frmGrava::MostraModal(*janela, *janela, servicos.servicos());
    }
};

TEST_F(ModoModal, BGravaACopiaDeSegurancaSubstituindoAAnterior)
{
    pasta.escreve(u"destino/PravexBkp2005.txt"_s, "copia de ontem\r\n");
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([this](frmGrava& g) {
        EXPECT_EQ(em<QPushButton>(g, "CmdImportar")->text(), u"Gravar"_s);
        EXPECT_TRUE(em(g, "File1")->isHidden());
        abrePasta(g, u"destino"_s);
        clica(g, "CmdImportar");
    });
    const int ligacoes = servicos.atividade.ligacoes();
    EXPECT_EQ(abre(u"B"_s), QDialog::Accepted);
    // The hourglass while the copy is written, and not after.
    EXPECT_EQ(servicos.atividade.ligacoes(), ligacoes + 1);
    EXPECT_FALSE(servicos.atividade.ligado());
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/PravexBkp2005.txt"_s)), Dados2005);
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList{u"PravexBkp2005.txt"_s});
    EXPECT_EQ(
        caixasDesde(antes),
        (QList<CaixaMostrada>{{u"Arquivo de segurança (backup) gravado. "_s, Icone::Informacao,
                               Botoes::Ok, u"Arquivo de segurança (backup)"_s}}));
    EXPECT_EQ(servicos.encerramento.chamadas(), 0);
}

TEST_F(ModoModal, BSemArquivoDeDadosAvisaEEncerra)
{
    ASSERT_TRUE(QFile::remove(arquivo(u"2005"_s)));
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([this](frmGrava& g) {
        abrePasta(g, u"destino"_s);
        clica(g, "CmdImportar");
    });
    EXPECT_EQ(abre(u"B"_s), frmGrava::Encerrado);
    EXPECT_EQ(
        caixasDesde(antes),
        (QList<CaixaMostrada>{
            simples(u"Erro em gravação/restauração: \r\rArquivo não encontrado"_s), Finalizado}));
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(Conteudo(pasta.arquivo(u"destino"_s)), QStringList());
}

TEST_F(ModoModal, BEmMidiaSomenteLeituraMantemACopiaAnterior)
{
    DiscoPequeno disco(64);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    {
        QFile anterior(disco.arquivo(u"PravexBkp2005.txt"_s));
        ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
        ASSERT_EQ(anterior.write(Linha1), Linha1.size());
    }
    ASSERT_TRUE(disco.somenteLeitura());
    servicos.unidades.adiciona({u'f', u"Pendrive"_s, disco.caminho()});
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([](frmGrava& g) {
        escolheUnidade(g, 'f');
        clica(g, "CmdImportar");
    });
    EXPECT_EQ(abre(u"B"_s), frmGrava::Encerrado);
    EXPECT_EQ(caixasDesde(antes),
              (QList<CaixaMostrada>{
                  simples(u"Erro em gravação/restauração: \r\rPermissão negada"_s), Finalizado}));
    EXPECT_EQ(LeBytes(disco.arquivo(u"PravexBkp2005.txt"_s)), Linha1);
    EXPECT_EQ(Conteudo(disco.caminho()), QStringList{u"PravexBkp2005.txt"_s});
}

const QByteArray Copia2004 = "CAMARA MUNICIPAL DE TESTE,2004,ANA MARIA,JOSE DA SILVA,,,,\r\n"
                             "P9,90,339030,12345678909,CICRANO DA SILVA,1234.56,02/01,03/01\r\n";

// Clicks a file of the file list.
void clicaArquivo(frmGrava& g, const QString& nome)
{
    auto* lista = g.findChild<QListWidget*>(u"File1"_s);
    const QList<QListWidgetItem*> achados = lista->findItems(nome, Qt::MatchExactly);
    ASSERT_EQ(achados.size(), 1) << nome.toStdString();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(achados.first()).center());
}

QStringList listados(const frmGrava& g)
{
    QStringList nomes;
    const auto* lista = g.findChild<QListWidget*>(u"File1"_s);
    for (int i = 0; i < lista->count(); ++i)
        nomes << lista->item(i)->text();
    return nomes;
}

TEST_F(ModoModal, RRestauraACopiaEscolhidaNaJanela)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    pasta.escreve(u"copias/PravexBkp2004.txt"_s, Copia2004);
    pasta.escreve(u"copias/pravexbkp2003.TXT"_s, Cabecalho2005);
    pasta.escreve(u"copias/outro.txt"_s, Cabecalho2005);
    pasta.escreve(u"copias/PravexBkp2004.csv"_s, Cabecalho2005);
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([this](frmGrava& g) {
        EXPECT_FALSE(em(g, "File1")->isHidden());
        EXPECT_EQ(em<QPushButton>(g, "CmdImportar")->text(), u"Restaurar"_s);
        abrePasta(g, u"copias"_s);
        EXPECT_EQ(listados(g), (QStringList{u"pravexbkp2003.TXT"_s, u"PravexBkp2004.txt"_s}));
        EXPECT_FALSE(em(g, "CmdImportar")->isEnabled());
        clicaArquivo(g, u"PravexBkp2004.txt"_s);
        EXPECT_TRUE(em(g, "CmdImportar")->isEnabled());
        clica(g, "CmdImportar");
    });
    // The hourglass while the backup loads (the screen is let through once there).
    QList<bool> ocupado;
    servicos.atividade.aCadaPassagem = [&] { ocupado << servicos.atividade.ligado(); };
    EXPECT_EQ(abre(u"R"_s), QDialog::Accepted);
    servicos.atividade.aCadaPassagem = nullptr;
    EXPECT_EQ(ocupado, QList<bool>{true});
    EXPECT_FALSE(servicos.atividade.ligado());
    EXPECT_EQ(caixasDesde(antes),
              QList<CaixaMostrada>{simples(u"Cópia de Segurança restaurada com sucesso."_s)});
    EXPECT_EQ(janela->cabecalho(), (Cabecalho{u"2004"_s, u"CAMARA MUNICIPAL DE TESTE"_s,
                                              u"ANA MARIA"_s, u"JOSE DA SILVA"_s}));
    EXPECT_EQ(coluna(0), QStringList{u"P9"_s});
    EXPECT_EQ(coluna(5), QStringList{u"1.234,56"_s});
    EXPECT_EQ(Module1::PendenteGravar, u"R"_s);
    EXPECT_EQ(Module1::ArquivoExercicio, arquivo(u"2004"_s));
    // A restore writes nothing: the data files stay as they were.
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
    EXPECT_FALSE(QFile::exists(arquivo(u"2004"_s)));
}

TEST_F(ModoModal, RDeArquivoForaDoLayoutDeixaODialogoAberto)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    // A value field of fewer than three characters.
    pasta.escreve(u"copias/PravexBkp2005.txt"_s,
                  Cabecalho2005 + "P1,10,339030,12345678909,CICRANO DA SILVA,9,01/03,31/03\r\n");
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([this, antes](frmGrava& g) {
        abrePasta(g, u"copias"_s);
        clicaArquivo(g, u"PravexBkp2005.txt"_s);
        clica(g, "CmdImportar");
        EXPECT_EQ(caixasDesde(antes),
                  (QList<CaixaMostrada>{
                      {u"Informações fora do layout esperado, ou não é o arquivo correto. "
                       u"Verifique"_s,
                       Icone::Parada, Botoes::Ok, u"Pravex"_s},
                      {u"Problema na restauração. Provavelmente as informações estão fora do "
                       u"layout esperado, ou não é o arquivo correto. Verifique"_s,
                       Icone::Parada, Botoes::Ok, u"Pravex"_s}}));
        EXPECT_TRUE(g.isVisible());
        clica(g, "CmdCancelar");
    });
    EXPECT_EQ(abre(u"R"_s), QDialog::Rejected);
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_TRUE(txt("TxtOrgao")->text().isEmpty());
    EXPECT_TRUE(Module1::PendenteGravar.isEmpty());
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
}

TEST_F(ModoModal, RSemCopiaEscolhidaNaoRestaura)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([this, antes](frmGrava& g) {
        abrePasta(g, u"copias"_s);
        EXPECT_EQ(listados(g), QStringList());
        EXPECT_FALSE(em(g, "CmdImportar")->isEnabled());
        g.CmdImportar_Click();
        EXPECT_EQ(caixasDesde(antes),
                  QList<CaixaMostrada>{simples(u"Nenhum arquivo selecionado"_s)});
        EXPECT_TRUE(g.isVisible());
        QTest::keyClick(&g, Qt::Key_Escape);
    });
    EXPECT_EQ(abre(u"R"_s), QDialog::Rejected);
    EXPECT_EQ(janela->lista().linhas(), 2);
}

} // namespace
