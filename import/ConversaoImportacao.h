#pragma once

#include "Adiantamento.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

class ArquivoLido;

// The register an import file holds, converted whole before anything of the open register
// changes.
struct DadosImportados {
    // Nothing for an empty file: the header fields then keep what they hold.
    std::optional<Cabecalho> cabecalho;
    QList<Adiantamento> adiantamentos;

    friend bool operator==(const DadosImportados&, const DadosImportados&) = default;
};

// The record r (from 1, the header) that could not be converted; nothing of the file is used.
struct RegistroRecusado {
    int registro = 0;

    friend bool operator==(const RegistroRecusado&, const RegistroRecusado&) = default;
};

using ResultadoImportacao = std::variant<DadosImportados, RegistroRecusado>;

// The record counter is 16 bits wide: a file of more records than this is refused whole, at the
// record that would overflow it.
inline constexpr int MaximoRegistrosImportacao = 32766;

// Cuts of the import: a field longer than these keeps only its first characters.
namespace CorteImportacao
{
inline constexpr int Orgao = 60;
inline constexpr int Exercicio = 4;
inline constexpr int Elaborador = 40;
inline constexpr int Responsavel = 40;
// As long as the entry field and the data file reader keep, so a register written by the
// program comes back whole.
inline constexpr int Processo = 30;
inline constexpr int NotaEmpenho = 9;
inline constexpr int Nome = 40;
inline constexpr int Periodo = 5;
} // namespace CorteImportacao

// Converts a file of the data file layout, read record by record as the data file reader reads
// it (eight fields wherever the line ends fall, quotes dropped): the first record is the header,
// every further one an advance. `avanca` is told the progress value after each record (2 after
// the first). Any record that does not convert refuses the whole file with its number.
ResultadoImportacao ConverteImportacao(QIODevice& dispositivo,
                                       const std::function<void(int valor)>& avanca = {});
ResultadoImportacao ConverteImportacao(const QByteArray& bytes,
                                       const std::function<void(int valor)>& avanca = {});
// The file is opened here; one that cannot be opened or read is refused at the record it was at.
ResultadoImportacao ConverteImportacao(ArquivoLido& arquivo,
                                       const std::function<void(int valor)>& avanca = {});
ResultadoImportacao ConverteImportacao(const QString& caminho,
                                       const std::function<void(int valor)>& avanca = {});

// "Provavelmente as informações na linha r estão fora do layout esperado, ..."
QString MensagemRegistroRecusado(int registro);
