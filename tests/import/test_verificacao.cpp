#include "ArquivoDados.h"
#include "DuplosVerificacao.h"
#include "ImprimeQt.h"
#include "Module1.h"
#include "PastaTemporaria.h"
#include "Verificacao.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray CabecalhoValido = "PREFEITURA MUNICIPAL,2005,FULANO,BELTRANO,,,,";
// A valid advance of 2005, 69 characters: long enough for the import's minimum of 53.
const QByteArray AdiantamentoValido =
    "0012/2005,345,339030,12345678909,CICRANO DA SILVA,1234.56,01/03,31/03";

const QString Pergunta = u"Verificação concluida. Deseja Importar os dados agora ?"_s;

// The line with its field `campo` (from 1) replaced.
QByteArray troca(const QByteArray& linha, int campo, const QByteArray& valor)
{
    QList<QByteArray> campos = linha.split(',');
    campos[campo - 1] = valor;
    return campos.join(',');
}

QByteArray comNe(int ne)
{
    return troca(AdiantamentoValido, 2, QByteArray::number(ne));
}

// Lines each ended by CR LF, as the program writes them.
QByteArray arquivo(std::initializer_list<QByteArray> linhas)
{
    QByteArray bytes;
    for (const QByteArray& linha : linhas)
        bytes += linha + "\r\n";
    return bytes;
}

enum class Qual { Arquivo, Importacao, Ambas };

struct Execucao {
    bool resultado = false;
    Diario diario;
    QList<Caixa> caixas;
};

// One run of a variant; the import is answered No unless told otherwise.
Execucao executa(
    Qual variante, const QString& caminho, const QString& exercicio = u"2005"_s,
    QList<Resposta> respostas = {Resposta::Nao},
    const std::function<bool()>& importarDados = [] { return false; })
{
    Execucao e;
    MensagensGravadas mensagens(e.diario);
    mensagens.respostas = respostas;
    AtividadeGravada atividade(e.diario);
    PainelGravado painel(e.diario);
    if (variante == Qual::Arquivo)
        e.resultado = VerificaArquivo(caminho, exercicio, painel, mensagens, atividade);
    else
        e.resultado = VerificaImportacao(caminho, painel, mensagens, atividade, [&] {
            e.diario.append(u"importa"_s);
            return importarDados();
        });
    e.caixas = mensagens.caixas;
    return e;
}

QStringList somenteBipesECaixas(const Diario& diario)
{
    QStringList saida;
    for (const QString& entrada : diario) {
        if (entrada == u"bipe"_s || entrada.startsWith(u"caixa: "_s))
            saida.append(entrada);
    }
    return saida;
}

// --- One row per case: the file, the variant that reads it, and the one box it ends with. ---

struct Caso {
    const char* nome;
    Qual variante;
    QByteArray conteudo;
    QString mensagem; // empty: every line passes
    bool bipe = false;
    Icone icone = Icone::Parada;
    QString exercicio = u"2005"_s; // TxtExercicio, for the exercise start's verification
};

void PrintTo(const Caso& caso, std::ostream* os)
{
    *os << caso.nome;
}

const QString ForaA1 =
    u"Informações fora do layout esperado, ou não é o arquivo correto. Linha 1. Verifique"_s;
const QString ForaA2 =
    u"Informações fora do layout esperado, ou não é o arquivo correto. Linha 2. Verifique"_s;
const QString ForaA3 =
    u"Informações fora do layout esperado, ou não é o arquivo correto. Linha 3. Verifique"_s;
const QString InicioI1 =
    u"Informação fora do layout esperado, ou não é o arquivo correto. Linha 1. Verifique"_s;
const QString InicioI2 =
    u"Informação fora do layout esperado, ou não é o arquivo correto. Linha 2. Verifique"_s;
const QString ContagemI1 =
    u"Informação fora do layout esperado. Linha 1, ou não é o arquivo correto. Verifique"_s;
const QString ContagemI2 =
    u"Informação fora do layout esperado. Linha 2, ou não é o arquivo correto. Verifique"_s;

