#include "SelecionaTexto.h"

#include <QLineEdit>

void SelecionaTexto(QLineEdit& campo)
{
    // Selected from the end back to 0: the caret stays at the start, where Left arrow leaves the
    // field.
    const int tamanho = static_cast<int>(campo.text().size());
    campo.setSelection(tamanho, -tamanho);
}
