#include "Decoracao.h"

#include <QStyle>

using namespace Qt::Literals::StringLiterals;

QLabel* Picture1(QWidget* pai)
{
    auto* figura = new QLabel(pai);
    figura->setObjectName(u"Picture1"_s);
    const int lado = pai->style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * 3 / 2;
    figura->setPixmap(pai->style()->standardIcon(QStyle::SP_DriveFDIcon).pixmap(lado, lado));
    figura->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return figura;
}
