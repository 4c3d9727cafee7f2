#pragma once

#include "Adiantamento.h"
#include "Servicos.h"

#include <QString>
#include <QStringList>

#include <optional>

class ModeloAdiantamentos;

// The fields of the main window that the entry rules read.
enum class Campo {
    TxtExercicio,
    TxtOrgao,
    TxtElaborador,
    TxtResponsavel,
    TxtProcesso,
    TxtNumeroNotaEmpenho,
    CboElemEcon,
    CboCPF,
    TxtNomeResponsavel,
    TxtValor,
    TxtDataInicial,
    TxtDataFinal,
};

// What the operator typed for one advance, with the header it belongs to.
struct CamposEntrada {
    Cabecalho cabecalho;
    QString processo;
    QString notaEmpenho;
    int elemento = 0; // selected catalogue index
    QString cpf;
    QString nome;
    QString valor;
    QString periodoInicial;
    QString periodoFinal;
};

// A refused check: the one message to show and the field that gets the focus.
struct Recusa {
    QString texto;
    Icone icone = Icone::Parada;
    QString titulo;
    Campo foco = Campo::TxtExercicio;

    friend bool operator==(const Recusa&, const Recusa&) = default;
};

// The header checks of a confirmation and of the submission file (exercise, órgão, responsável).
std::optional<Recusa> ChecaCabecalho(const Cabecalho& cabecalho);
// The creditor's name checks of a confirmation and of the submission file.
std::optional<Recusa> ChecaNomeCredor(const QString& nome);

// The value field's display form "#,##0.00"; an empty or unreadable text stays as it is.
QString FormataCampoValor(const QString& texto);

// The nineteen checks of a confirmation, in their order; stops at the first that fails.
// A valid CPF replaces `campos.cpf` by its eleven digits and the value is brought to its
// display form, as the operator then sees them, even when a later check fails.
std::optional<Recusa> ValidaAdiantamento(CamposEntrada& campos);

// The record a confirmed entry stores.
Adiantamento MontaAdiantamento(const CamposEntrada& campos);

// The duplicate test on the NE, numeric (0123 equals 123), skipping the row `ignorada`.
std::optional<Recusa> ChecaDuplicidade(const ModeloAdiantamentos& lista, const QString& notaEmpenho,
                                       int ignorada = -1);

// The NE offered after an inclusion: the one stored plus 1.
QString ProximaNotaEmpenho(const QString& notaEmpenho);

// The distinct CPFs of the list in the order of their first appearance (exact comparison).
QStringList CPFsDaLista(const ModeloAdiantamentos& lista);

// The first item that begins with `prefixo`, ignoring case; -1 when none.
int ProcuraPrefixo(const QStringList& itens, const QString& prefixo);

// What a printable character typed in the CPF combo does. A character the free-text fields
// refuse is swallowed; an accented letter goes in as typed; any other replaces what follows the
// start of the typing (the caret, or the start of the selection) and, upper-cased, makes the
// prefix that is completed from the CPFs of the list: the combo then shows the first CPF that
// begins with it, the completed part selected with the caret after the prefix, or the prefix
// alone with the caret at its end.
struct TeclaCPF {
    enum class Efeito { Engole, Deixa, Completa };
    Efeito efeito = Efeito::Completa;
    int item = -1; // the CPF shown, -1 when none begins with the prefix
    QString texto{};
    int cursor = 0; // after the prefix
    int ancora = 0; // the other end of the selection; equal to the cursor when nothing is selected

    friend bool operator==(const TeclaCPF&, const TeclaCPF&) = default;
};
TeclaCPF CompletaCPF(const QStringList& cpfs, const QString& texto, int inicio, QChar tecla);

// The first row whose CPF has the same key as `cpf`; -1 when none.
int LinhaDoCredor(const ModeloAdiantamentos& lista, const QString& cpf);

// The list's sort key for a clicked column title (numbered from 1).
int ChaveDoTitulo(int titulo);
