// The frequent topics: which codes have replies of their own, and the topics
// that remember something from one question to the next.

#include "ConBanco.h"
#include "Rotulos.h"

#include "texts/TextosRespaldo.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>
#include <vector>

namespace auguron {
namespace {

class Frecuentes : public prueba::ConBanco {};
class Suspenso : public prueba::ConBanco {};

using prueba::Banco;
using prueba::plano;
using namespace textos;
using namespace std::chrono;

// A code without a row (0 too, which no empty place of a row may match) is an
// ordinary question under the soul found.
TEST_F(Frecuentes, LosCodigosSinFila) {
    for (const Entero codigo : {0, 3, 100, 2500, 6816}) {
        Banco& b = banco();
        b.e().NombreAlma = AlmasEnteras[2];
        b.azar.poner({12});
        b.v.frecuentes().fncResponderPreguntaFrecuente(codigo);
        EXPECT_EQ(b.e().CantPregFrecuentes - b.e().CantOtrasPreguntas, -1) << codigo;
        EXPECT_EQ(b.e().NombreAlma, AlmasEnteras[2]) << codigo;
        EXPECT_EQ(b.e().Respuesta, RespuestasOrdinarias[8]) << codigo;
    }
}

// Every value of every weighted draw, and the text, the label and the count
// it gives. `entradas` says, value by value from 1, which entry each value
// picks: "3*2" is entry 3 for two values, "5..9" entries 5 to 9 one value
// each; O is an obvious-question reply, R the repeated-topic reply. The
// draws that follow the first are all scripted 1.
struct Tiradas {
    const char* nombre;
    int tamano;
    const char* entradas;
    std::function<void(Banco&)> llamar;
    std::function<std::string(const std::string& entrada)> texto; // plain
    std::function<std::string_view(const std::string& entrada)> rotulo =
        nullptr; // none: as it was, or the default
    Entero EstadoSesion::*cuenta = &EstadoSesion::CantPregFrecuentes;
    std::function<void(Banco&)> preparar = nullptr;
};

std::vector<std::string> valorPorValor(std::string_view entradas) {
    std::vector<std::string> r;
    std::istringstream s{std::string(entradas)};
    for (std::string t; s >> t;) {
        if (const auto por = t.find('*'); por != std::string::npos) {
            r.insert(r.end(), static_cast<std::size_t>(std::stoi(t.substr(por + 1))), t.substr(0, por));
        } else if (const auto a = t.find(".."); a != std::string::npos) {
            for (int e = std::stoi(t.substr(0, a)); e <= std::stoi(t.substr(a + 2)); ++e) {
                r.push_back(std::to_string(e));
            }
        } else {
            r.push_back(t);
        }
    }
    return r;
}

TEST_F(Frecuentes, CadaValorDeCadaTiradaDaSuTexto) {
    const auto de = [](const auto& lista, int desde = 0) {
        return [&lista, desde](const std::string& e) { return plano(lista[std::stoi(e) - desde]); };
    };
    const auto tema = [](Entero codigo) {
        return [codigo](Banco& b) { b.v.frecuentes().fncResponderPreguntaFrecuente(codigo); };
    };
    const auto obvia = [](const auto& lista) {
        return
            [&lista](const std::string& e) { return plano(e == "O" ? Obviedades[1] : lista[std::stoi(e)]); };
    };
    const auto respaldo = [](void (RespuestasDeRespaldo::*r)()) {
        return [r](Banco& b) { (b.v.respaldo().*r)(); };
    };
    const std::string d = " " + std::to_string(((6 * 17 + 15) % 256) % 10); // the digit of the 6th
    const std::string sep = plano(Tema807Separador);
    const std::vector<Tiradas> filas = {
        {"ordinaria",
         49,
         "1*2 2*2 3*2 4*2 5..45",
         respaldo(&RespuestasDeRespaldo::fncResponderPreguntaOrdinaria),
         de(RespuestasOrdinarias),
         {},
         &EstadoSesion::CantOtrasPreguntas},
        {"peticion_mala",
         5,
         "1..5",
         respaldo(&RespuestasDeRespaldo::fncResponderPeticionIncoherente),
         de(RespuestasPeticionMala),
         {},
         nullptr},
        {"peticion_mala_insistente",
         15,
         "1..5 6*2 7*2 8*2 9*4",
         respaldo(&RespuestasDeRespaldo::fncResponderPeticionIncoherente),
         [](const std::string& e) {
             return plano(e == "9" ? RespuestasPetYPregMalas[1] : RespuestasPeticionMala[std::stoi(e)]);
         },
         {},
         nullptr,
         [](Banco& b) { b.e().CantPeticionesIncoherentes = 4; }},
        {"pregunta_mala",
         11,
         "1..11",
         respaldo(&RespuestasDeRespaldo::fncResponderPreguntaIncoherente),
         de(RespuestasPreguntaMala),
         {},
         nullptr},
        {"peticion_y_pregunta_malas",
         14,
         "1..12 13*2",
         respaldo(&RespuestasDeRespaldo::fncResponderPetYPregIncoherente),
         de(RespuestasPetYPregMalas),
         {},
         nullptr},
        {"digito_del_dia", 5, "1 2*2 3 4", tema(706),
         [&](const std::string& e) {
             return plano(Tema706Primeros[std::stoi(e)]) + d + plano(Tema706Ultimos[std::stoi(e)]);
         },
         [](const std::string& e) {
             return e == "1"
                        ? std::string_view(EtiquetaA)
                        : (e == "2" ? std::string_view(EtiquetaB) : std::string_view(NombreAlmaPorDefecto));
         }},
        {"hora", 5, "1*2 2..4", tema(10001), // at five past nine: no zero before the hour, two digits after
         [](const std::string& e) {
             return e == "1" ? plano(Tema10001Entrada) + "9:05" : plano(Tema10001[std::stoi(e) - 1]);
         },
         nullptr, &EstadoSesion::CantPregFrecuentes,
         [](Banco& b) { b.p.segundos = 9 * 3600 + 5 * 60 + 59.5; }},
        {"fecha", 3, "1*2 2", tema(10002),
         [](const std::string& e) {
             return e == "1" ? plano(Tema10002Etapa0)
                             : plano(Tema10002AntesFecha) + "domingo, 6 de diciembre de 2026" +
                                   plano(Tema10002DespuesFecha);
         }},
        {"quien", 8, "1..4 5*3 6", tema(807),
         [](const std::string& e) {
             return e == "5" ? plano(Tema807Medios[1]) + plano(Tema807Cierres[1])
                             : plano(e == "6" ? Tema807Breves[1] : Tema807Simples[std::stoi(e)]);
         }},
        {"quien_con_el_rango_abierto",
         12,
         "1..4 5*3 6*2 7*3",
         tema(807),
         [&](const std::string& e) {
             if (e == "7") {
                 return plano(Tema807PiezasA[1]) + sep + plano(Tema807PiezasB[1]) + sep +
                        plano(Tema807PiezasC[1]) + sep + plano(Tema807Cola);
             }
             return e == "5" ? plano(Tema807Medios[1]) + plano(Tema807Cierres[1])
                             : plano(e == "6" ? Tema807Breves[1] : Tema807Simples[std::stoi(e)]);
         },
         {},
         &EstadoSesion::CantPregFrecuentes,
         [](Banco& b) { b.e().RangoExtraTema807 = 4; }},
        {"apertura_de_tres_piezas", 4, "1*2 2 3",
         [](Banco& b) {
             b.azar.tiradas.push_front({5, 8});
             b.v.frecuentes().fncResponderPreguntaFrecuente(807);
         },
         [](const std::string& e) {
             return (e == "1" ? std::string() : plano(Tema807Aperturas[std::stoi(e) - 1])) +
                    plano(Tema807Medios[1]) + plano(Tema807Cierres[1]);
         }},
        {"sentido_de_la_vida_final",
         3,
         "1 2*2",
         tema(10006),
         de(Tema10006Finales),
         {},
         &EstadoSesion::CantPregFrecuentes,
         [](Banco& b) { b.e().SuspensoActivo = true; }},
        {"numeros_ya_dados",
         4,
         "1..3 R",
         tema(712),
         [](const std::string& e) {
             return plano(e == "R" ? TemasRepetidos[1] : Tema712YaDados[std::stoi(e)]);
         },
         {},
         &EstadoSesion::CantPregFrecuentes,
         [](Banco& b) { b.e().YaTema712 = true; }},
        {"509", 3, "O*2 1", tema(509), obvia(Tema509)},
        {"10003", 6, "1..4 O*2", tema(10003), obvia(Tema10003)},
        {"10008", 5, "1 2 O*3", tema(10008), obvia(Tema10008)},
        {"10009", 5, "1 2 O*3", tema(10009), obvia(Tema10009)},
        {"6608", 5, "1..5", tema(6608), de(Tema6608)},
    };
    for (const Tiradas& f : filas) {
        const std::vector<std::string> entradas = valorPorValor(f.entradas);
        ASSERT_EQ(entradas.size(), static_cast<std::size_t>(f.tamano)) << f.nombre;
        for (int valor = 1; valor <= f.tamano; ++valor) {
            SCOPED_TRACE(std::string(f.nombre) + ", value " + std::to_string(valor));
            Banco& b = banco();
            b.e().NombreAlma = AlmasEnteras[2]; // a found soul: a topic's reply has its own label
            if (f.preparar) {
                f.preparar(b);
            }
            b.azar.tiradas.push_back({valor, f.tamano});
            for (int i = 0; i < 4; ++i) {
                b.azar.tiradas.push_back({1});
            }
            const std::string& entrada = entradas[static_cast<std::size_t>(valor - 1)];
            f.llamar(b);
            EXPECT_EQ(plano(b.e().Respuesta), f.texto(entrada));
            const bool tema = f.cuenta == &EstadoSesion::CantPregFrecuentes;
            const std::string_view alma = tema ? NombreAlmaPorDefecto : AlmasEnteras[2];
            EXPECT_EQ(b.e().NombreAlma, f.rotulo ? f.rotulo(entrada) : alma);
            if (f.cuenta != nullptr) {
                EXPECT_EQ(b.e().*f.cuenta, 1);
            }
            b.azar.tiradas.clear(); // only the first draws are this row's
        }
    }
}

// One question after another in one run: its draws and box answers, the reply
// and the label it comes under. A box not scripted fails the step.
struct Paso {
    Entero codigo;
    std::vector<int> tiradas;
    std::string respuesta; // plain
    std::string_view rotulo = NombreAlmaPorDefecto;
    std::deque<Boton> botones = {};
};

struct Recorrido {
    const char* nombre;
    std::vector<Paso> pasos;
    sys_days dia = 2026y / 6 / 6; // a Saturday
    Entero visitas404 = 0;
};

TEST_F(Frecuentes, LosTemasQueRecuerdan) {
    const auto t = [](std::string_view cifrado) { return plano(cifrado); };
    const std::string s = t(Tema712Separador), e = t(Tema807Separador);
    const std::string junio7 = " 26" + s + " 21" + s + " 8" + s + " 7"; // the numbers of Sunday the 7th
    const std::vector<Recorrido> recorridos = {
        // 2003 counts alone; 305, 4005 and 4305 share a count.
        {"tres_y_se_cansan",
         {{2003, {1}, t(Tema2003[1])},
          {2003, {2}, t(Tema2003[2])},
          {2003, {3}, t(Tema2003[3])},
          {2003, {6}, t(TemasRepetidos[6])},
          {305, {1}, t(Tema305[1])},
          {4005, {2}, t(Tema305[2])},
          {4305, {3}, t(Tema305[3])},
          {305, {1}, t(TemasRepetidos[1])}}},
        {"numeros_una_vez",
         {{712, {2}, t(Tema712[2]) + junio7},
          {712, {3}, t(Tema712YaDados[3])},
          {712, {4, 2}, t(TemasRepetidos[2])}}},
        {"numeros_desde_un_domingo", {{712, {3}, t(Tema712[3]) + junio7, EtiquetaA}}, 2026y / 5 / 31},
        {"numeros_a_fin_de_mes",
         {{712, {1}, t(Tema712[1]) + " 32" + s + " 11" + s + " 22" + s + " 25"}},
         2026y / 2 / 28},
        // The digit of the day: 7 x 17 + 15 = 134 gives 4 on the 7th; 542 mod 256 = 30 gives 0 on the 31st.
        {"digito_del_7", {{706, {4}, t(Tema706Primeros[3]) + " 4" + t(Tema706Ultimos[3])}}, 2026y / 6 / 7},
        {"digito_del_31", {{706, {5}, t(Tema706Primeros[4]) + " 0" + t(Tema706Ultimos[4])}}, 2026y / 5 / 31},
        {"la_fecha_por_etapas",
         {{10002,
           {3},
           t(Tema10002AntesFecha) + prueba::w("sábado, 6 de junio de 2026") + t(Tema10002DespuesFecha)},
          {10002, {1}, t(Tema10002Etapa0)},
          {10002, {}, t(Tema10002Etapa1), EtiquetaC},
          {10002, {2}, t(Tema10002Etapa2[2])},
          {10002, {3}, t(Tema10002Etapa2[3]), EtiquetaD}}},
        // No boxes the first time; then up to three, until the prayer is read.
        {"la_oferta",
         {{404, {3}, t(Tema404Primera[3])},
          {3304, {2}, t(Tema404NoQuiere[2]), NombreAlmaPorDefecto, {Boton::No}},
          {404, {2}, t(Tema404NoVende[1]), NombreAlmaPorDefecto, {Boton::Si, Boton::No}},
          {404, {5}, t(Tema404NoVende[4]), NombreAlmaPorDefecto, {Boton::Si, Boton::No}},
          {404, {4}, t(Tema404NoReza[3]), NombreAlmaPorDefecto, {Boton::Si, Boton::Si, Boton::Cancelar}},
          {3304, {}, t(Tema404Reza), NombreAlmaPorDefecto, {Boton::Si, Boton::Si, Boton::Aceptar}},
          {404, {4}, t(TemasRepetidos[4])}}},
        {"la_oferta_hasta_la_visita_25",
         {{404, {1}, t(Tema404NoQuiere[1]), NombreAlmaPorDefecto, {Boton::No}},
          {404, {1}, t(TemasRepetidos[1])}},
         2026y / 6 / 6,
         24},
        // The three-piece reply opens two more values of the draw, the suspense.
        {"el_grupo_807",
         {{807, {8, 5}, t(Tema807Breves[5])},
          {1807, {6, 2, 1, 4}, t(Tema807Medios[1]) + t(Tema807Cierres[4])},
          {6007, {7, 4, 2, 1}, t(Tema807Aperturas[2]) + t(Tema807Medios[2]) + t(Tema807Cierres[1])},
          {6807,
           {11, 1},
           t(Tema807PiezasA[1]) + e + t(Tema807PiezasB[1]) + e + t(Tema807PiezasC[1]) + e + t(Tema807Cola)}}},
    };
    for (const Recorrido& r : recorridos) {
        Banco& b = banco();
        b.p.dia = r.dia;
        b.e().CantTema404 = r.visitas404;
        for (const Paso& p : r.pasos) {
            SCOPED_TRACE(std::string(r.nombre) + ", code " + std::to_string(p.codigo));
            b.p.respuestas = p.botones;
            for (const int n : p.tiradas) {
                b.azar.tiradas.push_back({n});
            }
            b.v.frecuentes().fncResponderPreguntaFrecuente(p.codigo);
            EXPECT_EQ(plano(b.e().Respuesta), p.respuesta);
            EXPECT_EQ(b.e().NombreAlma, p.rotulo);
        }
    }
}

// Both suspense answers, every variant: the first reply as the reveal leaves
// it, forty dots after it, the label alone, then the final reply, which nothing
// finishes. Every stage reads as a sentence; ticks that come after a new
// question cleared the petition change nothing.
TEST_F(Suspenso, CadaEtapaSeLeeComoUnaFrase) {
    const std::string etiqueta = plano(NombreAlmaPorDefecto);
    const auto frase = [&](const std::string& r) {
        const auto primera = static_cast<unsigned char>(r.at(etiqueta.size()));
        EXPECT_TRUE(ansi::mayuscula(primera) == primera && ansi::minuscula(primera) != primera) << r;
        EXPECT_TRUE(r.ends_with(".") || r.ends_with("?")) << r;
        EXPECT_EQ(r.find(".."), r.find("...")) << "two dots: " << r;
    };
    for (int v = 1; v <= 3; ++v) {
        for (const Entero tema : {10006, 807}) {
            Banco& b = banco();
            b.e().RangoExtraTema807 = 4;
            tema == 807 ? b.azar.poner({10, v}) : b.azar.poner({v, v});
            b.preguntar("Velmo, favor de responder",
                        tema == 807 ? "quien sera mi novio" : "que sentido tiene la vida");
            EXPECT_EQ(b.v.temaDetectado(), tema);
            EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), tema == 807 ? 250 : 200);
            const std::string estado =
                tema == 807 ? plano(Tema807Estados[v]) : std::string(textos::kBuscandoVagulantes);
            EXPECT_EQ(b.caja(Control::lblInfo), estado);
            const std::string primera = b.mostrada();
            frase(primera);
            for (int tic = 1; tic <= 43; ++tic) {
                b.v.tmrSuspenso_Timer();
                if (tic == 40 || tic == 41) {
                    EXPECT_EQ(b.mostrada(), tic == 40 ? primera + std::string(40, '.') : etiqueta);
                }
            }
            frase(b.mostrada());
            EXPECT_EQ(b.mostrada(), etiqueta + plano(tema == 807 ? Tema807Finales[v] : b.e().Respuesta));
            EXPECT_EQ(b.caja(Control::lblInfo), tema == 807 ? "" : estado) << "807 clears its status";
            EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
            EXPECT_EQ(b.e().CantPregFrecuentes, 2) << "the final reply counts again";
            b.azar.poner({2});
            b.v.fncInicializar(); // a tick still on its way after the reset changes nothing
            b.v.tmrSuspenso_Timer();
            EXPECT_EQ(b.e().PasoSuspenso, 43);
        }
    }
}

// A new question stops the suspense of 10006, which then starts over; once its
// final reply came, the topic is a repeated one.
TEST_F(Suspenso, ElDe10006SeInterrumpeYTerminaUnaVez) {
    Banco& b = banco();
    b.azar.poner({2, 2, 1, 3, 5});
    b.v.frecuentes().fncResponderPreguntaFrecuente(10006);
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 200);
    b.v.fncInicializar();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    for (const std::string_view texto : {Tema10006Primeras[1], Tema10006Finales[2], TemasRepetidos[5]}) {
        b.v.frecuentes().fncResponderPreguntaFrecuente(10006);
        EXPECT_EQ(b.e().Respuesta, texto);
    }
    // A final call of the 807 group with no variant (the flow never makes one)
    // keeps the reply it finds and only clears the status line.
    b.e().VarianteSuspenso = 4;
    b.caja(Control::lblInfo) = "x";
    b.v.frecuentes().fncResponderPreguntaFrecuente(807);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[5]);
    EXPECT_EQ(b.caja(Control::lblInfo), "");
}

} // namespace
} // namespace auguron
