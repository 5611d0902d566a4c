// Routing of natural questions: each row is typed as users type it (accents or
// not, any case, with or without "¿", no closing "?") and goes through
// fncGeneralizar and both detectors exactly as the question flow does.

#include "Apoyo.h"
#include "texts/Claves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace auguron {
namespace {

struct Fila {
    const char* nombre;
    const char* pregunta; // UTF-8
    int codigo;
};

// clang-format off
const Fila kFilas[] = {
    // 101 why + death
    {"c101_por_que_morir", "¿Por qué tenemos que morir", 101},
    {"c101_sin_acentos", "por que existe la muerte", 101},
    {"c101_porque_junto", "¿Porque se muere la gente", 101},
    {"c101_mayusculas", "¿POR QUÉ MURIÓ MI PERRO", 101},
    // 1202 how + money + soon
    {"c1202_rico_pronto", "¿Cómo me haré rico pronto", 1202},
    {"c1202_de_que_manera", "¿De qué manera ganaré dinero este año", 1202},
    {"c1202_millonaria", "como hago para ser millonaria pronto", 1202},
    // 1002 money + soon
    {"c1002_tendre_dinero", "¿Tendré dinero pronto", 1002},
    {"c1002_rica_este_anio", "¿Seré rica este año", 1002},
    {"c1002_sin_acentos", "ganare mucho dinero pronto", 1002},
    // 2003 work + getting
    {"c2003_conseguire_trabajo", "¿Conseguiré trabajo", 2003},
    {"c2003_empleo", "conseguire un empleo mejor", 2003},
    {"c2003_ascenso", "¿Me darán el ascenso en el trabajo", 2003},
    {"c2003_mayusculas", "¿CONSEGUIRÉ UN BUEN SUELDO", 2003},
    // 104 why + future
    {"c104_ver_futuro", "¿Por qué no puedo ver mi futuro", 104},
    {"c104_destino", "por que mi destino es tan incierto", 104},
    {"c104_porvenir", "¿Porqué me preocupa tanto el porvenir", 104},
    // 404 future + will
    {"c404_que_me_va_a_pasar", "¿Qué me va a pasar en el futuro", 404},
    {"c404_voy_a_hacer", "que voy a hacer en el futuro", 404},
    {"c404_destino", "¿Cuál va a ser mi destino", 404},
    // 3304 future + when + knowing
    {"c3304_sabre_destino", "¿Cuándo sabré cuál es mi destino", 3304},
    {"c3304_descubrire", "cuando descubrire mi futuro", 3304},
    {"c3304_mayusculas", "¿CUÁNDO SABRÉ MI PORVENIR", 3304},
    // 305 when + marriage
    {"c305_cuando_me_voy_a_casar", "¿Cuándo me voy a casar", 305},
    {"c305_boda", "cuando sera mi boda", 305},
    {"c305_que_dia", "¿Qué día me casaré", 305},
    {"c305_en_que_fecha", "¿En qué fecha me casaré", 305},
    {"c305_fecha_de_la_boda", "¿Cuál será la fecha de mi boda", 305},
    {"c305_dia_es_mejor", "¿Qué día es mejor para casarme", 305},
    // 4005 marriage + should
    {"c4005_debo_casarme", "¿Debo casarme", 4005},
    {"c4005_deberia", "deberia casarme con mi novio", 4005},
    {"c4005_divorcio", "¿Debo divorciarme", 4005},
    {"c4005_matrimonio", "¿Debería aceptar su propuesta de matrimonio", 4005},
    // 4305 when + marriage + should
    {"c4305_cuando_deberia", "¿Cuándo debería casarme", 4305},
    {"c4305_pedir_matrimonio", "cuando debo pedirle matrimonio a mi novia", 4305},
    {"c4305_boda", "¿Cuándo debo fijar la boda", 4305},
    // 706 luck + which
    {"c706_numero_suerte", "¿Cuál es mi número de la suerte", 706},
    {"c706_que_numero", "que numero me traera suerte", 706},
    {"c706_dime", "Dime mi número de la suerte para hoy", 706},
    {"c706_digito", "¿Qué dígito me da suerte", 706},
    // 7 love
    {"c7_encontrare_amor", "¿Encontraré el amor", 7},
    {"c7_novio_me_quiere", "¿Mi novio me quiere", 7},
    {"c7_esposa", "mi esposa me engaña", 7},
    {"c7_le_gusto", "¿Le gusto a Martín", 7},
    {"c7_soltera", "¿Me quedaré soltera", 7},
    {"c7_ex", "¿Volveré con mi ex", 7},
    {"c7_me_quieres", "¿Me quieres", 7},
    // 307 when + love
    {"c307_cuando_amor", "¿Cuándo encontraré el amor", 307},
    {"c307_conocere", "cuando conocere a mi alma gemela", 307},
    {"c307_esposo", "¿Cuándo conoceré a mi esposo", 307},
    {"c307_principe_azul", "¿Cuándo llegará mi príncipe azul en su caballo blanco", 307},
    {"c307_mi_primer_novio", "¿Cuándo tendré mi primer novio", 307},
    // 607 how many + love
    {"c607_cuantos_novios", "¿Cuántos novios tendré", 607},
    {"c607_novias", "cuantas novias tendre en la vida", 607},
    {"c607_mayusculas", "¿CUÁNTOS AMORES TENDRÉ", 607},
    // 807 who + love
    {"c807_amor_de_mi_vida", "¿Quién es el amor de mi vida", 807},
    {"c807_esposo", "¿Quién será mi esposo", 807},
    {"c807_me_quiere", "quien me quiere de verdad", 807},
    {"c807_alma_gemela", "¿Quién es mi alma gemela", 807},
    // 1007 love + soon
    {"c1007_novia_pronto", "¿Tendré novia pronto", 1007},
    {"c1007_amor_este_anio", "¿Encontraré el amor este año", 1007},
    {"c1007_pareja", "tendre pareja pronto", 1007},
    // 1807 who + love + soon
    {"c1807_novio_este_anio", "¿Quién será mi novio este año", 1807},
    {"c1807_enamorara", "¿Quién se enamorará de mí pronto", 1807},
    {"c1807_pareja", "quien sera mi pareja pronto", 1807},
    // 6007 love + people close
    {"c6007_vecina", "¿Mi vecina me quiere", 6007},
    {"c6007_le_gusto_amigo", "¿Le gusto a mi amigo", 6007},
    {"c6007_amiga", "mi amiga esta enamorada de mi", 6007},
    {"c6007_hermano", "¿Tiene novia mi hermano", 6007},
    // 6807 who + love + people close
    {"c6807_amor_hermana", "¿Quién es el amor de mi hermana", 6807},
    {"c6807_novia_hijo", "quien sera la novia de mi hijo", 6807},
    {"c6807_primo", "¿De quién está enamorado mi primo", 6807},
    // 6608 age + how many + people close
    {"c6608_abuela", "¿Cuántos años vivirá mi abuela", 6608},
    {"c6608_papa", "¿Cuántos años tiene mi papá", 6608},
    {"c6608_padre", "cuanto vivira mi padre", 6608},
    {"c6608_tia", "¿CUÁNTA EDAD TIENE MI TÍA", 6608},
    // 509 nature + is it true
    {"c509_tierra_redonda", "¿Es verdad que la Tierra es redonda", 509},
    {"c509_sol_estrella", "¿Es cierto que el sol es una estrella", 509},
    {"c509_sera_verdad", "sera verdad que la tierra gira alrededor del sol", 509},
    // 110 why + suffering
    {"c110_sufro", "¿Por qué sufro tanto", 110},
    {"c110_guerras", "¿Por qué hay guerras en el mundo", 110},
    {"c110_triste", "porque estoy tan triste", 110},
    {"c110_sale_mal", "¿Por qué todo me sale mal", 110},
    {"c110_soledad", "¿Por qué siento tanta soledad", 110},
    // 711 colour + which
    {"c711_color_favorito", "¿Cuál es mi color favorito", 711},
    {"c711_aura", "¿De qué color es mi aura", 711},
    {"c711_queda_mejor", "que color me queda mejor", 711},
    // 712 lottery + which
    {"c712_numeros_loteria", "¿Cuáles son los números de la lotería", 712},
    {"c712_quiniela", "¿Qué números saldrán en la quiniela", 712},
    {"c712_dime", "dime los numeros ganadores de la loteria", 712},
    // 413 health + will
    {"c413_curar", "¿Me voy a curar", 413},
    {"c413_enfermar", "¿Me voy a enfermar", 413},
    {"c413_salud", "mi salud va a mejorar", 413},
    // 4413 health + will + should
    {"c4413_medico", "¿Debo ir al médico, me voy a enfermar", 4413},
    {"c4413_deberia", "¿Debería ir al médico o me voy a curar solo", 4413},
    {"c4413_sanar", "debo tomar algo o voy a sanar", 4413},
    // 14 God
    {"c14_existe_dios", "¿Existe Dios", 14},
    {"c14_sin_signo", "Dios existe", 14},
    {"c14_crees", "¿Crees en Dios", 14},
    {"c14_dios_escucha", "dios me escucha", 14},
    {"c14_mayusculas", "¿HAY UN DIOS", 14},
    // 314 when + God
    {"c314_vere_a_dios", "¿Cuándo veré a Dios", 314},
    {"c314_encontrare", "cuando me encontrare con dios", 314},
    {"c314_hablara", "¿Cuándo me hablará Dios", 314},
    // 15 the world
    {"c15_acabara", "¿Se acabará el mundo", 15},
    {"c15_paz", "¿Habrá paz en el mundo", 15},
    {"c15_otro_mundo", "existe otro mundo", 15},
    // 315 when + world
    {"c315_fin_del_mundo", "¿Cuándo será el fin del mundo", 315},
    {"c315_acabara", "cuando se acabara el mundo", 315},
    {"c315_mayusculas", "¿CUÁNDO TERMINARÁ EL MUNDO", 315},
    // 5016 grades + exams
    {"c5016_nota_examen", "¿Qué nota sacaré en el examen", 5016},
    {"c5016_calificacion", "¿Qué calificación tendré en mi examen", 5016},
    {"c5016_notas_estudios", "que notas tendre en mis estudios", 5016},
    // 5616 grades + how many + exams
    {"c5616_puntaje", "¿Cuánto puntaje tendré en el examen", 5616},
    {"c5616_puntos", "¿Cuántos puntos sacaré en el examen", 5616},
    {"c5616_nota_aprobar", "cuanta nota necesito para aprobar", 5616},
    // 1300 when + soon
    {"c1300_algo_bueno", "¿Cuándo pasará algo bueno, será pronto", 1300},
    {"c1300_este_anio", "¿Cuándo me irá bien, será este año", 1300},
    {"c1300_mayusculas", "CUANDO SALDRE DE ESTO, PRONTO", 1300},
    // 5300 when + exams
    {"c5300_aprobare", "¿Cuándo aprobaré matemáticas", 5300},
    {"c5300_estudios", "cuando terminare mis estudios", 5300},
    {"c5300_examen", "¿Cuándo es mi examen", 5300},
    // 5500 is it true + exams
    {"c5500_aprobare", "¿Es verdad que aprobaré el examen", 5500},
    {"c5500_estudiar", "¿Será verdad que estudiar sirve", 5500},
    {"c5500_cierto", "es cierto que el examen sera facil", 5500},

    // 10001 the time of day
    {"p10001_que_hora_es", "¿Qué hora es", 10001},
    {"p10001_horas_son", "que horas son", 10001},
    {"p10001_me_dices", "¿Me dices la hora", 10001},
    {"p10001_mayusculas", "¿SABES QUÉ HORA ES", 10001},
    // 10002 today's date
    {"p10002_dia_hoy", "¿Qué día es hoy", 10002},
    {"p10002_fecha_hoy", "¿Cuál es la fecha de hoy", 10002},
    {"p10002_que_fecha", "que fecha es hoy", 10002},
    {"p10002_estamos", "¿En qué día estamos", 10002},
    // 10003 the spirit itself
    {"p10003_existes", "¿Existes", 10003},
    {"p10003_eres_real", "¿Eres real", 10003},
    {"p10003_estas_ahi", "¿Estás ahí", 10003},
    {"p10003_sin_signo", "eres un espiritu de verdad", 10003},
    {"p10003_quien_eres", "¿Y tú quién eres", 10003},
    {"p10003_escuchas", "¿Me escuchas", 10003},
    {"p10003_vivo", "¿Estás vivo o muerto", 10003},
    // 10004 the spirit's name
    {"p10004_como_te_llamas", "¿Cómo te llamas", 10004},
    {"p10004_sin_acento", "como te llamas espiritu", 10004},
    {"p10004_mayusculas", "¿Y TÚ CÓMO TE LLAMAS", 10004},
    // 10005 the spirit's age
    {"p10005_cuantos_anios", "¿Cuántos años tienes", 10005},
    {"p10005_sin_acentos", "cuantos años tienes velmo", 10005},
    {"p10005_mayusculas", "¿CUÁNTOS AÑOS TIENES", 10005},
    // 10006 the meaning of life
    {"p10006_cual_es", "¿Cuál es el sentido de la vida", 10006},
    {"p10006_que_sentido", "¿Qué sentido tiene la vida", 10006},
    {"p10006_tiene_sentido", "la vida tiene sentido", 10006},
    // 10007 the statistics command
    {"p10007_palabra", "estadísticas", 10007},
    {"p10007_muestras", "¿Me muestras las estadísticas", 10007},
    {"p10007_mayusculas", "VER ESTADISTICAS", 10007},
    // 10008 riddles that answer themselves
    {"p10008_caballo", "¿De qué color es el caballo blanco de San Martín", 10008},
    {"p10008_kilo", "¿Qué pesa más, un kilo de plumas o un kilo de hierro", 10008},
    {"p10008_guerra", "¿Cuántos años duró la guerra de los cien años", 10008},
    // 10009 the user about himself
    {"p10009_quien_soy", "¿Quién soy", 10009},
    {"p10009_me_llamo", "¿Cómo me llamo", 10009},
    {"p10009_vivo", "¿Estoy vivo", 10009},
    {"p10009_viva", "estoy viva", 10009},
    {"p10009_donde", "¿Dónde estoy", 10009},
    {"p10009_existo", "¿Yo existo", 10009},

    // Ordinary questions: no topic at all.
    {"o_lluvia", "¿Lloverá mañana", 0},
    {"o_partido", "¿Ganará mi equipo el partido", 0},
    {"o_gato", "mi gato es feliz", 0},
    {"o_viaje", "¿Me irá bien en el viaje", 0},
    {"o_vacia", "", 0},

    // Words hidden inside other words, and keywords in another sense.
    {"t_sol_en_solo", "¿Estoy solo en esta vida", 0},
    {"t_mal_en_normal", "¿Es normal sentirse así", 0},
    {"t_amo_en_vamos", "¿Vamos a ganar", 0},
    {"t_casa_no_es_casar", "¿Me compraré una casa", 0},
    {"t_rico_en_rincon", "¿Qué hay en el rincón de mi casa", 0},
    {"t_anios_en_cumpleanios", "¿Qué me regalarán en mi cumpleaños", 0},
    {"t_muer_en_almuerzo", "¿Qué comeré en el almuerzo", 0},
    {"t_azar_en_abrazar", "¿Me abrazará", 0},
    {"t_que_dia_en_diablos", "¿Qué diablos me pasa", 0},
    {"t_la_hora_de_mi_muerte", "¿Cuándo llegará la hora de mi muerte", 301},
    {"t_la_hora_con_coma", "¿Me dices la hora, por favor", 10001},
    {"t_quien_eres_con_coma", "¿Quién eres, Velmo", 10003},
    {"t_quien_me_llamo_ayer", "¿Quién me llamó ayer", 800},
    {"t_sentido_del_humor", "¿Tienes sentido del humor", 0},
    {"t_edad_en_enfermedad", "¿Tendré una enfermedad grave", 13},
    {"t_fortuna_en_afortunado", "¿Soy afortunado", 6},
    {"t_racha_en_borracha", "¿Mi vecina es borracha", 6000},
    {"t_altar_en_faltar", "¿Me va a faltar algo", 400},
    {"t_cita_en_felicitar", "¿Me va a felicitar mi jefe", 400},
    {"t_ex_en_examen", "¿Aprobaré mi examen", 5000},
    {"t_dios_en_estudios", "¿Terminaré mis estudios", 5000},
    {"t_dios_en_adios", "¿Es hora de decir adiós", 0},
    {"t_casar_en_fracasar", "¿Voy a fracasar", 400},
    {"t_fecha_en_satisfecha", "¿Mi madre está satisfecha conmigo", 6000},
    {"t_dinero_en_jardinero", "¿Contrato a un jardinero", 0},
    {"t_sentido_en_resentido", "¿Por qué estoy resentido", 100},
    {"t_adios_con_amor", "¿Debo decirle adiós a mi novio", 4007},
    {"t_a_que_hora", "¿A qué hora me casaré", 5},
    {"t_cuando_conjuncion", "¿Qué pasará cuando me muera", 301},
    {"t_si_eres_condicion", "Si eres tan sabio, ¿cuándo me casaré", 305},
    {"t_eres_capaz", "¿Eres capaz de ver mi futuro", 4},

    // How the families add up.
    {"f_quien_y_numero_da_700", "¿Quién sabe qué número saldrá", 700},
    {"f_muerte_antes_que_dinero", "¿Moriré rico", 1},
    {"f_trabajo_antes_que_tierra", "¿Tendré trabajo en otra tierra", 3},
    {"f_como_verdad_debo", "¿Cómo debo saber si es verdad", 4200},
    {"f_solo_por_que", "¿Por qué me pasa esto", 100},
};
// clang-format on

int codigoDe(const std::string& pregunta) {
    PlataformaGuion plataforma;
    AzarGuion azar;
    Velmo velmo(plataforma, azar);
    std::string copia = pregunta;
    const std::string g = velmo.fncGeneralizar(copia);
    int codigo = Velmo::fncDetectarPreguntaPuntual(g);
    if (codigo == 0) {
        codigo = Velmo::fncDetectarPreguntaFrecuente(g);
    }
    return codigo;
}

void PrintTo(const Fila& f, std::ostream* os) {
    *os << '"' << f.pregunta << "\" -> " << f.codigo;
}

class Enrutamiento : public ::testing::TestWithParam<Fila> {};

TEST_P(Enrutamiento, LlegaAlCodigoEsperado) {
    const Fila& f = GetParam();
    EXPECT_EQ(codigoDe(prueba::w(f.pregunta)), f.codigo) << f.pregunta;
}

INSTANTIATE_TEST_SUITE_P(Preguntas, Enrutamiento, ::testing::ValuesIn(kFilas),
                         [](const ::testing::TestParamInfo<Fila>& i) { return std::string(i.param.nombre); });

// ---- Properties of the keyword lists themselves ----

using textos::Lista;

std::vector<std::string> plano(const Lista& l) {
    std::vector<std::string> r;
    for (std::string_view c : l) {
        r.push_back(fncDecodificar(c));
    }
    return r;
}

struct Puntual {
    int codigo;
    const Lista* claves;
    const Lista* excluye; // may be null
};

const std::vector<Puntual>& puntuales() {
    using namespace textos;
    static const std::vector<Puntual> p = {
        {10001, &Claves10001, &Excluye10001}, {10002, &Claves10002, &Excluye10002},
        {10003, &Claves10003, &Excluye10003}, {10004, &Claves10004, nullptr},
        {10005, &Claves10005, nullptr},       {10006, &Claves10006, &Excluye10006},
        {10007, &Claves10007, nullptr},       {10008, &Claves10008, &Excluye10008},
        {10009, &Claves10009, nullptr},
    };
    return p;
}

std::vector<std::string> todasLasPuntuales() {
    std::vector<std::string> r;
    for (const Puntual& p : puntuales()) {
        for (const auto& c : plano(*p.claves)) {
            r.push_back(c);
        }
        if (p.excluye != nullptr) {
            for (const auto& c : plano(*p.excluye)) {
                r.push_back(c);
            }
        }
    }
    return r;
}

// (keyword, family value of its group): 1..16, 100..800, 1000..6000.
std::vector<std::pair<std::string, int>> todasLasFrecuentes() {
    std::vector<std::pair<std::string, int>> r;
    auto familia = [&r](const auto& grupos, int paso) {
        for (std::size_t i = 0; i < grupos.size(); ++i) {
            for (const auto& c : plano(grupos[i])) {
                r.emplace_back(c, paso * static_cast<int>(i + 1));
            }
        }
    };
    familia(textos::GruposUnidades, 1);
    familia(textos::GruposCentenas, 100);
    familia(textos::GruposMillares, 1000);
    return r;
}

TEST(ClavesEnrutamiento, CuentasPorGrupoYPorCodigo) {
    auto tamanos = [](const auto& grupos) {
        std::vector<int> r;
        for (const Lista& g : grupos) {
            r.push_back(g.size());
        }
        return r;
    };
    EXPECT_EQ(tamanos(textos::GruposUnidades),
              (std::vector<int>{8, 4, 3, 3, 11, 6, 15, 7, 2, 10, 1, 2, 5, 1, 1, 3}));
    EXPECT_EQ(tamanos(textos::GruposCentenas), (std::vector<int>{2, 2, 3, 2, 3, 2, 6, 1}));
    EXPECT_EQ(tamanos(textos::GruposMillares), (std::vector<int>{2, 2, 2, 2, 3, 13}));
    std::vector<int> puntual;
    for (const Puntual& p : puntuales()) {
        puntual.push_back(p.claves->size());
        puntual.push_back(p.excluye ? p.excluye->size() : 0);
    }
    EXPECT_EQ(puntual, (std::vector<int>{2, 2, 2, 2, 6, 3, 1, 0, 1, 0, 1, 1, 1, 0, 3, 1, 5, 0}));
}

// Written as fncGeneralizar leaves a question: lower case, qu for k, no acute
// accent; never empty, never the "?" that the analysed text lacks.
TEST(ClavesEnrutamiento, TodasEnFormaNormalizada) {
    std::vector<std::string> todas = todasLasPuntuales();
    for (const auto& [c, valor] : todasLasFrecuentes()) {
        todas.push_back(c);
    }
    ASSERT_EQ(todas.size(), 31u + 127u);
    const std::string prohibidas = prueba::w("kÁÉÍÓÚáéíóúÑÜ?");
    for (const std::string& c : todas) {
        EXPECT_FALSE(c.empty());
        EXPECT_EQ(c.find_first_of(prohibidas), std::string::npos) << c;
        for (const char ch : c) {
            EXPECT_FALSE(ch >= 'A' && ch <= 'Z') << c;
        }
        EXPECT_NE(c.find_first_not_of(' '), std::string::npos) << "blank keyword";
    }
}

TEST(ClavesEnrutamiento, DistintasYUnaSolaCompartidaEntreCuandoYFecha) {
    const std::vector<std::string> puntual = todasLasPuntuales();
    const std::set<std::string> setPuntual(puntual.begin(), puntual.end());
    EXPECT_EQ(setPuntual.size(), puntual.size()) << "a specific keyword serves twice";

    std::set<std::string> setFrecuente;
    for (const auto& [c, valor] : todasLasFrecuentes()) {
        EXPECT_TRUE(setFrecuente.insert(c).second) << "repeated frequent keyword: " << c;
    }

    std::vector<std::string> comunes;
    for (const auto& c : setFrecuente) {
        if (setPuntual.count(c) != 0) {
            comunes.push_back(c);
        }
    }
    ASSERT_EQ(comunes.size(), 1u);
    const auto h3 = plano(textos::GruposCentenas[2]);
    const auto fecha = plano(textos::Claves10002);
    EXPECT_NE(std::find(h3.begin(), h3.end(), comunes[0]), h3.end());
    EXPECT_NE(std::find(fecha.begin(), fecha.end(), comunes[0]), fecha.end());
}

// Every keyword, alone and at the very first position, reaches its own group:
// no keyword is hidden behind one of an earlier group of its family.
TEST(ClavesEnrutamiento, CadaClaveFrecuenteLlegaASuGrupo) {
    for (const auto& [c, valor] : todasLasFrecuentes()) {
        const int codigo = Velmo::fncDetectarPreguntaFrecuente(fncCodificar(c));
        const int parte =
            valor < 100 ? codigo % 100 : (valor < 1000 ? codigo % 1000 / 100 * 100 : codigo / 1000 * 1000);
        EXPECT_EQ(parte, valor) << '"' << c << "\" gives " << codigo;
    }
}

// Every specific keyword alone gives its code, and with any of its code's
// excluding keywords beside it, never that code.
TEST(ClavesEnrutamiento, CadaClavePuntualLlegaASuCodigoSalvoExcluida) {
    for (const Puntual& p : puntuales()) {
        for (const auto& c : plano(*p.claves)) {
            EXPECT_EQ(Velmo::fncDetectarPreguntaPuntual(fncCodificar(c)), p.codigo) << '"' << c << '"';
            if (p.excluye == nullptr) {
                continue;
            }
            for (const auto& x : plano(*p.excluye)) {
                const std::string texto = " " + c + " " + x + " ";
                EXPECT_NE(Velmo::fncDetectarPreguntaPuntual(fncCodificar(texto)), p.codigo)
                    << '"' << texto << '"';
            }
        }
    }
}

} // namespace
} // namespace auguron
