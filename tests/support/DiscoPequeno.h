#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// A real disk that fills up: runs `corpo` in a child process in which `pasta` (an existing,
// empty folder) is a tmpfs of `bytes` bytes. The mount lives in the child's own mount
// namespace and goes with it. Tests run as root, so this stands in for a refusing disk.
struct ResultadoDiscoPequeno {
    bool montado = false; // false: this machine cannot mount one, `texto` says why
    QByteArray texto;     // what `corpo` returned, or why the disk could not be made
};

ResultadoDiscoPequeno EmDiscoPequeno(const QString& pasta, qint64 bytes,
                                     const std::function<QByteArray()>& corpo);
