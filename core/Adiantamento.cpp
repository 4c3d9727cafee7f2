#include "Adiantamento.h"

#include "Catalogo.h"

QString TextoColuna(const Adiantamento& a, int coluna)
{
    switch (coluna) {
    case Coluna::Processo:
        return a.processo;
    case Coluna::NotaEmpenho:
        return a.notaEmpenho;
    case Coluna::ElementoEconomico:
        return ItensCatalogo().value(a.elemento);
    case Coluna::CpfCredor:
        return a.cpf;
    case Coluna::NomeCredor:
        return a.nome;
    case Coluna::Valor:
        return FormataMoeda(a.valor);
    case Coluna::PeriodoInicial:
        return a.periodoInicial;
    case Coluna::PeriodoFinal:
        return a.periodoFinal;
    case Coluna::ChaveNe: {
        bool numero = false;
        const qint64 ne = a.notaEmpenho.toLongLong(&numero);
        return numero ? FormataZeros(ne, 9) : a.notaEmpenho;
    }
    case Coluna::ChaveEe:
        return a.elemento > 0 ? CodigoElemento(ItensCatalogo()[a.elemento]).toString() : QString();
    case Coluna::ChaveVl:
        return FormataChaveValor(a.valor);
    case Coluna::ChavePi:
        return ChaveMesDia(a.periodoInicial);
    case Coluna::ChavePf:
        return ChaveMesDia(a.periodoFinal);
    default:
        return {};
    }
}

QString ChaveCPF(const QString& cpf)
{
    if (cpf.size() == 12)
        return cpf.left(9) + cpf.right(2);
    return cpf;
}

bool TemChaveCPF(QStringView cpf, QStringView chave)
{
    if (cpf.size() == 12)
        return chave.size() == 11 && cpf.first(9) == chave.first(9) && cpf.last(2) == chave.last(2);
    return cpf == chave;
}
