#pragma once

#include "Servicos.h"

// Message boxes shown as modal QMessageBox over the active window.
class MensagensQt final : public Mensagens
{
public:
    Resposta mostra(const QString& texto, Icone icone = Icone::Nenhum, Botoes botoes = Botoes::Ok,
                    const QString& titulo = {}) override;
    void bipe() override;
};

// The text as the box shows it: each carriage return, alone or followed by a line feed, is one
// line break.
QString TextoDaCaixa(const QString& texto);
