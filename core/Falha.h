#pragma once

#include <QFileDevice>
#include <QString>

// A failure caught by a routine: the number of the program-wide numbering and its description.
// Handlers show "número - descrição" or choose their message by the number. It is thrown on the
// unexpected-error paths and returned as a value where a routine reports through its result.
struct Falha {
    int numero = 0;
    QString descricao;

    enum : int {
        ArgumentoInvalido = 5,
        Estouro = 6,
        NomeArquivoInvalido = 52,
        ArquivoNaoEncontrado = 53,
        ModoArquivoInvalido = 54,
        ArquivoJaAberto = 55,
        ErroDispositivo = 57,
        DiscoCheio = 61,
        FimDeArquivo = 62,
        ArquivosDemais = 67,
        DispositivoIndisponivel = 68,
        PermissaoNegada = 70,
        DiscoNaoPronto = 71,
        ErroAcessoCaminho = 75,
        CaminhoNaoEncontrado = 76,
        // The printer: none to print on, or one that refused or broke off the document.
        SemImpressora = 80,
        ErroImpressora = 81,
    };

    static Falha numerada(int numero);
    static Falha estouro() { return numerada(Estouro); }

    // Maps the error an operating-system call left in errno.
    static Falha doSistema(int codigoErrno);
    // Maps a failed operation on a file; errno must still hold the cause.
    static Falha deArquivo(const QFileDevice& arquivo, int codigoErrno);

    bool ehDeArquivo() const { return numero >= 52 && numero <= 76; }
    bool ehDeDispositivo() const
    {
        return numero == ErroDispositivo || numero == DispositivoIndisponivel;
    }

    // "número - descrição", the shape of every unexpected-failure message.
    QString texto() const;

    friend bool operator==(const Falha&, const Falha&) = default;
};

// The description of a numbered failure as the operator reads it.
QString DescricaoFalha(int numero);
