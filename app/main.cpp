#include "Inicio.h"
#include "ServicosQt.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    aplicacao.setApplicationName(u"Pravex"_s);
    PreparaIdioma(aplicacao);
    ServicosQt servicos;
    const auto execucao = Inicia(servicos.servicos());
    if (!execucao)
        return 0;
    return aplicacao.exec();
}
