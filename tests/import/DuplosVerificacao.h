#pragma once

#include "PainelVerificacao.h"
#include "Servicos.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

// What a run showed, in order, across the message boxes, the event loop and the panel.
using Diario = QStringList;

struct Caixa {
    QString texto;
    Icone icone = Icone::Nenhum;
    Botoes botoes = Botoes::Ok;
    QString titulo;

    friend bool operator==(const Caixa&, const Caixa&) = default;
};
void PrintTo(const Caixa& caixa, std::ostream* os);

// Records every box and beep; answers from `respostas` in order, OK when none is left.
class MensagensGravadas : public Mensagens
{
public:
    explicit MensagensGravadas(Diario& diario) : diario_(diario) {}
    Resposta mostra(const QString& texto, Icone icone, Botoes botoes,
                    const QString& titulo) override;
    void bipe() override { diario_.append(QStringLiteral("bipe")); }

    QList<Caixa> caixas;
    QList<Resposta> respostas;

private:
    Diario& diario_;
};

class AtividadeGravada : public Atividade
{
public:
    explicit AtividadeGravada(Diario& diario) : diario_(diario) {}
    void ocupado(bool) override {}
    void processaEventos() override { diario_.append(QStringLiteral("eventos")); }

private:
    Diario& diario_;
};

class PainelGravado : public PainelVerificacao
{
public:
    explicit PainelGravado(Diario& diario) : diario_(diario) {}
    void mostraProgresso(int minimo, int maximo, int valor) override;
    void avancaProgresso(int valor) override;
    void bloqueiaComandos(bool bloqueados) override;
    void mostraStatus(const QString& texto) override;
    void ocultaStatus(bool esvaziaTexto) override;

private:
    Diario& diario_;
};
