#pragma once

#include "Adiantamento.h"

#include <QByteArray>
#include <QList>

#include <vector>

// The data file lines of the rows last written, beside copies of those rows. A row whose texts
// are the very texts a copy holds (the same shared buffers, which the copy keeps alive and which
// any change to the row would detach from) has that copy's line: a rewrite after one row changed
// encodes that row only, and copies the others' bytes in a few long runs.
class LinhasGravadas
{
public:
    // The whole file: the header line, then the line of each row, as AcrescentaLinhaAdiantamento
    // gives it; the lines of rows the last call had at the same place (or a few rows further:
    // rows removed) are copied. Raises failure 5 as AcrescentaLinhaAdiantamento does; the next
    // call then encodes every row again.
    QByteArray monta(QByteArrayView cabecalho, const QList<Adiantamento>& linhas);
    // Forgets every line (the rows are gone: their buffers need not be kept).
    void esquece();

private:
    struct Linha {
        Adiantamento fonte;
        qsizetype inicio = 0; // in bytes_
        qsizetype tamanho = 0;
    };
    std::vector<Linha> linhas_;
    QByteArray bytes_; // the file the lines are in
};
