#pragma once

#include "VarianteVerificacao.h"

#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

// The checks of one verification run, line by line: line 1 is the header, every further line
// an advance. It keeps nothing of the file but the NE numbers of the lines passed so far.
class VerificadorLinhas
{
public:
    // `exercicio` is the year the periods belong to, unless the variant takes it from the header.
    // `linhas`, when known, sizes the set of NE numbers once.
    VerificadorLinhas(const VarianteVerificacao& variante, QString exercicio, qsizetype linhas = 0);

    // The message of the first check line `linha` fails, or nothing when it passes. Raises
    // failure 6 when one of its seven commas lies beyond the 255th character.
    std::optional<RecusaLinha> verifica(QByteArrayView bytes, int linha);

private:
    using Campos = std::array<QStringView, 8>;

    std::optional<RecusaLinha> cabecalho(const QString& texto, const Campos& campos, bool legivel,
                                         int linha);
    std::optional<RecusaLinha> adiantamento(const QString& texto, const Campos& campos,
                                            bool legivel, int linha);
    RecusaLinha foraDoLayout(int linha) const;

    const VarianteVerificacao& variante_;
    QString texto_; // the line being checked, its memory kept for the next
    // The year of the periods; nothing when the exercise names none, and every period fails.
    std::optional<int> ano_;
    // The NE numbers, whose "########0" texts the windows' hidden Combo1 held. Nothing else
    // reads that list, so a set serves here.
    QSet<int> notasEmpenho_;
};
