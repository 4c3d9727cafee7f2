#include "frmRestaurarCopiaSeguranca.h"

#include "Decoracao.h"
#include "Falha.h"
#include "Module1.h"
#include "Servicos.h"
#include "frmGrava.h"
#include "ui_frmRestaurarCopiaSeguranca.h"

using namespace Qt::Literals::StringLiterals;

frmRestaurarCopiaSeguranca::frmRestaurarCopiaSeguranca(QWidget& principal, FormRegistro& form,
                                                       Servicos& servicos)
    : QDialog(&principal), principal_(principal), form_(form), servicos_(servicos),
      ui_(std::make_unique<Ui::frmRestaurarCopiaSeguranca>())
{
    ui_->setupUi(this);
    DesenhaFigura(*ui_->Picture1);
    ui_->CmdRestaura->setFocus();

    connect(ui_->CmdRestaura, &QPushButton::clicked, this,
            &frmRestaurarCopiaSeguranca::CmdRestaura_Click);
    connect(ui_->CmdCancelar, &QPushButton::clicked, this,
            &frmRestaurarCopiaSeguranca::CmdCancelar_Click);
}

frmRestaurarCopiaSeguranca::~frmRestaurarCopiaSeguranca() = default;

void frmRestaurarCopiaSeguranca::CmdRestaura_Click()
{
    try {
        Module1::ModoGrava = u"R"_s;
        if (frmGrava::MostraModal(principal_, form_, servicos_) == frmGrava::Encerrado) {
            done(frmGrava::Encerrado);
            return;
        }
        accept();
    } catch (const Falha& falha) {
        // The mark of a register still to be written stays: the list still holds it.
        servicos_.mensagens.mostra(
            falha.numero <= Falha::CaminhoNaoEncontrado
                ? u"Você está com problema no arquivo ou em sua unidade de disco. Verifique !"_s
                : falha.texto(),
            Icone::Parada, Botoes::Ok, u"Restaurar cópia de segurança."_s);
    }
}

void frmRestaurarCopiaSeguranca::CmdCancelar_Click()
{
    reject();
}
