#include "ConversaoImportacao.h"
#include "Dialogos.h"
#include "FrmImportacao.h"
#include "JanelaTeste.h"
#include "ListasArquivos.h"
#include "frmSair.h"

#include <QDir>
#include <QGroupBox>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString Pergunta = u"Verificação concluida. Deseja Importar os dados agora ?"_s;
const QString Sucesso = u"Importação efetuada com sucesso!"_s;
const QString UnidadeRecusada =
    u"Diretório/Unidade não disponível, favor selecionar outro Diretório/Unidade."_s;
const QString ErroDeUnidade = u"Ocorreu um erro na unidade de disco !\r\rÉ possível que a "
                              u"unidade esteja defeituosa.\rVerifique e tente novamente."_s;

const QByteArray Cabecalho2005 = "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,";

// An advance line as the program writes it, long enough for the import's minimum.
QByteArray Linha(int ne, const QByteArray& processo = "P", const QByteArray& valor = "100.00")
{
    return processo + QByteArray::number(ne) + "/2005," + QByteArray::number(ne) +
           ",339030,12345678909,CREDOR NUMERO " + QByteArray::number(ne) + "," + valor +
           ",01/03,31/03";
}

QByteArray Arquivo(const QByteArray& cabecalho, const QList<QByteArray>& linhas)
{
    QByteArray bytes = cabecalho + "\r\n";
    for (const QByteArray& l : linhas)
        bytes += l + "\r\n";
    return bytes;
}

QByteArray Registro(const QByteArray& cabecalho, int primeiraNe, int quantas,
                    const QByteArray& processo = "P")
{
    QList<QByteArray> linhas;
    for (int ne = primeiraNe; ne < primeiraNe + quantas; ++ne)
        linhas << Linha(ne, processo);
    return Arquivo(cabecalho, linhas);
}

CaixaMostrada Caixa(const QString& texto, Icone icone = Icone::Nenhum, Botoes botoes = Botoes::Ok,
                    const QString& titulo = u"Pravex"_s)
{
    return {texto, icone, botoes, titulo};
}

} // namespace

// The main window with the exercise 2005 open from a data file of 50 advances, the usual drives
// (a:, c: at the program folder, d:, e: failing) and a folder "importar" of import files.
class DialogoImportacao : public JanelaTeste
{
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        servicos.unidades = UnidadesRoteiro::Padrao(pasta.caminho());
        ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"importar"_s));
        pasta.escreve(NomeArquivoExercicio(u"2005"_s), Dados2005);
        iniciaExercicio(u"2005"_s);
        ASSERT_EQ(janela->lista().linhas(), 50);
        antes = servicos.mensagens.caixas().size();
    }

    // The dialog over the main window, opened on the folder of import files.
    std::unique_ptr<FrmImportacao> abre()
    {
        auto d = std::make_unique<FrmImportacao>(*janela, servicos.servicos(), janela.get());
        d->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d.get()));
        abrePasta(*d, u"importar"_s);
        return d;
    }

    static QStringList arquivosListados(const QWidget& d)
    {
        auto* lista = em<QListWidget>(d, "File1");
        QStringList r;
        for (int i = 0; i < lista->count(); ++i)
            r << lista->item(i)->text();
        return r;
    }
    QString importar(const QString& nome) const { return u"importar/"_s + nome; }

    QList<CaixaMostrada> caixasNovas() const { return servicos.mensagens.caixas().mid(antes); }

    // What an import must leave untouched when it does not happen.
    struct Estado {
        Cabecalho cabecalho;
        QList<Adiantamento> linhas;
        QString pendente;
        QString arquivoExercicio;
        QList<bool> comandos;
        friend bool operator==(const Estado&, const Estado&) = default;
    };
    Estado estado() const
    {
        QList<bool> comandos;
        for (const char* c : {"CmdIncluir", "CmdAlterar", "CmdExcluir", "CmdImprimir",
                              "CmdGravarArquivo", "CmdRestaurar", "CmdImportar"})
            comandos << cmd(c)->isEnabled();
        return {janela->cabecalho(), janela->lista().todas(), Module1::PendenteGravar,
                Module1::ArquivoExercicio, comandos};
    }

    const QByteArray Dados2005 = Registro(Cabecalho2005, 1, 50, "OLD");
    qsizetype antes = 0;
};

