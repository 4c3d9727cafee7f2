#include "CaixaAberta.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

void QuandoCaixaAbrir(std::function<void(QMessageBox&)> acao)
{
    constexpr int intervaloMs = 5;
    constexpr int tentativas = 1000;
    auto* espera = new QTimer(qApp);
    auto restantes = std::make_shared<int>(tentativas);
    QObject::connect(espera, &QTimer::timeout, espera, [espera, restantes, acao = std::move(acao)] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (caixa == nullptr && --*restantes > 0)
            return;
        espera->stop();
        espera->deleteLater();
        if (caixa != nullptr)
            acao(*caixa);
    });
    espera->start(intervaloMs);
}
