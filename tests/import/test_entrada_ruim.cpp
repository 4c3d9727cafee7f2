// Bad input, one table: every file goes through the three readers the operator can reach it
// with (the exercise start's verification, the import's verification, and the data file reader
// that loads an exercise and restores a backup without verifying it). Each shows its message or
// passes; none crashes, and what the reader loads it writes back unchanged.

#include "ArquivoDados.h"
#include "Caminhos.h"
#include "DuplosVerificacao.h"
#include "FormRegistroFalso.h"
#include "ImprimeQt.h"
#include "Module1.h"
#include "PastaTemporaria.h"
#include "Registro.h"
#include "ServicosDeTeste.h"
#include "Verificacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Cabecalho2005 = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,";
const QByteArray Linha = "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03";

QByteArray comNome(const QByteArray& nome)
{
    return QByteArray(Linha).replace("CICRANO DA SILVA", nome);
}

QByteArray crlf(std::initializer_list<QByteArray> linhas)
{
    QByteArray bytes;
    for (const QByteArray& linha : linhas)
        bytes += linha + "\r\n";
    return bytes;
}

// What one reader showed: no text when the file passed.
struct Visto {
    QString texto;
    Icone icone = Icone::Parada;
    bool bipe = false;
};

const QString Carga =
    u"Informações fora do layout esperado, ou não é o arquivo correto. Verifique"_s;

QString foraA(int linha)
{
    return u"Informações fora do layout esperado, ou não é o arquivo correto. Linha "_s +
           QString::number(linha) + u". Verifique"_s;
}
QString foraI(int linha)
{
    return u"Informação fora do layout esperado. Linha "_s + QString::number(linha) +
           u", ou não é o arquivo correto. Verifique"_s;
}
QString inesperadoI(int numero, int linha)
{
    return u"Erro inesperado na Verificação: "_s + QString::number(numero) +
           u". Uma informação prevista não foi consistida pelo programa ou o arquivo está sem "
           u"quebra de linhas, verifique a linha "_s +
           QString::number(linha) + u". Verifique"_s;
}

struct Caso {
    const char* nome;
    // Makes the file (or what stands at its path) in the folder; returns the path.
    std::function<QString(const PastaTemporaria&)> prepara;
    Visto arquivo;          // the exercise start's verification (exercise 2005)
    Visto importacao;       // the import's verification
    int advancesCarregados; // -1: the reader refuses it with its layout message
    // What the data file writer then writes from what was loaded; empty: nothing to write.
    QByteArray regravado = {};
    // The file is removed at the first pass of the event loop, after the lines were counted.
    bool someEntrePassagens = false;
};
void PrintTo(const Caso& c, std::ostream* os)
{
    *os << c.nome;
}

std::function<QString(const PastaTemporaria&)> bytes(QByteArray conteudo)
{
    return [conteudo](const PastaTemporaria& p) { return p.escreve(u"entrada.txt"_s, conteudo); };
}

QByteArray linhas(int quantas)
{
    QByteArray saida = Cabecalho2005 + "\r\n";
    for (int ne = 1; ne < quantas; ++ne)
        saida += QByteArray(Linha).replace(",345,", "," + QByteArray::number(ne) + ",") + "\r\n";
    return saida;
}

