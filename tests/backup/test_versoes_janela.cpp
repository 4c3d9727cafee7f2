// The versions through the main window: every command that replaces or deletes the data file
// leaves the file as it was in the folder versoes, and F7 brings one back.

#include "ApoioGravacao.h"
#include "FrmImportacao.h"
#include "Versoes.h"
#include "frmRestaurarCopiaSeguranca.h"
#include "frmSair.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QByteArray Importado = "CAMARA MUNICIPAL DE TESTE,2005,ANA MARIA,JOSE DA SILVA,,,,\r\n"
                             "P9,90,339030,11144477735,CREDOR IMPORTADO,5.00,01/05,31/05\r\n";

class VersoesNaJanela : public JanelaGravacao
{
protected:
    void SetUp() override
    {
        JanelaGravacao::SetUp();
        ASSERT_TRUE(QDir(pasta.caminho()).mkdir(u"importar"_s));
        pasta.escreve(u"importar/outro.txt"_s, Importado);
    }

    // The versions of 2005, oldest first.
    QList<Versao> versoes() const
    {
        QList<Versao> v;
        for (const QString& nome : Conteudo(pasta.arquivo(u"versoes"_s)))
            if (const std::optional<Versao> lida = LeVersao(nome, u"2005"_s))
                v.append(*lida);
        std::sort(v.begin(), v.end());
        return v;
    }
    QByteArray bytesDa(const Versao& v) const
    {
        return LeBytes(pasta.arquivo(u"versoes/"_s + v.nome));
    }
    QByteArray dados() const { return LeBytes(arquivo(u"2005"_s)); }

    void clicaLinha(int linha, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        const QRect r = lista()->visualRect(janela->lista().index(linha, 0));
        QTest::mouseClick(lista()->viewport(), Qt::LeftButton, m, r.center());
    }
    void teclaNaJanela(Qt::Key k)
    {
        ASSERT_TRUE(Ativa(*janela));
        tecla(k);
    }
};

// Each command that writes: one more version, the data file as it was just before.
TEST_F(VersoesNaJanela, CadaComandoGuardaOArquivoComoEstava)
{
    const qsizetype caixasAntes = caixas();
    QByteArray anterior = dados();
    qsizetype quantas = 0;
    const auto confere = [&](const char* comando) {
        SCOPED_TRACE(comando);
        const QList<Versao> v = versoes();
        ASSERT_EQ(v.size(), quantas + 1);
        EXPECT_EQ(bytesDa(v.last()), anterior);
        quantas = v.size();
        anterior = dados();
    };

    tecla(Qt::Key_F2);
    incluiPorTeclado({u"P3"_s, u"30"_s, u"339030"_s, u"11144477735"_s, u"NOVO CREDOR"_s, u"5,00"_s,
                      u"0104"_s, u"3004"_s});
    ASSERT_EQ(janela->lista().linhas(), 3);
    confere("inclusão");
    tecla(Qt::Key_Escape);

    clicaLinha(0);
    tecla(Qt::Key_F3);
    txt("TxtProcesso")->setText(u"P1-ALTERADO"_s);
    tecla(Qt::Key_F2);
    ASSERT_TRUE(dados().contains("P1-ALTERADO"));
    confere("alteração");

    clicaLinha(1);
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    ASSERT_EQ(janela->lista().linhas(), 2);
    confere("exclusão de uma linha");

    // The import writes nothing; leaving writes the imported register.
    servicos.mensagens.responde(Resposta::Sim,
                                u"Verificação concluida. Deseja Importar os dados agora ?"_s);
    QuandoAbrir<FrmImportacao>([](FrmImportacao& d) {
        abrePasta(d, u"importar"_s);
        auto* arquivos = em<QListWidget>(d, "File1");
        arquivos->setCurrentRow(0);
        clica(d, "CmdImportar");
    });
    teclaNaJanela(Qt::Key_F8);
    ASSERT_EQ(Module1::PendenteGravar, u"I"_s);
    EXPECT_EQ(versoes().size(), quantas);
    teclaNaJanela(Qt::Key_Escape);
    auto* sair = janela->findChild<frmSair*>();
    ASSERT_NE(sair, nullptr);
    EXPECT_EQ(dados(), Importado);
    confere("gravação ao sair depois da importação");
    clica(*sair, "CmdVoltar");

    ASSERT_TRUE(Ativa(*janela));
    lista()->setFocus();
    lista()->selectAll();
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    ASSERT_FALSE(QFile::exists(arquivo(u"2005"_s)));
    anterior = Importado;
    {
        SCOPED_TRACE("exclusão da última linha");
        const QList<Versao> v = versoes();
        ASSERT_EQ(v.size(), quantas + 1);
        EXPECT_EQ(bytesDa(v.last()), Importado);
    }
    // Nothing went wrong: no box but the questions and the import's own.
    QStringList textos;
    for (const CaixaMostrada& c : caixasDesde(caixasAntes))
        textos << c.texto;
    EXPECT_EQ(textos,
              (QStringList{u"Confirma a exclusão."_s,
                           u"Verificação concluida. Deseja Importar os dados agora ?"_s,
                           u"Importação efetuada com sucesso!"_s, u"Confirma a exclusão."_s}));
}

// The road a clerk takes after a wrong change: F7, the folder versoes, the newest version. The
// register written on leaving is the old data file byte for byte.
TEST_F(VersoesNaJanela, VersaoRestauradaPeloF7VoltaAoArquivoAntigo)
{
    clicaLinha(0);
    servicos.mensagens.responde(Resposta::Ok, u"Confirma a exclusão."_s);
    tecla(Qt::Key_F4);
    ASSERT_EQ(dados(), Cabecalho2005 + Linha2);
    const QList<Versao> v = versoes();
    ASSERT_EQ(v.size(), 1);

    QuandoAbrir<frmRestaurarCopiaSeguranca>([&v](frmRestaurarCopiaSeguranca& r) {
        QuandoAbrir<frmGrava>([&v](frmGrava& g) {
            abrePasta(g, u"versoes"_s);
            clicaArquivo(g, v.last().nome);
            ASSERT_TRUE(em<QPushButton>(g, "CmdImportar")->isEnabled());
            clica(g, "CmdImportar");
        });
        em<QPushButton>(r, "CmdRestaura")->animateClick();
    });
    teclaNaJanela(Qt::Key_F7);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_EQ(coluna(0), (QStringList{u"P1"_s, u"P2"_s}));
    EXPECT_EQ(Module1::PendenteGravar, u"R"_s);
    EXPECT_EQ(servicos.mensagens.textos().last(), u"Cópia de Segurança restaurada com sucesso."_s);

    teclaNaJanela(Qt::Key_Escape);
    ASSERT_NE(janela->findChild<frmSair*>(), nullptr);
    EXPECT_EQ(dados(), Dados2005);
    // The register the restore replaced is a version in its turn.
    EXPECT_EQ(bytesDa(versoes().last()), Cabecalho2005 + Linha2);
}

} // namespace
