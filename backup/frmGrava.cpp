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

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

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
    : QDialog(&principal), form_(form), servicos_(servicos)
{
    setObjectName(u"frmGrava"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Gravar/Restaurar arquivo"_s);

    auto* Frame1 = new QGroupBox(u"Selecione o Diretório "_s, this);
    Frame1->setObjectName(u"Frame1"_s);
    drvDrive = new ListaUnidades(servicos_.unidades, Frame1);
    drvDrive->setObjectName(u"drvDrive"_s);
    (new QVBoxLayout(Frame1))->addWidget(drvDrive);

    auto* Frame2 = new QGroupBox(u"Selecione a Pasta "_s, this);
    Frame2->setObjectName(u"Frame2"_s);
    dirDiretorio = new ListaPastas(Frame2);
    dirDiretorio->setObjectName(u"dirDiretorio"_s);
    (new QVBoxLayout(Frame2))->addWidget(dirDiretorio);

    File1 = new ListaArquivos(this);
    File1->setObjectName(u"File1"_s);
    File1->definePadrao(u"*.txt"_s);
    File1->hide();

    Label1 = new QLabel(u"Diretório/Unidade para disquete (A:) não disponível, favor selecionar "
                        u"outro Diretório/Unidade."_s,
                        this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setWordWrap(true);

    CmdImportar = new QPushButton(this);
    CmdImportar->setObjectName(u"CmdImportar"_s);
    CmdCancelar = new QPushButton(u"&Voltar"_s, this);
    CmdCancelar->setObjectName(u"CmdCancelar"_s);

    auto* lugares = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(Frame1);
    esquerda->addWidget(Frame2, 1);
    lugares->addLayout(esquerda, 3);
    lugares->addWidget(File1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(CmdImportar);
    botoes->addWidget(CmdCancelar);
    auto* principalLayout = new QVBoxLayout(this);
    principalLayout->addLayout(lugares, 1);
    principalLayout->addWidget(Label1);
    principalLayout->addLayout(botoes);
    resize(560, 420);

    setTabOrder(drvDrive, dirDiretorio);
    setTabOrder(dirDiretorio, File1);
    setTabOrder(File1, CmdImportar);
    setTabOrder(CmdImportar, CmdCancelar);

    connect(dirDiretorio, &ListaPastas::mudou, this, &frmGrava::dirDiretorio_Change);
    connect(File1, &QListWidget::itemSelectionChanged, this, &frmGrava::File1_Click);
    connect(CmdImportar, &QPushButton::clicked, this, &frmGrava::CmdImportar_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &frmGrava::CmdCancelar_Click);
}

void frmGrava::Form_Load()
{
    modo_ = Module1::ModoGrava;
    drvDrive->defineUnidade(u'c');
    const Unidade* unidade = drvDrive->unidade();
    if (unidade == nullptr)
        throw Falha::numerada(Falha::DispositivoIndisponivel);
    if (const std::optional<Falha> falha = servicos_.unidades.verifica(*unidade))
        throw *falha;
    dirDiretorio->defineCaminho(unidade->raiz);
    // Changes of the drive from here on are the operator's.
    connect(drvDrive, &ListaUnidades::mudou, this, &frmGrava::drvDrive_Change);

    if (modo_ != u"R"_s) {
        CmdImportar->setText(u"Gravar"_s);
        CmdImportar->setEnabled(true);
        return;
    }
    File1->show();
    File1->defineCaminho(dirDiretorio->caminho());
    File1->definePadrao(u"pravexbkp*.txt"_s);
    CmdImportar->setText(u"Restaurar"_s);
    CmdImportar->setEnabled(false);
}

void frmGrava::drvDrive_Change()
{
    if (const Unidade* unidade = UnidadeAceita(*drvDrive, servicos_.unidades, servicos_.mensagens))
        dirDiretorio->defineCaminho(unidade->raiz);
}

void frmGrava::dirDiretorio_Change()
{
    File1->defineCaminho(dirDiretorio->caminho());
}

void frmGrava::File1_Click()
{
    // A restore needs a chosen file; refilling the list for another folder drops the choice.
    if (modo_ == u"R"_s)
        CmdImportar->setEnabled(File1->quantidade() > 0 && !File1->selecionado().isEmpty());
}

QChar frmGrava::letraDaPasta() const
{
    // The drive whose folder holds the chosen one most closely.
    QChar letra;
    qsizetype tamanho = -1;
    for (const Unidade& u : servicos_.unidades.lista()) {
        if (Contem(u.raiz, dirDiretorio->caminho()) && u.raiz.size() > tamanho) {
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
        if (modo_ == u"R"_s && File1->selecionado().isEmpty()) {
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
        const QString pasta = dirDiretorio->caminho();
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
            if (CarregaArquivo(File1->caminhoSelecionado(), form_, servicos_.mensagens,
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