TEST_F(DialogoImportacao, AbreNaUnidadeInicialComAsListasEOsTitulos)
{
    pasta.escreve(importar(u"b.CSV"_s), "x");
    pasta.escreve(importar(u"a.txt"_s), "x");
    pasta.escreve(importar(u"c.xls"_s), "x");
    FrmImportacao d(*janela, servicos.servicos(), janela.get());
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_EQ(d.windowTitle(), u"Importar arquivo"_s);
    EXPECT_TRUE(d.isModal());
    EXPECT_EQ(em<QGroupBox>(d, "Frame1")->title(), u"Selecione o &Diretório "_s);
    EXPECT_EQ(em<QGroupBox>(d, "Frame2")->title(), u"Selecione a &Pasta "_s);
    EXPECT_EQ(em<QGroupBox>(d, "fraArquivo")->title(), u"&Arquivo para importação"_s);
    EXPECT_EQ(em<QPushButton>(d, "CmdImportar")->text(), u"&Importar..."_s);
    EXPECT_EQ(em<QPushButton>(d, "CmdCancelar")->text(), u"&Voltar"_s);
    EXPECT_TRUE(em(d, "LabStatus")->isHidden());
    EXPECT_TRUE(em(d, "ProgressBar1")->isHidden());

    EXPECT_EQ(em<ListaUnidades>(d, "drvDrive")->drive(), u"c: [Sistema]"_s);
    EXPECT_EQ(em<ListaPastas>(d, "dirDiretorio")->caminho(), pasta.caminho());
    // The program folder holds the data file, a TXT: it is listed and selected.
    EXPECT_EQ(arquivosListados(d), QStringList{NomeArquivoExercicio(u"2005"_s)});
    EXPECT_TRUE(em(d, "CmdImportar")->isEnabled());

    abrePasta(d, u"importar"_s);
    EXPECT_EQ(arquivosListados(d), (QStringList{u"a.txt"_s, u"b.CSV"_s}));
    EXPECT_EQ(d.arquivoSelecionado(), pasta.arquivo(importar(u"a.txt"_s)));

    // Tab follows the fields; the frames' access keys take the focus to their list.
    ASSERT_TRUE(Ativa(d));
    const QList<QByteArray> ordem = {"drvDrive",    "dirDiretorio", "File1",
                                     "CmdImportar", "CmdCancelar",  "drvDrive"};
    em(d, "drvDrive")->setFocus();
    for (const QByteArray& nome : ordem) {
        EXPECT_EQ(QApplication::focusWidget()->objectName().toLatin1(), nome);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const struct {
        char tecla;
        const char* lista;
    } chaves[] = {{'p', "dirDiretorio"}, {'a', "File1"}, {'d', "drvDrive"}};
    for (const auto& c : chaves) {
        QTest::keyClick(QApplication::focusWidget(), c.tecla, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toLatin1(), c.lista);
    }
    EXPECT_TRUE(caixasNovas().isEmpty());
}

TEST_F(DialogoImportacao, ArquivoDeMilLinhasSubstituiORegistroEChegaAoDisco)
{
    const QByteArray dados = Registro(Cabecalho2005, 101, 999, "NEW");
    pasta.escreve(importar(u"novo.csv"_s), dados);
    const auto d = abre();
    clicaArquivo(*d, u"novo.csv"_s);
    auto* barra = em<QProgressBar>(*d, "ProgressBar1");
    QSignalSpy progresso(barra, &QProgressBar::valueChanged);
    servicos.mensagens.responde(Resposta::Sim, Pergunta);
    const int bipes = servicos.mensagens.bipes();
    // The hourglass every time the screen is let through, from the counting to the import.
    QList<bool> ocupado;
    servicos.atividade.aCadaPassagem = [&] { ocupado << servicos.atividade.ligado(); };
    clica(*d, "CmdImportar");
    servicos.atividade.aCadaPassagem = nullptr;
    EXPECT_GT(ocupado.size(), 3);
    EXPECT_FALSE(ocupado.contains(false));
    EXPECT_FALSE(servicos.atividade.ligado());

    EXPECT_EQ(caixasNovas(), (QList<CaixaMostrada>{Caixa(Pergunta, Icone::Pergunta, Botoes::SimNao),
                                                   Caixa(Sucesso, Icone::Exclamacao)}));
    EXPECT_EQ(servicos.mensagens.bipes(), bipes + 1);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_FALSE(d->isVisible());
    ASSERT_EQ(janela->lista().linhas(), 999);
    EXPECT_EQ(coluna(Coluna::Processo).first(), u"NEW101/2005"_s);
    EXPECT_EQ(coluna(Coluna::Processo).last(), u"NEW1099/2005"_s);
    EXPECT_EQ(janela->linhaSelecionada(), 0);
    EXPECT_EQ(Module1::PendenteGravar, u"I"_s);
    // The bar went through both passes, the lines and then the records, from the first value
    // to the last and forward only.
    QList<int> valores;
    for (const QList<QVariant>& v : progresso)
        valores << v.first().toInt();
    const qsizetype segunda = valores.lastIndexOf(1);
    ASSERT_GT(segunda, 0);
    for (const QList<int>& passagem : {valores.mid(0, segunda), valores.mid(segunda)}) {
        EXPECT_EQ(passagem.first(), 1);
        EXPECT_EQ(passagem.last(), 1001);
        EXPECT_TRUE(std::is_sorted(passagem.begin(), passagem.end()));
    }
    EXPECT_EQ(barra->maximum(), 1001);
    // The import writes nothing; leaving the program writes the register it brought.
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
    janela->CmdSair_Click();
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), dados);
}

