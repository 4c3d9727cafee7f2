#include "frmSair.h"

#include "Decoracao.h"
#include "Falha.h"
#include "Foco.h"
#include "Module1.h"
#include "Servicos.h"
#include "frmGrava.h"
#include "ui_frmSair.h"

using namespace Qt::Literals::StringLiterals;

frmSair::frmSair(QWidget& principal, FormRegistro& form, Servicos& servicos)
    : QDialog(&principal), principal_(principal), form_(form), servicos_(servicos),
      ui_(std::make_unique<Ui::frmSair>())
{
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    DesenhaFigura(*ui_->Picture1);
    QFont destaque = ui_->Label1->font();
    destaque.setBold(true);
    destaque.setPointSizeF(destaque.pointSizeF() * 1.3);
    ui_->Label1->setFont(destaque);
    ui_->CmdSair->setFocus();

    connect(ui_->CmdSair, &QPushButton::clicked, this, &frmSair::CmdSair_Click);
    connect(ui_->CmdCancelar, &QPushButton::clicked, this, &frmSair::CmdCancelar_Click);
    connect(ui_->CmdVoltar, &QPushButton::clicked, this, &frmSair::CmdVoltar_Click);
    // Closed by "Voltar ao Pravex" or by its frame: the main window goes on, with the keyboard.
    connect(this, &QDialog::finished, &principal, [&principal] { DevolveTeclado(principal); });

    // Form_Load
    Module1::PodeDescarregar = false;
}

frmSair::~frmSair() = default;

void frmSair::CmdSair_Click()
{
    try {
        Module1::ModoGrava = u"B"_s;
        // A backup written, cancelled with "&Voltar" or failed: the program ends either way.
        if (frmGrava::MostraModal(principal_, form_, servicos_) == frmGrava::Encerrado)
            return;
        servicos_.encerramento.encerra();
    } catch (const Falha& falha) {
        servicos_.mensagens.mostra(
            falha.numero <= Falha::CaminhoNaoEncontrado
                ? u"Você está com problema em sua unidade de disco. Verifique !"_s
                : falha.texto(),
            Icone::Parada, Botoes::Ok, u"Gravar cópia de segurança (Backup)."_s);
    }
}

void frmSair::CmdCancelar_Click()
{
    servicos_.encerramento.encerra();
}

void frmSair::CmdVoltar_Click()
{
    close();
}
