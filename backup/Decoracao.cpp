#include "Decoracao.h"

#include <QStyle>

using namespace Qt::Literals::StringLiterals;

QLabel* Picture1(QWidget* pai)
{
    auto* figura = new QLabel(pai);
    figura->setObjectName(u"Picture1"_s);
    DesenhaFigura(*figura);
    figura->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return figura;
}

void DesenhaFigura(QLabel& Picture1)
{
    const QStyle* estilo = Picture1.style();
    const int lado = estilo->pixelMetric(QStyle::PM_MessageBoxIconSize) * 3 / 2;
    Picture1.setPixmap(estilo->standardIcon(QStyle::SP_DriveFDIcon).pixmap(lado, lado));
}
