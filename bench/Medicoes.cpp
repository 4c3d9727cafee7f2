// The register at its largest, operation by operation. Each case runs one operation on the
// register file given with --arquivo (made by make-register); the table at the end puts the
// medians beside the time the machine needs just to read the same file (--limite-wc-ns and
// --limite-cat-ns, measured by bench/run) and the targets the clerks' patience sets.

#include "ArquivoDados.h"
#include "ArquivoEnvio.h"
#include "Caminhos.h"
#include "ConversaoImportacao.h"
#include "FrmAdiantamentos.h"
#include "FrmImportacao.h"
#include "Module1.h"
#include "Registro.h"
#include "RegrasEntrada.h"
#include "Relatorio.h"
#include "ServicosMudos.h"
#include "Verificacao.h"
#include "Versoes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace
{

// What every case works on: the file in a program folder of its own, and its contents.
struct RegistroMedido {
    QTemporaryDir pasta;
    QString arquivo; // Pravex<ano>.txt in the program folder
    Cabecalho cabecalho;
    QList<Adiantamento> linhas;
    qint64 bytes = 0;
};
RegistroMedido* registro = nullptr;

QString CaminhoNaPasta(const QString& nome)
{
    return JuntaCaminho(registro->pasta.path(), nome);
}

// A program folder of the case's own, with a copy of the register file, for the cases that
// rewrite the data file with other rows: the next cases still read the file as it was made.
class PastaPropria
{
public:
    PastaPropria()
    {
        QFile::copy(registro->arquivo,
                    JuntaCaminho(pasta_.path(), QFileInfo(registro->arquivo).fileName()));
        DefinePastaPrograma(pasta_.path());
    }
    ~PastaPropria() { DefinePastaPrograma(registro->pasta.path()); }
    QString caminho() const { return pasta_.path(); }
    PastaPropria(const PastaPropria&) = delete;
    PastaPropria& operator=(const PastaPropria&) = delete;

private:
    QTemporaryDir pasta_;
};

// A box shown during a measured operation means it took a path other than the one meant.
bool Mudo(benchmark::State& estado, const MensagensMudas& mensagens)
{
    if (mensagens.mostradas.isEmpty())
        return true;
    estado.SkipWithError(qPrintable(u"caixa inesperada: "_s + mensagens.mostradas.first()));
    return false;
}

void Linhas(benchmark::State& estado)
{
    estado.counters["linhas"] = static_cast<double>(registro->linhas.size());
}

// ---- verification and loading

void VerificacaoArquivo(benchmark::State& estado)
{
    MensagensMudas mensagens;
    AtividadeQt atividade;
    PainelMudo painel;
    for (auto _ : estado) {
        if (!VerificaArquivo(registro->arquivo, registro->cabecalho.exercicio, painel, mensagens,
                             atividade)) {
            Mudo(estado, mensagens);
            break;
        }
    }
    Linhas(estado);
}

void VerificacaoImportacao(benchmark::State& estado)
{
    MensagensMudas mensagens; // answers No to the question, so nothing is imported
    AtividadeQt atividade;
    PainelMudo painel;
    for (auto _ : estado) {
        VerificaImportacao(registro->arquivo, painel, mensagens, atividade, [] { return false; });
        if (mensagens.mostradas.size() != 1 ||
            !mensagens.mostradas.first().startsWith(u"Verificação concluida."_s)) {
            Mudo(estado, mensagens);
            break;
        }
        mensagens.mostradas.clear();
    }
    Linhas(estado);
}

void CarregaModelo(benchmark::State& estado)
{
    MensagensMudas mensagens;
    AtividadeQt atividade;
    FormMudo form;
    for (auto _ : estado) {
        if (CarregaArquivo(registro->arquivo, form, mensagens, atividade) != 1 ||
            form.modelo.linhas() != registro->linhas.size()) {
            Mudo(estado, mensagens);
            break;
        }
    }
    Linhas(estado);
}

// The import of the file: converted whole, then put into the list in place of its rows, with
// the progress told after every record.
void ImportaArquivo(benchmark::State& estado)
{
    ModeloAdiantamentos modelo;
    for (auto _ : estado) {
        int progresso = 0;
        ResultadoImportacao resultado =
            ConverteImportacao(registro->arquivo, [&](int valor) { progresso = valor; });
        auto* dados = std::get_if<DadosImportados>(&resultado);
        if (!dados) {
            estado.SkipWithError(qPrintable(
                MensagemRegistroRecusado(std::get<RegistroRecusado>(resultado).registro)));
            break;
        }
        modelo.defineLinhas(std::move(dados->adiantamentos));
        if (modelo.linhas() != registro->linhas.size() || progresso != modelo.linhas() + 2) {
            estado.SkipWithError("a importação não trouxe todas as linhas");
            break;
        }
    }
    Linhas(estado);
}

// ---- the real main window, shown on the offscreen screen

struct Janela {
    ServicosMudos mudos;
    Servicos servicos = mudos.servicos();
    FrmAdiantamentos janela{servicos};

    Janela()
    {
        janela.show();
        QCoreApplication::processEvents();
        mudos.mensagens.mostradas.clear(); // the start hint
    }
    template <typename T> T* w(const char* nome)
    {
        return janela.findChild<T*>(QString::fromLatin1(nome));
    }
    // "I&niciar" on the year of the file: verification, loading and the list shown.
    void inicia()
    {
        w<QLineEdit>("TxtExercicio")->setText(registro->cabecalho.exercicio);
        janela.CmdCarrega_Click();
        QCoreApplication::processEvents();
    }
    bool carregada() { return janela.lista().linhas() == registro->linhas.size(); }
};

// Skips the case when the exercise did not start with every row of the file.
bool Carregada(benchmark::State& estado, Janela& j)
{
    if (!Mudo(estado, j.mudos.mensagens))
        return false;
    if (!j.carregada()) {
        estado.SkipWithError(
            qPrintable(u"a janela carregou %1 linhas"_s.arg(j.janela.lista().linhas())));
        return false;
    }
    return true;
}

void CarregaJanela(benchmark::State& estado)
{
    Janela j;
    for (auto _ : estado) {
        j.inicia();
        if (!Carregada(estado, j))
            break;
    }
    Linhas(estado);
}

// "&Importar..." in the import dialog on the register file, with Yes to its question: the
// verification, the conversion and the main window's list replaced, as the operator waits.
void ImportaJanela(benchmark::State& estado)
{
    const PastaPropria pasta; // holds the register file and nothing else
    Janela j;
    j.mudos.unidades.raizC = pasta.caminho();
    j.mudos.mensagens.respostaSimNao = Resposta::Sim;
    for (auto _ : estado) {
        estado.PauseTiming();
        auto dialogo = std::make_unique<FrmImportacao>(j.janela, j.servicos, &j.janela);
        dialogo->show();
        QCoreApplication::processEvents();
        j.janela.lista().limpa();
        estado.ResumeTiming();

        dialogo->CmdImportar_Click();
        QCoreApplication::processEvents();

        estado.PauseTiming();
        dialogo.reset();
        const QStringList mostradas = j.mudos.mensagens.mostradas;
        j.mudos.mensagens.mostradas.clear();
        estado.ResumeTiming();
        if (mostradas.size() != 2 || mostradas.last() != u"Importação efetuada com sucesso!"_s) {
            estado.SkipWithError(qPrintable(u"caixas inesperadas: "_s + mostradas.join(u" | "_s)));
            break;
        }
        if (j.janela.lista().linhas() != registro->linhas.size()) {
            estado.SkipWithError("a importação não trouxe todas as linhas");
            break;
        }
    }
    Linhas(estado);
}

// ---- writing

void GravaArquivoCompleto(benchmark::State& estado)
{
    MensagensMudas mensagens;
    FormMudo form;
    form.cab = registro->cabecalho;
    form.modelo.defineLinhas(registro->linhas);
    for (auto _ : estado) {
        if (!GravaArquivo(form, mensagens)) {
            Mudo(estado, mensagens);
            break;
        }
    }
    Linhas(estado);
}

class AndamentoMudo final : public AndamentoEnvio
{
};

void ArquivoEnvio(benchmark::State& estado)
{
    AndamentoMudo andamento;
    const QString envio = CaminhoNaPasta(NomeArquivoEnvio(registro->cabecalho.exercicio));
    for (auto _ : estado) {
        if (const std::optional<Falha> falha =
                GravaArquivoEnvio(registro->arquivo, envio, andamento)) {
            estado.SkipWithError(qPrintable(falha->texto()));
            break;
        }
    }
    Linhas(estado);
}

// ---- sorting

// Sorts the rows in file order by one key, as the first click on a title does.
void Ordena(benchmark::State& estado, int chave)
{
    for (auto _ : estado) {
        estado.PauseTiming();
        QList<Adiantamento> linhas = registro->linhas;
        linhas.detach(); // the window's list owns its rows; no copy is made in the sort
        ModeloAdiantamentos modelo;
        modelo.defineLinhas(std::move(linhas));
        estado.ResumeTiming();
        modelo.ordena(chave, Qt::AscendingOrder);
        benchmark::DoNotOptimize(modelo.linha(0));
    }
    Linhas(estado);
}

// A click on the Valor title of the loaded window: each click reverses the last order, and the
// list is drawn again.
void OrdenaJanela(benchmark::State& estado)
{
    Janela j;
    j.inicia();
    if (!Carregada(estado, j))
        return;
    for (auto _ : estado) {
        j.janela.LvwAdiantamentos_ColumnClick(6);
        QCoreApplication::processEvents();
    }
    Linhas(estado);
}

// ---- one include

const int NovaNotaEmpenho = 999999999;

CamposEntrada CamposNovos()
{
    // A creditor already in the register, so that the name goes to all of that CPF's rows.
    const Adiantamento& credor = registro->linhas[registro->linhas.size() / 2];
    CamposEntrada c;
    c.cabecalho = registro->cabecalho;
    c.processo = u"999999/2005-SEAD"_s;
    c.notaEmpenho = QString::number(NovaNotaEmpenho);
    c.elemento = 26;
    c.cpf = credor.cpf;
    c.nome = credor.nome;
    c.valor = u"1.234,56"_s;
    c.periodoInicial = u"01/03"_s;
    c.periodoFinal = u"31/03"_s;
    return c;
}

// The steps of a confirmed inclusion on the register, without the window: the nineteen
// checks, the duplicate NE scan, the new row, the name propagation, the CPF list and the
// rewrite of the data file.
void IncluiRegras(benchmark::State& estado)
{
    const PastaPropria pasta;
    MensagensMudas mensagens;
    FormMudo form;
    form.cab = registro->cabecalho;
    form.modelo.defineLinhas(registro->linhas);
    for (auto _ : estado) {
        CamposEntrada campos = CamposNovos();
        if (const std::optional<Recusa> r = ValidaAdiantamento(campos)) {
            estado.SkipWithError(qPrintable(r->texto));
            break;
        }
        if (const std::optional<Recusa> r = ChecaDuplicidade(form.modelo, campos.notaEmpenho)) {
            estado.SkipWithError(qPrintable(r->texto));
            break;
        }
        const Adiantamento novo = MontaAdiantamento(campos);
        const int linha = form.modelo.acrescenta(novo);
        form.modelo.renomeiaCredor(ChaveCPF(novo.cpf), novo.nome);
        benchmark::DoNotOptimize(CPFsDaLista(form.modelo));
        if (!GravaArquivo(form, mensagens)) {
            Mudo(estado, mensagens);
            break;
        }
        estado.PauseTiming();
        form.modelo.remove(linha);
        estado.ResumeTiming();
    }
    Linhas(estado);
}

// F2 on a typed advance in the loaded window, until the list and the fields are drawn again.
void IncluiJanela(benchmark::State& estado)
{
    const PastaPropria pasta;
    Janela j;
    j.inicia();
    if (!Carregada(estado, j))
        return;
    j.janela.CmdIncluir_Click();
    const CamposEntrada c = CamposNovos();
    for (auto _ : estado) {
        estado.PauseTiming();
        j.w<QLineEdit>("TxtProcesso")->setText(c.processo);
        j.w<QLineEdit>("TxtNumeroNotaEmpenho")->setText(c.notaEmpenho);
        j.w<QComboBox>("CboElemEcon")->setCurrentIndex(c.elemento);
        j.w<QComboBox>("CboCPF")->setEditText(c.cpf);
        j.w<QLineEdit>("TxtNomeResponsavel")->setText(c.nome);
        j.w<QLineEdit>("TxtValor")->setText(c.valor);
        j.w<QLineEdit>("TxtDataInicial")->setText(c.periodoInicial);
        j.w<QLineEdit>("TxtDataFinal")->setText(c.periodoFinal);
        QCoreApplication::processEvents();
        estado.ResumeTiming();

        j.janela.CmdOK_Click();
        QCoreApplication::processEvents();

        estado.PauseTiming();
        const bool incluida = j.janela.lista().linhas() == registro->linhas.size() + 1;
        if (incluida)
            j.janela.lista().remove(j.janela.linhaSelecionada());
        estado.ResumeTiming();
        if (!Mudo(estado, j.mudos.mensagens))
            break;
        if (!incluida) {
            estado.SkipWithError("a inclusão não acrescentou a linha");
            break;
        }
    }
    Linhas(estado);
}

// ---- one include and the version it keeps

// The differences, in nanoseconds, between an include with its version and one without, pair by
// pair.
std::vector<double> DiferencasVersao;

// A row added and the register of 32,000 rows rewritten through GravaArquivo, which keeps the
// file it replaces as a version in the folder versoes (the case's time). Each iteration also
// rewrites it once without a version, first or second in turn, so that a machine that speeds up
// or slows down weighs on both alike: the median of the pairs' differences is what the version
// adds. The folder holds as many versions as the retention lets it, as a clerk's does. The
// processor time the table shows covers both rewrites of an iteration.
void IncluiComVersao(benchmark::State& estado)
{
    const PastaPropria pasta;
    AbreExercicio(registro->cabecalho.exercicio);
    MensagensMudas mensagens;
    FormMudo form;
    form.cab = registro->cabecalho;
    form.modelo.defineLinhas(registro->linhas);
    const Adiantamento novo = MontaAdiantamento(CamposNovos());
    bool versaoPrimeiro = false;
    for (auto _ : estado) {
        double ns[2] = {0, 0}; // without, with
        for (const bool comVersao : {versaoPrimeiro, !versaoPrimeiro}) {
            const int linha = form.modelo.acrescenta(novo);
            QElapsedTimer relogio;
            relogio.start();
            bool gravado = true;
            if (comVersao)
                gravado = GravaArquivo(form, mensagens);
            else
                gravado = !EscreveArquivoExercicio(Module1::ArquivoExercicio, CabecalhoAberto(form),
                                                   form.modelo.todas());
            ns[comVersao] = static_cast<double>(relogio.nsecsElapsed());
            form.modelo.remove(linha);
            if (!gravado || !mensagens.mostradas.isEmpty()) {
                estado.SkipWithError("a inclusão não foi gravada");
                break;
            }
        }
        versaoPrimeiro = !versaoPrimeiro;
        estado.SetIterationTime(ns[1] / 1e9);
        DiferencasVersao.push_back(ns[1] - ns[0]);
    }
    estado.counters["versoes"] =
        static_cast<double>(QDir(PastaVersoes()).entryList(QDir::Files).size());
    FechaExercicio();
    Linhas(estado);
}

// ---- report

void LayoutRelatorio(benchmark::State& estado)
{
    for (auto _ : estado) {
        const Relatorio r = MontaRelatorio(registro->cabecalho, LinhasRelatorio(registro->linhas));
        if (r.falha) {
            estado.SkipWithError(qPrintable(r.falha->texto()));
            break;
        }
        benchmark::DoNotOptimize(r.paginas.size());
    }
    Linhas(estado);
}

// ---- the table

// What a case is held to, as the clerks feel it.
struct Meta {
    double vezesWc = 0; // at most this many times `wc -l` on the same file
    double ms = 0;      // or at most this many milliseconds
};

const std::map<std::string, Meta> Metas = {
    {"VerificaArquivo", {20, 0}},    {"VerificaImportacao", {20, 0}}, {"CarregaArquivo", {20, 0}},
    {"ConverteImportacao", {20, 0}}, {"IniciaJanela", {0, 0}},        {"GravaArquivo", {0, 0}},
    {"ArquivoEnvio", {10, 0}},       {"IncluiRegras", {0, 30}},       {"IncluiJanela", {0, 30}},
    {"IncluiComVersao", {0, 30}},    {"MontaRelatorio", {0, 100}},
};

Meta MetaDe(const std::string& nome)
{
    if (nome.rfind("Ordena", 0) == 0)
        return {0, 50};
    const auto m = Metas.find(nome);
    return m == Metas.end() ? Meta{} : m->second;
}

struct Medida {
    std::string nome;
    double ns = 0;    // wall time: what the clerk waits
    double cpuNs = 0; // processor time: what other work on the machine does not stretch
    std::string erro;
};

// Keeps the median of every case (the plain run when there are no repetitions) for the table.
class Colecionador : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const std::string& nome = r.run_name.function_name;
            const bool mediana = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            const bool unica = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (r.error_occurred) {
                medidas[nome] = {nome, 0, 0, r.error_message};
                ordem.push_back(nome);
            } else if (mediana || unica) {
                const double porUnidade = benchmark::GetTimeUnitMultiplier(r.time_unit);
                medidas[nome] = {nome,
                                 r.GetAdjustedRealTime() / porUnidade * 1e9,
                                 r.GetAdjustedCPUTime() / porUnidade * 1e9,
                                 {}};
                ordem.push_back(nome);
            }
        }
    }

    std::map<std::string, Medida> medidas;
    std::vector<std::string> ordem;
};

