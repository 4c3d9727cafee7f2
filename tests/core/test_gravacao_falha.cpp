// GravaArquivo against writes that fail for real: the previous data file stays byte for byte,
// nothing is left beside it, and the one message is the failure's number and description.

#include "ArquivoDados.h"
#include "Caminhos.h"
#include "FalhaReal.h"
#include "FormRegistroFalso.h"
#include "ImprimeQt.h"
#include "Registro.h"
#include "ServicosDeTeste.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Anterior =
    "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n"
    "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";

struct CasoFalha {
    TipoFalha tipo;
    QString mensagem;
};
void PrintTo(const CasoFalha& c, std::ostream* os)
{
    *os << NomeTipoFalha(c.tipo);
}

class GravaArquivoFalhaReal : public testing::TestWithParam<CasoFalha>
{
protected:
    void TearDown() override
    {
        FechaExercicio();
        DefinePastaPrograma(QString());
    }
};

TEST_P(GravaArquivoFalhaReal, MantemOArquivoAnteriorEMostraNumeroEDescricao)
{
    FalhaReal falha(GetParam().tipo);
    if (!falha.motivo().isEmpty())
        GTEST_SKIP() << falha.motivo().toStdString();
    if (falha.aceitaAnterior())
        falha.anterior(u"Pravex2005.txt"_s, Anterior);
    const QStringList antes = falha.conteudo();
    DefinePastaPrograma(falha.pasta());
    AbreExercicio(u"2005"_s);

    // About 140 KB: more than the small disk holds and than the file size limit lets through.
    FormRegistroFalso form;
    form.cab = Cabecalho{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s};
    QBuffer buffer;
    buffer.setData(Anterior);
    buffer.open(QIODevice::ReadOnly);
    form.modelo.defineLinhas(
        QList<Adiantamento>(2000, LeArquivoExercicio(buffer).adiantamentos[0]));

    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
    falha.arma();
    if (!falha.motivo().isEmpty())
        GTEST_SKIP() << falha.motivo().toStdString();
    EXPECT_FALSE(GravaArquivo(form, servicos.mensagens));

    EXPECT_EQ(
        servicos.mensagens.caixas(),
        (QList<CaixaMostrada>{{GetParam().mensagem, Icone::Nenhum, Botoes::Ok, u"Pravex"_s}}));
    EXPECT_EQ(falha.conteudo(), antes);
    if (falha.aceitaAnterior()) {
        EXPECT_EQ(LeBytes(QDir(falha.pasta()).filePath(u"Pravex2005.txt"_s)), Anterior);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, GravaArquivoFalhaReal,
    testing::Values(CasoFalha{TipoFalha::DiscoCheio, u"61 - Disco cheio"_s},
                    CasoFalha{TipoFalha::LimiteTamanho, u"61 - Disco cheio"_s},
                    CasoFalha{TipoFalha::SomenteLeitura, u"70 - Permissão negada"_s},
                    CasoFalha{TipoFalha::PastaAusente, u"76 - Caminho não encontrado"_s},
                    CasoFalha{TipoFalha::CaminhoEhArquivo, u"76 - Caminho não encontrado"_s}),
    [](const testing::TestParamInfo<CasoFalha>& info) { return NomeTipoFalha(info.param.tipo); });

} // namespace
