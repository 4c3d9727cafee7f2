#include "VarianteVerificacao.h"

using namespace Qt::Literals::StringLiterals;

const VarianteVerificacao& VarianteVerificacao::arquivo()
{
    static const VarianteVerificacao variante = [] {
        const MensagemLinha layout{
            u"Informações fora do layout esperado, ou não é o arquivo correto. Linha "_s,
            u". Verifique"_s};
        VarianteVerificacao v;
        v.layoutInicio = layout;
        v.layoutContagem = layout;
        v.responsavelNaoInformado =
            u"Nome do responsávem pelas informações não informado. Linha: "_s;
        return v;
    }();
    return variante;
}

const VarianteVerificacao& VarianteVerificacao::importacao()
{
    static const VarianteVerificacao variante = [] {
        VarianteVerificacao v;
        v.layoutInicio = {
            u"Informação fora do layout esperado, ou não é o arquivo correto. Linha "_s,
            u". Verifique"_s};
        v.layoutContagem = {u"Informação fora do layout esperado. Linha "_s,
                            u", ou não é o arquivo correto. Verifique"_s};
        v.responsavelNaoInformado = u"Nome do Responsável não informado. Linha: "_s;
        v.anoDoCabecalho = true;
        v.contagemCedeEventos = true;
        v.statusVerificando = u"Verificando..."_s;
        v.tamanhoMinimoAdiantamento = 53;
        v.erroInesperado = FormaErroInesperado::Detalhada;
        return v;
    }();
    return variante;
}

void MostraRecusa(const RecusaLinha& recusa, Mensagens& mensagens)
{
    if (recusa.bipe)
        mensagens.bipe();
    mensagens.mostra(recusa.texto, recusa.icone, Botoes::Ok, recusa.titulo);
}
