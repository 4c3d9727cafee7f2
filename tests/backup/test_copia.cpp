#include "CopiaSegura.h"
#include "DiscoPequeno.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

QStringList conteudo(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                 QDir::Name);
}

// Bytes of every value, CR LF and a lone CR included, over more than one read block.
QByteArray dadosGrandes()
{
    QByteArray b;
    for (int i = 0; i < 300 * 1024; ++i)
        b.append(static_cast<char>(i * 7 % 256));
    return b + "\r\n\r";
}

TEST(CopiaSegura, CopiaByteAByteESubstituiAAnterior)
{
    PastaTemporaria pasta;
    const QByteArray dados = dadosGrandes();
    const QString origem = pasta.escreve(u"Pravex2005.txt"_s, dados);
    ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"copias"_s));
    const QString destino = pasta.arquivo(u"copias/PravexBkp2005.txt"_s);

    EXPECT_EQ(CopiaSegura(origem, destino), std::nullopt);
    EXPECT_EQ(LeBytes(destino), dados);

    pasta.escreve(u"Pravex2005.txt"_s, "curto\r\n");
    EXPECT_EQ(CopiaSegura(origem, destino), std::nullopt);
    EXPECT_EQ(LeBytes(destino), QByteArray("curto\r\n"));
    EXPECT_EQ(conteudo(pasta.arquivo(u"copias"_s)), QStringList{u"PravexBkp2005.txt"_s});

    // An empty source gives an empty copy.
    pasta.escreve(u"Pravex2005.txt"_s, "");
    EXPECT_EQ(CopiaSegura(origem, destino), std::nullopt);
    EXPECT_EQ(LeBytes(destino), QByteArray());
}

const QByteArray Anterior = "ORGAO ANTIGO,2005,A,B,,,,\r\nP1,1,339030,1,X,1.00,01/01,01/01\r\n";

struct CasoFalha {
    const char* nome;
    int numero;
    // Prepares the places in `pasta`; returns the source and the destination.
    std::function<std::pair<QString, QString>(const PastaTemporaria& pasta)> prepara;
};

void PrintTo(const CasoFalha& c, std::ostream* os)
{
    *os << c.nome;
}

class FalhaDaCopiaSegura : public testing::TestWithParam<CasoFalha>
{
};

