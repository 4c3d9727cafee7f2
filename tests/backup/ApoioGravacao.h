#pragma once

#include "Dialogos.h"
#include "JanelaTeste.h"
#include "ListasArquivos.h"
#include "frmGrava.h"

#include <QDir>
#include <QListWidget>
#include <QMessageBox>

#include <memory>

// The data file of the exercise the window tests open: a header and two advances.
inline const QByteArray Cabecalho2005 =
    "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n";
inline const QByteArray Linha1 = "P1,10,339030,12345678909,CICRANO DA SILVA,9.00,01/03,31/03\r\n";
inline const QByteArray Linha2 = "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02\r\n";
inline const QByteArray Dados2005 = Cabecalho2005 + Linha1 + Linha2;

// The failure message of a copy of the submission file (mode "T").
inline const QString FalhaNaGravacao =
    QStringLiteral("Alguns possíveis problemas na gravação: \r\rSe você está tentando gravar em "
                   "disquete ou CD: a) Verifique se há espaço necessário. b) Um possível problema "
                   "com a unidade de disquete ou CD. c) O tamanho do arquivo não é compatível com "
                   "Disquete ou CD.\rSe você está tentando gravar em outro caminho da sua Rede ou "
                   "do seu computador, verifique suas permissões.\rSe você está tentando gravar "
                   "em CD, verifique que deve ser do tipo gravável.");

// A box with no icon and no title, as most of the write dialog's are.
inline CaixaMostrada simples(const QString& texto)
{
    return {texto, Icone::Nenhum, Botoes::Ok, QStringLiteral("Pravex")};
}

// The last box of a copy that failed.
inline const CaixaMostrada Finalizado = simples(QStringLiteral("O sistema será finalizado."));

// The files and folders directly in a folder, hidden ones included, in name order.
inline QStringList Conteudo(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                 QDir::Name);
}

// The main window with the exercise 2005 open from its data file, the usual drives (a:, c: at
// the program folder, d:, e: failing) and an empty folder "destino" in the program folder.
class JanelaGravacao : public JanelaTeste
{
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        servicos.unidades = UnidadesRoteiro::Padrao(pasta.caminho());
        Module1::ModoGrava.clear();
        ASSERT_TRUE(QDir(pasta.caminho()).mkdir(QStringLiteral("destino")));
        pasta.escreve(NomeArquivoExercicio(QStringLiteral("2005")), Dados2005);
        iniciaExercicio(QStringLiteral("2005"));
        ASSERT_EQ(janela->lista().linhas(), 2);
    }

    // The write/restore dialog open over the main window, if any.
    frmGrava* grava() const { return janela->findChild<frmGrava*>(); }
    bool gravaFechado() const
    {
        return QTest::qWaitFor([this] { return grava() == nullptr; }, 2000);
    }

    static QString pastaEscolhida(const QWidget& dialogo)
    {
        return em<ListaPastas>(dialogo, "dirDiretorio")->caminho();
    }

    // The boxes shown since `desde` boxes had been shown.
    QList<CaixaMostrada> caixasDesde(qsizetype desde) const
    {
        return servicos.mensagens.caixas().mid(desde);
    }
    qsizetype caixas() const { return servicos.mensagens.caixas().size(); }
};
