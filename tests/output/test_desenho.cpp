#include "DesenhoRelatorio.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"
#include "Relatorio.h"
#include "ServicosDeTeste.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const Cabecalho Cab{u"2005"_s, u"PREFEITURA MUNICIPAL DE TESTE"_s, u"FULANO DE TAL"_s,
                    u"BELTRANO"_s};

LinhaRelatorio linha(int n)
{
    return {u"PROC-"_s + QString::number(n).rightJustified(4, u'0'),
            QString::number(1000 + n),
            u"339030  MATERIAL DE CONSUMO"_s,
            u"12345678909"_s,
            u"CICRANO DA SILVA"_s,
            u"1.234,50"_s,
            u"01/03"_s,
            u"31/03"_s};
}

QList<LinhaRelatorio> linhas(int quantas)
{
    QList<LinhaRelatorio> l;
    for (int i = 1; i <= quantas; ++i)
        l.append(linha(i));
    return l;
}

QString executa(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    EXPECT_TRUE(p.waitForFinished(30000)) << programa.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << programa.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages of a PDF as text, one column 4.5 points (a character at 7.5 points) wide from the
// PDF printer's left margin of 10 points: the 120-column lines read back character for
// character.
QList<QStringList> textoDasPaginas(const QString& pdf)
{
    const QString texto =
        executa(u"pdftotext"_s, {u"-layout"_s, u"-fixed"_s, u"4.5"_s, u"-x"_s, u"10"_s, u"-y"_s,
                                 u"0"_s, u"-W"_s, u"585"_s, u"-H"_s, u"842"_s, pdf, u"-"_s});
    QList<QStringList> paginas;
    for (const QString& pagina : texto.split(u'\f', Qt::SkipEmptyParts))
        paginas.append(pagina.split(u'\n'));
    return paginas;
}

int contaPaginas(const QString& pdf)
{
    const QString info = executa(u"pdfinfo"_s, {pdf});
    return QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info).captured(1).toInt();
}

// Every word of the first page with its box, in points.
struct Palavra {
    QString texto;
    QRectF caixa;
};

QList<Palavra> palavras(const QString& pdf, int pagina = 1)
{
    const QString n = QString::number(pagina);
    const QString xml = executa(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, n, u"-l"_s, n, pdf, u"-"_s});
    const QRegularExpression palavra(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
        u"([^<]*)</word>"_s);
    QList<Palavra> lista;
    for (const auto& m : palavra.globalMatch(xml)) {
        const QPointF a(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF b(m.captured(3).toDouble(), m.captured(4).toDouble());
        lista.append({m.captured(5), QRectF(a, b)});
    }
    return lista;
}

QRectF envolve(const QList<Palavra>& lista)
{
    QRectF tudo;
    for (const Palavra& p : lista)
        tudo = tudo.united(p.caixa);
    return tudo;
}

QString semEspacos(QString s)
{
    return s.remove(u' ');
}

QString aDireitaSemEspacos(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

class DesenhoDoRelatorio : public testing::Test
{
protected:
    PastaTemporaria pasta;
    const QString pdf = pasta.arquivo(u"relatorio.pdf"_s);
};

} // namespace

