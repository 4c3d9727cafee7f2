// Which command a function key runs, from the buttons the window shows and enables.

#include "TeclasFuncao.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace
{

// The window's buttons: the idle group or the edit pair shown, some of them disabled.
struct Botoes {
    bool editando = false;
    std::set<Comando> desabilitados;

    bool mostrado(Comando c) const
    {
        const bool doPar = c == Comando::Confirmar || c == Comando::Voltar;
        return c == Comando::Ajuda || doPar == editando;
    }
};

std::optional<Comando> Tecla(const Botoes& b, QKeyCombination tecla)
{
    return ComandoDaTecla(
        tecla, [&](Comando c) { return b.mostrado(c); },
        [&](Comando c) { return !b.desabilitados.contains(c); });
}

const Botoes Ocioso{};
const Botoes SemExercicio{false,
                          {Comando::Incluir, Comando::Alterar, Comando::Excluir, Comando::Imprimir,
                           Comando::GravarArquivo}};
const Botoes Editando{true, {}};

TEST(TeclasFuncao, CadaTeclaRodaOComandoDoBotaoQueAJanelaOferece)
{
    const QKeyCombination shiftF5 = Qt::SHIFT | Qt::Key_F5;
    const struct {
        const char* caso;
        const Botoes& botoes;
        QKeyCombination tecla;
        std::optional<Comando> comando;
    } casos[] = {
        {"F1 sempre", SemExercicio, Qt::Key_F1, Comando::Ajuda},
        {"F1 na edição", Editando, Qt::Key_F1, Comando::Ajuda},
        {"F2 ocioso", Ocioso, Qt::Key_F2, Comando::Incluir},
        {"F2 na edição confirma", Editando, Qt::Key_F2, Comando::Confirmar},
        // F2 and Esc look only at which button of their pair is shown.
        {"F2 sem exercício", SemExercicio, Qt::Key_F2, Comando::Incluir},
        {"Esc ocioso sai", Ocioso, Qt::Key_Escape, Comando::Sair},
        {"Esc na edição volta", Editando, Qt::Key_Escape, Comando::Voltar},
        {"F3", Ocioso, Qt::Key_F3, Comando::Alterar},
        {"F4", Ocioso, Qt::Key_F4, Comando::Excluir},
        {"F5", Ocioso, Qt::Key_F5, Comando::Imprimir},
        {"Shift+F5", Ocioso, shiftF5, Comando::Visualizar},
        {"F6", Ocioso, Qt::Key_F6, Comando::GravarArquivo},
        {"F7", Ocioso, Qt::Key_F7, Comando::Restaurar},
        {"F8", Ocioso, Qt::Key_F8, Comando::Importar},
        // A disabled button's key does nothing; so does a hidden one's.
        {"F3 desabilitado", SemExercicio, Qt::Key_F3, std::nullopt},
        {"F5 desabilitado", SemExercicio, Qt::Key_F5, std::nullopt},
        {"Shift+F5 segue o F5", SemExercicio, shiftF5, std::nullopt},
        {"F7 sem exercício", SemExercicio, Qt::Key_F7, Comando::Restaurar},
        {"F4 na edição", Editando, Qt::Key_F4, std::nullopt},
        {"Shift+F5 na edição", Editando, shiftF5, std::nullopt},
        {"F8 na edição", Editando, Qt::Key_F8, std::nullopt},
        // Other keys and other modifiers run nothing.
        {"F9", Ocioso, Qt::Key_F9, std::nullopt},
        {"Ctrl+F3", Ocioso, Qt::CTRL | Qt::Key_F3, std::nullopt},
        {"Shift+F2", Ocioso, Qt::SHIFT | Qt::Key_F2, std::nullopt},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Tecla(c.botoes, c.tecla), c.comando) << c.caso;
}

TEST(TeclasFuncao, CadaTeclaDaJanelaRodaAlgumComando)
{
    for (const QKeyCombination tecla : TeclasDeFuncao)
        EXPECT_TRUE(Tecla(Ocioso, tecla).has_value()) << tecla.toCombined();
}

} // namespace
