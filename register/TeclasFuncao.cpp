#include "TeclasFuncao.h"

std::optional<Comando> ComandoDaTecla(QKeyCombination tecla,
                                      const std::function<bool(Comando)>& mostrado,
                                      const std::function<bool(Comando)>& habilitado)
{
    if (tecla == QKeyCombination(Qt::Key_F1))
        return Comando::Ajuda;
    if (tecla == QKeyCombination(Qt::Key_F2))
        return mostrado(Comando::Confirmar) ? Comando::Confirmar : Comando::Incluir;
    if (tecla == QKeyCombination(Qt::Key_Escape))
        return mostrado(Comando::Sair) ? Comando::Sair : Comando::Voltar;
    const struct {
        QKeyCombination tecla;
        Comando comando;
        Comando botao;
    } comandos[] = {
        {Qt::Key_F3, Comando::Alterar, Comando::Alterar},
        {Qt::Key_F4, Comando::Excluir, Comando::Excluir},
        {Qt::Key_F5, Comando::Imprimir, Comando::Imprimir},
        {Qt::SHIFT | Qt::Key_F5, Comando::Visualizar, Comando::Imprimir},
        {Qt::Key_F6, Comando::GravarArquivo, Comando::GravarArquivo},
        {Qt::Key_F7, Comando::Restaurar, Comando::Restaurar},
        {Qt::Key_F8, Comando::Importar, Comando::Importar},
    };
    for (const auto& c : comandos) {
        if (c.tecla == tecla)
            return mostrado(c.botao) && habilitado(c.botao) ? std::optional(c.comando)
                                                            : std::nullopt;
    }
    return std::nullopt;
}
