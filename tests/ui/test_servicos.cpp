#include "AtividadeQt.h"
#include "BarraProgresso.h"
#include "EncerramentoQt.h"
#include "ImprimeQt.h"
#include "PastaTemporaria.h"
#include "SelecionaTexto.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace
{

// How many override cursors are stacked: each restore pops one.
int CursoresEmpilhados()
{
    int quantos = 0;
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
        ++quantos;
    }
    return quantos;
}

} // namespace

TEST(Atividade, AmpulhetaLigaEDesligaSemSobrar)
{
    {
        AtividadeQt atividade;
        atividade.ocupado(true);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        atividade.ocupado(true);
        atividade.ocupado(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        // A second turn off must not pop a cursor someone else set.
        QApplication::setOverrideCursor(QCursor(Qt::IBeamCursor));
        atividade.ocupado(false);
        EXPECT_EQ(CursoresEmpilhados(), 1);
    }
    {
        AtividadeQt esquecida;
        esquecida.ocupado(true);
    }
    EXPECT_EQ(CursoresEmpilhados(), 0);
}

TEST(Atividade, ProcessaEventosPendentes)
{
    AtividadeQt atividade;
    bool rodou = false;
    QTimer::singleShot(0, qApp, [&rodou] { rodou = true; });
    atividade.processaEventos();
    EXPECT_TRUE(rodou);
}

TEST(Atividade, NoLacoDeixaPassarDeTemposEmTempos)
{
    AtividadeQt atividade;
    int rodadas = 0;
    const auto agenda = [&rodadas] { QTimer::singleShot(0, qApp, [&rodadas] { ++rodadas; }); };
    agenda();
    atividade.processaEventosNoLaco();
    EXPECT_EQ(rodadas, 1);
    // A loop's next lines, right after: nothing gets through until the interval has passed.
    agenda();
    atividade.processaEventosNoLaco();
    EXPECT_EQ(rodadas, 1);
    QTest::qSleep(AtividadeQt::IntervaloNoLacoMs + 5);
    atividade.processaEventosNoLaco();
    EXPECT_EQ(rodadas, 2);
    // The plain call is never held back.
    agenda();
    atividade.processaEventos();
    EXPECT_EQ(rodadas, 3);
}

TEST(BarraProgresso, AvancaAosCentesimosAteOFim)
{
    QProgressBar barra;
    barra.setRange(1, 32001);
    barra.setValue(1);
    QList<int> mostrados;
    QObject::connect(&barra, &QProgressBar::valueChanged, &barra,
                     [&mostrados](int v) { mostrados << v; });
    for (int valor = 2; valor <= 32001; ++valor)
        AvancaBarra(barra, valor);
    EXPECT_EQ(barra.value(), 32001);
    EXPECT_LE(mostrados.size(), 101);
    EXPECT_EQ(mostrados.first(), 321);
    // Past the end it stays at the end; a value back shows at once.
    AvancaBarra(barra, 40000);
    EXPECT_EQ(barra.value(), 32001);
    AvancaBarra(barra, 1);
    EXPECT_EQ(barra.value(), 1);
    // A short file moves it line by line.
    barra.setRange(1, 4);
    for (int valor = 2; valor <= 4; ++valor) {
        AvancaBarra(barra, valor);
        EXPECT_EQ(barra.value(), valor);
    }
}

TEST(BarraProgresso, AdianteNoMaximoUmaVezACadaIntervalo)
{
    QProgressBar barra;
    barra.setRange(1, 32001);
    barra.setValue(1);
    QElapsedTimer desenhada;
    // The first step of a pass shows at once.
    AvancaBarra(barra, 400, desenhada);
    EXPECT_EQ(barra.value(), 400);
    ASSERT_TRUE(desenhada.isValid());
    // A step soon after waits for the interval (checked only while it has not gone by).
    AvancaBarra(barra, 2000, desenhada);
    if (desenhada.elapsed() < IntervaloDesenhoMs) {
        EXPECT_EQ(barra.value(), 400);
    }
    // The end and a value back show at once, however soon.
    AvancaBarra(barra, 32001, desenhada);
    EXPECT_EQ(barra.value(), 32001);
    AvancaBarra(barra, 1, desenhada);
    EXPECT_EQ(barra.value(), 1);
    // Once the interval has gone by, the next step shows.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            AvancaBarra(barra, 900, desenhada);
            return barra.value() == 900;
        },
        2000));
}

TEST(EncerramentoDeathTest, TerminaNaHoraSemRodarMaisNada)
{
    const PastaTemporaria pasta;
    static QString marcaAtexit;
    marcaAtexit = pasta.arquivo(u"atexit"_s);
    const QString depois = pasta.arquivo(u"depois"_s);
    const QString destrutor = pasta.arquivo(u"destrutor"_s);

    struct Grava {
        QString caminho;
        ~Grava() { QFile(caminho).open(QIODevice::WriteOnly); }
    };
    EXPECT_EXIT(
        {
            std::atexit([] { QFile(marcaAtexit).open(QIODevice::WriteOnly); });
            const Grava aoSair{destrutor};
            EncerramentoQt().encerra();
            QFile(depois).open(QIODevice::WriteOnly);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_FALSE(QFile::exists(marcaAtexit));
    EXPECT_FALSE(QFile::exists(depois));
    EXPECT_FALSE(QFile::exists(destrutor));
}

TEST(SelecionaTexto, SelecionaDoInicioAteOFimComOCursorNoInicio)
{
    for (const QString& texto : {QString(), u"2005"_s, u"JOSÉ DA SILVA ´ª"_s}) {
        SCOPED_TRACE(texto.toStdString());
        QLineEdit campo(texto);
        campo.setCursorPosition(static_cast<int>(texto.size() / 2));
        SelecionaTexto(campo);
        EXPECT_EQ(campo.selectionStart(), texto.isEmpty() ? -1 : 0);
        EXPECT_EQ(campo.selectedText(), texto);
        EXPECT_EQ(campo.cursorPosition(), 0);
        // Typing replaces the whole content.
        campo.insert(u"7"_s);
        EXPECT_EQ(campo.text(), u"7"_s);
    }
}
