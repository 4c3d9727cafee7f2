#include "EnvioJanela.h"

#include "ArquivoEnvio.h"
#include "Falha.h"
#include "FormRegistro.h"
#include "Module1.h"
#include "PainelVerificacao.h"
#include "Registro.h"
#include "Servicos.h"
#include "frmGrava.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The waiting panel's bar follows the coding pass, a step a line.
class AndamentoNaJanela final : public AndamentoEnvio
{
public:
    AndamentoNaJanela(FormRegistro& form, PainelVerificacao& painel) : form_(form), painel_(painel)
    {
    }

    void linhasContadas(int total) override
    {
        form_.progresso(1, total + 1, 1);
        valor_ = 1;
        form_.aguarde(u"Codificando, aguarde..."_s);
    }
    void proximaLinha() override { painel_.avancaProgresso(++valor_); }

private:
    FormRegistro& form_;
    PainelVerificacao& painel_;
    int valor_ = 1;
};

} // namespace

std::optional<Campo> PreparaEnvio(QWidget& janela, FormRegistro& form, PainelVerificacao& painel,
                                  Servicos& servicos)
{
    const Cabecalho c = CabecalhoAberto(form);
    std::optional<Recusa> recusa = ChecaCabecalho(c);
    if (!recusa)
        recusa = ChecaNomeCredor(form.nomeCredor());
    if (recusa) {
        servicos.mensagens.mostra(recusa->texto, recusa->icone, Botoes::Ok, recusa->titulo);
        return recusa->foco;
    }
    const auto mostra = [&](const MensagemEnvio& m) {
        servicos.mensagens.mostra(m.texto, m.icone, Botoes::Ok, m.titulo);
    };
    const QString envio = CaminhoArquivoEnvio(c.exercicio);
    std::optional<Falha> falha;
    {
        // The panel lets events through: no other command may start meanwhile.
        painel.bloqueiaComandos(true);
        const auto termina = [&] {
            servicos.atividade.ocupado(false);
            form.fimAguarde();
            painel.bloqueiaComandos(false);
        };
        servicos.atividade.ocupado(true);
        form.aguarde(u"Lendo arquivo, aguarde..."_s);
        AndamentoNaJanela andamento(form, painel);
        try {
            falha = GravaArquivoEnvio(Module1::ArquivoExercicio, envio, andamento);
        } catch (...) {
            termina();
            throw;
        }
        termina();
    }
    if (falha) {
        mostra(MensagemFalhaEnvio(*falha));
        return std::nullopt;
    }
    if (QFileInfo(envio).size() == 0) {
        mostra(MensagemEnvioVazio());
        return std::nullopt;
    }
    try {
        Module1::ModoGrava = u"T"_s;
        frmGrava::Mostra(janela, form, servicos);
    } catch (const Falha& f) {
        mostra(MensagemFalhaEnvio(f));
    }
    return std::nullopt;
}
