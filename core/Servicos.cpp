#include "Servicos.h"

using namespace Qt::Literals::StringLiterals;

QString Unidade::rotulo() const
{
    QString texto = QString(letra) + u':';
    if (!nome.isEmpty())
        texto += u" ["_s + nome + u']';
    return texto;
}
