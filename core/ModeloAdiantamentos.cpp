#include "ModeloAdiantamentos.h"

#include <algorithm>
#include <array>

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
    gravadas_.esquece();
    endResetModel();
}

void ModeloAdiantamentos::defineLinhas(QList<Adiantamento> linhas)
{
    beginResetModel();
    linhas_ = std::move(linhas);
    gravadas_.esquece();
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

namespace
{

// A row's key for the sort: the first characters after those all keys share, folded and packed
// so that comparing the numbers compares those characters; the rest of the text decides ties.
struct ChaveOrdenacao {
    quint64 prefixo[3];
    int linha;
    bool inteira; // the packed characters are all the key has after the shared ones

    // Negative, zero or positive, as the packed characters compare.
    int comparaPrefixo(const ChaveOrdenacao& outra) const
    {
        for (int i = 0; i < 3; ++i) {
            if (prefixo[i] != outra.prefixo[i])
                return prefixo[i] < outra.prefixo[i] ? -1 : 1;
        }
        return 0;
    }
};

constexpr int CaracteresNoPrefixo = 12;

// How many characters, folded, every key shares from its start; -1 when a half of a surrogate
// pair lies there or in the characters packed after them (the toolkit compares those as pairs).
qsizetype PrefixoComum(const QList<QString>& chaves)
{
    if (chaves.isEmpty())
        return 0;
    const QString& primeira = chaves.front();
    qsizetype comum = primeira.size();
    for (const QString& c : chaves) {
        comum = std::min(comum, c.size());
        for (qsizetype i = 0; i < comum; ++i) {
            if (Dobra(c[i].unicode()) != Dobra(primeira[i].unicode())) {
                comum = i;
                break;
            }
        }
    }
    for (const QString& c : chaves) {
        const qsizetype ate = std::min(c.size(), comum + CaracteresNoPrefixo);
        for (qsizetype i = 0; i < ate; ++i) {
            if (QChar::isSurrogate(c[i].unicode()))
                return -1;
        }
    }
    return comum;
}

ChaveOrdenacao Chave(const QString& texto, qsizetype de, int linha)
{
    ChaveOrdenacao c{{0, 0, 0}, linha, texto.size() <= de + CaracteresNoPrefixo};
    for (qsizetype i = 0; i < CaracteresNoPrefixo; ++i) {
        const qsizetype j = de + i;
        const char16_t dobrado = j < texto.size() ? Dobra(texto[j].unicode()) : 0;
        // A character that folds to nothing packs as the end of the text does.
        c.inteira = c.inteira && (j >= texto.size() || dobrado != 0);
        c.prefixo[i / 4] = (c.prefixo[i / 4] << 16) | dobrado;
    }
    return c;
}

} // namespace

void ModeloAdiantamentos::reordena()
{
    // The key texts are computed once per sort, not at every comparison, and most comparisons
    // are of a few characters packed in a number beside each row: the texts lie all over memory.
    QList<QString> chaves(linhas());
    for (int i = 0; i < linhas(); ++i)
        chaves[i] = texto(i, chave_);
    const qsizetype comum = PrefixoComum(chaves);
    std::vector<ChaveOrdenacao> ordenadas(linhas());
    for (int i = 0; i < linhas(); ++i)
        ordenadas[i] = comum < 0 ? ChaveOrdenacao{{0, 0, 0}, i, false} : Chave(chaves[i], comum, i);
    const bool ascendente = ordem_ == Qt::AscendingOrder;
    std::stable_sort(ordenadas.begin(), ordenadas.end(),
                     [&](const ChaveOrdenacao& a, const ChaveOrdenacao& b) {
                         if (const int c = a.comparaPrefixo(b); c != 0)
                             return ascendente ? c < 0 : c > 0;
                         // Equal packed characters that are the whole keys: equal keys.
                         if (a.inteira && b.inteira)
                             return false;
                         const QString& x = chaves[a.linha];
                         const QString& y = chaves[b.linha];
                         if (x.size() == y.size() && x == y)
                             return false;
                         return compara(x, y) < 0;
                     });
    std::vector<int> ordemNova(linhas());
    for (int i = 0; i < linhas(); ++i)
        ordemNova[i] = ordenadas[i].linha;

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
