#pragma once

#include "Servicos.h"

// The hourglass as Qt's override cursor. It is either on or off, as the program sets it, so
// turning it on twice needs one turn off; it is never left on when the service goes away.
class AtividadeQt final : public Atividade
{
public:
    AtividadeQt() = default;
    AtividadeQt(const AtividadeQt&) = delete;
    AtividadeQt& operator=(const AtividadeQt&) = delete;
    ~AtividadeQt() override;

    void ocupado(bool ligado) override;
    void processaEventos() override;

private:
    bool ligado_ = false;
};
