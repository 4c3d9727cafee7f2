#include "Catalogo.h"
#include "ImprimeQt.h"
#include "ModeloAdiantamentos.h"
#include "RegrasEntrada.h"

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

CamposEntrada valido()
{
    CamposEntrada c;
    c.cabecalho = {u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO DA SILVA"_s};
    c.processo = u"0012/2005"_s;
    c.notaEmpenho = u"345"_s;
    c.elemento = IndiceElemento(u"339030");
    c.cpf = u"123.456.789-09"_s;
    c.nome = u"CICRANO DA SILVA"_s;
    c.valor = u"1234,5"_s;
    c.periodoInicial = u"01/03"_s;
    c.periodoFinal = u"31/03"_s;
    return c;
}

struct CasoCheck {
    const char* nome;
    std::function<void(CamposEntrada&)> altera;
    std::optional<Recusa> esperado;
};
void PrintTo(const CasoCheck& c, std::ostream* os)
{
    *os << c.nome;
}

Recusa pare(const QString& t, Campo f)
{
    return {t, Icone::Parada, {}, f};
}
Recusa aviso(const QString& t, Campo f)
{
    return {t, Icone::Informacao, u"Aviso"_s, f};
}

class Confirmacao : public testing::TestWithParam<CasoCheck>
{
};

} // namespace

TEST_P(Confirmacao, PrimeiraVerificacaoQueFalha)
{
    CamposEntrada c = valido();
    GetParam().altera(c);
    const std::optional<Recusa> r = ValidaAdiantamento(c);
    ASSERT_EQ(r.has_value(), GetParam().esperado.has_value()) << (r ? r->texto.toStdString() : "");
    if (r) {
        EXPECT_EQ(r->texto, GetParam().esperado->texto);
        EXPECT_EQ(r->icone, GetParam().esperado->icone);
        EXPECT_EQ(r->titulo, GetParam().esperado->titulo);
        EXPECT_EQ(r->foco, GetParam().esperado->foco);
    }
}

