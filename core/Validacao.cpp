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

enum class DigitosCPF { Nenhum, Invalidos, Lidos };

// The digits of a CPF text, zero-filled on the left to eleven. Nenhum when it has none;
// Invalidos when it has only zeros or more than eleven.
DigitosCPF LeDigitosCPF(QStringView cpf, char16_t (&digitos)[11])
{
    // Gathered in place: every line of a verified file comes through here.
    char16_t lidos[11];
    int total = 0;
    bool soZeros = true;
    for (const QChar c : cpf) {
        if (c < u'0' || c > u'9')
            continue;
        // More digits than a CPF holds: no CPF at all, and never a shortened one.
        if (total == 11)
            return DigitosCPF::Invalidos;
        soZeros = soZeros && c == u'0';
        lidos[total++] = c.unicode();
    }
    if (total == 0)
        return DigitosCPF::Nenhum;
    if (soZeros)
        return DigitosCPF::Invalidos;
    std::fill(digitos, digitos + 11 - total, u'0');
    std::copy(lidos, lidos + total, digitos + 11 - total);
    return DigitosCPF::Lidos;
}

bool DigitosConferem(const char16_t (&digitos)[11])
{
    const int c1 = digitoVerificador(digitos, 9, 10, 0);
    const int c2 = digitoVerificador(digitos, 9, 11, 2 * c1);
    return digitos[9] - u'0' == c1 && digitos[10] - u'0' == c2;
}

} // namespace

QString ValidaCPF(QString& cpf)
{
    char16_t digitos[11];
    switch (LeDigitosCPF(cpf, digitos)) {
    case DigitosCPF::Nenhum:
        if (cpf.trimmed().isEmpty())
            cpf = QString();
        return {};
    case DigitosCPF::Invalidos:
        return {};
    case DigitosCPF::Lidos:
        break;
    }
    cpf = QString(reinterpret_cast<const QChar*>(digitos), 11);
    return DigitosConferem(digitos) ? cpf : QString();
}

bool CPFValido(QStringView cpf)
{
    char16_t digitos[11];
    return LeDigitosCPF(cpf, digitos) == DigitosCPF::Lidos && DigitosConferem(digitos);
}

std::optional<int> AnoDoExercicio(QStringView exercicio)
{
    bool ok = false;
    const int ano = exercicio.trimmed().toInt(&ok);
    if (!ok || ano < 100 || ano > 9999)
        return std::nullopt;
    return ano;
}

bool PeriodoValido(QStringView campo, QStringView exercicio)
{
    const std::optional<int> ano = AnoDoExercicio(exercicio);
    return ano && PeriodoExiste(campo, *ano);
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
