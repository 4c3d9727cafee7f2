#include "ArquivoEnvio.h"
#include "Caminhos.h"
#include "CodificadorEnvio.h"
#include "DiscoPequeno.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"
#include "Win1252.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The bytes of a text as the data file holds it.
QByteArray cp1252(const QString& texto)
{
    return Win1252::codifica(texto).value();
}

QByteArray trailer(const char* digitos)
{
    return QByteArray(",,,,,,,,<<< 1444-FX.") + digitos + ".11-02-00 >>>\r\n";
}

struct CasoCodificacao {
    const char* nome;
    QList<QString> linhas;
    QByteArray saida; // the lines and the trailer, as written
};

void PrintTo(const CasoCodificacao& c, std::ostream* os)
{
    *os << c.nome;
}

class Codificacao : public testing::TestWithParam<CasoCodificacao>
{
};

TEST_P(Codificacao, LinhaComSomaEReboqueComSomaDoArquivo)
{
    CodificadorEnvio codificador;
    QByteArray saida;
    for (const QString& linha : GetParam().linhas)
        codificador.codifica(cp1252(linha), saida);
    saida.append(codificador.trailer());
    EXPECT_EQ(saida, GetParam().saida);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Codificacao,
    testing::Values(
        // 10 + 11 + 12; the file's 00000033 goes out in pairs, last pair first.
        CasoCodificacao{"abc", {u"abc"_s}, "abc,0033\r\n" + trailer("33000000")},
        CasoCodificacao{"MaiusculasEMinusculasPesamIgual",
                        {u"Abc"_s, u"ABC"_s},
                        "Abc,0033\r\nABC,0033\r\n" + trailer("66000000")},
        CasoCodificacao{"EspacoECedilhaPesamZero",
                        {u"  Ç ç "_s},
                        "  \xC7 \xE7 ,0000\r\n" + trailer("00000000")},
        CasoCodificacao{"LinhaVazia", {u""_s}, ",0000\r\n" + trailer("00000000")},
        CasoCodificacao{"SemLinhas", {}, trailer("00000000")},
        CasoCodificacao{"AcentuadasMaiusculasEMinusculas",
                        {u"ÁÀÃÂáàãâ"_s,    // 8 x 36 = 288
                         u"ÉÈÊéèê"_s,      // 6 x 37 = 222
                         u"ÍÌÎíìî"_s,      // 6 x 38 = 228
                         u"ÓÒÕÔóòõô"_s,    // 8 x 39 = 312
                         u"ÚÙÛÜúùûü"_s,    // 8 x 40 = 320
                         u"ÄËÏÖäëïöÑñ"_s}, // not in the table: 0
                        "\xC1\xC0\xC3\xC2\xE1\xE0\xE3\xE2,0288\r\n"
                        "\xC9\xC8\xCA\xE9\xE8\xEA,0222\r\n"
                        "\xCD\xCC\xCE\xED\xEC\xEE,0228\r\n"
                        "\xD3\xD2\xD5\xD4\xF3\xF2\xF5\xF4,0312\r\n"
                        "\xDA\xD9\xDB\xDC\xFA\xF9\xFB\xFC,0320\r\n"
                        "\xC4\xCB\xCF\xD6\xE4\xEB\xEF\xF6\xD1\xF1,0000\r\n" +
                            trailer("70130000")}, // 1370
        CasoCodificacao{"DigitosESinais",
                        {u"1234567890"_s, // 2+3+4+5+6+7+8+9+1+2 = 47
                         u"´ªº.-/,"_s},   // 41+42+43+44+45+46+47 = 308
                        "1234567890,0047\r\n\xB4\xAA\xBA.-/,,0308\r\n" + trailer("55030000")},
        // 697 commas weigh 32759 and "7" weighs 8: exactly the largest line checksum, written
        // with all five digits.
        CasoCodificacao{"SomaMaximaDaLinha",
                        {QString(697, u',') + u'7'},
                        QByteArray(697, ',') + "7,32767\r\n" + trailer("67270300")}),
    [](const testing::TestParamInfo<CasoCodificacao>& info) { return info.param.nome; });

