#pragma once

#include "Servicos.h"

// Prints on the system's default printer; the preview is Qt's print preview window, whose
// print button also saves a PDF file where no printer is installed.
class ImpressaoQt final : public Impressao
{
public:
    std::optional<Falha> imprime(const QList<PaginaImpressa>& paginas) override;
    std::optional<Falha> visualiza(const QList<PaginaImpressa>& paginas) override;
};