TEST_F(DesenhoDoRelatorio, LinhasDe120ColunasLidasDeVoltaEmDuasPaginas)
{
    const QList<LinhaRelatorio> dados = linhas(85);
    ASSERT_EQ(GravaPdf(MontaRelatorio(Cab, dados).paginas, pdf), std::nullopt);
    EXPECT_EQ(contaPaginas(pdf), 2);

    const QList<QStringList> paginas = textoDasPaginas(pdf);
    ASSERT_EQ(paginas.size(), 2);
    const QStringList colunas = {
        u"                     Nota de   Elemento"_s,
        u"Processo             Empenho   Econôm.  CPF Credor   Nome do Credor              "
        u"                    Valor Período"_s,
        u"==================== ========= ======== ============ ============================"
        u"============ ============ ============="_s};
    const QString regua(120, u'=');
    for (int p = 0; p < 2; ++p) {
        const QStringList& l = paginas[p];
        ASSERT_GE(l.size(), 7 + 2) << "page " << p + 1;
        // The 8-point lines are wider than the 4.5-point columns: read for their words.
        EXPECT_EQ(semEspacos(l[0]),
                  u"RELAÇÃODOSADIANTAMENTOSDOEXERCÍCIODE2005PAG.:"_s + QString::number(p + 1));
        EXPECT_EQ(semEspacos(l[2]), u"ÓRGÃO/ENTIDADE:PREFEITURAMUNICIPALDETESTE"_s);
        EXPECT_EQ(l.mid(4, 3), colunas) << "page " << p + 1;
    }
    QStringList detalhes = paginas[0].mid(7, 84);
    detalhes.append(paginas[1][7]);
    QStringList esperados;
    for (const LinhaRelatorio& d : dados)
        esperados.append(aDireitaSemEspacos(LinhaDetalhe(d)));
    EXPECT_EQ(detalhes, esperados);
    EXPECT_EQ(paginas[0].mid(91, 2),
              (QStringList{regua, u"Elaborador: FULANO DE TAL"_s.leftJustified(79) +
                                      u"Responsável: BELTRANO"_s}));
    EXPECT_EQ(paginas[1].mid(8, 2),
              (QStringList{regua, u"Elaborador: FULANO DE TAL"_s.leftJustified(66) +
                                      u"Responsável: BELTRANO"_s}));
    // The face is the one laid out for, or its metric twin; never a wider fallback.
    const QString fontes = executa(u"pdffonts"_s, {pdf});
    EXPECT_TRUE(
        QRegularExpression(u"(LiberationMono|CourierNew\\w*)-Bold\\s"_s).match(fontes).hasMatch())
        << fontes.toStdString();
}

TEST_F(DesenhoDoRelatorio, CentoEVinteColunasCabemNaLarguraDoA4)
{
    ASSERT_EQ(GravaPdf(MontaRelatorio(Cab, linhas(84)).paginas, pdf), std::nullopt);
    const QList<Palavra> lista = palavras(pdf);
    const QRectF tudo = envolve(lista);
    // From the paint rectangle's corner, 120 columns of 0.6 em at 7.5 points: 540 points.
    EXPECT_NEAR(tudo.left(), 10.0, 0.1);
    EXPECT_NEAR(tudo.right(), 10.0 + 540.0, 0.2);
    EXPECT_LE(tudo.bottom(), 842.0 - 10.0);
    EXPECT_EQ(lista.last().texto, u"BELTRANO"_s);
}

TEST_F(DesenhoDoRelatorio, MargensLargasReduzemAsPaginasSemCortarNada)
{
    Cabecalho cab = Cab;
    cab.responsavel = QString(39, u'R') + u'Z'; // at column 80, 133 columns wide
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
    PreparaImpressora(impressora);
    impressora.setPageMargins(QMarginsF(25, 40, 25, 40), QPageLayout::Millimeter);
    ASSERT_EQ(DesenhaPaginas(impressora, MontaRelatorio(cab, linhas(85)).paginas), std::nullopt);

    const double mm = 72.0 / 25.4;
    const QRectF area(25 * mm, 40 * mm, 595 - 50 * mm, 842 - 80 * mm);
    const QList<Palavra> lista = palavras(pdf);
    const QRectF tudo = envolve(lista);
    EXPECT_TRUE(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(tudo))
        << tudo.left() << "," << tudo.top() << " " << tudo.right() << "," << tudo.bottom();
    EXPECT_EQ(lista.last().texto, cab.responsavel);
    // One factor for every page: the last page is drawn as small as the first.
    const QRectF ultima = envolve(palavras(pdf, 2));
    EXPECT_NEAR(ultima.left(), tudo.left(), 0.1);
    EXPECT_NEAR(palavras(pdf, 2).first().caixa.height(), lista.first().caixa.height(), 0.01);
}

TEST_F(DesenhoDoRelatorio, DestinoQueNaoSeAbreEErroDeImpressora)
{
    const std::optional<Falha> falha =
        GravaPdf(MontaRelatorio(Cab, linhas(1)).paginas, pasta.arquivo(u"nao-existe/r.pdf"_s));
    EXPECT_EQ(falha, (Falha{81, u"Erro de impressora"_s}));
    EXPECT_FALSE(QFile::exists(pasta.arquivo(u"nao-existe/r.pdf"_s)));
}
