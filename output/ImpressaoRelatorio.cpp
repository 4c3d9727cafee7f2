#include "ImpressaoRelatorio.h"

#include "Relatorio.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

// The pages, once the operator has been told what went wrong in laying them out; nothing
// when the document is cancelled.
std::optional<QList<PaginaImpressa>> Monta(const Cabecalho& cabecalho,
                                           const QList<Adiantamento>& linhas, Mensagens& mensagens)
{
    const Relatorio relatorio = MontaRelatorio(cabecalho, LinhasRelatorio(linhas));
    for (const Falha& falha : relatorio.falhasCabec)
        mensagens.mostra(TextoFalhaCabec(falha));
    if (relatorio.falha) {
        mensagens.mostra(relatorio.falha->descricao);
        return std::nullopt;
    }
    return relatorio.paginas;
}

} // namespace

void ImprimeRelatorio(const Cabecalho& cabecalho, const QList<Adiantamento>& linhas,
                      Servicos& servicos)
{
    const auto paginas = Monta(cabecalho, linhas, servicos.mensagens);
    if (!paginas)
        return;
    if (const auto falha = servicos.impressao.imprime(*paginas)) {
        servicos.mensagens.mostra(falha->descricao);
        return;
    }
    servicos.mensagens.mostra(u"Aguarde o final da impressão..."_s);
}

void VisualizaRelatorio(const Cabecalho& cabecalho, const QList<Adiantamento>& linhas,
                        Servicos& servicos)
{
    const auto paginas = Monta(cabecalho, linhas, servicos.mensagens);
    if (!paginas)
        return;
    if (const auto falha = servicos.impressao.visualiza(*paginas))
        servicos.mensagens.mostra(falha->descricao);
}