TEST_P(FalhaDaCopiaSegura, DeixaTudoComoEstava)
{
    PastaTemporaria pasta;
    pasta.escreve(u"PravexBkp2005.txt"_s, Anterior);
    const auto [origem, destino] = GetParam().prepara(pasta);
    const QStringList antes = conteudo(pasta.caminho());
    EXPECT_EQ(CopiaSegura(origem, destino), Falha::numerada(GetParam().numero));
    EXPECT_EQ(LeBytes(pasta.arquivo(u"PravexBkp2005.txt"_s)), Anterior);
    EXPECT_EQ(conteudo(pasta.caminho()), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FalhaDaCopiaSegura,
    testing::Values(
        CasoFalha{
            "OrigemInexistente", Falha::ArquivoNaoEncontrado,
            [](const PastaTemporaria& p) {
                return std::pair{p.arquivo(u"Pravex2005.txt"_s), p.arquivo(u"PravexBkp2005.txt"_s)};
            }},
        CasoFalha{"PastaDestinoInexistente", Falha::CaminhoNaoEncontrado,
                  [](const PastaTemporaria& p) {
                      return std::pair{p.escreve(u"Pravex2005.txt"_s, "abc\r\n"),
                                       p.arquivo(u"sumida/PravexBkp2005.txt"_s)};
                  }},
        CasoFalha{"PastaDestinoEhArquivo", Falha::CaminhoNaoEncontrado,
                  [](const PastaTemporaria& p) {
                      return std::pair{p.escreve(u"Pravex2005.txt"_s, "abc\r\n"),
                                       p.arquivo(u"PravexBkp2005.txt/PravexBkp2005.txt"_s)};
                  }},
        CasoFalha{"DestinoEhPasta", Falha::ErroAcessoCaminho,
                  [](const PastaTemporaria& p) {
                      QDir(p.caminho()).mkdir(u"PravexBkp2004.txt"_s);
                      return std::pair{p.escreve(u"Pravex2005.txt"_s, "abc\r\n"),
                                       p.arquivo(u"PravexBkp2004.txt"_s)};
                  }},
        // A pipe at either name is neither read, which would wait forever, nor replaced.
        CasoFalha{"DestinoEhFifo", Falha::ErroAcessoCaminho,
                  [](const PastaTemporaria& p) {
                      const QString destino = p.arquivo(u"PravexBkp2004.txt"_s);
                      ::mkfifo(QFile::encodeName(destino).constData(), 0600);
                      return std::pair{p.escreve(u"Pravex2005.txt"_s, "abc\r\n"), destino};
                  }},
        CasoFalha{"OrigemEhFifo", Falha::ErroAcessoCaminho,
                  [](const PastaTemporaria& p) {
                      const QString origem = p.arquivo(u"Pravex2005.txt"_s);
                      ::mkfifo(QFile::encodeName(origem).constData(), 0600);
                      return std::pair{origem, p.arquivo(u"PravexBkp2005.txt"_s)};
                  }},
        CasoFalha{
            "OrigemEhPasta", Falha::ErroAcessoCaminho,
            [](const PastaTemporaria& p) {
                QDir(p.caminho()).mkdir(u"Pravex2005.txt"_s);
                return std::pair{p.arquivo(u"Pravex2005.txt"_s), p.arquivo(u"PravexBkp2005.txt"_s)};
            }}),
    [](const testing::TestParamInfo<CasoFalha>& info) { return info.param.nome; });

// A real medium: full, or mounted read-only. The previous copy on it survives byte for byte and
// no temporary file is left.
TEST(CopiaSegura, MidiaCheiaOuSomenteLeituraMantemACopiaAnterior)
{
    PastaTemporaria pasta;
    const QString origem = pasta.escreve(u"Pravex2005.txt"_s, dadosGrandes());
    for (const bool somenteLeitura : {false, true}) {
        DiscoPequeno disco(64);
        if (!disco.motivo().isEmpty())
            GTEST_SKIP() << disco.motivo().toStdString();
        const QString destino = disco.arquivo(u"PravexBkp2005.txt"_s);
        QFile anterior(destino);
        ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
        ASSERT_EQ(anterior.write(Anterior), Anterior.size());
        anterior.close();
        if (somenteLeitura) {
            ASSERT_TRUE(disco.somenteLeitura());
        }
        const QStringList antes = conteudo(disco.caminho());

        const std::optional<Falha> falha = CopiaSegura(origem, destino);
        ASSERT_TRUE(falha.has_value());
        EXPECT_EQ(falha->texto(),
                  somenteLeitura ? u"70 - Permissão negada"_s : u"61 - Disco cheio"_s);
        EXPECT_EQ(LeBytes(destino), Anterior);
        EXPECT_EQ(conteudo(disco.caminho()), antes);
    }
}

TEST(MesmoArquivo, PeloArquivoEmDiscoNaoPeloTextoDoCaminho)
{
    PastaTemporaria pasta;
    const QString a = pasta.escreve(u"a.txt"_s, "x");
    pasta.escreve(u"A.txt"_s, "x");
    ASSERT_TRUE(QFile::link(a, pasta.arquivo(u"atalho.txt"_s)));
    EXPECT_TRUE(MesmoArquivo(a, pasta.caminho() + u"/./a.txt"_s));
    EXPECT_TRUE(MesmoArquivo(a, pasta.arquivo(u"atalho.txt"_s)));
    EXPECT_FALSE(MesmoArquivo(a, pasta.arquivo(u"A.txt"_s)));
    EXPECT_FALSE(MesmoArquivo(a, pasta.arquivo(u"falta.txt"_s)));
}

} // namespace
