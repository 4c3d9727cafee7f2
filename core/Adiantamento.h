#pragma once

#include "Formatos.h"

#include <QString>

// The exercise header: the four header fields of the main window.
struct Cabecalho {
    QString exercicio;   // at most 4 digits
    QString orgao;       // at most 60
    QString elaborador;  // at most 40
    QString responsavel; // at most 40

    friend bool operator==(const Cabecalho&, const Cabecalho&) = default;
};

// One advance, one row of the list.
struct Adiantamento {
    QString processo;
    QString notaEmpenho; // digits without leading zeros
    int elemento = 0;    // catalogue index; 0 is no element
    QString cpf;
    QString nome;
    Centavos valor = 0;
    QString periodoInicial; // "dd/mm"
    QString periodoFinal;   // "dd/mm"

    friend bool operator==(const Adiantamento&, const Adiantamento&) = default;
};

// The thirteen columns of the list: the eight shown and the five hidden sort keys.
namespace Coluna
{
enum : int {
    Processo = 0,
    NotaEmpenho,
    ElementoEconomico,
    CpfCredor,
    NomeCredor,
    Valor,
    PeriodoInicial,
    PeriodoFinal,
    ChaveNe,
    ChaveEe,
    ChaveVl,
    ChavePi,
    ChavePf,
    Total
};
}

// The text of a column of the row, as the list shows it (keys included).
QString TextoColuna(const Adiantamento& a, int coluna);

// The form in which two CPF texts are compared: a text of exactly 12 characters without its
// 10th character (the separator before the check digits), any other text unchanged.
QString ChaveCPF(const QString& cpf);
// Whether `ChaveCPF(cpf)` equals `chave`, without building the key: a scan of every row.
bool TemChaveCPF(QStringView cpf, QStringView chave);
