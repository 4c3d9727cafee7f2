#include "VerificadorLinhas.h"

#include "ArquivoDados.h"
#include "Catalogo.h"
#include "Estreito.h"
#include "Formatos.h"
#include "LeitorBytes.h"
#include "Module1.h"
#include "Validacao.h"
#include "Win1252.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

bool branco(QStringView campo)
{
    return std::all_of(campo.begin(), campo.end(), [](QChar c) { return c.isSpace(); });
}

bool ehDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

RecusaLinha naLinha(const QString& antes, int linha)
{
    return RecusaLinha{
        MensagemLinha{antes, u". Verifique"_s}.texto(linha), Icone::Parada, {}, linha};
}

// The NE as the register keeps it: digits only, leading zeros dropped, at most the nine digits
// of the entry field. Anything else would load as a number the operator never typed (cut to
// nine digits, or rounded from a fraction), or not load at all. Its text ("########0") is the
// number's decimal form.
std::optional<int> NotaEmpenhoNormalizada(QStringView campo)
{
    QStringView digitos = campo.trimmed();
    if (!std::all_of(digitos.begin(), digitos.end(), ehDigito))
        return std::nullopt;
    while (digitos.size() > 1 && digitos.front() == u'0')
        digitos = digitos.sliced(1);
    if (digitos.size() > 9)
        return std::nullopt;
    int numero = 0;
    for (const QChar c : digitos)
        numero = numero * 10 + (c.unicode() - u'0');
    return numero;
}

// A value as the data file writer lays it out and the readers take it apart: optional sign, a
// whole part of at most fifteen digits, one separator and two decimals, nothing after them.
// Without it, 1500 would load as 1,00 and 12.5 would stop the loading.
bool ValorNoLayout(QStringView campo)
{
    while (!campo.isEmpty() && (campo.front() == u' ' || campo.front() == u'\t'))
        campo = campo.sliced(1);
    if (!campo.isEmpty() && (campo.front() == u'-' || campo.front() == u'+'))
        campo = campo.sliced(1);
    const qsizetype inteiros = campo.size() - 3;
    if (inteiros < 1 || inteiros > 15)
        return false;
    const QChar separador = campo[inteiros];
    if (separador != u'.' && separador != u',')
        return false;
    const QStringView decimais = campo.sliced(inteiros + 1);
    return std::all_of(campo.begin(), campo.begin() + inteiros, ehDigito) &&
           std::all_of(decimais.begin(), decimais.end(), ehDigito);
}

// Whether a field's double quotes are what the file readers take them for: the pair that encloses
// the whole field (blanks may stand around it). A quote anywhere else would cut the field there,
// dropping what follows it, or run the field into the next line.
bool AspasEnvolvemCampo(QStringView campo)
{
    while (!campo.isEmpty() && (campo.front() == u' ' || campo.front() == u'\t'))
        campo = campo.sliced(1);
    if (campo.isEmpty() || campo.front() != u'"')
        return !campo.contains(u'"');
    const qsizetype fecha = campo.indexOf(u'"', 1);
    if (fecha < 0)
        return false;
    const QStringView depois = campo.sliced(fecha + 1);
    return std::all_of(depois.begin(), depois.end(),
                       [](QChar c) { return c == u' ' || c == u'\t'; });
}

// Rounded to the nearest whole number (halves to even); values beyond any year saturate, so
// the narrow variable they go into raises its overflow instead of the conversion misbehaving.
long long InteiroMaisProximo(double valor)
{
    return static_cast<long long>(std::clamp(std::nearbyint(valor), -9.0e18, 9.0e18));
}

} // namespace

VerificadorLinhas::VerificadorLinhas(const VarianteVerificacao& variante, QString exercicio,
                                     qsizetype linhas)
    : variante_(variante), ano_(AnoDoExercicio(exercicio))
{
    notasEmpenho_.reserve(linhas);
}

RecusaLinha VerificadorLinhas::foraDoLayout(int linha) const
{
    return RecusaLinha{variante_.layoutContagem.texto(linha), Icone::Parada, {}, linha};
}

