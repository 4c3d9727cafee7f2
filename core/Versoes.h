#pragma once

#include "Falha.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// Versions of the data files. Each time an exercise's data file is replaced or deleted, the file
// as it was is kept in the folder "versoes" of the program's folder, byte for byte, under a name
// the restore dialog lists like a backup's: PravexBkp2005-20261210-173000.txt, with a counter
// after the time when several fall in one second (PravexBkp2005-20261210-173000_2.txt).
// Restoring one is restoring a backup.

inline constexpr auto NomePastaVersoes = "versoes";
QString PastaVersoes();

struct Versao {
    QString nome;
    QDate dia;
    QTime hora;
    int ordem = 0; // 0 for the first version of its second, then 2, 3 and on

    friend bool operator<(const Versao& a, const Versao& b)
    {
        if (a.dia != b.dia)
            return a.dia < b.dia;
        if (a.hora != b.hora)
            return a.hora < b.hora;
        return a.ordem < b.ordem;
    }
};

// The name of the version of `exercicio` taken at `quando`, the `ordem`th of that second.
QString NomeVersao(const QString& exercicio, const QDateTime& quando, int ordem = 0);
// The version a file name stands for among those of `exercicio`; nothing for any other name.
std::optional<Versao> LeVersao(const QString& nome, const QString& exercicio);

// How many versions of one exercise the retention keeps at the most.
inline constexpr int VersoesRecentes = 20;
inline constexpr int DiasComVersao = 30;
inline constexpr int MaximoVersoes = VersoesRecentes + DiasComVersao;

// The versions of one exercise the retention lets go: the 20 newest stay and, older than those,
// the newest of each of the last 30 days, `hoje` the last of them; so never more than 50 stay.
QStringList VersoesDescartadas(QList<Versao> versoes, const QDate& hoje);

struct VersaoGuardada {
    QString caminho;            // the version kept; empty when there was nothing to keep
    std::optional<Falha> falha; // why the version could not be kept
};

// Keeps the data file as it is now as a version of `exercicio`, before it is replaced or
// deleted. A hard link: the old bytes are on disk already and nothing is written again; a copy,
// read back, only where the folder of versions cannot link to them. Nothing is kept for a data
// file that does not exist or is not a regular file.
VersaoGuardada GuardaVersao(const QString& arquivoDados, const QString& exercicio,
                            const QDateTime& agora);

// After the data file was replaced or deleted: makes the version's name survive a power cut and
// removes the versions of `exercicio` the retention lets go. Only then: until the new data file
// is in place, the newest version may be the only copy of the register. The failure is the
// version's, when its folder could not be synced.
std::optional<Falha> ConcluiVersao(const VersaoGuardada& versao, const QString& exercicio,
                                   const QDate& hoje);

// Removes the versions of `exercicio` the retention lets go.
void PodaVersoes(const QString& exercicio, const QDate& hoje);

// The message that tells the clerk a version could not be kept; the data file was `feito`
// ("gravado" or "excluído") all the same.
QString MensagemVersaoNaoGuardada(const QString& arquivoDados, const Falha& falha,
                                  const QString& feito);
