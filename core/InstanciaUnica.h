#pragma once

#include <QLockFile>
#include <QString>

// Holds the lock that tells a second start of the program that one is already running. A lock
// left by an instance that was killed is taken over, so it never blocks the next start.
class InstanciaUnica
{
public:
    explicit InstanciaUnica(const QString& caminhoTrava = caminhoPadrao());

    // True when this process is the only running instance.
    bool primeira() const { return primeira_; }

    static QString caminhoPadrao();

private:
    QLockFile trava_;
    bool primeira_ = false;
};