// A CPF written with points and a hyphen, a name in quotes and periods followed by blanks pass
// the verification; they load as the register keeps them, and the data file written from them
// is one the next start of the exercise accepts.
TEST_F(DialogoImportacao, CamposEscritosDeOutroJeitoChegamComoORegistroGuarda)
{
    pasta.escreve(
        importar(u"outro.txt"_s),
        Arquivo(Cabecalho2005,
                {"P1/2005,1,339030,123.456.789-09,\"CREDOR ENTRE ASPAS\",10.00,01/03 ,31/03  ",
                 "P2/2005,2,339030, 529 982 247 25 ,CREDOR DE CPF COM BRANCOS,20.00,01/04,30/04"}));
    const auto d = abre();
    clicaArquivo(*d, u"outro.txt"_s);
    servicos.mensagens.responde(Resposta::Sim, Pergunta);
    clica(*d, "CmdImportar");
    EXPECT_EQ(caixasNovas(), (QList<CaixaMostrada>{Caixa(Pergunta, Icone::Pergunta, Botoes::SimNao),
                                                   Caixa(Sucesso, Icone::Exclamacao)}));
    EXPECT_EQ(coluna(Coluna::CpfCredor), (QStringList{u"12345678909"_s, u"52998224725"_s}));
    EXPECT_EQ(coluna(Coluna::NomeCredor),
              (QStringList{u"CREDOR ENTRE ASPAS"_s, u"CREDOR DE CPF COM BRANCOS"_s}));
    EXPECT_EQ(coluna(Coluna::PeriodoInicial), (QStringList{u"01/03"_s, u"01/04"_s}));
    EXPECT_EQ(coluna(Coluna::ChavePf), (QStringList{u"0331"_s, u"0430"_s}));

    janela->CmdSair_Click();
    const QByteArray gravado =
        Arquivo(Cabecalho2005,
                {"P1/2005,1,339030,12345678909,CREDOR ENTRE ASPAS,10.00,01/03,31/03",
                 "P2/2005,2,339030,52998224725,CREDOR DE CPF COM BRANCOS,20.00,01/04,30/04"});
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), gravado);
    // Back from the exit dialog, the exercise started again from that file.
    delete janela->findChild<frmSair*>();
    ASSERT_TRUE(Ativa(*janela));
    antes = servicos.mensagens.caixas().size();
    iniciaExercicio(u"2005"_s);
    EXPECT_EQ(caixasNovas(), QList<CaixaMostrada>());
    EXPECT_EQ(janela->lista().linhas(), 2);
}

