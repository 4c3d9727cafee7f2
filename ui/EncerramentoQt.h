#pragma once

#include "Servicos.h"

// Ends the process on the spot; the call does not return.
class EncerramentoQt final : public Encerramento
{
public:
    [[noreturn]] void encerra() override;
};
