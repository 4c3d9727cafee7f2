#include "Inicio.h"
#include "ServicosQt.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    aplicacao.setApplicationName(u"Pravex"_s);
    // The desktop matches the window to its menu entry by this name.
    aplicacao.setDesktopFileName(u"pravex"_s);
    QIcon icone;
    for (const int tamanho : {16, 32, 48, 64, 128, 256})
        icone.addFile(u":/icones/pravex-%1.png"_s.arg(tamanho), QSize(tamanho, tamanho));
    aplicacao.setWindowIcon(icone);
    PreparaIdioma(aplicacao);
    ServicosQt servicos;
    const auto execucao = Inicia(servicos.servicos());
    if (!execucao)
        return 0;
    return aplicacao.exec();
}
