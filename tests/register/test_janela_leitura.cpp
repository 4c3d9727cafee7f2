// What a clerk reads off the main window: the idle fields, the whole of every column, the names a
// screen reader gives the controls.

#include "JanelaTeste.h"
#include "ParadasJanela.h"

#include <QAccessible>
#include <QHeaderView>
#include <QImage>
#include <QMap>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A row as wide as the list's texts get: the largest value, a nine-digit NE, an eleven-digit
// CPF, periods.
const QByteArray Largo =
    "PREFEITURA MUNICIPAL,2005,FULANO DE TAL,BELTRANO DA SILVA,,,,\r\n"
    "0012/2005,999999999,339030,88888888888,CICRANO DA SILVA,99999999.99,28/02,30/11\r\n"
    "P2,20,339039,52998224725,OUTRO CREDOR,10.00,01/02,28/02\r\n";

// The relative luminance and contrast ratio of WCAG 2.
double Luminancia(const QColor& cor)
{
    const auto canal = [](int valor) {
        const double s = valor / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(cor.red()) + 0.7152 * canal(cor.green()) + 0.0722 * canal(cor.blue());
}

double Contraste(const QColor& a, const QColor& b)
{
    const double la = Luminancia(a);
    const double lb = Luminancia(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// What a control shows on screen: the colour most of it is painted in, and the pixel that stands
// out most from that (the core of the text's strokes).
struct Pintura {
    QColor fundo;
    QColor texto;
};

Pintura Pinta(QWidget& w)
{
    const QImage imagem = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The frame left out.
    const QRect dentro = imagem.rect().adjusted(3, 3, -3, -3);
    QMap<QRgb, int> vezes;
    for (int y = dentro.top(); y <= dentro.bottom(); ++y)
        for (int x = dentro.left(); x <= dentro.right(); ++x)
            ++vezes[imagem.pixel(x, y)];
    QRgb fundo = 0;
    for (auto i = vezes.cbegin(); i != vezes.cend(); ++i)
        if (i.value() > vezes.value(fundo))
            fundo = i.key();
    QColor texto = QColor(fundo);
    for (auto i = vezes.cbegin(); i != vezes.cend(); ++i)
        if (Contraste(QColor(i.key()), QColor(fundo)) > Contraste(texto, QColor(fundo)))
            texto = QColor(i.key());
    return {QColor(fundo), texto};
}

// The words a screen reader says for a control: its name; for a combo box, which this desktop
// names by its value, the label it is tied to.
QString NomeLido(QWidget* w)
{
    QAccessibleInterface* acesso = QAccessible::queryAccessibleInterface(w);
    if (acesso == nullptr)
        return {};
    if (qobject_cast<QComboBox*>(w) == nullptr)
        return acesso->text(QAccessible::Name);
    const auto rotulos = acesso->relations(QAccessible::Label);
    return rotulos.size() == 1 ? rotulos.first().first->text(QAccessible::Name) : QString();
}

} // namespace

class JanelaLeitura : public JanelaTeste
{
protected:
    void SetUp() override
    {
        JanelaTeste::SetUp();
        pasta.escreve(NomeArquivoExercicio(u"2005"_s), Largo);
        iniciaExercicio(u"2005"_s);
        ASSERT_EQ(janela->lista().linhas(), 2);
    }
};

// No advance is edited: the entry fields show the selected row, disabled, on the fields' light
// blue, in text dark enough to read (WCAG AA, 4.5:1), and so do their labels on the window.
TEST_F(JanelaLeitura, CamposOciososLegiveisNoAzulDosCampos)
{
    const QColor azul(166, 202, 240);
    ASSERT_FALSE(w("Frame3")->isEnabled());
    for (const char* nome : {"TxtProcesso", "TxtNumeroNotaEmpenho", "CboElemEcon", "CboCPF",
                             "TxtNomeResponsavel", "TxtValor", "TxtDataInicial", "TxtDataFinal"}) {
        SCOPED_TRACE(nome);
        QWidget* campo = w(nome);
        EXPECT_FALSE(campo->isEnabled());
        EXPECT_EQ(campo->palette().color(QPalette::Disabled, QPalette::Base), azul);
        const Pintura p = Pinta(*campo);
        // A text field is one flat colour; a list combo is a shaded face of it.
        if (qobject_cast<QLineEdit*>(campo) != nullptr) {
            EXPECT_EQ(p.fundo, azul);
        }
        EXPECT_GE(Contraste(p.texto, azul), 4.5) << p.texto.name().toStdString();
    }
    const auto rotulos = w("Frame3")->findChildren<QLabel*>();
    ASSERT_FALSE(rotulos.isEmpty());
    for (QLabel* rotulo : rotulos) {
        SCOPED_TRACE(rotulo->text().toStdString());
        const Pintura p = Pinta(*rotulo);
        EXPECT_GE(Contraste(p.texto, p.fundo), 4.5) << p.texto.name().toStdString();
    }
    // Typing again: the fields take the focus colour and plain text.
    tecla(Qt::Key_F3);
    EXPECT_EQ(Pinta(*txt("TxtProcesso")).fundo, QColor(0, 255, 255));
}

// The value, the NE, the CPF and the periods as wide as the widest text they can hold; every title
// whole; the creditor's name takes what the others leave.
TEST_F(JanelaLeitura, ColunasMostramOConteudoInteiro)
{
    janela->setWindowState(Qt::WindowNoState);
    janela->resize(1280, 720);
    ASSERT_TRUE(QTest::qWaitFor([this] { return janela->width() == 1280; }));
    QTreeView* l = lista();
    QHeaderView* titulos = l->header();
    const QFontMetrics medida = l->fontMetrics();
    const QMap<int, QString> maiores = {{Coluna::NotaEmpenho, u"999999999"_s},
                                        {Coluna::CpfCredor, u"88888888888"_s},
                                        {Coluna::Valor, u"99.999.999,99"_s},
                                        {Coluna::PeriodoInicial, u"28/02"_s},
                                        {Coluna::PeriodoFinal, u"30/11"_s}};
    int outras = 0;
    for (int c = 0; c < Coluna::ChaveNe; ++c) {
        SCOPED_TRACE(c);
        ASSERT_FALSE(l->isColumnHidden(c));
        if (maiores.contains(c)) {
            EXPECT_GT(l->columnWidth(c), medida.horizontalAdvance(maiores[c]));
            // What the list needs to draw these rows unshortened.
            EXPECT_GE(l->columnWidth(c), static_cast<QAbstractItemView*>(l)->sizeHintForColumn(c));
        }
        // The title unshortened.
        EXPECT_GE(l->columnWidth(c), titulos->sectionSizeHint(c));
        if (c != Coluna::NomeCredor)
            outras += l->columnWidth(c);
    }
    for (int c = Coluna::ChaveNe; c < Coluna::Total; ++c)
        EXPECT_TRUE(l->isColumnHidden(c)) << c;
    EXPECT_EQ(l->columnWidth(Coluna::NomeCredor), l->viewport()->width() - outras);
    EXPECT_GT(l->columnWidth(Coluna::NomeCredor), medida.horizontalAdvance(u"CICRANO DA SILVA"_s));

    // Sorted, a title makes room for its arrow.
    for (const int c : {Coluna::Valor, Coluna::PeriodoInicial}) {
        const int x = titulos->sectionViewportPosition(c) + titulos->sectionSize(c) / 2;
        QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {},
                          QPoint(x, titulos->height() / 2));
        ASSERT_EQ(titulos->sortIndicatorSection(), c);
        EXPECT_GE(l->columnWidth(c), titulos->sectionSizeHint(c));
    }
}

// A screen reader names each control by its label's words and describes the list.
TEST_F(JanelaLeitura, NomesParaLeitorDeTela)
{
    const QMap<QString, QString> nomes = {
        {u"TxtExercicio"_s, u"Exercício"_s},
        {u"CmdCarrega"_s, u"Iniciar"_s},
        {u"TxtOrgao"_s, u"Órgão/Entidade"_s},
        {u"TxtElaborador"_s, u"Elaborador"_s},
        {u"TxtResponsavel"_s, u"Responsável"_s},
        {u"TxtProcesso"_s, u"Processo"_s},
        {u"TxtNumeroNotaEmpenho"_s, u"Núm. Nota de Empenho"_s},
        {u"CboElemEcon"_s, u"Elemento Econ."_s},
        {u"CboCPF"_s, u"CPF (Credor)"_s},
        {u"TxtNomeResponsavel"_s, u"Nome (Credor)"_s},
        {u"TxtValor"_s, u"Valor"_s},
        {u"TxtDataInicial"_s, u"Período inicial"_s},
        {u"TxtDataFinal"_s, u"Período final"_s},
        {u"cmdAjuda"_s, u"F1 - Ajuda"_s},
        {u"CmdIncluir"_s, u"F2 - Incluir"_s},
        {u"CmdOK"_s, u"F2 - Confirmar"_s},
        {u"CmdAlterar"_s, u"F3 - Alterar"_s},
        {u"CmdVoltar"_s, u"Esc - Voltar"_s},
        {u"CmdExcluir"_s, u"F4 - Excluir"_s},
        {u"CmdImprimir"_s, u"F5 - Imprimir"_s},
        {u"CmdGravarArquivo"_s, u"F6 - Gravar arquivo para entrega ao ORVAL"_s},
        {u"CmdRestaurar"_s, u"F7 - Restaurar"_s},
        {u"CmdImportar"_s, u"F8 - Importar arquivo"_s},
        {u"CmdSair"_s, u"Esc - Sair"_s},
        {u"LvwAdiantamentos"_s, u"Adiantamentos do exercício"_s},
    };
    // Every field, combo, button and list of the window, none left out (the edit pair too).
    QStringList achados;
    for (QWidget* c : janela->findChildren<QWidget*>()) {
        const bool controle = qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                              qobject_cast<QPushButton*>(c) || qobject_cast<QTreeView*>(c);
        // The parts of a combo box are the combo's.
        bool parte = false;
        for (QWidget* p = c->parentWidget(); p != nullptr; p = p->parentWidget())
            parte = parte || qobject_cast<QComboBox*>(p) != nullptr;
        if (controle && !parte)
            achados << c->objectName();
    }
    achados.sort();
    QStringList esperados = nomes.keys();
    esperados.sort();
    EXPECT_EQ(achados, esperados);
    for (auto i = nomes.cbegin(); i != nomes.cend(); ++i) {
        QWidget* controle = janela->findChild<QWidget*>(i.key());
        EXPECT_EQ(NomeLido(controle), i.value()) << i.key().toStdString();
        EXPECT_EQ(controle->accessibleName(), i.value()) << i.key().toStdString();
    }

    QAccessibleInterface* listaAcessivel = QAccessible::queryAccessibleInterface(lista());
    ASSERT_NE(listaAcessivel, nullptr);
    EXPECT_EQ(listaAcessivel->text(QAccessible::Description),
              u"Os adiantamentos do exercício, um por linha: Processo, Nota de Empenho, "
              u"Elemento Econômico, CPF Credor, Nome Credor, Valor, Período Inicial e Período "
              u"Final. A linha selecionada aparece nos campos do adiantamento; um clique no título "
              u"de uma coluna ordena a lista por ela."_s);
    // The periods are told how they are typed.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(txt("TxtDataInicial"))
                  ->text(QAccessible::Description),
              u"dia/mês"_s);
}

