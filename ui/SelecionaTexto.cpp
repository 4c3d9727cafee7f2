#include "SelecionaTexto.h"

#include <QLineEdit>

void SelecionaTexto(QLineEdit& campo)
{
    campo.setSelection(0, static_cast<int>(campo.text().size()));
}
