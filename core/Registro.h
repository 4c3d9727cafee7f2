#pragma once

#include "Adiantamento.h"

#include <QString>

class ArquivoLido;
class FormRegistro;
class Mensagens;
class Atividade;

// The data file of an exercise, in the program's folder.
QString CaminhoArquivoExercicio(const QString& exercicio);

// The open exercise owns every file the register writes or reads: the one a successful start,
// import or restore opened, whose data file Module1::ArquivoExercicio names. A year typed in the
// exercise field changes nothing until that exercise is started. Opening an empty year, or
// closing, leaves no exercise open, and every write is then refused.
void AbreExercicio(const QString& exercicio);
void FechaExercicio();
// The open exercise's year; empty while none is open.
QString ExercicioAberto();
// The header a write carries: the header fields, with the open exercise's year.
Cabecalho CabecalhoAberto(const FormRegistro& form);

// Checks the header and writes the header and the list to the open exercise's data file, which
// then holds the list (nothing is left pending). Shows its own message and returns false when a
// check or the write fails; the file on disk then stays exactly as it was. The file it replaces
// is kept as a version; when that cannot be done, the write still happens and a message says so.
bool GravaArquivo(FormRegistro& form, Mensagens& mensagens);

// Deletes the open exercise's data file, if there is one, when its last row is deleted. The file
// is kept as a version first; a failure to delete it or to keep the version shows its message.
void ExcluiArquivoExercicio(Mensagens& mensagens);

// What a failed load leaves in the window.
enum class AoFalhar {
    LimpaJanela,  // an exercise without data
    MantemJanela, // the register shown before, untouched
};

// Replaces the header and the list with the contents of a file of the data file layout. Returns
// 1 when loaded; 0 after its own message. Nothing is changed before the whole file was read.
int CarregaArquivo(ArquivoLido& arquivo, FormRegistro& form, Mensagens& mensagens,
                   Atividade& atividade, AoFalhar aoFalhar = AoFalhar::LimpaJanela);
int CarregaArquivo(const QString& caminho, FormRegistro& form, Mensagens& mensagens,
                   Atividade& atividade, AoFalhar aoFalhar = AoFalhar::LimpaJanela);

// Lines of a file as the program's readers count them (CR, optionally followed by LF), kept in
// Module1::TotalLinhas.
int ContaLinhas(ArquivoLido& arquivo);
int ContaLinhas(const QString& caminho);
