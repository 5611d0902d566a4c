#pragma once

// Labels of the answering souls and the spirit's yes/no dialog.
//
// Pieces are joined with nothing in between: every piece that is followed by
// another ends with its blank, and every label ends with ": " so the reply can
// stand right behind it.

#include "texts/TextoCifrado.h"

namespace auguron::textos {

inline constexpr auto NombreAlmaPorDefecto = tabla<16>(u8"Velmo responde: ");

// Family 1: "El espíritu de " + who + what he does.
inline constexpr auto AlmaInicio = palabras<1>(u8"El espíritu de ");
inline constexpr auto AlmaMedios = palabras<14>(
    u8"un marinero ahogado ", u8"una bruja de Salem ", u8"tu tatarabuela ", u8"un pirata tuerto ",
    u8"un monje medieval ", u8"una adivina griega ", u8"un poeta olvidado ", u8"un faraón egipcio ",
    u8"un alquimista sabio ", u8"una monja de clausura ", u8"un jinete sin cabeza ",
    u8"un bandolero andaluz ", u8"un viejo farero ", u8"una cantante de ópera ");
inline constexpr auto AlmaFinales =
    palabras<5>(u8"dice: ", u8"susurra: ", u8"responde: ", u8"murmura: ", u8"te contesta: ");

// Family 2: a whole subject + a gesture. The gestures carry no adjective, so they
// agree with "el alma", "el fantasma" and "el espíritu" alike.
inline constexpr auto Alma2Primeros =
    palabras<5>(u8"El fantasma de un cartero ", u8"El alma de Cleopatra ", u8"El alma de un bufón ",
                u8"El fantasma de un torero ", u8"El espíritu de un samurái ");
inline constexpr auto Alma2Finales =
    palabras<5>(u8"suspira y dice: ", u8"se ríe y contesta: ", u8"golpea la mesa y dice: ",
                u8"dice desde la tumba: ", u8"apaga una vela y dice: ");

// Family 3: a famous soul + the fixed ending.
inline constexpr auto Alma3Primeros =
    palabras<5>(u8"El alma de Sócrates ", u8"El fantasma de Mozart ", u8"El alma de Nostradamus ",
                u8"El fantasma de Houdini ", u8"El espíritu de Merlín ");
inline constexpr auto Alma3Final = palabras<1>(u8"habla desde el más allá: ");

// Families 4 to 7, rarest last.
inline constexpr auto AlmasEnteras =
    palabras<4>(u8"El fantasma de la biblioteca dice: ", u8"El alma de un gato negro maúlla: ",
                u8"El espíritu de un rey sin corona dice: ", u8"El alma de un dinosaurio ruge: ");

// The spirit's question (title "Velmo pregunta:"), its reply to Yes (title
// "Creo en Dios y en el Diablo") and to No (title "No creo"; the window closes).
inline constexpr auto PreguntaEspiritu =
    tabla<72>(u8"¿Crees de verdad en los espíritus? Si dices que no, me iré para siempre.");
inline constexpr auto RespuestaAlSi = tabla<49>(u8"Así me gusta. Los incrédulos me dan mucha pereza.");
inline constexpr auto RespuestaAlNo =
    tabla<62>(u8"Entonces no tengo nada que hacer aquí. ¡Adiós, alma incrédula!");

} // namespace auguron::textos
