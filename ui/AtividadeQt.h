#pragma once

#include "Servicos.h"

#include <QElapsedTimer>

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
    // At once on the first call, then only once `IntervaloNoLacoMs` have gone by since the last
    // pass.
    void processaEventosNoLaco() override;

    static constexpr int IntervaloNoLacoMs = 10;

private:
    bool ligado_ = false;
    QElapsedTimer ultimaPassagem_;
};
