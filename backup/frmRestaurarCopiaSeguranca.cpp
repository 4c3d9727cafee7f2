#include "frmRestaurarCopiaSeguranca.h"

#include "Decoracao.h"
#include "Falha.h"
#include "Module1.h"
#include "Servicos.h"
#include "frmGrava.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

frmRestaurarCopiaSeguranca::frmRestaurarCopiaSeguranca(QWidget& principal, FormRegistro& form,
                                                       Servicos& servicos)
    : QDialog(&principal), principal_(principal), form_(form), servicos_(servicos)
{
    setObjectName(u"frmRestaurarCopiaSeguranca"_s);
    setWindowTitle(u"Pravex  -  Restaura cópia de segurança"_s);

    auto* LabTexto = new QLabel(u"Coloque o disquete de Cópia de Segurança na unidade 'A:' e "
                                u"tecle em Restaurar para proseguir."_s,
                                this);
    LabTexto->setObjectName(u"LabTexto"_s);
    LabTexto->setWordWrap(true);
    CmdRestaura = new QPushButton(u"&Restaurar"_s, this);
    CmdRestaura->setObjectName(u"CmdRestaura"_s);
    CmdCancelar = new QPushButton(u"&Voltar"_s, this);
    CmdCancelar->setObjectName(u"CmdCancelar"_s);

    auto* grade = new QGridLayout(this);
    grade->addWidget(Picture1(this), 0, 0);
    grade->addWidget(LabTexto, 0, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(CmdRestaura);
    botoes->addWidget(CmdCancelar);
    grade->addLayout(botoes, 1, 0, 1, 2);
    grade->setColumnStretch(1, 1);
    setMinimumWidth(420);

    setTabOrder(CmdRestaura, CmdCancelar);
    CmdRestaura->setFocus();

    connect(CmdRestaura, &QPushButton::clicked, this,
            &frmRestaurarCopiaSeguranca::CmdRestaura_Click);
    connect(CmdCancelar, &QPushButton::clicked, this,
            &frmRestaurarCopiaSeguranca::CmdCancelar_Click);
}

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
