#include "Caminhos.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace
{
QString& pastaDefinida()
{
    static QString pasta;
    return pasta;
}
} // namespace

QString PastaPrograma()
{
    const QString& pasta = pastaDefinida();
    return pasta.isEmpty() ? QCoreApplication::applicationDirPath() : pasta;
}

void DefinePastaPrograma(const QString& pasta)
{
    pastaDefinida() = pasta;
}

QString JuntaCaminho(const QString& pasta, const QString& nome)
{
    if (pasta.endsWith(u'/') || pasta.endsWith(QDir::separator()))
        return pasta + nome;
    return pasta + u'/' + nome;
}

QString NomeArquivoExercicio(const QString& exercicio)
{
    return u"Pravex"_s + exercicio.trimmed() + u".txt"_s;
}

QString AnoDoArquivoExercicio(const QString& nome)
{
    const QString inicio = u"Pravex"_s, fim = u".txt"_s;
    if (!nome.startsWith(inicio) || !nome.endsWith(fim) || nome.size() < inicio.size() + fim.size())
        return QString();
    return nome.mid(inicio.size(), nome.size() - inicio.size() - fim.size());
}

QString NomeArquivoEnvio(const QString& exercicio)
{
    return u"pravexenvio"_s + exercicio.trimmed() + u".txt"_s;
}

QString NomeArquivoBackup(const QString& exercicio)
{
    return u"PravexBkp"_s + exercicio.trimmed() + u".txt"_s;
}
