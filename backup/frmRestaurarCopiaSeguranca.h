#pragma once

#include <QDialog>

class FormRegistro;
class QPushButton;
struct Servicos;

// The first step of a restore: asks for the backup medium and opens the write/restore dialog in
// mode "R". Its result is frmGrava::Encerrado when the program was ended from there.
class frmRestaurarCopiaSeguranca : public QDialog
{
    Q_OBJECT

public:
    frmRestaurarCopiaSeguranca(QWidget& principal, FormRegistro& form, Servicos& servicos);

    // Handlers, named after control and event.
    void CmdRestaura_Click();
    void CmdCancelar_Click();

private:
    QWidget& principal_;
    FormRegistro& form_;
    Servicos& servicos_;

    QPushButton* CmdRestaura = nullptr;
    QPushButton* CmdCancelar = nullptr;
};
