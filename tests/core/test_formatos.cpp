#include "Formatos.h"
#include "ImprimeQt.h"
#include "Validacao.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

struct CasoMoeda {
    Centavos valor;
    const char16_t* moeda;   // "#,##0.00"
    const char16_t* chave;   // "00,000,000.00"
    const char16_t* decimal; // "0.00"
    const char16_t* arquivo; // file form
};
void PrintTo(const CasoMoeda& c, std::ostream* os)
{
    *os << c.valor;
}

class ValoresFormatados : public testing::TestWithParam<CasoMoeda>
{
};

TEST_P(ValoresFormatados, CadaPadraoEmConvencoesBrasileiras)
{
    const CasoMoeda& c = GetParam();
    EXPECT_EQ(FormataMoeda(c.valor), QString::fromUtf16(c.moeda));
    EXPECT_EQ(FormataChaveValor(c.valor), QString::fromUtf16(c.chave));
    EXPECT_EQ(FormataDecimal(c.valor), QString::fromUtf16(c.decimal));
    EXPECT_EQ(FormataValorArquivo(c.valor), QString::fromUtf16(c.arquivo));
    // The display form reads back as the same amount.
    EXPECT_EQ(LeMoeda(QString::fromUtf16(c.moeda)), c.valor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, ValoresFormatados,
    testing::Values(
        CasoMoeda{123456, u"1.234,56", u"00.001.234,56", u"1234,56", u"1234.56"},
        CasoMoeda{50, u"0,50", u"00.000.000,50", u"0,50", u"0.50"},
        CasoMoeda{700, u"7,00", u"00.000.007,00", u"7,00", u"7.00"},
        CasoMoeda{123456789, u"1.234.567,89", u"01.234.567,89", u"1234567,89", u"1234567.89"},
        CasoMoeda{9999999999, u"99.999.999,99", u"99.999.999,99", u"99999999,99", u"99999999.99"},
        CasoMoeda{-500, u"-5,00", u"-00.000.005,00", u"-5,00", u"-5.00"},
        // Below one real the sign must survive in every form.
        CasoMoeda{-50, u"-0,50", u"-00.000.000,50", u"-0,50", u"-0.50"},
        CasoMoeda{0, u"0,00", u"00.000.000,00", u"0,00", u"0.00"}));

TEST(LeituraDeValores, TextosDigitadosNoCampoValor)
{
    EXPECT_EQ(LeMoeda(u"1234,5"_s), 123450);
    EXPECT_EQ(LeMoeda(u"1234"_s), 123400);
    EXPECT_EQ(LeMoeda(u",5"_s), 50);
    EXPECT_EQ(LeMoeda(u"1234,"_s), 123400);
    EXPECT_EQ(LeMoeda(u"1,555"_s), 156);
    EXPECT_EQ(LeMoeda(QString()), std::nullopt);
    EXPECT_EQ(LeMoeda(u"12a"_s), std::nullopt);
    EXPECT_EQ(LeMoeda(u"1234567890123456"_s), std::nullopt);
}

TEST(LeituraDeValores, PartesDoCampoDoArquivo)
{
    EXPECT_EQ(LeValorPartes(u"1234"_s, u"56"_s), 123456);
    EXPECT_EQ(LeValorPartes(u"-5"_s, u"00"_s), -500);
    EXPECT_EQ(LeValorPartes(u"1"_s, u"00"_s), 100); // "1500" read as 1 and 00
    EXPECT_EQ(LeValorPartes(QString(), u"50"_s), std::nullopt);
    EXPECT_EQ(LeValorPartes(u"12"_s, u".5"_s), std::nullopt);
}

TEST(LeituraDeValores, NumeroInicialComoUmLeitorDecimal)
{
    EXPECT_EQ(LeNumeroInicial(u"2005"_s), 2005);
    EXPECT_EQ(LeNumeroInicial(u" 2005x"_s), 2005);
    EXPECT_EQ(LeNumeroInicial(QString()), 0);
    EXPECT_EQ(LeNumeroInicial(u"00/05"_s), 0);
    EXPECT_EQ(LeNumeroInicial(u"007"_s), 7);
    EXPECT_EQ(LeNumeroInicial(u"x12"_s), 0);
}

TEST(Periodos, ChaveMesDia)
{
    EXPECT_EQ(ChaveMesDia(u"15/03"_s), u"0315"_s);
    EXPECT_EQ(ChaveMesDia(u"29/02"_s), u"0229"_s);
    EXPECT_EQ(ChaveMesDia(u"5/3"_s), u"5/3"_s);
}

struct CasoCPF {
    const char16_t* entrada;
    const char16_t* resultado;
    const char16_t* argumentoDepois;
};
void PrintTo(const CasoCPF& c, std::ostream* os)
{
    *os << QString::fromUtf16(c.entrada).toStdString();
}

class CPFs : public testing::TestWithParam<CasoCPF>
{
};

TEST_P(CPFs, ValidaCPFReescreveOArgumento)
{
    QString argumento = QString::fromUtf16(GetParam().entrada);
    EXPECT_EQ(ValidaCPF(argumento), QString::fromUtf16(GetParam().resultado));
    EXPECT_EQ(argumento, QString::fromUtf16(GetParam().argumentoDepois));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, CPFs,
    testing::Values(CasoCPF{u"123.456.789-09", u"12345678909", u"12345678909"},
                    CasoCPF{u"123.456.789-00", u"", u"12345678900"},
                    CasoCPF{u"000.000.000-00", u"", u"000.000.000-00"}, CasoCPF{u"", u"", u""},
                    CasoCPF{u"   ", u"", u""}, CasoCPF{u"abc", u"", u"abc"},
                    CasoCPF{u"111.111.111-11", u"11111111111", u"11111111111"},
                    // Ten digits are checked with a leading zero, which the argument keeps.
                    CasoCPF{u"1234567890", u"01234567890", u"01234567890"},
                    CasoCPF{u"0191919191", u"", u"00191919191"},
                    CasoCPF{u"1.111.111-11", u"", u"00111111111"},
                    CasoCPF{u"529.982.247-25", u"52998224725", u"52998224725"},
                    // More than eleven digits is no CPF: never checked on a part of it.
                    CasoCPF{u"123456789009", u"", u"123456789009"},
                    CasoCPF{u"1234567890900", u"", u"1234567890900"}));

struct CasoPeriodo {
    const char16_t* campo;
    const char16_t* exercicio;
    bool valido;
};
void PrintTo(const CasoPeriodo& c, std::ostream* os)
{
    *os << QString::fromUtf16(c.campo).toStdString() << "/"
        << QString::fromUtf16(c.exercicio).toStdString();
}

class Periodo : public testing::TestWithParam<CasoPeriodo>
{
};

TEST_P(Periodo, DiaMesDoAnoDoExercicio)
{
    EXPECT_EQ(PeriodoValido(QString::fromUtf16(GetParam().campo),
                            QString::fromUtf16(GetParam().exercicio)),
              GetParam().valido);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Periodo,
    testing::Values(CasoPeriodo{u"29/02", u"2004", true}, CasoPeriodo{u"29/02", u"2005", false},
                    CasoPeriodo{u"1/3", u"2005", false}, CasoPeriodo{u"01/3", u"2005", false},
                    CasoPeriodo{u"31/04", u"2005", false}, CasoPeriodo{u"30/04", u"2005", true},
                    CasoPeriodo{u"00/05", u"2005", false}, CasoPeriodo{u"15/13", u"2005", false},
                    CasoPeriodo{u"01/01", u"", false}, CasoPeriodo{u"", u"2005", false},
                    CasoPeriodo{u"15-03", u"2005", false}));

TEST(TrocaVirgula, VirgulaViraPontoEBrancosSomem)
{
    EXPECT_EQ(TrocaVirgula(u"0,50"_s), u"0.50"_s);
    EXPECT_EQ(TrocaVirgula(u"1234,56"_s), u"1234.56"_s);
    EXPECT_EQ(TrocaVirgula(u" 12 34,5 "_s), u"1234.5"_s);
}

TEST(FiltraNumero, UmaSoVirgulaPorVisita)
{
    bool virgulaDigitada = false;
    QString passou;
    for (char16_t tecla : u"12,,5a") {
        if (tecla == 0)
            break;
        char16_t c = tecla;
        if (FiltraNumero(c, true, virgulaDigitada) != 0)
            passou.append(QChar(c));
        else
            EXPECT_EQ(c, 0);
    }
    EXPECT_EQ(passou, u"12,5"_s);
    EXPECT_TRUE(virgulaDigitada);

    bool semVirgula = false;
    char16_t c = u',';
    EXPECT_EQ(FiltraNumero(c, false, semVirgula), 0);
}
