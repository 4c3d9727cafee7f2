#include "MortesAleatorias.h"

#include "PastaTemporaria.h"
#include "Substituto.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The files beside `arquivo` named after it.
QStringList Sobras(const QFileInfo& arquivo)
{
    QStringList sobras;
    for (const QString& nome : QDir(arquivo.path()).entryList(QDir::Files | QDir::Hidden))
        if (nome != arquivo.fileName() && nome.contains(arquivo.fileName()))
            sobras.append(nome);
    return sobras;
}

} // namespace

ResultadoMortes MataAoAcaso(const QString& programa, const QStringList& argumentos,
                            const QString& arquivo, const QList<QByteArray>& versoes, int mortes,
                            int janelaMs)
{
    ResultadoMortes r;
    r.porVersao = QList<int>(versoes.size(), 0);
    const QFileInfo info(arquivo);
    QRandomGenerator sorteio(20050301);
    for (int morte = 0; morte < mortes; ++morte) {
        QProcess processo;
        processo.start(programa, argumentos);
        if (!processo.waitForStarted() || !processo.waitForReadyRead(60'000)) {
            r.falha = u"the writer did not start: "_s +
                      QString::fromLocal8Bit(processo.readAllStandardError());
            return r;
        }
        QThread::usleep(sorteio.bounded(janelaMs * 1000));
        processo.kill();
        processo.waitForFinished();
        if (processo.exitStatus() != QProcess::CrashExit) {
            r.falha = u"the writer stopped by itself: "_s +
                      QString::fromLocal8Bit(processo.readAllStandardError());
            return r;
        }
        const qsizetype versao = versoes.indexOf(LeBytes(arquivo));
        if (versao < 0) {
            r.falha =
                u"kill %1 left %2 bytes of no version"_s.arg(morte).arg(QFileInfo(arquivo).size());
            return r;
        }
        ++r.porVersao[versao];
        ++r.mortes;
        // What the killed writer left beside the file is what the program's next start removes.
        const qsizetype sobras = Sobras(info).size();
        RemoveTemporariosAbandonados(info.path());
        if (const QStringList ficam = Sobras(info); !ficam.isEmpty()) {
            r.falha = u"kill %1 left %2, which a start would not remove"_s.arg(morte).arg(
                ficam.join(u", "_s));
            return r;
        }
        r.sobras += static_cast<int>(sobras);
    }
    return r;
}