// A double quote that does not enclose its whole field would cut the field: the file is refused
// at that line with the layout message, and nothing changes.
TEST_F(DialogoImportacao, AspaQueCortariaOCampoRecusaALinha)
{
    const char* const nomes[] = {"\"CIC\"RANO DA SILVA", "CIC\"RANO DA SILVA",
                                 "\"CICRANO DA SILVA"};
    for (const char* nome : nomes) {
        SCOPED_TRACE(nome);
        pasta.escreve(importar(u"aspas.txt"_s),
                      Arquivo(Cabecalho2005,
                              {Linha(1), QByteArray(Linha(2)).replace("CREDOR NUMERO 2", nome)}));
        const Estado antesDaImportacao = estado();
        antes = servicos.mensagens.caixas().size();
        const auto d = abre();
        clicaArquivo(*d, u"aspas.txt"_s);
        clica(*d, "CmdImportar");
        EXPECT_EQ(caixasNovas(), (QList<CaixaMostrada>{
                                     Caixa(u"Informação fora do layout esperado. Linha 3, ou não "
                                           u"é o arquivo correto. Verifique"_s,
                                           Icone::Parada)}));
        EXPECT_EQ(estado(), antesDaImportacao);
        EXPECT_TRUE(d->isVisible());
    }
}

TEST_F(DialogoImportacao, RegistroQueFalhaNoMeioNaoMudaNada)
{
    // Every line passes the verification, but the record counter's 16 bits overflow at the
    // record after the 32,766th, deep into the loading.
    QList<QByteArray> linhas;
    for (int ne = 1; ne <= MaximoRegistrosImportacao; ++ne)
        linhas << Linha(ne);
    pasta.escreve(importar(u"quebrado.txt"_s), Arquivo(Cabecalho2005, linhas));
    Module1::PendenteGravar = u"R"_s; // a restore not yet written stays pending
    const Estado antesDaImportacao = estado();
    const auto d = abre();
    servicos.mensagens.responde(Resposta::Sim, Pergunta);
    clica(*d, "CmdImportar");

    EXPECT_EQ(caixasNovas(),
              (QList<CaixaMostrada>{
                  Caixa(Pergunta, Icone::Pergunta, Botoes::SimNao),
                  Caixa(u"Provavelmente as informações na linha 32767 estão fora do layout "
                        u"esperado, ou não é o arquivo correto. Verifique o Layout no programa "
                        u"ou na Internet, no site do ORVAL."_s,
                        Icone::Parada)}));
    EXPECT_EQ(estado(), antesDaImportacao);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(em(*d, "LabStatus")->isHidden());
    EXPECT_EQ(em<QLabel>(*d, "LabStatus")->text(), QString());
    EXPECT_TRUE(em(*d, "ProgressBar1")->isHidden());
    EXPECT_TRUE(em(*d, "CmdImportar")->isEnabled());
    EXPECT_TRUE(em(*d, "CmdCancelar")->isEnabled());
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
}