// Every field the entry rules and the register routines name is a control of the window: the
// one of that name, the creditor's name being the header routines' too.
TEST_F(JanelaLeitura, CadaCampoNomeadoEUmControleDaJanela)
{
    const std::pair<Campo, const char*> campos[] = {
        {Campo::TxtExercicio, "TxtExercicio"},
        {Campo::TxtOrgao, "TxtOrgao"},
        {Campo::TxtElaborador, "TxtElaborador"},
        {Campo::TxtResponsavel, "TxtResponsavel"},
        {Campo::TxtProcesso, "TxtProcesso"},
        {Campo::TxtNumeroNotaEmpenho, "TxtNumeroNotaEmpenho"},
        {Campo::CboElemEcon, "CboElemEcon"},
        {Campo::CboCPF, "CboCPF"},
        {Campo::TxtNomeResponsavel, "TxtNomeResponsavel"},
        {Campo::TxtValor, "TxtValor"},
        {Campo::TxtDataInicial, "TxtDataInicial"},
        {Campo::TxtDataFinal, "TxtDataFinal"},
    };
    for (const auto& [campo, nome] : campos)
        EXPECT_EQ(ControleDe(*janela, campo), w(nome)) << nome;
    const std::pair<CampoCabecalho, const char*> cabecalho[] = {
        {CampoCabecalho::Exercicio, "TxtExercicio"},
        {CampoCabecalho::Orgao, "TxtOrgao"},
        {CampoCabecalho::Elaborador, "TxtElaborador"},
        {CampoCabecalho::Responsavel, "TxtResponsavel"},
        {CampoCabecalho::NomeCredor, "TxtNomeResponsavel"},
    };
    for (const auto& [campo, nome] : cabecalho)
        EXPECT_EQ(ControleDe(*janela, campo), w(nome)) << nome;
}
