#pragma once

// Keywords of the two detectors, in the normalised form that fncGeneralizar
// produces (lower case, qu for k, no acute accents), stored enciphered. A blank
// at either end asks for a whole word.

#include "texts/TextoCifrado.h"

#include <array>

// Questions are searched as fncGeneralizar leaves them (lower case, qu for k,
// no acute accents; ñ and ü stay; one blank added at each end), with "¿" and
// "¡" read as blanks, so a leading blank also finds the first word.
//
// Only some sums of the three families have replies; every other code gets an
// ordinary reply. So a topic whose replies sit at a code with a hundreds or a
// thousands value carries its words in that family too ("the topic again"):
// the unit says what the question is about, the other family makes sure the
// sum lands on the topic's replies. Whatever else a question holds must then
// not match an earlier group of that family.

namespace auguron::textos {

// ---- Specific questions (tried in this order; the first that holds wins) ----

// 10001 the time of day, here and now: "¿Qué hora es?", "¿Qué horas son?",
// "¿Me dices qué hora es?". Only the hour that "is": not another moment ("¿Qué
// hora será cuando me muera?", "¿Qué hora era cuando nací?", "¿Cuándo llegará
// la hora de mi muerte?"), not the hour of something ("¿A qué hora es la
// boda?"), nor somewhere else ("¿Qué hora es en Japón?"). Two keywords cannot
// also hold "¿Me dices la hora?", "¿Tienes hora?" or "Dime la hora".
inline constexpr auto Claves10001 = palabras<2>(u8" hora es", u8"horas son");
inline constexpr auto Excluye10001 = palabras<2>(u8"a que hora", u8" en ");

// 10002 today's date: "¿Qué fecha es ahora?", "¿Qué día es hoy?", "¿En qué día
// estamos?". Only the date that "is", so not "¿Qué fecha fue ayer?", "¿Qué día
// me casaré?" nor "¿Cuál es la fecha de mi muerte?"; and not when something
// else follows "es": "es mañana", "es mi boda", "es el examen", "es en Japón".
// The day of a wedding is the hundreds family's ("que dia ": 305).
inline constexpr auto Claves10002 = palabras<2>(u8"fecha es", u8"que dia es");
inline constexpr auto Excluye10002 = palabras<2>(u8"es m", u8"es e");

// 10003 the spirit itself: whether it exists or hears, who and where it is,
// its name, what it has or likes ("¿Tienes novia?", "¿Te gusta la pizza?").
// Not its age (10005), nor the user's loves ("te quiero"), nor a condition
// ("Si eres tan sabio, ...").
inline constexpr auto Claves10003 =
    palabras<6>(u8"existes", u8" eres", u8" estas ", u8" te ", u8"escuchas", u8" tienes ");
inline constexpr auto Excluye10003 = palabras<3>(u8" si eres", u8"años", u8"te quier");

// 10004 having children.
inline constexpr auto Claves10004 = palabras<1>(u8"hijos");

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

// 10009 the user about himself, which he knows better than anyone: "¿Quién
// soy?", "¿Soy inteligente?", "¿Dónde estoy?".
inline constexpr auto Claves10009 =
    palabras<5>(u8" soy ", u8"como me llamo", u8"estoy viv", u8"donde estoy", u8"existo");

// ---- Unit family: the topic (the first matching group wins, so a keyword of
// an early group must not turn up in questions of a later one) ----

// U01 death and dying; with H1, 101. "muer" alone would be in "almuerzo".
inline constexpr auto U01 = palabras<8>(u8"muert", u8"muero", u8"muere", u8"morir", u8"morimos", u8"fallec",
                                        u8"difunt", u8"mas alla");
// U02 money; with H2 and T1, 1202. " dinero", not "jardinero".
inline constexpr auto U02 = palabras<4>(u8" dinero", u8" rico", u8" rica", u8"millonari");
// U03 work; with T2, 2003.
inline constexpr auto U03 = palabras<3>(u8"trabajo", u8"trabajar", u8"empleo");
// U04 the future, what is going to happen ("pasará", "pasaré el año"); with H3
// and T3, 3304. Destiny is the future without the families' words: with why,
// 104 ("¿Por qué el destino me odia?"), with health, 404.
inline constexpr auto U04 = palabras<3>(u8"futuro", u8" pasar", u8"destino");
// U05 getting married and marriage; with T4, 4005, and with a date, 4305.
// Husbands and wives are love's. " casar", not "fracasar".
inline constexpr auto U05 =
    palabras<11>(u8" casar", u8" caso", u8" casad", u8" case ", u8"casamiento", u8" boda", u8"matrimonio",
                 u8" divorci", u8" altar", u8"comprom", u8"la mano");
// U06 luck, lucky numbers, pools and the big draw; with H7, the digit of the
// day (706). "numero " is one number: several are the lottery's. Luck that one
// will have ("tendré suerte", "tener suerte", "día de suerte"), not what
// brings it: "¿Qué color me trae suerte?" is a colour's (711).
inline constexpr auto U06 =
    palabras<6>(u8"dre suerte", u8"er suerte", u8"numero ", u8"quiniela", u8"de suerte", u8" gordo");
// U07 love and being loved, what the other one feels ("¿Piense en mí?",
// "¿Siente lo mismo?") and who is after the user ("¿Quién me llamó?"): 7
// alone, 607 with how many, 807 with who, 6007 and 6807 for the loves of
// relatives. "amor" also finds "enamorar"; " ex ", not "mi ex", for
// "¿Volveré con mi ex?".
inline constexpr auto U07 = palabras<15>(
    u8"amor", u8"novi", u8"pareja", u8"espos", u8"marido", u8"le gusto", u8"me quiere", u8"quien me",
    u8" amo ", u8"alma gemela", u8"media naranja", u8" ex ", u8"solter", u8"piense en", u8"siente lo mismo");
// U08 age and lifespan; with H6 and T6, years to live or lived (6608). " edad",
// not "enfermedad".
inline constexpr auto U08 =
    palabras<7>(u8" edad", u8" años", u8"vivire", u8"vivira", u8"quedan", u8"viej", u8"ancian");
// U09 facts of nature; with H5, 509 (" sol ", not "solo" or "soltero").
inline constexpr auto U09 = palabras<2>(u8"tierra", u8" sol ");
// U10 why, and sorrows; with H1, 110. Death and the future come first, so
// "¿Por qué tenemos que morir?" stays death's. Not "guerra": a world war is
// the world's.
inline constexpr auto U10 = palabras<10>(u8"por qu", u8"sufr", u8"trist", u8"dolor", u8"llor", u8"miedo",
                                         u8"hambre", u8"soledad", u8"depre", u8"pobre");
// U11 colour; with H7, 711.
inline constexpr auto U11 = palabras<1>(u8" color");
// U12 the lottery and its winning numbers; with H7, 712.
inline constexpr auto U12 = palabras<2>(u8"loteria", u8"ganador");
// U13 health and illness; with H4, 413.
inline constexpr auto U13 = palabras<5>(u8"salud", u8"enferm", u8"cura", u8"medic", u8"sano");
// U14 God, 14. The blank keeps out "estudios" and "adiós".
inline constexpr auto U14 = palabras<1>(u8" dios");
// U15 the world, its end and its peace, 15 ("mundial" too).
inline constexpr auto U15 = palabras<1>(u8" mund");
// U16 exams and a mark; with T5, 5016, and with how many, 5616. The marks
// handed out ("las notas") are T5's alone: with is it true, 5500, with a day to
// come, 5300.
inline constexpr auto U16 = palabras<3>(u8"exa", u8"prob", u8"nota ");

// ---- Hundreds family ----

// H1 death again, and why.
inline constexpr auto H1 = palabras<2>(u8"mori", u8"por que");
// H2 money again ("rica" is left to T1 alone: 1002).
inline constexpr auto H2 = palabras<2>(u8" diner", u8"rico ");
// H3 the future again, and a day to come ("que dia ": a wedding's day gives
// 305, a love's 307, God's 314, the end of the world's 315).
inline constexpr auto H3 = palabras<3>(u8"pasar", u8"futur", u8"que dia ");
// H4 health again.
inline constexpr auto H4 = palabras<2>(u8"enf", u8"salu");
// H5 is it true.
inline constexpr auto H5 = palabras<3>(u8"es verdad", u8"es cierto", u8"sera verdad");
// H6 how many, how old.
inline constexpr auto H6 = palabras<2>(u8"cuant", u8"edad");
// H7 luck, numbers, colours, the lottery and the pools again.
inline constexpr auto H7 = palabras<6>(u8"suert", u8"numer", u8"color", u8"lote", u8"quinie", u8"gordo");
// H8 who.
inline constexpr auto H8 = palabras<1>(u8"quien");

// ---- Thousands family ----

// T1 money again (" din", not "jardín"). "ric" is also in the pay day of a
// factory ("fábrica", 1300) and inside names ("Érica", "Federico"), whose
// loves the code-807 group answers (1007, 1807).
inline constexpr auto T1 = palabras<2>(u8" din", u8"ric");
// T2 work again.
inline constexpr auto T2 = palabras<2>(u8"trabaj", u8"emple");
// T3 the future again.
inline constexpr auto T3 = palabras<2>(u8"futu", u8"pasa");
// T4 marriage again; " cas" also finds a house that makes one ill (4413).
inline constexpr auto T4 = palabras<2>(u8" cas", u8"matrimoni");
// T5 exams and marks again; not the news ("noticias").
inline constexpr auto T5 = palabras<3>(u8"xam", u8"proba", u8"nota");
// T6 relatives, and a life counted in years ("¿Cuántos años me quedan?",
// "¿Qué edad tengo?"), whose replies fit a relative's years and one's own.
// Not mothers: "¿Mi mamá me quiere?" is a question of love. Not grandparents
// by name: "¿Cuándo morirá mi abuela?" is death's, and their years are found
// by "años " and " edad ". "mi prim" would take "mi primer novio"; " edad "
// with both blanks, not "enfermedad".
inline constexpr auto T6 =
    palabras<13>(u8"años ", u8" edad ", u8"mi padre", u8"mi papa", u8"mi herman", u8"mis padres",
                 u8"mi suegr", u8"mi sobrin", u8"mi hij", u8"mi primo", u8"mi prima", u8"mi tio", u8"mi tia");

inline constexpr std::array<Lista, 16> GruposUnidades{
    lista<U01>, lista<U02>, lista<U03>, lista<U04>, lista<U05>, lista<U06>, lista<U07>, lista<U08>,
    lista<U09>, lista<U10>, lista<U11>, lista<U12>, lista<U13>, lista<U14>, lista<U15>, lista<U16>};
inline constexpr std::array<Lista, 8> GruposCentenas{lista<H1>, lista<H2>, lista<H3>, lista<H4>,
                                                     lista<H5>, lista<H6>, lista<H7>, lista<H8>};
inline constexpr std::array<Lista, 6> GruposMillares{lista<T1>, lista<T2>, lista<T3>,
                                                     lista<T4>, lista<T5>, lista<T6>};

} // namespace auguron::textos
