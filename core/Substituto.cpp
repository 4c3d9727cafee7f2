#include "Substituto.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr auto Sufixo = ".novo-";
constexpr int TamanhoAleatorio = 6;

QString NomeTemporario(const QString& destino)
{
    static constexpr char Letras[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString nome = destino + QLatin1String(Sufixo);
    for (int i = 0; i < TamanhoAleatorio; ++i)
        nome += QLatin1Char(Letras[QRandomGenerator::global()->bounded(int(sizeof Letras) - 1)]);
    return nome;
}

int FechaSemInterrupcao(int fd)
{
    // A close interrupted by a signal has released the descriptor on Linux: not retried.
    return ::close(fd);
}

} // namespace

ArquivoSubstituto::ArquivoSubstituto(QString destino) : destino_(std::move(destino)) {}

ArquivoSubstituto::~ArquivoSubstituto()
{
    descarta();
}

std::optional<Falha> ArquivoSubstituto::abre()
{
    // A link is followed: the file it names is replaced, and the link stays.
    if (const QFileInfo link(destino_); link.isSymLink() && link.exists())
        destino_ = link.canonicalFilePath();
    const QFileInfo destino(destino_);
    if (!destino.absoluteDir().exists())
        return Falha::numerada(Falha::CaminhoNaoEncontrado);
    struct stat anterior {
    };
    const QByteArray nomeDestino = QFile::encodeName(destino_);
    const bool temAnterior = ::stat(nomeDestino.constData(), &anterior) == 0;
    // Only a regular file is replaced: never a folder, a pipe or a device at the name.
    if (temAnterior && !S_ISREG(anterior.st_mode))
        return Falha::numerada(Falha::ErroAcessoCaminho);
    // A file made read-only keeps its contents.
    if (temAnterior && ::access(nomeDestino.constData(), W_OK) != 0)
        return Falha::doSistema(errno);
    for (int tentativa = 0; tentativa < 16; ++tentativa) {
        const QString nome = NomeTemporario(destino_);
        fd_ = ::open(QFile::encodeName(nome).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                     0666);
        if (fd_ >= 0) {
            temporario_ = nome;
            // The new file keeps the permissions of the one it replaces.
            if (temAnterior)
                ::fchmod(fd_, anterior.st_mode & 07777);
            QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            return std::nullopt;
        }
        if (errno != EEXIST)
            return Falha::doSistema(errno);
    }
    return Falha::doSistema(EEXIST);
}

qint64 ArquivoSubstituto::readData(char*, qint64)
{
    return -1;
}

qint64 ArquivoSubstituto::writeData(const char* dados, qint64 tamanho)
{
    qint64 escritos = 0;
    while (escritos < tamanho) {
        const ssize_t n = ::write(fd_, dados + escritos, static_cast<size_t>(tamanho - escritos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing is a medium that filled up.
            erroEscrita_ = n < 0 ? errno : ENOSPC;
            return escritos > 0 ? escritos : -1;
        }
        escritos += n;
    }
    return escritos;
}

std::optional<Falha> ArquivoSubstituto::sincroniza()
{
    if (fd_ < 0)
        return Falha::numerada(Falha::NomeArquivoInvalido);
    while (::fdatasync(fd_) != 0) {
        if (errno != EINTR)
            return Falha::doSistema(errno);
    }
    sincronizado_ = true;
    return std::nullopt;
}

std::optional<Falha> ArquivoSubstituto::confere(const QByteArray& sha256)
{
    if (!sincronizado_) {
        if (std::optional<Falha> falha = sincroniza())
            return falha;
    }
    // Synced pages are clean: dropped, the read below comes from the medium itself.
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_DONTNEED);
    QFile lida(temporario_);
    errno = 0;
    if (!lida.open(QIODevice::ReadOnly))
        return Falha::doSistema(errno != 0 ? errno : EIO);
    QCryptographicHash soma(QCryptographicHash::Sha256);
    if (!soma.addData(&lida) || lida.error() != QFileDevice::NoError)
        return Falha::numerada(Falha::ErroDispositivo);
    if (soma.result() != sha256)
        return Falha{Falha::ErroDispositivo, u"A cópia gravada não confere com o original"_s};
    return std::nullopt;
}

std::optional<Falha> ArquivoSubstituto::confirma(const std::function<void()>& antesDaTroca)
{
    if (!sincronizado_) {
        if (std::optional<Falha> falha = sincroniza())
            return falha;
    }
    QIODevice::close();
    const int fd = std::exchange(fd_, -1);
    if (FechaSemInterrupcao(fd) != 0) {
        const int erro = errno;
        descarta();
        return Falha::doSistema(erro);
    }
    if (antesDaTroca)
        antesDaTroca();
    if (::rename(QFile::encodeName(temporario_).constData(),
                 QFile::encodeName(destino_).constData()) != 0) {
        const int erro = errno;
        descarta();
        return Falha::doSistema(erro);
    }
    temporario_.clear();
    return SincronizaPasta(QFileInfo(destino_).absolutePath());
}

void ArquivoSubstituto::descarta()
{
    if (isOpen())
        QIODevice::close();
    if (fd_ >= 0)
        FechaSemInterrupcao(std::exchange(fd_, -1));
    if (!temporario_.isEmpty())
        ::unlink(QFile::encodeName(std::exchange(temporario_, QString())).constData());
}

bool EhTemporarioDoPrograma(const QString& nome)
{
    // Beside the program's own files only: its data, submission and backup files.
    static const QRegularExpression padrao(
        u"^(Pravex|pravexenvio)[^/]*\\.txt\\.novo-[A-Za-z0-9]{%1}$"_s.arg(TamanhoAleatorio));
    return padrao.match(nome).hasMatch();
}

void RemoveTemporariosAbandonados(const QString& pasta)
{
    const QFileInfoList achados =
        QDir(pasta).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : achados) {
        if (f.isFile() && !f.isSymLink() && EhTemporarioDoPrograma(f.fileName()))
            QFile::remove(f.filePath());
    }
}

std::optional<Falha> SincronizaPasta(const QString& pasta)
{
    const int fd = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Falha::doSistema(errno);
    int resultado = 0;
    while ((resultado = ::fsync(fd)) != 0 && errno == EINTR) {
    }
    const int erro = errno;
    ::close(fd);
    // A file system that cannot sync a folder keeps its entries by other means.
    if (resultado != 0 && erro != EINVAL && erro != ENOTSUP)
        return Falha::doSistema(erro);
    return std::nullopt;
}
