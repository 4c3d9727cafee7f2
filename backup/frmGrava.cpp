#include "frmGrava.h"

#include "ArquivoEnvio.h"
#include "Caminhos.h"
#include "CopiaSegura.h"
#include "Falha.h"
#include "Foco.h"
#include "FormRegistro.h"
#include "ListasArquivos.h"
#include "Module1.h"
#include "Registro.h"
#include "Servicos.h"
#include "ui_frmGrava.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString TextoFalhaEnvio =
    u"Alguns possíveis problemas na gravação: \r\r"
    u"Se você está tentando gravar em disquete ou CD: a) Verifique se há espaço necessário. "
    u"b) Um possível problema com a unidade de disquete ou CD. c) O tamanho do arquivo não é "
    u"compatível com Disquete ou CD.\r"
    u"Se você está tentando gravar em outro caminho da sua Rede ou do seu computador, verifique "
    u"suas permissões.\r"
    u"Se você está tentando gravar em CD, verifique que deve ser do tipo gravável."_s;

// Whether `caminho` is the folder `raiz` or lies below it.
bool Contem(const QString& raiz, const QString& caminho)
{
    const QString r = QDir::cleanPath(raiz);
    const QString c = QDir::cleanPath(caminho);
    if (c == r)
        return true;
    return c.startsWith(r.endsWith(u'/') ? r : r + u'/');
}

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

QChar frmGrava::letraDaPasta() const
{
    // The drive whose folder holds the chosen one most closely.
    QChar letra;
    qsizetype tamanho = -1;
    for (const Unidade& u : servicos_.unidades.lista()) {
        if (Contem(u.raiz, ui_->dirDiretorio->caminho()) && u.raiz.size() > tamanho) {
            letra = u.letra;
            tamanho = u.raiz.size();
        }
    }
    return letra;
}

void frmGrava::CmdImportar_Click()
{
    try {
        // Writing needs no file in the folder; a restore needs the one chosen.
        if (modo_ == u"R"_s && ui_->File1->selecionado().isEmpty()) {
            servicos_.mensagens.mostra(u"Nenhum arquivo selecionado"_s);
            return;
        }
        const QChar letra = letraDaPasta();
        if (letra == u'a') {
            servicos_.mensagens.mostra(u"Unidade  '"_s + letra.toUpper() +
                                       u":'  não permitida, favor selecionar outra unidade."_s);
            return;
        }
        // A copy to a slow medium, or a whole register loaded.
        const Ocupado ocupado(servicos_.atividade);
        const QString exercicio = ExercicioAberto();
        const QString pasta = ui_->dirDiretorio->caminho();
        if (modo_ == u"T"_s) {
            const QString origem = CaminhoArquivoEnvio(exercicio);
            const QString destino = JuntaCaminho(pasta, NomeArquivoEnvio(exercicio));
            // The same file reached by another path is already where it should be.
            if (!MesmoArquivo(origem, destino)) {
                if (const std::optional<Falha> falha = CopiaSegura(origem, destino))
                    throw *falha;
            }
            servicos_.mensagens.mostra(u"Arquivo para o ORVAL gravado. "_s, Icone::Informacao,
                                       Botoes::Ok, u"Arquivo para o ORVAL"_s);
        } else if (modo_ == u"B"_s) {
            const QString origem = Module1::ArquivoExercicio;
            const QString destino = JuntaCaminho(pasta, NomeArquivoBackup(exercicio));
            if (!MesmoArquivo(origem, destino)) {
                if (const std::optional<Falha> falha = CopiaSegura(origem, destino))
                    throw *falha;
            }
            servicos_.mensagens.mostra(u"Arquivo de segurança (backup) gravado. "_s,
                                       Icone::Informacao, Botoes::Ok,
                                       u"Arquivo de segurança (backup)"_s);
        } else if (modo_ == u"R"_s) {
            // A year typed and not started is not the open exercise's: a backup without a header
            // keeps the exercise that was open.
            Cabecalho mostrado = form_.cabecalho();
            mostrado.exercicio = exercicio;
            form_.defineCabecalho(mostrado);
            if (CarregaArquivo(ui_->File1->caminhoSelecionado(), form_, servicos_.mensagens,
                               servicos_.atividade) == 0) {
                // The window shows no register now: nothing may be written in an exercise's name
                // until one is started again.
                FechaExercicio();
                Module1::PendenteGravar.clear();
                servicos_.mensagens.mostra(
                    u"Problema na restauração. Provavelmente as informações estão fora do "
                    u"layout esperado, ou não é o arquivo correto. Verifique"_s,
                    Icone::Parada);
                return;
            }
            Module1::PendenteGravar = u"R"_s;
            // The restored register belongs to its header's year: every write goes to that
            // year's file, and deleting its last row deletes that file.
            AbreExercicio(form_.cabecalho().exercicio);
            servicos_.mensagens.mostra(u"Cópia de Segurança restaurada com sucesso."_s);
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
    if (modo_ == u"T"_s)
        servicos_.mensagens.mostra(TextoFalhaEnvio);
    else
        servicos_.mensagens.mostra(u"Erro em gravação/restauração: \r\r"_s + falha.descricao);
    servicos_.mensagens.mostra(u"O sistema será finalizado."_s);
    servicos_.encerramento.encerra();
    done(Encerrado);
}
