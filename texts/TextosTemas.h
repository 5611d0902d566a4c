#pragma once

// Replies of the frequent topics and of the one-off questions (time, date, the
// spirit, statistics...), grouped by the code that uses them and in the order
// of its draws. Each must fit every question that reaches its code (the corpus
// of questions in tests/datos shows which). Replies end without their full stop
// (the reveal adds it) and read well behind any soul label.

#include "texts/TextoCifrado.h"
#include "texts/TextosCompartidos.h"

namespace auguron::textos {

// Plain replies.
// Death: when, how, why and where to, the user's own or a grandmother's or a dog's.
inline constexpr auto Tema101 = tabla<66, 68, 54, 97>(
    u8"todos acabamos en el mismo sitio, pero nadie pasa antes de su hora",
    u8"eso lo sabe la Muerte, que lo lleva todo apuntado y no suelta prenda",
    u8"eso lo sabrás a su tiempo, y ese tiempo aún está lejos",
    u8"no tengas prisa por saberlo: en el más allá no hay colas, ni relojes, ni jefes, y se está de lujo");
inline constexpr auto Tema1202 = tabla<95, 42, 38>(
    u8"veo monedas que vienen y monedas que se van; si ahorras la mitad de las que llegan, te sobrarán",
    u8"veo billetes en tu camino, pero van lentos", u8"ahorra primero y sueña después, mortal");
inline constexpr auto Tema1002 =
    tabla<49, 50, 20>(u8"veo monedas en tu camino y un agujero en tu bolsa",
                      u8"el dinero vendrá cuando dejes de perseguirlo tanto", u8"eso lo dirá tu bolsa");
inline constexpr auto Tema104 = tabla<8>(u8"por algo");
inline constexpr auto Tema7 = tabla<56, 58, 92, 50, 72, 54>(
    u8"el corazón tiene sus cuentas y las tuyas cuadran, fíjate",
    u8"algún corazón late por ti más fuerte de lo que te imaginas",
    u8"veo corazones, flechas y algún tropiezo; el amor te traerá más alegrías que disgustos, verás",
    u8"eso ya está escrito, y te tocó la letra más bonita",
    u8"el amor no se cuenta ni se agenda: se vive, y a ti no te faltará, créeme",
    u8"pregúntaselo a tu corazón: él ya lo sabe, y tú también");
// 6608: texts 2, 3 and 5; texts 1 and 4 are ordinary replies too. They fit a
// relative's years and the user's own, lived or to come.
inline constexpr auto Tema6608Propias =
    tabla<41, 72, 40>(u8"los justos para seguir dando mucha guerra",
                      u8"no los cuento yo, los cuenta un reloj de arena al que aún le queda arena",
                      u8"eso no se calcula: se disfruta día a día");
inline constexpr auto Tema6608 =
    unir<5>(Compartidas[2], Tema6608Propias[1], Tema6608Propias[2], Compartidas[1], Tema6608Propias[3]);
inline constexpr auto Tema509 = tabla<47>(u8"tan cierto como que yo estoy muerto y tú aún no");
inline constexpr auto Tema110 =
    tabla<68, 73, 78>(u8"porque así lo dejaron escrito antes de que nacieras, y no tengo goma",
                      u8"eso tiene una razón muy sencillita, pero los vivos se empeñan en no verla",
                      u8"porque el mundo es un reloj viejo y, de vez en cuando, algún bobo lo desajusta");
inline constexpr auto Tema711 =
    tabla<57, 21>(u8"el azul de las tormentas, aunque los vivos lo llaman gris", u8"el morado, lo sé todo");
inline constexpr auto Tema413 = tabla<152, 123>(
    u8"tu cuerpo es más sabio de lo que crees: escúchalo, duerme bien, come verduras de vez en cuando y, "
    u8"si algo te preocupa, ve al médico, que sabe más que yo",
    u8"los espíritus no recetamos jarabes; yo veo salud en tu camino, pero para lo demás confía en un buen "
    u8"médico de carne y hueso");
inline constexpr auto Tema14 = tabla<168, 103>(
    u8"por aquí se habla mucho de él, pero nadie lo ha visto de cerca; yo le dejé un recado hace siglos y "
    u8"todavía espero respuesta, así que no me pidas que te consiga una cita",
    u8"lo verás cuando te toque, y créeme, no tienes ninguna prisa; mientras tanto, salúdalo desde donde "
    u8"estés");
inline constexpr auto Tema15 =
    tabla<69, 56>(u8"el mundo durará más que tus excusas, y la paz llegará justito después",
                  u8"el mundo aún tiene cuerda para rato; tú duerme tranquilo");
inline constexpr auto Tema1300 =
    tabla<75, 28, 47>(u8"antes de lo que crees; abre bien los ojos, porque lo bueno llega disfrazado",
                      u8"antes de que se acabe el mes", u8"pronto, pero no lo cuentes a nadie, o se asusta");
inline constexpr auto Tema5300 =
    tabla<18, 57>(u8"un martes, me temo", u8"antes de que te comas todas las uñas, que ya quedan pocas");
inline constexpr auto Tema5500 = tabla<30, 50, 50, 12, 22>(
    u8"es verdad, si abres los libros", u8"lo veo escrito en la lista de aprobados, con lápiz",
    u8"cierto a medias: aprobarás, pero por muy poquitito", u8"muy probable", u8"tan cierto como el sol");
// The welcome already gave the spirit's name, so none refuses to tell it.
inline constexpr auto Tema10003 = tabla<40, 29, 26, 51>(
    u8"de mí sabes lo justo, y con eso te basta", u8"me conoces de sobra, criatura",
    u8"eso ya lo sabes tú, mortal", u8"sé más de ti que tú de mí, y así va a seguir siendo");
// Having children, how many, and whether they will be happy.
inline constexpr auto Tema10004 = tabla<17, 24, 34>(u8"veo niños felices", u8"veo una casa muy ruidosa",
                                                    u8"veo una mesa larga, llena de risas");
inline constexpr auto Tema10005 = tabla<73, 128, 66>(
    u8"dejé de contar al soplar la vela número mil; desde entonces, ya no cumplo",
    u8"en años de vivo tendría unos trescientos, pero en años de fantasma soy un adolescente; trátame con "
    u8"cariño y no me traigas pastel",
    u8"los espíritus no tenemos edad, tenemos solera, como el coñac añejo");
inline constexpr auto Tema10008 =
    tabla<30, 21>(u8"la respuesta va en la pregunta", u8"¿Me tomas por novato?");
// Anything the user asks about himself: his name, where he is, whether he is
// lucky, clever or someone's great love.
inline constexpr auto Tema10009 =
    tabla<74, 33>(u8"nadie lo sabe mejor que tú; yo solo soy un espíritu que pasaba por tu lado",
                  u8"mejor no te lo digo, por si acaso");

// Two-part replies: every base reads with every ending, e.g. "un seis, y de
// milagro" + ", según veo". No "you": the exam may be a daughter's.
inline constexpr auto Tema5016Bases =
    tabla<21, 21, 22, 31>(u8"un seis, y de milagro", u8"un ocho más que justo", u8"la nota máxima, o casi",
                          u8"la que merece lo que se estudió");
inline constexpr auto Tema5016Finales = tabla<28, 11, 41, 70>(
    u8", si ese día no hay despiste", u8", según veo", u8", aunque ni el profesor se lo podrá creer",
    u8", pero no se lo digas al profesor, que no le gustan nada las sorpresas");

// Counted topics.
inline constexpr auto Tema2003 = tabla<83, 59, 30>(
    u8"veo una oficina con su silla que rechina y te espera; lo demás es cosa tuya, mortal",
    u8"el trabajo que te conviene ya te busca; tú déjate encontrar", u8"huele a cambio y no es el café");
inline constexpr auto Tema305 =
    tabla<60, 34, 40>(u8"veo campanas, arroz en el aire y dos viejitos aún de la mano",
                      u8"lo veo escrito, y con letra bonita", u8"eso lo deciden dos, y uno ya dijo que sí");

// Alternative labels.
inline constexpr auto EtiquetaA = tabla<15>(u8"Velmo susurra: ");
inline constexpr auto EtiquetaB = tabla<21>(u8"Los dados han caído: ");
inline constexpr auto EtiquetaC = tabla<41>(u8"Velmo, que ya va perdiendo la paciencia: ");
inline constexpr auto EtiquetaD = tabla<42>(u8"El calendario de la cripta, muy ofendido: ");

// 706: first piece + " K" + last piece, e.g. "¡Un" + " 4" + "! Úsalo con cabeza".
inline constexpr auto Tema706Primeros = tabla<24, 3, 21, 15>(u8"tu cifra de la suerte es", u8"¡Un",
                                                             u8"hoy la suerte trae el", u8"tu número es el");
inline constexpr auto Tema706Ultimos =
    tabla<32, 18, 39, 31>(u8", y no se lo cuentes a nadie más", u8"! Úsalo con cabeza",
                          u8", y mañana será otro, así que aprovecha", u8", por lo menos hasta medianoche");

// 712: the reply, then " 26" "..." " 21" "..." " 8" "..." " 7", read out slowly:
// "los números del próximo domingo son: 26... 21... 8... 7".
inline constexpr auto Tema712 = tabla<42, 36, 64>(
    u8"apunta bien, porque solo los diré una vez:", u8"los números del próximo domingo son:",
    u8"estos números vienen del más allá, aunque el boleto lo pagas tú:");
inline constexpr auto Tema712Separador = tabla<3>(u8"...");
inline constexpr auto Tema712YaDados =
    tabla<52, 36, 40>(u8"ya te di esos números; si los perdiste, es cosa tuya",
                      u8"una vez por noche, no seas codicioso", u8"los números ya los dije; no insistas más");

// 10001: the lead-in ends with its blank and the time follows: "…marca 9:05".
inline constexpr auto Tema10001Entrada = tabla<52>(u8"mi reloj de arena dice una cosa, pero el tuyo marca ");
inline constexpr auto Tema10001 = tabla<25, 36, 125>(
    u8"¿No tienes reloj, mortal?", u8"la misma que ayer, a esta misma hora",
    u8"los espíritus medimos el tiempo en velas derretidas, y hoy ya van tres; mira el rincón de tu "
    u8"pantalla, que ahí tienes la hora");

// 10002: the user keeps asking the date. The date stands between the two pieces:
// "…hoy sería " + "domingo, 6 de diciembre de 2026" + ", si ningún fantasma…".
inline constexpr auto Tema10002Etapa0 = tabla<232>(
    u8"¿Para eso me llamas? Los espíritus no usamos calendario: para nosotros todos los días son el mismo "
    u8"día, larguísimo y aburrido. Mira la esquina de tu pantalla, o asómate a la ventana y pregúntale a un "
    u8"vecino; yo tengo cosas que hacer");
inline constexpr auto Tema10002AntesFecha =
    tabla<75>(u8"según el calendario que tengo clavado en la puerta de mi cripta, hoy sería ");
inline constexpr auto Tema10002DespuesFecha = tabla<40>(u8", si ningún fantasma le arrancó una hoja");
inline constexpr auto Tema10002Etapa1 =
    tabla<103>(u8"¿Otra vez con la fecha? Ya te dije que yo no soy un calendario; "
               u8"¿acaso tengo cara de almanaque, mortal?");
inline constexpr auto Tema10002Etapa2 = tabla<41, 45, 117>(
    u8"igual que ayer, solo que un día más tarde", u8"pregúntale al calendario, que para eso cuelga",
    u8"llevo siglos colgado en esta cripta y nadie me mira; tú "
    u8"prefieres preguntarle al espíritu, así que hoy "
    u8"es hoy y punto");

// Companions: they must fit any question of their kind. The obvious-question
// replies also answer questions to the spirit itself ("¿Eres un demonio?") and
// about the user ("¿Soy guapo?"), not only riddles and facts.
inline constexpr auto Obviedades = tabla<68, 68, 72, 38, 32, 41, 56, 31>(
    u8"la respuesta es tan obvia que hasta me da reparo decirla en voz alta",
    u8"hasta mi gato fantasma sabría responder a eso, y eso que ya ni habla",
    u8"eso lo sabe hasta mi abuela, que lleva tres siglos sin salir del panteón",
    u8"no me hagas gastar ectoplasma para eso", u8"lo ve hasta un fantasma sin ojos",
    u8"esa pregunta se contesta sola, y lo sabes",
    u8"¿Me despiertas en el más allá para preguntarme lo obvio?", u8"tan obvio como que el agua moja");
inline constexpr auto TemasRepetidos = tabla<41, 38, 54, 28, 32, 17>(
    u8"otra vez lo mismo; pon otro disco, mortal", u8"ya te lo dije, y no me gusta repetirme",
    u8"insistir no cambia la respuesta, pero sí mi buen humor", u8"eso ya lo vimos, ¿recuerdas?",
    u8"pregunta algo más, que me aburro", u8"cambiemos de tema");

// 404 and 3304: first visit, then the replies of the dialogs.
inline constexpr auto Tema404Primera = tabla<139, 84, 129, 129>(
    u8"tu futuro es un libro que todavía se está escribiendo; puedo leer algunas páginas sueltas, pero el "
    u8"final dependerá de la tinta que uses hoy",
    u8"veo caminos que se cruzan, puertas que se abren, y otra que se cierra en tus narices",
    u8"el futuro es como la niebla del cementerio: de lejos parece espesa, pero si caminas hacia ella se "
    u8"aparta; anda, da el primer paso",
    u8"te espera algo bueno, algo raro y algo que te hará reír durante años; no te diré el orden exacto, "
    u8"porque "
    u8"ya no sería una sorpresa");
inline constexpr auto Tema404NoQuiere = tabla<30, 56>(
    u8"entonces, ¿para qué preguntas?", u8"mejor así; hay futuros que es preferible no ver de cerca");
inline constexpr auto Tema404NoVende = tabla<65, 81, 30, 75>(
    u8"sabia decisión; tu alma vale más que todo lo que yo pueda decirte",
    u8"el Diablo se quedará con las ganas, y tú con la duda; a veces es un negocio justo",
    u8"entonces, no hay trato, mortal",
    u8"nada es gratis en el más allá; regresa cuando tengas algo mejor que ofrecer");
// The last line of the prayer, read backwards, says "el diablo se la come".
inline constexpr auto Tema404Reza = tabla<162>(
    u8"¡Ja! ¿Leíste al revés la última línea? Dice «el diablo se la come», y acabas de firmar en voz alta: "
    u8"tu alma ya tiene dueño, así que de tu futuro mejor ni hablemos");
inline constexpr auto Tema404NoReza =
    tabla<83, 76, 69>(u8"cobarde, pero prudente; el Diablo no acepta almas que no se atreven a rezar en alto",
                      u8"sin oración no hay trato; guarda tu alma, que a lo mejor te hace falta luego",
                      u8"bien hecho: esa oración no era tan inocente como parecía, ni de lejos");

// The code-807 group.
inline constexpr auto Tema807Simples =
    tabla<23, 27, 45, 61>(u8"alguien a quien conoces", u8"una persona de nombre corto",
                          u8"alguien que ríe a gusto y llega siempre tarde",
                          u8"su nombre está escrito en la última hoja de tu agenda, míralo");
// The group answers "who" and the loves of relatives ("¿Tiene novia mi
// hermano?"), so its replies describe someone without saying whose love it is.
// Three pieces, the opening may be missing: "según mis cartas, " + "es alguien
// de tu barrio" + ", sin duda". Every opening reads with every ending, so
// neither says again what the other says (no hedge twice).
inline constexpr auto Tema807Aperturas = tabla<19, 18>(u8"lo veo en el café: ", u8"según mis cartas, ");
inline constexpr auto Tema807Medios =
    tabla<23, 24>(u8"es alguien de tu barrio", u8"es alguien que ríe mucho");
inline constexpr auto Tema807Cierres =
    tabla<11, 10, 11, 8>(u8", me parece", u8", sin duda", u8" y lo sabes", u8" y punto");
inline constexpr auto Tema807Breves =
    tabla<20, 21, 15, 16, 14>(u8"alguien con buen ojo", u8"alguien de risa fácil", u8"alguien cercano",
                              u8"un alma traviesa", u8"alguien tímido");
// Suspense: A + "…" + B + "…" + C + "…" + thirty dots, the voice trailing off
// just before the name. The first stage keeps its capital and ends in dots, so
// the reveal adds nothing and the timer's dots run on; the final reply, shown
// as it is stored, brings its own capital and full stop.
inline constexpr auto Tema807PiezasA = tabla<21, 26, 29>(
    u8"Ya lo veo en la bruma", u8"A ver, concéntrate conmigo", u8"Silencio: hablan los difuntos");
inline constexpr auto Tema807PiezasB =
    tabla<57, 56, 54>(u8" es alguien de buen corazón que ríe con los ojos cerrados",
                      u8" veo unos ojos que brillan cuando aparece cierta persona",
                      u8" dicen que esa persona vive más cerca de lo que creías");
inline constexpr auto Tema807PiezasC =
    tabla<55, 57, 53>(u8" y su nombre empieza por una letra que brilla, la letra",
                      u8" y oigo un nombre que suena a canción, se llama, se llama",
                      u8" y que si la buscas esta tarde, la vas a encontrar en");
inline constexpr auto Tema807Separador = tabla<1>(u8"…");
inline constexpr auto Tema807Cola = tabla<30>(u8"..............................");
inline constexpr auto Tema807Estados = tabla<23, 24, 24>(
    u8"Buscando en el más allá", u8"Interferencia espiritual", u8"Señal débil del más allá");
inline constexpr auto Tema807Finales =
    tabla<20, 21, 21>(u8"Es la eme, o la ene.", u8"Se me cortó la señal.", u8"En la fila del banco.");

// 10006 and 10007. The first replies of 10006, like the 807 suspense, end in
// the dots the timer continues; the finals are shown as stored.
inline constexpr auto Tema10006Primeras =
    tabla<24, 9, 10>(u8"Hmmm, déjame pensarlo...", u8"Veamos...", u8"Escucha...");
inline constexpr auto Tema10006Finales =
    tabla<34, 43>(u8"Amar, reír y echar largas siestas.", u8"Cuarenta y dos. No preguntes nunca por qué.");
inline constexpr auto Tema10007 =
    tabla<77>(u8"ahí van las cuentas de tus preguntas; los espíritus también llevamos registro");

} // namespace auguron::textos
