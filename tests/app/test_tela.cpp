// The program started on a real X server with a window manager, at the screen size and the scale
// factor tela.sh chose: the main window opens inside the screen's free area, and every control
// of it shows whole, idle and while an advance is typed.

#include "Caminhos.h"
#include "Inicio.h"
#include "PastaTemporaria.h"
#include "ServicosDeTeste.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Registro2005 =
    "PREFEITURA MUNICIPAL DE SAO JOAO DO SUL,2005,MARIA APARECIDA SOUZA,JOSE CARLOS PEREIRA,,,,\r\n"
    "0012/2005,999999999,339030,88888888888,ANTONIO MARCOS DA SILVA,99999999.99,28/02,30/11\r\n"
    "0013/2005,1202,339039,52998224725,LUCIA HELENA FERREIRA,1200.00,10/01,31/01\r\n";

QString Descreve(const QRect& r)
{
    return u"%1,%2 %3x%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every control the window shows lies whole inside it, at no less than the size it needs, and no
// two buttons overlap.
void ConfereControles(QWidget& janela)
{
    QList<QRect> botoes;
    for (QWidget* w : janela.findChildren<QWidget*>()) {
        const bool controle = qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                              qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w) ||
                              qobject_cast<QTreeView*>(w);
        if (!controle || !w->isVisibleTo(&janela) || w->window() != &janela)
            continue;
        SCOPED_TRACE(w->objectName().isEmpty() ? w->metaObject()->className()
                                               : w->objectName().toStdString());
        const QRect lugar(w->mapTo(&janela, QPoint()), w->size());
        EXPECT_TRUE(janela.rect().contains(lugar)) << Descreve(lugar).toStdString();
        EXPECT_GE(w->width(), w->minimumSizeHint().width());
        EXPECT_GE(w->height(), w->minimumSizeHint().height());
        if (qobject_cast<QPushButton*>(w) != nullptr) {
            for (const QRect& outro : botoes)
                EXPECT_FALSE(outro.intersects(lugar)) << Descreve(lugar).toStdString();
            botoes.append(lugar);
        }
    }
    // The list shows rows.
    auto* lista = janela.findChild<QTreeView*>(u"LvwAdiantamentos"_s);
    EXPECT_GE(lista->viewport()->height(),
              2 * lista->visualRect(lista->model()->index(0, 0)).height());
}

} // namespace

TEST(Tela, JanelaAbreDentroDaAreaLivreComTudoInteiro)
{
    if (QGuiApplication::platformName() != u"xcb"_s)
        GTEST_SKIP() << "runs on the X server that tela.sh starts";
    const PastaTemporaria pasta;
    DefinePastaPrograma(pasta.caminho());
    pasta.escreve(NomeArquivoExercicio(u"2005"_s), Registro2005);
    ServicosDeTeste servicos(MensagensRoteiro::CaixaSoOk::RespondeSozinha);
    const auto execucao = Inicia(servicos.servicos());
    ASSERT_NE(execucao, nullptr);
    FrmAdiantamentos& janela = *execucao->janela;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));

    const QRect livre = janela.screen()->availableGeometry();
    SCOPED_TRACE(u"free area %1, scale %2"_s.arg(Descreve(livre))
                     .arg(janela.devicePixelRatioF())
                     .toStdString());
    // Framed by the window manager, inside the free area. At a scale above 1 a frame of an odd
    // number of screen pixels rounds to one logical pixel more.
    const int arredonda = janela.devicePixelRatioF() > 1.0 ? 1 : 0;
    const QRect tolerada = livre.adjusted(-arredonda, -arredonda, arredonda, arredonda);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return janela.frameGeometry() != janela.geometry() &&
               tolerada.contains(janela.frameGeometry());
    })) << Descreve(janela.frameGeometry()).toStdString();
    EXPECT_GE(janela.width(), janela.minimumSizeHint().width());
    EXPECT_GE(janela.height(), janela.minimumSizeHint().height());

    auto* exercicio = janela.findChild<QLineEdit*>(u"TxtExercicio"_s);
    exercicio->setFocus();
    QTest::keyClicks(exercicio, u"2005"_s);
    QTest::keyClick(exercicio, Qt::Key_Return);
    ASSERT_EQ(janela.lista().linhas(), 2);
    {
        SCOPED_TRACE("idle");
        ConfereControles(janela);
    }
    // The whole screen as the clerk sees it, for the one who runs the cases.
    if (const QString foto = qEnvironmentVariable("TELA_FOTO"); !foto.isEmpty()) {
        janela.repaint();
        janela.screen()->grabWindow(0).save(foto);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    ASSERT_TRUE(janela.findChild<QPushButton*>(u"CmdOK"_s)->isVisible());
    {
        SCOPED_TRACE("typing an advance");
        ConfereControles(janela);
    }
    DefinePastaPrograma(QString());
}
