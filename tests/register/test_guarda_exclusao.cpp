// What the data file holds after rows are deleted from the list: the register written again
// while rows are left, no file at all once the last one goes.

#include "Caminhos.h"
#include "Exclusao.h"
#include "FormRegistroFalso.h"
#include "Module1.h"
#include "PastaTemporaria.h"
#include "Registro.h"
#include "ServicosDeTeste.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Cabecalho2005 = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n";
const QByteArray Linhas[] = {
    "P1,10,339030,12345678909,CICRANO DA SILVA,9.00,01/03,31/03\r\n",
    "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02\r\n",
    "P3,30,339014,52998224725,OUTRO CREDOR,11.50,01/04,30/04\r\n",
};

struct CasoExclusao {
    const char* nome;
    int linhas;              // the first rows of Linhas the register holds
    bool comArquivo;         // its data file is on disk
    std::vector<int> apagar; // the rows deleted from the list; none when the clerk declined
    QString orgao;           // the header's órgão when the write comes
    DepoisDaExclusao depois;
    std::optional<QByteArray> arquivo; // the data file afterwards; nothing when there is none
    QStringList caixas;
};

std::vector<CasoExclusao> Casos()
{
    const QString orgao = u"PREFEITURA MUNICIPAL"_s;
    return {
        {"UmaDeTres",
         3,
         true,
         {1},
         orgao,
         DepoisDaExclusao::Gravado,
         Cabecalho2005 + Linhas[0] + Linhas[2],
         {}},
        {"DuasDeTres",
         3,
         true,
         {0, 2},
         orgao,
         DepoisDaExclusao::Gravado,
         Cabecalho2005 + Linhas[1],
         {}},
        {"DesistiuComLinhas",
         2,
         true,
         {},
         orgao,
         DepoisDaExclusao::Gravado,
         Cabecalho2005 + Linhas[0] + Linhas[1],
         {}},
        {"AUltima", 1, true, {0}, orgao, DepoisDaExclusao::Vazio, std::nullopt, {}},
        {"TodasDeTres", 3, true, {0, 1, 2}, orgao, DepoisDaExclusao::Vazio, std::nullopt, {}},
        {"VaziaSemArquivo", 0, false, {}, orgao, DepoisDaExclusao::Vazio, std::nullopt, {}},
        // A register that cannot be written keeps its file as it was, rows deleted or not.
        {"SemOrgaoNaoGrava",
         3,
         true,
         {1},
         QString(),
         DepoisDaExclusao::NaoGravado,
         Cabecalho2005 + Linhas[0] + Linhas[1] + Linhas[2],
         {u"Informe o nome do(a) UGE/Órgão/Entidade"_s}},
        // With no row left the header does not matter: nothing is written.
        {"SemOrgaoAUltima", 1, true, {0}, QString(), DepoisDaExclusao::Vazio, std::nullopt, {}},
    };
}

class GuardaExclusaoTabela : public testing::TestWithParam<CasoExclusao>
{
protected:
    void SetUp() override { DefinePastaPrograma(pasta.caminho()); }
    void TearDown() override
    {
        FechaExercicio();
        Module1::PendenteGravar.clear();
        DefinePastaPrograma(QString());
    }

    PastaTemporaria pasta;
    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
    MensagensRoteiro& mensagens = servicos.mensagens;
    FormRegistroFalso form;
};

TEST_P(GuardaExclusaoTabela, ArquivoDepoisDaExclusao)
{
    const CasoExclusao& caso = GetParam();
    QByteArray bytes = Cabecalho2005;
    for (int i = 0; i < caso.linhas; ++i)
        bytes += Linhas[i];
    // The register as a start shows it: read from its file, which then stays or goes.
    const QString dados = pasta.escreve(NomeArquivoExercicio(u"2005"_s), bytes);
    if (caso.linhas > 0) {
        ASSERT_EQ(CarregaArquivo(dados, form, mensagens, servicos.atividade), 1);
    }
    if (!caso.comArquivo) {
        ASSERT_TRUE(QFile::remove(dados));
    }
    AbreExercicio(u"2005"_s);
    form.cab = Cabecalho{u"2005"_s, caso.orgao, u"FULANO"_s, u"BELTRANO"_s};
    form.modelo.removeLinhas(caso.apagar);
    Module1::PendenteGravar = u"I"_s;

    EXPECT_EQ(GuardaExclusao(form, mensagens), caso.depois);

    if (caso.arquivo) {
        EXPECT_EQ(LeBytes(dados), *caso.arquivo);
    } else {
        EXPECT_FALSE(QFileInfo::exists(dados));
    }
    EXPECT_EQ(mensagens.textos(), caso.caixas);
    // Nothing is left to write where the file holds the list, or where there is no list.
    EXPECT_EQ(Module1::PendenteGravar.isEmpty(), caso.depois != DepoisDaExclusao::NaoGravado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, GuardaExclusaoTabela, testing::ValuesIn(Casos()),
                         [](const testing::TestParamInfo<CasoExclusao>& i) {
                             return i.param.nome;
                         });

} // namespace