std::optional<RecusaLinha> VerificadorLinhas::verifica(QByteArrayView bytes, int linha)
{
    const bool limpo = Win1252::decodificaEstritoEm(bytes, texto_);
    if (!limpo)
        texto_ = Win1252::decodifica(bytes);
    const QString& texto = texto_;
    // What the file readers would take differently from what is checked here: bytes that are
    // no text, a line feed (it ends a field there), a line longer than they accept, and a
    // double quote that does not enclose its whole field. Commas, line feeds and quotes are
    // found in one pass over the bytes, which decode one to one into the text's characters.
    const VirgulasDaLinha virgulasLidas = ProcuraVirgulas(bytes);
    const bool aspas = ContemByte(bytes, '"');
    const bool legivel = limpo && !ContemByte(bytes, '\n') && bytes.size() <= TamanhoMaximoLinha;

    if (texto.isEmpty() || texto.front() == u' ' || texto.front() == u',')
        return RecusaLinha{variante_.layoutInicio.texto(linha), Icone::Parada, {}, linha};
    if (virgulasLidas.total != 7) {
        RecusaLinha recusa = foraDoLayout(linha);
        recusa.bipe = true;
        return recusa;
    }

    // Comma positions count from 1 and are held in a byte each: one beyond the 255th
    // character raises failure 6 right here.
    std::array<Byte, 7> virgulas;
    for (int i = 0; i < 7; ++i)
        virgulas[i] = virgulasLidas.posicoes[i] + 1;
    const QStringView linhaToda(texto);
    Campos campos;
    qsizetype de = 0;
    for (int i = 0; i < 7; ++i) {
        campos[i] = linhaToda.sliced(de, virgulas[i] - 1 - de);
        de = virgulas[i];
    }
    campos[7] = linhaToda.sliced(de);

    const bool aspasCertas =
        !aspas || std::all_of(campos.begin(), campos.end(), AspasEnvolvemCampo);
    return linha == 1 ? cabecalho(texto, campos, legivel && aspasCertas, linha)
                      : adiantamento(texto, campos, legivel && aspasCertas, linha);
}

std::optional<RecusaLinha> VerificadorLinhas::cabecalho(const QString& texto, const Campos& campos,
                                                        bool legivel, int linha)
{
    if (QStringView(texto).trimmed().size() < 20)
        return foraDoLayout(linha);
    if (branco(campos[0]))
        return naLinha(u"Nome da UGE;Órgão/Entidade não informado. Linha: "_s, linha);
    if (!EhNumerico(campos[1]) || LeNumero(campos[1]) < 2003)
        return naLinha(u"Exercício inválido. Linha: "_s, linha);
    if (variante_.anoDoCabecalho) {
        Module1::AnoReferencia = InteiroMaisProximo(LeNumero(campos[1]));
        ano_ = AnoDoExercicio(QString::number(Module1::AnoReferencia.valor()));
    }
    if (branco(campos[3]))
        return naLinha(variante_.responsavelNaoInformado, linha);
    if (!legivel)
        return foraDoLayout(linha);
    return std::nullopt;
}

std::optional<RecusaLinha>
VerificadorLinhas::adiantamento(const QString& texto, const Campos& campos, bool legivel, int linha)
{
    if (variante_.tamanhoMinimoAdiantamento > 0 &&
        QStringView(texto).trimmed().size() < variante_.tamanhoMinimoAdiantamento)
        return foraDoLayout(linha);
    if (branco(campos[0]))
        return naLinha(u"Processo não informado. Linha: "_s, linha);
    if (!EhNumerico(campos[1]))
        return naLinha(u"Informe apenas o número sequencial da NE. Linha: "_s, linha);
    if (LeNumero(campos[1]) <= 0)
        return naLinha(u"Número da NE não informado. Linha: "_s, linha);
    const std::optional<int> notaEmpenho = NotaEmpenhoNormalizada(campos[1]);
    if (!notaEmpenho)
        return naLinha(u"Informe apenas o número sequencial da NE. Linha: "_s, linha);
    if (notasEmpenho_.contains(*notaEmpenho))
        return naLinha(u"Empenho de número "_s + QString::number(*notaEmpenho) +
                           u" em duplicidade. Linha: "_s,
                       linha);
    if (branco(campos[2]))
        return naLinha(u"Elemento Econômico não informado. Linha: "_s, linha);
    if (!EhNumerico(campos[2]))
        return naLinha(u"Elemento Econômico inválido. Linha: "_s, linha);
    if (IndiceElemento(campos[2]) < 0)
        return naLinha(u"Elemento Econômico não cadastrado. Linha: "_s, linha);
    if (branco(campos[3]))
        return naLinha(u"CPF não informado. Linha: "_s, linha);
    if (!CPFValido(campos[3].trimmed()))
        return naLinha(u"CPF inválido. Linha "_s, linha);
    if (branco(campos[4]))
        return naLinha(u"Nome do responsável pela NE não informado. Linha: "_s, linha);
    if (!EhNumerico(campos[5]) || LeNumero(campos[5].trimmed()) == 0)
        return naLinha(u"Valor da NE não informado. Linha: "_s, linha);
    if (!ValorNoLayout(campos[5]))
        return foraDoLayout(linha);
    if (branco(campos[6]))
        return naLinha(u"Período inicial não informado. Linha: "_s, linha);
    if (!ano_ || !PeriodoExiste(campos[6].trimmed(), *ano_))
        return naLinha(u"Período inicial está incorreto."_s, linha);
    if (branco(campos[7]))
        return naLinha(u"Período final não informado. Linha: "_s, linha);
    if (!ano_ || !PeriodoExiste(campos[7].trimmed(), *ano_))
        return naLinha(u"Período final está incorreto."_s, linha);
    if (!legivel)
        return foraDoLayout(linha);
    notasEmpenho_.insert(*notaEmpenho);
    return std::nullopt;
}
