#pragma once

#include "Servicos.h"

#include <functional>

// A mounted volume as the system reports it.
struct Volume {
    QString raiz;        // mount point
    QString dispositivo; // "/dev/sdb1", "server:/export", ...
    QString tipo;        // file system type: "vfat", "nfs4", ...
    QString rotulo;      // volume label, often empty
    bool removivel = false;

    // The label, or the mount point's last name when there is none.
    QString nome() const;
};

// Whether a volume is offered as a drive besides the start drive: a network volume, or a
// removable one (a removable device or a mount under the desktop's media folders). Pseudo
// file systems never are.
bool EhUnidadeExtra(const Volume& volume);

// The drive list: the start drive "c" opening at `pastaInicial` on `volumeInicial`, then every
// extra volume except that one, lettered from "e" on while letters last. "a" and "d" are the
// floppy and CD letters that the dialogs refuse, so no real volume gets them.
QList<Unidade> MontaUnidades(const QString& pastaInicial, const Volume& volumeInicial,
                             const QList<Volume>& volumes);

// The mounted volumes, read with QStorageInfo; a device counts as removable when the kernel
// says so.
QList<Volume> VolumesMontados();
// The volume that holds a folder.
Volume VolumeDe(const QString& pasta);

// The drives of this machine: the home folder's file system first, as "c", then the mounted
// removable and network volumes.
class UnidadesSistema final : public Unidades
{
public:
    using Fonte = std::function<QList<Volume>()>;

    explicit UnidadesSistema(QString pastaInicial = {}, Fonte fonte = VolumesMontados);

    QList<Unidade> lista() override;
    std::optional<Falha> verifica(const Unidade& unidade) override;

private:
    QString pastaInicial_;
    Fonte fonte_;
};
