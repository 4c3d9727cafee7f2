#include "UnidadesSistema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <cerrno>
#include <dirent.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

bool EhPseudo(const QString& tipo)
{
    static const QSet<QString> pseudos = {
        u"proc"_s,        u"sysfs"_s,      u"devtmpfs"_s,
        u"devpts"_s,      u"tmpfs"_s,      u"ramfs"_s,
        u"cgroup"_s,      u"cgroup2"_s,    u"securityfs"_s,
        u"pstore"_s,      u"debugfs"_s,    u"tracefs"_s,
        u"configfs"_s,    u"fusectl"_s,    u"mqueue"_s,
        u"hugetlbfs"_s,   u"autofs"_s,     u"binfmt_misc"_s,
        u"bpf"_s,         u"efivarfs"_s,   u"rpc_pipefs"_s,
        u"nsfs"_s,        u"overlay"_s,    u"squashfs"_s,
        u"selinuxfs"_s,   u"fuse.lxcfs"_s, u"fuse.gvfsd-fuse"_s,
        u"fuse.portal"_s,
    };
    return pseudos.contains(tipo);
}

bool EhDeRede(const QString& tipo)
{
    static const QSet<QString> rede = {
        u"nfs"_s,         u"nfs4"_s,  u"cifs"_s,        u"smb3"_s,
        u"smbfs"_s,       u"9p"_s,    u"afs"_s,         u"ceph"_s,
        u"fuse.sshfs"_s,  u"davfs"_s, u"fuse.davfs2"_s, u"fuse.glusterfs"_s,
        u"fuse.rclone"_s,
    };
    return rede.contains(tipo);
}

bool SobPastaDeMidia(const QString& raiz)
{
    return raiz.startsWith(u"/media/"_s) || raiz.startsWith(u"/run/media/"_s) ||
           raiz.startsWith(u"/mnt/"_s);
}

// /sys/class/block/NAME links to the device; a partition's flag sits on its parent disk.
bool DispositivoRemovivel(const QString& dispositivo)
{
    if (!dispositivo.startsWith(u"/dev/"_s))
        return false;
    const QString bloco =
        QFileInfo(u"/sys/class/block/"_s + QFileInfo(dispositivo).fileName()).canonicalFilePath();
    if (bloco.isEmpty())
        return false;
    for (const QString& pasta : {bloco, QFileInfo(bloco).path()}) {
        QFile sinal(pasta + u"/removable"_s);
        if (sinal.open(QIODevice::ReadOnly))
            return sinal.readAll().trimmed() == "1";
    }
    return false;
}

Volume VolumeDeStorage(const QStorageInfo& info)
{
    Volume volume;
    volume.raiz = info.rootPath();
    volume.dispositivo = QString::fromLocal8Bit(info.device());
    volume.tipo = QString::fromLocal8Bit(info.fileSystemType());
    volume.rotulo = info.name();
    volume.removivel = DispositivoRemovivel(volume.dispositivo);
    return volume;
}

} // namespace

QString Volume::nome() const
{
    return rotulo.isEmpty() ? QFileInfo(raiz).fileName() : rotulo;
}

bool EhUnidadeExtra(const Volume& volume)
{
    if (EhPseudo(volume.tipo))
        return false;
    return EhDeRede(volume.tipo) || volume.removivel || SobPastaDeMidia(volume.raiz);
}

QList<Unidade> MontaUnidades(const QString& pastaInicial, const Volume& volumeInicial,
                             const QList<Volume>& volumes)
{
    QList<Unidade> unidades{{u'c', volumeInicial.nome(), pastaInicial}};
    char16_t letra = u'e';
    for (const Volume& volume : volumes) {
        if (letra > u'z')
            break;
        if (volume.raiz == volumeInicial.raiz || !EhUnidadeExtra(volume))
            continue;
        unidades.append({QChar(letra), volume.nome(), volume.raiz});
        ++letra;
    }
    return unidades;
}

QList<Volume> VolumesMontados()
{
    QList<Volume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes())
        volumes.append(VolumeDeStorage(info));
    return volumes;
}

Volume VolumeDe(const QString& pasta)
{
    return VolumeDeStorage(QStorageInfo(pasta));
}

UnidadesSistema::UnidadesSistema(QString pastaInicial, Fonte fonte)
    : pastaInicial_(pastaInicial.isEmpty() ? QDir::homePath() : std::move(pastaInicial)),
      fonte_(std::move(fonte))
{
}

QList<Unidade> UnidadesSistema::lista()
{
    return MontaUnidades(pastaInicial_, VolumeDe(pastaInicial_), fonte_());
}

std::optional<Falha> UnidadesSistema::verifica(const Unidade& unidade)
{
    // Reading the root's first entry is what the folder list does next; it is where an
    // unplugged stick or a dead network share fails.
    const QByteArray raiz = QFile::encodeName(unidade.raiz);
    DIR* pasta = ::opendir(raiz.constData());
    if (pasta == nullptr) {
        const int erro = errno;
        // A mount point that is gone means the device is gone, not a missing file.
        if (erro == ENOENT)
            return Falha::numerada(Falha::DispositivoIndisponivel);
        return Falha::doSistema(erro);
    }
    errno = 0;
    const bool leu = ::readdir(pasta) != nullptr;
    const int erro = errno;
    ::closedir(pasta);
    if (!leu && erro != 0)
        return Falha::doSistema(erro);
    return std::nullopt;
}
