#include "ArquivoDados.h"

#include "Catalogo.h"
#include "Estreito.h"
#include "LeitorBytes.h"
#include "LinhasGravadas.h"
#include "Substituto.h"
#include "Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int TipoIncompativel = 13;

bool fimDeCampo(int c)
{
    return c < 0 || c == ',' || c == '\r' || c == '\n';
}

Falha foraDoLayout()
{
    return Falha::numerada(TipoIncompativel);
}

} // namespace

bool LeitorRegistros::fim()
{
    return bytes_.fim();
}

QString LeitorRegistros::campo()
{
    const auto branco = [](int c) { return c == ' ' || c == '\t'; };
    while (branco(bytes_.espia()))
        bytes_.proximo();
    const bool entreAspas = bytes_.espia() == '"';
    if (entreAspas)
        bytes_.proximo();
    // The bytes that end a field's text, looked up in a table: every byte of the file is.
    static constexpr auto Terminadores = [](bool virgula) {
        std::array<bool, 256> t{};
        t['\r'] = t['\n'] = t['"'] = true;
        t[','] = virgula;
        return t;
    };
    static constexpr std::array<bool, 256> ForaDeAspas = Terminadores(true);
    static constexpr std::array<bool, 256> EntreAspas = Terminadores(false);
    const std::array<bool, 256>& terminador = entreAspas ? EntreAspas : ForaDeAspas;
    const auto fimDoTexto = [&terminador](char c) {
        return terminador[static_cast<unsigned char>(c)];
    };

    // The field's bytes are decoded straight from the read buffer; they are gathered in a copy
    // only when the field crosses the end of the buffer.
    std::optional<QString> texto;
    QByteArray partido;
    for (;;) {
        const QByteArrayView disponiveis = bytes_.disponiveis();
        const qsizetype n =
            std::find_if(disponiveis.begin(), disponiveis.end(), fimDoTexto) - disponiveis.begin();
        if (partido.size() + n > TamanhoMaximoLinha)
            throw Falha::numerada(Falha::ErroAcessoCaminho);
        if (n < disponiveis.size() && partido.isEmpty()) {
            texto = Win1252::decodificaEstrito(disponiveis.first(n));
            bytes_.avanca(n);
            break;
        }
        partido.append(disponiveis.first(n));
        bytes_.avanca(n);
        if (n < disponiveis.size() || disponiveis.isEmpty()) {
            texto = Win1252::decodificaEstrito(partido);
            break;
        }
    }
    // A double quote only ever encloses a whole field: one that is never closed, one with more
    // than blanks after it, or one inside a field would cut the field and lose what follows.
    if (entreAspas) {
        if (bytes_.espia() != '"')
            throw foraDoLayout();
        bytes_.proximo();
        while (branco(bytes_.espia()))
            bytes_.proximo();
    }
    if (!texto || !fimDeCampo(bytes_.espia()))
        throw foraDoLayout();
    return *texto;
}

Registro LeitorRegistros::campoACampo()
{
    Registro campos;
    bool depoisDeVirgula = false;
    for (QString& c : campos) {
        if (bytes_.fim() && !depoisDeVirgula)
            throw Falha::numerada(Falha::FimDeArquivo);
        c = campo();
        const int separador = bytes_.proximo();
        depoisDeVirgula = separador == ',';
        if (separador == '\r' && bytes_.espia() == '\n')
            bytes_.proximo();
    }
    return campos;
}

bool LeitorRegistros::linhaSimples()
{
    // A record on one line as the program writes it: seven commas, no double quote, no line
    // feed before its carriage return, clean text. Read field by field it gives the same eight
    // fields, each without its leading blanks; this takes them at once from the read buffer.
    const QByteArrayView disponiveis = bytes_.disponiveis();
    if (disponiveis.isEmpty())
        return false;
    const char* const inicio = disponiveis.data();
    const auto* retorno = static_cast<const char*>(
        std::memchr(inicio, '\r', static_cast<size_t>(disponiveis.size())));
    if (retorno == nullptr)
        return false; // the line goes on in the next read, or the file ends without CR
    const qsizetype fim = retorno - inicio;
    const QByteArrayView linha = disponiveis.first(fim);
    const VirgulasDaLinha virgulas = ProcuraVirgulas(linha);
    if (virgulas.total != 7 || fim > TamanhoMaximoLinha || ContemByte(linha, '"') ||
        ContemByte(linha, '\n') || !Win1252::decodificaEstritoEm(linha, linha_))
        return false;
    const QStringView texto(linha_);
    qsizetype de = 0;
    for (int i = 0; i < 8; ++i) {
        const qsizetype ate = i < 7 ? virgulas.posicoes[i] : fim;
        while (de < ate && (inicio[de] == ' ' || inicio[de] == '\t'))
            ++de;
        vistas_[i] = texto.sliced(de, ate - de);
        de = ate + 1;
    }
    bytes_.avanca(fim + 1);
    if (bytes_.espia() == '\n')
        bytes_.proximo();
    return true;
}