TEST_F(DialogoImportacao, NaoAPerguntaEVerificacaoQueFalhaDeixamODialogoAberto)
{
    pasta.escreve(importar(u"a.txt"_s), Registro(Cabecalho2005, 101, 3));
    // Shorter than the import's 53 characters, though every field is valid.
    pasta.escreve(importar(u"b.txt"_s),
                  Arquivo(Cabecalho2005, {"P,7,339030,12345678909,ANA,1.00,01/03,31/03"}));
    const Estado antesDaImportacao = estado();
    const auto d = abre();
    servicos.mensagens.responde(Resposta::Nao, Pergunta);
    clica(*d, "CmdImportar");
    clicaArquivo(*d, u"b.txt"_s);
    clica(*d, "CmdImportar");

    EXPECT_EQ(caixasNovas(),
              (QList<CaixaMostrada>{Caixa(Pergunta, Icone::Pergunta, Botoes::SimNao),
                                    Caixa(u"Informação fora do layout esperado. Linha 2, ou não é "
                                          u"o arquivo correto. Verifique"_s,
                                          Icone::Parada)}));
    EXPECT_EQ(estado(), antesDaImportacao);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(em(*d, "ProgressBar1")->isHidden());
}

TEST_F(DialogoImportacao, SoCabecalhoEArquivoVazio)
{
    const Cabecalho original = janela->cabecalho();
    pasta.escreve(importar(u"vazio.txt"_s), {});
    pasta.escreve(importar(u"cabecalho.txt"_s),
                  "CAMARA MUNICIPAL,2005,OUTRO ELABORADOR,OUTRO RESPONSAVEL,,,,\r\n");
    {
        const auto d = abre();
        clicaArquivo(*d, u"vazio.txt"_s);
        servicos.mensagens.responde(Resposta::Sim, Pergunta);
        clica(*d, "CmdImportar");
        EXPECT_EQ(d->result(), QDialog::Accepted);
        // The list is emptied; the header fields keep what they held; nothing is pending.
        EXPECT_EQ(janela->lista().linhas(), 0);
        EXPECT_EQ(janela->cabecalho(), original);
        EXPECT_EQ(Module1::PendenteGravar, QString());
    }
    pasta.escreve(NomeArquivoExercicio(u"2005"_s), Dados2005);
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    iniciaExercicio(u"2005"_s);
    ASSERT_EQ(janela->lista().linhas(), 50);
    {
        const auto d = abre();
        clicaArquivo(*d, u"cabecalho.txt"_s);
        servicos.mensagens.responde(Resposta::Sim, Pergunta);
        clica(*d, "CmdImportar");
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(janela->lista().linhas(), 0);
        EXPECT_EQ(janela->cabecalho(), (Cabecalho{u"2005"_s, u"CAMARA MUNICIPAL"_s,
                                                  u"OUTRO ELABORADOR"_s, u"OUTRO RESPONSAVEL"_s}));
        EXPECT_EQ(Module1::PendenteGravar, QString());
    }
    QStringList sucessos;
    for (const CaixaMostrada& c : caixasNovas())
        if (c.texto == Sucesso)
            sucessos << c.texto;
    EXPECT_EQ(sucessos.size(), 2);
}

TEST_F(DialogoImportacao, ArquivoDeOutroAnoMudaOExercicioAberto)
{
    const QByteArray cabecalho2006 = "PREFEITURA MUNICIPAL,2006,FULANO DE TAL,BELTRANO,,,,";
    // Quotes around the texts and leading zeros of the NE are dropped.
    const QByteArray dados =
        Arquivo(cabecalho2006, {"\"0001/2006\",000123,339030,12345678909,\"ANA DA SILVA\","
                                "1234.56,28/02,01/03"});
    pasta.escreve(importar(u"2006.csv"_s), dados);
    const auto d = abre();
    servicos.mensagens.responde(Resposta::Sim, Pergunta);
    clica(*d, "CmdImportar");
    ASSERT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(txt("TxtExercicio")->text(), u"2006"_s);
    EXPECT_EQ(janela->lista().linhas(), 1);
    EXPECT_EQ(janela->lista().texto(0, Coluna::Processo), u"0001/2006"_s);
    EXPECT_EQ(janela->lista().texto(0, Coluna::NotaEmpenho), u"123"_s);
    EXPECT_EQ(janela->lista().texto(0, Coluna::NomeCredor), u"ANA DA SILVA"_s);
    EXPECT_EQ(janela->lista().texto(0, Coluna::Valor), u"1.234,56"_s);
    EXPECT_EQ(Module1::ArquivoExercicio, arquivo(u"2006"_s));

    // Deleting the imported row removes the 2006 data file, never the 2005 one.
    janela->LvwAdiantamentos_Click();
    servicos.mensagens.responde(Resposta::Ok);
    janela->CmdExcluir_Click();
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
}

