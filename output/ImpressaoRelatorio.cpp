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
    std::optional<Falha> falha;
    {
        // Hundreds of pages are laid out and drawn before the printer has them.
        const Ocupado ocupado(servicos.atividade);
        const auto paginas = Monta(cabecalho, linhas, servicos.mensagens);
        if (!paginas)
            return;
        falha = servicos.impressao.imprime(*paginas);
    }
    if (falha) {
        servicos.mensagens.mostra(falha->descricao);
        return;
    }
    servicos.mensagens.mostra(u"Aguarde o final da impressão..."_s);
}

void VisualizaRelatorio(const Cabecalho& cabecalho, const QList<Adiantamento>& linhas,
                        Servicos& servicos)
{
    std::optional<Falha> falha;
    {
        // Until the preview has drawn its pages; the preview itself is used with the arrow.
        const Ocupado ocupado(servicos.atividade);
        const auto paginas = Monta(cabecalho, linhas, servicos.mensagens);
        if (!paginas)
            return;
        falha = servicos.impressao.visualiza(*paginas);
    }
    if (falha)
        servicos.mensagens.mostra(falha->descricao);
}
