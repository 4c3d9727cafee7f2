#include "Medidas.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

// A field is never narrower than this text, the widest it holds of its kind.
void LarguraMinima(QLineEdit& campo, const QString& amostra)
{
    // The line edit's own room around its text: a margin of 2 on each side, the caret, the
    // frame the style draws.
    constexpr int margemInterna = 2 * 2 + 2;
    QStyleOptionFrame opcao;
    opcao.initFrom(&campo);
    opcao.lineWidth = campo.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, &campo);
    const QMargins texto = campo.textMargins();
    const QSize conteudo(campo.fontMetrics().horizontalAdvance(amostra) + margemInterna +
                             texto.left() + texto.right(),
                         campo.sizeHint().height());
    campo.setMinimumWidth(
        campo.style()->sizeFromContents(QStyle::CT_LineEdit, &opcao, conteudo, &campo).width());
}

// The widest text of a digit pattern: every digit written as the font's widest one.
QString ComDigitoLargo(const QFontMetrics& medida, QString padrao)
{
    QChar largo = u'0';
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (medida.horizontalAdvance(QChar(d)) > medida.horizontalAdvance(largo))
            largo = QChar(d);
    padrao.replace(u'0', largo);
    return padrao;
}

void AjustaATela(QWidget& janela)
{
    const QSize habitual(1280, 720);
    const QScreen* tela = janela.screen();
    if (tela == nullptr) {
        janela.resize(habitual);
        return;
    }
    const QRect livre = tela->availableGeometry();
    // Room for the title bar and borders the window manager adds, not known before showing.
    const QSize moldura(16, 40);
    QRect lugar(QPoint(), habitual + moldura);
    if (livre.width() >= lugar.width() && livre.height() >= lugar.height()) {
        janela.resize(habitual);
        lugar.moveCenter(livre.center());
        janela.move(lugar.topLeft());
        return;
    }
    // Also the size it keeps where nothing maximizes it, and when restored.
    janela.resize(habitual.boundedTo(livre.size() - moldura).expandedTo(janela.minimumSizeHint()));
    janela.move(livre.topLeft());
    janela.setWindowState(janela.windowState() | Qt::WindowMaximized);
}

void MesmaLargura(QWidget& a, QWidget& b)
{
    const int largura = qMax(a.sizeHint().width(), b.sizeHint().width());
    a.setMinimumWidth(largura);
    b.setMinimumWidth(largura);
}
