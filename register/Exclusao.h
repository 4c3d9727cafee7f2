#pragma once

class FormRegistro;
class Mensagens;

// What the disk holds after a deletion in the list.
enum class DepoisDaExclusao {
    Gravado,    // rows are left, and the data file holds them
    NaoGravado, // rows are left, the write failed after its message; the file is as it was
    Vazio,      // no row is left: the data file is gone and nothing is left to write
};

// Brings the open exercise's data file along after rows were deleted from the list (or a
// deletion was declined). A register with rows is written again; a register of no rows is no
// file at all, since a data file left behind would bring the deleted advances back at the next
// start.
DepoisDaExclusao GuardaExclusao(FormRegistro& form, Mensagens& mensagens);
