#include "ApoioGravacao.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPointer>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A backup of 2005 as the data file writer lays it out, different from Dados2005.
const QByteArray Copia2005 =
    "PREFEITURA MUNICIPAL DE ONTEM,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n"
    "P7,70,339030,12345678909,CICRANO DA SILVA,1234567.89,01/04,30/04\r\n";

class Saida : public JanelaGravacao
{
protected:
    frmSair* sair() const { return janela->findChild<frmSair*>(); }
    bool sairFechado() const
    {
        return QTest::qWaitFor([this] { return sair() == nullptr; }, 2000);
    }
    // Esc in the main window, which must hold the keyboard.
    void esc()
    {
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        tecla(Qt::Key_Escape);
    }
    // Esc, and the exit dialog up and holding the keyboard.
    void abreSair()
    {
        esc();
        ASSERT_NE(sair(), nullptr);
        ASSERT_TRUE(Ativa(*sair()));
    }
    // An access key of the exit dialog. Its button goes down at once and clicks when its
    // animation ends, a tenth of a second later or much more on a busy machine: wait for that.
    void teclaDeAcesso(QWidget* dialogo, Qt::Key letra) const
    {
        const QPointer<QWidget> d(dialogo);
        QTest::keyClick(dialogo, letra, Qt::AltModifier);
        const bool solto = QTest::qWaitFor(
            [&d] {
                if (!d)
                    return true;
                const auto botoes = d->findChildren<QAbstractButton*>();
                return std::none_of(botoes.begin(), botoes.end(),
                                    [](const QAbstractButton* b) { return b->isDown(); });
            },
            10000);
        EXPECT_TRUE(solto);
    }
    QStringList copias() const
    {
        QStringList achadas;
        for (const QString& p : {pasta.caminho(), pasta.arquivo(u"destino"_s)})
            for (const QString& n : Conteudo(p))
                if (n.startsWith(u"PravexBkp"_s))
                    achadas << n;
        return achadas;
    }
};

TEST_F(Saida, EscAntesDeQualquerExercicioEncerraSemDialogo)
{
    // A window just opened: no exercise started.
    janela = std::make_unique<FrmAdiantamentos>(servicos.servicos());
    janela->show();
    const qsizetype antes = caixas();
    // The start hint comes with the window's activation, before any key.
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return caixas() - antes == 1; }));
    esc();
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(sair(), nullptr);
    // Only the start hint of the new window.
    EXPECT_EQ(caixas() - antes, 1);
}

TEST_F(Saida, ComLinhasENadaPendenteOSairOfereceACopia)
{
    abreSair();
    frmSair* s = sair();
    EXPECT_FALSE(s->isModal());
    EXPECT_EQ(s->windowTitle(), u"Pravex  -   Cópia de segurança (Backup)"_s);
    EXPECT_EQ(em<QLabel>(*s, "Label1")->text(), u"Atenção"_s);
    EXPECT_EQ(em<QLabel>(*s, "LabTexto")->text(),
              u"Recomendamos agora, que seja feita a cópia dos dados diariamente para a sua maior "
              u"segurança."_s);
    EXPECT_EQ(em<QLabel>(*s, "Label2")->text(),
              u"O Pravex pode fazer essa cópia automaticamente para você."_s);
    EXPECT_EQ(em<QLabel>(*s, "Label3")->text(), u"Deseja fazer essa cópia agora ?"_s);
    EXPECT_EQ(em<QPushButton>(*s, "CmdSair")->text(), u"&Sim"_s);
    EXPECT_EQ(em<QPushButton>(*s, "CmdCancelar")->text(), u"&Não"_s);
    EXPECT_EQ(em<QPushButton>(*s, "CmdVoltar")->text(), u"&Voltar ao Pravex"_s);
    EXPECT_FALSE(Module1::PodeDescarregar);
    EXPECT_EQ(servicos.encerramento.chamadas(), 0);

    teclaDeAcesso(s, Qt::Key_N);
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
    EXPECT_EQ(copias(), QStringList());
}

