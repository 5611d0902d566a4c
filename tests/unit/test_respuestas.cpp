// The replies: every value of every weighted draw (the soul that answers
// too), the topics that remember something from one question to the next,
// and the suspense answers. (Codes without replies: test_corpus.cpp.)

#include "ConBanco.h"
#include "texts/TextosAlmas.h"
#include "texts/TextosTemas.h"

#include "texts/TextosRespaldo.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace auguron {
namespace {

class Frecuentes : public prueba::ConBanco {};
class Suspenso : public prueba::ConBanco {};

using prueba::Banco;
using prueba::plano;
using namespace textos;
using namespace std::chrono;

// Every value of every weighted draw, and the text, the label and the count
// it gives. `pesos` says how many values each entry takes, in order from
// value 1; entries past them take one value each, up to `entradas`. Entries
// past a list's own are what `texto` makes of them. The draws that follow the
// first are all scripted 1.
struct Tiradas {
    const char* nombre;
    int entradas;
    std::vector<int> pesos;
    std::function<void(Banco&)> llamar;
    std::function<std::string(int entrada)> texto;       // plain
    std::function<std::string(int entrada)> rotulo = {}; // none: as it was, or the default
    Entero EstadoSesion::*cuenta = &EstadoSesion::CantPregFrecuentes;
};

TEST_F(Frecuentes, CadaValorDeCadaTiradaDaSuTexto) {
    using Preparar = std::function<void(Banco&)>;
    const auto de = [](const auto& lista) { return [&lista](int e) { return plano(lista[e]); }; };
    const auto tema = [](Entero codigo, Preparar preparar = {}) {
        return [codigo, preparar](Banco& b) {
            if (preparar) {
                preparar(b);
            }
            b.v.frecuentes().fncResponderPreguntaFrecuente(codigo);
        };
    };
    // The entry `o` is an obvious-question reply; the others are the list's, in order.
    const auto obvia = [](const auto& lista, int o) {
        return [&lista, o](int e) { return plano(e == o ? Obviedades[1] : lista[e > o ? e - 1 : e]); };
    };
    // With this many incoherent petitions before.
    const auto peticionMala = [](Entero antes) {
        return [antes](Banco& b) {
            b.e().CantPeticionesIncoherentes = antes;
            b.v.respaldo().fncResponderPeticionIncoherente();
        };
    };
    const auto unir = [](auto... piezas) { return (std::string(piezas) + ...); };
    // The default label, or `etiqueta` for entry `valor`.
    const auto con = [](int valor, std::string_view etiqueta) {
        return [valor, etiqueta](int e) {
            return std::string(e == valor ? etiqueta : std::string_view(NombreAlmaPorDefecto));
        };
    };
    const auto el = [](sys_days d) { return [d](Banco& b) { b.p.dia = d; }; };
    const auto ofrecer = [](std::deque<Boton> botones) {
        return [botones](Banco& b) { b.e().CantTema404 = 1, b.p.respuestas = botones; };
    };
    const std::string s = plano(Tema712Separador);
    const auto tresPiezas = [](int e) {
        return (e == 1 ? std::string() : plano(Tema807Aperturas[e - 1])) + plano(Tema807Medios[1]) +
               plano(Tema807Cierres[1]);
    };
    const auto quien = [&](int e) {
        return e == 7   ? plano(unir(Tema807PiezasA[1], Tema807Separador, Tema807PiezasB[1], Tema807Separador,
                                     Tema807PiezasC[1], Tema807Separador, Tema807Cola))
               : e == 5 ? tresPiezas(1)
                        : plano(e == 6 ? Tema807Breves[1] : Tema807Simples[e]);
    };
    using R = RespuestasDeRespaldo;
    const auto v = [](auto... pesos) { return std::vector<int>{pesos...}; };
    const auto respaldo = [](void (R::*r)()) { return [r](Banco& b) { (b.v.respaldo().*r)(); }; };
    const std::vector<Tiradas> filas = {
        {"ordinaria", 45, v(2, 2, 2, 2), respaldo(&R::fncResponderPreguntaOrdinaria),
         de(RespuestasOrdinarias), nullptr, &EstadoSesion::CantOtrasPreguntas},
        // The fourth incoherent petition still draws over the first five
        // replies; from the fifth on, 4 values in 15 are answered as if the
        // question were wrong too.
        {"peticion_mala_a_la_cuarta", 5, v(), peticionMala(3), de(RespuestasPeticionMala), nullptr, nullptr},
        {"peticion_mala_insistente", 9, v(1, 1, 1, 1, 1, 2, 2, 2, 4), peticionMala(4),
         [](int e) { return plano(e == 9 ? RespuestasPetYPregMalas[1] : RespuestasPeticionMala[e]); },
         nullptr, nullptr},
        {"pregunta_mala", 11, v(), respaldo(&R::fncResponderPreguntaIncoherente), de(RespuestasPreguntaMala),
         nullptr, nullptr},
        {"peticion_y_pregunta_malas", 13, v(1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2),
         respaldo(&R::fncResponderPetYPregIncoherente), de(RespuestasPetYPregMalas), nullptr, nullptr},
        // A soul found: its family by the draw of 31, then pieces 3 and 2, no status line.
        {"alma", 7, v(15, 5, 3, 3, 2, 2),
         [](Banco& b) {
             const int familia = b.azar.tiradas.front().valor;
             b.azar.tiradas = {{1, 8}, {familia, 31}, {3}, {2}, {2}};
             b.v.almas().fncSeleccionarAlma();
         },
         [](int) { return std::string(); },
         [&](int e) {
             return e == 1   ? unir(AlmaInicio, AlmaMedios[3], AlmaFinales[2])
                    : e == 2 ? unir(Alma2Primeros[3], Alma2Finales[2])
                    : e == 3 ? unir(Alma3Primeros[3], Alma3Final)
                             : unir(AlmasEnteras[e - 3]);
         },
         nullptr},
        // The digit of the 31st: 31 x 17 + 15 = 542, 542 mod 256 = 30, 0.
        {"digito_del_31", 4, v(1, 2), tema(706, el(2026y / 5 / 31)),
         [](int e) { return plano(Tema706Primeros[e]) + " 0" + plano(Tema706Ultimos[e]); },
         [&](int e) { return e == 2 ? unir(EtiquetaB) : con(1, EtiquetaA)(e); }},
        // Asked on a Sunday, the numbers of the next one, the 7th of June.
        {"numeros", 3, v(), tema(712, el(2026y / 5 / 31)),
         [&](int e) { return plano(Tema712[e]) + " 26" + s + " 21" + s + " 8" + s + " 7"; },
         con(3, EtiquetaA)},
        {"numeros_ya_dados", 4, v(), tema(712, [](Banco& b) { b.e().YaTema712 = true; }),
         [](int e) { return plano(e == 4 ? TemasRepetidos[1] : Tema712YaDados[e]); }},
        // At five past nine: no zero before the hour, two digits after.
        {"hora", 4, v(2), tema(10001, [](Banco& b) { b.p.segundos = 9 * 3600 + 5 * 60 + 59.5; }),
         [](int e) { return e == 1 ? plano(Tema10001Entrada) + "9:05" : plano(Tema10001[e - 1]); }},
        {"fecha", 2, v(2), tema(10002),
         [](int e) {
             return e == 1 ? plano(Tema10002Etapa0)
                           : plano(Tema10002AntesFecha) + "domingo, 6 de diciembre de 2026" +
                                 plano(Tema10002DespuesFecha);
         }},
        {"fecha_en_la_etapa_2", 3, v(), tema(10002, [](Banco& b) { b.e().EtapaTema10002 = 2; }),
         de(Tema10002Etapa2), con(3, EtiquetaD)},
        {"no_quiere_vender", 4, v(2), tema(404, ofrecer({Boton::Si, Boton::No})), de(Tema404NoVende)},
        {"no_quiere_rezar", 3, v(2), tema(404, ofrecer({Boton::Si, Boton::Si, Boton::Cancelar})),
         de(Tema404NoReza)},
        {"quien", 6, v(1, 1, 1, 1, 3), tema(807), quien},
        {"quien_con_el_rango_abierto", 7, v(1, 1, 1, 1, 3, 2, 3),
         tema(807, [](Banco& b) { b.e().RangoExtraTema807 = 4; }), quien},
        {"apertura_de_tres_piezas", 3, v(2),
         tema(807,
              [](Banco& b) {
                  b.azar.tiradas.push_front({5, 8});
              }),
         tresPiezas},
        {"sentido_de_la_vida_final", 2, v(1, 2), tema(10006, [](Banco& b) { b.e().SuspensoActivo = true; }),
         de(Tema10006Finales)},
        {"509", 2, v(2), tema(509), obvia(Tema509, 1)},
        {"10003", 5, v(1, 1, 1, 1, 2), tema(10003), obvia(Tema10003, 5)},
        {"10008", 3, v(1, 1, 3), tema(10008), obvia(Tema10008, 3)},
        {"10009", 3, v(1, 1, 3), tema(10009), obvia(Tema10009, 3)},
        // Its first and fourth texts are the ordinary replies of values 36 and 30.
        {"6608", 5, v(), tema(6608),
         [](int e) {
             return plano(e == 1   ? RespuestasOrdinarias[32]
                          : e == 4 ? RespuestasOrdinarias[26]
                                   : Tema6608[e]);
         }},
    };
    for (const Tiradas& f : filas) {
        std::vector<int> entradas; // value by value from 1
        for (int e = 1; e <= f.entradas; ++e) {
            entradas.insert(entradas.end(),
                            static_cast<std::size_t>(e <= int(f.pesos.size()) ? f.pesos[e - 1] : 1), e);
        }
        const int tamano = static_cast<int>(entradas.size());
        for (int valor = 1; valor <= tamano; ++valor) {
            SCOPED_TRACE(std::string(f.nombre) + ", value " + std::to_string(valor));
            Banco& b = banco();
            b.e().NombreAlma = AlmasEnteras[2]; // a found soul: a topic's reply has its own label
            b.azar.tiradas.push_back({valor, tamano});
            for (int i = 0; i < 4; ++i) {
                b.azar.tiradas.push_back({1});
            }
            const int entrada = entradas[static_cast<std::size_t>(valor - 1)];
            f.llamar(b);
            EXPECT_EQ(plano(b.e().Respuesta), f.texto(entrada));
            const bool tema = f.cuenta == &EstadoSesion::CantPregFrecuentes;
            const std::string alma(tema ? NombreAlmaPorDefecto : AlmasEnteras[2]);
            EXPECT_EQ(plano(b.e().NombreAlma), plano(f.rotulo ? f.rotulo(entrada) : alma));
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
    Entero visitas404 = 0;
};

TEST_F(Frecuentes, LosTemasQueRecuerdan) {
    const auto t = [](std::string_view cifrado) { return plano(cifrado); };
    const std::string s = t(Tema712Separador);
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
        // On Saturday the 6th of June, the numbers of Sunday the 7th, once.
        {"numeros_una_vez",
         {{712, {2}, t(Tema712[2]) + " 26" + s + " 21" + s + " 8" + s + " 7"},
          {712, {3}, t(Tema712YaDados[3])}}},
        // The date leaves the stage as it was; the refusal moves it on twice.
        {"la_fecha_por_etapas",
         {{10002,
           {3},
           t(Tema10002AntesFecha) + prueba::w("sábado, 6 de junio de 2026") + t(Tema10002DespuesFecha)},
          {10002, {1}, t(Tema10002Etapa0)},
          {10002, {}, t(Tema10002Etapa1), EtiquetaC},
          {10002, {1}, t(Tema10002Etapa2[1])}}},
        // No boxes the first time; then up to three, until the prayer is read.
        {"la_oferta",
         {{404, {3}, t(Tema404Primera[3])},
          {3304, {2}, t(Tema404NoQuiere[2]), NombreAlmaPorDefecto, {Boton::No}},
          {404, {4}, t(Tema404NoReza[3]), NombreAlmaPorDefecto, {Boton::Si, Boton::Si, Boton::Cancelar}},
          {3304, {}, t(Tema404Reza), NombreAlmaPorDefecto, {Boton::Si, Boton::Si, Boton::Aceptar}},
          {404, {4}, t(TemasRepetidos[4])}}},
        {"la_oferta_hasta_la_visita_25",
         {{404, {1}, t(Tema404NoQuiere[1]), NombreAlmaPorDefecto, {Boton::No}},
          {404, {1}, t(TemasRepetidos[1])}},
         24},
        // The three-piece reply opens the draw to the suspense.
        {"el_grupo_807",
         {{807, {6, 2, 1, 4}, t(Tema807Medios[1]) + t(Tema807Cierres[4])},
          {6807,
           {11, 1},
           t(Tema807PiezasA[1]) + t(Tema807Separador) + t(Tema807PiezasB[1]) + t(Tema807Separador) +
               t(Tema807PiezasC[1]) + t(Tema807Separador) + t(Tema807Cola)}}},
    };
    for (const Recorrido& r : recorridos) {
        Banco& b = banco();
        b.p.dia = 2026y / 6 / 6; // a Saturday
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
            // The final reply comes on the 43rd tick: 8.6 s, or 10.75 s for 807.
            EXPECT_EQ(43 * b.p.intervalo(Temporizador::tmrSuspenso), tema == 807 ? 10750 : 8600);
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
    EXPECT_TRUE(b.p.activo(Temporizador::tmrSuspenso));
    b.v.fncInicializar();
    EXPECT_EQ(b.p.intervalo(Temporizador::tmrSuspenso), 0);
    for (const std::string_view texto : {Tema10006Primeras[1], Tema10006Finales[2], TemasRepetidos[5]}) {
        b.v.frecuentes().fncResponderPreguntaFrecuente(10006);
        EXPECT_EQ(b.e().Respuesta, texto);
    }
    // A final call of the 807 group with no variant (the flow never makes one)
    // keeps the reply it finds and only clears the status line.
    b.e().VarianteSuspenso = 4;
    b.caja(Control::lblInfo) = std::string(1, 'x');
    b.v.frecuentes().fncResponderPreguntaFrecuente(807);
    EXPECT_EQ(b.e().Respuesta, TemasRepetidos[5]);
    EXPECT_EQ(b.caja(Control::lblInfo), "");
}

} // namespace
} // namespace auguron
