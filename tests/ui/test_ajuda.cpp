#include "AjudaQt.h"
#include "ImprimeQt.h"
#include "MensagensRoteiro.h"
#include "PastaTemporaria.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Stands in for the desktop's handler of the file, remembering what it was given.
struct DesktopFalso {
    bool abre = false;
    QList<QUrl> pedidos;

    AjudaQt::AbreUrl funcao()
    {
        return [this](const QUrl& url) {
            pedidos.append(url);
            return abre;
        };
    }
};

class AjudaDoPrograma : public testing::Test
{
protected:
    PastaTemporaria pasta;
    QString chm = pasta.escreve(u"Pravex.chm"_s, "ITSF");
    QString visualizadorAusente = pasta.arquivo(u"nao-existe/xchm"_s);
    MensagensRoteiro mensagens;
    DesktopFalso desktop;
};

} // namespace

TEST_F(AjudaDoPrograma, ArquivoAusenteAvisaSemAbrirNada)
{
    const QString ausente = pasta.arquivo(u"Sumiu.chm"_s);
    mensagens.responde(Resposta::Ok, u"O arquivo de ajuda não foi encontrado:\r"_s + ausente);
    AjudaQt ajuda(mensagens, visualizadorAusente, desktop.funcao());
    ajuda.abre(ausente);
    EXPECT_TRUE(desktop.pedidos.isEmpty());
}

TEST_F(AjudaDoPrograma, SemVisualizadorTentaODesktopEAvisa)
{
    mensagens.responde(Resposta::Ok, u"Não foi possível abrir o arquivo de ajuda:\r"_s + chm +
                                         u"\r\rNenhum visualizador de ajuda pôde ser iniciado."_s);
    AjudaQt ajuda(mensagens, visualizadorAusente, desktop.funcao());
    ajuda.abre(chm);
    EXPECT_EQ(desktop.pedidos, QList<QUrl>{QUrl::fromLocalFile(chm)});
}

TEST_F(AjudaDoPrograma, SemVisualizadorODesktopAbreEmSilencio)
{
    desktop.abre = true;
    AjudaQt ajuda(mensagens, visualizadorAusente, desktop.funcao());
    ajuda.abre(chm);
    EXPECT_EQ(desktop.pedidos, QList<QUrl>{QUrl::fromLocalFile(chm)});
    EXPECT_TRUE(mensagens.caixas().isEmpty());
}

TEST_F(AjudaDoPrograma, VisualizadorRodaSoltoComOCaminhoAbsoluto)
{
    // A viewer that stays open a while: the program must not wait for it.
    const QString recebido = pasta.arquivo(u"recebido"_s);
    const QString visualizador = pasta.escreve(
        u"visualizador"_s,
        (u"#!/bin/sh\nprintf '%s' \"$1\" > '"_s + recebido + u"'\nsleep 2\n"_s).toUtf8());
    ASSERT_TRUE(QFile::setPermissions(visualizador, QFile::ReadOwner | QFile::ExeOwner));

    AjudaQt ajuda(mensagens, visualizador, desktop.funcao());
    QElapsedTimer relogio;
    relogio.start();
    ajuda.abre(chm);
    EXPECT_LT(relogio.elapsed(), 1500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(recebido).size() > 0; }, 2000));
    EXPECT_EQ(LeBytes(recebido), QFileInfo(chm).absoluteFilePath().toUtf8());
    EXPECT_TRUE(desktop.pedidos.isEmpty());
    EXPECT_TRUE(mensagens.caixas().isEmpty());
}
