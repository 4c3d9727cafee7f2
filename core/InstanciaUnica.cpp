#include "InstanciaUnica.h"

#include "Caminhos.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace
{

std::unique_ptr<QLockFile> Trava(const QString& caminho)
{
    auto trava = std::make_unique<QLockFile>(caminho);
    // A live owner keeps its lock forever; only a dead owner's lock is stale.
    trava->setStaleLockTime(0);
    trava->tryLock(0);
    return trava;
}

} // namespace

InstanciaUnica::InstanciaUnica(const QString& pastaPrograma)
    : trava_(Trava(caminhoTrava(pastaPrograma)))
{
    if (trava_->error() == QLockFile::NoError) {
        primeira_ = true;
        return;
    }
    if (trava_->error() == QLockFile::LockFailedError)
        return;
    // A folder that cannot hold the lock (read-only) holds no data this instance could write
    // over another's: the user's own lock then tells only their second start.
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (pasta.isEmpty())
        pasta = QDir::tempPath();
    trava_ = Trava(QDir(pasta).filePath(u"pravex.lock"_s));
    primeira_ = trava_->error() == QLockFile::NoError;
}

QString InstanciaUnica::caminhoTrava(const QString& pastaPrograma)
{
    return JuntaCaminho(pastaPrograma, u".pravex.lock"_s);
}
