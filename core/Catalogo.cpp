#include "Catalogo.h"

#include <QStringList>

#include <array>

using namespace Qt::Literals::StringLiterals;

const QStringList& ItensCatalogo()
{
    // Code, two spaces, name; names longer than 44 characters are cut at 44.
    static const QStringList itens = {
        QString(),
        u"311141  CONTRIBUICOES"_s,
        u"319001  APOSENTADORIAS E REFORMAS"_s,
        u"319003  PENSOES"_s,
        u"319005  OUTROS BENEFICIOS PREVIDENCIARIOS"_s,
        u"319008  OUTROS BENEFICIOS ASSISTENCIAIS"_s,
        u"319009  SALARIO FAMILIA"_s,
        u"319011  VENCIMENTOS E VANTAGENS FIXAS-PESSOAL CIVIL"_s,
        u"319012  VENCIMENTOS E VANTAGENS FIXAS-PESSOAL MILITA"_s,
        u"319013  OBRIGACOES PATRONAIS"_s,
        u"319014  DIARIAS -CIVIL"_s,
        u"319015  DIARIAS -MILITAR"_s,
        u"319016  OUTRAS DESPESAS VARIAVEIS-PESSOAL CIVIL"_s,
        u"319034  OUTRAS DESP.PES.DECORRENTES CONTR.TERCEIRIZ."_s,
        u"319046  AUXILIO ALIMENTACAO"_s,
        u"319049  AUXILIO TRANSPORTE"_s,
        u"319094  INDENIZACOES E RESTITUICOES TRABALHISTAS"_s,
        u"319096  RESSARCIMENTO DE DESP.DE PESSOAL REQUISITADO"_s,
        u"329021  JUROS SOBRE A DIVIDA POR CONTRATO"_s,
        u"329022  OUTROS ENCARGOS SOBRE A DIVIDA POR CONTRATO"_s,
        u"329023  JUROS DESAGIOS E DESCONTOS DA DIV.MOBILIARIA"_s,
        u"329024  OUTROS ENCARGOS SOBRE A DIVIDA MOBILIARIA"_s,
        u"329025  ENCARGOS SOBRE OP.DE CRED.POR ANTEC.RECEITA"_s,
        u"329027  ENCARGOS P/HONRA DE AVAIS,GARANT.SEG.E SIMIL"_s,
        u"332041  CONTRIBUICOES"_s,
        u"334030  MATERIAL DE CONSUMO"_s,
        u"334039  OUTROS SERVICOS DE TERCEIROS-PESSOA JURIDICA"_s,
        u"334081  DISTRIBUICAO DE RECEITAS"_s,
        u"335041  CONTRIBUICOES"_s,
        u"335043  SUBVENCOES SOCIAIS"_s,
        u"336041  CONTRIBUIÇÕES"_s,
        u"336042  AUXÍLIOS"_s,
        u"337041  CONTRIBUICOES"_s,
        u"338041  CONTRIBUICOES"_s,
        u"339013  OBRIGACOES PATRONAIS"_s,
        u"339014  DIARIAS -CIVIL"_s,
        u"339015  DIARIAS MILITAR"_s,
        u"339018  AUXILIO FINANCEIRO A ESTUDANTES"_s,
        u"339020  AUXILIO FINANCEIRO A PESQUISADORES"_s,
        u"339030  MATERIAL DE CONSUMO"_s,
        u"339032  MATERIAL DE DISTRIBUICAO GRATUITA"_s,
        u"339033  PASSAGENS E DESPESAS COM LOCOMOCAO"_s,
        u"339035  SERVICOS DE CONSULTORIA"_s,
        u"339036  OUTROS SERVICOS DE TERCEIROS-PESSOA FISICA"_s,
        u"339037  SERVICOS DE LIMPEZA,VIGIL.E OUTROS-PES.JURID"_s,
        u"339038  ARRENDAMENTO MERCANTIL"_s,
        u"339039  OUTROS SERVICOS DE TERCEIROS-PESSOA JURIDICA"_s,
        u"339041  CONTRIBUICOES"_s,
        u"339046  AUXÍLIO -ALIMENTAÇÃO"_s,
        u"339047  OBRIGACOES TRIBUTARIAS E CONTRIBUTIVAS"_s,
        u"339048  OUTROS AUXILIOS FINANCEIROS A PES.FISICAS"_s,
        u"339049  AUXÍLIO -TRANSPORTE"_s,
        u"339050  SERVICOS DE UTILIDADE PUBLICA"_s,
        u"339091  SENTENCAS JUDICIAIS"_s,
        u"339092  DESPESAS DE EXERCICIOS ANTERIORES"_s,
        u"339093  INDENIZACOES E RESTITUICOES"_s,
        u"339096  RESSARC.DE DESPESAS DE PESSOAL REQUISITADO"_s,
        u"349031  DESPESAS DE EXERCICIOS ANTERIORES"_s,
        u"442042  AUXILIOS"_s,
        u"444051  OBRAS E INSTALACOES"_s,
        u"444052  EQUIPAMENTOS E MATERIAL PERMANENTE"_s,
        u"445042  AUXILIOS"_s,
        u"447042  AUXILIOS"_s,
        u"448042  AUXILIOS"_s,
        u"449042  AUXILIOS"_s,
        u"449051  OBRAS E INSTALACOES"_s,
        u"449052  EQUIPAMENTOS E MATERIAL PERMANENTE"_s,
        u"449091  SENTENCAS JUDICIAIS"_s,
        u"449092  DESPESAS DE EXERCICIOS ANTERIORES"_s,
        u"459052  EQUIPAMENTOS E MATERIAL PERMANENTE"_s,
        u"459061  AQUISICAO DE IMOVEIS"_s,
        u"459062  AQUISICAO DE PRODUTOS PARA REVENDA"_s,
        u"459063  AQUISICAO DE TITULOS DE CREDITO"_s,
        u"459064  AQUIS.DE TITS.REPR.DE CAP.JA INTEGRALIZADO"_s,
        u"459065  CONST.OU AUMENTO DE CAPITAL DE EMPRESAS"_s,
        u"459066  CONCESSAO DE EMPRESTIMOS E FINANCIAMENTOS"_s,
        u"459067  DEPÓSITOS COMPULSÓRIOS"_s,
        u"459092  DESPESAS DE EXERCICIOS ANTERIORES"_s,
        u"469071  PRINCIPAL DA DIVIDA CONTRATUAL RESGATADO"_s,
        u"469072  PRINCIPAL DA DIVIDA MOBILIARIA RESGATADO"_s,
        u"469073  COR.MONET.OU CAMBIAL DA DIV.CONTR.RESGATADA"_s,
        u"469074  COR.MONET.OU CAMBIAL DA DIV.MOBIL.RESGATADA"_s,
        u"469075  COR.MON.DA DIV.DE OP.DE CRED POR ANTECIPACAO"_s,
        u"555555  A DEFINIR - CARTAO"_s,
        u"999999  RESERVA DE CONTINGENCIA"_s,
    };
    return itens;
}

