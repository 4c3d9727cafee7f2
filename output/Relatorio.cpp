#include "Relatorio.h"

#include "Estreito.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr double PontosTitulo = 8.0;
constexpr double PontosCorpo = 7.5;
constexpr int ColunaPagina = 103;
constexpr int ColunaResponsavelQuebra = 80;
constexpr int ColunaResponsavelFinal = 67;
// The header takes the counter to 7; a page ends once it has passed 90: 84 detail lines.
constexpr int LinhasCabecalho = 7;
constexpr int UltimaLinhaDetalhe = 90;

const QString TituloRelatorio = u"RELAÇÃO DOS ADIANTAMENTOS DO EXERCÍCIO DE "_s;
const QString ColunasLinha1 =
    u"                     Nota de   Elemento                                 "
    u"                                                "_s;
const QString ColunasLinha2 =
    u"Processo             Empenho   Econôm.  CPF Credor   Nome do Credor     "
    u"                             Valor Período      "_s;
const QString ColunasLinha3 =
    u"==================== ========= ======== ============ ===================="
    u"==================== ============ ============="_s;

// Lays a field over the line from a column, replacing as many characters as it has but never
// lengthening the line.
void sobrepoe(QString& linha, int coluna, QStringView campo)
{
    const qsizetype inicio = coluna - 1;
    const qsizetype n = qMin(campo.size(), linha.size() - inicio);
    if (n > 0)
        linha.replace(inicio, n, campo.left(n).toString());
}

QString alinhaDireita(const QString& texto, int largura)
{
    // A value wider than its column is the printing's failure, not a silently shifted line.
    if (texto.size() > largura)
        throw Falha::numerada(Falha::ArgumentoInvalido);
    return QString(largura - texto.size(), u' ') + texto;
}

// A whole-number format ("###0", "#####0") applied to a column's digits: leading zeros go; a
// text that is not a number is kept as it is.
QString semZerosAEsquerda(QStringView texto)
{
    if (texto.isEmpty())
        return {};
    for (const QChar c : texto) {
        if (c < u'0' || c > u'9')
            return texto.toString();
    }
    qsizetype i = 0;
    while (i < texto.size() - 1 && texto[i] == u'0')
        ++i;
    return texto.mid(i).toString();
}

// Half of a whole number, rounded to the nearest whole one with halves to the even one.
int metadeArredondada(int n)
{
    const int abaixo = static_cast<int>(std::floor(n / 2.0));
    if (n % 2 != 0 && abaixo % 2 != 0)
        return abaixo + 1;
    return abaixo;
}

class Montagem
{
public:
    explicit Montagem(const Cabecalho& cabecalho) : cabecalho_(cabecalho) {}

    void novaPagina() { relatorio_.paginas.append(PaginaImpressa{}); }
    bool paginaCheia() const { return linhaPagina_ > UltimaLinhaDetalhe; }

    void cabec()
    {
        const int numero = static_cast<int>(relatorio_.paginas.size());
        try {
            ++pagina_;
        } catch (const Falha& falha) {
            // The 8-bit page counter ends at 255. Reported once; the header is still printed
            // whole with the page's real number, so every later page keeps its header and its
            // 84 lines.
            if (relatorio_.falhasCabec.isEmpty())
                relatorio_.falhasCabec.append(falha);
        }
        const QString titulo = TituloRelatorio + cabecalho_.exercicio;
        const int colunaTitulo = metadeArredondada(ColunasRelatorio - int(titulo.size()));
        imprime(PontosTitulo, true,
                {{colunaTitulo, titulo}, {ColunaPagina, u"PAG.: "_s + QString::number(numero)}});
        imprime(PontosTitulo, true, {});
        imprime(PontosTitulo, true, {{1, u"ÓRGÃO/ENTIDADE: "_s + cabecalho_.orgao}});
        imprime(PontosCorpo, true, {});
        imprime(PontosCorpo, true, {{1, ColunasLinha1}});
        imprime(PontosCorpo, true, {{1, ColunasLinha2}});
        imprime(PontosCorpo, true, {{1, ColunasLinha3}});
        linhaPagina_ = LinhasCabecalho;
    }

