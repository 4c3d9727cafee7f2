#pragma once

#include "Servicos.h"

// Prints on the system's default printer; the preview is Qt's print preview window, whose
// print button also saves a PDF file where no printer is installed. The busy pointer shows while
// pages are drawn for the preview and goes once they are, so the preview is used with the arrow.
class ImpressaoQt final : public Impressao
{
public:
    explicit ImpressaoQt(Atividade& atividade) : atividade_(atividade) {}

    std::optional<Falha> imprime(const QList<PaginaImpressa>& paginas) override;
    std::optional<Falha> visualiza(const QList<PaginaImpressa>& paginas) override;

private:
    Atividade& atividade_;
};
