#pragma once

#include "Servicos.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QListWidget>

// The three lists through which the dialogs pick a place on disk: the drives, the folders of
// the current path, and the files of a folder that match a pattern.

// The drive list: the drives the drive service offers, reported as a lower-case letter and a
// colon, followed by the volume's name.
class ListaUnidades : public QComboBox
{
    Q_OBJECT

public:
    ListaUnidades(Unidades& unidades, QWidget* pai = nullptr);

    // "c: [nome]"; empty when there is no drive.
    QString drive() const;
    const Unidade* unidade() const;
    // Selects the drive of this letter (raising `mudou` when it changes); false when none has it.
    bool defineUnidade(QChar letra);

Q_SIGNALS:
    // The selected drive changed, by the operator or by the program.
    void mudou();

private:
    QList<Unidade> unidades_;
};

// The drive picked in `lista` when a dialog may browse it. The floppy (a:) and the CD drive
// (d:) are refused with their message and a drive with a device error is reported; either way
// the list goes back to the start drive c: and nothing is returned. A drive that fails in any
// other way is passed over without a word.
const Unidade* UnidadeAceita(ListaUnidades& lista, Unidades& unidades, Mensagens& mensagens);

// The folder list: the folders from the file system's root down to the current one, then the
// current folder's subfolders. Double click or Enter opens a folder.
class ListaPastas : public QListWidget
{
    Q_OBJECT

public:
    explicit ListaPastas(QWidget* pai = nullptr);

    QString caminho() const { return caminho_; }
    // Shows the folder and raises `mudou` when it is another.
    void defineCaminho(const QString& caminho);

Q_SIGNALS:
    void mudou();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void abre(QListWidgetItem* item);
    void preenche();

    QString caminho_;
};

// Puts the drive list at the head of a dialog of drives and folders: into `caixa`, the empty
// layout its form keeps for it, named drvDrive, before `pastas` in the tab order and with the
// focus, as on the form. It is made here because it needs the drives when it is built.
ListaUnidades* PoeListaUnidades(Unidades& unidades, QBoxLayout& caixa, ListaPastas& pastas);

// The file list: the files of a folder whose names match one of the patterns (for example
// "*.txt;*.csv"), without regard to case, in name order.
class ListaArquivos : public QListWidget
{
    Q_OBJECT

public:
    explicit ListaArquivos(QWidget* pai = nullptr);

    QString caminho() const { return caminho_; }
    void defineCaminho(const QString& caminho);
    void definePadrao(const QString& padrao);

    int quantidade() const { return count(); }
    QString nome(int indice) const { return item(indice)->text(); }
    // The selected file's name; empty when none is selected.
    QString selecionado() const;
    // The folder joined with the selected file's name.
    QString caminhoSelecionado() const;

private:
    void preenche();

    QString caminho_;
    QStringList padroes_;
};
