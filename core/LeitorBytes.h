#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <array>
#include <cstring>
#include <functional>
#include <optional>

class QFile;
struct Falha;

// Reads a device byte by byte through a buffer of its own, so that the file readers stream a
// file of any size with flat memory. A failed read of the device raises failure 57.
class LeitorBytes
{
public:
    explicit LeitorBytes(QIODevice& dispositivo) : dispositivo_(dispositivo) {}

    // The next byte, or -1 at the end of the device.
    int proximo()
    {
        if (pos_ == buffer_.size() && !enche())
            return -1;
        return static_cast<unsigned char>(buffer_[pos_++]);
    }
    int espia()
    {
        if (pos_ == buffer_.size() && !enche())
            return -1;
        return static_cast<unsigned char>(buffer_[pos_]);
    }
    bool fim() { return espia() < 0; }

    // The bytes in the buffer not yet taken, refilled when none are left; empty at the end of
    // the device. The view holds until the next byte is asked for past its end.
    QByteArrayView disponiveis()
    {
        if (pos_ == buffer_.size() && !enche())
            return {};
        return QByteArrayView(buffer_).sliced(pos_);
    }
    // Takes `n` of the bytes `disponiveis` showed.
    void avanca(qsizetype n) { pos_ += n; }

    // Reads a line that ends at CR, optionally followed by LF; a lone LF is part of the line.
    // The terminator is not kept. Returns false at the end of the device (no line read).
    bool linha(QByteArray& saida);

private:
    bool enche();

    QIODevice& dispositivo_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
};

// Opens a file for reading only when it is a regular file: a folder, a pipe, a device or a socket
// at its path gets failure 75 at once, never a read that waits forever or reads nothing. Other
// failures to open are the system's (53 for a missing file).
std::optional<Falha> AbreParaLeitura(QFile& arquivo);

// Whether the bytes hold `c`.
inline bool ContemByte(QByteArrayView bytes, char c)
{
    return !bytes.isEmpty() && std::memchr(bytes.data(), c, static_cast<size_t>(bytes.size()));
}

// The positions of a line's first seven commas, and how many it holds (8 for more than seven):
// what splits every line of the data file layout into its fields.
struct VirgulasDaLinha {
    std::array<qsizetype, 7> posicoes{};
    int total = 0;
};
VirgulasDaLinha ProcuraVirgulas(QByteArrayView linha);

// A file read from disk once for the passes a command makes over it (a count of its lines, a
// verification, a load): held in memory, every pass reads the same bytes, and a file changed
// on disk between two passes changes none of them. A file larger than any register can be is
// not held but opened again by each pass.
class ArquivoLido
{
public:
    explicit ArquivoLido(QString caminho) : caminho_(std::move(caminho)) {}
    ArquivoLido(const ArquivoLido&) = delete;
    ArquivoLido& operator=(const ArquivoLido&) = delete;

    const QString& caminho() const { return caminho_; }
    // The file's bytes from their start, for one more pass; valid until the next call. Raises
    // the Falha of a path that is not a regular file or cannot be opened, and of a failed read.
    QIODevice& abre();

private:
    QString caminho_;
    QByteArray bytes_;
    bool lido_ = false;
    QBuffer memoria_;
    QFile arquivo_;
};

// Streams the lines of a device as `LeitorBytes::linha` splits them, handing each to
// `cadaLinha` until it returns false or the device ends. Raises failure 57 on a failed read.
void PercorreLinhas(QIODevice& dispositivo,
                    const std::function<bool(const QByteArray& linha)>& cadaLinha);
// The same over a file, which is closed on every path. Raises also the Falha of a path that is
// not a regular file or cannot be opened.
void PercorreLinhas(const QString& caminho,
                    const std::function<bool(const QByteArray& linha)>& cadaLinha);

// The number of lines `PercorreLinhas` would hand over, counted without copying them. Raises the
// same failures.
qint64 ContaLinhasArquivo(QIODevice& dispositivo);
qint64 ContaLinhasArquivo(const QString& caminho);
