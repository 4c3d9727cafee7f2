#pragma once

#include "AreaEntrada.h"
#include "FormRegistro.h"
#include "ListaAdiantamentos.h"
#include "ModeloAdiantamentos.h"
#include "PainelAguarde.h"
#include "PainelVerificacao.h"
#include "TeclasFuncao.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

struct Servicos;
enum class Campo;
class AtivacaoJanela;
class frmSair;

namespace Ui
{
class FrmAdiantamentos;
}

// The program's main window: the register of the open exercise, its header, its list and the
// entry area, with the commands that start an exercise and include, change and delete advances.
// The layout lives in FrmAdiantamentos.ui and the rules in RegrasEntrada, Exclusao and
// TeclasFuncao; this class wires them to the widgets.
class FrmAdiantamentos : public QMainWindow, public FormRegistro, public PainelVerificacao
{
    Q_OBJECT

public:
    explicit FrmAdiantamentos(Servicos& servicos, QWidget* pai = nullptr);
    ~FrmAdiantamentos() override;

    // "ORVAL  -  Quelmar-Pravex   (v 1.3.3)" for release 1.3.3.
    static QString titulo();

    // FormRegistro
    Cabecalho cabecalho() const override;
    void defineCabecalho(const Cabecalho& cabecalho) override;
    ModeloAdiantamentos& lista() override { return modelo_; }
    void focaCabecalho(CampoCabecalho campo) override;
    void progresso(int minimo, int maximo, int valor) override;
    void habilitaRegistro() override;
    void limpaExercicio() override;
    void aguarde(const QString& aviso) override;
    void fimAguarde() override;
    QString nomeCredor() const override;
    void selecionaLinha(int linha) override { lista_->selecionaSomente(linha); }

    // PainelVerificacao
    void mostraProgresso(int minimo, int maximo, int valor) override
    {
        progresso(minimo, maximo, valor);
    }
    void avancaProgresso(int valor) override;
    void bloqueiaComandos(bool bloqueados) override { bloqueado_ = bloqueados; }

    // Handlers, named after control and event.
    void Form_Activate();
    void CmdCarrega_Click();
    void CmdIncluir_Click();
    void CmdAlterar_Click();
    void CmdExcluir_Click();
    void CmdOK_Click();
    void CmdVoltar_Click();
    void cmdAjuda_Click();
    void LvwAdiantamentos_Click();
    void LvwAdiantamentos_ColumnClick(int titulo) { lista_->ordenaPeloTitulo(titulo); }
    void CmdImprimir_Click();
    // Shift+F5: the report of F5 in the print preview.
    void visualizaRelatorio();
    void CmdGravarArquivo_Click();
    void CmdRestaurar_Click();
    void CmdImportar_Click();
    void CmdSair_Click();

    // The row the list reports as selected; -1 when none.
    int linhaSelecionada() const { return lista_->linhaSelecionada(); }

protected:
    // Becoming the program's active window runs Form_Activate, unless a message box was all that
    // went over the window.
    void changeEvent(QEvent* evento) override;
    // The frame, Alt+F4 or the desktop asking the window to close: the exit command decides.
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void montaJanela();
    void ligaCampos();
    struct AcaoBotao {
        Comando comando;
        class QPushButton* botao;
        void (FrmAdiantamentos::*acao)();
    };
    std::vector<AcaoBotao> acoes() const;
    void teclaDeFuncao(QKeyCombination tecla);
    void limpaEntrada() { entrada_->limpa(); }
    void mostraGrupoOcioso(bool ocioso);
    // The entry area opened for an advance, the list held still, the list's CPFs offered;
    // returns the CPF the combo showed.
    QString abreEdicao();
    // The commands that need rows.
    void habilitaComandosDeLinhas(bool habilitar);
    // Those and the restore and import commands.
    void habilitaComandos(bool habilitar);
    void foca(Campo campo);
    bool VerificaArquivo(class ArquivoLido& arquivo);
    // After a start that did not happen: the open exercise's year back, ready to be typed over.
    void voltaAoExercicioAberto();

    Servicos& servicos_;
    ModeloAdiantamentos modelo_;
    AtivacaoJanela* ativacao_ = nullptr;
    bool bloqueado_ = false;       // a verification runs and lets events through
    QElapsedTimer barraDesenhada_; // since ProgressBar1 last moved on screen
    QPointer<frmSair> frmSair_;

    // The layout, from FrmAdiantamentos.ui.
    const std::unique_ptr<Ui::FrmAdiantamentos> ui_;
    std::optional<ListaAdiantamentos> lista_;
    std::optional<PainelAguarde> aguarde_;
    std::optional<AreaEntrada> entrada_;
};
