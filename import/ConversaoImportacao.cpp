#include "ConversaoImportacao.h"

#include "ArquivoDados.h"
#include "Estreito.h"
#include "Falha.h"
#include "LeitorBytes.h"
#include "Validacao.h"

#include <QBuffer>

using namespace Qt::Literals::StringLiterals;

namespace
{

Cabecalho CabecalhoImportado(const Registro& campos)
{
    return Cabecalho{
        campos[1].left(CorteImportacao::Exercicio), campos[0].left(CorteImportacao::Orgao),
        campos[2].left(CorteImportacao::Elaborador), campos[3].left(CorteImportacao::Responsavel)};
}

Adiantamento AdiantamentoImportado(Registro campos)
{
    campos[0].truncate(CorteImportacao::Processo);
    // The NE's leading zeros go before the cut: the verifier passed 000123456789 as 123456789,
    // and cutting first would load 123456, a number nobody typed.
    QStringView ne = QStringView(campos[1]).trimmed();
    while (ne.size() > 1 && ne.front() == u'0')
        ne = ne.sliced(1);
    campos[1] = ne.left(CorteImportacao::NotaEmpenho).toString();
    // The CPF as the entry keeps a typed one: its eleven digits. Cut to twelve characters, a
    // CPF written with points and a hyphen would lose its check digits.
    QString cpf = campos[3].trimmed();
    campos[3] = ValidaCPF(cpf);
    if (campos[3].isEmpty())
        throw Falha::numerada(Falha::ArgumentoInvalido);
    campos[4].truncate(CorteImportacao::Nome);
    // Blanks around a period are not part of it; cut first, they would cut the period instead.
    campos[6] = campos[6].trimmed().left(CorteImportacao::Periodo);
    campos[7] = campos[7].trimmed().left(CorteImportacao::Periodo);
    // Past the cuts, the columns follow the data file reader's rules.
    return AdiantamentoDeRegistro(campos);
}

} // namespace

ResultadoImportacao ConverteImportacao(QIODevice& dispositivo,
                                       const std::function<void(int valor)>& avanca)
{
    Inteiro16 registro = 1;
    try {
        LeitorBytes bytes(dispositivo);
        LeitorRegistros leitor(bytes);
        DadosImportados dados;
        while (!leitor.fim()) {
            const Registro campos = leitor.proximo();
            if (registro == 1)
                dados.cabecalho = CabecalhoImportado(campos);
            else
                dados.adiantamentos.append(AdiantamentoImportado(campos));
            // Overflows past record 32766, before the next one is read.
            registro += 1;
            if (avanca)
                avanca(registro);
        }
        return dados;
    } catch (const Falha&) {
        return RegistroRecusado{registro};
    }
}

ResultadoImportacao ConverteImportacao(const QByteArray& bytes,
                                       const std::function<void(int valor)>& avanca)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ConverteImportacao(buffer, avanca);
}

ResultadoImportacao ConverteImportacao(ArquivoLido& arquivo,
                                       const std::function<void(int valor)>& avanca)
{
    QIODevice* dispositivo = nullptr;
    try {
        dispositivo = &arquivo.abre();
    } catch (const Falha&) {
        return RegistroRecusado{1};
    }
    return ConverteImportacao(*dispositivo, avanca);
}

ResultadoImportacao ConverteImportacao(const QString& caminho,
                                       const std::function<void(int valor)>& avanca)
{
    ArquivoLido arquivo(caminho);
    return ConverteImportacao(arquivo, avanca);
}

QString MensagemRegistroRecusado(int registro)
{
    return u"Provavelmente as informações na linha "_s + QString::number(registro) +
           u" estão fora do layout esperado, ou não é o arquivo correto. Verifique o Layout no "
           u"programa ou na Internet, no site do ORVAL."_s;
}
