#pragma once

#include <QObject>

#include <functional>

class QComboBox;
class QKeyEvent;

// The behaviour of the entry area's two combo boxes: the focus colour while it has the keyboard
// and Enter moving on to the next field. The CPF combo also completes what is typed from the
// CPFs in its list (CompletaCPF), and runs `aoSair` when the clerk leaves it for another control
// (not for its own list, nor for another window).
class ComportamentoCombo : public QObject
{
    Q_OBJECT

public:
    // The element combo.
    explicit ComportamentoCombo(QComboBox& combo);
    // The CPF combo.
    ComportamentoCombo(QComboBox& combo, std::function<void()> aoSair);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Whether the key is swallowed.
    bool CboCPF_KeyPress(const QKeyEvent& tecla);

    QComboBox& combo_;
    std::function<void()> aoSair_; // set for the CPF combo only
};
