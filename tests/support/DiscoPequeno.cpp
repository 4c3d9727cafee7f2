#include "DiscoPequeno.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr int SemDisco = 77;

bool escreveProc(const char* caminho, const QByteArray& texto)
{
    const int fd = ::open(caminho, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, texto.constData(), texto.size()) == texto.size();
    ::close(fd);
    return ok;
}

// Gives the child the right to mount: a plain mount namespace when it holds that right
// already, otherwise a user namespace in which it is root.
QByteArray entraEmNamespace()
{
    if (::unshare(CLONE_NEWNS) == 0)
        return {};
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray gid = QByteArray::number(::getgid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return QByteArray("unshare: ") + std::strerror(errno);
    if (!escreveProc("/proc/self/setgroups", "deny") ||
        !escreveProc("/proc/self/uid_map", "0 " + uid + " 1") ||
        !escreveProc("/proc/self/gid_map", "0 " + gid + " 1"))
        return QByteArray("mapa de ids: ") + std::strerror(errno);
    return {};
}

void escreveTudo(int fd, const QByteArray& texto)
{
    qsizetype feitos = 0;
    while (feitos < texto.size()) {
        const ssize_t n = ::write(fd, texto.constData() + feitos, texto.size() - feitos);
        if (n <= 0)
            return;
        feitos += n;
    }
}

[[noreturn]] void filho(int fd, const QByteArray& pasta, qint64 bytes,
                        const std::function<QByteArray()>& corpo)
{
    QByteArray erro = entraEmNamespace();
    // Private, so that the mount below never shows outside this process.
    if (erro.isEmpty() && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        erro = QByteArray("mount --make-rprivate: ") + std::strerror(errno);
    const QByteArray opcoes = "size=" + QByteArray::number(bytes);
    if (erro.isEmpty() && ::mount("none", pasta.constData(), "tmpfs", 0, opcoes.constData()) != 0)
        erro = QByteArray("mount tmpfs: ") + std::strerror(errno);
    if (!erro.isEmpty()) {
        escreveTudo(fd, erro);
        ::_exit(SemDisco);
    }
    escreveTudo(fd, corpo());
    ::_exit(0);
}

} // namespace

ResultadoDiscoPequeno EmDiscoPequeno(const QString& pasta, qint64 bytes,
                                     const std::function<QByteArray()>& corpo)
{
    int canal[2];
    if (::pipe(canal) != 0)
        return {false, QByteArray("pipe: ") + std::strerror(errno)};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {false, QByteArray("fork: ") + std::strerror(errno)};
    if (pid == 0) {
        ::close(canal[0]);
        filho(canal[1], QFile::encodeName(pasta), bytes, corpo);
    }
    ::close(canal[1]);
    QByteArray texto;
    char bloco[4096];
    for (ssize_t n; (n = ::read(canal[0], bloco, sizeof bloco)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        texto.append(bloco, n);
    }
    ::close(canal[0]);
    int estado = 0;
    while (::waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(estado) && WEXITSTATUS(estado) == SemDisco)
        return {false, texto};
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return {true, "o processo filho terminou de forma anormal: " + texto};
    return {true, texto};
}
