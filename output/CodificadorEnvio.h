#pragma once

#include "Estreito.h"

#include <QByteArray>
#include <QByteArrayView>

// The checksums of the submission file. Works on the data file's bytes as they are
// (Windows-1252, one byte a character): the text itself goes out unchanged.

// The weight of one byte after upper-casing; 0 for every byte the weights table leaves out
// (space, "Ç", "ç", control bytes, other symbols).
int PesoEnvio(unsigned char byte);

// The sum of the weights of a line's bytes. The sum is a signed 16-bit value: a line whose
// sum would pass 32767 raises failure 6.
Inteiro16 SomaLinhaEnvio(QByteArrayView linha);

// The trailer line (CR LF included) for a file checksum: the first eight of its zero-padded
// digits, in pairs, last pair first.
QByteArray TrailerEnvio(qint32 somaArquivo);

// Turns the data file's lines, one at a time, into the submission file's lines and keeps the
// file checksum of the lines seen so far.
class CodificadorEnvio
{
public:
    // Appends "line,checksum" and CR LF to `saida`; the line is given without its terminator.
    // Raises failure 6 when the line's or the file's checksum overflows; nothing is appended
    // and the file checksum stays as it was.
    void codifica(QByteArrayView linha, QByteArray& saida);
    QByteArray trailer() const { return TrailerEnvio(soma_); }
    qint32 somaArquivo() const { return soma_; }

private:
    Inteiro32 soma_;
};
