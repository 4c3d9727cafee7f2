#include "FrmImportacao.h"

#include "ConversaoImportacao.h"
#include "FormRegistro.h"
#include "ListasArquivos.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "Registro.h"
#include "Servicos.h"
#include "Verificacao.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The drive the dialog opens at, and returns to when another cannot be used.
constexpr char16_t UnidadeInicial = u'c';

QGroupBox* moldura(const QString& nome, const QString& legenda, QWidget* conteudo, QWidget* pai)
{
    auto* g = new QGroupBox(legenda, pai);
    g->setObjectName(nome);
    auto* caixa = new QVBoxLayout(g);
    conteudo->setParent(g);
    caixa->addWidget(conteudo);
    return g;
}

} // namespace

FrmImportacao::FrmImportacao(FormRegistro& registro, Servicos& servicos, QWidget* pai)
    : QDialog(pai), registro_(registro), servicos_(servicos)
{
    setObjectName(u"frmImportacao"_s);
    setWindowTitle(u"Importar arquivo"_s);
    setModal(true);
    montaJanela();

    connect(drvDrive, &ListaUnidades::mudou, this, &FrmImportacao::drvDrive_Change);
    connect(dirDiretorio, &ListaPastas::mudou, this, &FrmImportacao::dirDiretorio_Change);
    connect(CmdImportar, &QPushButton::clicked, this, &FrmImportacao::CmdImportar_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &FrmImportacao::CmdCancelar_Click);
    // Double click or Enter on a file imports it, as the button does.
    connect(File1, &QListWidget::itemActivated, this, [this] {
        if (CmdImportar->isEnabled())
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

void FrmImportacao::montaJanela()
{
    drvDrive = new ListaUnidades(servicos_.unidades, this);
    drvDrive->setObjectName(u"drvDrive"_s);
    dirDiretorio = new ListaPastas(this);
    dirDiretorio->setObjectName(u"dirDiretorio"_s);
    File1 = new ListaArquivos(this);
    File1->setObjectName(u"File1"_s);
    File1->definePadrao(u"*.txt;*.csv"_s);

    // The frames' access keys take the focus to their list.
    Frame1 = moldura(u"Frame1"_s, u"Selecione o &Diretório "_s, drvDrive, this);
    Frame2 = moldura(u"Frame2"_s, u"Selecione a &Pasta "_s, dirDiretorio, this);
    fraArquivo = moldura(u"fraArquivo"_s, u"&Arquivo para importação"_s, File1, this);

    fraImportacao = new QGroupBox(this);
    fraImportacao->setObjectName(u"fraImportacao"_s);
    LabStatus = new QLabel(fraImportacao);
    LabStatus->setObjectName(u"LabStatus"_s);
    ProgressBar1 = new QProgressBar(fraImportacao);
    ProgressBar1->setObjectName(u"ProgressBar1"_s);
    ProgressBar1->setTextVisible(false);
    {
        auto* caixa = new QVBoxLayout(fraImportacao);
        caixa->addWidget(LabStatus);
        caixa->addWidget(ProgressBar1);
        // The frame keeps its height while the label and the bar come and go.
        fraImportacao->setMinimumHeight(fraImportacao->sizeHint().height());
    }
    LabStatus->hide();
    ProgressBar1->hide();

    CmdImportar = new QPushButton(u"&Importar..."_s, this);
    CmdImportar->setObjectName(u"CmdImportar"_s);
    CmdCancelar = new QPushButton(u"&Voltar"_s, this);
    CmdCancelar->setObjectName(u"CmdCancelar"_s);
    CmdImportar->setEnabled(false);

    auto* grade = new QGridLayout(this);
    grade->addWidget(Frame1, 0, 0);
    grade->addWidget(Frame2, 1, 0);
    grade->addWidget(fraArquivo, 0, 1, 2, 1);
    grade->addWidget(fraImportacao, 2, 0, 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(CmdImportar);
    botoes->addWidget(CmdCancelar);
    grade->addLayout(botoes, 3, 0, 1, 2);
    grade->setRowStretch(1, 1);
    grade->setColumnStretch(0, 1);
    grade->setColumnStretch(1, 1);

    setTabOrder(drvDrive, dirDiretorio);
    setTabOrder(dirDiretorio, File1);
    setTabOrder(File1, CmdImportar);
    setTabOrder(CmdImportar, CmdCancelar);
    drvDrive->setFocus();

    const int largura = fontMetrics().averageCharWidth();
    resize(qMax(sizeHint().width(), 80 * largura), qMax(sizeHint().height(), 26 * largura * 2));
}

// ---- drives, folders, files

void FrmImportacao::drvDrive_Change()
{
    if (const Unidade* unidade = UnidadeAceita(*drvDrive, servicos_.unidades, servicos_.mensagens))
        dirDiretorio->defineCaminho(unidade->raiz);
}

void FrmImportacao::dirDiretorio_Change()
{
    File1->defineCaminho(dirDiretorio->caminho());
    if (File1->quantidade() > 0) {
        File1->setCurrentRow(0);
        CmdImportar->setEnabled(true);
    } else {
        CmdImportar->setEnabled(false);
    }
}

QString FrmImportacao::arquivoSelecionado() const
{
    return File1->caminhoSelecionado();
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
    if (bloqueado_ || File1->selecionado().isEmpty())
        return;
    arquivoEmVerificacao_ = arquivoSelecionado();
    const Ocupado ocupado(servicos_.atividade);
    VerificaImportacao(arquivoEmVerificacao_, *this, servicos_.mensagens, servicos_.atividade,
                       [this] { return ImportarDados(); });
}

bool FrmImportacao::ImportarDados()
{
    mostraStatus(u"Importando..."_s);
    ProgressBar1->setMinimum(1);
    ProgressBar1->setValue(1);
    ProgressBar1->show();
    servicos_.atividade.processaEventos();

    const ResultadoImportacao resultado =
        ConverteImportacao(arquivoEmVerificacao_, [this](int valor) { avancaProgresso(valor); });
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
    ProgressBar1->setRange(minimo, maximo);
    ProgressBar1->setValue(valor);
    ProgressBar1->show();
}

void FrmImportacao::avancaProgresso(int valor)
{
    ProgressBar1->setValue(qMin(valor, ProgressBar1->maximum()));
}

void FrmImportacao::bloqueiaComandos(bool bloqueados)
{
    if (bloqueados == bloqueado_)
        return;
    bloqueado_ = bloqueados;
    if (bloqueados)
        focoAntesDoBloqueio_ = focusWidget();
    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
                       static_cast<QWidget*>(fraArquivo), static_cast<QWidget*>(CmdCancelar)})
        w->setEnabled(!bloqueados);
    CmdImportar->setEnabled(!bloqueados && !File1->selecionado().isEmpty());
    if (!bloqueados && focoAntesDoBloqueio_ && focoAntesDoBloqueio_->isEnabled())
        focoAntesDoBloqueio_->setFocus();
}

void FrmImportacao::mostraStatus(const QString& texto)
{
    LabStatus->setText(texto);
    LabStatus->show();
}

void FrmImportacao::ocultaStatus(bool esvaziaTexto)
{
    LabStatus->hide();
    ProgressBar1->hide();
    if (esvaziaTexto)
        LabStatus->clear();
}
