#include "Validacao.h"

#include "Formatos.h"

namespace
{

int digitoVerificador(const QString& digitos, int quantos, int pesoInicial, int extra)
{
    int soma = extra;
    for (int i = 0; i < quantos; ++i)
        soma += (pesoInicial - i) * digitos[i].digitValue();
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

} // namespace

QString ValidaCPF(QString& cpf)
{
    QString digitos;
    for (const QChar c : cpf) {
        if (c >= u'0' && c <= u'9')
            digitos.append(c);
    }
    if (!cpf.trimmed().isEmpty() && digitos.count(u'0') == digitos.size())
        return {};
    // More digits than a CPF holds: no CPF at all, and never a shortened one.
    if (digitos.size() > 11)
        return {};
    cpf = digitos.isEmpty() ? QString() : digitos.rightJustified(11, u'0');
    if (cpf.isEmpty())
        return {};
    const int c1 = digitoVerificador(cpf, 9, 10, 0);
    const int c2 = digitoVerificador(cpf, 9, 11, 2 * c1);
    if (cpf[9].digitValue() == c1 && cpf[10].digitValue() == c2)
        return cpf;
    return {};
}

bool PeriodoValido(const QString& campo, const QString& exercicio)
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