TEST(Codificacao, SomaDaLinhaAlemDe32767EhEstouro)
{
    for (const QByteArray& linha : {QByteArray(697, ',') + "79", QByteArray(698, ',')}) {
        CodificadorEnvio codificador;
        QByteArray saida;
        try {
            codificador.codifica(linha, saida);
            ADD_FAILURE() << "a line of " << linha.size() << " bytes did not overflow";
        } catch (const Falha& falha) {
            EXPECT_EQ(falha, Falha::numerada(Falha::Estouro));
        }
        EXPECT_EQ(saida, QByteArray());
    }
}

TEST(Codificacao, ReboqueTomaOsOitoPrimeirosDigitosEmParesDoUltimoAoPrimeiro)
{
    EXPECT_EQ(TrailerEnvio(12345678), trailer("78563412"));
    EXPECT_EQ(TrailerEnvio(0), trailer("00000000"));
    // Nine digits: only the first eight count.
    EXPECT_EQ(TrailerEnvio(123456789), trailer("78563412"));
}

// Records what the progress bar would be told.
struct AndamentoGravado : AndamentoEnvio {
    QList<int> contagens;
    int linhas = 0;
    void linhasContadas(int total) override { contagens.append(total); }
    void proximaLinha() override { ++linhas; }
};

QStringList conteudo(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                 QDir::Name);
}

TEST(GravacaoEnvio, ArquivoDeTresLinhasByteAByte)
{
    PastaTemporaria pasta;
    const QString dados = pasta.escreve(
        u"Pravex2005.txt"_s,
        cp1252(u"ÓRGÃO DE TESTE DA SILVA,2005,ANA,JOSÉ,,,,\r\n"
               u"0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n"
               u"P-7/2005 nº 2,1,449052,98765432100,joão ávila,0.50,15/03,15/03\r\n"_s));
    const QString envio = pasta.arquivo(u"pravexenvio2005.txt"_s);

    AndamentoGravado andamento;
    EXPECT_EQ(GravaArquivoEnvio(dados, envio, andamento), std::nullopt);

    // Line 1: ÓRGÃO 39+27+16+36+24, DE 13+14, TESTE 29+14+28+29+14, DA 13+10,
    // SILVA 28+18+21+31+10 (414); 2005 3+2+2+6 (13); ANA 43; JOSÉ 19+24+28+37 (108);
    // seven commas 329. Total 907.
    // Line 2: 0012/2005 2+2+2+3+46+3+2+2+6 (68); 345 15; 339030 4+4+1+2+4+2 (17);
    // 12345678909 2+3+4+5+6+7+8+9+1+2+1 (48); CICRANO 12+18+12+27+10+23+24, DA 23,
    // SILVA 108 (257); 1234.56 2+3+4+5+44+6+7 (71); 01/03 56; 31/03 58; commas 329. Total 919.
    // Line 3: P-7/2005 25+45+8+46+13, nº 23+43, 2 3 (206); 1 2; 449052 5+5+1+2+6+3 (22);
    // 98765432100 49; joão 19+24+36+24, ávila 36+31+18+21+10 (219); 0.50 2+44+6+2 (54);
    // 15/03 60 twice; commas 329. Total 1001.
    // File: 907 + 919 + 1001 = 2827, digits 00002827.
    EXPECT_EQ(LeBytes(envio),
              cp1252(u"ÓRGÃO DE TESTE DA SILVA,2005,ANA,JOSÉ,,,,,0907\r\n"
                     u"0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03,"
                     u"0919\r\n"
                     u"P-7/2005 nº 2,1,449052,98765432100,joão ávila,0.50,15/03,15/03,1001\r\n"
                     u",,,,,,,,<<< 1444-FX.27280000.11-02-00 >>>\r\n"_s));
    EXPECT_EQ(andamento.contagens, QList<int>{3});
    EXPECT_EQ(andamento.linhas, 3);
    EXPECT_EQ(conteudo(pasta.caminho()),
              (QStringList{u"Pravex2005.txt"_s, u"pravexenvio2005.txt"_s}));
}

