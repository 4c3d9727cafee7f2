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
    campo.setPalette(paleta);
}

FiltroCaracteres::FiltroCaracteres(Conjunto conjunto, QObject* pai)
    : QValidator(pai), conjunto_(conjunto)
{
}

bool FiltroCaracteres::aceita(QChar c) const
{
    switch (conjunto_) {
    case Conjunto::Digitos:
        return c >= u'0' && c <= u'9';
    case Conjunto::Valor:
        return (c >= u'0' && c <= u'9') || c == u',';
    case Conjunto::Livre:
        return Module1::CaracteresValidos.contains(c);
    }
    return false;
}

QValidator::State FiltroCaracteres::validate(QString& texto, int& posicao) const
{
    QString limpo;
    int novaPosicao = posicao;
    bool virgula = false;
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        bool fica = aceita(c);
        if (fica && c == u',') {
            fica = !virgula;
            virgula = true;
        }
        if (fica)
            limpo.append(c);
        else if (i < posicao)
            --novaPosicao;
    }
    texto = limpo;
    posicao = novaPosicao;
    return Acceptable;
}

ComportamentoCampo::ComportamentoCampo(QLineEdit& campo, Regras regras)
    : QObject(&campo), campo_(campo), regras_(std::move(regras))
{
    campo_.setValidator(new FiltroCaracteres(regras_.conjunto, &campo_));
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
               (codigo == Qt::Key_Up || (codigo == Qt::Key_Left && campo_.cursorPosition() == 0 &&
                                         !campo_.hasSelectedText()))) {
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
        bool permitido = false;
        switch (regras_.conjunto) {
        case FiltroCaracteres::Conjunto::Digitos:
            permitido = caractere >= u'0' && caractere <= u'9';
            break;
        case FiltroCaracteres::Conjunto::Valor:
            permitido = FiltraNumero(caractere, true, Module1::VirgulaDigitada) != 0;
            break;
        case FiltroCaracteres::Conjunto::Livre:
            permitido = Module1::CaracteresValidos.contains(c);
            break;
        }
        if (!permitido)
            return true;
    }
    return false;
}
