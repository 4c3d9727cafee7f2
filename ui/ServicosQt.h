#pragma once

#include "AjudaQt.h"
#include "AtividadeQt.h"
#include "EncerramentoQt.h"
#include "ImpressaoQt.h"
#include "MensagensQt.h"
#include "UnidadesSistema.h"

// The real services, made together and handed to the windows as one `Servicos&`.
class ServicosQt
{
public:
    ServicosQt() = default;
    ServicosQt(const ServicosQt&) = delete;
    ServicosQt& operator=(const ServicosQt&) = delete;

    Servicos& servicos() { return servicos_; }

private:
    MensagensQt mensagens_;
    AtividadeQt atividade_;
    UnidadesSistema unidades_;
    AjudaQt ajuda_{mensagens_};
    EncerramentoQt encerramento_;
    ImpressaoQt impressao_{atividade_};
    Servicos servicos_{mensagens_, atividade_, unidades_, ajuda_, encerramento_, impressao_};
};