TEST(GravacaoEnvio, LinhasTerminadasEmCrSozinhoEUltimaSemTerminador)
{
    PastaTemporaria pasta;
    // CR alone ends a line; a lone LF is part of its line and weighs nothing.
    const QString dados = pasta.escreve(u"Pravex2005.txt"_s, "abc\rdef\r\n\r\na\nb");
    const QString envio = pasta.escreve(u"pravexenvio2005.txt"_s, "arquivo de uma vez anterior");

    AndamentoGravado andamento;
    EXPECT_EQ(GravaArquivoEnvio(dados, envio, andamento), std::nullopt);
    EXPECT_EQ(LeBytes(envio), QByteArray("abc,0033\r\n"
                                         "def,0042\r\n"
                                         ",0000\r\n"
                                         "a\nb,0021\r\n"
                                         ",,,,,,,,<<< 1444-FX.96000000.11-02-00 >>>\r\n"));
    EXPECT_EQ(andamento.contagens, QList<int>{4});
    EXPECT_EQ(andamento.linhas, 4);
}

TEST(GravacaoEnvio, ArquivoDeDadosVazioDaSoOReboque)
{
    PastaTemporaria pasta;
    const QString dados = pasta.escreve(u"Pravex2005.txt"_s, "");
    const QString envio = pasta.arquivo(u"pravexenvio2005.txt"_s);
    AndamentoGravado andamento;
    EXPECT_EQ(GravaArquivoEnvio(dados, envio, andamento), std::nullopt);
    EXPECT_EQ(LeBytes(envio), trailer("00000000"));
}

// A failing run: the previous submission file, when there is one, stays byte for byte and the
// folders hold nothing new.
struct CasoFalha {
    const char* nome;
    int numero;
    // Prepares the folder; returns the data file's and the submission file's paths.
    std::function<std::pair<QString, QString>(const PastaTemporaria&)> prepara;
};

void PrintTo(const CasoFalha& c, std::ostream* os)
{
    *os << c.nome;
}

const QByteArray EnvioAnterior = "0012/2005,1,339030,1,A,1.00,01/03,01/03,0470\r\n";

class FalhaNaGravacao : public testing::TestWithParam<CasoFalha>
{
};

