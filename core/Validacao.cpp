#include "Validacao.h"

#include "Formatos.h"

#include <algorithm>

namespace
{

int digitoVerificador(const char16_t* digitos, int quantos, int pesoInicial, int extra)
{
    int soma = extra;
    for (int i = 0; i < quantos; ++i)
        soma += (pesoInicial - i) * (digitos[i] - u'0');
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

} // namespace

QString ValidaCPF(QString& cpf)
{
    // The digits are gathered in place, zero-filled on the left: every line of a verified file
    // comes through here, and only the one text that goes back into `cpf` is built.
    char16_t lidos[11];
    int total = 0;
    bool soZeros = true;
    for (const QChar c : cpf) {
        if (c < u'0' || c > u'9')
            continue;
        // More digits than a CPF holds: no CPF at all, and never a shortened one.
        if (total == 11)
            return {};
        soZeros = soZeros && c == u'0';
        lidos[total++] = c.unicode();
    }
    if (total == 0) {
        if (cpf.trimmed().isEmpty())
            cpf = QString();
        return {};
    }
    if (soZeros)
        return {};
    char16_t digitos[11];
    std::fill(digitos, digitos + 11 - total, u'0');
    std::copy(lidos, lidos + total, digitos + 11 - total);
    cpf = QString(reinterpret_cast<const QChar*>(digitos), 11);
    const int c1 = digitoVerificador(digitos, 9, 10, 0);
    const int c2 = digitoVerificador(digitos, 9, 11, 2 * c1);
    if (digitos[9] - u'0' == c1 && digitos[10] - u'0' == c2)
        return cpf;
    return {};
}

bool PeriodoValido(QStringView campo, QStringView exercicio)
{
    bool ok = false;
    const int ano = exercicio.trimmed().toInt(&ok);
    if (!ok || ano < 100 || ano > 9999)
        return false;
    return LePeriodo(campo, ano).has_value();
}

QString TrocaVirgula(const QString& texto)
{
    QString convertido;
    for (const QChar c : texto.trimmed()) {
        if (c == u' ')
            continue;
        convertido.append(c == u',' ? QChar(u'.') : c);
    }
    return convertido;
}

char16_t FiltraNumero(char16_t& caractere, bool virgulaPermitida, bool& virgulaDigitada)
{
    if (caractere >= u'0' && caractere <= u'9')
        return caractere;
    if (virgulaPermitida && caractere == u',' && !virgulaDigitada) {
        virgulaDigitada = true;
        return caractere;
    }
    caractere = 0;
    return 0;
}
