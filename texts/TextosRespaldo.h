#pragma once

// Fallback replies, in the order of the draws that pick them, and the keywords
// that mark a real question.
//
// The ordinary replies answer questions nobody recognised, so each must suit a
// yes/no question as well as a who, when or why. The reveal adds the closing
// full stop and the capital letter.

#include "texts/TextoCifrado.h"
#include "texts/TextosCompartidos.h"

namespace auguron::textos {

inline constexpr auto Ordinarias1a25 = palabras<25>(
    u8"lo sé, pero hoy me levanté de la tumba sin ganas de hablar",
    u8"pregúntaselo a tu almohada esta noche; ella sabe más que yo",
    u8"no puedo revelarlo: los muertos también guardamos secretos",
    u8"la respuesta llegará cuando menos la esperes", u8"eso depende de lo que desayunes mañana",
    u8"mis colegas del más allá se ríen de tu pregunta y no me dicen por qué",
    u8"¿De verdad quieres saberlo?", u8"la niebla es muy espesa hoy; no logro ver nada",
    u8"un cuervo se posó en mi lápida justo ahora; mejor no respondo", u8"eso solo lo sabe quien lo pregunta",
    u8"la respuesta está más cerca de lo que crees", u8"ni el oráculo de Delfos se atrevería a contestar eso",
    u8"te lo diré en tus sueños, si me dejas entrar", u8"hoy los espíritus estamos en huelga; vuelve mañana",
    u8"las cartas dicen una cosa y el café dice otra",
    u8"fíjate en el primer pájaro que veas mañana: él te lo dirá", u8"depende de la fase de la luna",
    u8"eso ya lo sabías antes de preguntarlo", u8"el destino aún no ha decidido; dale unos días",
    u8"una lechuza me lo contó, pero me hizo jurar silencio", u8"los espíritus votamos y salió empate",
    u8"tu pregunta me dio escalofríos, y eso que no tengo cuerpo",
    u8"la respuesta tiene dos caras, como una moneda en el aire",
    u8"pregúntalo otra vez cuando el reloj dé las doce",
    u8"eso está escrito en las estrellas, pero con muy mala letra");
// 26 is Compartidas[1].
inline constexpr auto Ordinarias27a31 = palabras<5>(
    u8"ni los fantasmas nos metemos en esos asuntos", u8"lo que buscas te encontrará a ti primero",
    u8"enciende una vela, cierra los ojos y escucha con atención",
    u8"la respuesta cabe en una palabra, pero no es la que esperas",
    u8"esa pregunta se contesta con otra pregunta: ¿tú qué crees?");
// 32 is Compartidas[2].
inline constexpr auto Ordinarias33a45 =
    palabras<13>(u8"si te lo digo, el universo pierde la gracia",
                 u8"los muertos no tenemos prisa; tú tampoco deberías tenerla",
                 u8"hay preguntas que se responden solas con el tiempo, y esta es una de ellas",
                 u8"busca en el fondo de tu taza de té; allí lo verás",
                 u8"eso lo sabrás el día menos pensado, a la hora menos pensada",
                 u8"no te lo diré, pero te daré una pista: mira a tu izquierda",
                 u8"mi bola de cristal se empañó justo al oír tu pregunta",
                 u8"los astros se están peleando por esa respuesta; ya veremos quién gana",
                 u8"te respondería, pero un fantasma me está leyendo por encima del hombro",
                 u8"¿Y si te digo que la respuesta está dentro de ti?",
                 u8"el viento del norte te lo traerá; deja la ventana abierta esta noche",
                 u8"un rey me hizo esa misma pregunta hace trescientos años; todavía espera",
                 u8"hazme la pregunta al revés y tal vez te conteste");

// The shared replies are views of the same bytes as those of 6608, not copies.
inline constexpr auto RespuestasOrdinarias =
    unir<45>(Ordinarias1a25, Compartidas[1], Ordinarias27a31, Compartidas[2], Ordinarias33a45);

// 1 to 5 answer the first incoherent petitions; 6 to 8 only come from the fifth on.
inline constexpr auto RespuestasPeticionMala =
    palabras<8>(u8"sin una petición como es debido no respondo; los espíritus también tenemos modales",
                u8"así no se invoca a un espíritu; escribe bien tu petición y hablamos",
                u8"¿Dónde quedó la cortesía? A un espíritu se le pide con más cuidado",
                u8"tu petición llegó toda torcida al más allá; repítela con cuidado",
                u8"tu petición no sonó como debe sonar, y los espíritus somos muy quisquillosos",
                u8"otra vez una petición mal hecha; así no hay espíritu que aguante",
                u8"ya van varias peticiones mal escritas; empiezo a creer que lo haces a propósito",
                u8"sigues sin pedirlo como es debido, y mi paciencia de ultratumba también se acaba");

// The replies to an ill-formed question or petition are drawn without knowing
// what was wrong with it, so none names a cause (a single word, shortness,
// consonants, a missing name) that may not apply.
inline constexpr auto RespuestasPreguntaMala =
    palabras<11>(u8"eso no es una pregunta, es un acertijo sin pies ni cabeza",
                 u8"no entiendo tu pregunta; ni en el más allá sabrían qué decirte",
                 u8"así no se despierta a un espíritu, y menos a estas horas",
                 u8"pregunta como Dios manda; los fantasmas no leemos entre líneas",
                 u8"tu pregunta se perdió entre las nubes; ya no la encuentro",
                 u8"¿Eso fue una pregunta o un conjuro de aprendiz de brujo?",
                 u8"incluso los fantasmas pedimos algo mejor que eso para responder",
                 u8"escribe como la gente, que los muertos también sabemos leer",
                 u8"tu pregunta me dejó sin aliento, y eso que hace siglos que no respiro",
                 u8"hazme una pregunta de verdad y te daré una respuesta de verdad",
                 u8"eso no lo entendería ni el espíritu más sabio del cementerio");

// 13 is drawn twice as often as the others.
inline constexpr auto RespuestasPetYPregMalas =
    palabras<13>(u8"ni petición ni pregunta: así no se despierta a un espíritu",
                 u8"mal pedido y mal preguntado; vuelve cuando estés más despierto",
                 u8"¿Me despertaste para esto? Pide bien y pregunta mejor",
                 u8"ni la petición ni la pregunta sirven; así no hay quien responda",
                 u8"dos errores de una sola vez; hasta un fantasma novato lo haría mejor",
                 u8"primero aprende a pedir, después aprende a preguntar",
                 u8"tu invocación y tu pregunta se perdieron en la niebla",
                 u8"si así invocas a los espíritus, no me extraña que nadie te conteste",
                 u8"ni el más paciente de los fantasmas entendería lo que escribiste",
                 u8"todo mal, de principio a fin; respira hondo y empieza de nuevo",
                 u8"los muertos tenemos paciencia eterna, pero no tanta",
                 u8"pide con respeto y pregunta con claridad; solo así respondo",
                 u8"tanto desatino junto asusta hasta a un fantasma");

// Searched in the normalised question, where "¿" and "¡" read as blanks and a
// blank closes the last word, so "que " also finds "¿qué?" and "por qué". The
// last two let a one-word command or question through: "¿Estadísticas?",
// "¿Existes?".
inline constexpr auto PalabrasDePregunta = palabras<9>(u8"que ", u8"quien", u8"como ", u8"cuando", u8"donde",
                                                       u8"cual", u8"cuant", u8"estadistica", u8"exist");

} // namespace auguron::textos
