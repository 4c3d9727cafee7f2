#include "AreaEntrada.h"

#include "ComportamentoCampo.h"
#include "ComportamentoCombo.h"
#include "Formatos.h"
#include "Medidas.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "ui_FrmAdiantamentos.h"

using namespace Qt::Literals::StringLiterals;

AreaEntrada::AreaEntrada(const Ui::FrmAdiantamentos& ui, const ModeloAdiantamentos& lista)
    : ui_(ui), lista_(lista)
{
    const QFontMetrics medida = ui_.Frame3->window()->fontMetrics();
    LarguraMinima(*ui_.TxtNumeroNotaEmpenho, ComDigitoLargo(medida, u"000000000"_s));
    LarguraMinima(*ui_.TxtValor, ComDigitoLargo(medida, u"00.000.000,00"_s));
    for (QLineEdit* data : {ui_.TxtDataInicial, ui_.TxtDataFinal}) {
        LarguraMinima(*data, ComDigitoLargo(medida, u"00/00"_s));
        data->setMaximumWidth(data->minimumWidth());
    }
    ui_.CboCPF->setCompleter(nullptr); // the completion is the program's own

    using Conjunto = ConjuntoCaracteres;
    new ComportamentoCampo(*ui_.TxtProcesso, {});
    new ComportamentoCampo(*ui_.TxtNumeroNotaEmpenho,
                           {.conjunto = Conjunto::Digitos, .apara = false});
    new ComportamentoCampo(*ui_.TxtNomeResponsavel, {});
    new ComportamentoCampo(*ui_.TxtValor, {.conjunto = Conjunto::Valor,
                                           .setas = false,
                                           .apara = false,
                                           .formataValor = true,
                                           .aoEntrar = [] { Module1::VirgulaDigitada = false; }});
    for (QLineEdit* data : {ui_.TxtDataInicial, ui_.TxtDataFinal})
        new ComportamentoCampo(
            *data,
            {.conjunto = Conjunto::Digitos, .setas = false, .barraDiaMes = true, .apara = false});
    new ComportamentoCombo(*ui_.CboElemEcon);
    comportamentoCPF_ = new ComportamentoCombo(*ui_.CboCPF, [this] { CboCPF_LostFocus(); });
    PintaRotulosInativos(*ui_.Frame3);
    FiltraEdicoes(*ui_.CboCPF->lineEdit(), ConjuntoCaracteres::Livre);
}

AreaEntrada::~AreaEntrada()
{
    delete comportamentoCPF_;
}

void AreaEntrada::mostra(const Adiantamento& a)
{
    ui_.TxtProcesso->setText(a.processo);
    ui_.TxtNumeroNotaEmpenho->setText(a.notaEmpenho);
    ui_.CboElemEcon->setCurrentIndex(a.elemento);
    ui_.CboCPF->setEditText(a.cpf);
    ui_.TxtNomeResponsavel->setText(a.nome);
    ui_.TxtValor->setText(FormataMoeda(a.valor));
    ui_.TxtDataInicial->setText(a.periodoInicial);
    ui_.TxtDataFinal->setText(a.periodoFinal);
}

CamposEntrada AreaEntrada::digitado(const Cabecalho& cabecalho) const
{
    CamposEntrada c;
    c.cabecalho = cabecalho;
    c.processo = ui_.TxtProcesso->text();
    c.notaEmpenho = ui_.TxtNumeroNotaEmpenho->text();
    c.elemento = ui_.CboElemEcon->currentIndex();
    c.cpf = ui_.CboCPF->currentText();
    c.nome = ui_.TxtNomeResponsavel->text();
    c.valor = ui_.TxtValor->text();
    c.periodoInicial = ui_.TxtDataInicial->text();
    c.periodoFinal = ui_.TxtDataFinal->text();
    return c;
}

void AreaEntrada::limpaAdiantamento()
{
    ui_.TxtProcesso->clear();
    ui_.TxtNumeroNotaEmpenho->clear();
    ui_.TxtNomeResponsavel->clear();
    ui_.TxtValor->setText(u"0,00"_s);
    ui_.TxtDataInicial->clear();
    ui_.TxtDataFinal->clear();
}

void AreaEntrada::limpa()
{
    limpaAdiantamento();
    ui_.CboElemEcon->setCurrentIndex(0);
    ui_.CboCPF->setEditText(QString());
}

void AreaEntrada::preencheCPFs()
{
    // Thousands of creditors: the list is filled again only when it is not already the one the
    // rows give, left as a new filling leaves it.
    const QStringList cpfs = CPFsDaLista(lista_);
    bool iguais = ui_.CboCPF->count() == cpfs.size();
    for (int i = 0; iguais && i < cpfs.size(); ++i)
        iguais = ui_.CboCPF->itemText(i) == cpfs[i];
    if (iguais) {
        ui_.CboCPF->setCurrentIndex(cpfs.isEmpty() ? -1 : 0);
    } else {
        ui_.CboCPF->clear();
        ui_.CboCPF->addItems(cpfs);
    }
    ui_.CboCPF->setEditText(QString());
}

void AreaEntrada::CboCPF_LostFocus()
{
    const int linha = LinhaDoCredor(lista_, ui_.CboCPF->currentText());
    if (linha < 0)
        return;
    ui_.TxtNomeResponsavel->setText(lista_.linha(linha).nome);
    ui_.TxtValor->setFocus(Qt::TabFocusReason);
}
