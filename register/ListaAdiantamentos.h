#pragma once

#include <QObject>

#include <functional>
#include <vector>

class ModeloAdiantamentos;
class QTreeView;

// The list of advances on screen: its columns, its selection and its order by a clicked title.
// The model holds the rows; this is the view's side of them. A list filled anew shows its first
// row selected; Enter moves on to the next control.
class ListaAdiantamentos : public QObject
{
    Q_OBJECT

public:
    // `aoMudarDeLinha` runs when the clerk clicks a row or moves through the rows with the keys.
    ListaAdiantamentos(QTreeView& vista, ModeloAdiantamentos& modelo,
                       std::function<void()> aoMudarDeLinha);

    // The row the list reports as selected; -1 when none.
    int linhaSelecionada() const;
    // Makes a row the only selected one and scrolls it into view.
    void selecionaSomente(int linha);
    // The rows whose every column is selected, ascending.
    std::vector<int> linhasInteiras() const;
    // Sorts by the column of a clicked title (numbered from 1): ascending, or the other way
    // round when the list is already sorted by it.
    void ordenaPeloTitulo(int titulo);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The value, NE, CPF and period columns as wide as the widest text they hold, every title
    // whole; the creditor's name takes the rest.
    void dimensionaColunas();

    QTreeView& vista_;
    ModeloAdiantamentos& modelo_;
    std::function<void()> aoMudarDeLinha_;
};
