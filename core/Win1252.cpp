#include "Win1252.h"

#include <array>

namespace
{

constexpr char16_t Indefinido = 0xFFFF;

// Code points of the bytes 0x80 to 0x9F; the others map to the same code point.
constexpr std::array<char16_t, 32> Faixa80 = {
    0x20AC,     Indefinido, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,     // 80-87
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, Indefinido, 0x017D, Indefinido, // 88-8F
    Indefinido, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,     // 90-97
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, Indefinido, 0x017E, 0x0178,     // 98-9F
};

char16_t paraUnicode(unsigned char b)
{
    if (b < 0x80 || b >= 0xA0)
        return b;
    const char16_t c = Faixa80[b - 0x80];
    return c == Indefinido ? char16_t(b) : c;
}

bool definido(unsigned char b)
{
    return b != 0 && (b < 0x80 || b >= 0xA0 || Faixa80[b - 0x80] != Indefinido);
}

// The byte of a code point, or -1 when the code page has none.
int paraByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (Faixa80[i] == c && c != Indefinido)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Win1252
{

int byteFaixa80(char16_t c)
{
    return paraByte(c);
}

QString decodifica(QByteArrayView bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    char16_t* saida = reinterpret_cast<char16_t*>(texto.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        saida[i] = paraUnicode(static_cast<unsigned char>(bytes[i]));
    return texto;
}

std::optional<QString> decodificaEstrito(QByteArrayView bytes)
{
    // One pass that checks and decodes: every field of every line read comes through here.
    QString texto(bytes.size(), Qt::Uninitialized);
    char16_t* saida = reinterpret_cast<char16_t*>(texto.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!definido(b))
            return std::nullopt;
        saida[i] = paraUnicode(b);
    }
    return texto;
}

std::optional<QByteArray> codifica(QStringView texto)
{
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const int b = paraByte(texto[i].unicode());
        if (b < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(b);
    }
    return bytes;
}

bool representavel(QStringView texto)
{
    for (const QChar c : texto) {
        if (paraByte(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace Win1252
