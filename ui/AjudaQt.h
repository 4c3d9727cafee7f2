#pragma once

#include "Servicos.h"

#include <QUrl>

#include <functional>

// Opens a help file in a separate viewer process, started detached: the program never waits
// for it, and a viewer that is missing or fails cannot take the program down. A missing file,
// or no way to open it, is told to the operator in a message box.
class AjudaQt final : public Ajuda
{
public:
    using AbreUrl = std::function<bool(const QUrl&)>;

    // `visualizador` is the CHM viewer's command; when it cannot be started the desktop's
    // handler for the file is tried through `abreUrl`.
    explicit AjudaQt(Mensagens& mensagens, QString visualizador = QStringLiteral("xchm"),
                     AbreUrl abreUrl = AbreUrlNoDesktop);

    void abre(const QString& arquivo) override;

    static bool AbreUrlNoDesktop(const QUrl& url);

private:
    Mensagens& mensagens_;
    QString visualizador_;
    AbreUrl abreUrl_;
};
