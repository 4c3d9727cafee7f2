#pragma once

#include "RegrasEntrada.h"

class ModeloAdiantamentos;

namespace Ui
{
class FrmAdiantamentos;
}

// The fields of the main window's entry area: their behaviour and widths, an advance shown in
// them, what was typed read back, and emptied. Leaving the CPF of a creditor of the list fills in
// the creditor's name and moves on to the value.
class AreaEntrada
{
public:
    AreaEntrada(const Ui::FrmAdiantamentos& ui, const ModeloAdiantamentos& lista);
    // The CPF combo no longer reports leaving it: the window taking its controls down would
    // report it after the list is gone.
    ~AreaEntrada();
    AreaEntrada(const AreaEntrada&) = delete;
    AreaEntrada& operator=(const AreaEntrada&) = delete;

    void mostra(const Adiantamento& adiantamento);
    CamposEntrada digitado(const Cabecalho& cabecalho) const;
    // The fields of one advance emptied for the next; the element and the CPF stay.
    void limpaAdiantamento();
    // Every field emptied.
    void limpa();
    // The CPF combo offers the list's CPFs, and shows none.
    void preencheCPFs();

private:
    void CboCPF_LostFocus();

    const Ui::FrmAdiantamentos& ui_;
    const ModeloAdiantamentos& lista_;
    class ComportamentoCombo* comportamentoCPF_ = nullptr;
};
