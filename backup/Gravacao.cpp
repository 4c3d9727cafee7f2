#include "Gravacao.h"

#include "ArquivoEnvio.h"
#include "Caminhos.h"
#include "CopiaSegura.h"
#include "Falha.h"
#include "FormRegistro.h"
#include "Module1.h"
#include "Registro.h"
#include "Servicos.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace
{

const QString TextoFalhaEnvio =
    u"Alguns possíveis problemas na gravação: \r\r"
    u"Se você está tentando gravar em disquete ou CD: a) Verifique se há espaço necessário. "
    u"b) Um possível problema com a unidade de disquete ou CD. c) O tamanho do arquivo não é "
    u"compatível com Disquete ou CD.\r"
    u"Se você está tentando gravar em outro caminho da sua Rede ou do seu computador, verifique "
    u"suas permissões.\r"
    u"Se você está tentando gravar em CD, verifique que deve ser do tipo gravável."_s;

// Whether `caminho` is the folder `raiz` or lies below it.
bool Contem(const QString& raiz, const QString& caminho)
{
    const QString r = QDir::cleanPath(raiz);
    const QString c = QDir::cleanPath(caminho);
    if (c == r)
        return true;
    return c.startsWith(r.endsWith(u'/') ? r : r + u'/');
}

} // namespace

std::optional<CopiaDoModo> CopiaDe(const QString& modo, const QString& exercicio,
                                   const QString& arquivoExercicio, const QString& pasta)
{
    if (modo == u"T"_s)
        return CopiaDoModo{CaminhoArquivoEnvio(exercicio),
                           JuntaCaminho(pasta, NomeArquivoEnvio(exercicio)),
                           u"Arquivo para o ORVAL gravado. "_s, u"Arquivo para o ORVAL"_s};
    if (modo == u"B"_s)
        return CopiaDoModo{arquivoExercicio, JuntaCaminho(pasta, NomeArquivoBackup(exercicio)),
                           u"Arquivo de segurança (backup) gravado. "_s,
                           u"Arquivo de segurança (backup)"_s};
    return std::nullopt;
}

std::optional<Falha> Copia(const CopiaDoModo& copia)
{
    // The same file reached by another path is already where it should be.
    if (MesmoArquivo(copia.origem, copia.destino))
        return std::nullopt;
    return CopiaSegura(copia.origem, copia.destino);
}

QChar LetraDaPasta(const QList<Unidade>& unidades, const QString& pasta)
{
    QChar letra;
    qsizetype tamanho = -1;
    for (const Unidade& u : unidades) {
        if (Contem(u.raiz, pasta) && u.raiz.size() > tamanho) {
            letra = u.letra;
            tamanho = u.raiz.size();
        }
    }
    return letra;
}

std::optional<QString> RecusaUnidade(QChar letra)
{
    if (letra != u'a')
        return std::nullopt;
    return u"Unidade  '"_s + letra.toUpper() +
           u":'  não permitida, favor selecionar outra unidade."_s;
}

bool RestauraCopia(const QString& caminho, const QString& exercicio, FormRegistro& form,
                   Mensagens& mensagens, Atividade& atividade)
{
    // A year typed and not started is not the open exercise's: a backup without a header keeps
    // the exercise that was open.
    Cabecalho mostrado = form.cabecalho();
    mostrado.exercicio = exercicio;
    form.defineCabecalho(mostrado);
    if (CarregaArquivo(caminho, form, mensagens, atividade) == 0) {
        // The window shows no register now: nothing may be written in an exercise's name until
        // one is started again.
        FechaExercicio();
        Module1::PendenteGravar.clear();
        mensagens.mostra(u"Problema na restauração. Provavelmente as informações estão fora do "
                         u"layout esperado, ou não é o arquivo correto. Verifique"_s,
                         Icone::Parada);
        return false;
    }
    Module1::PendenteGravar = u"R"_s;
    // The restored register belongs to its header's year: every write goes to that year's file,
    // and deleting its last row deletes that file.
    AbreExercicio(form.cabecalho().exercicio);
    mensagens.mostra(u"Cópia de Segurança restaurada com sucesso."_s);
    return true;
}

QString TextoFalhaGravacao(const QString& modo, const Falha& falha)
{
    if (modo == u"T"_s)
        return TextoFalhaEnvio;
    return u"Erro em gravação/restauração: \r\r"_s + falha.descricao;
}
