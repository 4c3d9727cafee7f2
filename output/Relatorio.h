#pragma once

#include "Adiantamento.h"
#include "Falha.h"
#include "PaginaImpressa.h"

#include <QList>
#include <QString>

#include <optional>

// The printed register: 120 fixed-pitch columns a line, laid out here as pages of placed texts
// that the printing window only draws.

inline constexpr int ColunasRelatorio = 120;

// One row of the list as it is printed: the texts of its eight visible columns.
struct LinhaRelatorio {
    QString processo;
    QString notaEmpenho;
    QString elemento; // the whole catalogue item, code first
    QString cpf;
    QString nome;
    QString valor; // "#,##0.00"
    QString periodoInicial;
    QString periodoFinal;
};

// The rows as the list shows them, in the given order.
QList<LinhaRelatorio> LinhasRelatorio(const QList<Adiantamento>& adiantamentos);

struct Relatorio {
    QList<PaginaImpressa> paginas;
    // Failures met by the page header while printing went on; the window shows each one as
    // "descrição - código" (TextoFalhaCabec).
    QList<Falha> falhasCabec;
    // A failure that cancels the whole document; the window shows its description.
    std::optional<Falha> falha;
};

// The detail line of a row: 120 characters, each field laid over spaces from its column.
// Raises failure 5 when a value is wider than its right-aligned column.
QString LinhaDetalhe(const LinhaRelatorio& linha);

// The whole report: on each page the header, up to 84 detail lines and the footer, the
// responsible person at column 80 on a page a break ends and at column 67 on the last page.
Relatorio MontaRelatorio(const Cabecalho& cabecalho, const QList<LinhaRelatorio>& linhas);

// How the page header reports a failure: the description, " - " and the number.
QString TextoFalhaCabec(const Falha& falha);
