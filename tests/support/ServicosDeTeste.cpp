#include "ServicosDeTeste.h"

#include "DesenhoRelatorio.h"

#include <QDir>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

void AtividadeRoteiro::ocupado(bool ligado)
{
    ligado_ = ligado;
    ++(ligado ? ligacoes_ : desligamentos_);
}

void AtividadeRoteiro::processaEventos()
{
    ++passagens_;
    if (aCadaPassagem)
        aCadaPassagem();
}

UnidadesRoteiro UnidadesRoteiro::Padrao(const QString& pastaC)
{
    const QDir c(pastaC);
    UnidadesRoteiro unidades;
    for (const char* pasta : {"unidade-a", "unidade-d", "unidade-e"})
        EXPECT_TRUE(c.mkpath(QString::fromLatin1(pasta)));
    unidades.adiciona({u'a', u"Disquete"_s, c.filePath(u"unidade-a"_s)})
        .adiciona({u'c', u"Sistema"_s, pastaC})
        .adiciona({u'd', u"CD"_s, c.filePath(u"unidade-d"_s)})
        .adiciona({u'e', u"Pendrive"_s, c.filePath(u"unidade-e"_s)},
                  Falha::numerada(Falha::ErroDispositivo));
    return unidades;
}

UnidadesRoteiro& UnidadesRoteiro::adiciona(const Unidade& unidade, std::optional<Falha> falha)
{
    unidades_.append(unidade);
    falhas_.insert(unidade.letra, std::move(falha));
    return *this;
}

void UnidadesRoteiro::falha(QChar letra, std::optional<Falha> falha)
{
    EXPECT_TRUE(falhas_.contains(letra)) << "unidade desconhecida: " << letra.toLatin1();
    falhas_.insert(letra, std::move(falha));
}

std::optional<Falha> UnidadesRoteiro::verifica(const Unidade& unidade)
{
    verificadas_.append(unidade.letra);
    const auto achada = falhas_.constFind(unidade.letra);
    if (achada == falhas_.cend()) {
        ADD_FAILURE() << "unidade desconhecida verificada: " << unidade.letra.toLatin1();
        return Falha::numerada(Falha::DispositivoIndisponivel);
    }
    return *achada;
}

std::optional<Falha> ImpressaoRoteiro::imprime(const QList<PaginaImpressa>& paginas)
{
    impressos_.append(paginas);
    if (aCadaDocumento)
        aCadaDocumento();
    return desenha(paginas);
}

std::optional<Falha> ImpressaoRoteiro::visualiza(const QList<PaginaImpressa>& paginas)
{
    visualizados_.append(paginas);
    if (aCadaDocumento)
        aCadaDocumento();
    return desenha(paginas);
}

std::optional<Falha> ImpressaoRoteiro::desenha(const QList<PaginaImpressa>& paginas)
{
    if (falha)
        return falha;
    if (arquivoPdf.isEmpty())
        return std::nullopt;
    return GravaPdf(paginas, arquivoPdf);
}

std::optional<Falha> GravaPdf(const QList<PaginaImpressa>& paginas, const QString& arquivo)
{
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    PreparaImpressora(impressora);
    return DesenhaPaginas(impressora, paginas);
}

ServicosDeTeste::ServicosDeTeste(MensagensRoteiro::CaixaSoOk soOk, UnidadesRoteiro unidadesDadas)
    : mensagens(soOk), unidades(std::move(unidadesDadas))
{
}
