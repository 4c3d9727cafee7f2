// The submission file against writes that fail for real: the previous file stays byte for
// byte, nothing is left beside it, and the command's one message is the disk-problem box.

#include "ArquivoEnvio.h"
#include "FalhaReal.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray EnvioAnterior = "0012/2005,1,339030,1,A,1.00,01/03,01/03,0470\r\n";

class EnvioFalhaReal : public testing::TestWithParam<TipoFalha>
{
};

TEST_P(EnvioFalhaReal, MantemOArquivoAnteriorEMostraOProblemaDeDisco)
{
    // The data file lies where it can be read; only the submission file's folder fails.
    PastaTemporaria origem;
    QByteArray linhas = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n";
    for (int i = 0; i < 2000; ++i)
        linhas += "0012/2005," + QByteArray::number(i + 1) +
                  ",339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";
    const QString dados = origem.escreve(u"Pravex2005.txt"_s, linhas);

    FalhaReal falha(GetParam());
    if (!falha.motivo().isEmpty())
        GTEST_SKIP() << falha.motivo().toStdString();
    const QString envio = QDir(falha.pasta()).filePath(u"pravexenvio2005.txt"_s);
    if (falha.aceitaAnterior())
        falha.anterior(u"pravexenvio2005.txt"_s, EnvioAnterior);
    const QStringList antes = falha.conteudo();
    falha.arma();
    if (!falha.motivo().isEmpty())
        GTEST_SKIP() << falha.motivo().toStdString();

    AndamentoEnvio andamento;
    const std::optional<Falha> resultado = GravaArquivoEnvio(dados, envio, andamento);
    ASSERT_TRUE(resultado.has_value());
    EXPECT_EQ(MensagemFalhaEnvio(*resultado),
              (MensagemEnvio{u"Você está com problema no arquivo ou em sua unidade de disco. "
                             u"Verifique."_s,
                             Icone::Parada, u"Gravar arquivo para o ORVAL"_s}));
    EXPECT_EQ(falha.conteudo(), antes);
    if (falha.aceitaAnterior()) {
        EXPECT_EQ(LeBytes(envio), EnvioAnterior);
    }
    EXPECT_EQ(LeBytes(dados), linhas);
}

INSTANTIATE_TEST_SUITE_P(Tabela, EnvioFalhaReal, testing::ValuesIn(TodasAsFalhas),
                         [](const testing::TestParamInfo<TipoFalha>& info) {
                             return NomeTipoFalha(info.param);
                         });

} // namespace
