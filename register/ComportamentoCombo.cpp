#include "ComportamentoCombo.h"

#include "ComportamentoCampo.h"
#include "Foco.h"
#include "RegrasEntrada.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

ComportamentoCombo::ComportamentoCombo(QComboBox& combo) : ComportamentoCombo(combo, nullptr) {}

ComportamentoCombo::ComportamentoCombo(QComboBox& combo, std::function<void()> aoSair)
    : QObject(&combo), combo_(combo), aoSair_(std::move(aoSair))
{
    PintaCampo(combo_, CorNormal);
    combo_.installEventFilter(this);
}

bool ComportamentoCombo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto != &combo_)
        return false;
    switch (evento->type()) {
    case QEvent::FocusIn:
        PintaCampo(combo_, CorFoco);
        break;
    case QEvent::FocusOut:
        if (!aoSair_) {
            PintaCampo(combo_, CorNormal);
            break;
        }
        // The CPF combo is left only for another control: its own list and another window
        // give the keyboard back to it.
        if (const auto razao = static_cast<QFocusEvent*>(evento)->reason();
            razao != Qt::PopupFocusReason && razao != Qt::ActiveWindowFocusReason) {
            PintaCampo(combo_, CorNormal);
            aoSair_();
        }
        break;
    case QEvent::KeyPress: {
        const auto& tecla = static_cast<const QKeyEvent&>(*evento);
        if (aoSair_)
            return CboCPF_KeyPress(tecla);
        if (tecla.key() == Qt::Key_Return || tecla.key() == Qt::Key_Enter) {
            MoveFoco(combo_);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

bool ComportamentoCombo::CboCPF_KeyPress(const QKeyEvent& tecla)
{
    const int codigo = tecla.key();
    if (codigo == Qt::Key_Backspace)
        return false;
    if (codigo == Qt::Key_Return || codigo == Qt::Key_Enter) {
        MoveFoco(combo_);
        return true;
    }
    const QString texto = tecla.text();
    if (texto.isEmpty() || !texto[0].isPrint() ||
        (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QLineEdit& edicao = *combo_.lineEdit();
    const int inicio = edicao.hasSelectedText() ? edicao.selectionStart() : edicao.cursorPosition();
    QStringList itens;
    for (int i = 0; i < combo_.count(); ++i)
        itens << combo_.itemText(i);
    const TeclaCPF efeito = CompletaCPF(itens, edicao.text(), inicio, texto[0]);
    if (efeito.efeito == TeclaCPF::Efeito::Deixa)
        return false;
    if (efeito.efeito == TeclaCPF::Efeito::Engole)
        return true;
    if (efeito.item >= 0)
        combo_.setCurrentIndex(efeito.item);
    combo_.setEditText(efeito.texto);
    edicao.setSelection(efeito.ancora, efeito.cursor - efeito.ancora);
    return true;
}
