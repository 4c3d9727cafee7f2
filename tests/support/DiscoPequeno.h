#pragma once

#include <QString>
#include <QTemporaryDir>

// A real small file system mounted for one test (a tmpfs in a mount namespace of the test's
// own), so that a full disk or a read-only medium makes real writes fail. Tests run as root,
// which permission bits do not stop; only a real mount does.
class DiscoPequeno
{
public:
    explicit DiscoPequeno(int kibibytes = 64);
    ~DiscoPequeno();
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    // Empty when mounted; otherwise why the machine cannot give one (the test skips).
    QString motivo() const { return motivo_; }
    QString caminho() const { return ponto_.path(); }
    QString arquivo(const QString& nome) const { return ponto_.filePath(nome); }

    // Fills the file system up to its last byte.
    void enche() const;
    // Makes the mounted file system read-only.
    bool somenteLeitura();

private:
    QTemporaryDir ponto_;
    QString motivo_;
    bool montado_ = false;
};
