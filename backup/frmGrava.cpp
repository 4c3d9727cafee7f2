#include "frmGrava.h"

#include "Falha.h"
#include "Foco.h"
#include "FormRegistro.h"
#include "Gravacao.h"
#include "ListasArquivos.h"
#include "Module1.h"
#include "Registro.h"
#include "Servicos.h"
#include "ui_frmGrava.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

frmGrava* Aberto(QWidget& principal)
{
    return principal.findChild<frmGrava*>(QString(), Qt::FindDirectChildrenOnly);
}

// A new dialog, prepared for the mode, in place of the one already open.
frmGrava* Novo(QWidget& principal, FormRegistro& form, Servicos& servicos)
{
    delete Aberto(principal);
    auto* dialogo = new frmGrava(principal, form, servicos);
    try {
        dialogo->Form_Load();
    } catch (...) {
        delete dialogo;
        throw;
    }
    return dialogo;
}

} // namespace

void frmGrava::Mostra(QWidget& principal, FormRegistro& form, Servicos& servicos)
{
    frmGrava* dialogo = Novo(principal, form, servicos);
    connect(dialogo, &QDialog::finished, &principal, [&principal] { DevolveTeclado(principal); });
    dialogo->show();
}

int frmGrava::MostraModal(QWidget& principal, FormRegistro& form, Servicos& servicos)
{
    const int resultado = Novo(principal, form, servicos)->exec();
    // To the dialog that opened this one, when it is still open.
    DevolveTeclado(principal);
    return resultado;
}

frmGrava::frmGrava(QWidget& principal, FormRegistro& form, Servicos& servicos)
    : QDialog(&principal), form_(form), servicos_(servicos), ui_(std::make_unique<Ui::frmGrava>())
{
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    drvDrive = PoeListaUnidades(servicos_.unidades, *ui_->caixaUnidades, *ui_->dirDiretorio);
    // The file list shows only in a restore, of the backups there.
    ui_->File1->definePadrao(u"*.txt"_s);
    ui_->File1->hide();

    connect(ui_->dirDiretorio, &ListaPastas::mudou, this, &frmGrava::dirDiretorio_Change);
    connect(ui_->File1, &QListWidget::itemSelectionChanged, this, &frmGrava::File1_Click);
    connect(ui_->CmdImportar, &QPushButton::clicked, this, &frmGrava::CmdImportar_Click);
    connect(ui_->CmdCancelar, &QPushButton::clicked, this, &frmGrava::CmdCancelar_Click);
}

frmGrava::~frmGrava() = default;

void frmGrava::Form_Load()
{
    modo_ = Module1::ModoGrava;
    drvDrive->defineUnidade(u'c');
    const Unidade* unidade = drvDrive->unidade();
    if (unidade == nullptr)
        throw Falha::numerada(Falha::DispositivoIndisponivel);
    if (const std::optional<Falha> falha = servicos_.unidades.verifica(*unidade))
        throw *falha;
    ui_->dirDiretorio->defineCaminho(unidade->raiz);
    // Changes of the drive from here on are the operator's.
    connect(drvDrive, &ListaUnidades::mudou, this, &frmGrava::drvDrive_Change);

    if (modo_ != u"R"_s) {
        ui_->CmdImportar->setText(u"Gravar"_s);
        ui_->CmdImportar->setEnabled(true);
        return;
    }
    ui_->File1->show();
    ui_->File1->defineCaminho(ui_->dirDiretorio->caminho());
    ui_->File1->definePadrao(u"pravexbkp*.txt"_s);
    ui_->CmdImportar->setText(u"Restaurar"_s);
    ui_->CmdImportar->setEnabled(false);
}

void frmGrava::drvDrive_Change()
{
    if (const Unidade* unidade = UnidadeAceita(*drvDrive, servicos_.unidades, servicos_.mensagens))
        ui_->dirDiretorio->defineCaminho(unidade->raiz);
}

void frmGrava::dirDiretorio_Change()
{
    ui_->File1->defineCaminho(ui_->dirDiretorio->caminho());
}

void frmGrava::File1_Click()
{
    // A restore needs a chosen file; refilling the list for another folder drops the choice.
    if (modo_ == u"R"_s)
        ui_->CmdImportar->setEnabled(ui_->File1->quantidade() > 0 &&
                                     !ui_->File1->selecionado().isEmpty());
}

void frmGrava::CmdImportar_Click()
{
    try {
        // Writing needs no file in the folder; a restore needs the one chosen.
        if (modo_ == u"R"_s && ui_->File1->selecionado().isEmpty()) {
            servicos_.mensagens.mostra(u"Nenhum arquivo selecionado"_s);
            return;
        }
        const QString pasta = ui_->dirDiretorio->caminho();
        if (const std::optional<QString> recusa =
                RecusaUnidade(LetraDaPasta(servicos_.unidades.lista(), pasta))) {
            servicos_.mensagens.mostra(*recusa);
            return;
        }
        // A copy to a slow medium, or a whole register loaded.
        const Ocupado ocupado(servicos_.atividade);
        const QString exercicio = ExercicioAberto();
        if (const std::optional<CopiaDoModo> copia =
                CopiaDe(modo_, exercicio, Module1::ArquivoExercicio, pasta)) {
            if (const std::optional<Falha> falha = Copia(*copia))
                throw *falha;
            servicos_.mensagens.mostra(copia->aviso, Icone::Informacao, Botoes::Ok, copia->titulo);
        } else if (modo_ == u"R"_s) {
            if (!RestauraCopia(ui_->File1->caminhoSelecionado(), exercicio, form_,
                               servicos_.mensagens, servicos_.atividade))
                return;
        }
        accept();
    } catch (const Falha& falha) {
        encerraComFalha(falha);
    }
}

void frmGrava::CmdCancelar_Click()
{
    reject();
}

void frmGrava::encerraComFalha(const Falha& falha)
{
    servicos_.mensagens.mostra(TextoFalhaGravacao(modo_, falha));
    servicos_.mensagens.mostra(u"O sistema será finalizado."_s);
    servicos_.encerramento.encerra();
    done(Encerrado);
}
