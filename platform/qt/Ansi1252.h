#pragma once

// Windows-1252 bytes <-> QString. The logic keeps its texts as Windows-1252
// codes; only the Qt side ever sees Unicode.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace auguron::ansi1252 {

// Every byte maps to one character; all 256 codes round-trip.
QString aQString(std::string_view bytes);

// Characters the code page cannot hold are dropped (never replaced by '?').
std::string deQString(const QString& texto);

// Like deQString, but a character outside the code page is first taken apart
// (accents stripped, ligatures split) and kept if its pieces fit, so that text
// from the outside world, such as the user's long date, stays readable.
std::string deQStringLegible(const QString& texto);

// The code of each typed character the code page holds, in order; the others
// (and unpaired surrogates) are left out.
std::vector<int> codigosTecleados(const QString& texto);

} // namespace auguron::ansi1252
