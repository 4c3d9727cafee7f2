// Kills a process in the middle of rewriting a large data file with GravaArquivo, many times at
// random points: the file on disk is always one whole version, the old or the new, never a mix
// or a cut.

#include "ArquivoDados.h"
#include "MortesAleatorias.h"
#include "PastaTemporaria.h"
#include "RegistroGrande.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int Linhas = 10'000;
constexpr int Mortes = 100;

QByteArray versao(int v)
{
    PastaTemporaria pasta;
    const QString caminho = pasta.arquivo(u"Pravex2005.txt"_s);
    EXPECT_EQ(EscreveArquivoExercicio(caminho, CabecalhoGrande(v), LinhasGrandes(v, Linhas)),
              std::nullopt);
    return LeBytes(caminho);
}

} // namespace

TEST(MorteNaGravacao, ArquivoSempreInteiroNaVersaoAntigaOuNaNova)
{
    QElapsedTimer relogio;
    relogio.start();
    const QList<QByteArray> versoes{versao(0), versao(1)};
    // Spread the kills over a few whole rewrites.
    const int janela = qMax<qint64>(20, 2 * relogio.elapsed());
    ASSERT_NE(versoes[0], versoes[1]);
    ASSERT_GT(versoes[0].size(), 500'000);

    PastaTemporaria pasta;
    const QString arquivo = pasta.escreve(u"Pravex2005.txt"_s, versoes[0]);
    const ResultadoMortes r =
        MataAoAcaso(QStringLiteral(GRAVA_SEM_PARAR), {pasta.caminho(), QString::number(Linhas)},
                    arquivo, versoes, Mortes, janela);
    ASSERT_TRUE(r.falha.isEmpty()) << r.falha.toStdString();
    EXPECT_EQ(r.mortes, Mortes);
    std::printf("%d kills: %d left the old version, %d the new, %d unfinished files beside it\n",
                r.mortes, r.porVersao[0], r.porVersao[1], r.sobras);
}
