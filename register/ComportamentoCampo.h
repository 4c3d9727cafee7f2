#pragma once

#include <QColor>
#include <QObject>

#include <functional>

class QLineEdit;

// The field colours of the main window.
inline const QColor CorNormal(166, 202, 240);
inline const QColor CorFoco(0, 255, 255);
// The text of a field that cannot be typed in (the selected row shown while no advance is
// edited): a contrast of 6:1 on the normal colour, still a shade lighter than typed text.
inline const QColor CorTextoInativo(64, 64, 64);
// The labels of such fields, on the window's grey: above 5:1.
inline const QColor CorRotuloInativo(96, 96, 96);

// The characters a field lets in.
enum class ConjuntoCaracteres { Livre, Digitos, Valor };

// What of a text a field keeps: its characters outside the field's set (and the `extras` the field
// writes itself) are dropped, and only the first comma stays.
QString FiltraTexto(const QString& texto, ConjuntoCaracteres conjunto, const QString& extras = {});

// Applies the field's key filter to what the operator puts in the field by other means than
// typing (pasting, dropping, the middle button); text the program sets is never touched.
void FiltraEdicoes(QLineEdit& campo, ConjuntoCaracteres conjunto, const QString& extras = {});

// The behaviour every header and entry field shares (colour on focus, select-all, arrow and Enter
// navigation, key filter, tidying when left) with the differences of each field.
class ComportamentoCampo : public QObject
{
    Q_OBJECT

public:
    struct Regras {
        ConjuntoCaracteres conjunto = ConjuntoCaracteres::Livre;
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

// Paints a field's background (the face of a combo box that is only a list, too), and keeps its
// text readable while it is disabled.
void PintaCampo(QWidget& campo, const QColor& cor);

// Keeps the labels of `moldura` readable while it is disabled.
void PintaRotulosInativos(QWidget& moldura);
