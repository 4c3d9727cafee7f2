#include "FrmAdiantamentos.h"

#include "AtivacaoJanela.h"
#include "BarraProgresso.h"
#include "Caminhos.h"
#include "Catalogo.h"
#include "ComportamentoCampo.h"
#include "EnvioJanela.h"
#include "Exclusao.h"
#include "Falha.h"
#include "FluxoBotoes.h"
#include "Foco.h"
#include "Formatos.h"
#include "FrmImportacao.h"
#include "ImpressaoRelatorio.h"
#include "LeitorBytes.h"
#include "Medidas.h"
#include "Module1.h"
#include "NomesControles.h"
#include "ParadasJanela.h"
#include "Registro.h"
#include "RegrasEntrada.h"
#include "SelecionaTexto.h"
#include "Servicos.h"
#include "TeclasFuncao.h"
#include "Verificacao.h"
#include "frmGrava.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"
#include "ui_FrmAdiantamentos.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QShortcut>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

FrmAdiantamentos::FrmAdiantamentos(Servicos& servicos, QWidget* pai)
    : QMainWindow(pai), servicos_(servicos), ui_(std::make_unique<Ui::FrmAdiantamentos>())
{
    montaJanela();
    ligaCampos();

    // Form_Load
    setWindowTitle(titulo());
    PintaCampo(*ui_->TxtExercicio, CorFoco);
    Module1::PendenteGravar.clear();
    modelo_.limpa();
    ui_->CboElemEcon->addItems(ItensCatalogo());

    ativacao_ = new AtivacaoJanela(*this, [this] { Form_Activate(); });

    // The function keys reach the window before its controls, wherever the focus is.
    for (const QKeyCombination k : TeclasDeFuncao) {
        auto* atalho = new QShortcut(QKeySequence(k), this);
        atalho->setContext(Qt::WindowShortcut);
        connect(atalho, &QShortcut::activated, this, [this, k] { teclaDeFuncao(k); });
    }
    AjustaATela(*this);
}

FrmAdiantamentos::~FrmAdiantamentos() = default;

QString FrmAdiantamentos::titulo()
{
    return u"ORVAL  -  Quelmar-Pravex   (v %1.%2.%3)"_s.arg(PRAVEX_VERSION_MAJOR)
        .arg(PRAVEX_VERSION_MINOR)
        .arg(PRAVEX_VERSION_PATCH);
}

void FrmAdiantamentos::montaJanela()
{
    ui_->setupUi(this);
    // The row of buttons wraps where the window is narrow, on a small screen or at a large scale.
    FluxoBotoes::emLugarDe(*ui_->principal, *ui_->botoes);
    NomeiaPelosRotulos(*this);

    // The widths that depend on the font: a field is never narrower than the widest text it holds.
    LarguraMinima(*ui_->TxtExercicio, ComDigitoLargo(fontMetrics(), u"0000"_s));
    ui_->TxtExercicio->setMaximumWidth(ui_->TxtExercicio->minimumWidth());

    lista_.emplace(*ui_->LvwAdiantamentos, modelo_, [this] { LvwAdiantamentos_Click(); });
    entrada_.emplace(*ui_, modelo_);
    aguarde_.emplace(*ui_->Pnlaguarde, *ui_->LabAviso, *ui_->Frame2);
    ui_->Pnlaguarde->hide();

    // The edit pair takes the place and the size of the first two idle buttons.
    MesmaLargura(*ui_->CmdIncluir, *ui_->CmdOK);
    MesmaLargura(*ui_->CmdAlterar, *ui_->CmdVoltar);
    ui_->CmdOK->hide();
    ui_->CmdVoltar->hide();

    OrdenaParadas(*this);
    ui_->TxtExercicio->setFocus();
}

void FrmAdiantamentos::ligaCampos()
{
    using Conjunto = ConjuntoCaracteres;
    new ComportamentoCampo(*ui_->TxtExercicio, {.conjunto = Conjunto::Digitos,
                                                .apara = false,
                                                .aoTeclarEnter = [this] { CmdCarrega_Click(); }});
    new ComportamentoCampo(*ui_->TxtOrgao, {});
    new ComportamentoCampo(*ui_->TxtElaborador, {.apara = false});
    new ComportamentoCampo(*ui_->TxtResponsavel,
                           {.apara = false, .aoTeclarEnter = [this] { CmdIncluir_Click(); }});

    connect(ui_->CmdCarrega, &QPushButton::clicked, this, &FrmAdiantamentos::CmdCarrega_Click);
    for (const AcaoBotao& a : acoes()) {
        if (a.comando != Comando::Visualizar)
            connect(a.botao, &QPushButton::clicked, this, a.acao);
    }
    connect(ui_->LvwAdiantamentos->header(), &QHeaderView::sectionClicked, this,
            [this](int secao) { LvwAdiantamentos_ColumnClick(secao + 1); });
}

