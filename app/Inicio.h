#pragma once

#include "FrmAdiantamentos.h"
#include "InstanciaUnica.h"
#include "Servicos.h"

#include <memory>

class QCoreApplication;

// Makes Brazilian Portuguese the program's language whatever the machine's locale: numbers and
// dates in QLocale's default, and Qt's own texts (standard buttons "Sim", "Não", "Cancelar")
// from its pt_BR translations. False when those translations could not be loaded.
bool PreparaIdioma(QCoreApplication& aplicacao);

// The running program: the instance lock, held for the whole run, and the main window.
struct Execucao {
    explicit Execucao(const QString& pastaPrograma) : instancia(pastaPrograma) {}

    InstanciaUnica instancia;
    std::unique_ptr<FrmAdiantamentos> janela; // destroyed before the lock is let go
};

inline constexpr auto MensagemJaExecutando = u"O programa 'Pravex' já está sendo executado !";

// The start-up routine. With another instance running on the program's folder it shows the
// single-instance message and gives nothing, so the caller ends; otherwise it removes what a
// dead instance's unfinished writes left there and shows the main window without waiting.
std::unique_ptr<Execucao> Inicia(Servicos& servicos);
