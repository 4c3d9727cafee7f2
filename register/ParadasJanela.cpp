#include "ParadasJanela.h"

#include <QWidget>

#include <algorithm>
#include <iterator>
#include <optional>

namespace
{

// The operator's order through the window, each stop by its object name in the form; the entry
// fields carry the names the entry rules and the register routines give them. The tab order and
// the control a refusal focuses both come from here.
struct Parada {
    const char* nome;
    std::optional<Campo> campo = std::nullopt;
    std::optional<CampoCabecalho> cabecalho = std::nullopt;
};

constexpr Parada Paradas[] = {
    {"TxtExercicio", Campo::TxtExercicio, CampoCabecalho::Exercicio},
    {"CmdCarrega"},
    {"TxtOrgao", Campo::TxtOrgao, CampoCabecalho::Orgao},
    {"TxtElaborador", Campo::TxtElaborador, CampoCabecalho::Elaborador},
    {"TxtResponsavel", Campo::TxtResponsavel, CampoCabecalho::Responsavel},
    {"CmdIncluir"},
    {"CmdAlterar"},
    {"CmdExcluir"},
    {"CmdImprimir"},
    {"CmdGravarArquivo"},
    {"CmdRestaurar"},
    {"CmdImportar"},
    {"CmdSair"},
    {"TxtProcesso", Campo::TxtProcesso},
    {"TxtNumeroNotaEmpenho", Campo::TxtNumeroNotaEmpenho},
    {"CboElemEcon", Campo::CboElemEcon},
    {"CboCPF", Campo::CboCPF},
    {"TxtNomeResponsavel", Campo::TxtNomeResponsavel, CampoCabecalho::NomeCredor},
    {"TxtValor", Campo::TxtValor},
    {"TxtDataInicial", Campo::TxtDataInicial},
    {"TxtDataFinal", Campo::TxtDataFinal},
    {"CmdOK"},
    {"CmdVoltar"},
    {"LvwAdiantamentos"},
    {"cmdAjuda"},
};

QWidget* ControleDa(const QWidget& janela, const Parada& p)
{
    auto* w = janela.findChild<QWidget*>(QLatin1StringView(p.nome));
    Q_ASSERT_X(w != nullptr, "ParadasJanela", p.nome);
    return w;
}

template <typename Nome>
QWidget* ControleDo(const QWidget& janela, std::optional<Nome> Parada::*coluna, Nome nome)
{
    const auto p = std::find_if(std::begin(Paradas), std::end(Paradas),
                                [&](const Parada& p) { return p.*coluna == nome; });
    Q_ASSERT(p != std::end(Paradas));
    return ControleDa(janela, *p);
}

} // namespace

void OrdenaParadas(QWidget& janela)
{
    QWidget* anterior = nullptr;
    for (const Parada& p : Paradas) {
        QWidget* proximo = ControleDa(janela, p);
        if (anterior != nullptr)
            QWidget::setTabOrder(anterior, proximo);
        anterior = proximo;
    }
}

QWidget* ControleDe(const QWidget& janela, Campo campo)
{
    return ControleDo(janela, &Parada::campo, campo);
}

QWidget* ControleDe(const QWidget& janela, CampoCabecalho campo)
{
    return ControleDo(janela, &Parada::cabecalho, campo);
}