const CamposRegistro& LeitorRegistros::proximosCampos()
{
    if (linhaSimples())
        return vistas_;
    lidos_ = campoACampo();
    for (int i = 0; i < 8; ++i)
        vistas_[i] = lidos_[i];
    return vistas_;
}

Registro LeitorRegistros::proximo()
{
    if (!linhaSimples())
        return campoACampo();
    Registro campos;
    for (int i = 0; i < 8; ++i)
        campos[i] = vistas_[i].toString();
    return campos;
}

QString PeriodosLidos::texto(QStringView periodo)
{
    const auto digito = [&periodo](int i) { return periodo[i].unicode() - u'0'; };
    if (periodo.size() != 5 || periodo[2] != u'/' ||
        !std::all_of(periodo.begin(), periodo.end(),
                     [](QChar c) { return c == u'/' || (c >= u'0' && c <= u'9'); }))
        return periodo.toString();
    const int dia = digito(0) * 10 + digito(1);
    const int mes = digito(3) * 10 + digito(4);
    if (dia < 1 || dia > 31 || mes < 1 || mes > 12)
        return periodo.toString();
    QString& texto = textos_[static_cast<size_t>((mes - 1) * 31 + dia - 1)];
    if (texto.isNull())
        texto = periodo.toString();
    return texto;
}

namespace
{

Adiantamento Monta(const CamposRegistro& campos, PeriodosLidos* periodos)
{
    Adiantamento a;
    a.processo = campos[0].toString();

    QStringView ne = campos[1].trimmed();
    bool numero = !ne.isEmpty();
    for (const QChar c : ne)
        numero = numero && c >= u'0' && c <= u'9';
    // Leading zeros go before the length is judged: the verifier passes 000…0345 as 345.
    while (ne.size() > 1 && ne.front() == u'0')
        ne = ne.sliced(1);
    if (!numero || ne.size() > 18)
        throw foraDoLayout();
    // Digits as the writer leaves them are already the number's form.
    a.notaEmpenho = ne.size() == campos[1].size() ? ne.toString() : FormataInteiro(ne.toLongLong());

    a.elemento = qMax(0, IndiceElemento(campos[2]));
    a.cpf = campos[3].toString();
    a.nome = campos[4].toString();

    // The last three characters are the separator and the two decimals, whatever the separator.
    const QStringView valor = campos[5];
    if (valor.size() < 3)
        throw Falha::numerada(Falha::ArgumentoInvalido);
    const std::optional<Centavos> centavos =
        LeValorPartes(valor.first(valor.size() - 3), valor.last(2));
    if (!centavos)
        throw foraDoLayout();
    a.valor = *centavos;

    // A period is its five characters: blanks around it would make its sort key wrong.
    const auto periodo = [periodos](QStringView v) {
        return periodos ? periodos->texto(v) : v.toString();
    };
    a.periodoInicial = periodo(campos[6].trimmed());
    a.periodoFinal = periodo(campos[7].trimmed());
    return a;
}

} // namespace

Adiantamento AdiantamentoDeRegistro(const CamposRegistro& campos)
{
    return Monta(campos, nullptr);
}

Adiantamento AdiantamentoDeRegistro(const CamposRegistro& campos, PeriodosLidos& periodos)
{
    return Monta(campos, &periodos);
}

Adiantamento AdiantamentoDeRegistro(const Registro& campos)
{
    CamposRegistro vistas;
    for (int i = 0; i < 8; ++i)
        vistas[i] = campos[i];
    return AdiantamentoDeRegistro(vistas);
}

ConteudoExercicio LeArquivoExercicio(QIODevice& dispositivo, qsizetype registrosPrevistos)
{
    LeitorBytes bytes(dispositivo);
    LeitorRegistros leitor(bytes);
    ConteudoExercicio conteudo;
    PeriodosLidos periodos;
    conteudo.adiantamentos.reserve(qMax<qsizetype>(0, registrosPrevistos - 1));
    // Records counted in 16 bits: a file of more advances than that overflows (failure 6).
    Inteiro16 numeroRegistro = 0;
    while (!leitor.fim()) {
        const CamposRegistro& campos = leitor.proximosCampos();
        if (numeroRegistro == 0)
            conteudo.cabecalho = Cabecalho{campos[1].toString(), campos[0].toString(),
                                           campos[2].toString(), campos[3].toString()};
        else
            conteudo.adiantamentos.append(AdiantamentoDeRegistro(campos, periodos));
        ++numeroRegistro;
    }
    conteudo.registros = numeroRegistro;
    return conteudo;
}

ConteudoExercicio LeArquivoExercicio(const QString& caminho)
{
    QFile arquivo(caminho);
    if (const std::optional<Falha> falha = AbreParaLeitura(arquivo))
        throw *falha;
    return LeArquivoExercicio(arquivo);
}

