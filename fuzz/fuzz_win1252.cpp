// The code page of every file: arbitrary bytes decode and encode back unchanged, the strict
// decoder refuses exactly NUL and the five undefined bytes, and both agree byte for byte with
// the platform's own Windows-1252 converter. Arbitrary text encodes only when every character
// has a byte, and then decodes back to itself.

#include "Win1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

[[noreturn]] void falhou(const char* oque)
{
    std::fprintf(stderr, "%s\n", oque);
    std::abort();
}

bool indefinido(unsigned char b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// No byte the code page leaves undefined; `semNulo` also refuses NUL.
bool limpo(const QByteArray& bytes, bool semNulo = true)
{
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (indefinido(u) || (semNulo && u == 0))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));

    const QString texto = Win1252::decodifica(bytes);
    if (texto.size() != bytes.size())
        falhou("one character per byte");
    QStringDecoder decodificador("windows-1252");
    const QString daPlataforma = decodificador.decode(bytes);
    if (decodificador.isValid() && texto != daPlataforma)
        falhou("decoding differs from the platform's converter");

    const std::optional<QString> estrito = Win1252::decodificaEstrito(bytes);
    if (estrito.has_value() != limpo(bytes))
        falhou("the strict decoder refuses other bytes than NUL and the undefined ones");
    if (estrito) {
        if (*estrito != texto)
            falhou("the strict decoder gives other text");
        if (Win1252::codifica(*estrito) != bytes)
            falhou("clean bytes do not encode back to themselves");
    }
    if (Win1252::representavel(texto) != limpo(bytes, false))
        falhou("representable disagrees with the undefined bytes");

    // The same bytes read as UTF-16 text.
    QString qualquer(static_cast<qsizetype>(tamanho / 2), Qt::Uninitialized);
    std::memcpy(qualquer.data(), dados, static_cast<size_t>(qualquer.size()) * 2);
    const std::optional<QByteArray> codificado = Win1252::codifica(qualquer);
    if (codificado.has_value() != Win1252::representavel(qualquer))
        falhou("encoding and representable disagree");
    QStringEncoder codificador("windows-1252");
    const QByteArray daPlataformaBytes = codificador.encode(qualquer);
    if (codificado) {
        if (codificado->size() != qualquer.size() || Win1252::decodifica(*codificado) != qualquer)
            falhou("encoded text does not decode back to itself");
        if (codificador.isValid() && !codificador.hasError() && daPlataformaBytes != *codificado)
            falhou("encoding differs from the platform's converter");
    }
    return 0;
}
