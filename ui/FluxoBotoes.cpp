#include "FluxoBotoes.h"

FluxoBotoes::FluxoBotoes(QWidget* pai, int linhasNoMinimo)
    : QLayout(pai), linhasNoMinimo_(qMax(1, linhasNoMinimo))
{
    setContentsMargins(0, 0, 0, 0);
}

FluxoBotoes* FluxoBotoes::emLugarDe(QBoxLayout& pai, QLayout& linha)
{
    const int lugar = pai.indexOf(&linha);
    Q_ASSERT(lugar >= 0);
    auto* fluxo = new FluxoBotoes;
    while (QLayoutItem* item = linha.takeAt(0))
        fluxo->addItem(item);
    pai.removeItem(&linha);
    delete &linha;
    pai.insertLayout(lugar, fluxo);
    return fluxo;
}

FluxoBotoes::~FluxoBotoes()
{
    qDeleteAll(itens_);
}

void FluxoBotoes::addItem(QLayoutItem* item)
{
    itens_.append(item);
}

QLayoutItem* FluxoBotoes::itemAt(int indice) const
{
    return indice >= 0 && indice < itens_.size() ? itens_[indice] : nullptr;
}

QLayoutItem* FluxoBotoes::takeAt(int indice)
{
    return indice >= 0 && indice < itens_.size() ? itens_.takeAt(indice) : nullptr;
}

QList<QLayoutItem*> FluxoBotoes::visiveis() const
{
    QList<QLayoutItem*> r;
    for (QLayoutItem* item : itens_)
        if (!item->isEmpty())
            r.append(item);
    return r;
}

std::pair<int, int> FluxoBotoes::distribui(const QRect& retangulo, bool coloca) const
{
    const QMargins margens = contentsMargins();
    const QRect area = retangulo.marginsRemoved(margens);
    const int espaco = qMax(0, spacing());
    int x = area.x();
    int y = area.y();
    int alturaLinha = 0;
    int linhas = 0;
    for (QLayoutItem* item : visiveis()) {
        const QSize tamanho = item->sizeHint();
        if (linhas == 0) {
            linhas = 1;
        } else if (x + tamanho.width() > area.right() + 1 && x > area.x()) {
            x = area.x();
            y += alturaLinha + espaco;
            alturaLinha = 0;
            ++linhas;
        }
        if (coloca)
            item->setGeometry(QRect(QPoint(x, y), tamanho));
        x += tamanho.width() + espaco;
        alturaLinha = qMax(alturaLinha, tamanho.height());
    }
    const int altura = linhas == 0 ? 0 : y + alturaLinha - area.y();
    return {altura + margens.top() + margens.bottom(), linhas};
}

int FluxoBotoes::heightForWidth(int largura) const
{
    return distribui(QRect(0, 0, largura, 0), false).first;
}

int FluxoBotoes::linhas(int largura) const
{
    return distribui(QRect(0, 0, largura, 0), false).second;
}

QSize FluxoBotoes::sizeHint() const
{
    // All on one line.
    const QMargins margens = contentsMargins();
    int largura = 0;
    int altura = 0;
    const QList<QLayoutItem*> itens = visiveis();
    for (QLayoutItem* item : itens) {
        largura += item->sizeHint().width();
        altura = qMax(altura, item->sizeHint().height());
    }
    if (!itens.isEmpty())
        largura += qMax(0, spacing()) * static_cast<int>(itens.size() - 1);
    return {largura + margens.left() + margens.right(), altura + margens.top() + margens.bottom()};
}

QSize FluxoBotoes::minimumSize() const
{
    // The narrowest width in which the buttons take no more than the lines allowed. More width
    // never takes more lines, so the first width that fits is the least.
    const QMargins margens = contentsMargins();
    int largura = 0;
    for (QLayoutItem* item : visiveis())
        largura = qMax(largura, item->sizeHint().width());
    largura += margens.left() + margens.right();
    const int total = sizeHint().width();
    constexpr int passo = 4;
    while (largura < total && linhas(largura) > linhasNoMinimo_)
        largura += passo;
    largura = qMin(largura, total);
    return {largura, heightForWidth(largura)};
}

void FluxoBotoes::setGeometry(const QRect& retangulo)
{
    QLayout::setGeometry(retangulo);
    distribui(retangulo, true);
}
