#include "NomesControles.h"

#include <QLabel>
#include <QPushButton>

void NomeiaPelosRotulos(QWidget& janela)
{
    for (const QLabel* r : janela.findChildren<QLabel*>()) {
        if (r->buddy() != nullptr)
            r->buddy()->setAccessibleName(QString(r->text()).remove(u'&'));
    }
    for (QPushButton* b : janela.findChildren<QPushButton*>())
        b->setAccessibleName(QString(b->text()).remove(u'&'));
}
