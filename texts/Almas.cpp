// Labels of the answering souls and the spirit's yes/no dialog.
//
// Pieces are joined with nothing in between: every piece that is followed by
// another ends with its blank, and every label ends with ": " so the reply can
// stand right behind it.

#include "texts/Almas.h"

namespace auguron::textos {

namespace {

constexpr auto tPorDefecto = tabla<16>(u8"Velmo responde: ");

// Family 1: "El espíritu de " + who + what he does.
constexpr auto tInicio = palabras(u8"El espíritu de ");
constexpr auto tMedios =
    palabras(u8"un marinero ahogado ", u8"una bruja de Salem ", u8"tu tatarabuela ", u8"un pirata tuerto ",
             u8"un monje medieval ", u8"una adivina griega ", u8"un poeta olvidado ", u8"un faraón egipcio ",
             u8"un alquimista sabio ", u8"una monja de clausura ", u8"un jinete sin cabeza ",
             u8"un bandolero andaluz ", u8"un viejo farero ", u8"una cantante de ópera ");
constexpr auto tFinales =
    palabras(u8"dice: ", u8"susurra: ", u8"responde: ", u8"murmura: ", u8"te contesta: ");

// Family 2: a whole subject + a gesture. The gestures carry no adjective, so they
// agree with "el alma", "el fantasma" and "el espíritu" alike.
constexpr auto t2Primeros =
    palabras(u8"El fantasma de un cartero ", u8"El alma de Cleopatra ", u8"El alma de un bufón ",
             u8"El fantasma de un torero ", u8"El espíritu de un samurái ");
constexpr auto t2Finales =
    palabras(u8"suspira y dice: ", u8"se ríe y contesta: ", u8"golpea la mesa y dice: ",
             u8"dice desde la tumba: ", u8"apaga una vela y dice: ");

// Family 3: a famous soul + the fixed ending.
constexpr auto t3Primeros =
    palabras(u8"El alma de Sócrates ", u8"El fantasma de Mozart ", u8"El alma de Nostradamus ",
             u8"El fantasma de Houdini ", u8"El espíritu de Merlín ");
constexpr auto t3Final = palabras(u8"habla desde el más allá: ");

// Families 4 to 7, rarest last.
constexpr auto tEnteras =
    palabras(u8"El fantasma de la biblioteca dice: ", u8"El alma de un gato negro maúlla: ",
             u8"El espíritu de un rey sin corona dice: ", u8"El alma de un dinosaurio ruge: ");

constexpr auto vMedios = vistas(tMedios);
constexpr auto vFinales = vistas(tFinales);
constexpr auto v2Primeros = vistas(t2Primeros);
constexpr auto v2Finales = vistas(t2Finales);
constexpr auto v3Primeros = vistas(t3Primeros);
constexpr auto vEnteras = vistas(tEnteras);

static_assert(vMedios.size() == 14 && vFinales.size() == 5);
static_assert(v2Primeros.size() == 5 && v2Finales.size() == 5);
static_assert(v3Primeros.size() == 5 && vEnteras.size() == 4);

// The spirit's question (title "Velmo pregunta:"), its reply to Yes (title
// "Creo en Dios y en el Diablo") and to No (title "No creo"; the window closes).
constexpr auto tDialogo =
    tabla<72, 49, 62>(u8"¿Crees de verdad en los espíritus? Si dices que no, me iré para siempre.",
                      u8"Así me gusta. Los incrédulos me dan mucha pereza.",
                      u8"Entonces no tengo nada que hacer aquí. ¡Adiós, alma incrédula!");

} // namespace

constinit const std::string_view NombreAlmaPorDefecto = tPorDefecto.vista();

constinit const std::string_view AlmaInicio = tInicio.vista();
constinit const Lista AlmaMedios{vMedios};
constinit const Lista AlmaFinales{vFinales};
constinit const Lista Alma2Primeros{v2Primeros};
constinit const Lista Alma2Finales{v2Finales};
constinit const Lista Alma3Primeros{v3Primeros};
constinit const std::string_view Alma3Final = t3Final.vista();
constinit const Lista AlmasEnteras{vEnteras};

constinit const std::string_view PreguntaEspiritu = tDialogo[0];
constinit const std::string_view RespuestaAlSi = tDialogo[1];
constinit const std::string_view RespuestaAlNo = tDialogo[2];

} // namespace auguron::textos
