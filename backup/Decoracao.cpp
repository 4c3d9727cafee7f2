#include "Decoracao.h"

#include <QLabel>
#include <QStyle>

void DesenhaFigura(QLabel& Picture1)
{
    const QStyle* estilo = Picture1.style();
    const int lado = estilo->pixelMetric(QStyle::PM_MessageBoxIconSize) * 3 / 2;
    Picture1.setPixmap(estilo->standardIcon(QStyle::SP_DriveFDIcon).pixmap(lado, lado));
}
