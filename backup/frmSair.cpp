#include "frmSair.h"

#include "Decoracao.h"
#include "Falha.h"
#include "Foco.h"
#include "Module1.h"
#include "Servicos.h"
#include "frmGrava.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

frmSair::frmSair(QWidget& principal, FormRegistro& form, Servicos& servicos)
    : QDialog(&principal), principal_(principal), form_(form), servicos_(servicos)
{
    setObjectName(u"frmSair"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Pravex  -   Cópia de segurança (Backup)"_s);

    auto* Label1 = new QLabel(u"Atenção"_s, this);
    Label1->setObjectName(u"Label1"_s);
    QFont destaque = Label1->font();
    destaque.setBold(true);
    destaque.setPointSizeF(destaque.pointSizeF() * 1.3);
    Label1->setFont(destaque);
    auto* LabTexto = new QLabel(u"Recomendamos agora, que seja feita a cópia dos dados "
                                u"diariamente para a sua maior segurança."_s,
                                this);
    LabTexto->setObjectName(u"LabTexto"_s);
    auto* Label2 = new QLabel(u"O Pravex pode fazer essa cópia automaticamente para você."_s, this);
    Label2->setObjectName(u"Label2"_s);
    auto* Label3 = new QLabel(u"Deseja fazer essa cópia agora ?"_s, this);
    Label3->setObjectName(u"Label3"_s);
    for (QLabel* l : {LabTexto, Label2, Label3})
        l->setWordWrap(true);

    CmdSair = new QPushButton(u"&Sim"_s, this);
    CmdSair->setObjectName(u"CmdSair"_s);
    CmdCancelar = new QPushButton(u"&Não"_s, this);
    CmdCancelar->setObjectName(u"CmdCancelar"_s);
    CmdVoltar = new QPushButton(u"&Voltar ao Pravex"_s, this);
    CmdVoltar->setObjectName(u"CmdVoltar"_s);

    auto* grade = new QGridLayout(this);
    grade->addWidget(Picture1(this), 0, 0, 4, 1);
    grade->addWidget(Label1, 0, 1);
    grade->addWidget(LabTexto, 1, 1);
    grade->addWidget(Label2, 2, 1);
    grade->addWidget(Label3, 3, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    for (QPushButton* b : {CmdSair, CmdCancelar, CmdVoltar})
        botoes->addWidget(b);
    grade->addLayout(botoes, 4, 0, 1, 2);
    grade->setColumnStretch(1, 1);
    setMinimumWidth(460);

    setTabOrder(CmdSair, CmdCancelar);
    setTabOrder(CmdCancelar, CmdVoltar);
    CmdSair->setFocus();

    connect(CmdSair, &QPushButton::clicked, this, &frmSair::CmdSair_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &frmSair::CmdCancelar_Click);
    connect(CmdVoltar, &QPushButton::clicked, this, &frmSair::CmdVoltar_Click);
    // Closed by "Voltar ao Pravex" or by its frame: the main window goes on, with the keyboard.
    connect(this, &QDialog::finished, &principal, [&principal] { DevolveTeclado(principal); });

    // Form_Load
    Module1::PodeDescarregar = false;
}

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
