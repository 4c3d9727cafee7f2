#pragma once

#include <QColor>
#include <QObject>
#include <QValidator>

#include <functional>

class QLineEdit;

// The field colours of the main window.
inline const QColor CorNormal(166, 202, 240);
inline const QColor CorFoco(0, 255, 255);

// Keeps out of a field what its key filter refuses, also when text is pasted or dropped in:
// characters outside the field's set are dropped, and the value field keeps one comma.
class FiltroCaracteres : public QValidator
{
    Q_OBJECT

public:
    enum class Conjunto { Livre, Digitos, Valor };
    FiltroCaracteres(Conjunto conjunto, QObject* pai);
    State validate(QString& texto, int& posicao) const override;

private:
    bool aceita(QChar c) const;
    Conjunto conjunto_;
};

// The behaviour every header and entry field shares (colour on focus, select-all, arrow and Enter
// navigation, key filter, tidying when left) with the differences of each field.
class ComportamentoCampo : public QObject
{
    Q_OBJECT

public:
    struct Regras {
        FiltroCaracteres::Conjunto conjunto = FiltroCaracteres::Conjunto::Livre;
        bool setas = true;        // Up, or Left at the caret's start, goes to the previous field
        bool barraDiaMes = false; // "15" becomes "15/" at the next key
        bool apara = true;        // trimmed when left
        bool formataValor = false;
        std::function<void()> aoTeclarEnter = nullptr; // instead of moving on
        std::function<void()> aoEntrar = nullptr;      // after the colour and the selection
    };

    ComportamentoCampo(QLineEdit& campo, Regras regras);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool teclaPressionada(class QKeyEvent& tecla);

    QLineEdit& campo_;
    Regras regras_;
};

// Paints a field's background.
void PintaCampo(QWidget& campo, const QColor& cor);