struct Limites {
    double wcNs = 0;
    double wcCpuNs = 0;
    double catNs = 0;
    double memoriaVaziaKb = 0;
    double memoriaCarregadaKb = 0;
};

std::string Tempo(double ns)
{
    char texto[32];
    if (ns >= 1e6)
        std::snprintf(texto, sizeof texto, "%.1f ms", ns / 1e6);
    else
        std::snprintf(texto, sizeof texto, "%.0f us", ns / 1e3);
    return texto;
}

// "cumpre" or "NÃO CUMPRE" for a figure against its limit; nothing without a limit.
const char* Veredito(double valor, double limite)
{
    if (limite <= 0)
        return "-";
    return valor <= limite ? "cumpre" : "NÃO CUMPRE";
}

void Tabela(const Colecionador& c, const Limites& l)
{
    const double linhas = static_cast<double>(registro->linhas.size() + 1);
    std::printf("\nRegistro: %lld adiantamentos, %lld bytes\n",
                static_cast<long long>(registro->linhas.size()),
                static_cast<long long>(registro->bytes));
    if (l.catNs > 0)
        std::printf("Limite da máquina: cat %s, wc -l %s (melhor de várias); wc -l usa %s de "
                    "processador\n",
                    Tempo(l.catNs).c_str(), Tempo(l.wcNs).c_str(),
                    l.wcCpuNs > 0 ? Tempo(l.wcCpuNs).c_str() : "?");
    std::printf("A meta vale para a mediana (tempo de parede). Uma operação que não espera o disco "
                "leva,\nnuma máquina sem outro trabalho, o seu tempo de processador: as colunas "
                "cpu/wc e a última\ndizem se a meta valeria assim (o melhor wc -l já é o de "
                "uma máquina livre).\n\n");
    std::printf("%-22s %9s %9s %9s %7s %7s  %-11s %-10s %s\n", "operação", "mediana", "cpu",
                "por linha", "x wc", "cpu/wc", "meta", "mediana", "cpu");
    std::vector<std::string> vistas;
    for (const std::string& nome : c.ordem) {
        if (std::find(vistas.begin(), vistas.end(), nome) != vistas.end())
            continue;
        vistas.push_back(nome);
        const Medida& m = c.medidas.at(nome);
        if (!m.erro.empty()) {
            std::printf("%-22s falhou: %s\n", nome.c_str(), m.erro.c_str());
            continue;
        }
        char porLinha[32];
        std::snprintf(porLinha, sizeof porLinha, "%.0f ns", m.ns / linhas);
        char vezes[32] = "-";
        if (l.wcNs > 0)
            std::snprintf(vezes, sizeof vezes, "%.1f", m.ns / l.wcNs);
        char vezesCpu[32] = "-";
        if (l.wcNs > 0)
            std::snprintf(vezesCpu, sizeof vezesCpu, "%.1f", m.cpuNs / l.wcNs);
        const Meta meta = MetaDe(nome);
        char textoMeta[32] = "-";
        const char* parede = "";
        const char* cpu = "";
        if (meta.vezesWc > 0) {
            std::snprintf(textoMeta, sizeof textoMeta, "<= %.0fx wc", meta.vezesWc);
            parede = Veredito(m.ns, meta.vezesWc * l.wcNs);
            cpu = Veredito(m.cpuNs, meta.vezesWc * l.wcNs);
        } else if (meta.ms > 0) {
            std::snprintf(textoMeta, sizeof textoMeta, "< %.0f ms", meta.ms);
            parede = Veredito(m.ns, meta.ms * 1e6);
            cpu = Veredito(m.cpuNs, meta.ms * 1e6);
        }
        std::printf("%-22s %9s %9s %9s %7s %7s  %-11s %-10s %s\n", nome.c_str(),
                    Tempo(m.ns).c_str(), Tempo(m.cpuNs).c_str(), porLinha, vezes, vezesCpu,
                    textoMeta, parede, cpu);
    }
    if (l.memoriaCarregadaKb > 0) {
        const double acimaMb = (l.memoriaCarregadaKb - l.memoriaVaziaKb) / 1024.0;
        std::printf("\nMemória de pico: programa vazio %.1f MB, com o registro carregado %.1f MB;"
                    "\n  o registro custa %.1f MB (%.1fx o arquivo de %.1f MB); meta < 40 MB: %s\n",
                    l.memoriaVaziaKb / 1024.0, l.memoriaCarregadaKb / 1024.0, acimaMb,
                    acimaMb * 1024.0 * 1024.0 / static_cast<double>(registro->bytes),
                    static_cast<double>(registro->bytes) / (1024.0 * 1024.0),
                    acimaMb < 40 ? "cumpre" : "NÃO CUMPRE");
    }
}

