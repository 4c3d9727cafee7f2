#pragma once

#include <QListWidget>
#include <QString>
#include <QTest>
#include <QWidget>

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
