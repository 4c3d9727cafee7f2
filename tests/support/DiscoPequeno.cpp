#include "DiscoPequeno.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Once per process: a mount namespace of its own, so that mounts vanish with the test.
QString namespaceProprio()
{
    static const QString motivo = [] {
        if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return u"no mount namespace here: "_s + QString::fromLocal8Bit(std::strerror(errno));
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return u"cannot make mounts private: "_s + QString::fromLocal8Bit(std::strerror(errno));
        return QString();
    }();
    return motivo;
}

} // namespace

DiscoPequeno::DiscoPequeno(int kibibytes)
{
    motivo_ = namespaceProprio();
    if (!motivo_.isEmpty())
        return;
    const QByteArray opcoes = "size=" + QByteArray::number(kibibytes) + "k";
    const QByteArray alvo = QFile::encodeName(ponto_.path());
    if (::mount("tmpfs", alvo.constData(), "tmpfs", 0, opcoes.constData()) != 0) {
        motivo_ = u"cannot mount a tmpfs: "_s + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    montado_ = true;
}

DiscoPequeno::~DiscoPequeno()
{
    if (montado_)
        ::umount2(QFile::encodeName(ponto_.path()).constData(), MNT_DETACH);
}

void DiscoPequeno::enche() const
{
    QFile enchimento(arquivo(u".enchimento"_s));
    if (!enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray bloco(4096, 'x');
    while (enchimento.write(bloco) == bloco.size()) {
    }
    // The last partial block: byte by byte until nothing fits.
    while (enchimento.write("x", 1) == 1) {
    }
}

bool DiscoPequeno::somenteLeitura()
{
    const QByteArray alvo = QFile::encodeName(ponto_.path());
    return ::mount(nullptr, alvo.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
