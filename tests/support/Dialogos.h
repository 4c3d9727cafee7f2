#pragma once

#include <QApplication>
#include <QListWidget>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

// What the dialog tests do to a dialog's controls, as the operator does it.

// A control of the dialog by its name; a failure of the case when there is none.
template <typename T = QWidget> T* em(const QWidget& dialogo, const char* nome)
{
    T* achado = dialogo.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(achado, nullptr) << nome;
    return achado;
}

inline void clica(const QWidget& dialogo, const char* botao)
{
    QTest::mouseClick(em(dialogo, botao), Qt::LeftButton);
}

// Opens a folder of the dialog's folder list by Enter.
inline void abrePasta(const QWidget& dialogo, const QString& nome)
{
    auto* lista = em<QListWidget>(dialogo, "dirDiretorio");
    for (int i = 0; i < lista->count(); ++i) {
        if (lista->item(i)->text().trimmed() == nome) {
            lista->setFocus();
            lista->setCurrentRow(i);
            QTest::keyClick(lista, Qt::Key_Return);
            return;
        }
    }
    ADD_FAILURE() << "no folder " << nome.toStdString();
}

// Clicks a file of the dialog's file list, as the operator picks it.
inline void clicaArquivo(const QWidget& dialogo, const QString& nome)
{
    auto* lista = em<QListWidget>(dialogo, "File1");
    const QList<QListWidgetItem*> achados = lista->findItems(nome, Qt::MatchExactly);
    ASSERT_EQ(achados.size(), 1) << nome.toStdString();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(achados.first()).center());
}

// Gives a shown window the keyboard, as the operator's click on it does; its access keys work from
// then on. A window must be exposed before it can be activated.
inline bool Ativa(QWidget& janela)
{
    if (!QTest::qWaitForWindowExposed(&janela))
        return false;
    janela.activateWindow();
    return QTest::qWaitFor([&janela] { return QApplication::activeWindow() == &janela; }, 2000);
}

// Runs `acao` on the modal dialog of type T as soon as it is up, from inside its own event loop;
// `acao` is expected to close it. Gives up after 5 s, closing the modal window that is up instead.
template <typename T> void QuandoAbrir(std::function<void(T&)> acao)
{
    auto* espera = new QTimer(qApp);
    auto restantes = std::make_shared<int>(1000);
    QObject::connect(espera, &QTimer::timeout, espera, [espera, restantes, acao = std::move(acao)] {
        auto* dialogo = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialogo == nullptr && --*restantes > 0)
            return;
        espera->stop();
        espera->deleteLater();
        if (dialogo != nullptr) {
            acao(*dialogo);
            return;
        }
        ADD_FAILURE() << "no dialog opened";
        // Whatever box is up instead would wait for the case's timeout: close it, so the
        // failure shows at once.
        if (QWidget* outro = QApplication::activeModalWidget())
            outro->close();
    });
    espera->start(5);
}
