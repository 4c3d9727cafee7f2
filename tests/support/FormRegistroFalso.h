#pragma once

#include "FormRegistro.h"
#include "ModeloAdiantamentos.h"

#include <QList>
#include <QStringList>
#include <optional>

// The main window's surface as the register routines use it, recorded for tests.
class FormRegistroFalso : public FormRegistro
{
public:
    Cabecalho cabecalho() const override { return cab; }
    void defineCabecalho(const Cabecalho& c) override { cab = c; }
    ModeloAdiantamentos& lista() override { return modelo; }
    void focaCabecalho(CampoCabecalho campo) override { foco = campo; }
    void progresso(int minimo, int maximo, int valor) override
    {
        progressos.append({minimo, maximo, valor});
    }
    void aguarde(const QString& aviso) override { avisos.append(aviso); }
    void fimAguarde() override { avisos.append(QString()); }
    QString nomeCredor() const override { return credor; }
    void selecionaLinha(int linha) override { selecionada = linha; }
    void habilitaRegistro() override { ++habilitado; }
    void limpaExercicio() override
    {
        ++limpo;
        cab = Cabecalho{cab.exercicio, {}, {}, {}};
    }

    struct Progresso {
        int minimo, maximo, valor;
        friend bool operator==(const Progresso&, const Progresso&) = default;
    };

    Cabecalho cab;
    ModeloAdiantamentos modelo;
    std::optional<CampoCabecalho> foco;
    QList<Progresso> progressos;
    QStringList avisos; // each panel text shown, an empty text where it was hidden
    QString credor;
    int selecionada = -1;
    int habilitado = 0;
    int limpo = 0;
};