// ---- FormRegistro

Cabecalho FrmAdiantamentos::cabecalho() const
{
    return {ui_->TxtExercicio->text(), ui_->TxtOrgao->text(), ui_->TxtElaborador->text(),
            ui_->TxtResponsavel->text()};
}

void FrmAdiantamentos::defineCabecalho(const Cabecalho& c)
{
    ui_->TxtExercicio->setText(c.exercicio);
    ui_->TxtOrgao->setText(c.orgao);
    ui_->TxtElaborador->setText(c.elaborador);
    ui_->TxtResponsavel->setText(c.responsavel);
}

void FrmAdiantamentos::focaCabecalho(CampoCabecalho campo)
{
    ControleDe(*this, campo)->setFocus();
}

void FrmAdiantamentos::progresso(int minimo, int maximo, int valor)
{
    ui_->ProgressBar1->setRange(minimo, maximo);
    ui_->ProgressBar1->setValue(valor);
    barraDesenhada_.invalidate(); // a new pass shows its first step at once
}

void FrmAdiantamentos::habilitaRegistro()
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->TxtOrgao, ui_->TxtElaborador, ui_->TxtResponsavel, ui_->CmdIncluir,
             ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir, ui_->CmdGravarArquivo,
             ui_->CmdRestaurar, ui_->CmdImportar})
        w->setEnabled(true);
}

void FrmAdiantamentos::limpaExercicio()
{
    ui_->TxtOrgao->clear();
    ui_->TxtElaborador->clear();
    ui_->TxtResponsavel->clear();
    limpaEntrada();
    for (QPushButton* b : {ui_->CmdIncluir, ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir,
                           ui_->CmdGravarArquivo})
        b->setEnabled(false);
}

QString FrmAdiantamentos::nomeCredor() const
{
    return ui_->TxtNomeResponsavel->text();
}

// ---- waiting panel

void FrmAdiantamentos::aguarde(const QString& aviso)
{
    aguarde_->mostra(aviso);
    servicos_.atividade.processaEventos();
}

void FrmAdiantamentos::fimAguarde()
{
    ui_->Pnlaguarde->hide();
}

void FrmAdiantamentos::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    aguarde_->centra();
}

// ---- activation, keys, help

void FrmAdiantamentos::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        ativacao_->ativada();
}

void FrmAdiantamentos::Form_Activate()
{
    if (!ui_->CmdIncluir->isEnabled())
        servicos_.mensagens.mostra(
            u"Para lançamento de um novo Exercício ou dar continuidade em algum, informe o "
            u"Exercício no campo correspondente, em seguida clique o botão Iniciar ou "
            u"simplesmente tecle ENTER."_s,
            Icone::Informacao, Botoes::Ok, u"Pravex"_s);
}

// The commands of the window's buttons and keys.
std::vector<FrmAdiantamentos::AcaoBotao> FrmAdiantamentos::acoes() const
{
    return {
        {Comando::Ajuda, ui_->cmdAjuda, &FrmAdiantamentos::cmdAjuda_Click},
        {Comando::Incluir, ui_->CmdIncluir, &FrmAdiantamentos::CmdIncluir_Click},
        {Comando::Confirmar, ui_->CmdOK, &FrmAdiantamentos::CmdOK_Click},
        {Comando::Alterar, ui_->CmdAlterar, &FrmAdiantamentos::CmdAlterar_Click},
        {Comando::Voltar, ui_->CmdVoltar, &FrmAdiantamentos::CmdVoltar_Click},
        {Comando::Excluir, ui_->CmdExcluir, &FrmAdiantamentos::CmdExcluir_Click},
        {Comando::Imprimir, ui_->CmdImprimir, &FrmAdiantamentos::CmdImprimir_Click},
        {Comando::Visualizar, ui_->CmdImprimir, &FrmAdiantamentos::visualizaRelatorio},
        {Comando::GravarArquivo, ui_->CmdGravarArquivo, &FrmAdiantamentos::CmdGravarArquivo_Click},
        {Comando::Restaurar, ui_->CmdRestaurar, &FrmAdiantamentos::CmdRestaurar_Click},
        {Comando::Importar, ui_->CmdImportar, &FrmAdiantamentos::CmdImportar_Click},
        {Comando::Sair, ui_->CmdSair, &FrmAdiantamentos::CmdSair_Click},
    };
}

