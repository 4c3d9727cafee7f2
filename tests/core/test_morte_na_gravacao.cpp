// Kills a process in the middle of rewriting a large data file, many times at random points:
// the file on disk is always one whole version, the old or the new, never a mix or a cut.

#include "ArquivoDados.h"
#include "PastaTemporaria.h"
#include "RegistroGrande.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

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
    const QByteArray versoes[2] = {versao(0), versao(1)};
    ASSERT_NE(versoes[0], versoes[1]);
    ASSERT_GT(versoes[0].size(), 500'000);

    PastaTemporaria pasta;
    const QString arquivo = pasta.escreve(u"Pravex2005.txt"_s, versoes[0]);

    // One rewrite's time here, so that the kills spread over a few whole rewrites.
    QElapsedTimer relogio;
    relogio.start();
    versao(1);
    const int janela = qMax<qint64>(20, 3 * relogio.elapsed());

    int antigas = 0;
    int novas = 0;
    int sobras = 0;
    QRandomGenerator sorteio(20050301);
    for (int morte = 0; morte < Mortes; ++morte) {
        QProcess gravador;
        gravador.start(QStringLiteral(GRAVA_SEM_PARAR), {pasta.caminho(), QString::number(Linhas)});
        ASSERT_TRUE(gravador.waitForStarted());
        ASSERT_TRUE(gravador.waitForReadyRead(60'000)) << gravador.readAllStandardError().data();
        QThread::usleep(sorteio.bounded(janela * 1000));
        gravador.kill();
        ASSERT_TRUE(gravador.waitForFinished());
        ASSERT_EQ(gravador.exitStatus(), QProcess::CrashExit)
            << gravador.readAllStandardError().data();

        const QByteArray noDisco = LeBytes(arquivo);
        if (noDisco == versoes[0])
            ++antigas;
        else if (noDisco == versoes[1])
            ++novas;
        else
            FAIL() << "kill " << morte << " left " << noDisco.size() << " bytes of neither version";

        // A kill can leave the unfinished new file beside the data file; it is never the file.
        const QStringList outros =
            QDir(pasta.caminho()).entryList(QDir::Files | QDir::Hidden).filter(u".Pravex"_s);
        for (const QString& nome : outros) {
            if (nome != u"Pravex2005.txt"_s) {
                ++sobras;
                QFile::remove(pasta.arquivo(nome));
            }
        }
    }
    EXPECT_EQ(antigas + novas, Mortes);
    std::printf("%d kills: %d left the old version, %d the new, %d unfinished files beside it\n",
                Mortes, antigas, novas, sobras);
}
