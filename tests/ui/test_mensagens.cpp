#include "AtividadeQt.h"
#include "CaixaAberta.h"
#include "ImprimeQt.h"
#include "MensagensQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// What the box showed, read while it was up.
struct CaixaVista {
    QString texto;
    Qt::TextFormat formato = Qt::AutoText;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QString titulo;
    QMessageBox::StandardButtons botoes;
    bool modal = false;
};

CaixaVista Le(const QMessageBox& caixa)
{
    return {caixa.text(),        caixa.textFormat(),      caixa.icon(),
            caixa.windowTitle(), caixa.standardButtons(), caixa.isModal()};
}

} // namespace

TEST(CaixaDeMensagem, MostraTextoComQuebrasIconeETitulo)
{
    struct Caso {
        Icone icone;
        QString titulo;
        QMessageBox::Icon iconeVisto;
        QString tituloVisto;
    };
    const Caso casos[] = {
        {Icone::Nenhum, {}, QMessageBox::NoIcon, u"Pravex"_s},
        {Icone::Parada, u"Gravar arquivo para o ORVAL"_s, QMessageBox::Critical,
         u"Gravar arquivo para o ORVAL"_s},
        {Icone::Pergunta, {}, QMessageBox::Question, u"Pravex"_s},
        {Icone::Exclamacao, u"QMZ - ERRO"_s, QMessageBox::Warning, u"QMZ - ERRO"_s},
        {Icone::Informacao, {}, QMessageBox::Information, u"Pravex"_s},
    };
    // A lone CR and a CR LF are one line break each; markup in a name is shown as typed.
    const QString texto =
        u"Ocorreu um erro na unidade de disco !\r\rÉ possível.\r\nFim <b>José</b>"_s;
    const QString visto =
        u"Ocorreu um erro na unidade de disco !\n\nÉ possível.\nFim <b>José</b>"_s;

    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tituloVisto.toStdString());
        MensagensQt mensagens;
        CaixaVista vista;
        QuandoCaixaAbrir([&vista](QMessageBox& caixa) {
            vista = Le(caixa);
            caixa.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(mensagens.mostra(texto, caso.icone, Botoes::Ok, caso.titulo), Resposta::Ok);
        EXPECT_EQ(vista.texto, visto);
        EXPECT_EQ(vista.formato, Qt::PlainText);
        EXPECT_EQ(vista.icone, caso.iconeVisto);
        EXPECT_EQ(vista.titulo, caso.tituloVisto);
        EXPECT_EQ(vista.botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(vista.modal);
    }
}

TEST(CaixaDeMensagem, RespondeConformeOBotaoOuATecla)
{
    using Acao = std::function<void(QMessageBox&)>;
    const auto clica = [](QMessageBox::StandardButton botao) -> Acao {
        return [botao](QMessageBox& caixa) { caixa.button(botao)->click(); };
    };
    const auto tecla = [](Qt::Key chave) -> Acao {
        return [chave](QMessageBox& caixa) { QTest::keyClick(&caixa, chave); };
    };
    const Acao fechaPelaMoldura = [](QMessageBox& caixa) { caixa.close(); };

    struct Caso {
        const char* nome;
        Botoes botoes;
        QMessageBox::StandardButtons vistos;
        Acao acao;
        Resposta resposta;
    };
    const QMessageBox::StandardButtons okCancelar = QMessageBox::Ok | QMessageBox::Cancel;
    const QMessageBox::StandardButtons simNao = QMessageBox::Yes | QMessageBox::No;
    const Caso casos[] = {
        {"OK clicado", Botoes::Ok, QMessageBox::Ok, clica(QMessageBox::Ok), Resposta::Ok},
        {"OK por Esc", Botoes::Ok, QMessageBox::Ok, tecla(Qt::Key_Escape), Resposta::Ok},
        {"OK clicado com Cancelar", Botoes::OkCancelar, okCancelar, clica(QMessageBox::Ok),
         Resposta::Ok},
        {"Cancelar clicado", Botoes::OkCancelar, okCancelar, clica(QMessageBox::Cancel),
         Resposta::Cancelar},
        {"Enter com Cancelar", Botoes::OkCancelar, okCancelar, tecla(Qt::Key_Return), Resposta::Ok},
        {"Esc com Cancelar", Botoes::OkCancelar, okCancelar, tecla(Qt::Key_Escape),
         Resposta::Cancelar},
        {"Sim clicado", Botoes::SimNao, simNao, clica(QMessageBox::Yes), Resposta::Sim},
        {"Não clicado", Botoes::SimNao, simNao, clica(QMessageBox::No), Resposta::Nao},
        {"Enter com Sim e Não", Botoes::SimNao, simNao, tecla(Qt::Key_Return), Resposta::Sim},
        {"Esc com Sim e Não", Botoes::SimNao, simNao, tecla(Qt::Key_Escape), Resposta::Nao},
        {"moldura com Sim e Não", Botoes::SimNao, simNao, fechaPelaMoldura, Resposta::Nao},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        MensagensQt mensagens;
        QMessageBox::StandardButtons vistos;
        QuandoCaixaAbrir([&](QMessageBox& caixa) {
            vistos = caixa.standardButtons();
            caso.acao(caixa);
        });
        EXPECT_EQ(mensagens.mostra(u"Deseja continuar?"_s, Icone::Pergunta, caso.botoes),
                  caso.resposta);
        EXPECT_EQ(vistos, caso.vistos);
    }
}

TEST(CaixaDeMensagem, RespondidaComASetaMesmoComAAmpulheta)
{
    for (const bool comAmpulheta : {true, false}) {
        SCOPED_TRACE(comAmpulheta ? "com a ampulheta" : "sem ela");
        AtividadeQt atividade;
        atividade.ocupado(comAmpulheta);
        MensagensQt mensagens;
        std::optional<Qt::CursorShape> naCaixa;
        QuandoCaixaAbrir([&](QMessageBox& caixa) {
            if (const QCursor* c = QApplication::overrideCursor())
                naCaixa = c->shape();
            caixa.button(QMessageBox::Ok)->click();
        });
        mensagens.mostra(u"Arquivo não encontrado."_s);
        EXPECT_EQ(naCaixa, comAmpulheta ? std::optional(Qt::ArrowCursor) : std::nullopt);
        const QCursor* depois = QApplication::overrideCursor();
        EXPECT_EQ(depois ? std::optional(depois->shape()) : std::nullopt,
                  comAmpulheta ? std::optional(Qt::WaitCursor) : std::nullopt);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
