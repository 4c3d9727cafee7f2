#include "FluxoBotoes.h"

#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <initializer_list>

namespace
{

// Buttons of the given widths, 20 high, 10 apart, in a wrapping row.
struct Fileira {
    explicit Fileira(std::initializer_list<int> larguras) : fluxo(new FluxoBotoes(&pai))
    {
        fluxo->setSpacing(10);
        for (const int largura : larguras) {
            auto* b = new QPushButton(&pai);
            b->setFixedSize(largura, 20);
            fluxo->addWidget(b);
            botoes.append(b);
        }
    }

    // Where the shown buttons land in a row of this width.
    QList<QPoint> lugares(int largura)
    {
        fluxo->setGeometry(QRect(0, 0, largura, fluxo->heightForWidth(largura)));
        QList<QPoint> r;
        for (QPushButton* b : botoes)
            if (!b->isHidden())
                r.append(b->pos());
        return r;
    }

    QWidget pai;
    FluxoBotoes* fluxo;
    QList<QPushButton*> botoes;
};

} // namespace

TEST(FluxoBotoes, QuebraALinhaOndeALarguraAcaba)
{
    struct Caso {
        int largura;
        int linhas;
        int altura;
        QList<QPoint> lugares;
    };
    const Caso casos[] = {
        {250, 1, 20, {{0, 0}, {110, 0}, {170, 0}}}, // exactly the whole row
        {249, 2, 50, {{0, 0}, {110, 0}, {0, 30}}},
        {140, 2, 50, {{0, 0}, {0, 30}, {60, 30}}},
        {139, 3, 80, {{0, 0}, {0, 30}, {0, 60}}},
        {60, 3, 80, {{0, 0}, {0, 30}, {0, 60}}}, // narrower than a button: one a line
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.largura);
        Fileira f{100, 50, 80};
        EXPECT_EQ(f.fluxo->linhas(caso.largura), caso.linhas);
        EXPECT_EQ(f.fluxo->heightForWidth(caso.largura), caso.altura);
        EXPECT_EQ(f.lugares(caso.largura), caso.lugares);
    }
}

TEST(FluxoBotoes, BotaoEscondidoNaoOcupaLugar)
{
    Fileira f{100, 50, 80};
    f.botoes[1]->hide();
    EXPECT_EQ(f.fluxo->sizeHint(), QSize(190, 20));
    EXPECT_EQ(f.lugares(190), (QList<QPoint>{{0, 0}, {110, 0}}));
    EXPECT_EQ(f.fluxo->linhas(189), 2);
}

// The narrowest row still takes no more than two lines; with a single line allowed, the row
// never wraps.
TEST(FluxoBotoes, MinimoCabeNasLinhasPermitidas)
{
    Fileira f{100, 50, 80};
    EXPECT_EQ(f.fluxo->minimumSize(), QSize(140, 50));

    QWidget pai;
    auto* umaLinha = new FluxoBotoes(&pai, 1);
    umaLinha->setSpacing(10);
    for (const int largura : {100, 50, 80}) {
        auto* b = new QPushButton(&pai);
        b->setFixedSize(largura, 20);
        umaLinha->addWidget(b);
    }
    EXPECT_EQ(umaLinha->minimumSize(), QSize(250, 20));
}
