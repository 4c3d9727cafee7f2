#include "Exclusao.h"

#include "FormRegistro.h"
#include "ModeloAdiantamentos.h"
#include "Module1.h"
#include "Registro.h"

DepoisDaExclusao GuardaExclusao(FormRegistro& form, Mensagens& mensagens)
{
    if (form.lista().linhas() == 0) {
        // No file is the register of no rows: nothing is left to write on leaving.
        Module1::PendenteGravar.clear();
        ExcluiArquivoExercicio(mensagens);
        return DepoisDaExclusao::Vazio;
    }
    return GravaArquivo(form, mensagens) ? DepoisDaExclusao::Gravado : DepoisDaExclusao::NaoGravado;
}
