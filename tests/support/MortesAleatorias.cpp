#include "MortesAleatorias.h"

#include "PastaTemporaria.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

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
        for (const QString& nome : QDir(info.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (nome != info.fileName() && nome.contains(info.fileName())) {
                ++r.sobras;
                QFile::remove(QDir(info.path()).filePath(nome));
            }
        }
    }
    return r;
}
