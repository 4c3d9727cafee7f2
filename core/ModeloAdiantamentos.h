#pragma once

#include "Adiantamento.h"
#include "LinhasGravadas.h"

#include <QAbstractTableModel>
#include <QList>

#include <vector>

// The order in which the list sorts texts: the toolkit's case-insensitive comparison, made
// without folding whole texts. Negative, zero or positive.
int ComparaSemCaixa(QStringView a, QStringView b);

// The list of advances of the open exercise: the one place the register's rows live. Rows are
// kept as records; the thirteen column texts are derived from them when asked for.
class ModeloAdiantamentos : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct DefinicaoColuna {
        const char16_t* titulo;
        int larguraTwips; // 0 hides the column
        Qt::Alignment alinhamento;
    };
    // The standard column set, in the order every rebuild adds it.
    static const DefinicaoColuna Colunas[Coluna::Total];
    static int pixelsDeTwips(int twips) { return twips / 15; }

    explicit ModeloAdiantamentos(QObject* pai = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

    int linhas() const { return static_cast<int>(linhas_.size()); }
    const Adiantamento& linha(int i) const { return linhas_[i]; }
    const QList<Adiantamento>& todas() const { return linhas_; }
    QString texto(int linha, int coluna) const { return TextoColuna(linhas_[linha], coluna); }

    // Adds a row at the end (at its sorted place while sorting is on); returns its index.
    int acrescenta(const Adiantamento& a);
    // Replaces a row (it moves to its sorted place while sorting is on); returns its new index.
    int substitui(int i, const Adiantamento& a);
    void remove(int i);
    // Removes the rows at the given indexes (ascending, each once) in one pass over the list.
    void removeLinhas(const std::vector<int>& indices);
    void limpa();
    // Replaces every row at once, in the given order (sorted afterwards while sorting is on).
    void defineLinhas(QList<Adiantamento> linhas);
    // Sets one column of every row whose CPF key matches: the creditor's name of one CPF.
    void renomeiaCredor(const QString& chaveCpf, const QString& nome);

    // The rows' lines as the data file last got them, for the next write to copy what did not
    // change (they depend on the rows alone, so any change of the list keeps them right).
    LinhasGravadas& linhasGravadas() const { return gravadas_; }

    // Sort state of the list: off until the first sort, never switched off again.
    bool ordenado() const { return ordenado_; }
    int chaveOrdenacao() const { return chave_; }
    Qt::SortOrder ordem() const { return ordem_; }
    // Switches sorting on with this key (0 = Processo, n = column n) and order, re-sorting.
    void ordena(int chave, Qt::SortOrder ordem);
    void sort(int coluna, Qt::SortOrder ordem) override { ordena(coluna, ordem); }

private:
    void reordena();
    int posicaoOrdenada(int excluida, const Adiantamento& a) const;
    int compara(const QString& a, const QString& b) const;

    QList<Adiantamento> linhas_;
    bool ordenado_ = false;
    int chave_ = 0;
    Qt::SortOrder ordem_ = Qt::AscendingOrder;
    mutable LinhasGravadas gravadas_;
};
