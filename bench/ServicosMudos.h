#pragma once

#include "AtividadeQt.h"
#include "DesenhoRelatorio.h"
#include "FormRegistro.h"
#include "ModeloAdiantamentos.h"
#include "PainelVerificacao.h"
#include "Servicos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QStringList>

// Services that show nothing: a measured operation must not stop at a box, and every box it
// would have shown is kept so that the run can tell a wrong path from a slow one.
class MensagensMudas final : public Mensagens
{
public:
    Resposta mostra(const QString& texto, Icone, Botoes botoes, const QString&) override
    {
        mostradas.append(texto);
        return botoes == Botoes::SimNao ? respostaSimNao : Resposta::Ok;
    }
    void bipe() override {}

    QStringList mostradas;
    Resposta respostaSimNao = Resposta::Nao;
};

// One drive, c:, opening at the folder given (none while it is empty).
class UnidadesMudas final : public Unidades
{
public:
    QList<Unidade> lista() override
    {
        if (raizC.isEmpty())
            return {};
        return {Unidade{u'c', QStringLiteral("Sistema"), raizC}};
    }
    std::optional<Falha> verifica(const Unidade&) override { return std::nullopt; }

    QString raizC;
};

class AjudaMuda final : public Ajuda
{
public:
    void abre(const QString&) override {}
};

class EncerramentoMudo final : public Encerramento
{
public:
    void encerra() override {}
};

// Prints nothing, or, given a file, draws every document into it as a PDF printer would.
class ImpressaoMuda final : public Impressao
{
public:
    std::optional<Falha> imprime(const QList<PaginaImpressa>& paginas) override
    {
        if (arquivoPdf.isEmpty())
            return std::nullopt;
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(arquivoPdf);
        PreparaImpressora(impressora);
        return DesenhaPaginas(impressora, paginas);
    }
    std::optional<Falha> visualiza(const QList<PaginaImpressa>&) override { return std::nullopt; }

    QString arquivoPdf;
};

struct ServicosMudos {
    MensagensMudas mensagens;
    // The program's own: letting events through where the operations do is part of their cost.
    AtividadeQt atividade;
    UnidadesMudas unidades;
    AjudaMuda ajuda;
    EncerramentoMudo encerramento;
    ImpressaoMuda impressao;

    Servicos servicos() { return {mensagens, atividade, unidades, ajuda, encerramento, impressao}; }
};

// The window surface the register routines need, around the real list model.
class FormMudo final : public FormRegistro
{
public:
    Cabecalho cabecalho() const override { return cab; }
    void defineCabecalho(const Cabecalho& c) override { cab = c; }
    ModeloAdiantamentos& lista() override { return modelo; }
    void focaCabecalho(CampoCabecalho) override {}
    void progresso(int, int, int) override {}
    void aguarde(const QString&) override {}
    void fimAguarde() override {}
    QString nomeCredor() const override { return credor; }
    void selecionaLinha(int) override {}
    void habilitaRegistro() override {}
    void limpaExercicio() override {}

    Cabecalho cab;
    ModeloAdiantamentos modelo;
    QString credor;
};

class PainelMudo final : public PainelVerificacao
{
public:
    void mostraProgresso(int, int, int) override {}
    void avancaProgresso(int) override {}
    void bloqueiaComandos(bool) override {}
};

// Shows the main window as the active one, and lets the start hint it shows on its activation
// come before anything is measured.
inline void MostraAtiva(QWidget& janela)
{
    janela.show();
    janela.activateWindow();
    QElapsedTimer espera;
    espera.start();
    while (QApplication::activeWindow() != &janela && espera.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}