// What the version added to an include: the median of the differences of the pairs.
void CustoDaVersao()
{
    if (DiferencasVersao.empty())
        return;
    std::vector<double> d = DiferencasVersao;
    std::nth_element(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(d.size() / 2), d.end());
    const double mediana = d[d.size() / 2];
    std::printf("\nA versão acrescenta à inclusão %s (mediana de %zu pares); meta < 2 ms: %s\n",
                Tempo(mediana).c_str(), d.size(), mediana < 2e6 ? "cumpre" : "NÃO CUMPRE");
}

// Takes "--nome=valor" out of the arguments the benchmark library left.
bool Opcao(const char* argumento, const char* nome, std::string& valor)
{
    const size_t n = std::strlen(nome);
    if (std::strncmp(argumento, nome, n) != 0 || argumento[n] != '=')
        return false;
    valor = argumento + n + 1;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);

    std::string arquivo;
    Limites limites;
    for (int i = 1; i < argc; ++i) {
        std::string v;
        if (Opcao(argv[i], "--arquivo", v))
            arquivo = v;
        else if (Opcao(argv[i], "--limite-wc-ns", v))
            limites.wcNs = std::stod(v);
        else if (Opcao(argv[i], "--limite-wc-cpu-ns", v))
            limites.wcCpuNs = std::stod(v);
        else if (Opcao(argv[i], "--limite-cat-ns", v))
            limites.catNs = std::stod(v);
        else if (Opcao(argv[i], "--memoria-vazia-kb", v))
            limites.memoriaVaziaKb = std::stod(v);
        else if (Opcao(argv[i], "--memoria-carregada-kb", v))
            limites.memoriaCarregadaKb = std::stod(v);
        else {
            std::fprintf(stderr, "opção desconhecida: %s\n", argv[i]);
            return 2;
        }
    }
    if (arquivo.empty()) {
        std::fprintf(stderr, "uso: pravex_bench --arquivo=REGISTRO [--limite-wc-ns=N "
                             "--limite-cat-ns=N --memoria-vazia-kb=N --memoria-carregada-kb=N] "
                             "[opções do benchmark]\n");
        return 2;
    }

    QApplication app(argc, argv);
    RegistroMedido r;
    registro = &r;
    try {
        const ConteudoExercicio conteudo = LeArquivoExercicio(QString::fromLocal8Bit(arquivo));
        r.cabecalho = conteudo.cabecalho;
        r.linhas = conteudo.adiantamentos;
    } catch (const Falha& falha) {
        std::fprintf(stderr, "%s: %s\n", arquivo.c_str(), qUtf8Printable(falha.texto()));
        return 1;
    }
    DefinePastaPrograma(r.pasta.path());
    r.arquivo = CaminhoArquivoExercicio(r.cabecalho.exercicio);
    if (!QFile::copy(QString::fromLocal8Bit(arquivo), r.arquivo)) {
        std::fprintf(stderr, "não foi possível copiar %s\n", arquivo.c_str());
        return 1;
    }
    r.bytes = QFileInfo(r.arquivo).size();

    const auto registra = [](const char* nome, void (*caso)(benchmark::State&)) {
        return benchmark::RegisterBenchmark(nome, caso)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    registra("VerificaArquivo", VerificacaoArquivo);
    registra("VerificaImportacao", VerificacaoImportacao);
    registra("CarregaArquivo", CarregaModelo);
    registra("ConverteImportacao", ImportaArquivo);
    registra("IniciaJanela", CarregaJanela);
    registra("ImportaJanela", ImportaJanela);
    registra("GravaArquivo", GravaArquivoCompleto);
    registra("ArquivoEnvio", ArquivoEnvio);
    // Every title of the list: the five with a hidden key, and the three sorted by their text.
    const std::pair<const char*, int> chaves[] = {
        {"Ordena/Processo", Coluna::Processo},      {"Ordena/NotaEmpenho", Coluna::ChaveNe},
        {"Ordena/Elemento", Coluna::ChaveEe},       {"Ordena/CPF", Coluna::CpfCredor},
        {"Ordena/Nome", Coluna::NomeCredor},        {"Ordena/Valor", Coluna::ChaveVl},
        {"Ordena/PeriodoInicial", Coluna::ChavePi}, {"Ordena/PeriodoFinal", Coluna::ChavePf},
    };
    for (const auto& [nome, chave] : chaves)
        benchmark::RegisterBenchmark(nome, Ordena, chave)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    registra("OrdenaJanela", OrdenaJanela);
    registra("IncluiRegras", IncluiRegras);
    registra("IncluiJanela", IncluiJanela);
    benchmark::RegisterBenchmark("IncluiComVersao", IncluiComVersao)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
    registra("MontaRelatorio", LayoutRelatorio);

    Colecionador colecionador;
    benchmark::RunSpecifiedBenchmarks(&colecionador);
    std::cout.flush(); // the library's lines before the table
    Tabela(colecionador, limites);
    CustoDaVersao();
    benchmark::Shutdown();
    DefinePastaPrograma(QString());
    return 0;
}
