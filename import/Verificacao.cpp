#include "Verificacao.h"

#include "Falha.h"
#include "LeitorBytes.h"
#include "Module1.h"
#include "Servicos.h"
#include "VerificadorLinhas.h"

using namespace Qt::Literals::StringLiterals;

namespace
{

RecusaLinha RecusaDeFalha(const Falha& falha, const VarianteVerificacao& variante)
{
    const int linha = Module1::TotalLinhas;
    if (variante.erroInesperado == FormaErroInesperado::Descricao)
        return RecusaLinha{falha.descricao, Icone::Nenhum, {}, linha};
    return RecusaLinha{
        u"Erro inesperado na Verificação: "_s + QString::number(falha.numero) +
            u". Uma informação prevista não foi consistida pelo programa ou o arquivo "
            u"está sem quebra de linhas, verifique a linha "_s +
            QString::number(linha) + u". Verifique"_s,
        Icone::Parada,
        {},
        linha};
}

// Keeps the window's commands blocked for as long as it lives, unless it is let go once the
// window has closed.
class Bloqueio
{
public:
    explicit Bloqueio(PainelVerificacao& painel) : painel_(&painel)
    {
        painel_->bloqueiaComandos(true);
    }
    ~Bloqueio()
    {
        if (painel_)
            painel_->bloqueiaComandos(false);
    }
    Bloqueio(const Bloqueio&) = delete;
    Bloqueio& operator=(const Bloqueio&) = delete;

    void dispensa() { painel_ = nullptr; }

private:
    PainelVerificacao* painel_;
};

} // namespace

std::optional<RecusaLinha> Verifica(ArquivoLido& arquivo, const VarianteVerificacao& variante,
                                    const QString& exercicio, PainelVerificacao& painel,
                                    Atividade& atividade)
{
    try {
        // Zero before the file is opened, so a file that cannot be opened names line 0.
        Module1::TotalLinhas = 0;
        if (variante.contagemCedeEventos) {
            PercorreLinhas(arquivo.abre(), [&](const QByteArray&) {
                ++Module1::TotalLinhas;
                atividade.processaEventosNoLaco();
                return true;
            });
        } else {
            Module1::TotalLinhas = ContaLinhasArquivo(arquivo.abre());
        }
        Inteiro32 maximo = Module1::TotalLinhas;
        maximo += 1;
        if (!variante.statusVerificando.isEmpty())
            painel.mostraStatus(variante.statusVerificando);
        painel.mostraProgresso(1, maximo, 1);
        atividade.processaEventos();

        VerificadorLinhas verificador(variante, exercicio, Module1::TotalLinhas);
        std::optional<RecusaLinha> recusa;
        Module1::TotalLinhas = 0;
        PercorreLinhas(arquivo.abre(), [&](const QByteArray& linha) {
            ++Module1::TotalLinhas;
            Inteiro32 valor = Module1::TotalLinhas;
            valor += 1;
            painel.avancaProgresso(valor);
            recusa = verificador.verifica(linha, Module1::TotalLinhas);
            return !recusa;
        });
        return recusa;
    } catch (const Falha& falha) {
        return RecusaDeFalha(falha, variante);
    }
}

std::optional<RecusaLinha> Verifica(const QString& caminho, const VarianteVerificacao& variante,
                                    const QString& exercicio, PainelVerificacao& painel,
                                    Atividade& atividade)
{
    ArquivoLido arquivo(caminho);
    return Verifica(arquivo, variante, exercicio, painel, atividade);
}

bool VerificaArquivo(ArquivoLido& arquivo, const QString& exercicio, PainelVerificacao& painel,
                     Mensagens& mensagens, Atividade& atividade)
{
    const Bloqueio bloqueio(painel);
    const std::optional<RecusaLinha> recusa =
        Verifica(arquivo, VarianteVerificacao::arquivo(), exercicio, painel, atividade);
    if (recusa)
        MostraRecusa(*recusa, mensagens);
    return !recusa;
}

bool VerificaArquivo(const QString& caminho, const QString& exercicio, PainelVerificacao& painel,
                     Mensagens& mensagens, Atividade& atividade)
{
    ArquivoLido arquivo(caminho);
    return VerificaArquivo(arquivo, exercicio, painel, mensagens, atividade);
}

bool VerificaImportacao(const QString& caminho, PainelVerificacao& painel, Mensagens& mensagens,
                        Atividade& atividade, const std::function<bool()>& importarDados)
{
    ArquivoLido arquivo(caminho);
    return VerificaImportacao(arquivo, painel, mensagens, atividade, importarDados);
}

bool VerificaImportacao(ArquivoLido& arquivo, PainelVerificacao& painel, Mensagens& mensagens,
                        Atividade& atividade, const std::function<bool()>& importarDados)
{
    Bloqueio bloqueio(painel);
    const std::optional<RecusaLinha> recusa =
        Verifica(arquivo, VarianteVerificacao::importacao(), {}, painel, atividade);
    if (recusa) {
        MostraRecusa(*recusa, mensagens);
        painel.ocultaStatus(false);
        return false;
    }
    painel.mostraStatus(u"Verificado !"_s);
    atividade.processaEventos();
    const Resposta resposta =
        mensagens.mostra(u"Verificação concluida. Deseja Importar os dados agora ?"_s,
                         Icone::Pergunta, Botoes::SimNao);
    if (resposta == Resposta::Sim && importarDados()) {
        bloqueio.dispensa();
        return true;
    }
    painel.ocultaStatus(true);
    return false;
}
