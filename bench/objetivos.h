#pragma once

// The targets the benchmarks judge themselves by, in one place: the programs
// include this file, bench/correr.sh reads the same lines ("constexpr double
// kName = value;"), and the table in docs/benchmarks.md states them.

namespace banco::objetivos {

// Start-up: instructions of a whole run, program / reference (offscreen and xcb).
constexpr double kArranqueInstrucciones = 0.95;
// Start-up: peak memory (max RSS), program / reference.
constexpr double kMemoriaMaxima = 1.05;
// "?" to the answer painted: instructions per sample, program / the reference
// doing the same work (the bare key and repaint is reported beside it).
constexpr double kLatenciaInstrucciones = 1.10;
// Suspense: the final reply's tick within this many ms of 43 periods.
constexpr double kSuspensoMs = 10;

} // namespace banco::objetivos
