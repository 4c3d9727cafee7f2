#include "FrmAdiantamentos.h"

using namespace Qt::Literals::StringLiterals;

FrmAdiantamentos::FrmAdiantamentos(Servicos& servicos, QWidget* pai)
    : QMainWindow(pai), servicos_(servicos)
{
    setObjectName(u"FrmAdiantamentos"_s);
    setWindowTitle(titulo());
}

QString FrmAdiantamentos::titulo()
{
    return u"ORVAL  -  Quelmar-Pravex   (v %1.%2.%3)"_s.arg(PRAVEX_VERSION_MAJOR)
        .arg(PRAVEX_VERSION_MINOR)
        .arg(PRAVEX_VERSION_PATCH);
}
