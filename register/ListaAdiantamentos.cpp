#include "ListaAdiantamentos.h"

#include "Foco.h"
#include "Medidas.h"
#include "ModeloAdiantamentos.h"
#include "RegrasEntrada.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QStyle>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The rows whose every column is selected, ascending, read in one pass over the selection's
// ranges: asking the selection row by row walks all its ranges for each row.
std::vector<int> LinhasInteiras(const QItemSelectionModel& selecao, int linhas, int colunas)
{
    Q_ASSERT(colunas > 0 && colunas < 64);
    const quint64 todas = (quint64{1} << colunas) - 1;
    std::vector<quint64> cobertas(static_cast<size_t>(linhas), 0);
    for (const QItemSelectionRange& faixa : selecao.selection()) {
        if (!faixa.isValid() || faixa.parent().isValid())
            continue;
        const quint64 mascara =
            ((quint64{1} << (faixa.right() + 1)) - 1) & ~((quint64{1} << faixa.left()) - 1);
        for (int l = faixa.top(); l <= faixa.bottom() && l < linhas; ++l)
            cobertas[static_cast<size_t>(l)] |= mascara;
    }
    std::vector<int> inteiras;
    for (int l = 0; l < linhas; ++l) {
        if ((cobertas[static_cast<size_t>(l)] & todas) == todas)
            inteiras.push_back(l);
    }
    return inteiras;
}

} // namespace

ListaAdiantamentos::ListaAdiantamentos(QTreeView& vista, ModeloAdiantamentos& modelo,
                                       std::function<void()> aoMudarDeLinha)
    : vista_(vista), modelo_(modelo), aoMudarDeLinha_(std::move(aoMudarDeLinha))
{
    vista_.setModel(&modelo_);
    vista_.header()->setSectionsClickable(true);
    vista_.header()->setSectionsMovable(false);
    dimensionaColunas();
    vista_.installEventFilter(this);
    connect(&vista_, &QTreeView::clicked, this, [this] { aoMudarDeLinha_(); });
    connect(&modelo_, &QAbstractItemModel::modelReset, this, [this] {
        if (modelo_.linhas() > 0)
            selecionaSomente(0);
    });
}

bool ListaAdiantamentos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto != &vista_)
        return false;
    if (evento->type() == QEvent::KeyRelease) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Down:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Up:
            aoMudarDeLinha_();
            break;
        default:
            break;
        }
    } else if (evento->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(evento)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter)
            MoveFoco(vista_);
    }
    return false;
}

std::vector<int> ListaAdiantamentos::linhasInteiras() const
{
    return LinhasInteiras(*vista_.selectionModel(), modelo_.linhas(), modelo_.columnCount());
}

void ListaAdiantamentos::dimensionaColunas()
{
    QHeaderView* titulos = vista_.header();
    const QFontMetrics medida = vista_.fontMetrics();
    // The text margins the list draws an item with, and some air.
    const int margem =
        2 * (vista_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &vista_) + 1) +
        medida.averageCharWidth();
    // The widest text each column can hold; for the element a usual one, whose code is what
    // counts (the entry field shows the whole name).
    QString amostras[Coluna::Total];
    amostras[Coluna::NotaEmpenho] = ComDigitoLargo(medida, u"000000000"_s);
    amostras[Coluna::ElementoEconomico] = u"339030  MATERIAL DE CONSUMO"_s;
    amostras[Coluna::CpfCredor] = ComDigitoLargo(medida, u"00000000000"_s);
    amostras[Coluna::Valor] = ComDigitoLargo(medida, u"00.000.000,00"_s);
    amostras[Coluna::PeriodoInicial] = ComDigitoLargo(medida, u"00/00"_s);
    amostras[Coluna::PeriodoFinal] = amostras[Coluna::PeriodoInicial];
    // The standard widths were measured for a small 8-point font: scaled to this font.
    const double escala = medida.averageCharWidth() / 6.0;
    for (int c = 0; c < Coluna::Total; ++c) {
        const int twips = ModeloAdiantamentos::Colunas[c].larguraTwips;
        if (twips == 0) {
            vista_.setColumnHidden(c, true);
            continue;
        }
        int largura = qMax(static_cast<int>(ModeloAdiantamentos::pixelsDeTwips(twips) * escala),
                           titulos->sectionSizeHint(c));
        if (!amostras[c].isEmpty())
            largura = qMax(largura, medida.horizontalAdvance(amostras[c]) + margem);
        vista_.setColumnWidth(c, largura);
    }
    // The name takes what the others leave, and never less than its title.
    titulos->setMinimumSectionSize(titulos->sectionSizeHint(Coluna::NomeCredor));
    titulos->setStretchLastSection(false);
    titulos->setSectionResizeMode(Coluna::NomeCredor, QHeaderView::Stretch);
}

int ListaAdiantamentos::linhaSelecionada() const
{
    const QItemSelectionModel* selecao = vista_.selectionModel();
    const QModelIndex atual = selecao->currentIndex();
    if (atual.isValid() && selecao->isRowSelected(atual.row()))
        return atual.row();
    const QModelIndexList linhas = selecao->selectedRows();
    int menor = -1;
    for (const QModelIndex& i : linhas)
        menor = menor < 0 ? i.row() : qMin(menor, i.row());
    return menor;
}

void ListaAdiantamentos::selecionaSomente(int linha)
{
    const QModelIndex indice = modelo_.index(linha, 0);
    vista_.selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    vista_.scrollTo(indice);
}

void ListaAdiantamentos::ordenaPeloTitulo(int titulo)
{
    const int chave = ChaveDoTitulo(titulo);
    Qt::SortOrder ordem = Qt::AscendingOrder;
    if (modelo_.ordenado() && chave == modelo_.chaveOrdenacao())
        ordem = modelo_.ordem() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    modelo_.ordena(chave, ordem);
    QHeaderView* titulos = vista_.header();
    titulos->setSortIndicatorShown(true);
    titulos->setSortIndicator(titulo - 1, ordem);
    // The sorted column's title keeps its words whole beside the arrow.
    if (titulos->sectionResizeMode(titulo - 1) != QHeaderView::Stretch &&
        titulos->sectionSize(titulo - 1) < titulos->sectionSizeHint(titulo - 1))
        titulos->resizeSection(titulo - 1, titulos->sectionSizeHint(titulo - 1));
}
