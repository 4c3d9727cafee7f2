#include "Inicio.h"

#include "Caminhos.h"
#include "Substituto.h"
#include "Versoes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

bool PreparaIdioma(QCoreApplication& aplicacao)
{
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brasil);
    auto traducao = std::make_unique<QTranslator>();
    if (!traducao->load(brasil, u"qtbase"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    traducao->setParent(&aplicacao);
    return QCoreApplication::installTranslator(traducao.release());
}

std::unique_ptr<Execucao> Inicia(Servicos& servicos)
{
    auto execucao = std::make_unique<Execucao>(PastaPrograma());
    if (!execucao->instancia.primeira()) {
        servicos.mensagens.mostra(QString::fromUtf16(MensagemJaExecutando), Icone::Exclamacao,
                                  Botoes::Ok);
        return nullptr;
    }
    // With the lock held no other instance writes here: a temporary file of the program's is
    // what one that died left.
    RemoveTemporariosAbandonados(PastaPrograma());
    RemoveTemporariosAbandonados(PastaVersoes());
    execucao->janela = std::make_unique<FrmAdiantamentos>(servicos);
    execucao->janela->show();
    // Take the keyboard at once, also where no window manager hands it over.
    execucao->janela->activateWindow();
    return execucao;
}
