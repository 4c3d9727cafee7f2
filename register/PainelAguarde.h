#pragma once

class QFrame;
class QLabel;
class QString;
class QWidget;

// The waiting panel: a frame with its notice, shown over the middle of an area of the window.
class PainelAguarde
{
public:
    PainelAguarde(QFrame& painel, QLabel& aviso, QWidget& area);

    // Shows the panel with the notice, at least half as wide as the area, over its middle.
    void mostra(const QString& aviso);
    // Back over the middle of the area, after it changed size, while it is shown.
    void centra();

private:
    QFrame& painel_;
    QLabel& aviso_;
    QWidget& area_;
};