namespace
{

// The characters below 256 that are not their own byte in the file: the separators, and the
// code points 0x80 to 0x9F, whose bytes the code page gives to other characters.
constexpr std::array<unsigned char, 256> ForaDoCaminhoDireto = [] {
    std::array<unsigned char, 256> tabela{};
    tabela[','] = tabela['\r'] = tabela['\n'] = 1;
    for (int c = 0x80; c < 0xA0; ++c)
        tabela[c] = 1;
    return tabela;
}();

// Characters below 256 to their bytes.
void Estreita(const char16_t* __restrict origem, qsizetype tamanho, char* __restrict destino)
{
    for (qsizetype i = 0; i < tamanho; ++i)
        destino[i] = static_cast<char>(origem[i]);
}

// Writes a field's bytes at `destino`, in one pass over its characters. Raises failure 5 when a
// character cannot be carried: outside Windows-1252, or a separator that would cut the field
// (comma, line end).
void escreveCampo(char* destino, QStringView texto)
{
    // Latin-1 text without a separator maps character for character: checked, then narrowed, in
    // two loops without branches that the compiler vectorises.
    const char16_t* origem = texto.utf16();
    const qsizetype tamanho = texto.size();
    unsigned recusa = 0;
    for (qsizetype i = 0; i < tamanho; ++i)
        recusa |= unsigned(origem[i] >> 8) | ForaDoCaminhoDireto[origem[i] & 0xFF];
    if (recusa == 0) {
        Estreita(origem, tamanho, destino);
        return;
    }
    for (const QChar c : texto) {
        const int b = Win1252::byteDe(c.unicode());
        if (b < 0 || b == ',' || b == '\r' || b == '\n')
            throw Falha{Falha::ArgumentoInvalido,
                        u"O texto \""_s + texto.toString() +
                            u"\" contém caractere que não pode ser gravado no arquivo."_s};
        *destino++ = static_cast<char>(b);
    }
}

// Appends a line, its fields joined by commas and CR LF at its end, sized once; on failure 5
// nothing of it is left in `saida`.
void acrescentaLinha(QByteArray& saida, std::initializer_list<QStringView> campos)
{
    qsizetype tamanho = static_cast<qsizetype>(campos.size()) - 1 + 2;
    for (const QStringView campo : campos)
        tamanho += campo.size();
    const qsizetype inicio = saida.size();
    saida.resize(inicio + tamanho);
    char* destino = saida.data() + inicio;
    try {
        bool primeiro = true;
        for (const QStringView campo : campos) {
            if (!primeiro)
                *destino++ = ',';
            escreveCampo(destino, campo);
            destino += campo.size();
            primeiro = false;
        }
    } catch (const Falha&) {
        saida.truncate(inicio);
        throw;
    }
    destino[0] = '\r';
    destino[1] = '\n';
}

} // namespace

void AcrescentaLinhaCabecalho(QByteArray& saida, const Cabecalho& c)
{
    acrescentaLinha(saida, {c.orgao, c.exercicio, c.elaborador, c.responsavel, {}, {}, {}, {}});
}

void AcrescentaLinhaAdiantamento(QByteArray& saida, const Adiantamento& a)
{
    const QStringView codigo =
        a.elemento > 0 ? CodigoElemento(ItensCatalogo()[a.elemento]) : QStringView();
    EspacoValor valor;
    acrescentaLinha(saida, {a.processo, a.notaEmpenho, codigo, a.cpf, a.nome,
                            FormataValorArquivo(a.valor, valor), a.periodoInicial, a.periodoFinal});
}

QByteArray LinhaCabecalho(const Cabecalho& c)
{
    QByteArray linha;
    AcrescentaLinhaCabecalho(linha, c);
    return linha;
}

QByteArray LinhaAdiantamento(const Adiantamento& a)
{
    QByteArray linha;
    AcrescentaLinhaAdiantamento(linha, a);
    return linha;
}

namespace
{

std::optional<Falha> Escreve(const QString& caminho, const Cabecalho& cabecalho,
                             const QList<Adiantamento>& linhas, LinhasGravadas& gravadas,
                             const std::function<void()>& antesDaTroca)
{
    ArquivoSubstituto arquivo(caminho);
    if (const std::optional<Falha> falha = arquivo.abre())
        return falha;
    // Leaving this routine on any failure discards the new file; the old one is untouched.
    QByteArray conteudo;
    try {
        conteudo = gravadas.monta(LinhaCabecalho(cabecalho), linhas);
    } catch (const Falha& falha) {
        return falha;
    }
    if (arquivo.write(conteudo) != conteudo.size())
        return arquivo.falhaDeEscrita();
    return arquivo.confirma(antesDaTroca);
}

} // namespace

std::optional<Falha> EscreveArquivoExercicio(const QString& caminho, const Cabecalho& cabecalho,
                                             const QList<Adiantamento>& linhas,
                                             const std::function<void()>& antesDaTroca)
{
    LinhasGravadas todasNovas;
    return Escreve(caminho, cabecalho, linhas, todasNovas, antesDaTroca);
}

std::optional<Falha> EscreveArquivoExercicio(const QString& caminho, const Cabecalho& cabecalho,
                                             const QList<Adiantamento>& linhas,
                                             LinhasGravadas& gravadas,
                                             const std::function<void()>& antesDaTroca)
{
    return Escreve(caminho, cabecalho, linhas, gravadas, antesDaTroca);
}
