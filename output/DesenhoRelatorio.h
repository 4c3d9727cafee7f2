#pragma once

#include "Falha.h"
#include "PaginaImpressa.h"

#include <QFont>

#include <optional>

class QPrinter;

// The report's face at a size: the fixed-pitch face the report is laid out for, or where it is
// missing the machine's face of the same metrics, so that 120 columns keep their width.
QFont FonteRelatorio(double pontos, bool negrito);

// Sets a printer up for the report: A4, upright, one copy.
void PreparaImpressora(QPrinter& impressora);

// Draws the pages on the printer as one document from the top left of its paint rectangle,
// each line in its own font and a column one character of that font wide. On a printer whose
// margins leave less room than the widest line or the longest page needs, every page is drawn
// smaller by one factor instead of losing what passes the edge. Nothing once the document has
// ended; otherwise the printer's failure, and the document is aborted.
std::optional<Falha> DesenhaPaginas(QPrinter& impressora, const QList<PaginaImpressa>& paginas);
