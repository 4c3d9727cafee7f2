#include "LinhasGravadas.h"

#include "ArquivoDados.h"

#include <algorithm>

namespace
{

// How many rows after the expected one a row is looked for: rows removed just before it.
constexpr size_t Janela = 8;

bool MesmoTexto(const QString& a, const QString& b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}

// The same buffers hold the same characters: `b` keeps them alive and unchanged.
bool MesmosTextos(const Adiantamento& a, const Adiantamento& b)
{
    return a.elemento == b.elemento && a.valor == b.valor && MesmoTexto(a.nome, b.nome) &&
           MesmoTexto(a.processo, b.processo) && MesmoTexto(a.notaEmpenho, b.notaEmpenho) &&
           MesmoTexto(a.cpf, b.cpf) && MesmoTexto(a.periodoInicial, b.periodoInicial) &&
           MesmoTexto(a.periodoFinal, b.periodoFinal);
}

} // namespace

QByteArray LinhasGravadas::monta(QByteArrayView cabecalho, const QList<Adiantamento>& linhas)
{
    // The rows of the last call are taken from: should this one fail half-way, none is left.
    std::vector<Linha> anteriores = std::move(linhas_);
    const QByteArray bytesAnteriores = std::move(bytes_);
    esquece();

    QByteArray saida;
    saida.reserve(cabecalho.size() + bytesAnteriores.size() + 4096);
    saida.append(cabecalho);
    std::vector<Linha> atuais;
    atuais.reserve(static_cast<size_t>(linhas.size()));

    // Lines copied are gathered into one run of the old bytes while they follow each other.
    qsizetype inicioCopia = 0, fimCopia = 0;
    const auto copiaPendente = [&] {
        saida.append(
            QByteArrayView(bytesAnteriores.constData() + inicioCopia, fimCopia - inicioCopia));
        inicioCopia = fimCopia = 0;
    };

    size_t proxima = 0; // the first of the old rows not yet found
    for (const Adiantamento& a : linhas) {
        const size_t fim = std::min(anteriores.size(), proxima + Janela);
        size_t k = proxima;
        while (k < fim && !MesmosTextos(a, anteriores[k].fonte))
            ++k;
        if (k < fim) {
            Linha& anterior = anteriores[k];
            if (fimCopia != anterior.inicio) {
                copiaPendente();
                inicioCopia = fimCopia = anterior.inicio;
            }
            fimCopia += anterior.tamanho;
            const qsizetype inicio = saida.size() + (fimCopia - inicioCopia) - anterior.tamanho;
            atuais.push_back({std::move(anterior.fonte), inicio, anterior.tamanho});
            proxima = k + 1;
            continue;
        }
        // A row new or changed since the last write (a replaced row is followed by the one after
        // it, still within reach).
        copiaPendente();
        const qsizetype inicio = saida.size();
        AcrescentaLinhaAdiantamento(saida, a);
        atuais.push_back({a, inicio, saida.size() - inicio});
    }
    copiaPendente();

    linhas_ = std::move(atuais);
    bytes_ = saida;
    return saida;
}

void LinhasGravadas::esquece()
{
    linhas_.clear();
    bytes_.clear();
}
