#include "ImprimeQt.h"
#include "PastaTemporaria.h"
#include "UnidadesSistema.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

QStringList Rotulos(const QList<Unidade>& unidades)
{
    QStringList rotulos;
    for (const Unidade& unidade : unidades)
        rotulos.append(unidade.rotulo() + u' ' + unidade.raiz);
    return rotulos;
}

Volume Montado(const QString& raiz, const QString& tipo, const QString& rotulo = {},
               bool removivel = false, const QString& dispositivo = u"/dev/sdz1"_s)
{
    return {raiz, dispositivo, tipo, rotulo, removivel};
}

} // namespace

TEST(Unidades, InicialPrimeiroDepoisRemoviveisEDeRede)
{
    const Volume raiz = Montado(u"/"_s, u"ext4"_s, {}, false, u"/dev/vda"_s);
    const QList<Volume> volumes{
        raiz,
        Montado(u"/proc"_s, u"proc"_s, {}, false, u"proc"_s),
        Montado(u"/mnt/memoria"_s, u"tmpfs"_s, {}, false, u"tmpfs"_s),
        Montado(u"/media/ana/PEN"_s, u"vfat"_s, u"PEN"_s),
        Montado(u"/srv/dados"_s, u"ext4"_s), // a fixed disk: not a drive
        Montado(u"/srv/contas"_s, u"nfs4"_s, {}, false, u"servidor:/contas"_s),
        Montado(u"/srv/cartao"_s, u"exfat"_s, u"FOTOS"_s, true), // the kernel says removable
        Montado(u"/snap/core/1"_s, u"squashfs"_s, {}, true),
    };
    EXPECT_EQ(Rotulos(MontaUnidades(u"/home/ana"_s, raiz, volumes)),
              (QStringList{u"c: /home/ana"_s, u"e: [PEN] /media/ana/PEN"_s,
                           u"f: [contas] /srv/contas"_s, u"g: [FOTOS] /srv/cartao"_s}));

    // Home on a volume that would count as a drive is still only "c".
    const Volume casa = Montado(u"/media/casa"_s, u"ext4"_s, u"CASA"_s, true);
    EXPECT_EQ(Rotulos(MontaUnidades(u"/media/casa/ana"_s, casa, {casa})),
              QStringList{u"c: [CASA] /media/casa/ana"_s});
}

TEST(Unidades, LetrasDeEAteZNuncaAOuD)
{
    QList<Volume> volumes;
    for (int i = 0; i < 30; ++i)
        volumes.append(Montado(u"/media/v%1"_s.arg(i), u"vfat"_s));
    const QList<Unidade> unidades = MontaUnidades(u"/root"_s, Montado(u"/"_s, u"ext4"_s), volumes);
    QString letras;
    for (const Unidade& unidade : unidades)
        letras += unidade.letra;
    EXPECT_EQ(letras, u"cefghijklmnopqrstuvwxyz"_s);
}

TEST(Unidades, DestaMaquinaComecamPelaPastaPessoal)
{
    UnidadesSistema sistema;
    const QList<Unidade> unidades = sistema.lista();
    ASSERT_FALSE(unidades.isEmpty());
    EXPECT_EQ(unidades.first().letra, u'c');
    EXPECT_EQ(unidades.first().raiz, QDir::homePath());
    EXPECT_EQ(sistema.verifica(unidades.first()), std::nullopt);

    QSet<QChar> vistas;
    for (const Unidade& unidade : unidades) {
        SCOPED_TRACE(unidade.rotulo().toStdString());
        EXPECT_FALSE(vistas.contains(unidade.letra));
        vistas.insert(unidade.letra);
        EXPECT_NE(unidade.letra, u'a');
        EXPECT_NE(unidade.letra, u'b');
        EXPECT_NE(unidade.letra, u'd');
    }
}

TEST(Unidades, VerificaSeparaDefeitoDeDispositivoDosOutros)
{
    const PastaTemporaria pasta;
    const QString arquivo = pasta.escreve(u"nao-e-pasta"_s, "x");
    UnidadesSistema sistema(pasta.caminho());

    EXPECT_EQ(sistema.verifica({u'c', {}, pasta.caminho()}), std::nullopt);

    // A mount point that is gone: the device was pulled out.
    const std::optional<Falha> sumiu = sistema.verifica({u'e', {}, pasta.arquivo(u"sumiu"_s)});
    ASSERT_TRUE(sumiu.has_value());
    EXPECT_EQ(sumiu->numero, 68);
    EXPECT_TRUE(sumiu->ehDeDispositivo());

    const std::optional<Falha> outra = sistema.verifica({u'f', {}, arquivo});
    ASSERT_TRUE(outra.has_value());
    EXPECT_EQ(outra->numero, 76);
    EXPECT_FALSE(outra->ehDeDispositivo());
}
