#include "Formatos.h"

#include <iterator>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace
{

qint64 parteInteira(Centavos valor)
{
    return qAbs(valor / 100);
}

// A money text built right to left in `espaco`, without a text of its own: every row's value
// goes through here when the list is drawn, sorted by value, printed or written.
// The whole part has at least `digitosMinimos` digits (zero-filled), grouped in threes with
// points when asked; then the separator and two decimals.
QStringView MontaValorEm(Centavos valor, int digitosMinimos, bool agrupar, char16_t separador,
                         EspacoValor& espaco)
{
    char16_t* const fim = espaco.data() + espaco.size();
    char16_t* p = fim;
    const auto centavos = static_cast<int>(qAbs(valor % 100));
    *--p = char16_t(u'0' + centavos % 10);
    *--p = char16_t(u'0' + centavos / 10);
    *--p = separador;
    auto inteiro = static_cast<quint64>(parteInteira(valor));
    for (int n = 0; n == 0 || inteiro > 0 || n < digitosMinimos; ++n) {
        if (agrupar && n > 0 && n % 3 == 0)
            *--p = u'.';
        *--p = char16_t(u'0' + inteiro % 10);
        inteiro /= 10;
    }
    if (valor < 0)
        *--p = u'-';
    return QStringView(p, fim - p);
}

QString MontaValor(Centavos valor, int digitosMinimos, bool agrupar, char16_t separador)
{
    EspacoValor espaco;
    return MontaValorEm(valor, digitosMinimos, agrupar, separador, espaco).toString();
}

bool ehBranco(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool ehDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString FormataMoeda(Centavos valor)
{
    return MontaValor(valor, 1, true, u',');
}

QString FormataChaveValor(Centavos valor)
{
    return MontaValor(valor, 8, true, u',');
}

QString FormataDecimal(Centavos valor)
{
    return MontaValor(valor, 1, false, u',');
}

QString FormataValorArquivo(Centavos valor)
{
    return MontaValor(valor, 1, false, u'.');
}

QStringView FormataValorArquivo(Centavos valor, EspacoValor& espaco)
{
    return MontaValorEm(valor, 1, false, u'.', espaco);
}

QString FormataInteiro(qint64 numero)
{
    return QString::number(numero);
}

QString FormataZeros(qint64 numero, int digitos)
{
    if (numero < 0)
        return u'-' + QString::number(-numero).rightJustified(digitos, u'0');
    return QString::number(numero).rightJustified(digitos, u'0');
}

std::optional<Centavos> LeMoeda(const QString& texto)
{
    const QString t = texto.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negativo = t[i] == u'-';
        ++i;
    }
    // Whole part: digits, optionally grouped with points.
    qint64 inteiro = 0;
    int digitos = 0;
    for (; i < t.size() && (t[i].isDigit() || t[i] == u'.'); ++i) {
        if (t[i] == u'.')
            continue;
        if (++digitos > 15)
            return std::nullopt;
        inteiro = inteiro * 10 + t[i].digitValue();
    }
    qint64 centavos = 0;
    int casas = 0;
    bool arredondaParaCima = false;
    if (i < t.size() && t[i] == u',') {
        for (++i; i < t.size() && t[i].isDigit(); ++i, ++casas) {
            if (casas < 2)
                centavos = centavos * 10 + t[i].digitValue();
            else if (casas == 2)
                arredondaParaCima = t[i].digitValue() >= 5;
        }
    }
    if (i != t.size() || (digitos == 0 && casas == 0))
        return std::nullopt;
    if (casas == 1)
        centavos *= 10;
    Centavos valor = inteiro * 100 + centavos + (arredondaParaCima ? 1 : 0);
    return negativo ? -valor : valor;
}

std::optional<Centavos> LeValorPartes(QStringView inteiro, QStringView decimais)
{
    // Any decimal digit counts, as the toolkit reads digits; the file's own are plain ones.
    const auto digito = [](QChar c) { return ehDigito(c) ? c.unicode() - u'0' : c.digitValue(); };
    if (decimais.size() != 2 || !decimais[0].isDigit() || !decimais[1].isDigit())
        return std::nullopt;
    const QStringView t = inteiro.trimmed();
    qsizetype i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negativo = t[i] == u'-';
        ++i;
    }
    if (i == t.size() || t.size() - i > 15)
        return std::nullopt;
    qint64 valor = 0;
    for (; i < t.size(); ++i) {
        if (!t[i].isDigit())
            return std::nullopt;
        valor = valor * 10 + digito(t[i]);
    }
    const bool decimaisSimples = ehDigito(decimais[0]) && ehDigito(decimais[1]);
    valor = valor * 100 +
            (decimaisSimples ? digito(decimais[0]) * 10 + digito(decimais[1]) : decimais.toInt());
    return negativo ? -valor : valor;
}

