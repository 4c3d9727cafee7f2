#pragma once

#include "Falha.h"

#include <concepts>
#include <limits>

// A whole number held in a variable of a fixed narrow width (8-bit page counters and comma
// positions, 16-bit record counters and line checksums). A value that does not fit raises
// failure 6, exactly where the arithmetic happens, as the program's files and reports rely on.
template <std::integral T> class Estreito
{
public:
    constexpr Estreito() = default;
    constexpr Estreito(long long v)
        : valor_(ajusta(v)) {} // NOLINT: assigning a plain number is intended

    constexpr T valor() const { return valor_; }
    constexpr operator T() const { return valor_; } // NOLINT: reads like the plain number

    constexpr Estreito& operator=(long long v)
    {
        valor_ = ajusta(v);
        return *this;
    }
    constexpr Estreito& operator+=(long long v)
    {
        return *this = static_cast<long long>(valor_) + v;
    }
    constexpr Estreito& operator-=(long long v)
    {
        return *this = static_cast<long long>(valor_) - v;
    }
    constexpr Estreito& operator++() { return *this += 1; }

private:
    static constexpr T ajusta(long long v)
    {
        if (v < static_cast<long long>(std::numeric_limits<T>::min()) ||
            v > static_cast<long long>(std::numeric_limits<T>::max()))
            throw Falha::estouro();
        return static_cast<T>(v);
    }

    T valor_ = 0;
};

using Byte = Estreito<quint8>;      // 0..255
using Inteiro16 = Estreito<qint16>; // -32768..32767
using Inteiro32 = Estreito<qint32>;