TEST_F(Saida, VoltarAoPravexOuFecharOSairContinuaOPrograma)
{
    abreSair();
    teclaDeAcesso(sair(), Qt::Key_V);
    EXPECT_TRUE(sairFechado());
    // Esc in the dialog is its frame's close.
    abreSair();
    QTest::keyClick(sair(), Qt::Key_Escape);
    EXPECT_TRUE(sairFechado());
    EXPECT_EQ(servicos.encerramento.chamadas(), 0);
    EXPECT_TRUE(janela->isVisible());
}

TEST_F(Saida, SimGravaACopiaNaPastaEscolhidaEEncerra)
{
    abreSair();
    const qsizetype antes = caixas();
    QuandoAbrir<frmGrava>([this](frmGrava& g) {
        EXPECT_EQ(Module1::ModoGrava, u"B"_s);
        abrePasta(g, u"destino"_s);
        clica(g, "CmdImportar");
    });
    teclaDeAcesso(sair(), Qt::Key_S);
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/PravexBkp2005.txt"_s)), Dados2005);
    EXPECT_EQ(
        caixasDesde(antes),
        (QList<CaixaMostrada>{{u"Arquivo de segurança (backup) gravado. "_s, Icone::Informacao,
                               Botoes::Ok, u"Arquivo de segurança (backup)"_s}}));
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
}

TEST_F(Saida, SimEVoltarEncerraSemCopia)
{
    abreSair();
    QuandoAbrir<frmGrava>([this](frmGrava& g) { clica(g, "CmdCancelar"); });
    teclaDeAcesso(sair(), Qt::Key_S);
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(copias(), QStringList());
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
}

TEST_F(Saida, SimComAUnidadeInicialIlegivelAvisaEFicaNoSair)
{
    const struct {
        int numero;
        QString texto;
    } casos[] = {
        {Falha::DispositivoIndisponivel,
         u"Você está com problema em sua unidade de disco. Verifique !"_s},
        {91, u"91 - Erro definido pelo aplicativo ou pelo objeto"_s},
    };
    abreSair();
    for (const auto& c : casos) {
        servicos.unidades.falha(u'c', Falha::numerada(c.numero));
        const qsizetype antes = caixas();
        clica(*sair(), "CmdSair");
        EXPECT_EQ(caixasDesde(antes),
                  (QList<CaixaMostrada>{{c.texto, Icone::Parada, Botoes::Ok,
                                         u"Gravar cópia de segurança (Backup)."_s}}));
        EXPECT_NE(sair(), nullptr);
        EXPECT_EQ(grava(), nullptr);
        EXPECT_EQ(servicos.encerramento.chamadas(), 0);
    }
}

TEST_F(Saida, TodasAsLinhasExcluidasEncerraSemDialogo)
{
    lista()->setFocus();
    lista()->selectAll();
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    ASSERT_EQ(janela->lista().linhas(), 0);
    esc();
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
    EXPECT_EQ(sair(), nullptr);
}

// The copy is of the open exercise, whatever year is typed in the field and not started.
TEST_F(Saida, ACopiaEhDoExercicioAbertoNaoDoAnoDigitado)
{
    pasta.escreve(NomeArquivoExercicio(u"2004"_s), "OUTRO ANO,2004,A,B,,,,\r\n");
    txt("TxtExercicio")->setFocus();
    txt("TxtExercicio")->setText(u"2004"_s);
    abreSair();
    QuandoAbrir<frmGrava>([this](frmGrava& g) {
        abrePasta(g, u"destino"_s);
        clica(g, "CmdImportar");
    });
    teclaDeAcesso(sair(), Qt::Key_S);
    EXPECT_EQ(copias(), QStringList{u"PravexBkp2005.txt"_s});
    EXPECT_EQ(LeBytes(pasta.arquivo(u"destino/PravexBkp2005.txt"_s)), Dados2005);
}