qint64 LeNumeroInicial(const QString& texto)
{
    qsizetype i = 0;
    while (i < texto.size() && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+')) {
        negativo = texto[i] == u'-';
        ++i;
    }
    qint64 valor = 0;
    constexpr qint64 limite = std::numeric_limits<qint64>::max() / 10 - 10;
    for (; i < texto.size() && texto[i] >= u'0' && texto[i] <= u'9'; ++i) {
        if (valor < limite)
            valor = valor * 10 + (texto[i].unicode() - u'0');
    }
    return negativo ? -valor : valor;
}

bool EhNumerico(QStringView texto)
{
    qsizetype i = 0;
    qsizetype fim = texto.size();
    while (i < fim && ehBranco(texto[i]))
        ++i;
    while (fim > i && ehBranco(texto[fim - 1]))
        --fim;
    if (i < fim && (texto[i] == u'-' || texto[i] == u'+'))
        ++i;
    bool separador = false;
    bool digito = false;
    for (; i < fim; ++i) {
        if (ehDigito(texto[i]))
            digito = true;
        else if ((texto[i] == u'.' || texto[i] == u',') && !separador)
            separador = true;
        else
            return false;
    }
    return digito;
}

double LeNumero(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && ehBranco(texto[i]))
        ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+')) {
        negativo = texto[i] == u'-';
        ++i;
    }
    // Digit by digit in floating point: a run of zeros stays exactly zero, and a run too long
    // for any number goes to infinity instead of overflowing an integer.
    double valor = 0;
    for (; i < texto.size() && ehDigito(texto[i]); ++i)
        valor = valor * 10 + (texto[i].unicode() - u'0');
    if (i < texto.size() && (texto[i] == u'.' || texto[i] == u',')) {
        double escala = 0.1;
        for (++i; i < texto.size() && ehDigito(texto[i]); ++i, escala /= 10)
            valor += (texto[i].unicode() - u'0') * escala;
    }
    return negativo ? -valor : valor;
}

namespace
{

// Day and month of a "dd/mm" text, when it is one; the day is not checked against the month.
std::optional<std::pair<int, int>> DiaMes(QStringView ddmm)
{
    if (ddmm.size() != 5 || ddmm[2] != u'/')
        return std::nullopt;
    for (int i : {0, 1, 3, 4}) {
        if (ddmm[i] < u'0' || ddmm[i] > u'9')
            return std::nullopt;
    }
    return std::pair((ddmm[0].unicode() - u'0') * 10 + (ddmm[1].unicode() - u'0'),
                     (ddmm[3].unicode() - u'0') * 10 + (ddmm[4].unicode() - u'0'));
}

// The calendar's rule, without building a date: every period of every file line is checked.
bool DiaExiste(int dia, int mes, int ano)
{
    if (mes < 1 || mes > 12 || dia < 1)
        return false;
    static constexpr int Dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissexto = (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
    return dia <= Dias[mes - 1] + (mes == 2 && bissexto ? 1 : 0);
}

} // namespace

bool PeriodoExiste(QStringView ddmm, int ano)
{
    const auto diaMes = DiaMes(ddmm);
    return diaMes && ano >= 1 && DiaExiste(diaMes->first, diaMes->second, ano);
}

std::optional<QDate> LePeriodo(QStringView ddmm, int ano)
{
    if (!PeriodoExiste(ddmm, ano))
        return std::nullopt;
    const auto [dia, mes] = *DiaMes(ddmm);
    return QDate(ano, mes, dia);
}

QString ChaveMesDia(const QString& ddmm)
{
    // Any leap year admits every day/month pair, so 29/02 keys as 0229 in every exercise.
    if (!PeriodoExiste(ddmm, 2000))
        return ddmm;
    return ddmm.mid(3, 2) + ddmm.left(2);
}
