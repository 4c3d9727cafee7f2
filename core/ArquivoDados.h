#pragma once

#include "Adiantamento.h"
#include "Falha.h"

#include <QIODevice>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class LeitorBytes;

// The exercise data file: a header line and one line per advance, eight comma-separated
// fields each, Windows-1252 text with CR LF line ends. Also the layout of imports and backups.

using Registro = std::array<QString, 8>;
using CamposRegistro = std::array<QStringView, 8>;

// Reads the file's fields as a stream, eight at a time wherever the line ends fall: a comma or
// a line end ends a field, leading blanks are skipped, a field in double quotes is taken
// without them and may hold commas. Raises a Falha on a file that cannot be read, a byte that
// is not clean text, or a line longer than any the program writes.
class LeitorRegistros
{
public:
    explicit LeitorRegistros(LeitorBytes& bytes) : bytes_(bytes) {}
    bool fim();
    // The next eight fields; failure 62 when the file ends inside the record.
    Registro proximo();
    // The same as views, valid until the next call: only the fields kept need a text of their
    // own.
    const CamposRegistro& proximosCampos();

private:
    bool linhaSimples();
    Registro campoACampo();
    QString campo();

    LeitorBytes& bytes_;
    CamposRegistro vistas_;
    QString linha_;  // a line read whole, which the views show
    Registro lidos_; // fields read one by one, which the views show otherwise
};

struct ConteudoExercicio {
    Cabecalho cabecalho;
    QList<Adiantamento> adiantamentos;
    // Records read, the header's included: 0 for an empty file, whose header is no header.
    int registros = 0;
};

// The longest line any reader accepts; the program's own lines are a few hundred bytes.
inline constexpr qsizetype TamanhoMaximoLinha = 64 * 1024;

// One text for each day of the year that periods name: the rows of a register share a few
// hundred of them, and need no copy of their own.
class PeriodosLidos
{
public:
    QString texto(QStringView periodo);

private:
    std::array<QString, 12 * 31> textos_;
};

// An advance from the eight fields of a data file line (the rules of the data file reader).
// Raises a Falha when the value field does not hold a value.
Adiantamento AdiantamentoDeRegistro(const CamposRegistro& campos);
Adiantamento AdiantamentoDeRegistro(const Registro& campos);
// The same, its periods shared with the rows read before.
Adiantamento AdiantamentoDeRegistro(const CamposRegistro& campos, PeriodosLidos& periodos);

// Reads a whole file of the data file layout; the first record is the header whatever it
// holds. Raises a Falha where the file cannot be read or is not of the layout.
// `registrosPrevistos`, when known (a count of the file's lines), sizes the list once.
ConteudoExercicio LeArquivoExercicio(QIODevice& dispositivo, qsizetype registrosPrevistos = 0);
ConteudoExercicio LeArquivoExercicio(const QString& caminho);

// The lines of the data file for a header and rows, CR LF included. Raises failure 5 when a
// field holds a character the file cannot carry (outside Windows-1252, a comma, a line end).
QByteArray LinhaCabecalho(const Cabecalho& cabecalho);
QByteArray LinhaAdiantamento(const Adiantamento& a);
// The same lines appended to `saida`; on failure 5 nothing of the line is left there.
void AcrescentaLinhaCabecalho(QByteArray& saida, const Cabecalho& cabecalho);
void AcrescentaLinhaAdiantamento(QByteArray& saida, const Adiantamento& a);

// Writes the data file whole into a new file beside the old one and puts it in place only when
// complete and on the medium, so that on any failure the previous file stays as it was.
// `antesDaTroca` runs once the new file is whole, while the old one still has the name.
std::optional<Falha> EscreveArquivoExercicio(const QString& caminho, const Cabecalho& cabecalho,
                                             const QList<Adiantamento>& linhas,
                                             const std::function<void()>& antesDaTroca = {});
// The same, the rows' lines taken from `gravadas` where the last write there had them.
std::optional<Falha> EscreveArquivoExercicio(const QString& caminho, const Cabecalho& cabecalho,
                                             const QList<Adiantamento>& linhas,
                                             class LinhasGravadas& gravadas,
                                             const std::function<void()>& antesDaTroca = {});
