// The peak memory of the program with the register loaded: the real main window on the
// offscreen screen, the exercise started from the data file in FOLDER as "I&niciar" does.
// Without arguments the window stays empty, which is the program's own cost.
//
//   pravex_memoria [PASTA ANO]
//
// Prints the rows loaded and the process's peak resident size in KiB.

#include "Caminhos.h"
#include "FrmAdiantamentos.h"
#include "ServicosMudos.h"

#include <QApplication>
#include <QLineEdit>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 1 && argc != 3) {
        std::fprintf(stderr, "uso: pravex_memoria [PASTA ANO]\n");
        return 2;
    }
    QApplication app(argc, argv);
    ServicosMudos mudos;
    Servicos servicos = mudos.servicos();
    FrmAdiantamentos janela(servicos);
    MostraAtiva(janela);
    mudos.mensagens.mostradas.clear(); // the start hint
    if (argc == 3) {
        DefinePastaPrograma(QString::fromLocal8Bit(argv[1]));
        janela.findChild<QLineEdit*>(QStringLiteral("TxtExercicio"))
            ->setText(QString::fromLocal8Bit(argv[2]));
        janela.CmdCarrega_Click();
        QCoreApplication::processEvents();
        if (!mudos.mensagens.mostradas.isEmpty()) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(mudos.mensagens.mostradas.first()));
            return 1;
        }
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("linhas %d pico_kb %ld\n", janela.lista().linhas(), uso.ru_maxrss);
    return 0;
}
