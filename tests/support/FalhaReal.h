#pragma once

#include "DiscoPequeno.h"
#include "PastaTemporaria.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <sys/resource.h>

// The ways a write fails for real on this machine, not by a mocked device.
enum class TipoFalha {
    DiscoCheio,      // a small file system filled to its last byte
    LimiteTamanho,   // the process may not grow a file past a few KiB (RLIMIT_FSIZE)
    SomenteLeitura,  // a file system mounted read-only, which stops root too
    PastaAusente,    // the folder does not exist
    CaminhoEhArquivo // the folder's path names a regular file
};

const char* NomeTipoFalha(TipoFalha tipo);
inline constexpr TipoFalha TodasAsFalhas[] = {TipoFalha::DiscoCheio, TipoFalha::LimiteTamanho,
                                              TipoFalha::SomenteLeitura, TipoFalha::PastaAusente,
                                              TipoFalha::CaminhoEhArquivo};

// A folder in which writing fails in one of those ways once armed. The previous file, where the
// kind allows one, is put there before; afterwards the test compares the folder with it.
class FalhaReal
{
public:
    explicit FalhaReal(TipoFalha tipo);
    ~FalhaReal();
    FalhaReal(const FalhaReal&) = delete;
    FalhaReal& operator=(const FalhaReal&) = delete;

    // Empty when the machine can produce the failure; otherwise why not (the test skips).
    QString motivo() const { return motivo_; }
    // The folder the program is told to write into.
    QString pasta() const { return pasta_; }
    // Whether a previous file can lie in that folder (not when the folder cannot exist).
    bool aceitaAnterior() const;
    // Writes the previous file; call before `arma`.
    void anterior(const QString& nome, const QByteArray& bytes);
    // Makes the next write fail.
    void arma();
    // What the folder holds, hidden files included, the disk's filler left out; the folder's
    // parent when the folder itself cannot exist.
    QStringList conteudo() const;

private:
    TipoFalha tipo_;
    QString motivo_;
    QString pasta_;
    std::unique_ptr<DiscoPequeno> disco_;
    std::unique_ptr<PastaTemporaria> temporaria_;
    bool limiteArmado_ = false;
    rlimit limiteAnterior_{};
};