void FrmAdiantamentos::teclaDeFuncao(QKeyCombination tecla)
{
    if (bloqueado_)
        return;
    const std::vector<AcaoBotao> lista = acoes();
    const auto de = [&lista](Comando c) {
        return *std::find_if(lista.begin(), lista.end(),
                             [c](const AcaoBotao& a) { return a.comando == c; });
    };
    const std::optional<Comando> comando = ComandoDaTecla(
        tecla, [&](Comando c) { return !de(c).botao->isHidden(); },
        [&](Comando c) { return de(c).botao->isEnabled(); });
    if (comando)
        (this->*de(*comando).acao)();
}

void FrmAdiantamentos::cmdAjuda_Click()
{
    servicos_.ajuda.abre(JuntaCaminho(PastaPrograma(), QString::fromLatin1(NomeArquivoAjuda)));
}

// ---- list

void FrmAdiantamentos::habilitaComandosDeLinhas(bool habilitar)
{
    for (QPushButton* b :
         {ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir, ui_->CmdGravarArquivo})
        b->setEnabled(habilitar);
}

void FrmAdiantamentos::habilitaComandos(bool habilitar)
{
    habilitaComandosDeLinhas(habilitar);
    ui_->CmdRestaurar->setEnabled(habilitar);
    ui_->CmdImportar->setEnabled(habilitar);
}

void FrmAdiantamentos::LvwAdiantamentos_Click()
{
    if (modelo_.linhas() == 0) {
        ui_->CboCPF->clear();
        limpaEntrada();
        habilitaComandosDeLinhas(false);
        return;
    }
    const int linha = linhaSelecionada();
    if (linha < 0)
        return;
    entrada_->mostra(modelo_.linha(linha));
    habilitaComandos(true);
}

// ---- exercise start

bool FrmAdiantamentos::VerificaArquivo(ArquivoLido& arquivo)
{
    return ::VerificaArquivo(arquivo, ui_->TxtExercicio->text(), *this, servicos_.mensagens,
                             servicos_.atividade);
}

void FrmAdiantamentos::avancaProgresso(int valor)
{
    AvancaBarra(*ui_->ProgressBar1, valor, barraDesenhada_);
}

void FrmAdiantamentos::CmdCarrega_Click()
{
    if (bloqueado_)
        return;
    if (LeNumeroInicial(ui_->TxtExercicio->text()) < 2003) {
        servicos_.mensagens.bipe();
        servicos_.mensagens.mostra(u"Informe um Exercício a partir de 2003"_s, Icone::Parada);
        voltaAoExercicioAberto();
        return;
    }
    const QString caminho = CaminhoArquivoExercicio(ui_->TxtExercicio->text());
    if (QFileInfo::exists(caminho)) {
        const Ocupado ocupado(servicos_.atividade);
        // Read from disk once: the loading reads the very bytes the verification passed.
        ArquivoLido arquivo(caminho);
        aguarde(u"Validando arquivo, aguarde..."_s);
        if (!VerificaArquivo(arquivo)) {
            fimAguarde();
            voltaAoExercicioAberto();
            return;
        }
        aguarde(u"Carregando, aguarde..."_s);
        // A file that cannot be read leaves the open exercise as it was, as a refused one does.
        if (CarregaArquivo(arquivo, *this, servicos_.mensagens, servicos_.atividade,
                           AoFalhar::MantemJanela) == 0) {
            fimAguarde();
            servicos_.mensagens.mostra(u"Provavelmente as informações estão fora do layout "
                                       u"esperado, ou não é o arquivo correto. Verifique"_s,
                                       Icone::Parada);
            voltaAoExercicioAberto();
            return;
        }
        AbreExercicio(ui_->TxtExercicio->text());
        LvwAdiantamentos_Click();
    } else {
        AbreExercicio(ui_->TxtExercicio->text());
        ui_->TxtOrgao->clear();
        ui_->TxtElaborador->clear();
        ui_->TxtResponsavel->clear();
        modelo_.limpa();
        limpaEntrada();
        for (QWidget* w :
             std::initializer_list<QWidget*>{ui_->TxtOrgao, ui_->TxtElaborador, ui_->TxtResponsavel,
                                             ui_->CmdIncluir, ui_->CmdRestaurar, ui_->CmdImportar})
            w->setEnabled(true);
        habilitaComandosDeLinhas(false);
        ui_->TxtOrgao->setFocus();
    }
    Module1::PendenteGravar.clear();
    fimAguarde();
}

