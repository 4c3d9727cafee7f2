#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <ostream>

// Lets test failures show Qt texts as text, not as bytes.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"' << bytes.toStdString() << '"';
}
