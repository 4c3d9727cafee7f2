#pragma once

#include <QList>
#include <QString>

#include <optional>

class Atividade;
class FormRegistro;
class Mensagens;
struct Falha;
struct Unidade;

// What the write/restore dialog does in its modes, free of the dialog: "T" copies the
// submission file for the audit court, "B" a backup of the data file, "R" loads a backup chosen
// in the folder into the main window.

// A copy of a writing mode: the file copied, where it goes and the message once it is there.
struct CopiaDoModo {
    QString origem;
    QString destino;
    QString aviso;
    QString titulo;

    friend bool operator==(const CopiaDoModo&, const CopiaDoModo&) = default;
};

// The copy mode `modo` makes into `pasta` for the open exercise `exercicio`, whose data file is
// `arquivoExercicio`; nothing for a restore (or any other mode), which copies nothing.
std::optional<CopiaDoModo> CopiaDe(const QString& modo, const QString& exercicio,
                                   const QString& arquivoExercicio, const QString& pasta);

// Makes the copy; nothing when the destination is the source reached by another path.
std::optional<Falha> Copia(const CopiaDoModo& copia);

// The letter of the drive whose folder holds `pasta` most closely; a null letter when none does.
QChar LetraDaPasta(const QList<Unidade>& unidades, const QString& pasta);

// The message refusing a drive nothing may be written to or read from; nothing for the others.
std::optional<QString> RecusaUnidade(QChar letra);

// Loads the backup `caminho` into the window for the open exercise `exercicio`, which the
// restored register then belongs to as its header says; the register is left pending to be
// written. On a file that cannot be read, no exercise stays open and its message is shown.
// Returns whether it was restored.
bool RestauraCopia(const QString& caminho, const QString& exercicio, FormRegistro& form,
                   Mensagens& mensagens, Atividade& atividade);

// The message of a failed write or restore in `modo`, before the program ends.
QString TextoFalhaGravacao(const QString& modo, const Falha& falha);
