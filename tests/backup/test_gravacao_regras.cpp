// The write/restore dialog's decisions, free of the dialog: what each mode copies where and
// says, which drive a folder belongs to, which drive is refused, what a failure says.

#include "Caminhos.h"
#include "Falha.h"
#include "Gravacao.h"
#include "Servicos.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace
{

class PastaDoPrograma : public testing::Test
{
protected:
    void SetUp() override { DefinePastaPrograma(u"/opt/Pravex"_s); }
    void TearDown() override { DefinePastaPrograma(QString()); }
};

TEST_F(PastaDoPrograma, CadaModoCopiaSeuArquivoParaAPasta)
{
    const struct {
        QString modo;
        std::optional<CopiaDoModo> copia;
    } casos[] = {
        {u"T"_s,
         CopiaDoModo{u"/opt/Pravex/pravexenvio2005.txt"_s, u"/media/pen/pravexenvio2005.txt"_s,
                     u"Arquivo para o ORVAL gravado. "_s, u"Arquivo para o ORVAL"_s}},
        // The backup is of the open exercise's data file, wherever a restore left it.
        {u"B"_s, CopiaDoModo{u"/dados/Pravex2005.txt"_s, u"/media/pen/PravexBkp2005.txt"_s,
                             u"Arquivo de segurança (backup) gravado. "_s,
                             u"Arquivo de segurança (backup)"_s}},
        // A restore copies nothing; nor does a mode the dialog does not know.
        {u"R"_s, std::nullopt},
        {QString(), std::nullopt},
        {u"t"_s, std::nullopt},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(CopiaDe(c.modo, u"2005"_s, u"/dados/Pravex2005.txt"_s, u"/media/pen"_s), c.copia)
            << c.modo.toStdString();
    }
}

TEST(Gravacao, LetraDaUnidadeQueContemAPastaMaisDePerto)
{
    const QList<Unidade> unidades = {
        {u'c', u"Sistema"_s, u"/"_s},
        {u'a', u"Disquete"_s, u"/media/a"_s},
        {u'd', u"Pendrive"_s, u"/media/ab/"_s},
    };
    const struct {
        QString pasta;
        QChar letra;
    } casos[] = {
        {u"/"_s, u'c'},
        {u"/home/escrivao"_s, u'c'},
        {u"/media/a"_s, u'a'},
        {u"/media/a/"_s, u'a'},
        {u"/media/a/copias"_s, u'a'},
        // A name that only begins like a drive's folder is not inside it.
        {u"/media/ab"_s, u'd'},
        {u"/media/ab/x"_s, u'd'},
        {u"/media/abc"_s, u'c'},
        {u"/media/a/../ab"_s, u'd'},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LetraDaPasta(unidades, c.pasta), c.letra) << c.pasta.toStdString();
    // A folder of no drive listed has no letter.
    EXPECT_TRUE(LetraDaPasta({unidades[1]}, u"/home"_s).isNull());
    EXPECT_TRUE(LetraDaPasta({}, u"/"_s).isNull());
}

TEST(Gravacao, SoAUnidadeADoDisqueteERecusada)
{
    EXPECT_EQ(RecusaUnidade(u'a'),
              u"Unidade  'A:'  não permitida, favor selecionar outra unidade."_s);
    for (const QChar letra : {QChar(u'c'), QChar(u'd'), QChar(u'b'), QChar()})
        EXPECT_EQ(RecusaUnidade(letra), std::nullopt) << QString(letra).toStdString();
}

TEST(Gravacao, FalhaDoEnvioExplicaAsCausasAsOutrasDizemAFalha)
{
    const Falha falha = Falha::numerada(Falha::CaminhoNaoEncontrado);
    ASSERT_FALSE(falha.descricao.isEmpty());
    EXPECT_TRUE(TextoFalhaGravacao(u"T"_s, falha)
                    .startsWith(u"Alguns possíveis problemas na gravação: \r\r"_s));
    EXPECT_FALSE(TextoFalhaGravacao(u"T"_s, falha).contains(falha.descricao));
    for (const QString& modo : {u"B"_s, u"R"_s})
        EXPECT_EQ(TextoFalhaGravacao(modo, falha),
                  u"Erro em gravação/restauração: \r\r"_s + falha.descricao);
}

} // namespace
