// Feeds arbitrary files to the data file reader that loads an exercise and restores a backup.
// It either refuses the file with a numbered failure or loads it; what it loads, written back
// by the data file writer, must read back to the same register, less the leading blanks that
// the reader skips in every field (kept only inside quotes, which the writer does not write).
// The reader takes a line as the program writes it whole and any other field by field: fed one
// byte at a time, so that it reads every record field by field, it must give the same.

#include "ArquivoDados.h"
#include "UmBytePorVez.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

ConteudoExercicio le(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LeArquivoExercicio(buffer);
}

// The failure's number when the reading fails; 0 when it reads `conteudo`.
int leCampoACampo(const QByteArray& bytes, ConteudoExercicio& conteudo)
{
    UmBytePorVez dispositivo(bytes);
    try {
        conteudo = LeArquivoExercicio(dispositivo);
    } catch (const Falha& falha) {
        return falha.numero;
    }
    return 0;
}

std::optional<QByteArray> escreve(const ConteudoExercicio& c)
{
    try {
        QByteArray bytes = LinhaCabecalho(c.cabecalho);
        for (const Adiantamento& a : c.adiantamentos)
            bytes += LinhaAdiantamento(a);
        return bytes;
    } catch (const Falha& falha) {
        // Text the file cannot carry (a comma that came in between quotes) is refused, never
        // written.
        if (falha.numero != Falha::ArgumentoInvalido)
            std::abort();
        return std::nullopt;
    }
}

QString semBrancosIniciais(QString texto)
{
    qsizetype i = 0;
    while (i < texto.size() && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    return texto.remove(0, i);
}

// The register as it reads back once written: no field starts with a blank.
ConteudoExercicio comoRelido(ConteudoExercicio c)
{
    for (QString* t : {&c.cabecalho.exercicio, &c.cabecalho.orgao, &c.cabecalho.elaborador,
                       &c.cabecalho.responsavel})
        *t = semBrancosIniciais(*t);
    for (Adiantamento& a : c.adiantamentos) {
        for (QString* t : {&a.processo, &a.cpf, &a.nome, &a.periodoInicial, &a.periodoFinal})
            *t = semBrancosIniciais(*t);
    }
    return c;
}

[[noreturn]] void falhou(const char* oque)
{
    std::fprintf(stderr, "%s\n", oque);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    ConteudoExercicio campoACampo;
    const int falhaCampoACampo = leCampoACampo(bytes, campoACampo);
    ConteudoExercicio conteudo;
    try {
        conteudo = le(bytes);
    } catch (const Falha& falha) {
        if (falha.numero <= 0 || falha.descricao.isEmpty())
            falhou("a refusal without a number or a description");
        if (falha.numero != falhaCampoACampo)
            falhou("read field by field, the file gives another failure or none");
        return 0;
    }
    if (falhaCampoACampo != 0 || campoACampo.cabecalho != conteudo.cabecalho ||
        campoACampo.adiantamentos != conteudo.adiantamentos ||
        campoACampo.registros != conteudo.registros)
        falhou("read field by field, the file gives another register");
    if (bytes.isEmpty())
        return 0;
    const std::optional<QByteArray> escrito = escreve(conteudo);
    if (!escrito)
        return 0;
    ConteudoExercicio relido;
    try {
        relido = le(*escrito);
    } catch (const Falha& falha) {
        std::fprintf(stderr, "%s\n", qPrintable(falha.texto()));
        falhou("what the writer wrote does not read back");
    }
    const ConteudoExercicio esperado = comoRelido(conteudo);
    if (relido.cabecalho != esperado.cabecalho || relido.adiantamentos != esperado.adiantamentos) {
        std::fprintf(stderr, "written: %s\n", escrito->toPercentEncoding().constData());
        falhou("the register written and read back is another register");
    }
    if (escreve(relido) != escreve(esperado))
        falhou("writing the register read back gives other bytes");
    return 0;
}
