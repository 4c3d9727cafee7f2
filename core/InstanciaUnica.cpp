#include "InstanciaUnica.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

InstanciaUnica::InstanciaUnica(const QString& caminhoTrava) : trava_(caminhoTrava)
{
    // A live owner keeps its lock forever; only a dead owner's lock is stale.
    trava_.setStaleLockTime(0);
    primeira_ = trava_.tryLock(0);
}

QString InstanciaUnica::caminhoPadrao()
{
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (pasta.isEmpty())
        pasta = QDir::tempPath();
    return QDir(pasta).filePath(u"pravex.lock"_s);
}
