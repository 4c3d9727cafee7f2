#include "AtividadeQt.h"

#include <QApplication>
#include <QCursor>

AtividadeQt::~AtividadeQt()
{
    ocupado(false);
}

void AtividadeQt::ocupado(bool ligado)
{
    if (ligado == ligado_)
        return;
    ligado_ = ligado;
    if (ligado)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

void AtividadeQt::processaEventos()
{
    // Only repaints and other system events get through: a click or key taken here would run
    // another handler in the middle of the loading or writing loop that called us.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void AtividadeQt::processaEventosNoLaco()
{
    if (ultimaPassagem_.isValid() && ultimaPassagem_.elapsed() < IntervaloNoLacoMs)
        return;
    processaEventos();
    ultimaPassagem_.start();
}
