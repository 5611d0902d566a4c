#pragma once

// The texts the user reads as they are, not enciphered: the petition phrase,
// the status messages, the captions that change at run time and the titles of
// the message boxes. Each is written here once; the windows and the scripted
// platform read the same bytes (Windows-1252).

#include "texts/TextoCifrado.h"

#include <string_view>

namespace auguron::textos {

// What the petition box shows while a hidden answer is typed, one character a
// key; its first 25 characters are the short petition.
inline constexpr std::string_view kFrasePeticion = "Velmo, favor de responder esta pregunta";
inline constexpr std::string_view kFrasePeticionCorta = kFrasePeticion.substr(0, 25);
static_assert(kFrasePeticion.size() == 39 && kFrasePeticionCorta == "Velmo, favor de responder");

// The status line's two messages; the first is also its caption as the window opens.
inline constexpr std::string_view kBuscandoVagulantes = "Buscando Vagulantes...";
inline constexpr std::string_view kConectandoVagulantes = "Conectando Vagulantes...";

// The picture menu item reads what it would do.
inline constexpr std::string_view kVerImagen = "Ver Imagen";
inline constexpr std::string_view kOcultarImagen = "Ocultar Imagen";

inline constexpr std::string_view kNuevaPregunta = "&Nueva Pregunta";

inline constexpr auto kTituloOracion = plano(u8"Oración");

} // namespace auguron::textos