TEST_F(Saida, PendenteRecusadoPeloCabecalhoFicaNoProgramaComAMarca)
{
    Module1::PendenteGravar = u"I"_s;
    txt("TxtResponsavel")->clear();
    const qsizetype antes = caixas();
    esc();
    EXPECT_EQ(caixasDesde(antes), (QList<CaixaMostrada>{{u"Informe o nome do Responsável"_s,
                                                         Icone::Parada, Botoes::Ok, u"Pravex"_s}}));
    EXPECT_EQ(nomeDoFoco(), u"TxtResponsavel"_s);
    EXPECT_EQ(Module1::PendenteGravar, u"I"_s);
    EXPECT_EQ(sair(), nullptr);
    EXPECT_EQ(servicos.encerramento.chamadas(), 0);
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
}

TEST_F(Saida, FecharAJanelaRodaOSairEEhRecusado)
{
    EXPECT_FALSE(janela->close());
    EXPECT_TRUE(janela->isVisible());
    EXPECT_NE(sair(), nullptr);
    EXPECT_EQ(servicos.encerramento.chamadas(), 0);
}

// ---- restore (F7)

class Restauracao : public Saida
{
protected:
    // F7, and the restore dialog handled by `acao` while it is up.
    void f7(std::function<void(frmRestaurarCopiaSeguranca&)> acao)
    {
        QuandoAbrir<frmRestaurarCopiaSeguranca>(std::move(acao));
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        tecla(Qt::Key_F7);
    }
};

TEST_F(Restauracao, VoltarSoMostraDeNovoALinhaSelecionada)
{
    txt("TxtProcesso")->setText(u"RASCUNHO"_s);
    f7([](frmRestaurarCopiaSeguranca& r) {
        EXPECT_EQ(r.windowTitle(), u"Pravex  -  Restaura cópia de segurança"_s);
        EXPECT_EQ(em<QLabel>(r, "LabTexto")->text(),
                  u"Coloque o disquete de Cópia de Segurança na unidade 'A:' e tecle em Restaurar "
                  u"para proseguir."_s);
        EXPECT_EQ(em<QPushButton>(r, "CmdRestaura")->text(), u"&Restaurar"_s);
        EXPECT_EQ(em<QPushButton>(r, "CmdCancelar")->text(), u"&Voltar"_s);
        clica(r, "CmdCancelar");
    });
    EXPECT_EQ(txt("TxtProcesso")->text(), u"P1"_s);
    EXPECT_EQ(coluna(0), (QStringList{u"P1"_s, u"P2"_s}));
    EXPECT_TRUE(Module1::PendenteGravar.isEmpty());
}

// A backup that cannot be read empties the window: no exercise is open any more, so nothing is
// written in the name of the one shown before, and nothing is left pending.
TEST_F(Restauracao, CopiaIlegivelFechaOExercicioAberto)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    pasta.escreve(u"copias/PravexBkp2005.txt"_s,
                  "PREFEITURA,2005,A,B,,,,\r\nP7,70,339030,12345678909,CICRANO,5,01/04,30/04\r\n");
    Module1::PendenteGravar = u"I"_s;
    const qsizetype antes = caixas();
    f7([this](frmRestaurarCopiaSeguranca& r) {
        QuandoAbrir<frmGrava>([this](frmGrava& g) {
            abrePasta(g, u"copias"_s);
            auto* arquivos = em<QListWidget>(g, "File1");
            arquivos->setCurrentRow(0);
            clica(g, "CmdImportar");
            clica(g, "CmdCancelar");
        });
        em<QPushButton>(r, "CmdRestaura")->animateClick();
    });
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(caixasDesde(antes).size(), 2);
    EXPECT_EQ(janela->lista().linhas(), 0);
    EXPECT_TRUE(Module1::ArquivoExercicio.isEmpty());
    EXPECT_TRUE(Module1::PendenteGravar.isEmpty());

    // F2 still opens the entry; its confirmation now asks for an exercise.
    ASSERT_TRUE(Ativa(*janela));
    tecla(Qt::Key_F2);
    incluiPorTeclado({u"P3"_s, u"30"_s, u"339030"_s, u"11144477735"_s, u"NOVO CREDOR"_s, u"5,00"_s,
                      u"0104"_s, u"3004"_s});
    EXPECT_EQ(servicos.mensagens.textos().last(), u"Informe um Exercício a partir de 2003"_s);
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);
}

