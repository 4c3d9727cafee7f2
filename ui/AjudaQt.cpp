#include "AjudaQt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

AjudaQt::AjudaQt(Mensagens& mensagens, QString visualizador, AbreUrl abreUrl)
    : mensagens_(mensagens), visualizador_(std::move(visualizador)), abreUrl_(std::move(abreUrl))
{
}

bool AjudaQt::AbreUrlNoDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void AjudaQt::abre(const QString& arquivo)
{
    const QFileInfo info(arquivo);
    // An absolute path can never be taken by the viewer for one of its options.
    const QString caminho = info.absoluteFilePath();
    if (!info.isFile()) {
        mensagens_.mostra(u"O arquivo de ajuda não foi encontrado:\r"_s + caminho);
        return;
    }
    QProcess visualizador;
    visualizador.setProgram(visualizador_);
    visualizador.setArguments({caminho});
    // The viewer lives on its own: it neither reads our input nor writes into our output.
    visualizador.setStandardInputFile(QProcess::nullDevice());
    visualizador.setStandardOutputFile(QProcess::nullDevice());
    visualizador.setStandardErrorFile(QProcess::nullDevice());
    if (visualizador.startDetached())
        return;
    if (abreUrl_ && abreUrl_(QUrl::fromLocalFile(caminho)))
        return;
    mensagens_.mostra(u"Não foi possível abrir o arquivo de ajuda:\r"_s + caminho +
                      u"\r\rNenhum visualizador de ajuda pôde ser iniciado."_s);
}
