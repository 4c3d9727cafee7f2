#pragma once

#include "Caminhos.h"
#include "FrmAdiantamentos.h"
#include "ImprimeQt.h"
#include "Module1.h"
#include "PastaTemporaria.h"
#include "Registro.h"
#include "ServicosDeTeste.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <memory>

#include <gtest/gtest.h>

// The real main window on a temporary program folder, driven by keys sent to whatever control
// has the focus, as an operator types.
class JanelaTeste : public testing::Test
{
public:
    struct Digitado {
        QString processo, ne, elemento, cpf, nome, valor, inicial, final_;
    };

protected:
    void SetUp() override
    {
        DefinePastaPrograma(pasta.caminho());
        Module1::PendenteGravar.clear();
        Module1::Operacao.clear();
        Module1::ArquivoExercicio.clear();
        janela = std::make_unique<FrmAdiantamentos>(servicos.servicos());
        janela->show();
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
        // The start hint, which the activation brings.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !servicos.mensagens.caixas().isEmpty(); }));
    }
    void TearDown() override
    {
        janela.reset();
        DefinePastaPrograma(QString());
    }

    template <typename T = QWidget> T* w(const char* nome) const
    {
        T* achado = janela->findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(achado, nullptr) << nome;
        return achado;
    }
    QLineEdit* txt(const char* nome) const { return w<QLineEdit>(nome); }
    QPushButton* cmd(const char* nome) const { return w<QPushButton>(nome); }
    QComboBox* cbo(const char* nome) const { return w<QComboBox>(nome); }
    QTreeView* lista() const { return w<QTreeView>("LvwAdiantamentos"); }

    QWidget* foco() const { return QApplication::focusWidget(); }
    QString nomeDoFoco() const { return foco() ? foco()->objectName() : QString(); }

    // Types the text into the focused control, character by character.
    void digita(const QString& texto) const
    {
        for (const QChar c : texto) {
            if (c.unicode() < 128)
                QTest::keyClick(foco(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, foco(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) const
    {
        QTest::keyClick(foco(), k, m);
    }
    void enter() const { tecla(Qt::Key_Return); }

    // Starts an exercise by typing its year and Enter.
    void iniciaExercicio(const QString& ano)
    {
        txt("TxtExercicio")->setFocus();
        txt("TxtExercicio")->selectAll();
        digita(ano);
        enter();
    }

    // Fills the header of a new exercise and presses Enter in the last field, which opens the
    // inclusion.
    void digitaCabecalho(const QString& orgao, const QString& elaborador,
                         const QString& responsavel)
    {
        digita(orgao);
        enter();
        digita(elaborador);
        enter();
        digita(responsavel);
        enter();
    }

    // Types one advance from the Processo field on, moving with Enter, and confirms with F2.
    void incluiPorTeclado(const Digitado& d)
    {
        digita(d.processo);
        enter();
        digita(d.ne);
        enter();
        // The element is found by typing its code, as a new search after the list's pause.
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        tecla(Qt::Key_Home);
        digita(d.elemento);
        enter();
        digita(d.cpf);
        enter();
        if (nomeDoFoco() == u"TxtNomeResponsavel") {
            digita(d.nome);
            enter();
        }
        digita(d.valor);
        enter();
        digita(d.inicial);
        enter();
        digita(d.final_);
        tecla(Qt::Key_F2);
    }

    QStringList coluna(int c) const
    {
        QStringList r;
        const ModeloAdiantamentos& m = janela->lista();
        for (int i = 0; i < m.linhas(); ++i)
            r << m.texto(i, c);
        return r;
    }

    QString arquivo(const QString& ano) const { return pasta.arquivo(NomeArquivoExercicio(ano)); }

    PastaTemporaria pasta;
    ServicosDeTeste servicos{MensagensRoteiro::CaixaSoOk::RespondeSozinha};
    std::unique_ptr<FrmAdiantamentos> janela;
};