TEST_F(DialogoImportacao, RegrasDasUnidadesEDasPastas)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"importar/vazia"_s));
    pasta.escreve(importar(u"a.txt"_s), "x");
    servicos.unidades.adiciona({u'f', u"Rede"_s, pasta.arquivo(u"importar"_s)},
                               Falha::numerada(Falha::PermissaoNegada));
    const auto d = abre();
    auto* unidades = em<ListaUnidades>(*d, "drvDrive");
    auto* pastas = em<ListaPastas>(*d, "dirDiretorio");
    const QString importacao = pasta.arquivo(u"importar"_s);

    const struct {
        QChar letra;
        QList<CaixaMostrada> caixas;
        QString unidade;
    } casos[] = {
        {u'a', {Caixa(UnidadeRecusada)}, u"c: [Sistema]"_s},
        {u'd', {Caixa(UnidadeRecusada)}, u"c: [Sistema]"_s},
        {u'e',
         {Caixa(ErroDeUnidade, Icone::Exclamacao, Botoes::Ok, u"QMZ - ERRO"_s)},
         u"c: [Sistema]"_s},
        // Any other failure: no message, and the drive list stays where it was put.
        {u'f', {}, u"f: [Rede]"_s},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.letra.toLatin1());
        unidades->defineUnidade(u'c');
        abrePasta(*d, u"importar"_s);
        antes = servicos.mensagens.caixas().size();
        unidades->defineUnidade(c.letra);
        EXPECT_EQ(caixasNovas(), c.caixas);
        EXPECT_EQ(unidades->drive(), c.unidade);
        // Back at c: its folder; after the unreadable f: the folder list did not move.
        EXPECT_EQ(pastas->caminho(), c.letra == u'f' ? importacao : pasta.caminho());
    }

    unidades->defineUnidade(u'c');
    abrePasta(*d, u"importar"_s);
    abrePasta(*d, u"vazia"_s);
    EXPECT_TRUE(arquivosListados(*d).isEmpty());
    EXPECT_FALSE(em(*d, "CmdImportar")->isEnabled());
    // Up one folder by keyboard: the file list follows and its first file is selected.
    pastas->setFocus();
    pastas->setCurrentRow(pastas->count() - 2);
    QTest::keyClick(pastas, Qt::Key_Return);
    EXPECT_EQ(pastas->caminho(), importacao);
    EXPECT_EQ(arquivosListados(*d), QStringList{u"a.txt"_s});
    EXPECT_EQ(d->arquivoSelecionado(), pasta.arquivo(importar(u"a.txt"_s)));
    EXPECT_TRUE(em(*d, "CmdImportar")->isEnabled());
}

TEST_F(DialogoImportacao, ComandosBloqueadosEnquantoAVerificacaoCedeEventos)
{
    pasta.escreve(importar(u"a.txt"_s), Registro(Cabecalho2005, 101, 5));
    const auto d = abre();
    int passagens = 0;
    servicos.atividade.aCadaPassagem = [&] {
        if (++passagens != 2)
            return;
        // Mid-run: neither Voltar, Esc nor a second Importar may act.
        EXPECT_FALSE(em(*d, "CmdCancelar")->isEnabled());
        EXPECT_FALSE(em(*d, "CmdImportar")->isEnabled());
        QTest::keyClick(d.get(), Qt::Key_Escape);
        d->CmdCancelar_Click();
        d->CmdImportar_Click();
        EXPECT_TRUE(d->isVisible());
    };
    servicos.mensagens.responde(Resposta::Nao, Pergunta);
    clica(*d, "CmdImportar");
    servicos.atividade.aCadaPassagem = nullptr;
    EXPECT_EQ(caixasNovas(),
              QList<CaixaMostrada>{Caixa(Pergunta, Icone::Pergunta, Botoes::SimNao)});
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(em(*d, "CmdCancelar")->isEnabled());
    EXPECT_TRUE(em(*d, "CmdImportar")->isEnabled());
    EXPECT_EQ(janela->lista().linhas(), 50);
}

