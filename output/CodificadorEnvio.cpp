#include "CodificadorEnvio.h"

#include "Formatos.h"

#include <array>

namespace
{

// Indexed by Windows-1252 byte; built at compile time, so weighing a line is one look-up a
// byte.
constexpr std::array<quint8, 256> MontaPesos()
{
    std::array<quint8, 256> p{};
    p['1'] = 2;
    for (int d = 2; d <= 8; ++d)
        p['0' + d] = static_cast<quint8>(d + 1);
    p['9'] = 1;
    p['0'] = 2;
    for (int l = 0; l < 26; ++l)
        p['A' + l] = static_cast<quint8>(10 + l);
    for (unsigned char c : {0xC1, 0xC0, 0xC3, 0xC2}) // Á À Ã Â
        p[c] = 36;
    for (unsigned char c : {0xC9, 0xC8, 0xCA}) // É È Ê
        p[c] = 37;
    for (unsigned char c : {0xCD, 0xCC, 0xCE}) // Í Ì Î
        p[c] = 38;
    for (unsigned char c : {0xD3, 0xD2, 0xD5, 0xD4}) // Ó Ò Õ Ô
        p[c] = 39;
    for (unsigned char c : {0xDA, 0xD9, 0xDB, 0xDC}) // Ú Ù Û Ü
        p[c] = 40;
    p[0xB4] = 41; // ´
    p[0xAA] = 42; // ª
    p[0xBA] = 43; // º
    p['.'] = 44;
    p['-'] = 45;
    p['/'] = 46;
    p[','] = 47;
    // Upper-casing: in Windows-1252 the small letters lie 0x20 above their capitals, both the
    // plain ones and the accented ones from 0xE0 (the pairs that are not weighed stay at 0).
    for (int c = 'a'; c <= 'z'; ++c)
        p[c] = p[c - 0x20];
    for (int c = 0xE0; c <= 0xFE; ++c)
        p[c] = p[c - 0x20];
    return p;
}

constexpr std::array<quint8, 256> Pesos = MontaPesos();

} // namespace

int PesoEnvio(unsigned char byte)
{
    return Pesos[byte];
}

Inteiro16 SomaLinhaEnvio(QByteArrayView linha)
{
    Inteiro16 soma = 0;
    for (const char c : linha)
        soma += Pesos[static_cast<unsigned char>(c)];
    return soma;
}

QByteArray TrailerEnvio(qint32 somaArquivo)
{
    const QByteArray d = FormataZeros(somaArquivo, 8).left(8).toLatin1();
    return ",,,,,,,,<<< 1444-FX." + d.mid(6, 2) + d.mid(4, 2) + d.mid(2, 2) + d.mid(0, 2) +
           ".11-02-00 >>>\r\n";
}

void CodificadorEnvio::codifica(QByteArrayView linha, QByteArray& saida)
{
    const Inteiro16 soma = SomaLinhaEnvio(linha);
    Inteiro32 total = soma_;
    total += soma;
    saida.append(linha);
    saida.append(',');
    // Four digits at least, written in place: a number text per line would be most of the cost.
    const int v = soma.valor();
    if (v >= 0 && v < 10000) {
        const char digitos[4] = {char('0' + v / 1000), char('0' + v / 100 % 10),
                                 char('0' + v / 10 % 10), char('0' + v % 10)};
        saida.append(digitos, 4);
    } else {
        saida.append(FormataZeros(soma, 4).toLatin1());
    }
    saida.append("\r\n");
    soma_ = total;
}
