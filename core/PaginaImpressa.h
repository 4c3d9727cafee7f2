#pragma once

#include <QList>
#include <QString>

// Pages of fixed-pitch text as the printer receives them: each line in one font size, its texts
// placed at columns of that size's character width.

// A text printed from a column (1 is the first) of a line.
struct ItemImpresso {
    int coluna = 1;
    QString texto;

    friend bool operator==(const ItemImpresso&, const ItemImpresso&) = default;
};

// One printed line: its items from left to right, all in the line's font. A line without
// items is an empty line of that font's height.
struct LinhaImpressa {
    double pontos = 7.5; // 8 or 7.5
    bool negrito = false;
    QList<ItemImpresso> itens;

    friend bool operator==(const LinhaImpressa&, const LinhaImpressa&) = default;
};

struct PaginaImpressa {
    QList<LinhaImpressa> linhas;

    friend bool operator==(const PaginaImpressa&, const PaginaImpressa&) = default;
};
