#pragma once

#include "RegrasEntrada.h"

#include <optional>

class FormRegistro;
class PainelVerificacao;
class QWidget;
struct Servicos;

// F6: the submission file of the open exercise for the audit court. Checks the header and the
// creditor's name, codes the file with the waiting panel following it (the window starts no other
// command meanwhile) and opens the dialog that copies it where the clerk says. Returns the field
// to focus after a refused check.
std::optional<Campo> PreparaEnvio(QWidget& janela, FormRegistro& form, PainelVerificacao& painel,
                                  Servicos& servicos);
