#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Holds the lock that tells a second start of the program that one is already running on the
// same program folder, whoever started it: the lock lies in that folder, beside the data it
// guards. A lock left by an instance that was killed is taken over, so it never blocks the next
// start.
class InstanciaUnica
{
public:
    explicit InstanciaUnica(const QString& pastaPrograma);

    // True when this process is the only running instance.
    bool primeira() const { return primeira_; }

    // The lock's file in a program folder.
    static QString caminhoTrava(const QString& pastaPrograma);

private:
    std::unique_ptr<QLockFile> trava_;
    bool primeira_ = false;
};