std::vector<Caso> Casos()
{
    const QByteArray megabyte(1 << 20, 'X');
    const QByteArray utf8 =
        crlf({"\xEF\xBB\xBFPREFEITURA DE S\xC3\x83O JOS\xC3\x89,2005,FULANO,BELTRANO,,,,",
              comNome("JO\xC3\x83O DA CONCEI\xC3\x87\xC3\x83O")});
    return {
        {"BytesNulos",
         bytes(crlf({Cabecalho2005, comNome(QByteArray("CICRANO\0SILVA", 13))})),
         {foraA(2)},
         {foraI(2)},
         -1},
        {"CrSozinho",
         bytes(Cabecalho2005 + "\r" + Linha + "\r"),
         {},
         {},
         1,
         crlf({Cabecalho2005, Linha})},
        // The verifiers see one long line; the reader ends a field at a line feed, as the
        // writer never puts one inside a field.
        {"LfSozinho",
         bytes(Cabecalho2005 + "\n" + Linha + "\n"),
         {foraA(1), Icone::Parada, true},
         {foraI(1), Icone::Parada, true},
         1,
         crlf({Cabecalho2005, Linha})},
        {"ByteIndefinido",
         bytes(crlf({Cabecalho2005, comNome("CICRANO \x81 SILVA")})),
         {foraA(2)},
         {foraI(2)},
         -1},
        // Each byte of UTF-8 text is a letter of the code page: it passes, loads, and is
        // written back byte for byte.
        {"TextoUtf8", bytes(utf8), {}, {}, 1, utf8},
        {"LinhaDeUmMega",
         bytes(crlf({Cabecalho2005, megabyte})),
         {foraA(2), Icone::Parada, true},
         {foraI(2), Icone::Parada, true},
         -1},
        {"CampoDeUmMega",
         bytes(crlf({Cabecalho2005, comNome(megabyte)})),
         {u"Estouro"_s, Icone::Nenhum},
         {inesperadoI(6, 2)},
         -1},
        {"VirgulasDuzentasECinquentaECinco",
         bytes(crlf({Cabecalho2005, "0012/2005" + QByteArray(255, ',')})),
         {foraA(2), Icone::Parada, true},
         {foraI(2), Icone::Parada, true},
         -1},
        {"VirgulasDuzentasECinquentaESeis",
         bytes(crlf({Cabecalho2005, "0012/2005" + QByteArray(256, ',')})),
         {foraA(2), Icone::Parada, true},
         {foraI(2), Icone::Parada, true},
         -1},
        // Records are counted in 16 bits: the verifiers pass it, the reader overflows.
        {"QuarentaMilLinhas", bytes(linhas(40'000)), {}, {}, -1},
        {"ArquivoVazio", bytes({}), {}, {}, 0},
        {"PastaNoLugarDoArquivo",
         [](const PastaTemporaria& p) {
             QDir(p.caminho()).mkdir(u"pasta.txt"_s);
             return p.arquivo(u"pasta.txt"_s);
         },
         {u"Erro de acesso ao caminho/arquivo"_s, Icone::Nenhum},
         {inesperadoI(75, 0)},
         -1},
        // A pipe would wait for a writer forever: refused as a folder is, at once.
        {"FifoNoLugarDoArquivo",
         [](const PastaTemporaria& p) {
             const QString caminho = p.arquivo(u"fifo.txt"_s);
             if (!QFileInfo::exists(caminho))
                 ::mkfifo(QFile::encodeName(caminho).constData(), 0600);
             return caminho;
         },
         {u"Erro de acesso ao caminho/arquivo"_s, Icone::Nenhum},
         {inesperadoI(75, 0)},
         -1},
        // Each reader takes the file from disk once for all its passes: removed after the
        // first, it is still read whole and alike by the others.
        {"SomeEntreAsPassagens",
         bytes(crlf({Cabecalho2005, Linha})),
         {},
         {},
         1,
         crlf({Cabecalho2005, Linha}),
         true},
        // A double quote encloses a whole field or nothing: the readers would cut the field at
        // it, dropping what follows, or run it into the next line.
        {"TextoDepoisDaAspa",
         bytes(crlf({Cabecalho2005, comNome("\"CIC\"RANO DA SILVA")})),
         {foraA(2)},
         {foraI(2)},
         -1},
        {"AspaNoMeioDoCampo",
         bytes(crlf({Cabecalho2005, comNome("CIC\"RANO DA SILVA")})),
         {foraA(2)},
         {foraI(2)},
         -1},
        {"AspaQueNaoFecha",
         bytes(crlf({"\"PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,", Linha})),
         {foraA(1)},
         {foraI(1)},
         -1},
        {"CampoInteiroEntreAspas",
         bytes(crlf({Cabecalho2005, comNome(" \"CICRANO DA SILVA\" ")})),
         {},
         {},
         1,
         crlf({Cabecalho2005, Linha})},
        // Blanks after a period are not part of it.
        {"PeriodosComBrancos",
         bytes(crlf({Cabecalho2005, QByteArray(Linha).replace("01/03,31/03", "01/03 ,31/03  ")})),
         {},
         {},
         1,
         crlf({Cabecalho2005, Linha})},
        // Found by fuzzing: leading zeros the verifier drops made the reader refuse the NE.
        {"NeComVinteZerosAEsquerda",
         bytes(crlf(
             {Cabecalho2005, QByteArray(Linha).replace(",345,", ",00000000000000000000345,")})),
         {},
         {},
         1,
         crlf({Cabecalho2005, Linha})},
    };
}

class EntradaRuim : public testing::TestWithParam<Caso>
{
protected:
    void SetUp() override
    {
        DefinePastaPrograma(pasta.caminho());
        AbreExercicio(u"2005"_s);
    }
    void TearDown() override
    {
        FechaExercicio();
        DefinePastaPrograma(QString());
    }

    // The path, prepared anew for each reader, with the event loop armed to remove it.
    QString prepara(AtividadeRoteiro& atividade)
    {
        const QString caminho = GetParam().prepara(pasta);
        if (GetParam().someEntrePassagens)
            atividade.aCadaPassagem = [caminho] { QFile::remove(caminho); };
        return caminho;
    }

    void confere(const std::optional<RecusaLinha>& recusa, const Visto& esperado)
    {
        if (esperado.texto.isEmpty()) {
            EXPECT_EQ(recusa, std::nullopt);
            return;
        }
        ASSERT_TRUE(recusa.has_value());
        EXPECT_EQ(recusa->texto, esperado.texto);
        EXPECT_EQ(recusa->icone, esperado.icone);
        EXPECT_EQ(recusa->bipe, esperado.bipe);
    }

    PastaTemporaria pasta;
};

TEST_P(EntradaRuim, CadaLeitorMostraSuaMensagemSemQuebrar)
{
    Diario diario;
    PainelGravado painel(diario);
    {
        AtividadeRoteiro atividade;
        const QString caminho = prepara(atividade);
        confere(Verifica(caminho, VarianteVerificacao::arquivo(), u"2005"_s, painel, atividade),
                GetParam().arquivo);
    }
    {
        AtividadeRoteiro atividade;
        const QString caminho = prepara(atividade);
        confere(Verifica(caminho, VarianteVerificacao::importacao(), {}, painel, atividade),
                GetParam().importacao);
    }

    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
    const QString caminho = prepara(servicos.atividade);
    FormRegistroFalso form;
    form.cab = Cabecalho{u"2005"_s, u"ORGAO ABERTO"_s, u"ELABORADOR"_s, u"RESPONSAVEL"_s};
    const int carregados = GetParam().advancesCarregados;
    const int resultado = CarregaArquivo(caminho, form, servicos.mensagens, servicos.atividade);
    if (carregados < 0) {
        EXPECT_EQ(resultado, 0);
        EXPECT_EQ(servicos.mensagens.caixas(),
                  (QList<CaixaMostrada>{{Carga, Icone::Parada, Botoes::Ok, u"Pravex"_s}}));
        EXPECT_EQ(form.modelo.linhas(), 0);
        return;
    }
    EXPECT_EQ(resultado, 1);
    EXPECT_TRUE(servicos.mensagens.caixas().isEmpty());
    ASSERT_EQ(form.modelo.linhas(), carregados);
    if (carregados == 0) {
        // An empty file has no header to take: the open exercise's stays.
        EXPECT_EQ(form.cab.orgao, u"ORGAO ABERTO"_s);
        return;
    }
    ASSERT_TRUE(GravaArquivo(form, servicos.mensagens));
    EXPECT_EQ(LeBytes(CaminhoArquivoExercicio(u"2005"_s)), GetParam().regravado);
}

INSTANTIATE_TEST_SUITE_P(Tabela, EntradaRuim, testing::ValuesIn(Casos()),
                         [](const testing::TestParamInfo<Caso>& info) { return info.param.nome; });

} // namespace
