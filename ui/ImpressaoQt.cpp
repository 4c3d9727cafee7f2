#include "ImpressaoQt.h"

#include "DesenhoRelatorio.h"
#include "Foco.h"

#include <QApplication>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

std::optional<Falha> ImpressaoQt::imprime(const QList<PaginaImpressa>& paginas)
{
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull())
        return Falha::numerada(Falha::SemImpressora);
    QPrinter impressora(padrao, QPrinter::HighResolution);
    PreparaImpressora(impressora);
    return DesenhaPaginas(impressora, paginas);
}

std::optional<Falha> ImpressaoQt::visualiza(const QList<PaginaImpressa>& paginas)
{
    QPrinter impressora(QPrinter::HighResolution);
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull())
        impressora.setOutputFormat(QPrinter::PdfFormat);
    else
        impressora.setPrinterName(padrao.printerName());
    PreparaImpressora(impressora);

    const QPointer<QWidget> principal = QApplication::activeWindow();
    QPrintPreviewDialog janela(&impressora, principal);
    janela.setWindowTitle(u"Pravex"_s);
    // Big enough to read a page of 120 columns without zooming first, over the middle of the
    // window it was asked from.
    if (const QScreen* tela = janela.screen()) {
        const QRect livre = tela->availableGeometry();
        janela.resize(livre.width() * 4 / 5, livre.height() * 9 / 10);
        QRect lugar(QPoint(), janela.size());
        lugar.moveCenter(principal ? principal->frameGeometry().center() : livre.center());
        lugar.moveTopLeft(
            QPoint(qBound(livre.left(), lugar.left(), livre.right() - lugar.width()),
                   qBound(livre.top(), lugar.top(), livre.bottom() - lugar.height())));
        janela.move(lugar.topLeft());
    }
    // Called for the preview and again when the user prints from it; the failure kept is the
    // last drawing's.
    std::optional<Falha> falha;
    QObject::connect(&janela, &QPrintPreviewDialog::paintRequested, &janela,
                     [&](QPrinter* destino) {
                         atividade_.ocupado(true);
                         falha = DesenhaPaginas(*destino, paginas);
                         atividade_.ocupado(false);
                     });
    janela.exec();
    if (!principal.isNull())
        DevolveTeclado(*principal);
    return falha;
}
