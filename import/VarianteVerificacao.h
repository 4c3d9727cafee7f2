#pragma once

#include "Servicos.h"

#include <QString>

// A message that names a line: the text before the line number, the number in decimal, and the
// text after it.
struct MensagemLinha {
    QString antes;
    QString depois;

    QString texto(int linha) const { return antes + QString::number(linha) + depois; }
};

// How a run that ends on an unexpected failure tells the operator.
enum class FormaErroInesperado {
    Descricao, // the failure's description only, no icon
    Detalhada, // number, the line counter and a hint, stop icon
};

// The points in which the exercise start's verification and the import's verification differ.
// Everything else, checks and order included, is shared.
struct VarianteVerificacao {
    MensagemLinha layoutInicio;        // a line that starts with a space or a comma, or is empty
    MensagemLinha layoutContagem;      // comma count, header length, detail length
    QString responsavelNaoInformado;   // header field 4 blank, before the line number
    bool anoDoCabecalho = false;       // periods are of the header's year, not the caller's
    bool contagemCedeEventos = false;  // the counting pass lets events through after each line
    QString statusVerificando;         // shown after the counting pass; empty: no status label
    int tamanhoMinimoAdiantamento = 0; // characters of a trimmed advance line; 0: no minimum
    FormaErroInesperado erroInesperado = FormaErroInesperado::Descricao;

    // The verification of the exercise data file, run when an exercise starts.
    static const VarianteVerificacao& arquivo();
    // The verification of the file chosen in the import dialog.
    static const VarianteVerificacao& importacao();
};

// The message of the first check a file failed, and the line it failed on.
struct RecusaLinha {
    QString texto;
    Icone icone = Icone::Parada;
    QString titulo; // empty: the application title
    int linha = 0;
    bool bipe = false; // a beep comes before the box

    friend bool operator==(const RecusaLinha&, const RecusaLinha&) = default;
};

// The beep when the refusal has one, then its box with the OK button.
void MostraRecusa(const RecusaLinha& recusa, Mensagens& mensagens);