std::vector<Caso> Casos()
{
    const QByteArray nome207(207, 'N'); // puts the seventh comma on character 255
    const QByteArray megabyte(1 << 20, 'X');
    const QByteArray cabecalho2004 = troca(CabecalhoValido, 2, "2004");
    // 52 characters once the trailing blanks are trimmed; one more letter makes 53.
    const QByteArray curta = "0012/20,345,339030,12345678909,C,1234.56,01/03,31/03   ";
    const QByteArray justa = "0012/20,345,339030,12345678909,CI,1234.56,01/03,31/03";
    return {
        // Line ends and empty input.
        {"ArquivoVazioPassa", Qual::Ambas, "", {}},
        {"SoCabecalhoPassa", Qual::Ambas, arquivo({CabecalhoValido}), {}},
        {"UltimaLinhaSemQuebraPassa",
         Qual::Ambas,
         CabecalhoValido + "\r\n" + AdiantamentoValido,
         {}},
        {"CrSozinhoTerminaLinha",
         Qual::Ambas,
         CabecalhoValido + "\r" + AdiantamentoValido + "\r",
         {}},
        {"LfSozinhoNaoTerminaLinha", Qual::Arquivo,
         CabecalhoValido + "\n" + AdiantamentoValido + "\r\n", ForaA1, true},
        {"SoCr", Qual::Arquivo, "\r\r\r", ForaA1},
        {"SoCrImportacao", Qual::Importacao, "\r\r\r", InicioI1},
        {"SoLf", Qual::Arquivo, "\n\n\n", ForaA1, true},
        {"SoLfImportacao", Qual::Importacao, "\n\n\n", ContagemI1, true},
        {"LinhaVaziaNoFim", Qual::Arquivo, arquivo({CabecalhoValido, AdiantamentoValido, ""}),
         ForaA3},
        // Layout of every line.
        {"IniciaComEspaco", Qual::Importacao, arquivo({CabecalhoValido, " " + AdiantamentoValido}),
         InicioI2},
        {"IniciaComVirgula", Qual::Arquivo, arquivo({CabecalhoValido, "," + AdiantamentoValido}),
         ForaA2},
        {"PontoEVirgulaComoSeparador", Qual::Arquivo,
         arquivo({CabecalhoValido, QByteArray(AdiantamentoValido).replace(',', ';')}), ForaA2,
         true},
        {"OitoVirgulas", Qual::Importacao, arquivo({CabecalhoValido, AdiantamentoValido + ","}),
         ContagemI2, true},
        {"MegabyteSemVirgulas", Qual::Arquivo, arquivo({CabecalhoValido, megabyte}), ForaA2, true},
        {"SetimaVirgulaNoCaractere255",
         Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 5, nome207)}),
         {}},
        {"SetimaVirgulaNoCaractere256", Qual::Arquivo,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 5, nome207 + "N")}), u"Estouro"_s,
         false, Icone::Nenhum},
        {"VirgulasAposUmMegabyte", Qual::Importacao,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 1, megabyte)}),
         u"Erro inesperado na Verificação: 6. Uma informação prevista não foi consistida pelo "
         u"programa ou o arquivo está sem quebra de linhas, verifique a linha 2. Verifique"_s},
        // The header.
        {"CabecalhoDe13Caracteres", Qual::Arquivo, arquivo({"X,2005,,Y,,,,"}), ForaA1},
        {"CabecalhoDe13CaracteresImportacao", Qual::Importacao, arquivo({"X,2005,,Y,,,,"}),
         ContagemI1},
        {"OrgaoEmBranco", Qual::Ambas, arquivo({troca(CabecalhoValido, 1, "\t")}),
         u"Nome da UGE;Órgão/Entidade não informado. Linha: 1. Verifique"_s},
        {"ExercicioAnteriorA2003", Qual::Ambas, arquivo({troca(CabecalhoValido, 2, "2002")}),
         u"Exercício inválido. Linha: 1. Verifique"_s},
        {"ExercicioNaoNumerico", Qual::Ambas, arquivo({troca(CabecalhoValido, 2, "2005A")}),
         u"Exercício inválido. Linha: 1. Verifique"_s},
        {"ExercicioAlemDe16Bits", Qual::Importacao, arquivo({troca(CabecalhoValido, 2, "40000")}),
         u"Erro inesperado na Verificação: 6. Uma informação prevista não foi consistida pelo "
         u"programa ou o arquivo está sem quebra de linhas, verifique a linha 1. Verifique"_s},
        {"ResponsavelEmBranco", Qual::Arquivo, arquivo({troca(CabecalhoValido, 4, "   ")}),
         u"Nome do responsávem pelas informações não informado. Linha: 1. Verifique"_s},
        {"ResponsavelEmBrancoImportacao", Qual::Importacao,
         arquivo({troca(CabecalhoValido, 4, "   ")}),
         u"Nome do Responsável não informado. Linha: 1. Verifique"_s},
        // The advances, check by check.
        {"LinhaDe52Caracteres", Qual::Importacao, arquivo({CabecalhoValido, curta}), ContagemI2},
        {"LinhaDe52CaracteresNoArquivo", Qual::Arquivo, arquivo({CabecalhoValido, curta}), {}},
        {"LinhaDe53Caracteres", Qual::Importacao, arquivo({CabecalhoValido, justa}), {}},
        {"ProcessoEmBranco", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 1, "\t")}),
         u"Processo não informado. Linha: 2. Verifique"_s},
        {"NeComLetra", Qual::Ambas, arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, "12A")}),
         u"Informe apenas o número sequencial da NE. Linha: 2. Verifique"_s},
        {"NeZero", Qual::Ambas, arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, "0")}),
         u"Número da NE não informado. Linha: 2. Verifique"_s},
        {"NeNegativa", Qual::Ambas, arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, "-5")}),
         u"Número da NE não informado. Linha: 2. Verifique"_s},
        {"NeDeDezDigitos", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, "0001234567890")}),
         u"Informe apenas o número sequencial da NE. Linha: 2. Verifique"_s},
        {"NeDeNoveDigitosComZeros",
         Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, " 000123456789 ")}),
         {}},
        {"NeFracionaria", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, "12.5")}),
         u"Informe apenas o número sequencial da NE. Linha: 2. Verifique"_s},
        {"NeRepetidaSemZeros", Qual::Ambas,
         arquivo({CabecalhoValido, comNe(1), troca(AdiantamentoValido, 2, "0123"), comNe(2),
                  comNe(3), comNe(4), comNe(5), comNe(6), troca(AdiantamentoValido, 2, "123")}),
         u"Empenho de número 123 em duplicidade. Linha: 9. Verifique"_s},
        {"ElementoEmBranco", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 3, "  ")}),
         u"Elemento Econômico não informado. Linha: 2. Verifique"_s},
        {"ElementoNaoNumerico", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 3, "33903X")}),
         u"Elemento Econômico inválido. Linha: 2. Verifique"_s},
        {"ElementoComEspacoAntes", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 3, " 339030")}),
         u"Elemento Econômico não cadastrado. Linha: 2. Verifique"_s},
        {"ElementoForaDoCatalogo", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 3, "339031")}),
         u"Elemento Econômico não cadastrado. Linha: 2. Verifique"_s},
        {"CpfEmBranco", Qual::Ambas, arquivo({CabecalhoValido, troca(AdiantamentoValido, 4, " ")}),
         u"CPF não informado. Linha: 2. Verifique"_s},
        {"CpfComDigitoErrado", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 4, "123.456.789-00")}),
         u"CPF inválido. Linha 2. Verifique"_s},
        {"CpfPontuadoPassa",
         Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 4, " 123.456.789-09 ")}),
         {}},
        {"NomeEmBranco", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 5, "  ")}),
         u"Nome do responsável pela NE não informado. Linha: 2. Verifique"_s},
        {"ValorNaoNumerico", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "R$ 10")}),
         u"Valor da NE não informado. Linha: 2. Verifique"_s},
        {"ValorZero", Qual::Ambas, arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "0.00")}),
         u"Valor da NE não informado. Linha: 2. Verifique"_s},
        {"ValorZeroSemDecimais", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "0")}),
         u"Valor da NE não informado. Linha: 2. Verifique"_s},
        {"ValorNegativoPassa",
         Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "-5.00")}),
         {}},
        {"ValorMenorQueUmPassa",
         Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "0.50")}),
         {}},
        {"ValorSemDecimais", Qual::Arquivo,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "1500")}), ForaA2},
        {"ValorSemDecimaisImportacao", Qual::Importacao,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "1500")}), ContagemI2},
        {"ValorComUmaDecimal", Qual::Importacao,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "12.5")}), ContagemI2},
        {"ValorComEspacoDepois", Qual::Arquivo,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 6, "1234.56 ")}), ForaA2},
        {"PeriodoInicialEmBranco", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 7, " ")}),
         u"Período inicial não informado. Linha: 2. Verifique"_s},
        {"PeriodoInicialSemZero", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 7, "5/03")}),
         u"Período inicial está incorreto.2. Verifique"_s},
        {"PeriodoInicialDiaInexistente", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 7, "31/04")}),
         u"Período inicial está incorreto.2. Verifique"_s},
        {"PeriodoFinalEmBranco", Qual::Ambas,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 8, "")}),
         u"Período final não informado. Linha: 2. Verifique"_s},
        {"PeriodoFinalDiaInexistente", Qual::Ambas,
         arquivo({CabecalhoValido, comNe(1), troca(AdiantamentoValido, 8, "31/04")}),
         u"Período final está incorreto.3. Verifique"_s},
        {"PeriodoFinalAntesDoInicial",
         Qual::Ambas,
         arquivo({CabecalhoValido, troca(troca(AdiantamentoValido, 7, "31/03"), 8, "01/03")}),
         {}},
        // The year of the periods: TxtExercicio for the exercise start, the header for imports.
        {"BissextoPeloExercicioDigitado",
         Qual::Arquivo,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 7, "29/02")}),
         {},
         false,
         Icone::Parada,
         u"2004"_s},
        {"BissextoPeloCabecalho",
         Qual::Importacao,
         arquivo({cabecalho2004, troca(AdiantamentoValido, 7, "29/02")}),
         {}},
        {"NaoBissextoPeloExercicioDigitado", Qual::Arquivo,
         arquivo({cabecalho2004, troca(AdiantamentoValido, 7, "29/02")}),
         u"Período inicial está incorreto.2. Verifique"_s},
        // Bytes the file readers would take differently from what was checked.
        {"AcentosDoCodigoDePaginaPassam",
         Qual::Ambas,
         arquivo({"PREFEITURA DE S\xc3O JOS\xc9,2005,FULANO,BELTRANO,,,,",
                  troca(AdiantamentoValido, 5, "JO\xc3O DA CONCEI\xc7\xc3O")}),
         {}},
        {"NulNoNome", Qual::Arquivo,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 5, QByteArray("CICRANO\0SILVA", 13))}),
         ForaA2},
        {"NulNaNe", Qual::Importacao,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 2, QByteArray("34\0", 3))}),
         u"Informe apenas o número sequencial da NE. Linha: 2. Verifique"_s},
        {"ByteIndefinidoNoCabecalho", Qual::Importacao,
         arquivo({troca(CabecalhoValido, 3, "FUL\x81NO")}), ContagemI1},
        {"LfDentroDoNome", Qual::Importacao,
         arquivo({CabecalhoValido, troca(AdiantamentoValido, 5, "CICRANO\nSILVA")}), ContagemI2},
        {"MegabyteDeEspacosNoPeriodoFinal", Qual::Importacao,
         arquivo({CabecalhoValido, AdiantamentoValido + QByteArray(1 << 20, ' ')}), ContagemI2},
    };
}

