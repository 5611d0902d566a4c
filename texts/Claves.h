#pragma once

// Keywords of the two detectors, in the normalised form that fncGeneralizar
// produces (lower case, qu for k, no acute accents), stored enciphered. A blank
// at either end asks for a whole word.

#include "texts/TextoCifrado.h"

#include <array>

// Questions are searched as fncGeneralizar leaves them: lower case, qu for k,
// no acute accents (ñ and ü stay), one blank added at each end, and "¿" still
// in front of the first word. So a keyword with a leading blank misses a first
// word written after "¿": leading blanks only where that is rare.

namespace auguron::textos {

// ---- Specific questions (tried in this order; the first that holds wins) ----

// 10001 the time of day. Not "¿A qué hora me casaré?" nor "¿Cuándo llegará la hora de
// mi muerte?".
inline constexpr auto Claves10001 = palabras<2>(u8"que hora", u8" la hora");
inline constexpr auto Excluye10001 = palabras<2>(u8"a que hora", u8"hora de");

// 10002 today's date. A future verb ("¿En qué fecha me casaré?", "¿Cuál será la
// fecha de mi boda?") makes it a when-question: " fecha" is also a when keyword
// (with its blank, for "satisfecha").
inline constexpr auto Claves10002 = palabras<2>(u8"que dia es", u8" fecha");
inline constexpr auto Excluye10002 = palabras<2>(u8"re ", u8"ra ");

// 10003 the spirit's own existence or nature, unless the question only uses it
// as a condition or a challenge ("Si eres tan sabio, ...", "¿Eres capaz de...").
inline constexpr auto Claves10003 =
    palabras<6>(u8"existes", u8" eres", u8"¿eres", u8" ahi", u8"escuchas", u8"estas viv");
inline constexpr auto Excluye10003 = palabras<3>(u8" si eres", u8" si existes", u8"capaz");

// 10004 the spirit's name.
inline constexpr auto Claves10004 = palabras<1>(u8"te llamas");

// 10005 the spirit's age.
inline constexpr auto Claves10005 = palabras<1>(u8"años tienes");

// 10006 the meaning of life, answered after a suspense; not a sense of humour,
// nor "resentido".
inline constexpr auto Claves10006 = palabras<1>(u8" sentido");
inline constexpr auto Excluye10006 = palabras<1>(u8"humor");

// 10007 command: show the statistics of the run.
inline constexpr auto Claves10007 = palabras<1>(u8"estadistica");

// 10008 riddles that hold their own answer; the prince on his white horse is love.
inline constexpr auto Claves10008 = palabras<3>(u8"caballo blanco", u8"quilo de", u8"guerra de los cien");
inline constexpr auto Excluye10008 = palabras<1>(u8"principe");

// 10009 questions about the user himself whose answer he knows.
inline constexpr auto Claves10009 =
    palabras<5>(u8"quien soy", u8"como me llamo", u8"estoy viv", u8"donde estoy", u8"existo");

// ---- Frequent topics, unit family: the topic (the first matching group wins,
// so a keyword of an early group must not turn up in questions of a later one) ----

// U01 death, dying. "muer" alone would be in "almuerzo".
inline constexpr auto U01 =
    palabras<8>(u8"muert", u8"muero", u8"muere", u8"muera", u8"morir", u8"muri", u8"fallec", u8"mas alla");
// U02 money, wealth (" dinero", not "jardinero"). " fortuna" is luck's, and
// "fortuna" is inside "afortunado".
inline constexpr auto U02 = palabras<4>(u8" dinero", u8" rico", u8" rica", u8"millonari");
// U03 work, job.
inline constexpr auto U03 = palabras<3>(u8"trabaj", u8"empleo", u8"sueldo");
// U04 the future, destiny.
inline constexpr auto U04 = palabras<3>(u8"futuro", u8"destino", u8"porvenir");
// U05 getting married, the wedding, marriage itself (" casar", not "fracasar").
// Husbands and wives are love's, so that "¿Mi esposa me quiere?" and "¿Quién
// será mi esposo?" reach it.
inline constexpr auto U05 =
    palabras<11>(u8" casar", u8" casad", u8"me caso", u8"boda", u8"matrimoni", u8"casamiento", u8"comprom",
                 u8"divorci", u8"anillo", u8" altar", u8"luna de miel");
// U06 luck. Nothing about numbers or draws: those belong to the lottery.
inline constexpr auto U06 =
    palabras<6>(u8"suert", u8"afortunad", u8" azar", u8" racha", u8"amuleto", u8" fortuna");
// U07 love, partner, feelings, spouses.
inline constexpr auto U07 = palabras<15>(
    u8"amor", u8"novio", u8"novia", u8"pareja", u8"me quiere", u8"me ama", u8"espos", u8"marido",
    u8"le gusto", u8"crush", u8"alma gemela", u8"media naranja", u8"mi ex ", u8"solter", u8"principe azul");
// U08 age, years of life, lifespan. " edad", for "enfermedad" and "soledad".
inline constexpr auto U08 =
    palabras<7>(u8" edad", u8" años", u8"vivire", u8"vivira", u8"viej", u8"vejez", u8"ancian");
// U09 well-known facts of nature (" sol ", not "solo" or "soltero").
inline constexpr auto U09 = palabras<2>(u8"tierra", u8" sol ");
// U10 suffering, sadness, the world's ills (" mal", not "normal").
inline constexpr auto U10 = palabras<10>(u8"sufr", u8"trist", u8"dolor", u8"llor", u8"guerra", u8"hambre",
                                         u8"soledad", u8"depre", u8"pobre", u8" mal");
// U11 colour.
inline constexpr auto U11 = palabras<1>(u8" color");
// U12 the lottery and the pools.
inline constexpr auto U12 = palabras<2>(u8"loteria", u8"quiniela");
// U13 health, illness.
inline constexpr auto U13 = palabras<5>(u8"salud", u8"enferm", u8" curar", u8"sanar", u8"medico");
// U14 God. The blank keeps out "estudios" and "adiós", at the price of "¿Dios...?"
inline constexpr auto U14 = palabras<1>(u8" dios");
// U15 the world and its end.
inline constexpr auto U15 = palabras<1>(u8" mundo");
// U16 marks, grades, scores.
inline constexpr auto U16 = palabras<3>(u8" nota", u8"calific", u8" punt");

// ---- Hundreds family: the kind of question ----

// H1 why.
inline constexpr auto H1 = palabras<2>(u8"por que", u8"porque");
// H2 how. No blank in front: "¿cómo" is the usual start.
inline constexpr auto H2 = palabras<2>(u8"como ", u8"de que manera");
// H3 when; " fecha" is also a keyword of today's date (10002).
inline constexpr auto H3 = palabras<3>(u8"cuando", u8"que dia ", u8" fecha");
// H4 will, going to.
inline constexpr auto H4 = palabras<2>(u8"voy a ", u8"va a ");
// H5 is it true.
inline constexpr auto H5 = palabras<3>(u8"es verdad", u8"sera verdad", u8"cierto que");
// H6 how many, how much.
inline constexpr auto H6 = palabras<2>(u8"cuanto", u8"cuanta");
// H7 which number or colour (a piece of data). Not "cuál": "¿Cuál es el amor de
// mi vida?" is still love.
inline constexpr auto H7 =
    palabras<6>(u8"numero", u8"digito", u8"que color", u8"el color", u8"mi color", u8"color favorit");
// H8 who.
inline constexpr auto H8 = palabras<1>(u8"quien");

// ---- Thousands family: qualifiers ----

// T1 soon.
inline constexpr auto T1 = palabras<2>(u8"pronto", u8"este año");
// T2 getting, obtaining, promotion.
inline constexpr auto T2 = palabras<2>(u8"consegui", u8"ascen");
// T3 coming to know. Not "conoceré": "¿Cuándo conoceré al amor?" is love.
inline constexpr auto T3 = palabras<2>(u8"sabre", u8"descubr");
// T4 should.
inline constexpr auto T4 = palabras<2>(u8"debo ", u8"deberia");
// T5 exams, studies.
inline constexpr auto T5 = palabras<3>(u8"exam", u8"aprob", u8"estudi");
// T6 people close to the user. "mi prim" would take "mi primer novio".
inline constexpr auto T6 =
    palabras<13>(u8"mi madre", u8"mi mama", u8"mi padre", u8"mi papa", u8"mi herman", u8"mi amig",
                 u8"mi vecin", u8"mi abuel", u8"mi hij", u8"mi primo", u8"mi prima", u8"mi tio", u8"mi tia");

inline constexpr std::array<Lista, 16> GruposUnidades{
    lista<U01>, lista<U02>, lista<U03>, lista<U04>, lista<U05>, lista<U06>, lista<U07>, lista<U08>,
    lista<U09>, lista<U10>, lista<U11>, lista<U12>, lista<U13>, lista<U14>, lista<U15>, lista<U16>};
inline constexpr std::array<Lista, 8> GruposCentenas{lista<H1>, lista<H2>, lista<H3>, lista<H4>,
                                                     lista<H5>, lista<H6>, lista<H7>, lista<H8>};
inline constexpr std::array<Lista, 6> GruposMillares{lista<T1>, lista<T2>, lista<T3>,
                                                     lista<T4>, lista<T5>, lista<T6>};

} // namespace auguron::textos