// The last row deleted deletes the data file: the list and the disk agree, so leaving does not
// try to write an empty register again and again.
TEST_F(Restauracao, ExcluirTudoDepoisDeRestaurarDeixaSair)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    pasta.escreve(u"copias/PravexBkp2005.txt"_s, Copia2005);
    f7([this](frmRestaurarCopiaSeguranca& r) {
        QuandoAbrir<frmGrava>([this](frmGrava& g) {
            abrePasta(g, u"copias"_s);
            em<QListWidget>(g, "File1")->setCurrentRow(0);
            clica(g, "CmdImportar");
        });
        em<QPushButton>(r, "CmdRestaura")->animateClick();
    });
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    ASSERT_EQ(Module1::PendenteGravar, u"R"_s);
    ASSERT_TRUE(Ativa(*janela));
    lista()->setFocus();
    lista()->selectAll();
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    ASSERT_EQ(janela->lista().linhas(), 0);
    EXPECT_FALSE(QFile::exists(arquivo(u"2005"_s)));
    EXPECT_TRUE(Module1::PendenteGravar.isEmpty());
    const qsizetype antes = caixas();
    esc();
    EXPECT_EQ(caixasDesde(antes), QList<CaixaMostrada>());
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
}

// The whole road: restore a backup, leave, and the data file is the backup byte for byte.
TEST_F(Restauracao, CopiaRestauradaEhGravadaAoSair)
{
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    pasta.escreve(u"copias/PravexBkp2005.txt"_s, Copia2005);
    f7([this](frmRestaurarCopiaSeguranca& r) {
        QuandoAbrir<frmGrava>([this](frmGrava& g) {
            EXPECT_EQ(Module1::ModoGrava, u"R"_s);
            abrePasta(g, u"copias"_s);
            // The operator clicks the backup in the file list; Restaurar then becomes available.
            clicaArquivo(g, u"PravexBkp2005.txt"_s);
            ASSERT_TRUE(em<QPushButton>(g, "CmdImportar")->isEnabled());
            clica(g, "CmdImportar");
        });
        // Pressed once this handler has returned, as its access key would press it, without
        // depending on the dialog taking the keyboard in time on a busy machine.
        em<QPushButton>(r, "CmdRestaura")->animateClick();
    });
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(txt("TxtOrgao")->text(), u"PREFEITURA MUNICIPAL DE ONTEM"_s);
    EXPECT_EQ(coluna(0), QStringList{u"P7"_s});
    EXPECT_EQ(txt("TxtProcesso")->text(), u"P7"_s);
    EXPECT_EQ(txt("TxtValor")->text(), u"1.234.567,89"_s);
    EXPECT_EQ(Module1::PendenteGravar, u"R"_s);
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Dados2005);

    abreSair();
    EXPECT_EQ(LeBytes(arquivo(u"2005"_s)), Copia2005);
    EXPECT_TRUE(Module1::PendenteGravar.isEmpty());
    teclaDeAcesso(sair(), Qt::Key_N);
    EXPECT_EQ(servicos.encerramento.chamadas(), 1);
}

TEST_F(Restauracao, FalhaAoAbrirAGravacaoAvisaEMantemAMarca)
{
    Module1::PendenteGravar = u"I"_s;
    servicos.unidades.falha(u'c', Falha::numerada(Falha::ErroDispositivo));
    const qsizetype antes = caixas();
    f7([this, antes](frmRestaurarCopiaSeguranca& r) {
        clica(r, "CmdRestaura");
        EXPECT_EQ(caixasDesde(antes),
                  (QList<CaixaMostrada>{{u"Você está com problema no arquivo ou em sua unidade "
                                         u"de disco. Verifique !"_s,
                                         Icone::Parada, Botoes::Ok,
                                         u"Restaurar cópia de segurança."_s}}));
        EXPECT_TRUE(r.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &r);
        clica(r, "CmdCancelar");
    });
    // The imported register is still to be written when leaving.
    EXPECT_EQ(Module1::PendenteGravar, u"I"_s);
    EXPECT_EQ(coluna(0), (QStringList{u"P1"_s, u"P2"_s}));
}

} // namespace