class VerificacaoLinhaALinha : public testing::TestWithParam<Caso>
{
};

TEST_P(VerificacaoLinhaALinha, TerminaNaPrimeiraFalhaComSuaMensagem)
{
    const Caso& caso = GetParam();
    PastaTemporaria pasta;
    const QString caminho = pasta.escreve(u"arquivo.txt"_s, caso.conteudo);
    const std::vector<Qual> variantes = caso.variante == Qual::Ambas
                                            ? std::vector{Qual::Arquivo, Qual::Importacao}
                                            : std::vector{caso.variante};
    for (const Qual variante : variantes) {
        SCOPED_TRACE(variante == Qual::Arquivo ? "VerificaArquivo" : "importação");
        const Execucao e = executa(variante, caminho, caso.exercicio);
        if (caso.mensagem.isEmpty()) {
            if (variante == Qual::Arquivo) {
                EXPECT_TRUE(e.resultado);
                EXPECT_EQ(e.caixas, QList<Caixa>{});
            } else {
                EXPECT_EQ(e.caixas,
                          (QList<Caixa>{Caixa{Pergunta, Icone::Pergunta, Botoes::SimNao, {}}}));
            }
            continue;
        }
        EXPECT_FALSE(e.resultado);
        EXPECT_EQ(e.caixas, (QList<Caixa>{Caixa{caso.mensagem, caso.icone, Botoes::Ok, {}}}));
        QStringList esperado{u"caixa: "_s + caso.mensagem};
        if (caso.bipe)
            esperado.prepend(u"bipe"_s);
        EXPECT_EQ(somenteBipesECaixas(e.diario), esperado);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, VerificacaoLinhaALinha, testing::ValuesIn(Casos()),
                         [](const testing::TestParamInfo<Caso>& info) {
                             return std::string(info.param.nome);
                         });

// --- What the windows show during a run. ---

TEST(VerificaArquivo, MostraEAvancaAProgressoUmaVezPorLinha)
{
    PastaTemporaria pasta;
    const QString caminho =
        pasta.escreve(u"Pravex2005.txt"_s, arquivo({CabecalhoValido, comNe(1), comNe(2)}));
    const Execucao e = executa(Qual::Arquivo, caminho);
    EXPECT_TRUE(e.resultado);
    EXPECT_EQ(e.diario,
              (QStringList{u"bloqueio sim"_s, u"progresso 1 a 4, valor 1"_s, u"eventos"_s,
                           u"avanço 2"_s, u"avanço 3"_s, u"avanço 4"_s, u"bloqueio não"_s}));
    EXPECT_EQ(Module1::TotalLinhas, 3);
}

TEST(VerificaArquivo, CaminhoQueNaoServeTerminaNaDescricaoDaFalha)
{
    PastaTemporaria pasta;
    const Execucao ausente = executa(Qual::Arquivo, pasta.arquivo(u"Pravex2005.txt"_s));
    EXPECT_FALSE(ausente.resultado);
    EXPECT_EQ(ausente.caixas,
              (QList<Caixa>{Caixa{u"Arquivo não encontrado"_s, Icone::Nenhum, Botoes::Ok, {}}}));
    const Execucao pastaNoLugar = executa(Qual::Arquivo, pasta.caminho());
    EXPECT_EQ(pastaNoLugar.caixas,
              (QList<Caixa>{
                  Caixa{u"Erro de acesso ao caminho/arquivo"_s, Icone::Nenhum, Botoes::Ok, {}}}));
}

TEST(VerificaImportacao, CaminhoQueNaoServeNomeiaALinhaZeroEOcultaOStatus)
{
    PastaTemporaria pasta;
    const QString falta =
        u"Erro inesperado na Verificação: 53. Uma informação prevista não foi consistida pelo "
        u"programa ou o arquivo está sem quebra de linhas, verifique a linha 0. Verifique"_s;
    const Execucao e = executa(Qual::Importacao, pasta.arquivo(u"nada.txt"_s));
    EXPECT_FALSE(e.resultado);
    EXPECT_EQ(e.diario, (QStringList{u"bloqueio sim"_s, u"caixa: "_s + falta, u"oculta"_s,
                                     u"bloqueio não"_s}));
    const Execucao pastaNoLugar = executa(Qual::Importacao, pasta.caminho());
    ASSERT_EQ(pastaNoLugar.caixas.size(), 1);
    EXPECT_TRUE(pastaNoLugar.caixas[0].texto.startsWith(u"Erro inesperado na Verificação: 75."_s));
}

// The counting pass lets events through after every line, with the commands blocked for the
// whole run, so that a click during it cannot start a second one.
TEST(VerificaImportacao, FalhaOcultaStatusEProgressoComOsComandosBloqueadosAteOFim)
{
    PastaTemporaria pasta;
    const QString caminho = pasta.escreve(
        u"importar.csv"_s, arquivo({CabecalhoValido, comNe(2), troca(AdiantamentoValido, 2, "0")}));
    const Execucao e = executa(Qual::Importacao, caminho);
    EXPECT_FALSE(e.resultado);
    EXPECT_EQ(e.diario, (QStringList{u"bloqueio sim"_s, u"eventos"_s, u"eventos"_s, u"eventos"_s,
                                     u"status Verificando..."_s, u"progresso 1 a 4, valor 1"_s,
                                     u"eventos"_s, u"avanço 2"_s, u"avanço 3"_s, u"avanço 4"_s,
                                     u"caixa: Número da NE não informado. Linha: 3. Verifique"_s,
                                     u"oculta"_s, u"bloqueio não"_s}));
    EXPECT_EQ(Module1::TotalLinhas, 3);
    EXPECT_EQ(Module1::AnoReferencia, 2005);
}

struct CasoResposta {
    const char* nome;
    Resposta resposta;
    bool importou;      // what the loading reports
    QStringList depois; // the diary after the question
    bool resultado;
};

void PrintTo(const CasoResposta& caso, std::ostream* os)
{
    *os << caso.nome;
}

class RespostaAPergunta : public testing::TestWithParam<CasoResposta>
{
};

TEST_P(RespostaAPergunta, SoUmaImportacaoQueFechouODialogoDeixaOPainelComoEsta)
{
    const CasoResposta& caso = GetParam();
    PastaTemporaria pasta;
    const QString caminho =
        pasta.escreve(u"importar.txt"_s, arquivo({CabecalhoValido, AdiantamentoValido}));
    const Execucao e =
        executa(Qual::Importacao, caminho, {}, {caso.resposta}, [&] { return caso.importou; });
    EXPECT_EQ(e.resultado, caso.resultado);
    const QStringList antes{u"bloqueio sim"_s,
                            u"eventos"_s,
                            u"eventos"_s,
                            u"status Verificando..."_s,
                            u"progresso 1 a 3, valor 1"_s,
                            u"eventos"_s,
                            u"avanço 2"_s,
                            u"avanço 3"_s,
                            u"status Verificado !"_s,
                            u"eventos"_s,
                            u"caixa: "_s + Pergunta};
    EXPECT_EQ(e.diario, antes + caso.depois);
    EXPECT_EQ(e.caixas.front(), (Caixa{Pergunta, Icone::Pergunta, Botoes::SimNao, {}}));
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, RespostaAPergunta,
    testing::Values(
        CasoResposta{"Nao", Resposta::Nao, true, {u"oculta e esvazia"_s, u"bloqueio não"_s}, false},
        CasoResposta{"SimEImportou", Resposta::Sim, true, {u"importa"_s}, true},
        CasoResposta{"SimMasACargaFalhou",
                     Resposta::Sim,
                     false,
                     {u"importa"_s, u"oculta e esvazia"_s, u"bloqueio não"_s},
                     false}),
    [](const testing::TestParamInfo<CasoResposta>& info) { return std::string(info.param.nome); });

// --- Files of the program's own writing, and large files. ---

TEST(Verificacao, ArquivoGravadoPeloProgramaPassaNasDuasVariantes)
{
    PastaTemporaria pasta;
    const QString caminho = pasta.arquivo(u"Pravex2005.txt"_s);
    const Cabecalho cabecalho{u"2005"_s, u"SECRETARIA DE ESTADO DA SAÚDE"_s, u"FULANO "_s,
                              u"BELTRANO"_s};
    const QList<Adiantamento> linhas{
        {u"PROCESSO 0012/2005"_s, u"123456789"_s, 39, u"12345678909"_s, u"JOÃO DA CONCEIÇÃO"_s,
         123456789, u"01/03"_s, u"31/03"_s},
        {u"PROCESSO 0013/2005"_s, u"1"_s, 84, u"11111111111"_s, u"MARIA"_s, -500, u"31/12"_s,
         u"01/01"_s},
        {u"PROCESSO 0014/2005"_s, u"2"_s, 83, u"12345678909"_s, u"JOSÉ"_s, 50, u"28/02"_s,
         u"28/02"_s},
    };
    ASSERT_EQ(EscreveArquivoExercicio(caminho, cabecalho, linhas), std::nullopt);
    EXPECT_TRUE(executa(Qual::Arquivo, caminho).resultado);
    EXPECT_EQ(executa(Qual::Importacao, caminho).caixas.size(), 1); // only the question
}

TEST(Verificacao, CemMilLinhasPassamSemFalha)
{
    PastaTemporaria pasta;
    QByteArray bytes = CabecalhoValido + "\r\n";
    bytes.reserve(100'000 * 72);
    for (int ne = 1; ne < 100'000; ++ne)
        bytes += comNe(ne) + "\r\n";
    const QString caminho = pasta.escreve(u"grande.txt"_s, bytes);
    EXPECT_TRUE(executa(Qual::Arquivo, caminho).resultado);
    EXPECT_EQ(Module1::TotalLinhas, 100'000);
}

} // namespace
