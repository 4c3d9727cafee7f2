#include "RegrasEntrada.h"

#include "Formatos.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "Validacao.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace
{

Recusa pare(const QString& texto, Campo foco)
{
    return Recusa{texto, Icone::Parada, QString(), foco};
}

Recusa aviso(const QString& texto, Campo foco)
{
    return Recusa{texto, Icone::Informacao, u"Aviso"_s, foco};
}

int anoDoExercicio(const QString& exercicio)
{
    return static_cast<int>(LeNumeroInicial(exercicio));
}

} // namespace

std::optional<Recusa> ChecaCabecalho(const Cabecalho& c)
{
    if (LeNumeroInicial(c.exercicio) < 2003)
        return pare(u"Informe um Exercício a partir de 2003"_s, Campo::TxtExercicio);
    const QString orgao = c.orgao.trimmed();
    if (orgao.isEmpty())
        return pare(u"Informe o nome do(a) UGE/Órgão/Entidade"_s, Campo::TxtOrgao);
    if (orgao.size() < 15)
        return pare(u"Nome da(o) UGE/Órgão/Entidade com menos de 15 caracteres."_s,
                    Campo::TxtOrgao);
    const QString responsavel = c.responsavel.trimmed();
    if (responsavel.isEmpty())
        return pare(u"Informe o nome do Responsável"_s, Campo::TxtResponsavel);
    // The message speaks of 10; the threshold has always been 8.
    if (responsavel.size() < 8)
        return pare(u"Nome do Responsável com menos de 10 caracteres."_s, Campo::TxtResponsavel);
    return std::nullopt;
}

std::optional<Recusa> ChecaNomeCredor(const QString& nome)
{
    const QString n = nome.trimmed();
    if (n.isEmpty())
        return pare(u"Informe o nome do Responsável"_s, Campo::TxtNomeResponsavel);
    if (n.size() < 8)
        return pare(u"Nome do Credor com menos de 10 caracteres."_s, Campo::TxtNomeResponsavel);
    return std::nullopt;
}

QString FormataCampoValor(const QString& texto)
{
    const std::optional<Centavos> valor = LeMoeda(texto);
    return valor ? FormataMoeda(*valor) : texto;
}

std::optional<Recusa> ValidaAdiantamento(CamposEntrada& c)
{
    if (std::optional<Recusa> r = ChecaCabecalho(c.cabecalho))
        return r;
    if (c.processo.trimmed().isEmpty())
        return pare(u"Informe o Processo"_s, Campo::TxtProcesso);
    if (LeNumeroInicial(c.notaEmpenho) == 0)
        return pare(u"Informe o número da NE"_s, Campo::TxtNumeroNotaEmpenho);
    if (c.elemento <= 0)
        return pare(u"Informe o Elemento Econômico"_s, Campo::CboElemEcon);
    if (c.cpf.trimmed().isEmpty())
        return pare(u"Informe um CPF."_s, Campo::CboCPF);
    QString cpf = c.cpf;
    const QString valido = ValidaCPF(cpf);
    if (valido.isEmpty())
        return pare(u"CPF inválido, verifique."_s, Campo::CboCPF);
    c.cpf = valido;
    if (std::optional<Recusa> r = ChecaNomeCredor(c.nome))
        return r;

    c.valor = FormataCampoValor(c.valor);
    if (c.valor.size() >= 14)
        return pare(u"Valor não permitido."_s, Campo::TxtValor);
    if (LeMoeda(c.valor).value_or(0) == 0)
        return pare(u"Favor informar um valor."_s, Campo::TxtValor);

    if (LeNumeroInicial(c.periodoInicial) == 0)
        return aviso(u"Favor informar a Data inicial."_s, Campo::TxtDataInicial);
    if (!PeriodoValido(c.periodoInicial, c.cabecalho.exercicio))
        return aviso(u"O período inicial está incorreto."_s, Campo::TxtDataInicial);
    if (LeNumeroInicial(c.periodoFinal) == 0)
        return aviso(u"Favor informar a Data final."_s, Campo::TxtDataFinal);
    if (!PeriodoValido(c.periodoFinal, c.cabecalho.exercicio))
        return aviso(u"A Data final está incorreta."_s, Campo::TxtDataFinal);

    const int ano = anoDoExercicio(c.cabecalho.exercicio);
    if (*LePeriodo(c.periodoInicial, ano) > *LePeriodo(c.periodoFinal, ano))
        return Recusa{u"Data inicio não pode ser maior que a data final."_s, Icone::Nenhum,
                      QString(), Campo::TxtDataInicial};
    return std::nullopt;
}

