#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>

// Number and date texts of the program, always in Brazilian conventions (decimal comma,
// point grouping, day before month) whatever the machine's locale. Money is whole cents.
using Centavos = qint64;

// "#,##0.00": 123456 -> "1.234,56", 50 -> "0,50".
QString FormataMoeda(Centavos valor);
// "00,000,000.00", the value's sort key: 123456 -> "00.001.234,56".
QString FormataChaveValor(Centavos valor);
// "0.00": 123456 -> "1234,56".
QString FormataDecimal(Centavos valor);
// The data file's form: whole part "##0", ".", two decimals: 123456 -> "1234.56".
QString FormataValorArquivo(Centavos valor);
// The same written into `espaco`, which the view shows: every line written formats its value.
using EspacoValor = std::array<char16_t, 40>;
QStringView FormataValorArquivo(Centavos valor, EspacoValor& espaco);
// "##0", "###0", "#####0", "########0": a plain whole number.
QString FormataInteiro(qint64 numero);
// "0000", "000000", "000000000", "00000000000"...: zero-filled to at least `digitos`.
QString FormataZeros(qint64 numero, int digitos);

// Reads a money text in Brazilian form ("1.234,56", "1234,5", "0,50", "-5,00", "7"), rounding to
// cents. Empty or not a number gives nothing.
std::optional<Centavos> LeMoeda(const QString& texto);
// The whole part and the two decimal characters of a file value ("1234" and "56"): the way the
// readers rebuild a value from its last three characters.
std::optional<Centavos> LeValorPartes(QStringView inteiro, QStringView decimais);

// The leading whole number of a text, as a decimal reader takes it: leading blanks skipped,
// an optional sign, then digits up to the first other character; 0 when there is none.
qint64 LeNumeroInicial(const QString& texto);

// Whether a text is a plain decimal number: blanks around it, an optional sign, digits with at
// most one decimal separator ("." or ","), and at least one digit.
bool EhNumerico(QStringView texto);
// The leading numeric part of a text read as a number: leading blanks skipped, an optional sign,
// digits, one decimal separator ("." or ",") and digits; whatever follows is ignored, and a text
// with no such part reads as 0. Very long digit runs read as infinity, never as a wrapped value.
double LeNumero(QStringView texto);

// A "dd/mm" period of a year: exactly two digits, "/", two digits, a day that exists (the
// Gregorian calendar's, for a year from 1 on).
std::optional<QDate> LePeriodo(QStringView ddmm, int ano);
// Whether LePeriodo reads a date, without building it.
bool PeriodoExiste(QStringView ddmm, int ano);
// "mmdd" of a "dd/mm" text (15/03 -> 0315); a text that is not a period is returned unchanged.
QString ChaveMesDia(const QString& ddmm);
