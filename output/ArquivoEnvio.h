#pragma once

#include "Falha.h"
#include "Servicos.h"

#include <QIODevice>
#include <QString>

#include <optional>

// Hears how far the writing of the submission file got, for the waiting panel's progress bar.
class AndamentoEnvio
{
public:
    virtual ~AndamentoEnvio() = default;
    // The counting pass found this many lines; the coding pass begins.
    virtual void linhasContadas(int total) { Q_UNUSED(total); }
    // The coding pass takes its next line.
    virtual void proximaLinha() {}
};

// The submission file of the exercise typed in the header, in the program's folder.
QString CaminhoArquivoEnvio(const QString& exercicio);

// Codes the data file's lines into the submission file, one line in memory, then writes the
// trailer. Raises a Falha: 6 when a checksum overflows, a disk failure when a write falls short,
// 57 when the data cannot be read.
void CodificaArquivoEnvio(QIODevice& dados, QIODevice& envio, AndamentoEnvio& andamento);

// Writes the submission file from the data file in two passes (the first only counts lines) over
// the data file read from disk once.
// The new file replaces the previous one only once it is complete: on any failure the previous
// file stays as it was and nothing else is left beside it. The failure is 53 when the data
// file does not exist.
std::optional<Falha> GravaArquivoEnvio(const QString& arquivoDados, const QString& arquivoEnvio,
                                       AndamentoEnvio& andamento);

// A message box of the submission command: its text, icon and title (empty: the application
// title).
struct MensagemEnvio {
    QString texto;
    Icone icone = Icone::Nenhum;
    QString titulo;

    friend bool operator==(const MensagemEnvio&, const MensagemEnvio&) = default;
};

// The one message shown when writing the submission file failed, chosen by the failure's number.
MensagemEnvio MensagemFalhaEnvio(const Falha& falha);
// The message shown when the written file turns out empty on disk.
MensagemEnvio MensagemEnvioVazio();
