#pragma once

#include "PainelVerificacao.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <memory>

class ArquivoLido;
class FormRegistro;
class ListaUnidades;
struct Servicos;

namespace Ui
{
class FrmImportacao;
}

// The import dialog: the operator picks a drive, a folder and a file; "&Importar..." verifies
// the file and, when the operator agrees, replaces the register of the main window with it.
class FrmImportacao : public QDialog, public PainelVerificacao
{
    Q_OBJECT

public:
    FrmImportacao(FormRegistro& registro, Servicos& servicos, QWidget* pai = nullptr);
    ~FrmImportacao() override;

    // PainelVerificacao
    void mostraProgresso(int minimo, int maximo, int valor) override;
    void avancaProgresso(int valor) override;
    void bloqueiaComandos(bool bloqueados) override;
    void mostraStatus(const QString& texto) override;
    void ocultaStatus(bool esvaziaTexto) override;

    // Handlers, named after control and event.
    void drvDrive_Change();
    void dirDiretorio_Change();
    void CmdImportar_Click();
    void CmdCancelar_Click();

    // Loads the verified file into the main window and closes the dialog; true when it did.
    // The file is converted whole first: on a failure the register stays exactly as it was.
    bool ImportarDados();

    // The folder of the file list joined with its selected file's name.
    QString arquivoSelecionado() const;

public Q_SLOTS:
    // Esc and the window's frame: refused while a run lets events through.
    void reject() override;

private:
    FormRegistro& registro_;
    Servicos& servicos_;
    bool bloqueado_ = false;
    QPointer<QWidget> focoAntesDoBloqueio_;
    // The file the running verification checks, read from disk once: the import converts the
    // very bytes that passed.
    std::unique_ptr<ArquivoLido> arquivoEmVerificacao_;
    QElapsedTimer barraDesenhada_; // since the progress bar last moved on screen

    // The layout, from FrmImportacao.ui; the drive list, which needs the drives, is made here.
    const std::unique_ptr<Ui::FrmImportacao> ui_;
    ListaUnidades* drvDrive = nullptr;
};
