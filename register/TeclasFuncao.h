#pragma once

#include <qnamespace.h>

#include <functional>
#include <optional>

// The main window's commands that keys run, named after their buttons.
enum class Comando {
    Ajuda,
    Incluir,
    Confirmar,
    Alterar,
    Voltar,
    Excluir,
    Imprimir,
    Visualizar, // the report of Imprimir in the print preview
    GravarArquivo,
    Restaurar,
    Importar,
    Sair,
};

// The keys that reach the window before its controls, wherever the focus is.
inline constexpr QKeyCombination TeclasDeFuncao[] = {
    QKeyCombination(Qt::Key_F1),     QKeyCombination(Qt::Key_F2), QKeyCombination(Qt::Key_F3),
    QKeyCombination(Qt::Key_F4),     QKeyCombination(Qt::Key_F5), Qt::SHIFT | Qt::Key_F5,
    QKeyCombination(Qt::Key_F6),     QKeyCombination(Qt::Key_F7), QKeyCombination(Qt::Key_F8),
    QKeyCombination(Qt::Key_Escape),
};

// The command a key runs, given whether each command's button is shown and enabled; nothing when
// it runs none. F1 is the help. F2 and Esc look only at which button of their pair is shown. The
// other keys run their command when its button is enabled and shown; the preview has no button
// and goes with the print button, offered exactly when printing is.
std::optional<Comando> ComandoDaTecla(QKeyCombination tecla,
                                      const std::function<bool(Comando)>& mostrado,
                                      const std::function<bool(Comando)>& habilitado);
