#include "FalhaReal.h"

#include <QDir>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace
{
// Far below the files the tests write, far above the previous files they put in place.
constexpr rlim_t LimiteBytes = 4096;
} // namespace

const char* NomeTipoFalha(TipoFalha tipo)
{
    switch (tipo) {
    case TipoFalha::DiscoCheio:
        return "DiscoCheio";
    case TipoFalha::LimiteTamanho:
        return "LimiteTamanho";
    case TipoFalha::SomenteLeitura:
        return "SomenteLeitura";
    case TipoFalha::PastaAusente:
        return "PastaAusente";
    case TipoFalha::CaminhoEhArquivo:
        return "CaminhoEhArquivo";
    }
    return "?";
}

FalhaReal::FalhaReal(TipoFalha tipo) : tipo_(tipo)
{
    switch (tipo) {
    case TipoFalha::DiscoCheio:
    case TipoFalha::SomenteLeitura:
        disco_ = std::make_unique<DiscoPequeno>(64);
        motivo_ = disco_->motivo();
        pasta_ = disco_->caminho();
        break;
    case TipoFalha::LimiteTamanho:
        temporaria_ = std::make_unique<PastaTemporaria>();
        pasta_ = temporaria_->caminho();
        break;
    case TipoFalha::PastaAusente:
        temporaria_ = std::make_unique<PastaTemporaria>();
        pasta_ = temporaria_->arquivo(u"nao-existe"_s);
        break;
    case TipoFalha::CaminhoEhArquivo:
        temporaria_ = std::make_unique<PastaTemporaria>();
        pasta_ = temporaria_->escreve(u"arquivo-comum"_s, "x");
        break;
    }
}

FalhaReal::~FalhaReal()
{
    if (limiteArmado_) {
        ::setrlimit(RLIMIT_FSIZE, &limiteAnterior_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
}

bool FalhaReal::aceitaAnterior() const
{
    return tipo_ != TipoFalha::PastaAusente && tipo_ != TipoFalha::CaminhoEhArquivo;
}

void FalhaReal::anterior(const QString& nome, const QByteArray& bytes)
{
    QFile arquivo(QDir(pasta_).filePath(nome));
    if (arquivo.open(QIODevice::WriteOnly))
        arquivo.write(bytes);
}

void FalhaReal::arma()
{
    switch (tipo_) {
    case TipoFalha::DiscoCheio:
        disco_->enche();
        break;
    case TipoFalha::SomenteLeitura:
        if (!disco_->somenteLeitura())
            motivo_ = u"cannot remount the small disk read-only"_s;
        break;
    case TipoFalha::LimiteTamanho: {
        // Ignored, the signal would end the process; the write then fails with EFBIG.
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &limiteAnterior_);
        rlimit limite = limiteAnterior_;
        limite.rlim_cur = LimiteBytes;
        if (::setrlimit(RLIMIT_FSIZE, &limite) != 0)
            motivo_ = u"cannot lower the file size limit"_s;
        limiteArmado_ = true;
        break;
    }
    case TipoFalha::PastaAusente:
    case TipoFalha::CaminhoEhArquivo:
        break;
    }
}

QStringList FalhaReal::conteudo() const
{
    const QString onde = aceitaAnterior() ? pasta_ : temporaria_->caminho();
    QStringList nomes =
        QDir(onde).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    nomes.removeAll(u".enchimento"_s);
    return nomes;
}
