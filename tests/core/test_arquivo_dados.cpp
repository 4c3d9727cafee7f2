#include "ArquivoDados.h"
#include "Caminhos.h"
#include "DiscoPequeno.h"
#include "ImprimeQt.h"
#include "LeitorBytes.h"
#include "PastaTemporaria.h"
#include "UmBytePorVez.h"
#include "Win1252.h"

#include <QBuffer>
#include <QDir>

#include <variant>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Exemplo =
    "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,\r\n"
    "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03\r\n";

ConteudoExercicio le(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LeArquivoExercicio(buffer);
}

int numeroDaFalha(const QByteArray& bytes)
{
    try {
        le(bytes);
    } catch (const Falha& f) {
        return f.numero;
    }
    return 0;
}

// What reading gave: the register, or the failure's number.
std::variant<int, ConteudoExercicio> Leitura(QIODevice& dispositivo)
{
    try {
        return LeArquivoExercicio(dispositivo);
    } catch (const Falha& f) {
        return f.numero;
    }
}

QStringList nomesNaPasta(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(ArquivoDados, ExemploVaiEVoltaByteAByte)
{
    const ConteudoExercicio c = le(Exemplo);
    EXPECT_EQ(c.cabecalho,
              (Cabecalho{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s}));
    ASSERT_EQ(c.adiantamentos.size(), 1);
    const Adiantamento& a = c.adiantamentos[0];
    EXPECT_EQ(TextoColuna(a, Coluna::ElementoEconomico), u"339030  MATERIAL DE CONSUMO"_s);
    EXPECT_EQ(TextoColuna(a, Coluna::Valor), u"1.234,56"_s);

    PastaTemporaria pasta;
    const QString caminho = pasta.arquivo(u"Pravex2005.txt"_s);
    ASSERT_EQ(EscreveArquivoExercicio(caminho, c.cabecalho, c.adiantamentos), std::nullopt);
    EXPECT_EQ(LeBytes(caminho), Exemplo);
}

TEST(ArquivoDados, CamposLidosComoFluxo)
{
    // Quotes dropped (and their commas kept), leading blanks skipped, trailing blanks kept,
    // a record split over two lines, and the last line without its line end.
    const ConteudoExercicio c = le("\"ORGAO, DA CIDADE\",2005,  ELAB ,RESP  ,,,,\r\n"
                                   "\"P 1\",000345,999999,12345678909\r\nNOME,7.00,01/03,31/03\r\n"
                                   "P2,12,12345,52998224725,OUTRO,-5.00,02/03,03/03");
    EXPECT_EQ(c.cabecalho, (Cabecalho{u"2005"_s, u"ORGAO, DA CIDADE"_s, u"ELAB "_s, u"RESP  "_s}));
    ASSERT_EQ(c.adiantamentos.size(), 2);
    EXPECT_EQ(c.adiantamentos[0].processo, u"P 1"_s);
    EXPECT_EQ(c.adiantamentos[0].notaEmpenho, u"345"_s);
    EXPECT_EQ(TextoColuna(c.adiantamentos[0], Coluna::ChaveNe), u"000000345"_s);
    EXPECT_EQ(c.adiantamentos[0].nome, u"NOME"_s);
    EXPECT_EQ(TextoColuna(c.adiantamentos[0], Coluna::Valor), u"7,00"_s);
    // A code outside the catalogue loads as no element and is written back as an empty field.
    EXPECT_EQ(c.adiantamentos[1].elemento, 0);
    EXPECT_EQ(TextoColuna(c.adiantamentos[1], Coluna::ChaveEe), QString());
    EXPECT_EQ(LinhaAdiantamento(c.adiantamentos[1]),
              "P2,12,,52998224725,OUTRO,-5.00,02/03,03/03\r\n");
}

TEST(ArquivoDados, CamposQueCruzamOFimDoBlocoLido)
{
    // The reader takes 64 KiB at a time: a field cut by the end of a block is read whole.
    const QByteArray orgao(65534, 'O');
    const ConteudoExercicio c = le(orgao + ",2005,E,R,,,,\r\n");
    EXPECT_EQ(c.cabecalho, (Cabecalho{u"2005"_s, QString::fromLatin1(orgao), u"E"_s, u"R"_s}));

    const QByteArray aspas(65533, 'A');
    EXPECT_EQ(le("\"" + aspas + ", B\",2005,E,R,,,,\r\n").cabecalho.orgao,
              QString::fromLatin1(aspas + ", B"));
}

// Lines as the program writes them are read whole; any other falls back to the reading field
// by field. Both give the same register, or the same failure, whatever the line holds.
TEST(ArquivoDados, LinhaInteiraOuCampoACampoDaoOMesmo)
{
    const QByteArray linha =
        "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03";
    const QByteArray cabecalho = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,";
    const std::pair<const char*, QByteArray> casos[] = {
        {"exemplo", Exemplo},
        {"so o cabecalho", cabecalho + "\r\n"},
        {"vazio", {}},
        {"so CR", cabecalho + "\r" + linha + "\r"},
        {"ultima sem fim de linha", cabecalho + "\r\n" + linha},
        {"linha vazia", cabecalho + "\r\n\r\n" + linha + "\r\n"},
        {"brancos e tabulacoes", cabecalho + "\r\n \t0012/2005 ,\t345, 339030 ,12345678909,  "
                                             "CICRANO , 1234.56,01/03 , 31/03\t\r\n"},
        {"oito virgulas", cabecalho + "\r\n" + linha + ",X\r\n" + linha + "\r\n"},
        {"seis virgulas", cabecalho + "\r\nP,1,339030,12345678909,N,1.00,01/03\r\n31/03,P2,2,"
                                      "339030,12345678909,N,1.00,01/03\r\n31/03\r\n"},
        {"aspas", cabecalho + "\r\n\"0012, 2005\",345,339030,12345678909, \"CICRANO\" ,"
                              "1234.56,01/03,31/03\r\n"},
        {"aspa que nao fecha", cabecalho + "\r\n\"0012/2005,345\r\n"},
        {"avanco de linha sozinho", cabecalho + "\r\n0012\n2005,345,339030,12345678909,C,"
                                                "1234.56,01/03,31/03\r\n"},
        {"acentos e euro", cabecalho + "\r\nJOS\xc9,345,339030,12345678909,\x80 CONCEI\xc7\xc3O,"
                                       "1.00,01/03,31/03\r\n"},
        {"byte indefinido", cabecalho + "\r\n0012\x81,345,339030,1,C,1.00,01/03,31/03\r\n"},
        {"byte nulo", cabecalho + "\r\n0012"_ba + '\0' + ",345,339030,1,C,1.00,01/03,31/03\r\n"},
        {"valor curto", cabecalho + "\r\nP,1,339030,1,C,50,01/03,31/03\r\n"},
        {"ne com zeros", cabecalho + "\r\nP, 000345 ,339030,1,C,1.00,01/03,31/03\r\n"},
        {"ne nao numerica", cabecalho + "\r\nP,34A,339030,1,C,1.00,01/03,31/03\r\n"},
    };
    for (const auto& [nome, bytes] : casos) {
        SCOPED_TRACE(nome);
        QBuffer inteiro;
        inteiro.setData(bytes);
        inteiro.open(QIODevice::ReadOnly);
        UmBytePorVez campoACampo(bytes);
        const auto esperado = Leitura(campoACampo);
        const auto lido = Leitura(inteiro);
        ASSERT_EQ(lido.index(), esperado.index());
        if (const auto* numero = std::get_if<int>(&esperado)) {
            EXPECT_EQ(std::get<int>(lido), *numero);
            continue;
        }
        const auto& a = std::get<ConteudoExercicio>(lido);
        const auto& b = std::get<ConteudoExercicio>(esperado);
        EXPECT_EQ(a.cabecalho, b.cabecalho);
        EXPECT_EQ(a.adiantamentos, b.adiantamentos);
        EXPECT_EQ(a.registros, b.registros);
    }
}

TEST(ArquivoDados, CampoNoLimiteDeTamanho)
{
    EXPECT_EQ(le(QByteArray(TamanhoMaximoLinha, 'x') + ",2005,E,R,,,,\r\n").cabecalho.orgao.size(),
              TamanhoMaximoLinha);
    EXPECT_NE(numeroDaFalha(QByteArray(TamanhoMaximoLinha + 1, 'x') + ",2005,E,R,,,,\r\n"), 0);
}

TEST(ArquivoDados, ContagemDeLinhasComoALeitura)
{
    // The counting pass and the line reader must agree on every way a line can end, also where
    // a CR LF is cut by the end of a 64 KiB block.
    const QByteArray bloco(65535, 'x');
    const struct {
        const char* nome;
        QByteArray bytes;
        qint64 linhas;
    } casos[] = {
        {"vazio", "", 0},
        {"semFimDeLinha", "a", 1},
        {"soCr", "a\r", 1},
        {"crLf", "a\r\n", 1},
        {"ultimaSemFim", "a\r\nb", 2},
        {"linhasVazias", "\r\r\n\r", 3},
        {"lfSozinhoNaoTermina", "a\nb\r\n", 1},
        {"lfDepoisDeCrLf", "a\r\n\n", 2},
        {"crLfCortadoPeloBloco", bloco + "\r\nb", 2},
        {"crNoFimDoBloco", bloco + "\r", 1},
        {"crNoInicioDoBloco", bloco + "x\r\n", 1},
    };
    PastaTemporaria pasta;
    for (const auto& caso : casos) {
        const QString caminho = pasta.escreve(QString::fromLatin1(caso.nome), caso.bytes);
        qint64 lidas = 0;
        PercorreLinhas(caminho, [&](const QByteArray&) {
            ++lidas;
            return true;
        });
        EXPECT_EQ(lidas, caso.linhas) << caso.nome;
        EXPECT_EQ(ContaLinhasArquivo(caminho), caso.linhas) << caso.nome;
    }
    EXPECT_THROW(ContaLinhasArquivo(pasta.arquivo(u"nada.txt"_s)), Falha);
    EXPECT_THROW(ContaLinhasArquivo(pasta.caminho()), Falha);
}

// Found by fuzzing: blanks at the start of a quoted field are kept when read, but the writer
// does not quote, so the next reading skips them; after that the register stays as it is.
TEST(ArquivoDados, BrancosIniciaisEntreAspasNaoSobrevivemAUmaGravacao)
{
    const ConteudoExercicio lido = le("\" ORGAO\",\" 2005\",E,R,,,,\r\n");
    EXPECT_EQ(lido.cabecalho.orgao, u" ORGAO"_s);
    const QByteArray gravado = LinhaCabecalho(lido.cabecalho);
    EXPECT_EQ(gravado, " ORGAO, 2005,E,R,,,,\r\n");
    const ConteudoExercicio relido = le(gravado);
    EXPECT_EQ(relido.cabecalho, (Cabecalho{u"2005"_s, u"ORGAO"_s, u"E"_s, u"R"_s}));
    EXPECT_EQ(LinhaCabecalho(le(LinhaCabecalho(relido.cabecalho)).cabecalho),
              LinhaCabecalho(relido.cabecalho));
}

TEST(ArquivoDados, SoOCabecalho)
{
    const ConteudoExercicio c = le("ORGAO,2005,E,R,,,,\r\n");
    EXPECT_EQ(c.cabecalho.orgao, u"ORGAO"_s);
    EXPECT_TRUE(c.adiantamentos.isEmpty());
}

TEST(ArquivoDados, ValorVoltaComDuasCasas)
{
    Adiantamento a;
    a.valor = 123456789;
    a.notaEmpenho = u"1"_s;
    EXPECT_EQ(LinhaAdiantamento(a), ",1,,,,1234567.89,,\r\n");
}

struct CasoRuim {
    const char* nome;
    QByteArray bytes;
};
void PrintTo(const CasoRuim& c, std::ostream* os)
{
    *os << c.nome;
}

class ArquivoForaDoLayout : public testing::TestWithParam<CasoRuim>
{
};

TEST_P(ArquivoForaDoLayout, ELeituraFalha)
{
    EXPECT_NE(numeroDaFalha(GetParam().bytes), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, ArquivoForaDoLayout,
    testing::Values(
        CasoRuim{"ValorCurto", "O,2005,E,R,,,,\r\nP,1,339030,12345678909,N,50,01/03,31/03\r\n"},
        CasoRuim{"ValorSemCasas",
                 "O,2005,E,R,,,,\r\nP,1,339030,12345678909,N,12.5,01/03,31/03\r\n"},
        CasoRuim{"TerminaNoMeioDoRegistro", "O,2005,E,R,,,,\r\nP,1,339030\r\n"},
        CasoRuim{"NotaNaoNumerica", "O,2005,E,R,,,,\r\nP,12A,339030,1,N,1.00,01/03,31/03\r\n"},
        CasoRuim{"BytesNulos",
                 "O,2005,E,R,,,,\r\nP,1,339030,1,N"_ba + '\0' + "O,1.00,01/03,31/03\r\n"_ba},
        CasoRuim{"ByteIndefinido", "O,2005,E,R\x81,,,,\r\n"},
        CasoRuim{"LinhaDeUmMega", QByteArray(1024 * 1024, 'x') + ",2005,E,R,,,,\r\n"},
        CasoRuim{"SemFinsDeLinha", QByteArray(200000, 'y')}),
    [](const testing::TestParamInfo<CasoRuim>& info) { return info.param.nome; });

TEST(ArquivoDados, CaminhoAusenteOuPasta)
{
    PastaTemporaria pasta;
    EXPECT_THROW(LeArquivoExercicio(pasta.arquivo(u"nada.txt"_s)), Falha);
    EXPECT_THROW(LeArquivoExercicio(pasta.caminho()), Falha);
}

TEST(ArquivoDados, RegistrosAlemDe16BitsEstouram)
{
    QByteArray bytes = "O,2005,E,R,,,,\r\n";
    const QByteArray linha = "P,1,339030,12345678909,N,1.00,01/03,31/03\r\n";
    for (int i = 0; i < 32767; ++i)
        bytes += linha;
    EXPECT_EQ(numeroDaFalha(bytes), Falha::Estouro);
    bytes.chop(linha.size());
    EXPECT_EQ(le(bytes).adiantamentos.size(), 32766);
}

TEST(ArquivoDados, CadaCaractereGravadoComoOCodecOGrava)
{
    // Every character the writer might meet, inside a field: written as the code page's byte,
    // or the line refused when the code page has none or the character would cut the field.
    QList<char16_t> caracteres;
    for (char16_t c = 0; c < 0x200; ++c)
        caracteres << c;
    caracteres << u'€' << u'\u2122' << u'\u0178' << u'\uFFFF' << char16_t(0xD800);
    for (const char16_t c : caracteres) {
        Adiantamento a;
        a.notaEmpenho = u"1"_s;
        a.nome = u"A"_s + QChar(c) + u"B"_s;
        const std::optional<QByteArray> byte = Win1252::codifica(QStringView(&c, 1));
        const bool separador = c == u',' || c == u'\r' || c == u'\n';
        if (byte && !separador) {
            EXPECT_EQ(LinhaAdiantamento(a), ",1,,,A" + *byte + "B,0.00,,\r\n") << int(c);
        } else {
            EXPECT_THROW(LinhaAdiantamento(a), Falha) << int(c);
        }
    }
}

TEST(ArquivoDados, TextoQueOArquivoNaoComportaERecusado)
{
    PastaTemporaria pasta;
    const QString caminho = pasta.escreve(u"Pravex2005.txt"_s, Exemplo);
    Cabecalho cab{u"2005"_s, u"ORGAO"_s, u"E"_s, u"R"_s};
    for (const QString& nome : {u"NOME \u0100"_s, u"NOME, COM VIRGULA"_s}) {
        Adiantamento a;
        a.nome = nome;
        const std::optional<Falha> falha = EscreveArquivoExercicio(caminho, cab, {a});
        ASSERT_TRUE(falha.has_value());
        EXPECT_EQ(falha->numero, Falha::ArgumentoInvalido);
        EXPECT_EQ(LeBytes(caminho), Exemplo);
        EXPECT_EQ(nomesNaPasta(pasta.caminho()), QStringList{u"Pravex2005.txt"_s});
    }
    // The euro sign has a byte of its own in the code page.
    Adiantamento euro;
    euro.nome = u"€"_s;
    EXPECT_EQ(EscreveArquivoExercicio(caminho, cab, {euro}), std::nullopt);
    EXPECT_TRUE(LeBytes(caminho).contains(",\x80,"));
}

// A failed write leaves the previous data file byte for byte and no temporary file.
class GravacaoQueFalha : public testing::Test
{
protected:
    QList<Adiantamento> muitasLinhas() const
    {
        Adiantamento a = le(Exemplo).adiantamentos[0];
        return QList<Adiantamento>(2000, a);
    }
    const Cabecalho cab{u"2005"_s, u"PREFEITURA MUNICIPAL"_s, u"FULANO"_s, u"BELTRANO"_s};
};

TEST_F(GravacaoQueFalha, DiscoCheio)
{
    DiscoPequeno disco(64);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    const QString caminho = disco.arquivo(u"Pravex2005.txt"_s);
    ASSERT_EQ(EscreveArquivoExercicio(caminho, cab, {}), std::nullopt);
    const QByteArray anterior = LeBytes(caminho);
    disco.enche();

    const std::optional<Falha> falha = EscreveArquivoExercicio(caminho, cab, muitasLinhas());
    ASSERT_TRUE(falha.has_value());
    EXPECT_EQ(falha->numero, Falha::DiscoCheio);
    EXPECT_EQ(LeBytes(caminho), anterior);
    EXPECT_EQ(nomesNaPasta(disco.caminho()), (QStringList{u".enchimento"_s, u"Pravex2005.txt"_s}));
}

TEST_F(GravacaoQueFalha, MidiaSomenteLeitura)
{
    DiscoPequeno disco(256);
    if (!disco.motivo().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    const QString caminho = disco.arquivo(u"Pravex2005.txt"_s);
    ASSERT_EQ(EscreveArquivoExercicio(caminho, cab, {}), std::nullopt);
    const QByteArray anterior = LeBytes(caminho);
    ASSERT_TRUE(disco.somenteLeitura());

    const std::optional<Falha> falha = EscreveArquivoExercicio(caminho, cab, muitasLinhas());
    ASSERT_TRUE(falha.has_value());
    EXPECT_EQ(falha->numero, Falha::PermissaoNegada);
    EXPECT_EQ(LeBytes(caminho), anterior);
}

TEST_F(GravacaoQueFalha, PastaAusenteOuArquivoNoCaminho)
{
    PastaTemporaria pasta;
    pasta.escreve(u"arquivo"_s, "x");
    for (const QString& caminho : {pasta.arquivo(u"nao-existe/Pravex2005.txt"_s),
                                   pasta.arquivo(u"arquivo/Pravex2005.txt"_s)}) {
        const std::optional<Falha> falha = EscreveArquivoExercicio(caminho, cab, muitasLinhas());
        ASSERT_TRUE(falha.has_value());
        EXPECT_EQ(falha->numero, Falha::CaminhoNaoEncontrado);
    }
    EXPECT_EQ(nomesNaPasta(pasta.caminho()), QStringList{u"arquivo"_s});
}

TEST(Caminhos, UmSoSeparador)
{
    EXPECT_EQ(JuntaCaminho(u"/"_s, NomeArquivoExercicio(u" 2005 "_s)), u"/Pravex2005.txt"_s);
    EXPECT_EQ(JuntaCaminho(u"/opt/pravex"_s, u"Pravex2005.txt"_s), u"/opt/pravex/Pravex2005.txt"_s);
    EXPECT_EQ(JuntaCaminho(u"/opt/pravex/"_s, u"Pravex2005.txt"_s),
              u"/opt/pravex/Pravex2005.txt"_s);
    EXPECT_EQ(NomeArquivoEnvio(u"2005"_s), u"pravexenvio2005.txt"_s);
    EXPECT_EQ(NomeArquivoBackup(u"2005"_s), u"PravexBkp2005.txt"_s);
}

TEST(Win1252, CadaByteDefinidoVaiEVolta)
{
    QByteArray todos;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            todos.append(static_cast<char>(b));
    }
    const std::optional<QString> texto = Win1252::decodificaEstrito(todos);
    ASSERT_TRUE(texto.has_value());
    EXPECT_EQ(texto->at(0x80 - 1), QChar(0x20AC));
    EXPECT_EQ(Win1252::codifica(*texto), todos);
    EXPECT_EQ(Win1252::codifica(u"Ação"_s), QByteArray("A\xE7\xE3o"));
    EXPECT_EQ(Win1252::decodificaEstrito("a\x81"), std::nullopt);
    EXPECT_EQ(Win1252::decodificaEstrito(QByteArray("a\0b", 3)), std::nullopt);
    EXPECT_EQ(Win1252::codifica(u"Ā"_s), std::nullopt);
    EXPECT_EQ(Win1252::codifica(QString(QChar(0x81))), std::nullopt);
}
