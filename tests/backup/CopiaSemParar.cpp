// Copies two sources in turn onto one destination with CopiaSegura until it is killed. Says
// "pronto" once the first copy is in place, and exits non-zero if a copy reports a failure.

#include "CopiaSegura.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 1;
    const QString origens[2] = {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const QString destino = QString::fromLocal8Bit(argv[3]);
    for (long vez = 0;; ++vez) {
        if (const std::optional<Falha> falha = CopiaSegura(origens[(vez + 1) % 2], destino)) {
            std::fprintf(stderr, "%s\n", qPrintable(falha->texto()));
            return 3;
        }
        if (vez == 0) {
            std::printf("pronto\n");
            std::fflush(stdout);
        }
    }
}
