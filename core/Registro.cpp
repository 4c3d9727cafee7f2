#include "Registro.h"

#include "ArquivoDados.h"
#include "Caminhos.h"
#include "CopiaSegura.h"
#include "FormRegistro.h"
#include "Formatos.h"
#include "LeitorBytes.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "Servicos.h"
#include "Substituto.h"
#include "Versoes.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

QString CaminhoArquivoExercicio(const QString& exercicio)
{
    return JuntaCaminho(PastaPrograma(), NomeArquivoExercicio(exercicio));
}

void AbreExercicio(const QString& exercicio)
{
    Module1::ArquivoExercicio =
        exercicio.trimmed().isEmpty() ? QString() : CaminhoArquivoExercicio(exercicio);
}

void FechaExercicio()
{
    Module1::ArquivoExercicio.clear();
}

QString ExercicioAberto()
{
    return Module1::ArquivoExercicio.isEmpty()
               ? QString()
               : AnoDoArquivoExercicio(QFileInfo(Module1::ArquivoExercicio).fileName());
}

Cabecalho CabecalhoAberto(const FormRegistro& form)
{
    Cabecalho c = form.cabecalho();
    c.exercicio = ExercicioAberto();
    return c;
}

namespace
{

bool recusa(FormRegistro& form, Mensagens& mensagens, const QString& texto, CampoCabecalho campo)
{
    mensagens.bipe();
    mensagens.mostra(texto, Icone::Parada);
    form.focaCabecalho(campo);
    return false;
}

// After a failed write or delete: a version that still is the data file, which kept its name,
// would only repeat it. One the data file no longer is (the new file took the name, and only
// the folder's sync failed) is the sole copy of the register it replaced: it stays.
void descartaVersaoRepetida(const VersaoGuardada& versao)
{
    if (!versao.caminho.isEmpty() && MesmoArquivo(versao.caminho, Module1::ArquivoExercicio))
        QFile::remove(versao.caminho);
}

void avisaVersao(Mensagens& mensagens, const std::optional<Falha>& falha, const QString& feito)
{
    if (falha)
        mensagens.mostra(MensagemVersaoNaoGuardada(Module1::ArquivoExercicio, *falha, feito),
                         Icone::Exclamacao);
}

} // namespace

bool GravaArquivo(FormRegistro& form, Mensagens& mensagens)
{
    const Cabecalho cabecalho = CabecalhoAberto(form);
    if (LeNumeroInicial(cabecalho.exercicio) < 2003)
        return recusa(form, mensagens, u"Informe um Exercício a partir de 2003"_s,
                      CampoCabecalho::Exercicio);
    if (cabecalho.orgao.trimmed().isEmpty())
        return recusa(form, mensagens, u"Informe o nome do(a) UGE/Órgão/Entidade"_s,
                      CampoCabecalho::Orgao);
    if (cabecalho.responsavel.trimmed().isEmpty())
        return recusa(form, mensagens, u"Informe o nome do Responsável"_s,
                      CampoCabecalho::Responsavel);
    if (form.lista().linhas() == 0)
        return recusa(form, mensagens, u"Nenhum Adiantamento foi informado."_s,
                      CampoCabecalho::Responsavel);

    // The file as it was becomes a version once the new one is whole, before it takes the name.
    const QDateTime agora = QDateTime::currentDateTime();
    VersaoGuardada versao;
    const std::optional<Falha> falha = EscreveArquivoExercicio(
        Module1::ArquivoExercicio, cabecalho, form.lista().todas(), form.lista().linhasGravadas(),
        [&] { versao = GuardaVersao(Module1::ArquivoExercicio, cabecalho.exercicio, agora); });
    if (falha) {
        descartaVersaoRepetida(versao);
        mensagens.mostra(falha->texto());
        return false;
    }
    Module1::PendenteGravar.clear();
    avisaVersao(mensagens, ConcluiVersao(versao, cabecalho.exercicio, agora.date()), u"gravado"_s);
    return true;
}

void ExcluiArquivoExercicio(Mensagens& mensagens)
{
    const QString caminho = Module1::ArquivoExercicio;
    if (caminho.isEmpty() || !QFileInfo::exists(caminho))
        return;
    const QString exercicio = ExercicioAberto();
    const QDateTime agora = QDateTime::currentDateTime();
    const VersaoGuardada versao = GuardaVersao(caminho, exercicio, agora);
    QFile arquivo(caminho);
    errno = 0;
    if (!arquivo.remove()) {
        const Falha falha = Falha::deArquivo(arquivo, errno);
        descartaVersaoRepetida(versao);
        mensagens.mostra(falha.texto());
        return;
    }
    // A name that comes back after a power cut would bring the deleted advances back.
    SincronizaPasta(QFileInfo(caminho).absolutePath());
    avisaVersao(mensagens, ConcluiVersao(versao, exercicio, agora.date()), u"excluído"_s);
}

int ContaLinhas(ArquivoLido& arquivo)
{
    Module1::TotalLinhas = 0;
    Module1::TotalLinhas = ContaLinhasArquivo(arquivo.abre());
    return Module1::TotalLinhas;
}

int ContaLinhas(const QString& caminho)
{
    ArquivoLido arquivo(caminho);
    return ContaLinhas(arquivo);
}

int CarregaArquivo(ArquivoLido& arquivo, FormRegistro& form, Mensagens& mensagens,
                   Atividade& atividade, AoFalhar aoFalhar)
{
    try {
        const int linhas = ContaLinhas(arquivo);
        form.progresso(1, linhas + 1, 1);
        atividade.processaEventos();
        ConteudoExercicio conteudo = LeArquivoExercicio(arquivo.abre(), linhas);
        // An empty file has no header: the header fields keep what they hold.
        if (conteudo.registros > 0)
            form.defineCabecalho(conteudo.cabecalho);
        form.lista().defineLinhas(std::move(conteudo.adiantamentos));
        if (form.lista().linhas() > 0)
            form.habilitaRegistro();
        return 1;
    } catch (const Falha&) {
        mensagens.mostra(
            u"Informações fora do layout esperado, ou não é o arquivo correto. Verifique"_s,
            Icone::Parada);
        if (aoFalhar == AoFalhar::LimpaJanela) {
            form.limpaExercicio();
            form.lista().limpa();
        }
        return 0;
    }
}

int CarregaArquivo(const QString& caminho, FormRegistro& form, Mensagens& mensagens,
                   Atividade& atividade, AoFalhar aoFalhar)
{
    ArquivoLido arquivo(caminho);
    return CarregaArquivo(arquivo, form, mensagens, atividade, aoFalhar);
}
