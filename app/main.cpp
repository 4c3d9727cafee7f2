#include "FrmAdiantamentos.h"
#include "InstanciaUnica.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(u"Pravex"_s);
    const InstanciaUnica instancia;
    if (!instancia.primeira()) {
        QMessageBox::warning(nullptr, u"Pravex"_s,
                             u"O programa 'Pravex' já está sendo executado !"_s);
        return 0;
    }
    FrmAdiantamentos janela;
    janela.show();
    return app.exec();
}
