#include "FrmImportacao.h"

#include "BarraProgresso.h"
#include "ConversaoImportacao.h"
#include "FormRegistro.h"
#include "LeitorBytes.h"
#include "ListasArquivos.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "Registro.h"
#include "Servicos.h"
#include "Verificacao.h"
#include "ui_FrmImportacao.h"

#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The drive the dialog opens at, and returns to when another cannot be used.
constexpr char16_t UnidadeInicial = u'c';

} // namespace

FrmImportacao::FrmImportacao(FormRegistro& registro, Servicos& servicos, QWidget* pai)
    : QDialog(pai), registro_(registro), servicos_(servicos),
      ui_(std::make_unique<Ui::FrmImportacao>())
{
    ui_->setupUi(this);
    drvDrive = PoeListaUnidades(servicos_.unidades, *ui_->caixaUnidades, *ui_->dirDiretorio);
    ui_->File1->definePadrao(u"*.txt;*.csv"_s);
    // The frame keeps its height while the label and the bar come and go.
    ui_->fraImportacao->setMinimumHeight(ui_->fraImportacao->sizeHint().height());
    ui_->LabStatus->hide();
    ui_->ProgressBar1->hide();
    const int largura = fontMetrics().averageCharWidth();
    resize(qMax(sizeHint().width(), 80 * largura), qMax(sizeHint().height(), 26 * largura * 2));

    connect(drvDrive, &ListaUnidades::mudou, this, &FrmImportacao::drvDrive_Change);
    connect(ui_->dirDiretorio, &ListaPastas::mudou, this, &FrmImportacao::dirDiretorio_Change);
    connect(ui_->CmdImportar, &QPushButton::clicked, this, &FrmImportacao::CmdImportar_Click);
    connect(ui_->CmdCancelar, &QPushButton::clicked, this, &FrmImportacao::CmdCancelar_Click);
    // Double click or Enter on a file imports it, as the button does.
    connect(ui_->File1, &QListWidget::itemActivated, this, [this] {
        if (ui_->CmdImportar->isEnabled())
            CmdImportar_Click();
    });

    // Form_Load: the start drive at its folder; the file list and the button follow the folder.
    {
        const QSignalBlocker semAviso(drvDrive);
        drvDrive->defineUnidade(UnidadeInicial);
    }
    drvDrive_Change();
}

FrmImportacao::~FrmImportacao() = default;

// ---- drives, folders, files

void FrmImportacao::drvDrive_Change()
{
    if (const Unidade* unidade = UnidadeAceita(*drvDrive, servicos_.unidades, servicos_.mensagens))
        ui_->dirDiretorio->defineCaminho(unidade->raiz);
}

void FrmImportacao::dirDiretorio_Change()
{
    ui_->File1->defineCaminho(ui_->dirDiretorio->caminho());
    if (ui_->File1->quantidade() > 0) {
        ui_->File1->setCurrentRow(0);
        ui_->CmdImportar->setEnabled(true);
    } else {
        ui_->CmdImportar->setEnabled(false);
    }
}

QString FrmImportacao::arquivoSelecionado() const
{
    return ui_->File1->caminhoSelecionado();
}

// ---- commands

void FrmImportacao::CmdCancelar_Click()
{
    reject();
}

void FrmImportacao::reject()
{
    if (bloqueado_)
        return;
    QDialog::reject();
}

void FrmImportacao::CmdImportar_Click()
{
    if (bloqueado_ || ui_->File1->selecionado().isEmpty())
        return;
    arquivoEmVerificacao_ = std::make_unique<ArquivoLido>(arquivoSelecionado());
    const Ocupado ocupado(servicos_.atividade);
    VerificaImportacao(*arquivoEmVerificacao_, *this, servicos_.mensagens, servicos_.atividade,
                       [this] { return ImportarDados(); });
    arquivoEmVerificacao_.reset();
}

bool FrmImportacao::ImportarDados()
{
    mostraStatus(u"Importando..."_s);
    ui_->ProgressBar1->setMinimum(1);
    ui_->ProgressBar1->setValue(1);
    ui_->ProgressBar1->show();
    barraDesenhada_.invalidate();
    servicos_.atividade.processaEventos();

    ArquivoLido selecionado(arquivoSelecionado());
    ArquivoLido& arquivo = arquivoEmVerificacao_ ? *arquivoEmVerificacao_ : selecionado;
    const ResultadoImportacao resultado =
        ConverteImportacao(arquivo, [this](int valor) { avancaProgresso(valor); });
    if (const auto* recusado = std::get_if<RegistroRecusado>(&resultado)) {
        servicos_.mensagens.mostra(MensagemRegistroRecusado(recusado->registro), Icone::Parada);
        return false;
    }

    DadosImportados dados = std::get<DadosImportados>(resultado);
    if (dados.cabecalho) {
        registro_.defineCabecalho(*dados.cabecalho);
        // The register now belongs to the header's exercise: it is written to that exercise's
        // data file, and deleting its last row removes that file.
        AbreExercicio(dados.cabecalho->exercicio);
    }
    registro_.lista().defineLinhas(std::move(dados.adiantamentos));
    Module1::PendenteGravar.clear();
    if (registro_.lista().linhas() > 0) {
        registro_.habilitaRegistro();
        registro_.selecionaLinha(0);
        Module1::PendenteGravar = u"I"_s;
    }

    servicos_.mensagens.bipe();
    mostraStatus(u"Importado !"_s);
    servicos_.atividade.processaEventos();
    servicos_.mensagens.mostra(u"Importação efetuada com sucesso!"_s, Icone::Exclamacao);
    accept();
    return true;
}

// ---- PainelVerificacao

void FrmImportacao::mostraProgresso(int minimo, int maximo, int valor)
{
    ui_->ProgressBar1->setRange(minimo, maximo);
    ui_->ProgressBar1->setValue(valor);
    ui_->ProgressBar1->show();
    barraDesenhada_.invalidate();
}

void FrmImportacao::avancaProgresso(int valor)
{
    // Each value given to the bar costs it a style computation: a line at a time, that was most
    // of an import's time.
    AvancaBarra(*ui_->ProgressBar1, valor, barraDesenhada_);
}

void FrmImportacao::bloqueiaComandos(bool bloqueados)
{
    if (bloqueados == bloqueado_)
        return;
    bloqueado_ = bloqueados;
    if (bloqueados)
        focoAntesDoBloqueio_ = focusWidget();
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->Frame1, ui_->Frame2, ui_->fraArquivo,
                                                      ui_->CmdCancelar})
        w->setEnabled(!bloqueados);
    ui_->CmdImportar->setEnabled(!bloqueados && !ui_->File1->selecionado().isEmpty());
    if (!bloqueados && focoAntesDoBloqueio_ && focoAntesDoBloqueio_->isEnabled())
        focoAntesDoBloqueio_->setFocus();
}

void FrmImportacao::mostraStatus(const QString& texto)
{
    ui_->LabStatus->setText(texto);
    ui_->LabStatus->show();
}

void FrmImportacao::ocultaStatus(bool esvaziaTexto)
{
    ui_->LabStatus->hide();
    ui_->ProgressBar1->hide();
    if (esvaziaTexto)
        ui_->LabStatus->clear();
}
