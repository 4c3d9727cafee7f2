// Rewrites the data file of a large register with GravaArquivo, versions 1 and 0 in turn,
// until it is killed. Given the program folder and the number of rows; says "pronto" once the
// first rewrite is done, and exits non-zero if a rewrite reports a failure.

#include "Caminhos.h"
#include "FormRegistroFalso.h"
#include "Registro.h"
#include "RegistroGrande.h"
#include "Servicos.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace
{

class MensagensNaSaida : public Mensagens
{
public:
    Resposta mostra(const QString& texto, Icone, Botoes, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(texto));
        std::exit(2);
    }
    void bipe() override {}
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 1;
    DefinePastaPrograma(QString::fromLocal8Bit(argv[1]));
    AbreExercicio(CabecalhoGrande(0).exercicio);
    const int linhas = std::atoi(argv[2]);
    FormRegistroFalso versoes[2];
    for (int v = 0; v < 2; ++v) {
        versoes[v].cab = CabecalhoGrande(v);
        versoes[v].modelo.defineLinhas(LinhasGrandes(v, linhas));
    }
    MensagensNaSaida mensagens;
    for (long vez = 0;; ++vez) {
        if (!GravaArquivo(versoes[(vez + 1) % 2], mensagens))
            return 3;
        if (vez == 0) {
            std::printf("pronto\n");
            std::fflush(stdout);
        }
    }
}
