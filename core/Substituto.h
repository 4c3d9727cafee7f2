#pragma once

#include "Falha.h"

#include <optional>

class QSaveFile;

// Opens `arquivo` for the new file that replaces the one of its name only when committed.
// The folder is checked first: opening in a missing folder would report "file not found".
// Unbuffered, so that every write is counted by the caller and commit() has nothing left to
// flush that could fall short unnoticed and still rename a truncated file over the old one.
std::optional<Falha> AbreSubstituto(QSaveFile& arquivo);
