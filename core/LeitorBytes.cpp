#include "LeitorBytes.h"

#include "Falha.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr qint64 TamanhoBloco = 64 * 1024;
}

bool LeitorBytes::enche()
{
    buffer_.resize(TamanhoBloco);
    const qint64 lidos = dispositivo_.read(buffer_.data(), TamanhoBloco);
    if (lidos < 0)
        throw Falha::numerada(Falha::ErroDispositivo);
    buffer_.resize(lidos);
    pos_ = 0;
    return lidos > 0;
}

VirgulasDaLinha ProcuraVirgulas(QByteArrayView linha)
{
    VirgulasDaLinha v;
    const char* const inicio = linha.data();
    const char* const fim = inicio + linha.size();
    for (const char* p = inicio; p < fim && v.total < 8; ++p) {
        p = static_cast<const char*>(std::memchr(p, ',', static_cast<size_t>(fim - p)));
        if (p == nullptr)
            break;
        if (v.total < 7)
            v.posicoes[v.total] = p - inicio;
        ++v.total;
    }
    return v;
}

bool LeitorBytes::linha(QByteArray& saida)
{
    saida.resize(0); // keeps the capacity for the next line
    if (fim())
        return false;
    for (;;) {
        if (pos_ == buffer_.size() && !enche())
            return true;
        const qsizetype inicio = pos_;
        const qsizetype cr = buffer_.indexOf('\r', pos_);
        if (cr < 0) {
            saida.append(buffer_.constData() + inicio, buffer_.size() - inicio);
            pos_ = buffer_.size();
            continue;
        }
        saida.append(buffer_.constData() + inicio, cr - inicio);
        pos_ = cr + 1;
        if (espia() == '\n')
            ++pos_;
        return true;
    }
}

std::optional<Falha> AbreParaLeitura(QFile& arquivo)
{
    // Opened without waiting, then checked: opening a pipe for reading would wait for a writer
    // forever, and a folder would read as nothing.
    const int fd = ::open(QFile::encodeName(arquivo.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Falha::doSistema(errno);
    struct stat tipo {
    };
    if (::fstat(fd, &tipo) != 0 || !S_ISREG(tipo.st_mode)) {
        ::close(fd);
        return Falha::numerada(Falha::ErroAcessoCaminho);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!arquivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Falha::numerada(Falha::ErroAcessoCaminho);
    }
    return std::nullopt;
}

namespace
{

QFile& AbreParaLer(QFile& arquivo)
{
    if (const std::optional<Falha> falha = AbreParaLeitura(arquivo))
        throw *falha;
    return arquivo;
}

// The largest file a command holds in memory for its passes: many times a register at its
// largest (32,766 advances of a few hundred bytes).
constexpr qint64 MaximoEmMemoria = 64 * 1024 * 1024;

} // namespace

QIODevice& ArquivoLido::abre()
{
    if (lido_) {
        memoria_.seek(0);
        return memoria_;
    }
    arquivo_.close();
    arquivo_.setFileName(caminho_);
    AbreParaLer(arquivo_);
    if (arquivo_.size() > MaximoEmMemoria)
        return arquivo_;
    bytes_ = arquivo_.readAll();
    const bool falhou = arquivo_.error() != QFileDevice::NoError;
    arquivo_.close();
    if (falhou)
        throw Falha::numerada(Falha::ErroDispositivo);
    lido_ = true;
    memoria_.setBuffer(&bytes_);
    memoria_.open(QIODevice::ReadOnly);
    return memoria_;
}

qint64 ContaLinhasArquivo(QIODevice& dispositivo)
{
    LeitorBytes leitor(dispositivo);
    qint64 linhas = 0;
    bool pendente = false;   // bytes after the last line end: one more line
    bool depoisDeCr = false; // a line feed that follows belongs to that line end
    for (QByteArrayView bloco = leitor.disponiveis(); !bloco.isEmpty();
         bloco = leitor.disponiveis()) {
        qsizetype i = 0;
        if (depoisDeCr && bloco.front() == '\n')
            i = 1;
        depoisDeCr = false;
        while (i < bloco.size()) {
            const qsizetype cr = bloco.indexOf('\r', i);
            if (cr < 0) {
                pendente = true;
                break;
            }
            ++linhas;
            pendente = false;
            i = cr + 1;
            if (i == bloco.size())
                depoisDeCr = true;
            else if (bloco[i] == '\n')
                ++i;
        }
        leitor.avanca(bloco.size());
    }
    return pendente ? linhas + 1 : linhas;
}

qint64 ContaLinhasArquivo(const QString& caminho)
{
    QFile arquivo(caminho);
    return ContaLinhasArquivo(AbreParaLer(arquivo));
}

void PercorreLinhas(QIODevice& dispositivo,
                    const std::function<bool(const QByteArray& linha)>& cadaLinha)
{
    LeitorBytes leitor(dispositivo);
    QByteArray linha;
    while (leitor.linha(linha)) {
        if (!cadaLinha(linha))
            return;
    }
}

void PercorreLinhas(const QString& caminho,
                    const std::function<bool(const QByteArray& linha)>& cadaLinha)
{
    QFile arquivo(caminho);
    PercorreLinhas(AbreParaLer(arquivo), cadaLinha);
}