// Runs `acao` on the import dialog as soon as it is up, from inside its own event loop.
static void NoDialogo(std::function<void(FrmImportacao&)> acao)
{
    auto* espera = new QTimer(qApp);
    auto restantes = std::make_shared<int>(1000);
    QObject::connect(espera, &QTimer::timeout, espera, [espera, restantes, acao = std::move(acao)] {
        auto* d = qobject_cast<FrmImportacao*>(QApplication::activeModalWidget());
        if (d == nullptr && --*restantes > 0)
            return;
        espera->stop();
        espera->deleteLater();
        if (d == nullptr) {
            ADD_FAILURE() << "no import dialog opened";
            return;
        }
        acao(*d);
        // A dialog the action failed to close would hold the test forever.
        QPointer<FrmImportacao> aberto(d);
        QTimer::singleShot(3000, qApp, [aberto] {
            if (aberto && aberto->isVisible()) {
                ADD_FAILURE() << "the import dialog stayed open";
                aberto->done(QDialog::Rejected);
            }
        });
    });
    espera->start(5);
}

TEST_F(DialogoImportacao, F8AbreODialogoModalNoCentroDaJanela)
{
    pasta.escreve(importar(u"a.txt"_s), Registro(Cabecalho2005, 101, 2, "F8-"));
    // The entry fields show the first row, then another row is chosen.
    janela->selecionaLinha(3);
    janela->LvwAdiantamentos_Click();
    ASSERT_EQ(txt("TxtProcesso")->text(), u"OLD4/2005"_s);

    // The test screen is narrower than the main window: centring then keeps the dialog on it.
    // The window opened maximized on so small a screen; it is made wider than the screen here.
    janela->setWindowState(Qt::WindowNoState);
    janela->setGeometry(0, 30, 1280, 540);

    // Voltar by its access key: nothing imported.
    NoDialogo([this](FrmImportacao& d) {
        EXPECT_TRUE(d.isModal());
        const QRect tela = d.screen()->availableGeometry();
        const QPoint centro = janela->frameGeometry().center();
        const QRect f = d.frameGeometry();
        EXPECT_NEAR(f.center().y(), centro.y(), 2);
        EXPECT_NEAR(f.x(),
                    qBound(tela.left(), centro.x() - f.width() / 2, tela.right() - f.width()), 5);
        ASSERT_TRUE(Ativa(d));
        QTest::keyClick(QApplication::focusWidget(), 'v', Qt::AltModifier);
    });
    tecla(Qt::Key_F8);
    EXPECT_EQ(janela->findChild<FrmImportacao*>(), nullptr);
    EXPECT_EQ(janela->lista().linhas(), 50);

    // Importar by its access key, Yes: the list's click shows the imported first row.
    servicos.mensagens.responde(Resposta::Sim, Pergunta);
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    NoDialogo([this](FrmImportacao& d) {
        abrePasta(d, u"importar"_s);
        ASSERT_TRUE(Ativa(d));
        QTest::keyClick(QApplication::focusWidget(), 'i', Qt::AltModifier);
    });
    tecla(Qt::Key_F8);
    EXPECT_EQ(janela->findChild<FrmImportacao*>(), nullptr);
    EXPECT_EQ(coluna(Coluna::Processo), (QStringList{u"F8-101/2005"_s, u"F8-102/2005"_s}));
    EXPECT_EQ(txt("TxtProcesso")->text(), u"F8-101/2005"_s);
    EXPECT_EQ(txt("TxtNumeroNotaEmpenho")->text(), u"101"_s);
}
