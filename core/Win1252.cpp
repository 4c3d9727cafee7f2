#include "Win1252.h"

#include <array>
#include <cstring>

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

namespace
{

// Whether the bytes hold none that decode otherwise than in Latin-1 (0x80 to 0x9F) and no NUL:
// such text, nearly every line of a register, widens byte for byte. Eight bytes are looked at
// a time, every field and line read comes through here.
bool SoLatin1(QByteArrayView bytes)
{
    constexpr quint64 Uns = 0x0101010101010101ULL;
    constexpr quint64 Altos = 0x8080808080808080ULL;
    // A byte of zero among the eight sets its high bit here.
    const auto temZero = [](quint64 x) { return (x - Uns) & ~x & Altos; };
    const char* p = bytes.data();
    qsizetype resto = bytes.size();
    for (; resto >= 8; p += 8, resto -= 8) {
        quint64 x;
        std::memcpy(&x, p, 8);
        // 0x80 to 0x9F are the bytes whose top three bits are 100.
        if (temZero(x) | temZero((x & 0xE0E0E0E0E0E0E0E0ULL) ^ Altos))
            return false;
    }
    for (; resto > 0; ++p, --resto) {
        const auto u = static_cast<unsigned char>(*p);
        if (u == 0 || (u & 0xE0) == 0x80)
            return false;
    }
    return true;
}

} // namespace

bool decodificaEstritoEm(QByteArrayView bytes, QString& saida)
{
    if (SoLatin1(bytes)) {
        // The toolkit's vectorised widening, into the memory `saida` already has.
        saida.resize(0);
        saida.append(QLatin1StringView(bytes.data(), bytes.size()));
        return true;
    }
    saida.resize(bytes.size());
    char16_t* destino = reinterpret_cast<char16_t*>(saida.data());
    const char* origem = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(origem[i]);
        if (!definido(b))
            return false;
        destino[i] = paraUnicode(b);
    }
    return true;
}

std::optional<QString> decodificaEstrito(QByteArrayView bytes)
{
    if (SoLatin1(bytes))
        return QString::fromLatin1(bytes);
    // One pass that checks and decodes the rest.
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
