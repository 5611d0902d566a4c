#pragma once

// The long date in Spanish, for a system whose own locale speaks another
// language: "domingo, 6 de diciembre de 2026", in Windows-1252 bytes.

#include <chrono>
#include <string>

namespace auguron {

std::string fechaLargaEnCastellano(std::chrono::sys_days dia);

} // namespace auguron
