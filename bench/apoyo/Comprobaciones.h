#pragma once

// The start-up savings must not change what the user sees: checked before
// the latency is measured, against the plain ways they replaced.

#include <QString>

namespace banco {

// The fitting of estilo::encajar and estilo::encajarTextos against a search a
// step at a time down from 100, over many box widths; the program's icon
// against a QIcon with its six files added, in every size, mode and state
// asked for, and painted. An empty string if all agree, else the first
// difference.
QString comprobarEstilo();

} // namespace banco
