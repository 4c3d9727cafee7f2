#include "MensagensQt.h"

#include "Foco.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPointer>

using namespace Qt::Literals::StringLiterals;

namespace
{

QMessageBox::Icon IconeQt(Icone icone)
{
    switch (icone) {
    case Icone::Parada:
        return QMessageBox::Critical;
    case Icone::Pergunta:
        return QMessageBox::Question;
    case Icone::Exclamacao:
        return QMessageBox::Warning;
    case Icone::Informacao:
        return QMessageBox::Information;
    case Icone::Nenhum:
        break;
    }
    return QMessageBox::NoIcon;
}

struct BotoesQt {
    QMessageBox::StandardButtons todos;
    QMessageBox::StandardButton padrao; // Enter
    QMessageBox::StandardButton recusa; // Esc and the frame's close button
};

BotoesQt DescreveBotoes(Botoes botoes)
{
    switch (botoes) {
    case Botoes::OkCancelar:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case Botoes::SimNao:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case Botoes::Ok:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

Resposta RespostaDe(QMessageBox::StandardButton botao)
{
    switch (botao) {
    case QMessageBox::Cancel:
        return Resposta::Cancelar;
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::No:
        return Resposta::Nao;
    default:
        return Resposta::Ok;
    }
}

} // namespace

QString TextoDaCaixa(const QString& texto)
{
    QString resultado = texto;
    resultado.replace(u"\r\n"_s, u"\n"_s);
    resultado.replace(u'\r', u'\n');
    return resultado;
}

Resposta MensagensQt::mostra(const QString& texto, Icone icone, Botoes botoes,
                             const QString& titulo)
{
    const BotoesQt descritos = DescreveBotoes(botoes);
    // Parented to the active window so it stays over it, or to the dialog open when none has the
    // keyboard. Qt's own static boxes live on the stack the same way.
    QPointer<QWidget> dono = QApplication::activeWindow();
    if (dono.isNull())
        dono = QApplication::activeModalWidget();
    QMessageBox caixa(IconeQt(icone), titulo.isEmpty() ? u"Pravex"_s : titulo, TextoDaCaixa(texto),
                      descritos.todos, dono);
    // Texts carry names and paths typed or read from files: never let them be read as markup.
    caixa.setTextFormat(Qt::PlainText);
    caixa.setDefaultButton(descritos.padrao);
    caixa.setEscapeButton(descritos.recusa);
    // A command that shows the hourglass may ask or tell something halfway: the box is answered
    // with the arrow, and the hourglass is back once it closes.
    const bool ocupado = QApplication::overrideCursor() != nullptr;
    if (ocupado)
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    caixa.exec();
    if (ocupado)
        QApplication::restoreOverrideCursor();
    if (!dono.isNull())
        DevolveTeclado(*dono);
    const QMessageBox::StandardButton clicado = caixa.standardButton(caixa.clickedButton());
    return RespostaDe(clicado == QMessageBox::NoButton ? descritos.recusa : clicado);
}

void MensagensQt::bipe()
{
    QApplication::beep();
}
