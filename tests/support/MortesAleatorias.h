#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Starts a program that rewrites `arquivo` without end, waits until it says it has rewritten it
// once, and kills it (SIGKILL) a random time later, `mortes` times, the delays spread over
// `janelaMs`. After each kill the file must hold exactly one of `versoes`, and whatever unfinished
// file lies beside it must be one the program's start removes; anything else ends the run with
// `falha` set.
struct ResultadoMortes {
    int mortes = 0;
    QList<int> porVersao; // kills that left each version
    int sobras = 0;       // unfinished files found beside the file, removed as a start does
    QString falha;
};

ResultadoMortes MataAoAcaso(const QString& programa, const QStringList& argumentos,
                            const QString& arquivo, const QList<QByteArray>& versoes, int mortes,
                            int janelaMs);
