#pragma once

#include <QDialog>

class FormRegistro;
class QPushButton;
struct Servicos;

// The exit dialog: recommends a backup and offers to make it before the program ends.
class frmSair : public QDialog
{
    Q_OBJECT

public:
    frmSair(QWidget& principal, FormRegistro& form, Servicos& servicos);

    // Handlers, named after control and event.
    void CmdSair_Click();
    void CmdCancelar_Click();
    void CmdVoltar_Click();

private:
    QWidget& principal_;
    FormRegistro& form_;
    Servicos& servicos_;

    QPushButton* CmdSair = nullptr;
    QPushButton* CmdCancelar = nullptr;
    QPushButton* CmdVoltar = nullptr;
};
