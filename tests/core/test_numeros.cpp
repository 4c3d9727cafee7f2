#include "Formatos.h"
#include "ImprimeQt.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

struct CasoNumero {
    const char16_t* texto;
    bool numerico; // EhNumerico
    double valor;  // LeNumero: the leading numeric part
};

void PrintTo(const CasoNumero& caso, std::ostream* os)
{
    *os << '"' << QString::fromUtf16(caso.texto).toStdString() << '"';
}

class TextosNumericos : public testing::TestWithParam<CasoNumero>
{
};

TEST_P(TextosNumericos, TesteDeNumeroELeituraDaParteInicial)
{
    const CasoNumero& c = GetParam();
    const QString texto = QString::fromUtf16(c.texto);
    EXPECT_EQ(EhNumerico(texto), c.numerico);
    EXPECT_DOUBLE_EQ(LeNumero(texto), c.valor);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, TextosNumericos,
    testing::Values(CasoNumero{u"2005", true, 2005}, CasoNumero{u"  -5.00 ", true, -5},
                    CasoNumero{u"\t+12,5", true, 12.5}, CasoNumero{u"0,50", true, 0.5},
                    CasoNumero{u".5", true, 0.5}, CasoNumero{u"7.", true, 7},
                    CasoNumero{u"000123", true, 123}, CasoNumero{u"", false, 0},
                    CasoNumero{u"   ", false, 0}, CasoNumero{u"-", false, 0},
                    CasoNumero{u".", false, 0}, CasoNumero{u"12A", false, 12},
                    CasoNumero{u"1.2.3", false, 1.2}, CasoNumero{u"1 2", false, 1},
                    CasoNumero{u"- 5", false, 0}, CasoNumero{u"1e5", false, 1},
                    CasoNumero{u"R$ 10", false, 0}, CasoNumero{u"1.234,56", false, 1.234}));

TEST(TextosNumericos, UmaSequenciaLongaDeDigitosLeComoInfinitoEZerosComoZero)
{
    EXPECT_TRUE(std::isinf(LeNumero(QString(400, u'9'))));
    EXPECT_EQ(LeNumero(u"0."_s + QString(400, u'0')), 0.0);
    EXPECT_TRUE(EhNumerico(QString(1000, u'9')));
}
