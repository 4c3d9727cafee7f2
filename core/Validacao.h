#pragma once

#include <QString>

#include <optional>

// CPF check-digit validation. Keeps the digits of `cpf`, zero-filled on the left to eleven,
// and writes them back into `cpf`; returns them when the two check digits hold, an empty text
// otherwise. A text of no digits, of only zeros, or of more than eleven digits is invalid
// (the first two leave `cpf` as it was).
QString ValidaCPF(QString& cpf);
// Whether ValidaCPF would return a CPF for this text, without changing or building any text.
bool CPFValido(QStringView cpf);

// Whether `campo` is a "dd/mm" period of the exercise year typed in `exercicio`: two digits of
// day, "/", two digits of month, and the day exists in that month of that year.
bool PeriodoValido(QStringView campo, QStringView exercicio);
// The year an exercise text names for the periods (the trimmed text as a number from 100 to
// 9999); nothing when it names none.
std::optional<int> AnoDoExercicio(QStringView exercicio);

// The text, trimmed, with every comma turned into a point and every blank dropped.
QString TrocaVirgula(const QString& texto);

// The key filter of the value field: a digit passes, a comma passes once while allowed
// (`virgulaDigitada` remembers it), anything else becomes 0, which swallows the key.
// The result is also written back into `caractere`.
char16_t FiltraNumero(char16_t& caractere, bool virgulaPermitida, bool& virgulaDigitada);
