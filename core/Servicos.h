#pragma once

#include "Falha.h"
#include "PaginaImpressa.h"

#include <QList>
#include <QString>

#include <optional>

// What the program's logic asks of the user interface. The windows get the real services
// (ui/), tests get scripted ones that answer and record what would have been shown.

enum class Icone { Nenhum, Parada, Pergunta, Exclamacao, Informacao };
enum class Botoes { Ok, OkCancelar, SimNao };
enum class Resposta { Ok, Cancelar, Sim, Nao };

// Modal message boxes and the beep. A box without a title shows "Pravex"; a carriage return
// inside the text is a line break.
class Mensagens
{
public:
    virtual ~Mensagens() = default;
    virtual Resposta mostra(const QString& texto, Icone icone = Icone::Nenhum,
                            Botoes botoes = Botoes::Ok, const QString& titulo = {}) = 0;
    virtual void bipe() = 0;
};

// The hourglass pointer and letting pending screen updates through during a long loop.
class Atividade
{
public:
    virtual ~Atividade() = default;
    virtual void ocupado(bool ligado) = 0;
    virtual void processaEventos() = 0;
    // The same from a loop that asks once per line of a file. A pass costs about as much as
    // reading a line: the real service lets events through there only every few milliseconds,
    // which looks the same on screen.
    virtual void processaEventosNoLaco() { processaEventos(); }
};

// The hourglass for as long as it lives, for a command that may keep the clerk waiting. A box
// shown meanwhile is answered with the arrow (the message service sees to it).
class Ocupado
{
public:
    explicit Ocupado(Atividade& atividade) : atividade_(atividade) { atividade_.ocupado(true); }
    ~Ocupado() { atividade_.ocupado(false); }
    Ocupado(const Ocupado&) = delete;
    Ocupado& operator=(const Ocupado&) = delete;

private:
    Atividade& atividade_;
};

// A drive as the drive lists show it: a letter, the volume's name and the folder it opens at.
struct Unidade {
    QChar letra; // lower case
    QString nome;
    QString raiz;

    // "c: [nome]", the way the drive list reports it.
    QString rotulo() const;
};

// The drives the folder lists can browse. The first is the start drive "c:".
class Unidades
{
public:
    virtual ~Unidades() = default;
    virtual QList<Unidade> lista() = 0;
    // Nothing when the drive can be read; otherwise its failure (57 or 68 for a device
    // error, which the dialogs tell apart from any other).
    virtual std::optional<Falha> verifica(const Unidade& unidade) = 0;
};

// The help viewer, opened on the program's help file.
class Ajuda
{
public:
    virtual ~Ajuda() = default;
    virtual void abre(const QString& arquivo) = 0;
};

// Ends the program at once, without running further handlers and without writing anything.
class Encerramento
{
public:
    virtual ~Encerramento() = default;
    virtual void encerra() = 0;
};

// The printer. Pages go out A4 upright in a fixed-pitch font; each call is one document.
class Impressao
{
public:
    virtual ~Impressao() = default;
    // Prints the pages on the default printer. Nothing once the whole document went to the
    // printer; otherwise the failure (no printer, the printer's error), and the document is
    // cancelled.
    virtual std::optional<Falha> imprime(const QList<PaginaImpressa>& paginas) = 0;
    // Shows the pages as they would print, in a window from which the user may print them or
    // keep them in a file. The failure of printing from there, if any.
    virtual std::optional<Falha> visualiza(const QList<PaginaImpressa>& paginas) = 0;
};

// The services one window works with, handed to it when it is made.
struct Servicos {
    Mensagens& mensagens;
    Atividade& atividade;
    Unidades& unidades;
    Ajuda& ajuda;
    Encerramento& encerramento;
    Impressao& impressao;
};
