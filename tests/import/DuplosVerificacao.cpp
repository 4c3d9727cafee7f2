#include "DuplosVerificacao.h"

using namespace Qt::Literals::StringLiterals;

void PrintTo(const Caixa& caixa, std::ostream* os)
{
    *os << '"' << caixa.texto.toStdString() << "\" icone " << static_cast<int>(caixa.icone)
        << " botoes " << static_cast<int>(caixa.botoes) << " titulo \""
        << caixa.titulo.toStdString() << '"';
}

Resposta MensagensGravadas::mostra(const QString& texto, Icone icone, Botoes botoes,
                                   const QString& titulo)
{
    caixas.append(Caixa{texto, icone, botoes, titulo});
    diario_.append(u"caixa: "_s + texto);
    return respostas.isEmpty() ? Resposta::Ok : respostas.takeFirst();
}

void PainelGravado::mostraProgresso(int minimo, int maximo, int valor)
{
    diario_.append(u"progresso %1 a %2, valor %3"_s.arg(minimo).arg(maximo).arg(valor));
}

void PainelGravado::avancaProgresso(int valor)
{
    diario_.append(u"avanço "_s + QString::number(valor));
}

void PainelGravado::bloqueiaComandos(bool bloqueados)
{
    diario_.append(bloqueados ? u"bloqueio sim"_s : u"bloqueio não"_s);
}

void PainelGravado::mostraStatus(const QString& texto)
{
    diario_.append(u"status "_s + texto);
}

void PainelGravado::ocultaStatus(bool esvaziaTexto)
{
    diario_.append(esvaziaTexto ? u"oculta e esvazia"_s : u"oculta"_s);
}
