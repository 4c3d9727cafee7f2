#include "ImprimeQt.h"
#include "ListasArquivos.h"
#include "PastaTemporaria.h"
#include "ServicosDeTeste.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

QStringList textos(const QListWidget& lista)
{
    QStringList r;
    for (int i = 0; i < lista.count(); ++i)
        r << lista.item(i)->text();
    return r;
}

} // namespace

TEST(ListaUnidades, LetrasDoServicoEMudancas)
{
    PastaTemporaria pasta;
    UnidadesRoteiro unidades = UnidadesRoteiro::Padrao(pasta.caminho());
    ListaUnidades lista(unidades);
    ASSERT_EQ(lista.count(), 4);
    QSignalSpy mudou(&lista, &ListaUnidades::mudou);
    ASSERT_TRUE(lista.defineUnidade(u'C'));
    EXPECT_TRUE(lista.drive().startsWith(u"c:"_s));
    EXPECT_EQ(lista.unidade()->raiz, pasta.caminho());
    EXPECT_FALSE(lista.defineUnidade(u'z'));
    ASSERT_TRUE(lista.defineUnidade(u'd'));
    EXPECT_TRUE(lista.drive().startsWith(u"d:"_s));
    EXPECT_EQ(mudou.count(), 2);
}

TEST(ListaPastas, AcimaESubpastasEAberturaPeloTeclado)
{
    PastaTemporaria pasta;
    QDir(pasta.caminho()).mkpath(u"Backup/2005"_s);
    QDir(pasta.caminho()).mkpath(u"arquivos"_s);
    pasta.escreve(u"arquivo.txt"_s, "x"); // files are not folders

    ListaPastas lista;
    lista.show();
    QSignalSpy mudou(&lista, &ListaPastas::mudou);
    lista.defineCaminho(pasta.caminho());
    EXPECT_EQ(mudou.count(), 1);
    const QStringList t = textos(lista);
    ASSERT_GE(t.size(), 3);
    EXPECT_EQ(t.first(), u"/"_s);
    EXPECT_EQ(t.mid(t.size() - 2).replaceInStrings(u" "_s, QString()),
              (QStringList{u"arquivos"_s, u"Backup"_s}));
    EXPECT_EQ(lista.currentItem()->font().bold(), true);

    lista.setFocus();
    lista.setCurrentRow(lista.count() - 1);
    QTest::keyClick(&lista, Qt::Key_Return);
    EXPECT_EQ(lista.caminho(), pasta.arquivo(u"Backup"_s));
    EXPECT_EQ(mudou.count(), 2);
    lista.defineCaminho(pasta.arquivo(u"Backup"_s));
    EXPECT_EQ(mudou.count(), 2); // the same folder again is no change
}

TEST(ListaArquivos, PadroesSemDistinguirMaiusculas)
{
    PastaTemporaria pasta;
    for (const QString& nome : {u"b.TXT"_s, u"a.csv"_s, u"PravexBkp2005.txt"_s, u"c.doc"_s})
        pasta.escreve(nome, "x");
    QDir(pasta.caminho()).mkdir(u"pasta.txt"_s);

    ListaArquivos lista;
    lista.definePadrao(u"*.txt;*.csv"_s);
    lista.defineCaminho(pasta.caminho());
    EXPECT_EQ(textos(lista), (QStringList{u"a.csv"_s, u"b.TXT"_s, u"PravexBkp2005.txt"_s}));
    EXPECT_TRUE(lista.selecionado().isEmpty());
    lista.setCurrentRow(2);
    EXPECT_EQ(lista.caminhoSelecionado(), pasta.arquivo(u"PravexBkp2005.txt"_s));
    lista.definePadrao(u"pravexbkp*.txt"_s);
    EXPECT_EQ(textos(lista), QStringList{u"PravexBkp2005.txt"_s});
}
