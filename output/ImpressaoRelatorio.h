#pragma once

#include "Adiantamento.h"
#include "Servicos.h"

#include <QList>

// Prints the register from the header and the rows in the list's order on the default printer,
// and tells the operator how it went: the page header's failure, while printing goes on, as
// "descrição - código"; a failure that cancels the document by its description; otherwise
// "Aguarde o final da impressão..." once the document has gone to the printer.
void ImprimeRelatorio(const Cabecalho& cabecalho, const QList<Adiantamento>& linhas,
                      Servicos& servicos);

// The same pages in the print preview, with the same messages for the page header and for a
// cancelled document; nothing more once the preview is closed.
void VisualizaRelatorio(const Cabecalho& cabecalho, const QList<Adiantamento>& linhas,
                        Servicos& servicos);
