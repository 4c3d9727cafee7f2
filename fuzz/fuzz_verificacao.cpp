// Feeds arbitrary files to the line-by-line verification, in both variants, the way a run
// splits them into lines. A file that the exercise start's verification passes, and that holds
// no double quote (the reader's quoting is the one rule the verifier leaves out), must then load
// with the data file reader, one advance per line after the header.

#include "ArquivoDados.h"
#include "LeitorBytes.h"
#include "Module1.h"
#include "VerificadorLinhas.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

QBuffer* bufferDe(const QByteArray& bytes)
{
    auto* buffer = new QBuffer;
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

// Whether every line passed; `linhas` counts them.
bool passa(const QByteArray& bytes, const VarianteVerificacao& variante, const QString& exercicio,
           int& linhas)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LeitorBytes leitor(buffer);
    VerificadorLinhas verificador(variante, exercicio);
    QByteArray linha;
    linhas = 0;
    try {
        while (leitor.linha(linha)) {
            ++linhas;
            if (verificador.verifica(linha, linhas))
                return false;
        }
    } catch (const Falha& falha) {
        // Only the narrow comma positions and the header's year may overflow here.
        if (falha.numero != Falha::Estouro)
            std::abort();
        return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    if (tamanho == 0)
        return 0;
    // The first byte picks the typed exercise, leap years included.
    const QString exercicio = QString::number(2003 + dados[0] % 8);
    const QByteArray bytes(reinterpret_cast<const char*>(dados + 1),
                           static_cast<qsizetype>(tamanho - 1));

    int linhasImportacao = 0;
    passa(bytes, VarianteVerificacao::importacao(), {}, linhasImportacao);

    int linhas = 0;
    if (!passa(bytes, VarianteVerificacao::arquivo(), exercicio, linhas) || bytes.contains('"'))
        return 0;
    std::unique_ptr<QBuffer> buffer(bufferDe(bytes));
    try {
        const ConteudoExercicio conteudo = LeArquivoExercicio(*buffer);
        if (linhas > 0 && conteudo.adiantamentos.size() != linhas - 1) {
            std::fprintf(stderr, "verified file of %d lines loaded %lld advances\n", linhas,
                         static_cast<long long>(conteudo.adiantamentos.size()));
            std::abort();
        }
    } catch (const Falha& falha) {
        std::fprintf(stderr, "verified file failed to load: %s\n", qPrintable(falha.texto()));
        std::abort();
    }
    return 0;
}
