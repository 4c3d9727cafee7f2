#pragma once

#include "Estreito.h"

#include <QString>

// The program-wide variables through which the windows and routines hand values to each
// other. They are the only globals of the program and all of them live here.
namespace Module1
{

// Characters the free-text fields and the CPF combo accept: no comma and no double quote,
// so typed text never holds the data file's separator.
inline const QString CaracteresValidos =
    QStringLiteral("1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                   "ÀÁÂÃÈÉÊÌÍÎÒÓÔÕÙÚÛÜÇáàãâéèêíìîóòõôúùûüç ´ªº.-/");

// Empty when the data file holds the list; "I" after an import, "R" after a restore.
inline QString PendenteGravar;
// Full path of the open exercise's data file.
inline QString ArquivoExercicio;
// "I" while an inclusion is edited, "A" while an alteration is edited, empty otherwise.
inline QString Operacao;
// What the write/restore dialog does: "T" submission copy, "B" backup, "R" restore.
inline QString ModoGrava;
// Lines of the file being processed; the verifiers' line number.
inline Inteiro32 TotalLinhas;
// Exercise year read from the header of the file being imported.
inline Inteiro16 AnoReferencia;
// A decimal comma was already let through into the value field since it took the focus.
inline bool VirgulaDigitada = false;
// While false the main window refuses to close.
inline bool PodeDescarregar = false;

} // namespace Module1
