// Feeds arbitrary files to the import conversion. It converts a file whole or refuses it at a
// record it names; a file that the import's verification passes, and that holds no double quote,
// converts whole, one advance per line after the header, each with the NE the verifier counted.

#include "ConversaoImportacao.h"
#include "LeitorBytes.h"
#include "VerificadorLinhas.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

[[noreturn]] void falhou(const char* oque)
{
    std::fprintf(stderr, "%s\n", oque);
    std::abort();
}

// The NE of each advance line as the verifier counts it, when every line passes.
std::optional<QStringList> verificado(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LeitorBytes leitor(buffer);
    VerificadorLinhas verificador(VarianteVerificacao::importacao(), {});
    QByteArray linha;
    QStringList notas;
    int n = 0;
    try {
        while (leitor.linha(linha)) {
            if (verificador.verifica(linha, ++n))
                return std::nullopt;
            if (n > 1) {
                QString ne = QString::fromLatin1(linha.split(',').value(1)).trimmed();
                while (ne.size() > 1 && ne.front() == u'0')
                    ne.remove(0, 1);
                notas.append(ne);
            }
        }
    } catch (const Falha&) {
        return std::nullopt;
    }
    return notas;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    int registros = 0;
    const ResultadoImportacao resultado = ConverteImportacao(bytes, [&](int valor) {
        if (valor != registros + 2)
            falhou("the progress does not move by one a record");
        registros = valor - 1;
    });
    if (const auto* recusado = std::get_if<RegistroRecusado>(&resultado)) {
        if (recusado->registro < 1 || recusado->registro > registros + 1)
            falhou("refused at a record it never reached");
    } else {
        const DadosImportados& d = std::get<DadosImportados>(resultado);
        if (d.cabecalho.has_value() != (registros > 0))
            falhou("a header without records, or records without a header");
    }

    const std::optional<QStringList> notas = verificado(bytes);
    if (!notas || bytes.contains('"'))
        return 0;
    const auto* d = std::get_if<DadosImportados>(&resultado);
    if (!d)
        falhou("a verified file was refused by the conversion");
    if (d->adiantamentos.size() != notas->size())
        falhou("a verified file converted to another number of advances");
    for (qsizetype i = 0; i < notas->size(); ++i) {
        if (d->adiantamentos[i].notaEmpenho != notas->at(i)) {
            std::fprintf(stderr, "NE %s became %s\n", qPrintable(notas->at(i)),
                         qPrintable(d->adiantamentos[i].notaEmpenho));
            falhou("a verified NE converted to another number");
        }
    }
    return 0;
}