void FrmAdiantamentos::voltaAoExercicioAberto()
{
    ui_->TxtExercicio->setText(ExercicioAberto());
    ui_->TxtExercicio->setFocus();
    SelecionaTexto(*ui_->TxtExercicio);
}

// ---- entry commands

void FrmAdiantamentos::mostraGrupoOcioso(bool ocioso)
{
    for (QPushButton* b :
         {ui_->CmdIncluir, ui_->CmdAlterar, ui_->CmdExcluir, ui_->CmdImprimir,
          ui_->CmdGravarArquivo, ui_->CmdRestaurar, ui_->CmdImportar, ui_->CmdSair})
        b->setVisible(ocioso);
    ui_->CmdOK->setVisible(!ocioso);
    ui_->CmdVoltar->setVisible(!ocioso);
}

QString FrmAdiantamentos::abreEdicao()
{
    ui_->Frame2->setEnabled(false);
    ui_->Frame3->setEnabled(true);
    mostraGrupoOcioso(false);
    ui_->LvwAdiantamentos->setSelectionMode(QAbstractItemView::SingleSelection);
    const QString cpf = ui_->CboCPF->currentText();
    entrada_->preencheCPFs();
    return cpf;
}

void FrmAdiantamentos::CmdIncluir_Click()
{
    entrada_->limpaAdiantamento();
    const QString cpf = abreEdicao();
    ui_->CboCPF->setEditText(cpf);
    ui_->TxtProcesso->setFocus();
    Module1::Operacao = u"I"_s;
}

