#pragma once

#include "Servicos.h"

#include <QList>
#include <QString>

#include <ostream>

// A box as the operator would have seen it: the text as given (carriage returns kept), and the
// title as shown, "Pravex" when none was given.
struct CaixaMostrada {
    QString texto;
    Icone icone = Icone::Nenhum;
    Botoes botoes = Botoes::Ok;
    QString titulo;

    friend bool operator==(const CaixaMostrada&, const CaixaMostrada&) = default;
};

void PrintTo(const CaixaMostrada& caixa, std::ostream* os);

// Message boxes answered from a queue the test fills beforehand. Every box and beep is
// recorded. The test fails when a box comes that no answer was queued for, when a queued
// answer does not fit the box's buttons or its expected text, and when answers are left
// unused at the end (verificaFim, or the destructor).
class MensagensRoteiro final : public Mensagens
{
public:
    // Whether a box with only an OK button answers itself, without a queued answer. When it
    // does, such boxes never take an answer from the queue: the queue is for the questions.
    enum class CaixaSoOk { PrecisaResposta, RespondeSozinha };

    explicit MensagensRoteiro(CaixaSoOk soOk = CaixaSoOk::PrecisaResposta);
    MensagensRoteiro(const MensagensRoteiro&) = delete;
    MensagensRoteiro& operator=(const MensagensRoteiro&) = delete;
    ~MensagensRoteiro() override;

    // Queues the answer to the next box; with a text, that box must show exactly it.
    MensagensRoteiro& responde(Resposta resposta, const QString& textoEsperado = {});

    Resposta mostra(const QString& texto, Icone icone = Icone::Nenhum, Botoes botoes = Botoes::Ok,
                    const QString& titulo = {}) override;
    void bipe() override { ++bipes_; }

    const QList<CaixaMostrada>& caixas() const { return caixas_; }
    // The texts of the boxes shown, in order.
    QStringList textos() const;
    int bipes() const { return bipes_; }
    int respostasPendentes() const { return static_cast<int>(fila_.size()); }

    // Fails the test for every queued answer no box took, then forgets them.
    void verificaFim();

private:
    struct Esperada {
        Resposta resposta;
        QString texto;
    };

    CaixaSoOk soOk_;
    QList<Esperada> fila_;
    QList<CaixaMostrada> caixas_;
    int bipes_ = 0;
};
