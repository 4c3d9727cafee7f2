#include "DesenhoRelatorio.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A line's font with what placing it needs, measured on the device it is drawn on.
struct FonteMedida {
    QFont fonte;
    double coluna;
    double ascendente;
    double altura;
};

FonteMedida Mede(const LinhaImpressa& linha, QPaintDevice& dispositivo)
{
    const QFont fonte = FonteRelatorio(linha.pontos, linha.negrito);
    const QFontMetricsF medidas(fonte, &dispositivo);
    return {fonte, medidas.horizontalAdvance(u'0'), medidas.ascent(), medidas.lineSpacing()};
}

// The room the pages take at their own size: the widest line and the tallest page.
QSizeF Ocupado(const QList<PaginaImpressa>& paginas, QPaintDevice& dispositivo)
{
    QSizeF maior;
    for (const PaginaImpressa& pagina : paginas) {
        double altura = 0;
        for (const LinhaImpressa& linha : pagina.linhas) {
            const FonteMedida m = Mede(linha, dispositivo);
            for (const ItemImpresso& item : linha.itens) {
                const double fim = (item.coluna - 1 + item.texto.size()) * m.coluna;
                maior.setWidth(qMax(maior.width(), fim));
            }
            altura += m.altura;
        }
        maior.setHeight(qMax(maior.height(), altura));
    }
    return maior;
}

void DesenhaPagina(QPainter& pintor, QPaintDevice& dispositivo, const PaginaImpressa& pagina)
{
    double topo = 0;
    for (const LinhaImpressa& linha : pagina.linhas) {
        const FonteMedida m = Mede(linha, dispositivo);
        pintor.setFont(m.fonte);
        for (const ItemImpresso& item : linha.itens)
            pintor.drawText(QPointF((item.coluna - 1) * m.coluna, topo + m.ascendente), item.texto);
        topo += m.altura;
    }
}

std::optional<Falha> Interrompe(QPrinter& impressora, QPainter& pintor)
{
    impressora.abort();
    pintor.end();
    return Falha::numerada(Falha::ErroImpressora);
}

} // namespace

QFont FonteRelatorio(double pontos, bool negrito)
{
    QFont fonte(u"Courier New"_s);
    // Named after the face, not left to a generic lookup: an unrelated mono face is wider.
    fonte.setFamilies({u"Courier New"_s, u"Liberation Mono"_s});
    fonte.setStyleHint(QFont::TypeWriter);
    fonte.setFixedPitch(true);
    fonte.setKerning(false);
    fonte.setPointSizeF(pontos);
    fonte.setBold(negrito);
    return fonte;
}

void PreparaImpressora(QPrinter& impressora)
{
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
    impressora.setCopyCount(1);
    impressora.setDocName(u"Pravex"_s);
}

std::optional<Falha> DesenhaPaginas(QPrinter& impressora, const QList<PaginaImpressa>& paginas)
{
    QPainter pintor;
    if (!pintor.begin(&impressora))
        return Falha::numerada(Falha::ErroImpressora);
    const QSizeF area = impressora.pageRect(QPrinter::DevicePixel).size();
    const QSizeF ocupado = Ocupado(paginas, impressora);
    double escala = 1.0;
    if (ocupado.width() > area.width())
        escala = area.width() / ocupado.width();
    if (ocupado.height() > area.height())
        escala = qMin(escala, area.height() / ocupado.height());
    for (qsizetype p = 0; p < paginas.size(); ++p) {
        if (p > 0 && !impressora.newPage())
            return Interrompe(impressora, pintor);
        pintor.save();
        pintor.scale(escala, escala);
        DesenhaPagina(pintor, impressora, paginas[p]);
        pintor.restore();
        if (impressora.printerState() == QPrinter::Error)
            return Interrompe(impressora, pintor);
    }
    if (!pintor.end() || impressora.printerState() == QPrinter::Error)
        return Falha::numerada(Falha::ErroImpressora);
    return std::nullopt;
}
