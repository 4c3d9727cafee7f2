#pragma once

#include "Adiantamento.h"

class ModeloAdiantamentos;

// The fields the register routines give the focus to: the header and the creditor's name of the
// entry area (the submission file checks it with the header).
enum class CampoCabecalho { Exercicio, Orgao, Elaborador, Responsavel, NomeCredor };

// The main window as the register routines see it: the four header fields, the list, the
// waiting panel's progress bar and the two states the routines put the window in.
class FormRegistro
{
public:
    virtual ~FormRegistro() = default;

    virtual Cabecalho cabecalho() const = 0;
    virtual void defineCabecalho(const Cabecalho& cabecalho) = 0;
    virtual ModeloAdiantamentos& lista() = 0;
    virtual void focaCabecalho(CampoCabecalho campo) = 0;
    virtual void progresso(int minimo, int maximo, int valor) = 0;
    // The waiting panel with its text (pending screen updates let through), and hiding it.
    virtual void aguarde(const QString& aviso) = 0;
    virtual void fimAguarde() = 0;
    // The creditor's name typed in the entry area.
    virtual QString nomeCredor() const = 0;
    // Makes a row the only selected one and scrolls it into view.
    virtual void selecionaLinha(int linha) = 0;

    // A register with rows is open: header fields and the commands that need rows enabled.
    virtual void habilitaRegistro() = 0;
    // Back to an exercise without data: header (but the exercise) and entry fields emptied,
    // the commands that need an exercise disabled. The list is emptied by the caller.
    virtual void limpaExercicio() = 0;
};