namespace
{

// A code of six digits as a number; -1 for any other text.
int NumeroCodigo(QStringView codigo)
{
    if (codigo.size() != 6)
        return -1;
    int numero = 0;
    for (const QChar c : codigo) {
        if (c < u'0' || c > u'9')
            return -1;
        numero = numero * 10 + (c.unicode() - u'0');
    }
    return numero;
}

// The items' codes in a small open-addressing table, so that a lookup is a multiplication and a
// probe or two: every line of every file read names its element.
class TabelaCodigos
{
public:
    TabelaCodigos()
    {
        const QStringList& itens = ItensCatalogo();
        // From the last item to the first, so that the first of a code stays in its slot.
        for (int i = static_cast<int>(itens.size()) - 1; i >= 0; --i) {
            const int numero = NumeroCodigo(CodigoElemento(itens[i]));
            Q_ASSERT(numero >= 0 || itens[i].isEmpty());
            if (numero >= 0)
                entradas_[posicao(numero)] = {numero, i};
        }
    }
    int indice(int numero) const
    {
        const Entrada& e = entradas_[posicao(numero)];
        return e.codigo == numero ? e.indice : -1;
    }

private:
    struct Entrada {
        int codigo = -1;
        int indice = -1;
    };
    static constexpr unsigned Tamanho = 256; // a power of two, three times the catalogue

    // The slot that holds the code, or the free one where it would go.
    unsigned posicao(int numero) const
    {
        unsigned h = (static_cast<unsigned>(numero) * 2654435761u) >> 24;
        while (entradas_[h].codigo != -1 && entradas_[h].codigo != numero)
            h = (h + 1) & (Tamanho - 1);
        return h;
    }

    std::array<Entrada, Tamanho> entradas_{};
};

} // namespace

int IndiceElemento(QStringView codigo)
{
    static const TabelaCodigos codigos;
    if (codigo.isEmpty())
        return 0; // the empty item 0
    const int numero = NumeroCodigo(codigo);
    return numero < 0 ? -1 : codigos.indice(numero);
}

QStringView CodigoElemento(QStringView item)
{
    return item.left(6);
}
