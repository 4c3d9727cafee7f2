#include "ModeloAdiantamentos.h"

#include <algorithm>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

const ModeloAdiantamentos::DefinicaoColuna ModeloAdiantamentos::Colunas[Coluna::Total] = {
    {u"Processo", 1500, Qt::AlignLeft | Qt::AlignVCenter},
    {u"Nota de Empenho", 1500, Qt::AlignRight | Qt::AlignVCenter},
    {u"Elemento Econômico", 1400, Qt::AlignLeft | Qt::AlignVCenter},
    {u"CPF Credor", 1300, Qt::AlignHCenter | Qt::AlignVCenter},
    {u"Nome Credor", 2300, Qt::AlignLeft | Qt::AlignVCenter},
    {u"Valor", 1200, Qt::AlignRight | Qt::AlignVCenter},
    {u"Período Inicial", 1100, Qt::AlignHCenter | Qt::AlignVCenter},
    {u"Período Final", 1100, Qt::AlignHCenter | Qt::AlignVCenter},
    {u"ne", 0, Qt::AlignLeft | Qt::AlignVCenter},
    {u"ee", 0, Qt::AlignLeft | Qt::AlignVCenter},
    {u"vl", 0, Qt::AlignLeft | Qt::AlignVCenter},
    {u"pi", 0, Qt::AlignLeft | Qt::AlignVCenter},
    {u"pf", 0, Qt::AlignLeft | Qt::AlignVCenter},
};

ModeloAdiantamentos::ModeloAdiantamentos(QObject* pai) : QAbstractTableModel(pai) {}

int ModeloAdiantamentos::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : linhas();
}

int ModeloAdiantamentos::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : Coluna::Total;
}

QVariant ModeloAdiantamentos::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= linhas())
        return {};
    if (papel == Qt::DisplayRole)
        return texto(indice.row(), indice.column());
    if (papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(Colunas[indice.column()].alinhamento);
    return {};
}

QVariant ModeloAdiantamentos::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || secao < 0 || secao >= Coluna::Total)
        return {};
    if (papel == Qt::DisplayRole)
        return QString::fromUtf16(Colunas[secao].titulo);
    if (papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(Colunas[secao].alinhamento);
    return {};
}

namespace
{

char16_t Dobra(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    return QChar::toCaseFolded(c);
}

} // namespace

