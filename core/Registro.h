#pragma once

#include <QString>

class FormRegistro;
class Mensagens;
class Atividade;

// The data file of the exercise typed in the header, in the program's folder.
QString CaminhoArquivoExercicio(const QString& exercicio);

// Checks the header and writes the header and the list to the exercise's data file. Shows its
// own message and returns false when a check or the write fails; the file on disk then stays
// exactly as it was.
bool GravaArquivo(FormRegistro& form, Mensagens& mensagens);

// Replaces the header and the list with the contents of a file of the data file layout. Returns
// 1 when loaded; 0 after its own message, with the window reset to an exercise without data.
int CarregaArquivo(const QString& caminho, FormRegistro& form, Mensagens& mensagens,
                   Atividade& atividade);

// Lines of a file as the program's readers count them (CR, optionally followed by LF).
int ContaLinhas(const QString& caminho);
