#pragma once

#include <QString>

// The parts of a window that show a verification run: the progress bar, and in the import
// dialog the status label LabStatus. The window implements it; the run never sees a widget.
class PainelVerificacao
{
public:
    virtual ~PainelVerificacao() = default;

    // The progress bar, shown with its range and value, and moved on.
    virtual void mostraProgresso(int minimo, int maximo, int valor) = 0;
    virtual void avancaProgresso(int valor) = 0;

    // While blocked the window starts no second run and stays open: the run lets events
    // through, and a click there must neither start it again nor take away what it uses.
    virtual void bloqueiaComandos(bool bloqueados) = 0;

    // The status label, shown with a text; then the label and the progress bar hidden, the
    // label's text emptied when asked. The main window has no status label.
    virtual void mostraStatus(const QString& /*texto*/) {}
    virtual void ocultaStatus(bool /*esvaziaTexto*/) {}
};