int ComparaSemCaixa(QStringView a, QStringView b)
{
    // Character by character up to the first difference, folding only what differs: most keys
    // differ within a few characters. A difference at half of a surrogate pair is left to the
    // toolkit, which folds the pair as one character.
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if (QChar::isSurrogate(x) || QChar::isSurrogate(y))
            return a.compare(b, Qt::CaseInsensitive);
        const char16_t dx = Dobra(x);
        const char16_t dy = Dobra(y);
        if (dx != dy)
            return dx < dy ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int ModeloAdiantamentos::compara(const QString& a, const QString& b) const
{
    const int c = ComparaSemCaixa(a, b);
    return ordem_ == Qt::AscendingOrder ? c : -c;
}

int ModeloAdiantamentos::posicaoOrdenada(int excluida, const Adiantamento& a) const
{
    if (!ordenado_)
        return excluida >= 0 ? excluida : linhas();
    // After the last row that sorts before or equal to it, so equal keys keep their order.
    const QString chave = TextoColuna(a, chave_);
    int baixo = 0;
    int alto = linhas() - (excluida >= 0 ? 1 : 0);
    while (baixo < alto) {
        const int meio = (baixo + alto) / 2;
        const int real = (excluida >= 0 && meio >= excluida) ? meio + 1 : meio;
        if (compara(texto(real, chave_), chave) <= 0)
            baixo = meio + 1;
        else
            alto = meio;
    }
    return baixo;
}

int ModeloAdiantamentos::acrescenta(const Adiantamento& a)
{
    const int pos = posicaoOrdenada(-1, a);
    beginInsertRows({}, pos, pos);
    linhas_.insert(pos, a);
    endInsertRows();
    return pos;
}

int ModeloAdiantamentos::substitui(int i, const Adiantamento& a)
{
    const int pos = posicaoOrdenada(i, a);
    if (pos != i) {
        beginMoveRows({}, i, i, {}, pos > i ? pos + 1 : pos);
        linhas_.move(i, pos);
        endMoveRows();
    }
    linhas_[pos] = a;
    Q_EMIT dataChanged(index(pos, 0), index(pos, Coluna::Total - 1));
    return pos;
}

void ModeloAdiantamentos::remove(int i)
{
    beginRemoveRows({}, i, i);
    linhas_.removeAt(i);
    endRemoveRows();
}

void ModeloAdiantamentos::removeLinhas(const std::vector<int>& indices)
{
    if (indices.empty())
        return;
    const int primeira = indices.front();
    const int quantas = static_cast<int>(indices.size());
    // One run of rows goes as one removal, and the view keeps its place.
    if (indices.back() - primeira + 1 == quantas) {
        beginRemoveRows({}, primeira, indices.back());
        linhas_.remove(primeira, quantas);
        endRemoveRows();
        return;
    }
    // Rows apart: each removal would move every later row and walk the view's selection again,
    // so the kept rows close up in one pass and the list is drawn anew.
    beginResetModel();
    int destino = primeira;
    auto proxima = indices.begin();
    for (int i = primeira; i < linhas(); ++i) {
        if (proxima != indices.end() && *proxima == i) {
            ++proxima;
            continue;
        }
        linhas_[destino++] = std::move(linhas_[i]);
    }
    linhas_.resize(destino);
    endResetModel();
}

void ModeloAdiantamentos::limpa()
{
    beginResetModel();
    linhas_.clear();
    endResetModel();
}

void ModeloAdiantamentos::defineLinhas(QList<Adiantamento> linhas)
{
    beginResetModel();
    linhas_ = std::move(linhas);
    endResetModel();
    if (ordenado_)
        reordena();
}

void ModeloAdiantamentos::renomeiaCredor(const QString& chaveCpf, const QString& nome)
{
    for (int i = 0; i < linhas(); ++i) {
        if (TemChaveCPF(linhas_[i].cpf, chaveCpf) && linhas_[i].nome != nome) {
            linhas_[i].nome = nome;
            const QModelIndex celula = index(i, Coluna::NomeCredor);
            Q_EMIT dataChanged(celula, celula);
        }
    }
    if (ordenado_ && chave_ == Coluna::NomeCredor)
        reordena();
}

void ModeloAdiantamentos::ordena(int chave, Qt::SortOrder ordem)
{
    ordenado_ = true;
    chave_ = chave;
    ordem_ = ordem;
    reordena();
}

void ModeloAdiantamentos::reordena()
{
    // The key texts are computed once per sort, not at every comparison.
    QList<QString> chaves(linhas());
    for (int i = 0; i < linhas(); ++i)
        chaves[i] = texto(i, chave_);
    std::vector<int> ordemNova(linhas());
    std::iota(ordemNova.begin(), ordemNova.end(), 0);
    std::stable_sort(ordemNova.begin(), ordemNova.end(),
                     [&](int a, int b) { return compara(chaves[a], chaves[b]) < 0; });

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> novaPosicao(linhas());
    QList<Adiantamento> reordenadas;
    reordenadas.reserve(linhas());
    for (int nova = 0; nova < linhas(); ++nova) {
        novaPosicao[ordemNova[nova]] = nova;
        reordenadas.append(std::move(linhas_[ordemNova[nova]]));
    }
    linhas_ = std::move(reordenadas);
    const QModelIndexList persistentes = persistentIndexList();
    QModelIndexList novos;
    novos.reserve(persistentes.size());
    for (const QModelIndex& p : persistentes)
        novos.append(index(novaPosicao[p.row()], p.column()));
    changePersistentIndexList(persistentes, novos);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
