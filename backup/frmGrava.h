#pragma once

#include <QDialog>

#include <memory>

class FormRegistro;
class ListaUnidades;
struct Servicos;

namespace Ui
{
class frmGrava;
}

// "Gravar/Restaurar arquivo": copies the submission file (mode "T") or a backup of the data
// file (mode "B") into a folder the operator picks, or loads a backup chosen there into the main
// window (mode "R"). The mode is the one in Module1::ModoGrava when the dialog opens.
class frmGrava : public QDialog
{
    Q_OBJECT

public:
    // The result of a dialog that ended the program. The end service does not return in the
    // program; when it does (a scripted end), callers must do nothing more.
    static constexpr int Encerrado = 2;

    // Shows the dialog without waiting, in place of one already open. Raises the Falha of a
    // start drive that cannot be read; no dialog is then left open.
    static void Mostra(QWidget& principal, FormRegistro& form, Servicos& servicos);
    // Shows the dialog modally, in place of one already open, and returns its result (Accepted,
    // Rejected or Encerrado). Raises like Mostra.
    static int MostraModal(QWidget& principal, FormRegistro& form, Servicos& servicos);

    frmGrava(QWidget& principal, FormRegistro& form, Servicos& servicos);
    ~frmGrava() override;

    // Handlers, named after control and event.
    void Form_Load();
    void drvDrive_Change();
    void dirDiretorio_Change();
    void File1_Click();
    void CmdImportar_Click();
    void CmdCancelar_Click();

private:
    void encerraComFalha(const struct Falha& falha);

    FormRegistro& form_;
    Servicos& servicos_;
    QString modo_;

    // The layout, from frmGrava.ui; the drive list, which needs the drives, is made here.
    const std::unique_ptr<Ui::frmGrava> ui_;
    ListaUnidades* drvDrive = nullptr;
};
