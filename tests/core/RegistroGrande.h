#pragma once

#include "Adiantamento.h"

#include <QList>

// A register of many advances, in one of two versions that differ in every row, so that a file
// holding a mix of both, or a cut one, is told from either whole version.
inline Cabecalho CabecalhoGrande(int versao)
{
    return Cabecalho{QStringLiteral("2005"),
                     QStringLiteral("PREFEITURA MUNICIPAL VERSAO ") + QString::number(versao),
                     QStringLiteral("FULANO"), QStringLiteral("BELTRANO")};
}

inline QList<Adiantamento> LinhasGrandes(int versao, int quantas)
{
    QList<Adiantamento> linhas;
    linhas.reserve(quantas);
    for (int i = 0; i < quantas; ++i) {
        linhas.append(Adiantamento{QStringLiteral("PROCESSO %1/2005 V%2").arg(i).arg(versao),
                                   QString::number(i + 1), 39, QStringLiteral("12345678909"),
                                   QStringLiteral("CREDOR DA VERSAO ") + QString::number(versao),
                                   100000 + i * 7 + versao, QStringLiteral("01/03"),
                                   QStringLiteral("31/03")});
    }
    return linhas;
}
