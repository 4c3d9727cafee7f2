#include "PastaTemporaria.h"

#include <QFile>

#include <gtest/gtest.h>

PastaTemporaria::PastaTemporaria()
{
    EXPECT_TRUE(dir_.isValid());
}

QString PastaTemporaria::escreve(const QString& nome, const QByteArray& bytes) const
{
    const QString caminho = arquivo(nome);
    QFile f(caminho);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_EQ(f.write(bytes), bytes.size());
    return caminho;
}

QByteArray LeBytes(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
