#include "ConversaoImportacao.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Cabecalho2005 = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,";
const QByteArray Adiantamento1 =
    "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03";

QByteArray linhas(std::initializer_list<QByteArray> ls)
{
    QByteArray bytes;
    for (const QByteArray& l : ls)
        bytes += l + "\r\n";
    return bytes;
}

// The eight columns the list shows for a row.
QStringList colunas(const Adiantamento& a)
{
    QStringList r;
    for (int c = Coluna::Processo; c <= Coluna::PeriodoFinal; ++c)
        r << TextoColuna(a, c);
    return r;
}

DadosImportados convertido(const QByteArray& bytes)
{
    const ResultadoImportacao r = ConverteImportacao(bytes);
    EXPECT_TRUE(std::holds_alternative<DadosImportados>(r));
    return std::holds_alternative<DadosImportados>(r) ? std::get<DadosImportados>(r)
                                                      : DadosImportados{};
}

} // namespace

TEST(ConverteImportacao, CabecalhoEAdiantamentosNaOrdemDoArquivo)
{
    const DadosImportados d = convertido(
        linhas({Cabecalho2005, Adiantamento1,
                "\"0099/2005\",000123,339014,98765432100,\"JOSE, O FILHO\",1500,15/04,30/04",
                "1,7,123456, 111.444.777-35 ,ANA,-5.00,01/01 ,  02/01  "}));
    ASSERT_TRUE(d.cabecalho);
    EXPECT_EQ(*d.cabecalho,
              (Cabecalho{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s}));
    ASSERT_EQ(d.adiantamentos.size(), 3);
    EXPECT_EQ(
        colunas(d.adiantamentos[0]),
        (QStringList{u"0012/2005"_s, u"345"_s, u"339030  MATERIAL DE CONSUMO"_s, u"12345678909"_s,
                     u"CICRANO DA SILVA"_s, u"1.234,56"_s, u"01/03"_s, u"31/03"_s}));
    // Quotes dropped (a comma inside them kept), leading zeros of the NE dropped, the last
    // three characters of the value always taken as separator and decimals.
    EXPECT_EQ(colunas(d.adiantamentos[1]),
              (QStringList{u"0099/2005"_s, u"123"_s, u"339014  DIARIAS -CIVIL"_s, u"98765432100"_s,
                           u"JOSE, O FILHO"_s, u"1,00"_s, u"15/04"_s, u"30/04"_s}));
    // An element missing from the catalogue loads empty; a negative value stays negative; a CPF
    // written with points and a hyphen loads as its eleven digits, a period without its blanks.
    EXPECT_EQ(colunas(d.adiantamentos[2]),
              (QStringList{u"1"_s, u"7"_s, QString(), u"11144477735"_s, u"ANA"_s, u"-5,00"_s,
                           u"01/01"_s, u"02/01"_s}));
    EXPECT_EQ(TextoColuna(d.adiantamentos[2], Coluna::ChavePf), u"0102"_s);
    EXPECT_EQ(TextoColuna(d.adiantamentos[1], Coluna::ChaveNe), u"000000123"_s);
}

TEST(ConverteImportacao, CortesDosCampos)
{
    const QString processo35 = u"P"_s.repeated(35);
    const QByteArray linha =
        "PPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPP,1234567890,339030, 123.456.789-09 ,"
        "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN,10.00,01/03/05,31/03/05";
    const QByteArray cabecalho =
        QByteArray(65, 'O') + ",20055," + QByteArray(45, 'E') + "," + QByteArray(45, 'R') + ",,,,";
    const DadosImportados d = convertido(linhas({cabecalho, linha}));
    ASSERT_TRUE(d.cabecalho);
    EXPECT_EQ(*d.cabecalho,
              (Cabecalho{u"2005"_s, QString(60, u'O'), QString(40, u'E'), QString(40, u'R')}));
    ASSERT_EQ(d.adiantamentos.size(), 1);
    // The Processo keeps 30 characters, as many as the entry field and the data file reader.
    EXPECT_EQ(
        colunas(d.adiantamentos[0]),
        (QStringList{processo35.left(30), u"123456789"_s, u"339030  MATERIAL DE CONSUMO"_s,
                     u"12345678909"_s, QString(40, u'N'), u"10,00"_s, u"01/03"_s, u"31/03"_s}));
}

// Found by fuzzing: the cut to nine characters came before the leading zeros were dropped, so
// a verified NE 000123456789 loaded as 123456.
TEST(ConverteImportacao, NeComZerosAEsquerdaPerdeOsZerosAntesDoCorte)
{
    const DadosImportados d = convertido(
        linhas({Cabecalho2005, QByteArray(Adiantamento1).replace(",345,", ", 000123456789 ,"),
                QByteArray(Adiantamento1).replace(",345,", ",00000000000000000000345,")}));
    ASSERT_EQ(d.adiantamentos.size(), 2);
    EXPECT_EQ(d.adiantamentos[0].notaEmpenho, u"123456789"_s);
    EXPECT_EQ(d.adiantamentos[1].notaEmpenho, u"345"_s);
}

