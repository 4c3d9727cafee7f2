#pragma once

#include <QString>
#include <QStringList>

// The fixed catalogue of economic elements: item 0 is empty (no element chosen), items 1 to 84
// are "code  NAME" in ascending code order.
const QStringList& ItensCatalogo();
inline constexpr int TotalItensCatalogo = 85;

// The first item, from index 0, whose first six characters equal `codigo` exactly; -1 when none.
// An empty code matches item 0.
int IndiceElemento(QStringView codigo);

// The element code of an item text: its first six characters.
QStringView CodigoElemento(QStringView item);