void FrmAdiantamentos::CmdAlterar_Click()
{
    const QString cpf = abreEdicao();
    const int igual = ui_->CboCPF->findText(cpf, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (igual >= 0)
        ui_->CboCPF->setCurrentIndex(igual);
    ui_->TxtProcesso->setFocus();
    Module1::Operacao = u"A"_s;
}

void FrmAdiantamentos::CmdVoltar_Click()
{
    ui_->Frame1->setEnabled(true);
    ui_->Frame2->setEnabled(true);
    ui_->Frame3->setEnabled(false);
    Module1::Operacao.clear();
    mostraGrupoOcioso(true);
    ui_->LvwAdiantamentos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui_->LvwAdiantamentos->setFocus();
    LvwAdiantamentos_Click();
}

void FrmAdiantamentos::foca(Campo campo)
{
    ControleDe(*this, campo)->setFocus(Qt::OtherFocusReason);
}

void FrmAdiantamentos::CmdOK_Click()
{
    try {
        CamposEntrada campos = entrada_->digitado(CabecalhoAberto(*this));
        const std::optional<Recusa> recusa = ValidaAdiantamento(campos);
        // A valid CPF and the value's display form replace what was typed, as the checks saw them.
        if (campos.cpf != ui_->CboCPF->currentText())
            ui_->CboCPF->setEditText(campos.cpf);
        if (campos.valor != ui_->TxtValor->text())
            ui_->TxtValor->setText(campos.valor);
        const auto recusar = [this](const Recusa& r) {
            servicos_.mensagens.mostra(r.texto, r.icone, Botoes::Ok, r.titulo);
            foca(r.foco);
        };
        if (recusa) {
            recusar(*recusa);
            return;
        }
        const Adiantamento registro = MontaAdiantamento(campos);

        if (Module1::Operacao == u"I"_s) {
            if (const std::optional<Recusa> duplicada =
                    ChecaDuplicidade(modelo_, campos.notaEmpenho)) {
                recusar(*duplicada);
                return;
            }
            const int linha = modelo_.acrescenta(registro);
            lista_->selecionaSomente(linha);
            modelo_.renomeiaCredor(ChaveCPF(registro.cpf), registro.nome);
            entrada_->limpaAdiantamento();
            ui_->TxtNumeroNotaEmpenho->setText(ProximaNotaEmpenho(registro.notaEmpenho));
            habilitaComandos(true);
            const QString cpf = ui_->CboCPF->currentText();
            entrada_->preencheCPFs();
            ui_->CboCPF->setEditText(cpf);
            if (GravaArquivo(*this, servicos_.mensagens))
                ui_->TxtProcesso->setFocus();
        } else if (Module1::Operacao == u"A"_s) {
            const int selecionada = linhaSelecionada();
            if (selecionada < 0)
                return;
            if (const std::optional<Recusa> duplicada =
                    ChecaDuplicidade(modelo_, campos.notaEmpenho, selecionada)) {
                recusar(*duplicada);
                return;
            }
            lista_->selecionaSomente(modelo_.substitui(selecionada, registro));
            modelo_.renomeiaCredor(ChaveCPF(registro.cpf), registro.nome);
            // A change that could not be written stays in the edit, so it can be confirmed again.
            if (GravaArquivo(*this, servicos_.mensagens))
                CmdVoltar_Click();
        }
    } catch (const Falha& falha) {
        servicos_.mensagens.mostra(falha.texto());
    }
}

void FrmAdiantamentos::CmdExcluir_Click()
{
    const Resposta resposta =
        servicos_.mensagens.mostra(u"Confirma a exclusão."_s, Icone::Pergunta, Botoes::OkCancelar,
                                   u"Exclusão de Adiantamento"_s);
    // Thousands of rows may go and the register is written again.
    const Ocupado ocupado(servicos_.atividade);
    if (resposta == Resposta::Ok) {
        modelo_.removeLinhas(lista_->linhasInteiras());
        // Every selected row is gone, so none is selected, whichever way the list was redrawn.
        ui_->LvwAdiantamentos->selectionModel()->clearSelection();
    }
    const DepoisDaExclusao depois = GuardaExclusao(*this, servicos_.mensagens);
    if (depois == DepoisDaExclusao::Vazio) {
        entrada_->limpaAdiantamento();
        ui_->CboElemEcon->setCurrentIndex(0);
        habilitaComandos(false);
        return;
    }
    if (depois == DepoisDaExclusao::NaoGravado)
        return;
    habilitaComandos(true);
    // The first row joins the selection and becomes the one the list reports as selected.
    ui_->LvwAdiantamentos->selectionModel()->setCurrentIndex(
        modelo_.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    LvwAdiantamentos_Click();
}

// ---- printed report (F5)

void FrmAdiantamentos::CmdImprimir_Click()
{
    ImprimeRelatorio(CabecalhoAberto(*this), modelo_.todas(), servicos_);
}

void FrmAdiantamentos::visualizaRelatorio()
{
    VisualizaRelatorio(CabecalhoAberto(*this), modelo_.todas(), servicos_);
}

// ---- submission file for the audit court (F6)

void FrmAdiantamentos::CmdGravarArquivo_Click()
{
    if (bloqueado_)
        return;
    if (const std::optional<Campo> recusado = PreparaEnvio(*this, *this, *this, servicos_))
        foca(*recusado);
}

// ---- restore from backup (F7)

void FrmAdiantamentos::CmdRestaurar_Click()
{
    frmRestaurarCopiaSeguranca dialogo(*this, *this, servicos_);
    if (dialogo.exec() == frmGrava::Encerrado)
        return;
    DevolveTeclado(*this);
    LvwAdiantamentos_Click();
}

// ---- import (F8)

void FrmAdiantamentos::CmdImportar_Click()
{
    FrmImportacao dialogo(*this, servicos_, this);
    dialogo.exec();
    DevolveTeclado(*this);
    LvwAdiantamentos_Click();
}

// ---- exit (Esc)

void FrmAdiantamentos::CmdSair_Click()
{
    // A verification or a submission run lets events through with the register half replaced:
    // nothing may be written or ended from inside it.
    if (bloqueado_)
        return;
    const bool semRegistro =
        (ui_->TxtExercicio->text() + ui_->TxtOrgao->text()).trimmed().isEmpty() &&
        modelo_.linhas() == 0 && !ui_->CmdAlterar->isEnabled();
    if (!ui_->CmdIncluir->isEnabled() || semRegistro) {
        servicos_.encerramento.encerra();
        return;
    }
    if (!Module1::PendenteGravar.isEmpty()) {
        if (!GravaArquivo(*this, servicos_.mensagens))
            return;
        Module1::PendenteGravar.clear();
    }
    if (modelo_.linhas() == 0) {
        servicos_.encerramento.encerra();
        return;
    }
    if (frmSair_.isNull())
        frmSair_ = new frmSair(*this, *this, servicos_);
    frmSair_->show();
    frmSair_->raise();
    frmSair_->activateWindow();
}

void FrmAdiantamentos::closeEvent(QCloseEvent* evento)
{
    CmdSair_Click();
    // The program ends only where the exit command or its dialog end it.
    if (Module1::PodeDescarregar)
        evento->accept();
    else
        evento->ignore();
}
