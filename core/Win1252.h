#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The single-byte code page of every text file the program reads and writes.
namespace Win1252
{

// Decodes any bytes; the five bytes the code page leaves undefined become U+0081, U+008D,
// U+008F, U+0090 and U+009D, which `codifica` refuses.
QString decodifica(QByteArrayView bytes);

// Decodes text that must be clean: nothing when it holds a NUL byte or an undefined byte.
std::optional<QString> decodificaEstrito(QByteArrayView bytes);
// The same into `saida`, whose memory is reused from one call to the next; false (and `saida`
// undefined) when the text is not clean.
bool decodificaEstritoEm(QByteArrayView bytes, QString& saida);

// Encodes text; nothing when a character has no byte in the code page (it is never replaced).
std::optional<QByteArray> codifica(QStringView texto);

// The byte of one character; -1 when the code page has none.
int byteFaixa80(char16_t c);
inline int byteDe(char16_t c)
{
    // Most text is ASCII and Latin-1, which map to themselves.
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    return byteFaixa80(c);
}

// Whether every character of the text has a byte in the code page.
bool representavel(QStringView texto);

} // namespace Win1252
