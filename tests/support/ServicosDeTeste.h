#pragma once

#include "MensagensRoteiro.h"
#include "Servicos.h"

#include <QMap>

#include <functional>

// Counts the busy pointer's turns and the event passes; a test may act at each pass, as a
// repaint that runs in the middle of a loop would.
class AtividadeRoteiro final : public Atividade
{
public:
    void ocupado(bool ligado) override;
    void processaEventos() override;

    bool ligado() const { return ligado_; }
    int ligacoes() const { return ligacoes_; }
    int desligamentos() const { return desligamentos_; }
    int passagens() const { return passagens_; }

    std::function<void()> aCadaPassagem;

private:
    bool ligado_ = false;
    int ligacoes_ = 0;
    int desligamentos_ = 0;
    int passagens_ = 0;
};

// A drive set the test chooses, each drive with the failure reading it gives, if any.
class UnidadesRoteiro final : public Unidades
{
public:
    UnidadesRoteiro() = default;

    // The usual set on a temporary folder: "a:" (floppy), "c:" opening at `pastaC`, "d:" (CD),
    // and "e:", whose reading fails with a device input/output error (57). The folders of
    // a, d and e are made inside `pastaC`.
    static UnidadesRoteiro Padrao(const QString& pastaC);

    UnidadesRoteiro& adiciona(const Unidade& unidade, std::optional<Falha> falha = {});
    // Makes reading an existing drive fail from now on, as a medium pulled out would.
    void falha(QChar letra, std::optional<Falha> falha);

    QList<Unidade> lista() override { return unidades_; }
    std::optional<Falha> verifica(const Unidade& unidade) override;

    // The letters verified, in order.
    const QList<QChar>& verificadas() const { return verificadas_; }

private:
    QList<Unidade> unidades_;
    QMap<QChar, std::optional<Falha>> falhas_;
    QList<QChar> verificadas_;
};

class AjudaRoteiro final : public Ajuda
{
public:
    void abre(const QString& arquivo) override { abertos_.append(arquivo); }
    const QStringList& abertos() const { return abertos_; }

private:
    QStringList abertos_;
};

// Records the end of the program instead of ending the test.
class EncerramentoRoteiro final : public Encerramento
{
public:
    void encerra() override { ++chamadas_; }
    int chamadas() const { return chamadas_; }

private:
    int chamadas_ = 0;
};

// Records each document instead of printing it. A test may have the printer fail, or have
// every document drawn into a PDF file by the real drawing, to read back what would print.
class ImpressaoRoteiro final : public Impressao
{
public:
    std::optional<Falha> imprime(const QList<PaginaImpressa>& paginas) override;
    std::optional<Falha> visualiza(const QList<PaginaImpressa>& paginas) override;

    // The documents sent to the printer and those shown in the preview, in order.
    const QList<QList<PaginaImpressa>>& impressos() const { return impressos_; }
    const QList<QList<PaginaImpressa>>& visualizados() const { return visualizados_; }

    // What both calls return from now on, as a printer that is missing or fails would.
    std::optional<Falha> falha;
    // When not empty, each document printed or previewed is also drawn into this PDF file.
    QString arquivoPdf;
    // Runs as each document reaches the printer or the preview.
    std::function<void()> aCadaDocumento;

private:
    std::optional<Falha> desenha(const QList<PaginaImpressa>& paginas);

    QList<QList<PaginaImpressa>> impressos_;
    QList<QList<PaginaImpressa>> visualizados_;
};

// Draws pages into a PDF file as they would print on A4.
std::optional<Falha> GravaPdf(const QList<PaginaImpressa>& paginas, const QString& arquivo);

// Every scripted service, handed to the code under test as one `Servicos&`.
class ServicosDeTeste
{
public:
    explicit ServicosDeTeste(
        MensagensRoteiro::CaixaSoOk soOk = MensagensRoteiro::CaixaSoOk::PrecisaResposta,
        UnidadesRoteiro unidades = {});
    ServicosDeTeste(const ServicosDeTeste&) = delete;
    ServicosDeTeste& operator=(const ServicosDeTeste&) = delete;

    Servicos& servicos() { return servicos_; }

    MensagensRoteiro mensagens;
    AtividadeRoteiro atividade;
    UnidadesRoteiro unidades;
    AjudaRoteiro ajuda;
    EncerramentoRoteiro encerramento;
    ImpressaoRoteiro impressao;

private:
    Servicos servicos_{mensagens, atividade, unidades, ajuda, encerramento, impressao};
};