    void detalhe(const LinhaRelatorio& linha)
    {
        imprime(PontosCorpo, false, {{1, LinhaDetalhe(linha)}});
        ++linhaPagina_;
    }

    void rodape(int colunaResponsavel)
    {
        imprime(PontosCorpo, false, {{1, QString(ColunasRelatorio, u'=')}});
        imprime(PontosCorpo, true,
                {{1, u"Elaborador: "_s + cabecalho_.elaborador},
                 {colunaResponsavel, u"Responsável: "_s + cabecalho_.responsavel}});
    }

    Relatorio resultado(std::optional<Falha> falha)
    {
        relatorio_.falha = std::move(falha);
        return std::move(relatorio_);
    }

private:
    // Places the items the way a print position moves along a line: an item whose column the
    // line has already passed starts the next line at that column.
    void imprime(double pontos, bool negrito, const QList<ItemImpresso>& itens)
    {
        QList<LinhaImpressa>& linhas = relatorio_.paginas.last().linhas;
        LinhaImpressa atual{pontos, negrito, {}};
        int posicao = 1;
        for (const ItemImpresso& item : itens) {
            const int coluna = qMax(1, item.coluna);
            if (posicao > coluna) {
                linhas.append(atual);
                atual.itens.clear();
            }
            atual.itens.append({coluna, item.texto});
            posicao = coluna + int(item.texto.size());
        }
        linhas.append(atual);
    }

    const Cabecalho& cabecalho_;
    Relatorio relatorio_;
    Byte pagina_;
    Byte linhaPagina_;
};

} // namespace

QList<LinhaRelatorio> LinhasRelatorio(const QList<Adiantamento>& adiantamentos)
{
    QList<LinhaRelatorio> linhas;
    linhas.reserve(adiantamentos.size());
    for (const Adiantamento& a : adiantamentos) {
        linhas.append({TextoColuna(a, Coluna::Processo), TextoColuna(a, Coluna::NotaEmpenho),
                       TextoColuna(a, Coluna::ElementoEconomico), TextoColuna(a, Coluna::CpfCredor),
                       TextoColuna(a, Coluna::NomeCredor), TextoColuna(a, Coluna::Valor),
                       TextoColuna(a, Coluna::PeriodoInicial),
                       TextoColuna(a, Coluna::PeriodoFinal)});
    }
    return linhas;
}

QString LinhaDetalhe(const LinhaRelatorio& l)
{
    QString linha(ColunasRelatorio, u' ');
    sobrepoe(linha, 1, QStringView(l.processo).left(20));
    sobrepoe(linha, 22, alinhaDireita(semZerosAEsquerda(l.notaEmpenho), 9));
    sobrepoe(linha, 32, alinhaDireita(semZerosAEsquerda(QStringView(l.elemento).left(6)), 6));
    sobrepoe(linha, 41, l.cpf);
    sobrepoe(linha, 54, l.nome);
    sobrepoe(linha, 94, alinhaDireita(l.valor, 13));
    sobrepoe(linha, 108, l.periodoInicial + u" a "_s + l.periodoFinal);
    return linha;
}

Relatorio MontaRelatorio(const Cabecalho& cabecalho, const QList<LinhaRelatorio>& linhas)
{
    Montagem montagem(cabecalho);
    try {
        montagem.novaPagina();
        montagem.cabec();
        for (const LinhaRelatorio& linha : linhas) {
            if (montagem.paginaCheia()) {
                montagem.rodape(ColunaResponsavelQuebra);
                montagem.novaPagina();
                montagem.cabec();
            }
            montagem.detalhe(linha);
        }
        montagem.rodape(ColunaResponsavelFinal);
    } catch (const Falha& falha) {
        return montagem.resultado(falha);
    }
    return montagem.resultado(std::nullopt);
}

QString TextoFalhaCabec(const Falha& falha)
{
    return falha.descricao + u" - "_s + QString::number(falha.numero);
}