INSTANTIATE_TEST_SUITE_P(
    DezenoveVerificacoes, Confirmacao,
    testing::Values(
        CasoCheck{"Valido", [](CamposEntrada&) {}, std::nullopt},
        CasoCheck{"Exercicio2002", [](CamposEntrada& c) { c.cabecalho.exercicio = u"2002"_s; },
                  pare(u"Informe um Exercício a partir de 2003"_s, Campo::TxtExercicio)},
        CasoCheck{"ExercicioVazio", [](CamposEntrada& c) { c.cabecalho.exercicio.clear(); },
                  pare(u"Informe um Exercício a partir de 2003"_s, Campo::TxtExercicio)},
        CasoCheck{"OrgaoVazio", [](CamposEntrada& c) { c.cabecalho.orgao = u"   "_s; },
                  pare(u"Informe o nome do(a) UGE/Órgão/Entidade"_s, Campo::TxtOrgao)},
        CasoCheck{
            "Orgao14", [](CamposEntrada& c) { c.cabecalho.orgao = u" ABCDEFGHIJKLMN "_s; },
            pare(u"Nome da(o) UGE/Órgão/Entidade com menos de 15 caracteres."_s, Campo::TxtOrgao)},
        CasoCheck{"Orgao15", [](CamposEntrada& c) { c.cabecalho.orgao = u"ABCDEFGHIJKLMNO"_s; },
                  std::nullopt},
        CasoCheck{"ResponsavelVazio", [](CamposEntrada& c) { c.cabecalho.responsavel.clear(); },
                  pare(u"Informe o nome do Responsável"_s, Campo::TxtResponsavel)},
        CasoCheck{
            "Responsavel7", [](CamposEntrada& c) { c.cabecalho.responsavel = u"ABCDEFG"_s; },
            pare(u"Nome do Responsável com menos de 10 caracteres."_s, Campo::TxtResponsavel)},
        CasoCheck{"Responsavel8", [](CamposEntrada& c) { c.cabecalho.responsavel = u"ABCDEFGH"_s; },
                  std::nullopt},
        CasoCheck{"ProcessoVazio", [](CamposEntrada& c) { c.processo = u" "_s; },
                  pare(u"Informe o Processo"_s, Campo::TxtProcesso)},
        CasoCheck{"NeZero", [](CamposEntrada& c) { c.notaEmpenho = u"000"_s; },
                  pare(u"Informe o número da NE"_s, Campo::TxtNumeroNotaEmpenho)},
        CasoCheck{"ElementoVazio", [](CamposEntrada& c) { c.elemento = 0; },
                  pare(u"Informe o Elemento Econômico"_s, Campo::CboElemEcon)},
        CasoCheck{"CpfVazio", [](CamposEntrada& c) { c.cpf = u"  "_s; },
                  pare(u"Informe um CPF."_s, Campo::CboCPF)},
        CasoCheck{"CpfInvalido", [](CamposEntrada& c) { c.cpf = u"123.456.789-00"_s; },
                  pare(u"CPF inválido, verifique."_s, Campo::CboCPF)},
        CasoCheck{"NomeVazio", [](CamposEntrada& c) { c.nome.clear(); },
                  pare(u"Informe o nome do Responsável"_s, Campo::TxtNomeResponsavel)},
        CasoCheck{"Nome7", [](CamposEntrada& c) { c.nome = u"ABCDEFG"_s; },
                  pare(u"Nome do Credor com menos de 10 caracteres."_s, Campo::TxtNomeResponsavel)},
        CasoCheck{"ValorCemMilhoes", [](CamposEntrada& c) { c.valor = u"100000000"_s; },
                  pare(u"Valor não permitido."_s, Campo::TxtValor)},
        CasoCheck{"ValorMaximo", [](CamposEntrada& c) { c.valor = u"99.999.999,99"_s; },
                  std::nullopt},
        CasoCheck{"ValorZero", [](CamposEntrada& c) { c.valor = u"0,00"_s; },
                  pare(u"Favor informar um valor."_s, Campo::TxtValor)},
        CasoCheck{"ValorVazio", [](CamposEntrada& c) { c.valor.clear(); },
                  pare(u"Favor informar um valor."_s, Campo::TxtValor)},
        CasoCheck{"InicialVazio", [](CamposEntrada& c) { c.periodoInicial.clear(); },
                  aviso(u"Favor informar a Data inicial."_s, Campo::TxtDataInicial)},
        CasoCheck{"InicialDia00", [](CamposEntrada& c) { c.periodoInicial = u"00/05"_s; },
                  aviso(u"Favor informar a Data inicial."_s, Campo::TxtDataInicial)},
        CasoCheck{"InicialIncorreto", [](CamposEntrada& c) { c.periodoInicial = u"31/04"_s; },
                  aviso(u"O período inicial está incorreto."_s, Campo::TxtDataInicial)},
        CasoCheck{"FinalVazio", [](CamposEntrada& c) { c.periodoFinal.clear(); },
                  aviso(u"Favor informar a Data final."_s, Campo::TxtDataFinal)},
        CasoCheck{"FinalIncorreto", [](CamposEntrada& c) { c.periodoFinal = u"29/02"_s; },
                  aviso(u"A Data final está incorreta."_s, Campo::TxtDataFinal)},
        CasoCheck{"InicioDepoisDoFim",
                  [](CamposEntrada& c) {
                      c.periodoInicial = u"10/05"_s;
                      c.periodoFinal = u"09/05"_s;
                  },
                  Recusa{u"Data inicio não pode ser maior que a data final."_s,
                         Icone::Nenhum,
                         {},
                         Campo::TxtDataInicial}},
        CasoCheck{"PeriodosIguais",
                  [](CamposEntrada& c) {
                      c.periodoInicial = u"10/05"_s;
                      c.periodoFinal = u"10/05"_s;
                  },
                  std::nullopt}),
    [](const testing::TestParamInfo<CasoCheck>& info) { return info.param.nome; });

TEST(Confirmacao, CpfValidoJaSubstituiOTextoMesmoSeOutraFalhar)
{
    CamposEntrada c = valido();
    c.nome.clear();
    ASSERT_TRUE(ValidaAdiantamento(c).has_value());
    EXPECT_EQ(c.cpf, u"12345678909"_s);
}

TEST(Confirmacao, RegistroMontadoComoALista)
{
    CamposEntrada c = valido();
    c.notaEmpenho = u"007"_s;
    c.processo = u"  P1  "_s;
    ASSERT_EQ(ValidaAdiantamento(c), std::nullopt);
    EXPECT_EQ(c.valor, u"1.234,50"_s);
    const Adiantamento a = MontaAdiantamento(c);
    EXPECT_EQ(a.processo, u"P1"_s);
    EXPECT_EQ(a.notaEmpenho, u"7"_s);
    EXPECT_EQ(a.cpf, u"12345678909"_s);
    EXPECT_EQ(a.valor, 123450);
    EXPECT_EQ(ProximaNotaEmpenho(u"41"_s), u"42"_s);
}

