#pragma once

#include "Falha.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

// The new file that takes the place of the one of its name only once it is whole and on the
// medium. It is written beside the old one under a temporary name of the program's own pattern,
// then synced, closed, renamed over the old one, and its folder synced so that the new name
// survives a power cut. Every step's result is checked: a write that falls short, a sync or a
// close that fails is the write's failure, and the previous file then stays exactly as it was,
// with no temporary file left behind. Writes are unbuffered, each one counted.
class ArquivoSubstituto : public QIODevice
{
    Q_OBJECT

public:
    explicit ArquivoSubstituto(QString destino);
    ~ArquivoSubstituto() override;

    // Creates the temporary file. The destination is checked first: 76 when its folder does not
    // exist, 75 when something other than a regular file has its name, 70 when it is read-only.
    std::optional<Falha> abre();
    // Syncs what was written to the medium; confirma() does it when it was not done.
    std::optional<Falha> sincroniza();
    // Reads the synced file back from the medium, its pages dropped from memory first, and
    // compares it with the SHA-256 of what should be there: a copy that does not read back as
    // written is a failure (57), never a file that looks good.
    std::optional<Falha> confere(const QByteArray& sha256);
    // Closes, takes the destination's name and syncs the folder. `antesDaTroca` runs once the
    // new file is whole and closed, while the old one still has the name.
    std::optional<Falha> confirma(const std::function<void()>& antesDaTroca = {});
    // Drops the temporary file; the destination is left as it was.
    void descarta();

    // The failure of the last write that fell short.
    Falha falhaDeEscrita() const { return Falha::doSistema(erroEscrita_); }
    QString destino() const { return destino_; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* dados, qint64 tamanho) override;
    qint64 writeData(const char* dados, qint64 tamanho) override;

private:
    QString destino_;
    QString temporario_;
    int fd_ = -1;
    int erroEscrita_ = 0;
    bool sincronizado_ = false;
};

// Whether a file name is one of the temporary files the program writes beside its own files.
bool EhTemporarioDoPrograma(const QString& nome);

// Removes the temporary files a dead instance left in `pasta`: only regular files of the
// program's own pattern. The caller holds the single-instance lock, so no live instance is
// writing any of them.
void RemoveTemporariosAbandonados(const QString& pasta);

// Syncs a folder's entries to the medium: a name just added or removed survives a power cut.
std::optional<Falha> SincronizaPasta(const QString& pasta);
