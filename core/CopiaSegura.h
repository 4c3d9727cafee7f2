#pragma once

#include "Falha.h"

#include <QString>

#include <optional>

// Copies a file byte for byte. The copy is written beside the destination under a temporary
// name, synced, read back from the medium and compared with what was read, and takes the
// destination's name only then, so a copy that fails halfway (a full or pulled medium) or that
// does not read back as written leaves the previous file of that name exactly as it was and no
// temporary file behind. Nothing when the copy is in place; otherwise the failure: 53 when the
// source does not exist, 75 when it is not a regular file, 76 when the destination's folder does
// not exist, 57 when the copy does not read back as the source.
std::optional<Falha> CopiaSegura(const QString& origem, const QString& destino);

// Whether two paths name one and the same file on disk (both exist and are the same file,
// whatever case or links the paths are written with).
bool MesmoArquivo(const QString& a, const QString& b);
