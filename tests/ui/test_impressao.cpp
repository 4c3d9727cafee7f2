#include "ImpressaoQt.h"
#include "ImprimeQt.h"
#include "ServicosDeTeste.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

QList<PaginaImpressa> paginas(int quantas)
{
    const PaginaImpressa pagina{{LinhaImpressa{8.0, true, {{1, u"TÍTULO"_s}}},
                                 LinhaImpressa{7.5, false, {{1, QString(120, u'=')}}}}};
    return QList<PaginaImpressa>(quantas, pagina);
}

} // namespace

TEST(ImpressaoQt, SemImpressoraPadraoNadaSeImprime)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    AtividadeRoteiro atividade;
    EXPECT_EQ(ImpressaoQt(atividade).imprime(paginas(1)),
              (Falha{80, u"Nenhuma impressora instalada"_s}));
}

TEST(ImpressaoQt, VisualizacaoMostraTodasAsPaginasEmA4)
{
    AtividadeRoteiro atividade;
    atividade.ocupado(true); // as the command that asks for the preview leaves it
    bool ocupadoNaPrevia = true;
    int paginasVistas = -1;
    QString titulo;
    QPageLayout::Orientation orientacao = QPageLayout::Landscape;
    QTimer::singleShot(0, [&] {
        auto* janela = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(janela, nullptr);
        titulo = janela->windowTitle();
        auto* previa = janela->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(previa, nullptr);
        paginasVistas = previa->pageCount();
        // The pages are drawn: the preview is used with the arrow.
        ocupadoNaPrevia = atividade.ligado();
        orientacao = janela->printer()->pageLayout().orientation();
        EXPECT_EQ(janela->printer()->pageLayout().pageSize().id(), QPageSize::A4);
        janela->reject();
    });
    EXPECT_EQ(ImpressaoQt(atividade).visualiza(paginas(3)), std::nullopt);
    EXPECT_EQ(paginasVistas, 3);
    EXPECT_FALSE(ocupadoNaPrevia);
    EXPECT_EQ(titulo, u"Pravex"_s);
    EXPECT_EQ(orientacao, QPageLayout::Portrait);
}