TEST_P(FalhaNaGravacao, MantemOArquivoAnteriorENaoDeixaTemporario)
{
    PastaTemporaria pasta;
    pasta.escreve(u"pravexenvio2005.txt"_s, EnvioAnterior);
    const auto [dados, envio] = GetParam().prepara(pasta);
    const QStringList antes = conteudo(pasta.caminho());

    AndamentoGravado andamento;
    const std::optional<Falha> falha = GravaArquivoEnvio(dados, envio, andamento);

    EXPECT_EQ(falha, Falha::numerada(GetParam().numero));
    EXPECT_EQ(LeBytes(pasta.arquivo(u"pravexenvio2005.txt"_s)), EnvioAnterior);
    EXPECT_EQ(conteudo(pasta.caminho()), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FalhaNaGravacao,
    testing::Values(
        CasoFalha{"SemArquivoDeDados", Falha::ArquivoNaoEncontrado,
                  [](const PastaTemporaria& p) {
                      return std::pair{p.arquivo(u"Pravex2005.txt"_s),
                                       p.arquivo(u"pravexenvio2005.txt"_s)};
                  }},
        CasoFalha{"LinhaQueEstoura", Falha::Estouro,
                  [](const PastaTemporaria& p) {
                      // 1000 x 35 passes 32767, after a line that was already coded.
                      const QString dados =
                          p.escreve(u"Pravex2005.txt"_s,
                                    "CABECALHO,2005,A,B,,,,\r\n" + QByteArray(1000, 'Z') + "\r\n");
                      return std::pair{dados, p.arquivo(u"pravexenvio2005.txt"_s)};
                  }},
        CasoFalha{"PastaDestinoInexistente", Falha::CaminhoNaoEncontrado,
                  [](const PastaTemporaria& p) {
                      const QString dados = p.escreve(u"Pravex2005.txt"_s, "abc\r\n");
                      return std::pair{dados, p.arquivo(u"nao-existe/pravexenvio2005.txt"_s)};
                  }},
        CasoFalha{"PastaDestinoEhArquivo", Falha::CaminhoNaoEncontrado,
                  [](const PastaTemporaria& p) {
                      const QString dados = p.escreve(u"Pravex2005.txt"_s, "abc\r\n");
                      return std::pair{dados, p.arquivo(u"pravexenvio2005.txt/outro.txt"_s)};
                  }},
        // A pipe at either name is neither read, which would wait forever, nor replaced.
        CasoFalha{"DestinoEhFifo", Falha::ErroAcessoCaminho,
                  [](const PastaTemporaria& p) {
                      const QString dados = p.escreve(u"Pravex2005.txt"_s, "abc\r\n");
                      const QString envio = p.arquivo(u"pravexenvio2006.txt"_s);
                      ::mkfifo(QFile::encodeName(envio).constData(), 0600);
                      return std::pair{dados, envio};
                  }},
        CasoFalha{"DadosEhFifo", Falha::ErroAcessoCaminho,
                  [](const PastaTemporaria& p) {
                      const QString dados = p.arquivo(u"Pravex2005.txt"_s);
                      ::mkfifo(QFile::encodeName(dados).constData(), 0600);
                      return std::pair{dados, p.arquivo(u"pravexenvio2005.txt"_s)};
                  }},
        CasoFalha{"DestinoEhPasta", Falha::ErroAcessoCaminho,
                  [](const PastaTemporaria& p) {
                      const QString dados = p.escreve(u"Pravex2005.txt"_s, "abc\r\n");
                      QDir(p.caminho()).mkdir(u"pravexenvio2006.txt"_s);
                      return std::pair{dados, p.arquivo(u"pravexenvio2006.txt"_s)};
                  }}),
    [](const testing::TestParamInfo<CasoFalha>& info) { return info.param.nome; });

TEST(GravacaoEnvio, DiscoCheioMantemOArquivoAnterior)
{
    PastaTemporaria pasta;
    // About 40 KiB of submission file for a 16 KiB disk that already holds the previous one.
    QByteArray linhas;
    for (int i = 0; i < 400; ++i)
        linhas += "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";
    const QString dados = pasta.escreve(u"Pravex2005.txt"_s, linhas);

    DiscoPequeno disco(16);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    const QString envio = disco.arquivo(u"pravexenvio2005.txt"_s);
    {
        QFile anterior(envio);
        ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
        ASSERT_EQ(anterior.write(EnvioAnterior), EnvioAnterior.size());
    }
    AndamentoEnvio andamento;
    const std::optional<Falha> falha = GravaArquivoEnvio(dados, envio, andamento);
    ASSERT_TRUE(falha.has_value());
    EXPECT_EQ(falha->texto(), u"61 - Disco cheio"_s);
    EXPECT_EQ(LeBytes(envio), EnvioAnterior);
    EXPECT_EQ(conteudo(disco.caminho()), QStringList{u"pravexenvio2005.txt"_s});
}

struct CasoMensagem {
    int numero;
    MensagemEnvio mensagem;
};

TEST(MensagemFalhaEnvio, EscolhidaPeloNumero)
{
    const QString disco =
        u"Você está com problema no arquivo ou em sua unidade de disco. Verifique."_s;
    const QString titulo = u"Gravar arquivo para o ORVAL"_s;
    const CasoMensagem casos[] = {
        {53, {u"Arquivo não encontrado."_s, Icone::Nenhum, {}}},
        {6, {disco, Icone::Parada, titulo}},
        {52, {disco, Icone::Parada, titulo}},
        {61, {disco, Icone::Parada, titulo}},
        {76, {disco, Icone::Parada, titulo}},
        {77, {u"77 - Erro definido pelo aplicativo ou pelo objeto"_s, Icone::Parada, titulo}},
    };
    for (const CasoMensagem& c : casos) {
        const MensagemEnvio m = MensagemFalhaEnvio(Falha::numerada(c.numero));
        EXPECT_EQ(m.texto, c.mensagem.texto) << c.numero;
        EXPECT_EQ(m.icone, c.mensagem.icone) << c.numero;
        EXPECT_EQ(m.titulo, c.mensagem.titulo) << c.numero;
    }
}

} // namespace
