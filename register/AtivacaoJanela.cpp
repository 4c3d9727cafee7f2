#include "AtivacaoJanela.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

AtivacaoJanela::AtivacaoJanela(QWidget& janela, std::function<void()> aoAtivar)
    : QObject(&janela), janela_(janela), aoAtivar_(std::move(aoAtivar))
{
    // Which window took the keyboard last, before the window gets it back.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* ativa) {
        if (ativa == nullptr || ativa == janela_.windowHandle())
            return;
        const QWidgetList abertas = QApplication::topLevelWidgets();
        const auto dona = std::find_if(abertas.begin(), abertas.end(),
                                       [ativa](QWidget* w) { return w->windowHandle() == ativa; });
        voltaDeCaixa_ = dona != abertas.end() && qobject_cast<QMessageBox*>(*dona) != nullptr;
    });
}

void AtivacaoJanela::ativada()
{
    if (std::exchange(voltaDeCaixa_, false) || ativacaoPendente_)
        return;
    ativacaoPendente_ = true;
    QTimer::singleShot(0, this, [this] {
        ativacaoPendente_ = false;
        if (janela_.isActiveWindow() && QApplication::activeModalWidget() == nullptr)
            aoAtivar_();
    });
}
