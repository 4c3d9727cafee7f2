// Every command of the clerk, and the routines under them, on registers of several sizes. Each
// case runs one operation on each register file given with --arquivo (made by make-register);
// the table at the end puts the processor time at every size side by side, how it grows from
// one size to the next, and, at the largest size, the target the clerks' patience sets and the
// time the machine needs just to read the same file (--limite-wc-ns and --limite-cat-ns,
// measured by bench/run).

#include "ArquivoDados.h"
#include "ArquivoEnvio.h"
#include "Caminhos.h"
#include "ConversaoImportacao.h"
#include "FrmAdiantamentos.h"
#include "FrmImportacao.h"
#include "ImpressaoQt.h"
#include "ListasArquivos.h"
#include "Module1.h"
#include "Registro.h"
#include "RegrasEntrada.h"
#include "Relatorio.h"
#include "ServicosMudos.h"
#include "Verificacao.h"
#include "Versoes.h"
#include "frmGrava.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace
{

// One register file in a program folder of its own, and its contents.
struct RegistroMedido {
    QTemporaryDir pasta;
    QString arquivo; // Pravex<ano>.txt in the program folder
    Cabecalho cabecalho;
    QList<Adiantamento> linhas;
    qint64 bytes = 0;

    int tamanho() const { return static_cast<int>(linhas.size()); }
};

// The program folder of a case for as long as it runs.
class NaPasta
{
public:
    explicit NaPasta(const QString& pasta) { DefinePastaPrograma(pasta); }
    ~NaPasta() { DefinePastaPrograma(QString()); }
    NaPasta(const NaPasta&) = delete;
    NaPasta& operator=(const NaPasta&) = delete;
};

// A program folder of the case's own, with a copy of the register file, for the cases that
// rewrite or delete the data file: the next cases still read the file as it was made.
class PastaPropria
{
public:
    explicit PastaPropria(const RegistroMedido& r) : registro_(r)
    {
        restaura();
        DefinePastaPrograma(pasta_.path());
    }
    ~PastaPropria() { DefinePastaPrograma(QString()); }
    PastaPropria(const PastaPropria&) = delete;
    PastaPropria& operator=(const PastaPropria&) = delete;

    QString caminho() const { return pasta_.path(); }
    QString arquivo() const
    {
        return JuntaCaminho(pasta_.path(), QFileInfo(registro_.arquivo).fileName());
    }
    // The data file back as it was made.
    void restaura() const
    {
        QFile::remove(arquivo());
        QFile::copy(registro_.arquivo, arquivo());
    }

private:
    const RegistroMedido& registro_;
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

// Exactly these boxes were shown; they are forgotten for the next run.
bool Mostrou(benchmark::State& estado, MensagensMudas& mensagens, const QStringList& esperadas)
{
    if (mensagens.mostradas == esperadas) {
        mensagens.mostradas.clear();
        return true;
    }
    estado.SkipWithError(
        qPrintable(u"caixas inesperadas: "_s + mensagens.mostradas.join(u" | "_s)));
    return false;
}

// ---- the routines under the commands

void VerificacaoArquivo(benchmark::State& estado, RegistroMedido& r)
{
    const NaPasta naPasta(r.pasta.path());
    MensagensMudas mensagens;
    AtividadeQt atividade;
    PainelMudo painel;
    for (auto _ : estado) {
        if (!VerificaArquivo(r.arquivo, r.cabecalho.exercicio, painel, mensagens, atividade)) {
            Mudo(estado, mensagens);
            break;
        }
    }
}

void VerificacaoImportacao(benchmark::State& estado, RegistroMedido& r)
{
    MensagensMudas mensagens; // answers No to the question, so nothing is imported
    AtividadeQt atividade;
    PainelMudo painel;
    for (auto _ : estado) {
        VerificaImportacao(r.arquivo, painel, mensagens, atividade, [] { return false; });
        if (!Mostrou(estado, mensagens,
                     {u"Verificação concluida. Deseja Importar os dados agora ?"_s}))
            break;
    }
}

void CarregaModelo(benchmark::State& estado, RegistroMedido& r)
{
    MensagensMudas mensagens;
    AtividadeQt atividade;
    FormMudo form;
    for (auto _ : estado) {
        if (CarregaArquivo(r.arquivo, form, mensagens, atividade) != 1 ||
            form.modelo.linhas() != r.tamanho()) {
            Mudo(estado, mensagens);
            break;
        }
    }
}

// The import's conversion: the file converted whole, then put into the list in place of its
// rows, with the progress told after every record.
void ImportaArquivo(benchmark::State& estado, RegistroMedido& r)
{
    ModeloAdiantamentos modelo;
    for (auto _ : estado) {
        int progresso = 0;
        ResultadoImportacao resultado =
            ConverteImportacao(r.arquivo, [&](int valor) { progresso = valor; });
        auto* dados = std::get_if<DadosImportados>(&resultado);
        if (!dados) {
            estado.SkipWithError(qPrintable(
                MensagemRegistroRecusado(std::get<RegistroRecusado>(resultado).registro)));
            break;
        }
        modelo.defineLinhas(std::move(dados->adiantamentos));
        if (modelo.linhas() != r.tamanho() || progresso != modelo.linhas() + 2) {
            estado.SkipWithError("a importação não trouxe todas as linhas");
            break;
        }
    }
}

// The register open without the window: a folder of its own, its exercise open, its rows in
// the model.
struct RegistroAberto {
    explicit RegistroAberto(const RegistroMedido& r) : pasta(r)
    {
        AbreExercicio(r.cabecalho.exercicio);
        form.cab = r.cabecalho;
        form.modelo.defineLinhas(r.linhas);
    }
    ~RegistroAberto() { FechaExercicio(); }
    RegistroAberto(const RegistroAberto&) = delete;
    RegistroAberto& operator=(const RegistroAberto&) = delete;

    const PastaPropria pasta;
    MensagensMudas mensagens;
    FormMudo form;
};

// The whole data file written, every line encoded: the first write after the exercise opens.
void GravaArquivoCompleto(benchmark::State& estado, RegistroMedido& r)
{
    RegistroAberto aberto(r);
    for (auto _ : estado) {
        estado.PauseTiming();
        aberto.form.modelo.linhasGravadas().esquece();
        estado.ResumeTiming();
        if (!GravaArquivo(aberto.form, aberto.mensagens)) {
            Mudo(estado, aberto.mensagens);
            break;
        }
    }
}

class AndamentoMudo final : public AndamentoEnvio
{
};

void ArquivoEnvio(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    AndamentoMudo andamento;
    const QString envio = CaminhoArquivoEnvio(r.cabecalho.exercicio);
    for (auto _ : estado) {
        if (const std::optional<Falha> falha =
                GravaArquivoEnvio(pasta.arquivo(), envio, andamento)) {
            estado.SkipWithError(qPrintable(falha->texto()));
            break;
        }
    }
}

// The rows in file order sorted by one key, as the first click on a title sorts them.
void Ordena(benchmark::State& estado, RegistroMedido& r, int chave)
{
    for (auto _ : estado) {
        estado.PauseTiming();
        QList<Adiantamento> linhas = r.linhas;
        linhas.detach(); // the window's list owns its rows; no copy is made in the sort
        ModeloAdiantamentos modelo;
        modelo.defineLinhas(std::move(linhas));
        estado.ResumeTiming();
        modelo.ordena(chave, Qt::AscendingOrder);
        benchmark::DoNotOptimize(modelo.linha(0));
    }
}

const int NovaNotaEmpenho = 999999999;

CamposEntrada CamposNovos(const RegistroMedido& r)
{
    // A creditor already in the register, so that the name goes to all of that CPF's rows.
    const Adiantamento& credor = r.linhas[r.linhas.size() / 2];
    CamposEntrada c;
    c.cabecalho = r.cabecalho;
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
void IncluiRegras(benchmark::State& estado, RegistroMedido& r)
{
    RegistroAberto aberto(r);
    MensagensMudas& mensagens = aberto.mensagens;
    FormMudo& form = aberto.form;
    for (auto _ : estado) {
        CamposEntrada campos = CamposNovos(r);
        if (const std::optional<Recusa> recusa = ValidaAdiantamento(campos)) {
            estado.SkipWithError(qPrintable(recusa->texto));
            break;
        }
        if (const std::optional<Recusa> recusa =
                ChecaDuplicidade(form.modelo, campos.notaEmpenho)) {
            estado.SkipWithError(qPrintable(recusa->texto));
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
}

// ---- one include and the version it keeps

// The differences, in nanoseconds, between an include with its version and one without, pair by
// pair.
std::vector<double> DiferencasVersao;

// A row added and the register rewritten through GravaArquivo, which keeps the file it replaces
// as a version in the folder versoes (the case's time). Each iteration also rewrites it once
// without a version, first or second in turn, so that a machine that speeds up or slows down
// weighs on both alike: the median of the pairs' differences is what the version adds. The
// folder holds as many versions as the retention lets it, as a clerk's does. The processor time
// the table shows covers both rewrites of an iteration.
void IncluiComVersao(benchmark::State& estado, RegistroMedido& r)
{
    RegistroAberto aberto(r);
    MensagensMudas& mensagens = aberto.mensagens;
    FormMudo& form = aberto.form;
    const Adiantamento novo = MontaAdiantamento(CamposNovos(r));
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
                // The same write without the version: its unchanged lines copied as well.
                gravado =
                    !EscreveArquivoExercicio(Module1::ArquivoExercicio, CabecalhoAberto(form),
                                             form.modelo.todas(), form.modelo.linhasGravadas());
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
}

void LayoutRelatorio(benchmark::State& estado, RegistroMedido& r)
{
    for (auto _ : estado) {
        const Relatorio relatorio = MontaRelatorio(r.cabecalho, LinhasRelatorio(r.linhas));
        if (relatorio.falha) {
            estado.SkipWithError(qPrintable(relatorio.falha->texto()));
            break;
        }
        benchmark::DoNotOptimize(relatorio.paginas.size());
    }
}

// ---- the commands, on the real main window shown on the offscreen screen

struct Janela {
    ServicosMudos mudos;
    Servicos servicos = mudos.servicos();
    FrmAdiantamentos janela{servicos};
    const RegistroMedido& registro;

    explicit Janela(const RegistroMedido& r) : registro(r)
    {
        MostraAtiva(janela);
        mudos.mensagens.mostradas.clear(); // the start hint
    }
    ~Janela() { FechaExercicio(); }
    template <typename T> T* w(const char* nome)
    {
        return janela.findChild<T*>(QString::fromLatin1(nome));
    }
    QTreeView* lista() { return w<QTreeView>("LvwAdiantamentos"); }
    // "I&niciar" on the year of the file: verification, loading and the list shown.
    void inicia()
    {
        w<QLineEdit>("TxtExercicio")->setText(registro.cabecalho.exercicio);
        janela.CmdCarrega_Click();
        QCoreApplication::processEvents();
    }
    bool carregada() { return janela.lista().linhas() == registro.tamanho(); }
    // The register back in the list in file order, the data file as made, the list drawn.
    void recompoe(const PastaPropria& pasta)
    {
        pasta.restaura();
        janela.lista().defineLinhas(registro.linhas);
        QCoreApplication::processEvents();
    }
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

// Enter on the year: the data file verified and loaded, the list shown.
void CarregaJanela(benchmark::State& estado, RegistroMedido& r)
{
    const NaPasta naPasta(r.pasta.path());
    Janela j(r);
    for (auto _ : estado) {
        j.inicia();
        if (!Carregada(estado, j))
            break;
    }
}

// F8, "&Importar..." in the import dialog on the register file, and Yes to its question: the
// verification, the conversion and the main window's list replaced, as the operator waits.
void ImportaJanela(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r); // holds the register file and nothing else
    Janela j(r);
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
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        if (!Mostrou(estado, j.mudos.mensagens,
                     {u"Verificação concluida. Deseja Importar os dados agora ?"_s,
                      u"Importação efetuada com sucesso!"_s}))
            break;
        if (!j.carregada()) {
            estado.SkipWithError("a importação não trouxe todas as linhas");
            break;
        }
    }
}

// F2 on a typed advance in the loaded window, until the list and the fields are drawn again.
void IncluiJanela(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    Janela j(r);
    j.inicia();
    if (!Carregada(estado, j))
        return;
    j.janela.CmdIncluir_Click();
    const CamposEntrada c = CamposNovos(r);
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
        const bool incluida = j.janela.lista().linhas() == r.tamanho() + 1;
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
}

// F3 on the middle row and F2 with the creditor renamed: the row replaced, the name carried to
// every row of that CPF, the data file rewritten and the window back to idle.
void AlteraJanela(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    Janela j(r);
    j.inicia();
    if (!Carregada(estado, j))
        return;
    const int meio = r.tamanho() / 2;
    bool outroNome = false;
    for (auto _ : estado) {
        estado.PauseTiming();
        j.janela.selecionaLinha(meio);
        j.janela.LvwAdiantamentos_Click();
        j.janela.CmdAlterar_Click();
        outroNome = !outroNome;
        j.w<QLineEdit>("TxtNomeResponsavel")
            ->setText(outroNome ? u"CREDOR COM OUTRO NOME"_s : r.linhas[meio].nome);
        QCoreApplication::processEvents();
        estado.ResumeTiming();

        j.janela.CmdOK_Click();
        QCoreApplication::processEvents();

        if (!Mudo(estado, j.mudos.mensagens))
            break;
        if (Module1::Operacao != QString()) {
            estado.SkipWithError("a alteração não voltou ao estado ocioso");
            break;
        }
    }
}

// F4 on a selection, with OK to its question: the rows removed, the data file rewritten (or
// deleted with the last row) and the list drawn again. `seleciona` picks the rows afresh.
void ExcluiJanela(benchmark::State& estado, RegistroMedido& r,
                  const std::function<void(QItemSelectionModel&, int linhas)>& seleciona,
                  int restantes)
{
    const PastaPropria pasta(r);
    Janela j(r);
    j.inicia();
    if (!Carregada(estado, j))
        return;
    QItemSelectionModel& selecao = *j.lista()->selectionModel();
    for (auto _ : estado) {
        estado.PauseTiming();
        j.recompoe(pasta);
        seleciona(selecao, r.tamanho());
        QCoreApplication::processEvents();
        estado.ResumeTiming();

        j.janela.CmdExcluir_Click();
        QCoreApplication::processEvents();

        if (!Mostrou(estado, j.mudos.mensagens, {u"Confirma a exclusão."_s}))
            break;
        if (j.janela.lista().linhas() != restantes) {
            estado.SkipWithError(
                qPrintable(u"restaram %1 linhas"_s.arg(j.janela.lista().linhas())));
            break;
        }
    }
}

void ExcluiTudo(benchmark::State& estado, RegistroMedido& r)
{
    ExcluiJanela(
        estado, r,
        [](QItemSelectionModel& s, int linhas) {
            s.select(QItemSelection(s.model()->index(0, 0),
                                    s.model()->index(linhas - 1, Coluna::Total - 1)),
                     QItemSelectionModel::ClearAndSelect);
        },
        0);
}

void ExcluiUma(benchmark::State& estado, RegistroMedido& r)
{
    ExcluiJanela(
        estado, r,
        [](QItemSelectionModel& s, int linhas) {
            s.setCurrentIndex(s.model()->index(linhas / 2, 0),
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        },
        r.tamanho() - 1);
}

// One row in 32, each picked by a Ctrl+click of its own: 1,000 rows apart of 32,000.
constexpr int IntervaloEspalhadas = 32;

void ExcluiEspalhadas(benchmark::State& estado, RegistroMedido& r)
{
    const int removidas = (r.tamanho() + IntervaloEspalhadas - 1) / IntervaloEspalhadas;
    ExcluiJanela(
        estado, r,
        [](QItemSelectionModel& s, int linhas) {
            s.clearSelection();
            for (int l = 0; l < linhas; l += IntervaloEspalhadas)
                s.select(s.model()->index(l, 0),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        },
        r.tamanho() - removidas);
}

// The first click on the Valor title of a window whose list is still in file order.
void OrdenaDoArquivo(benchmark::State& estado, RegistroMedido& r)
{
    const NaPasta naPasta(r.pasta.path());
    for (auto _ : estado) {
        estado.PauseTiming();
        auto j = std::make_unique<Janela>(r);
        j->inicia();
        estado.ResumeTiming();

        j->janela.LvwAdiantamentos_ColumnClick(6);
        QCoreApplication::processEvents();

        estado.PauseTiming();
        const bool carregada = Carregada(estado, *j);
        j.reset();
        if (!carregada)
            break;
        estado.ResumeTiming();
    }
}

// A click on the Valor title of the sorted list: each click reverses the last order, and the
// list is drawn again.
void OrdenaJanela(benchmark::State& estado, RegistroMedido& r)
{
    const NaPasta naPasta(r.pasta.path());
    Janela j(r);
    j.inicia();
    if (!Carregada(estado, j))
        return;
    for (auto _ : estado) {
        j.janela.LvwAdiantamentos_ColumnClick(6);
        QCoreApplication::processEvents();
    }
}

// Closes the write/restore dialog that a command left open, and lets the main window take the
// screen back (drawn again as the active window), as it does before the clerk's next command.
void FechaGrava(QWidget& principal)
{
    delete principal.findChild<frmGrava*>(QString(), Qt::FindDirectChildrenOnly);
    QCoreApplication::processEvents();
}

// F6: the header checked, the submission file written from the data file and the dialog that
// copies it opened.
void EnvioJanela(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    Janela j(r);
    j.mudos.unidades.raizC = pasta.caminho();
    j.inicia();
    if (!Carregada(estado, j))
        return;
    for (auto _ : estado) {
        j.janela.CmdGravarArquivo_Click();
        QCoreApplication::processEvents();

        estado.PauseTiming();
        const bool aberto = j.janela.findChild<frmGrava*>() != nullptr;
        FechaGrava(j.janela);
        estado.ResumeTiming();
        if (!Mudo(estado, j.mudos.mensagens))
            break;
        if (!aberto) {
            estado.SkipWithError("o diálogo de cópia não abriu");
            break;
        }
    }
}

// F5: the report laid out and drawn page by page, here into a PDF file as a printer driver
// would receive it.
void ImprimeJanela(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    Janela j(r);
    j.mudos.impressao.arquivoPdf = JuntaCaminho(pasta.caminho(), u"relatorio.pdf"_s);
    j.inicia();
    if (!Carregada(estado, j))
        return;
    QStringList esperadas;
    if (r.tamanho() > 255 * 84)
        esperadas << u"Estouro - 6"_s; // the page counter stops at 255, once per document
    esperadas << u"Aguarde o final da impressão..."_s;
    for (auto _ : estado) {
        j.janela.CmdImprimir_Click();
        QCoreApplication::processEvents();
        if (!Mostrou(estado, j.mudos.mensagens, esperadas))
            break;
    }
}

// Shift+F5: the report laid out and shown in the print preview, which draws every page; the
// preview is closed as soon as it is up.
void VisualizaJanela(benchmark::State& estado, RegistroMedido& r)
{
    const NaPasta naPasta(r.pasta.path());
    ServicosMudos mudos;
    ImpressaoQt impressao(mudos.atividade);
    Servicos servicos{mudos.mensagens, mudos.atividade,    mudos.unidades,
                      mudos.ajuda,     mudos.encerramento, impressao};
    FrmAdiantamentos janela(servicos);
    MostraAtiva(janela);
    mudos.mensagens.mostradas.clear();
    janela.findChild<QLineEdit*>(u"TxtExercicio"_s)->setText(r.cabecalho.exercicio);
    janela.CmdCarrega_Click();
    if (janela.lista().linhas() != r.tamanho() || !Mudo(estado, mudos.mensagens)) {
        estado.SkipWithError("o exercício não abriu");
        return;
    }
    QStringList esperadas;
    if (r.tamanho() > 255 * 84)
        esperadas << u"Estouro - 6"_s;
    for (auto _ : estado) {
        bool veio = false;
        QTimer fecha;
        QObject::connect(&fecha, &QTimer::timeout, &fecha, [&] {
            if (auto* previa =
                    qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
                fecha.stop();
                veio = true;
                QCoreApplication::processEvents(); // the first page drawn on the screen
                previa->reject();
            }
        });
        fecha.start(0);
        janela.visualizaRelatorio();
        if (!veio) {
            estado.SkipWithError("a visualização não abriu");
            break;
        }
        if (!Mostrou(estado, mudos.mensagens, esperadas))
            break;
    }
    FechaExercicio();
}

// The write/restore dialog in a mode, at the start drive, as its command opens it. It deletes
// itself once closed.
QPointer<frmGrava> Grava(Janela& j, const QString& modo)
{
    Module1::ModoGrava = modo;
    QPointer<frmGrava> dialogo = new frmGrava(j.janela, j.janela, j.servicos);
    dialogo->Form_Load();
    dialogo->show();
    QCoreApplication::processEvents();
    return dialogo;
}

// F7, the backup picked and "Restaurar": the backup loaded in place of the register.
void RestauraJanela(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    Janela j(r);
    QTemporaryDir copias;
    QFile::copy(r.arquivo, JuntaCaminho(copias.path(), NomeArquivoBackup(r.cabecalho.exercicio)));
    j.mudos.unidades.raizC = copias.path();
    j.inicia();
    if (!Carregada(estado, j))
        return;
    for (auto _ : estado) {
        estado.PauseTiming();
        j.janela.lista().limpa();
        QPointer<frmGrava> dialogo = Grava(j, u"R"_s);
        dialogo->findChild<ListaArquivos*>(u"File1"_s)->setCurrentRow(0);
        estado.ResumeTiming();

        dialogo->CmdImportar_Click();
        QCoreApplication::processEvents();

        estado.PauseTiming();
        delete dialogo.data();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        if (!Mostrou(estado, j.mudos.mensagens, {u"Cópia de Segurança restaurada com sucesso."_s}))
            break;
        if (!j.carregada()) {
            estado.SkipWithError("a restauração não trouxe todas as linhas");
            break;
        }
    }
}

// Esc, "Sim" and "Gravar": the backup of the data file written into the chosen folder.
void CopiaSeguranca(benchmark::State& estado, RegistroMedido& r)
{
    const PastaPropria pasta(r);
    Janela j(r);
    QTemporaryDir destino;
    j.mudos.unidades.raizC = destino.path();
    j.inicia();
    if (!Carregada(estado, j))
        return;
    for (auto _ : estado) {
        estado.PauseTiming();
        QPointer<frmGrava> dialogo = Grava(j, u"B"_s);
        estado.ResumeTiming();

        dialogo->CmdImportar_Click();
        QCoreApplication::processEvents();

        estado.PauseTiming();
        delete dialogo.data();
        QCoreApplication::processEvents();
        estado.ResumeTiming();
        if (!Mostrou(estado, j.mudos.mensagens, {u"Arquivo de segurança (backup) gravado. "_s}))
            break;
    }
}

// ---- the cases and the table

// What a case is held to at the largest register, on processor time, as the clerks feel it.
struct Meta {
    double vezesWc = 0;    // at most this many times `wc -l` on the same file
    double ms = 0;         // or at most this many milliseconds
    bool ponteiro = false; // or no time: long enough that the busy pointer shows
};

using Medida = std::function<void(benchmark::State&, RegistroMedido&)>;

struct Caso {
    const char* nome;
    Medida medida;
    Meta meta;
    // Runs of a repetition, when each needs a fresh window: a few are enough and keep the set-up
    // (not measured) from taking minutes.
    int execucoes = 0;
};

std::vector<Caso> Casos()
{
    std::vector<Caso> c = {
        // Enter on the year, and what it runs.
        {"IniciaJanela", CarregaJanela, {0, 60}},
        {"VerificaArquivo", VerificacaoArquivo, {20, 0}},
        {"CarregaArquivo", CarregaModelo, {20, 0}},
        // F2, F3, F4.
        {"IncluiJanela", IncluiJanela, {0, 30}},
        {"IncluiRegras", IncluiRegras, {0, 30}},
        {"GravaArquivo", GravaArquivoCompleto, {}},
        {"AlteraJanela", AlteraJanela, {0, 30}},
        {"ExcluiTudo", ExcluiTudo, {0, 100}, 10},
        {"ExcluiUma", ExcluiUma, {0, 100}, 10},
        {"ExcluiEspalhadas", ExcluiEspalhadas, {0, 100}, 10},
        // A title clicked.
        {"OrdenaDoArquivo", OrdenaDoArquivo, {0, 30}, 5},
        {"OrdenaJanela", OrdenaJanela, {0, 30}},
    };
    // Every title of the list on the rows in file order: the five with a hidden key, and the
    // three sorted by their text.
    const std::pair<const char*, int> chaves[] = {
        {"Ordena/Processo", Coluna::Processo},      {"Ordena/NotaEmpenho", Coluna::ChaveNe},
        {"Ordena/Elemento", Coluna::ChaveEe},       {"Ordena/CPF", Coluna::CpfCredor},
        {"Ordena/Nome", Coluna::NomeCredor},        {"Ordena/Valor", Coluna::ChaveVl},
        {"Ordena/PeriodoInicial", Coluna::ChavePi}, {"Ordena/PeriodoFinal", Coluna::ChavePf},
    };
    for (const auto& [nome, chave] : chaves)
        c.push_back(
            {nome,
             [chave = chave](benchmark::State& e, RegistroMedido& r) { Ordena(e, r, chave); },
             {0, 30}});
    const std::vector<Caso> resto = {
        // F5, Shift+F5.
        {"ImprimeJanela", ImprimeJanela, {0, 0, true}, 3},
        {"VisualizaJanela", VisualizaJanela, {0, 0, true}, 3},
        {"MontaRelatorio", LayoutRelatorio, {0, 100}},
        // F6.
        {"EnvioJanela", EnvioJanela, {0, 30}},
        {"ArquivoEnvio", ArquivoEnvio, {0, 30}},
        // F7, Esc with the backup.
        {"RestauraJanela", RestauraJanela, {0, 60}},
        {"CopiaSeguranca", CopiaSeguranca, {0, 100}},
        // F8, and what it runs.
        {"ImportaJanela", ImportaJanela, {0, 0, true}},
        {"VerificaImportacao", VerificacaoImportacao, {20, 0}},
        {"ConverteImportacao", ImportaArquivo, {20, 0}},
    };
    c.insert(c.end(), resto.begin(), resto.end());
    return c;
}

struct Tempo {
    double ns = 0;    // wall time: what the clerk waits, stretched by other work on the machine
    double cpuNs = 0; // processor time: what the targets are judged on
    std::string erro;
};

// Keeps the median of every case at every size (the plain run when there are no repetitions).
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
                tempos[nome] = {0, 0, r.error_message};
            } else if (mediana || unica) {
                const double porUnidade = benchmark::GetTimeUnitMultiplier(r.time_unit);
                tempos[nome] = {r.GetAdjustedRealTime() / porUnidade * 1e9,
                                r.GetAdjustedCPUTime() / porUnidade * 1e9,
                                {}};
            }
        }
    }

    std::map<std::string, Tempo> tempos;
};

struct Limites {
    double wcNs = 0;
    double wcCpuNs = 0;
    double catNs = 0;
    double memoriaVaziaKb = 0;
    double memoriaCarregadaKb = 0;
};

std::string Duracao(double ns)
{
    char texto[32];
    if (ns >= 100e6)
        std::snprintf(texto, sizeof texto, "%.0f ms", ns / 1e6);
    else if (ns >= 1e6)
        std::snprintf(texto, sizeof texto, "%.1f ms", ns / 1e6);
    else
        std::snprintf(texto, sizeof texto, "%.0f us", ns / 1e3);
    return texto;
}

std::string NomeMedida(const char* caso, const RegistroMedido& r)
{
    return std::string(caso) + "/" + std::to_string(r.tamanho());
}

// How much n log n grows from `a` rows to `b` rows.
double CrescimentoNLogN(double a, double b)
{
    return b * std::log(b) / (a * std::log(a));
}

// Measured growth above n log n by more than this counts as faster: figures of one run differ
// by some percent from those of the next.
constexpr double FolgaRuido = 1.25;

void Tabela(const std::vector<Caso>& casos, const std::vector<RegistroMedido*>& registros,
            const Colecionador& c, const Limites& l)
{
    const RegistroMedido& maior = *registros.back();
    std::printf("\nRegistros: ");
    for (const RegistroMedido* r : registros)
        std::printf("%s%d adiantamentos (%lld bytes)", r == registros.front() ? "" : ", ",
                    r->tamanho(), static_cast<long long>(r->bytes));
    std::printf("\n");
    if (l.catNs > 0)
        std::printf("Limite da máquina no maior: cat %s, wc -l %s (melhor de várias)%s%s\n",
                    Duracao(l.catNs).c_str(), Duracao(l.wcNs).c_str(),
                    l.wcCpuNs > 0 ? "; wc -l usa de processador " : "",
                    l.wcCpuNs > 0 ? Duracao(l.wcCpuNs).c_str() : "");
    std::printf("Tempo de processador (mediana) a cada tamanho; a parede no maior varia com a "
                "carga da máquina.\n"
                "A meta vale no maior registro e é julgada no tempo de processador. O "
                "crescimento é o\nfator de um tamanho ao seguinte; '>' marca o que cresce mais "
                "que n log n (");
    for (size_t i = 1; i < registros.size(); ++i)
        std::printf("%sx%.1f", i > 1 ? " e " : "",
                    CrescimentoNLogN(registros[i - 1]->tamanho(), registros[i]->tamanho()));
    std::printf(", com %.0f%% de folga para o ruído).\n\n", (FolgaRuido - 1) * 100);

    std::printf("%-22s", "operação");
    for (const RegistroMedido* r : registros)
        std::printf(" %9d", r->tamanho());
    std::printf(" %9s %9s", "parede", "por linha");
    for (size_t i = 1; i < registros.size(); ++i)
        std::printf(" %7s", i == 1 ? "cresce" : "");
    std::printf("  %-11s %s\n", "meta", "veredito");

    bool algumLento = false;
    bool algumCrescente = false;
    for (const Caso& caso : casos) {
        std::printf("%-22s", caso.nome);
        std::vector<double> cpus;
        std::string erro;
        for (const RegistroMedido* r : registros) {
            const auto t = c.tempos.find(NomeMedida(caso.nome, *r));
            if (t == c.tempos.end() || !t->second.erro.empty()) {
                if (t != c.tempos.end() && erro.empty())
                    erro = t->second.erro;
                cpus.push_back(-1);
                std::printf(" %9s", t == c.tempos.end() ? "-" : "falhou");
            } else {
                cpus.push_back(t->second.cpuNs);
                std::printf(" %9s", Duracao(t->second.cpuNs).c_str());
            }
        }
        const auto noMaior = c.tempos.find(NomeMedida(caso.nome, maior));
        const bool medido = noMaior != c.tempos.end() && noMaior->second.erro.empty();
        if (medido) {
            char porLinha[32];
            std::snprintf(porLinha, sizeof porLinha, "%.0f ns",
                          noMaior->second.cpuNs / (maior.tamanho() + 1));
            std::printf(" %9s %9s", Duracao(noMaior->second.ns).c_str(), porLinha);
        } else {
            std::printf(" %9s %9s", "-", "-");
        }
        for (size_t i = 1; i < registros.size(); ++i) {
            if (cpus[i - 1] <= 0 || cpus[i] <= 0) {
                std::printf(" %7s", "-");
                continue;
            }
            const double fator = cpus[i] / cpus[i - 1];
            const bool rapido = fator > FolgaRuido * CrescimentoNLogN(registros[i - 1]->tamanho(),
                                                                      registros[i]->tamanho());
            algumCrescente = algumCrescente || rapido;
            char texto[32];
            std::snprintf(texto, sizeof texto, "%sx%.1f", rapido ? ">" : "", fator);
            std::printf(" %7s", texto);
        }
        const Meta& meta = caso.meta;
        char textoMeta[32] = "-";
        double limite = 0;
        if (meta.vezesWc > 0 && l.wcNs > 0) {
            std::snprintf(textoMeta, sizeof textoMeta, "<= %.0fx wc", meta.vezesWc);
            limite = meta.vezesWc * l.wcNs;
        } else if (meta.ms > 0) {
            std::snprintf(textoMeta, sizeof textoMeta, "< %.0f ms", meta.ms);
            limite = meta.ms * 1e6;
        } else if (meta.ponteiro) {
            std::snprintf(textoMeta, sizeof textoMeta, "ponteiro");
        }
        const char* veredito = "";
        if (!medido)
            veredito = "NÃO MEDIDO";
        else if (limite > 0)
            veredito = noMaior->second.cpuNs <= limite ? "cumpre" : "NÃO CUMPRE";
        algumLento = algumLento || (limite > 0 && (!medido || noMaior->second.cpuNs > limite));
        std::printf("  %-11s %s\n", textoMeta, veredito);
        if (!erro.empty())
            std::printf("%-22s   falhou: %s\n", "", erro.c_str());
    }
    std::printf("\n%s; %s.\n", algumLento ? "Há meta NÃO CUMPRIDA" : "Todas as metas cumpridas",
                algumCrescente ? "há operação que cresce mais que n log n ('>')"
                               : "nenhuma operação cresce mais que n log n");
    if (l.memoriaCarregadaKb > 0) {
        const double acimaMb = (l.memoriaCarregadaKb - l.memoriaVaziaKb) / 1024.0;
        std::printf("\nMemória de pico: programa vazio %.1f MB, com o maior registro carregado "
                    "%.1f MB;\n  o registro custa %.1f MB (%.1fx o arquivo de %.1f MB); meta < "
                    "40 MB: %s\n",
                    l.memoriaVaziaKb / 1024.0, l.memoriaCarregadaKb / 1024.0, acimaMb,
                    acimaMb * 1024.0 * 1024.0 / static_cast<double>(maior.bytes),
                    static_cast<double>(maior.bytes) / (1024.0 * 1024.0),
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
                Duracao(mediana).c_str(), d.size(), mediana < 2e6 ? "cumpre" : "NÃO CUMPRE");
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

// Reads one register file into a program folder of its own.
bool Prepara(const std::string& arquivo, RegistroMedido& r)
{
    try {
        const ConteudoExercicio conteudo = LeArquivoExercicio(QString::fromLocal8Bit(arquivo));
        r.cabecalho = conteudo.cabecalho;
        r.linhas = conteudo.adiantamentos;
    } catch (const Falha& falha) {
        std::fprintf(stderr, "%s: %s\n", arquivo.c_str(), qUtf8Printable(falha.texto()));
        return false;
    }
    r.arquivo = JuntaCaminho(r.pasta.path(), NomeArquivoExercicio(r.cabecalho.exercicio));
    if (!QFile::copy(QString::fromLocal8Bit(arquivo), r.arquivo)) {
        std::fprintf(stderr, "não foi possível copiar %s\n", arquivo.c_str());
        return false;
    }
    r.bytes = QFileInfo(r.arquivo).size();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);

    std::vector<std::string> arquivos;
    Limites limites;
    for (int i = 1; i < argc; ++i) {
        std::string v;
        if (Opcao(argv[i], "--arquivo", v))
            arquivos.push_back(v);
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
    if (arquivos.empty()) {
        std::fprintf(stderr, "uso: pravex_bench --arquivo=REGISTRO [--arquivo=REGISTRO...] "
                             "[--limite-wc-ns=N --limite-wc-cpu-ns=N --limite-cat-ns=N "
                             "--memoria-vazia-kb=N --memoria-carregada-kb=N] [opções do "
                             "benchmark]\n"
                             "  os registros do menor ao maior; limites e memória são do maior\n");
        return 2;
    }

    QApplication app(argc, argv);
    std::vector<std::unique_ptr<RegistroMedido>> donos;
    std::vector<RegistroMedido*> registros;
    for (const std::string& arquivo : arquivos) {
        donos.push_back(std::make_unique<RegistroMedido>());
        if (!Prepara(arquivo, *donos.back()))
            return 1;
        registros.push_back(donos.back().get());
    }

    const std::vector<Caso> casos = Casos();
    for (const Caso& caso : casos) {
        for (RegistroMedido* r : registros) {
            benchmark::internal::Benchmark* b =
                benchmark::RegisterBenchmark(NomeMedida(caso.nome, *r).c_str(),
                                             [medida = caso.medida, r](benchmark::State& estado) {
                                                 medida(estado, *r);
                                                 estado.counters["linhas"] = r->tamanho();
                                             });
            b->Unit(benchmark::kMillisecond)->UseRealTime();
            if (caso.execucoes > 0)
                b->Iterations(caso.execucoes);
        }
    }

    // What a version adds to an include, at the largest register only: timed by hand, in pairs.
    RegistroMedido* maior = registros.back();
    benchmark::RegisterBenchmark(
        NomeMedida("IncluiComVersao", *maior).c_str(),
        [maior](benchmark::State& estado) { IncluiComVersao(estado, *maior); })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();

    Colecionador colecionador;
    benchmark::RunSpecifiedBenchmarks(&colecionador);
    std::cout.flush(); // the library's lines before the table
    Tabela(casos, registros, colecionador, limites);
    CustoDaVersao();
    benchmark::Shutdown();
    return 0;
}