TEST(ConverteImportacao, ArquivoVazioESoCabecalho)
{
    const DadosImportados vazio = convertido({});
    EXPECT_FALSE(vazio.cabecalho);
    EXPECT_TRUE(vazio.adiantamentos.isEmpty());

    const DadosImportados soCabecalho = convertido(linhas({Cabecalho2005}));
    ASSERT_TRUE(soCabecalho.cabecalho);
    EXPECT_EQ(soCabecalho.cabecalho->orgao, u"PREFEITURA MUNICIPAL"_s);
    EXPECT_TRUE(soCabecalho.adiantamentos.isEmpty());
}

TEST(ConverteImportacao, RegistroQueFalhaRecusaOArquivoInteiro)
{
    const struct {
        const char* caso;
        QByteArray bytes;
        int registro;
    } casos[] = {
        {"valor de dois caracteres",
         linhas({Cabecalho2005, Adiantamento1, "2,346,339030,12345678909,ANA,50,01/03,31/03",
                 Adiantamento1}),
         3},
        {"NE que não é número",
         linhas({Cabecalho2005, Adiantamento1, Adiantamento1,
                 "3,12.5,339030,12345678909,ANA,1.00,01/03,31/03"}),
         4},
        {"valor sem os decimais",
         linhas({Cabecalho2005, "3,9,339030,12345678909,ANA,1.5,01/03,31/03"}), 2},
        {"CPF que não passa",
         linhas({Cabecalho2005, Adiantamento1, "3,9,339030,123.456.789-00,ANA,1.50,01/03,31/03"}),
         3},
        {"arquivo que termina dentro do registro", Cabecalho2005 + "\r\n" + "0012/2005,345,339030",
         2},
        {"campo mais longo que qualquer linha do programa",
         linhas({Cabecalho2005, QByteArray(70000, 'N') + Adiantamento1}), 2},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ConverteImportacao(c.bytes), ResultadoImportacao(RegistroRecusado{c.registro}))
            << c.caso;
    }
}

TEST(ConverteImportacao, LimiteDoContadorDeRegistros)
{
    QByteArray bytes = Cabecalho2005 + "\r\n";
    for (int ne = 1; ne < MaximoRegistrosImportacao; ++ne)
        bytes += "P," + QByteArray::number(ne) + ",339030,12345678909,N,1.00,01/03,31/03\r\n";
    const ResultadoImportacao cheio = ConverteImportacao(bytes);
    ASSERT_TRUE(std::holds_alternative<DadosImportados>(cheio));
    EXPECT_EQ(std::get<DadosImportados>(cheio).adiantamentos.size(), MaximoRegistrosImportacao - 1);

    bytes += "P,99999,339030,12345678909,N,1.00,01/03,31/03\r\n";
    EXPECT_EQ(ConverteImportacao(bytes),
              ResultadoImportacao(RegistroRecusado{MaximoRegistrosImportacao + 1}));
}

TEST(ConverteImportacao, ProgressoAvancaUmPorRegistro)
{
    std::vector<int> valores;
    ConverteImportacao(linhas({Cabecalho2005, Adiantamento1, Adiantamento1}),
                       [&](int v) { valores.push_back(v); });
    EXPECT_EQ(valores, (std::vector<int>{2, 3, 4}));
}

TEST(ConverteImportacao, ArquivoEmDiscoEArquivoQueNaoAbre)
{
    PastaTemporaria pasta;
    const QString caminho = pasta.escreve(u"a.csv"_s, linhas({Cabecalho2005, Adiantamento1}));
    const ResultadoImportacao r = ConverteImportacao(caminho);
    ASSERT_TRUE(std::holds_alternative<DadosImportados>(r));
    EXPECT_EQ(std::get<DadosImportados>(r).adiantamentos.size(), 1);
    EXPECT_EQ(ConverteImportacao(pasta.arquivo(u"falta.csv"_s)),
              ResultadoImportacao(RegistroRecusado{1}));
    EXPECT_EQ(ConverteImportacao(pasta.caminho()), ResultadoImportacao(RegistroRecusado{1}));
}

TEST(ConverteImportacao, MensagemDoRegistroRecusado)
{
    EXPECT_EQ(MensagemRegistroRecusado(600),
              u"Provavelmente as informações na linha 600 estão fora do layout esperado, ou não é "
              u"o arquivo correto. Verifique o Layout no programa ou na Internet, no site do "
              u"ORVAL."_s);
}
