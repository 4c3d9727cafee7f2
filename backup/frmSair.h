#pragma once

#include <QDialog>

#include <memory>

class FormRegistro;
struct Servicos;

namespace Ui
{
class frmSair;
}

// The exit dialog: recommends a backup and offers to make it before the program ends.
class frmSair : public QDialog
{
    Q_OBJECT

public:
    frmSair(QWidget& principal, FormRegistro& form, Servicos& servicos);
    ~frmSair() override;

    // Handlers, named after control and event.
    void CmdSair_Click();
    void CmdCancelar_Click();
    void CmdVoltar_Click();

private:
    QWidget& principal_;
    FormRegistro& form_;
    Servicos& servicos_;
    // The layout, from frmSair.ui.
    const std::unique_ptr<Ui::frmSair> ui_;
};
