#include "ComportamentoCampo.h"

#include "Foco.h"
#include "Module1.h"
#include "RegrasEntrada.h"
#include "SelecionaTexto.h"
#include "Validacao.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

void PintaCampo(QWidget& campo, const QColor& cor)
{
    QPalette paleta = campo.palette();
    paleta.setColor(QPalette::Base, cor);
    paleta.setColor(QPalette::Button, cor);
    paleta.setColor(QPalette::Disabled, QPalette::Text, CorTextoInativo);
    paleta.setColor(QPalette::Disabled, QPalette::ButtonText, CorTextoInativo);
    campo.setPalette(paleta);
}

void PintaRotulosInativos(QWidget& moldura)
{
    QPalette paleta = moldura.palette();
    paleta.setColor(QPalette::Disabled, QPalette::WindowText, CorRotuloInativo);
    moldura.setPalette(paleta);
}

namespace
{

bool pertence(QChar c, ConjuntoCaracteres conjunto)
{
    switch (conjunto) {
    case ConjuntoCaracteres::Digitos:
        return c >= u'0' && c <= u'9';
    case ConjuntoCaracteres::Valor:
        return (c >= u'0' && c <= u'9') || c == u',';
    case ConjuntoCaracteres::Livre:
        return Module1::CaracteresValidos.contains(c);
    }
    return false;
}

} // namespace

QString FiltraTexto(const QString& texto, ConjuntoCaracteres conjunto, const QString& extras)
{
    QString limpo;
    bool virgula = false;
    for (const QChar c : texto) {
        if (!pertence(c, conjunto) && !extras.contains(c))
            continue;
        if (c == u',') {
            if (virgula)
                continue;
            virgula = true;
        }
        limpo.append(c);
    }
    return limpo;
}

void FiltraEdicoes(QLineEdit& campo, ConjuntoCaracteres conjunto, const QString& extras)
{
    QObject::connect(
        &campo, &QLineEdit::textEdited, &campo, [&campo, conjunto, extras](const QString& t) {
            const QString limpo = FiltraTexto(t, conjunto, extras);
            if (limpo == t)
                return;
            const int cursor = campo.cursorPosition() - static_cast<int>(t.size() - limpo.size());
            campo.setText(limpo);
            campo.setCursorPosition(qMax(0, cursor));
        });
}

ComportamentoCampo::ComportamentoCampo(QLineEdit& campo, Regras regras)
    : QObject(&campo), campo_(campo), regras_(std::move(regras))
{
    // The slash the period fields write themselves, and the grouping points of a formatted value,
    // stay when the operator edits around them.
    QString extras;
    if (regras_.barraDiaMes)
        extras = u"/"_s;
    else if (regras_.conjunto == ConjuntoCaracteres::Valor)
        extras = u"."_s;
    FiltraEdicoes(campo_, regras_.conjunto, extras);
    PintaCampo(campo_, CorNormal);
    campo_.installEventFilter(this);
}

bool ComportamentoCampo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto != &campo_)
        return false;
    switch (evento->type()) {
    case QEvent::FocusIn:
        PintaCampo(campo_, CorFoco);
        SelecionaTexto(campo_);
        if (regras_.aoEntrar)
            regras_.aoEntrar();
        return false;
    case QEvent::FocusOut:
        PintaCampo(campo_, CorNormal);
        if (regras_.formataValor)
            campo_.setText(FormataCampoValor(campo_.text()));
        else if (regras_.apara && campo_.text() != campo_.text().trimmed())
            campo_.setText(campo_.text().trimmed());
        return false;
    case QEvent::KeyPress:
        return teclaPressionada(static_cast<QKeyEvent&>(*evento));
    default:
        return false;
    }
}

bool ComportamentoCampo::teclaPressionada(QKeyEvent& tecla)
{
    const int codigo = tecla.key();
    // What the key does as it goes down.
    if (regras_.barraDiaMes) {
        const bool soModificador = codigo == Qt::Key_Shift || codigo == Qt::Key_Control ||
                                   codigo == Qt::Key_Alt || codigo == Qt::Key_Meta;
        if (codigo != Qt::Key_Backspace && codigo != Qt::Key_Tab && codigo != Qt::Key_Backtab &&
            !soModificador && campo_.text().trimmed().size() == 2) {
            campo_.setText(campo_.text() + u'/');
            campo_.setCursorPosition(static_cast<int>(campo_.text().size()));
        }
    } else if (regras_.setas &&
               (codigo == Qt::Key_Up || (codigo == Qt::Key_Left && campo_.cursorPosition() == 0))) {
        MoveFoco(campo_, false);
        return true;
    }

    // What the typed character does.
    if (codigo == Qt::Key_Backspace)
        return false;
    if (codigo == Qt::Key_Return || codigo == Qt::Key_Enter) {
        if (regras_.aoTeclarEnter)
            regras_.aoTeclarEnter();
        else
            MoveFoco(campo_);
        return true;
    }
    const QString texto = tecla.text();
    if (texto.isEmpty() || !texto[0].isPrint())
        return false; // navigation and editing keys keep their usual meaning
    if (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false; // shortcuts such as Ctrl+V; pasted text goes through the validator
    for (const QChar c : texto) {
        char16_t caractere = c.unicode();
        bool permitido = pertence(c, regras_.conjunto);
        if (regras_.conjunto == ConjuntoCaracteres::Valor)
            permitido = FiltraNumero(caractere, true, Module1::VirgulaDigitada) != 0;
        if (!permitido)
            return true;
    }
    return false;
}