Adiantamento MontaAdiantamento(const CamposEntrada& c)
{
    Adiantamento a;
    a.processo = c.processo.trimmed();
    a.notaEmpenho = FormataInteiro(LeNumeroInicial(c.notaEmpenho));
    a.elemento = c.elemento;
    a.cpf = c.cpf.trimmed();
    a.nome = c.nome.trimmed();
    a.valor = LeMoeda(c.valor).value_or(0);
    a.periodoInicial = c.periodoInicial;
    a.periodoFinal = c.periodoFinal;
    return a;
}

std::optional<Recusa> ChecaDuplicidade(const ModeloAdiantamentos& lista, const QString& notaEmpenho,
                                       int ignorada)
{
    const qint64 ne = LeNumeroInicial(notaEmpenho);
    for (int i = 0; i < lista.linhas(); ++i) {
        if (i != ignorada && LeNumeroInicial(lista.linha(i).notaEmpenho) == ne)
            return Recusa{u"Número de NE já cadastrada."_s, Icone::Parada, u"Duplicidade"_s,
                          Campo::TxtNumeroNotaEmpenho};
    }
    return std::nullopt;
}

QString ProximaNotaEmpenho(const QString& notaEmpenho)
{
    return FormataInteiro(LeNumeroInicial(notaEmpenho) + 1);
}

QStringList CPFsDaLista(const ModeloAdiantamentos& lista)
{
    // A set beside the list: searching the list itself for every row grows with rows times
    // creditors, seconds on a full register. One lookup a row: the insertion tells whether the
    // CPF is new; the set is sized once, not grown and rehashed on the way.
    QStringList cpfs;
    QSet<QString> vistos;
    vistos.reserve(lista.linhas());
    for (const Adiantamento& a : lista.todas()) {
        const qsizetype antes = vistos.size();
        vistos.insert(a.cpf);
        if (vistos.size() != antes)
            cpfs.append(a.cpf);
    }
    return cpfs;
}

int ProcuraPrefixo(const QStringList& itens, const QString& prefixo)
{
    for (int i = 0; i < itens.size(); ++i) {
        if (itens[i].startsWith(prefixo, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

TeclaCPF CompletaCPF(const QStringList& cpfs, const QString& texto, int inicio, QChar tecla)
{
    if (!Module1::CaracteresValidos.contains(tecla))
        return TeclaCPF{.efeito = TeclaCPF::Efeito::Engole};
    if (tecla.unicode() > 127)
        return TeclaCPF{.efeito = TeclaCPF::Efeito::Deixa};
    const QString prefixo = texto.left(inicio) + tecla.toUpper();
    const int tamanho = static_cast<int>(prefixo.size());
    const int achado = ProcuraPrefixo(cpfs, prefixo);
    if (achado < 0)
        return TeclaCPF{TeclaCPF::Efeito::Completa, -1, prefixo, tamanho, tamanho};
    return TeclaCPF{TeclaCPF::Efeito::Completa, achado, cpfs[achado], tamanho,
                    static_cast<int>(cpfs[achado].size())};
}

int LinhaDoCredor(const ModeloAdiantamentos& lista, const QString& cpf)
{
    const QString chave = ChaveCPF(cpf);
    for (int i = 0; i < lista.linhas(); ++i) {
        if (ChaveCPF(lista.linha(i).cpf) == chave)
            return i;
    }
    return -1;
}

int ChaveDoTitulo(int titulo)
{
    switch (titulo) {
    case 1:
        return Coluna::Processo;
    case 2:
        return Coluna::ChaveNe;
    case 3:
        return Coluna::ChaveEe;
    case 4:
        return Coluna::CpfCredor;
    case 5:
        return Coluna::NomeCredor;
    case 6:
        return Coluna::ChaveVl;
    case 7:
        return Coluna::ChavePi;
    case 8:
        return Coluna::ChavePf;
    default:
        return titulo - 1;
    }
}
