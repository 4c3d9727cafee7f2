// The copies of the submission file (mode "T") and of the backup (mode "B") against writes that
// fail for real, and against kills in the middle of a large copy: the previous copy stays byte
// for byte or becomes the whole new one, and nothing is left beside it.

#include "CopiaSegura.h"
#include "FalhaReal.h"
#include "ImprimeQt.h"
#include "MortesAleatorias.h"
#include "PastaTemporaria.h"

#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Anterior = "ORGAO ANTIGO,2005,A,B,,,,\r\nP1,1,339030,1,X,1.00,01/01,01/01\r\n";

// A source of `linhas` advance lines, every line telling the version apart.
QByteArray fonte(int versao, int linhas)
{
    QByteArray b = "PREFEITURA MUNICIPAL VERSAO " + QByteArray::number(versao) +
                   ",2005,FULANO,BELTRANO,,,,\r\n";
    for (int i = 0; i < linhas; ++i)
        b += "P" + QByteArray::number(i) + "/V" + QByteArray::number(versao) + "," +
             QByteArray::number(i + 1) +
             ",339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";
    return b;
}

struct CasoFalha {
    TipoFalha tipo;
    QString descricao; // what the "B" message shows after "Erro em gravação/restauração: "
};
void PrintTo(const CasoFalha& c, std::ostream* os)
{
    *os << NomeTipoFalha(c.tipo);
}

class CopiaFalhaReal : public testing::TestWithParam<CasoFalha>
{
};

TEST_P(CopiaFalhaReal, MantemACopiaAnteriorNosDoisNomes)
{
    PastaTemporaria origem;
    const QString dados = origem.escreve(u"Pravex2005.txt"_s, fonte(1, 2000));
    const QString envio = origem.escreve(u"pravexenvio2005.txt"_s, fonte(2, 2000));
    for (const auto& [fonteDaCopia, nome] :
         {std::pair{dados, u"PravexBkp2005.txt"_s}, std::pair{envio, u"pravexenvio2005.txt"_s}}) {
        FalhaReal falha(GetParam().tipo);
        if (!falha.motivo().isEmpty())
            GTEST_SKIP() << falha.motivo().toStdString();
        if (falha.aceitaAnterior())
            falha.anterior(nome, Anterior);
        const QStringList antes = falha.conteudo();
        falha.arma();
        if (!falha.motivo().isEmpty())
            GTEST_SKIP() << falha.motivo().toStdString();

        const QString destino = QDir(falha.pasta()).filePath(nome);
        const std::optional<Falha> resultado = CopiaSegura(fonteDaCopia, destino);
        ASSERT_TRUE(resultado.has_value()) << nome.toStdString();
        EXPECT_EQ(resultado->descricao, GetParam().descricao);
        EXPECT_EQ(falha.conteudo(), antes);
        if (falha.aceitaAnterior()) {
            EXPECT_EQ(LeBytes(destino), Anterior);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, CopiaFalhaReal,
    testing::Values(CasoFalha{TipoFalha::DiscoCheio, u"Disco cheio"_s},
                    CasoFalha{TipoFalha::LimiteTamanho, u"Disco cheio"_s},
                    CasoFalha{TipoFalha::SomenteLeitura, u"Permissão negada"_s},
                    CasoFalha{TipoFalha::PastaAusente, u"Caminho não encontrado"_s},
                    CasoFalha{TipoFalha::CaminhoEhArquivo, u"Caminho não encontrado"_s}),
    [](const testing::TestParamInfo<CasoFalha>& info) { return NomeTipoFalha(info.param.tipo); });

TEST(MorteNaCopia, CopiaSempreInteiraNaVersaoAntigaOuNaNova)
{
    PastaTemporaria pasta;
    const QList<QByteArray> versoes{fonte(0, 40'000), fonte(1, 40'000)};
    const QString origens[2] = {pasta.escreve(u"Pravex2005.txt"_s, versoes[0]),
                                pasta.escreve(u"Pravex2006.txt"_s, versoes[1])};
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    const QString destino = pasta.arquivo(u"copias/PravexBkp2005.txt"_s);

    QElapsedTimer relogio;
    relogio.start();
    ASSERT_EQ(CopiaSegura(origens[0], destino), std::nullopt);
    const int janela = qMax<qint64>(20, 6 * relogio.elapsed());

    const ResultadoMortes r =
        MataAoAcaso(QStringLiteral(COPIA_SEM_PARAR), {origens[0], origens[1], destino}, destino,
                    versoes, 100, janela);
    ASSERT_TRUE(r.falha.isEmpty()) << r.falha.toStdString();
    EXPECT_EQ(r.mortes, 100);
    std::printf("%d kills: %d left the old copy, %d the new, %d unfinished files beside it\n",
                r.mortes, r.porVersao[0], r.porVersao[1], r.sobras);
}

} // namespace