TEST(Duplicidade, NumericaEIgnorandoALinhaAlterada)
{
    ModeloAdiantamentos m;
    Adiantamento a;
    a.notaEmpenho = u"7"_s;
    m.acrescenta(a);
    a.notaEmpenho = u"123"_s;
    m.acrescenta(a);
    const std::optional<Recusa> r = ChecaDuplicidade(m, u"007"_s);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(*r, (Recusa{u"Número de NE já cadastrada."_s, Icone::Parada, u"Duplicidade"_s,
                          Campo::TxtNumeroNotaEmpenho}));
    EXPECT_FALSE(ChecaDuplicidade(m, u"7"_s, 0).has_value());
    EXPECT_TRUE(ChecaDuplicidade(m, u"0123"_s, 0).has_value());
    EXPECT_FALSE(ChecaDuplicidade(m, u"8"_s).has_value());
}

TEST(ListaDeCPFs, DistintosNaOrdemDaPrimeiraAparicaoECompletados)
{
    ModeloAdiantamentos m;
    for (const QString& cpf : {u"12345678909"_s, u"98765432100"_s, u"12345678909"_s}) {
        Adiantamento a;
        a.cpf = cpf;
        a.nome = cpf == u"12345678909"_s ? u"PRIMEIRO"_s : u"SEGUNDO"_s;
        m.acrescenta(a);
    }
    const QStringList cpfs = CPFsDaLista(m);
    EXPECT_EQ(cpfs, (QStringList{u"12345678909"_s, u"98765432100"_s}));
    EXPECT_EQ(ProcuraPrefixo(cpfs, u"9"_s), 1);
    EXPECT_EQ(ProcuraPrefixo(cpfs, u"5"_s), -1);
    EXPECT_EQ(ProcuraPrefixo({u"abc"_s}, u"AB"_s), 0);
    EXPECT_EQ(LinhaDoCredor(m, u"987654321-00"_s), 1);
    EXPECT_EQ(LinhaDoCredor(m, u"11111111111"_s), -1);
}

TEST(ListaDeCPFs, TeclaNoComboCompletaOuEngole)
{
    using E = TeclaCPF::Efeito;
    const QStringList cpfs{u"12345678909"_s, u"12399999999"_s, u"52998224725"_s, u"ABC"_s};
    const struct {
        const char* caso;
        QString texto;
        int inicio;
        QChar tecla;
        TeclaCPF esperado;
    } casos[] = {
        {"first digit completes the first CPF",
         u""_s,
         0,
         u'1',
         {E::Completa, 0, u"12345678909"_s, 1, 11}},
        {"a longer prefix picks a later CPF",
         u"12345678909"_s,
         3,
         u'9',
         {E::Completa, 1, u"12399999999"_s, 4, 11}},
        {"typing over a selection from its start",
         u"12345678909"_s,
         0,
         u'5',
         {E::Completa, 2, u"52998224725"_s, 1, 11}},
        {"no CPF begins so: the prefix alone",
         u"123"_s,
         3,
         u'0',
         {E::Completa, -1, u"1230"_s, 4, 4}},
        {"what follows the caret is dropped",
         u"12345"_s,
         2,
         u'7',
         {E::Completa, -1, u"127"_s, 3, 3}},
        {"a letter goes in upper-cased", u""_s, 0, u'a', {E::Completa, 3, u"ABC"_s, 1, 3}},
        {"the whole CPF typed leaves nothing selected",
         u"5299822472"_s,
         10,
         u'5',
         {E::Completa, 2, u"52998224725"_s, 11, 11}},
        {"a comma is refused", u"12"_s, 2, u',', {.efeito = E::Engole}},
        {"a double quote is refused", u"12"_s, 2, u'"', {.efeito = E::Engole}},
        {"an accented letter goes in as typed", u"12"_s, 2, u'\u00e9', {.efeito = E::Deixa}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CompletaCPF(cpfs, c.texto, c.inicio, c.tecla), c.esperado) << c.caso;
}

TEST(Ordenacao, TituloParaChave)
{
    const int esperado[] = {0, 8, 9, 3, 4, 10, 11, 12, 8, 9};
    for (int titulo = 1; titulo <= 10; ++titulo)
        EXPECT_EQ(ChaveDoTitulo(titulo), esperado[titulo - 1]) << titulo;
}
