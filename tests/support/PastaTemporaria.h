#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, removed with it, with helpers to write and read whole files.
class PastaTemporaria
{
public:
    PastaTemporaria();
    QString caminho() const { return dir_.path(); }
    QString arquivo(const QString& nome) const { return dir_.filePath(nome); }
    QString escreve(const QString& nome, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

QByteArray LeBytes(const QString& caminho);
