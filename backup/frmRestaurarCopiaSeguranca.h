#pragma once

#include <QDialog>

#include <memory>

class FormRegistro;
struct Servicos;

namespace Ui
{
class frmRestaurarCopiaSeguranca;
}

// The first step of a restore: asks for the backup medium and opens the write/restore dialog in
// mode "R". Its result is frmGrava::Encerrado when the program was ended from there.
class frmRestaurarCopiaSeguranca : public QDialog
{
    Q_OBJECT

public:
    frmRestaurarCopiaSeguranca(QWidget& principal, FormRegistro& form, Servicos& servicos);
    ~frmRestaurarCopiaSeguranca() override;

    // Handlers, named after control and event.
    void CmdRestaura_Click();
    void CmdCancelar_Click();

private:
    QWidget& principal_;
    FormRegistro& form_;
    Servicos& servicos_;
    // The layout, from frmRestaurarCopiaSeguranca.ui.
    const std::unique_ptr<Ui::frmRestaurarCopiaSeguranca> ui_;
};
