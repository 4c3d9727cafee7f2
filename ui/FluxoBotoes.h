#pragma once

#include <QBoxLayout>
#include <QList>

#include <utility>

// A row of buttons that wraps onto the next line where the window is too narrow for all of
// them, left to right in the order they were added; hidden buttons take no place. The window
// cannot be made so narrow that the buttons shown need more than `linhasNoMinimo` lines.
class FluxoBotoes : public QLayout
{
public:
    explicit FluxoBotoes(QWidget* pai = nullptr, int linhasNoMinimo = 2);
    ~FluxoBotoes() override;

    // Takes the place of a row that a form lays out in `pai` (Designer knows only its own
    // layouts): the row's buttons in the same order, and the row deleted.
    static FluxoBotoes* emLugarDe(QBoxLayout& pai, QLayout& linha);

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(itens_.size()); }
    QLayoutItem* itemAt(int indice) const override;
    QLayoutItem* takeAt(int indice) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largura) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& retangulo) override;

    // The lines the shown buttons take in a width.
    int linhas(int largura) const;

private:
    // Places the buttons in the rectangle (or only measures, with `coloca` false); returns the
    // height and the number of lines they take.
    std::pair<int, int> distribui(const QRect& retangulo, bool coloca) const;
    QList<QLayoutItem*> visiveis() const;

    QList<QLayoutItem*> itens_;
    int linhasNoMinimo_;
};
