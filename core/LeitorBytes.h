#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

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

// Streams the lines of a file as `LeitorBytes::linha` splits them, handing each to `cadaLinha`
// until it returns false or the file ends; the file is closed on every path. Raises the Falha
// of a path that is a folder or cannot be opened, and of a failed read.
void PercorreLinhas(const QString& caminho,
                    const std::function<bool(const QByteArray& linha)>& cadaLinha);

// The number of lines `PercorreLinhas` would hand over, counted without copying them. Raises the
// same failures.
qint64 ContaLinhasArquivo(const QString& caminho);
