#pragma once

#include "PainelVerificacao.h"
#include "VarianteVerificacao.h"

#include <QString>

#include <functional>
#include <optional>

class ArquivoLido;
class Atividade;
class Mensagens;

// One verification run over a file of the data file layout: a counting pass, the progress bar
// set to the line count, then every line checked in order until the first that fails. The run
// holds one line and the NE numbers passed so far besides the file's bytes. The line number is
// Module1::TotalLinhas, which keeps its value after the run. Nothing when every line passed;
// otherwise the message of the first failed check, or of the unexpected failure that ended it.
std::optional<RecusaLinha> Verifica(ArquivoLido& arquivo, const VarianteVerificacao& variante,
                                    const QString& exercicio, PainelVerificacao& painel,
                                    Atividade& atividade);
std::optional<RecusaLinha> Verifica(const QString& caminho, const VarianteVerificacao& variante,
                                    const QString& exercicio, PainelVerificacao& painel,
                                    Atividade& atividade);

// The exercise start's check of the data file before it is loaded: periods of `exercicio` (the
// text of TxtExercicio). True when every line passed; false after the message of the first
// failure.
bool VerificaArquivo(ArquivoLido& arquivo, const QString& exercicio, PainelVerificacao& painel,
                     Mensagens& mensagens, Atividade& atividade);
bool VerificaArquivo(const QString& caminho, const QString& exercicio, PainelVerificacao& painel,
                     Mensagens& mensagens, Atividade& atividade);

// The import dialog's verification of the chosen file. When it passes, it asks whether to
// import; Yes runs `importarDados`, which returns true when it loaded the file and closed the
// dialog (the panel is not touched after that). Returns whether the file was imported.
bool VerificaImportacao(ArquivoLido& arquivo, PainelVerificacao& painel, Mensagens& mensagens,
                        Atividade& atividade, const std::function<bool()>& importarDados);
bool VerificaImportacao(const QString& caminho, PainelVerificacao& painel, Mensagens& mensagens,
                        Atividade& atividade, const std::function<bool()>& importarDados);
