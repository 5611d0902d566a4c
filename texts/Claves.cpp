#include "texts/Claves.h"

// Questions are searched as fncGeneralizar leaves them: lower case, qu for k,
// no acute accents (ñ and ü stay), one blank added at each end, and "¿" still
// in front of the first word. So a keyword with a leading blank misses a first
// word written after "¿": leading blanks only where that is rare.

namespace auguron::textos {

namespace {

// ---- Specific questions (tried in this order; the first that holds wins) ----

// 10001 the time of day. Not "¿A qué hora me casaré?" nor "¿Cuándo llegará la hora de
// mi muerte?".
constexpr auto t10001 = palabras(u8"que hora", u8" la hora");
constexpr auto x10001 = palabras(u8"a que hora", u8"hora de");

// 10002 today's date. A future verb ("¿En qué fecha me casaré?", "¿Cuál será la
// fecha de mi boda?") makes it a when-question: " fecha" is also a when keyword
// (with its blank, for "satisfecha").
constexpr auto t10002 = palabras(u8"que dia es", u8" fecha");
constexpr auto x10002 = palabras(u8"re ", u8"ra ");

// 10003 the spirit's own existence or nature, unless the question only uses it
// as a condition or a challenge ("Si eres tan sabio, ...", "¿Eres capaz de...").
constexpr auto t10003 = palabras(u8"existes", u8" eres", u8"¿eres", u8" ahi", u8"escuchas", u8"estas viv");
constexpr auto x10003 = palabras(u8" si eres", u8" si existes", u8"capaz");

// 10004 the spirit's name.
constexpr auto t10004 = palabras(u8"te llamas");

// 10005 the spirit's age.
constexpr auto t10005 = palabras(u8"años tienes");

// 10006 the meaning of life, answered after a suspense; not a sense of humour,
// nor "resentido".
constexpr auto t10006 = palabras(u8" sentido");
constexpr auto x10006 = palabras(u8"humor");

// 10007 command: show the statistics of the run.
constexpr auto t10007 = palabras(u8"estadistica");

// 10008 riddles that hold their own answer; the prince on his white horse is love.
constexpr auto t10008 = palabras(u8"caballo blanco", u8"quilo de", u8"guerra de los cien");
constexpr auto x10008 = palabras(u8"principe");

// 10009 questions about the user himself whose answer he knows.
constexpr auto t10009 =
    palabras(u8"quien soy", u8"como me llamo", u8"estoy viv", u8"donde estoy", u8"existo");

constexpr auto v10001 = vistas(t10001);
constexpr auto w10001 = vistas(x10001);
constexpr auto v10002 = vistas(t10002);
constexpr auto w10002 = vistas(x10002);
constexpr auto v10003 = vistas(t10003);
constexpr auto w10003 = vistas(x10003);
constexpr auto v10004 = vistas(t10004);
constexpr auto v10005 = vistas(t10005);
constexpr auto v10006 = vistas(t10006);
constexpr auto w10006 = vistas(x10006);
constexpr auto v10007 = vistas(t10007);
constexpr auto v10008 = vistas(t10008);
constexpr auto w10008 = vistas(x10008);
constexpr auto v10009 = vistas(t10009);

static_assert(v10001.size() == 2 && w10001.size() == 2);
static_assert(v10002.size() == 2 && w10002.size() == 2);
static_assert(v10003.size() == 6 && w10003.size() == 3);
static_assert(v10004.size() == 1 && v10005.size() == 1);
static_assert(v10006.size() == 1 && w10006.size() == 1);
static_assert(v10007.size() == 1);
static_assert(v10008.size() == 3 && w10008.size() == 1);
static_assert(v10009.size() == 5);

// ---- Frequent topics, unit family: the topic (the first matching group wins,
// so a keyword of an early group must not turn up in questions of a later one) ----

// U01 death, dying. "muer" alone would be in "almuerzo".
constexpr auto tU01 =
    palabras(u8"muert", u8"muero", u8"muere", u8"muera", u8"morir", u8"muri", u8"fallec", u8"mas alla");
// U02 money, wealth (" dinero", not "jardinero"). " fortuna" is luck's, and
// "fortuna" is inside "afortunado".
constexpr auto tU02 = palabras(u8" dinero", u8" rico", u8" rica", u8"millonari");
// U03 work, job.
constexpr auto tU03 = palabras(u8"trabaj", u8"empleo", u8"sueldo");
// U04 the future, destiny.
constexpr auto tU04 = palabras(u8"futuro", u8"destino", u8"porvenir");
// U05 getting married, the wedding, marriage itself (" casar", not "fracasar").
// Husbands and wives are love's, so that "¿Mi esposa me quiere?" and "¿Quién
// será mi esposo?" reach it.
constexpr auto tU05 = palabras(u8" casar", u8" casad", u8"me caso", u8"boda", u8"matrimoni", u8"casamiento",
                               u8"comprom", u8"divorci", u8"anillo", u8" altar", u8"luna de miel");
// U06 luck. Nothing about numbers or draws: those belong to the lottery.
constexpr auto tU06 = palabras(u8"suert", u8"afortunad", u8" azar", u8" racha", u8"amuleto", u8" fortuna");
// U07 love, partner, feelings, spouses.
constexpr auto tU07 = palabras(u8"amor", u8"novio", u8"novia", u8"pareja", u8"me quiere", u8"me ama",
                               u8"espos", u8"marido", u8"le gusto", u8"crush", u8"alma gemela",
                               u8"media naranja", u8"mi ex ", u8"solter", u8"principe azul");
// U08 age, years of life, lifespan. " edad", for "enfermedad" and "soledad".
constexpr auto tU08 = palabras(u8" edad", u8" años", u8"vivire", u8"vivira", u8"viej", u8"vejez", u8"ancian");
// U09 well-known facts of nature (" sol ", not "solo" or "soltero").
constexpr auto tU09 = palabras(u8"tierra", u8" sol ");
// U10 suffering, sadness, the world's ills (" mal", not "normal").
constexpr auto tU10 = palabras(u8"sufr", u8"trist", u8"dolor", u8"llor", u8"guerra", u8"hambre", u8"soledad",
                               u8"depre", u8"pobre", u8" mal");
// U11 colour.
constexpr auto tU11 = palabras(u8" color");
// U12 the lottery and the pools.
constexpr auto tU12 = palabras(u8"loteria", u8"quiniela");
// U13 health, illness.
constexpr auto tU13 = palabras(u8"salud", u8"enferm", u8" curar", u8"sanar", u8"medico");
// U14 God. The blank keeps out "estudios" and "adiós", at the price of "¿Dios...?"
constexpr auto tU14 = palabras(u8" dios");
// U15 the world and its end.
constexpr auto tU15 = palabras(u8" mundo");
// U16 marks, grades, scores.
constexpr auto tU16 = palabras(u8" nota", u8"calific", u8" punt");

// ---- Hundreds family: the kind of question ----

// H1 why.
constexpr auto tH1 = palabras(u8"por que", u8"porque");
// H2 how. No blank in front: "¿cómo" is the usual start.
constexpr auto tH2 = palabras(u8"como ", u8"de que manera");
// H3 when; " fecha" is also a keyword of today's date (10002).
constexpr auto tH3 = palabras(u8"cuando", u8"que dia ", u8" fecha");
// H4 will, going to.
constexpr auto tH4 = palabras(u8"voy a ", u8"va a ");
// H5 is it true.
constexpr auto tH5 = palabras(u8"es verdad", u8"sera verdad", u8"cierto que");
// H6 how many, how much.
constexpr auto tH6 = palabras(u8"cuanto", u8"cuanta");
// H7 which number or colour (a piece of data). Not "cuál": "¿Cuál es el amor de
// mi vida?" is still love.
constexpr auto tH7 =
    palabras(u8"numero", u8"digito", u8"que color", u8"el color", u8"mi color", u8"color favorit");
// H8 who.
constexpr auto tH8 = palabras(u8"quien");

// ---- Thousands family: qualifiers ----

// T1 soon.
constexpr auto tT1 = palabras(u8"pronto", u8"este año");
// T2 getting, obtaining, promotion.
constexpr auto tT2 = palabras(u8"consegui", u8"ascen");
// T3 coming to know. Not "conoceré": "¿Cuándo conoceré al amor?" is love.
constexpr auto tT3 = palabras(u8"sabre", u8"descubr");
// T4 should.
constexpr auto tT4 = palabras(u8"debo ", u8"deberia");
// T5 exams, studies.
constexpr auto tT5 = palabras(u8"exam", u8"aprob", u8"estudi");
// T6 people close to the user. "mi prim" would take "mi primer novio".
constexpr auto tT6 =
    palabras(u8"mi madre", u8"mi mama", u8"mi padre", u8"mi papa", u8"mi herman", u8"mi amig", u8"mi vecin",
             u8"mi abuel", u8"mi hij", u8"mi primo", u8"mi prima", u8"mi tio", u8"mi tia");

constexpr auto vU01 = vistas(tU01);
constexpr auto vU02 = vistas(tU02);
constexpr auto vU03 = vistas(tU03);
constexpr auto vU04 = vistas(tU04);
constexpr auto vU05 = vistas(tU05);
constexpr auto vU06 = vistas(tU06);
constexpr auto vU07 = vistas(tU07);
constexpr auto vU08 = vistas(tU08);
constexpr auto vU09 = vistas(tU09);
constexpr auto vU10 = vistas(tU10);
constexpr auto vU11 = vistas(tU11);
constexpr auto vU12 = vistas(tU12);
constexpr auto vU13 = vistas(tU13);
constexpr auto vU14 = vistas(tU14);
constexpr auto vU15 = vistas(tU15);
constexpr auto vU16 = vistas(tU16);
constexpr auto vH1 = vistas(tH1);
constexpr auto vH2 = vistas(tH2);
constexpr auto vH3 = vistas(tH3);
constexpr auto vH4 = vistas(tH4);
constexpr auto vH5 = vistas(tH5);
constexpr auto vH6 = vistas(tH6);
constexpr auto vH7 = vistas(tH7);
constexpr auto vH8 = vistas(tH8);
constexpr auto vT1 = vistas(tT1);
constexpr auto vT2 = vistas(tT2);
constexpr auto vT3 = vistas(tT3);
constexpr auto vT4 = vistas(tT4);
constexpr auto vT5 = vistas(tT5);
constexpr auto vT6 = vistas(tT6);

static_assert(vU01.size() == 8 && vU02.size() == 4 && vU03.size() == 3 && vU04.size() == 3);
static_assert(vU05.size() == 11 && vU06.size() == 6 && vU07.size() == 15 && vU08.size() == 7);
static_assert(vU09.size() == 2 && vU10.size() == 10 && vU11.size() == 1 && vU12.size() == 2);
static_assert(vU13.size() == 5 && vU14.size() == 1 && vU15.size() == 1 && vU16.size() == 3);
static_assert(vH1.size() == 2 && vH2.size() == 2 && vH3.size() == 3 && vH4.size() == 2);
static_assert(vH5.size() == 3 && vH6.size() == 2 && vH7.size() == 6 && vH8.size() == 1);
static_assert(vT1.size() == 2 && vT2.size() == 2 && vT3.size() == 2 && vT4.size() == 2);
static_assert(vT5.size() == 3 && vT6.size() == 13);

} // namespace

constinit const Lista Claves10001{v10001}, Excluye10001{w10001};
constinit const Lista Claves10002{v10002}, Excluye10002{w10002};
constinit const Lista Claves10003{v10003}, Excluye10003{w10003};
constinit const Lista Claves10004{v10004};
constinit const Lista Claves10005{v10005};
constinit const Lista Claves10006{v10006}, Excluye10006{w10006};
constinit const Lista Claves10007{v10007};
constinit const Lista Claves10008{v10008}, Excluye10008{w10008};
constinit const Lista Claves10009{v10009};

constinit const std::array<Lista, 16> GruposUnidades{
    Lista{vU01}, Lista{vU02}, Lista{vU03}, Lista{vU04}, Lista{vU05}, Lista{vU06}, Lista{vU07}, Lista{vU08},
    Lista{vU09}, Lista{vU10}, Lista{vU11}, Lista{vU12}, Lista{vU13}, Lista{vU14}, Lista{vU15}, Lista{vU16}};
constinit const std::array<Lista, 8> GruposCentenas{Lista{vH1}, Lista{vH2}, Lista{vH3}, Lista{vH4},
                                                    Lista{vH5}, Lista{vH6}, Lista{vH7}, Lista{vH8}};
constinit const std::array<Lista, 6> GruposMillares{Lista{vT1}, Lista{vT2}, Lista{vT3},
                                                    Lista{vT4}, Lista{vT5}, Lista{vT6}};

} // namespace auguron::textos
