// Keys held down for tens of thousands of repeats, a thousand questions in a
// row, and the capture cases that once ran PosPeticion off its range.

#include "../fuzz/Rotulos.h"
#include "Apoyo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace auguron {
namespace {

using prueba::Banco;
using prueba::w;
constexpr auto P = Control::txtPeticion;
constexpr auto Q = Control::txtPregunta;
constexpr int kRetroceso = 8;
constexpr int kTeclas = 40000;
constexpr Entero kMaximo = INT16_MAX;

std::string conMayuscula(std::string s) {
    s[0] = static_cast<char>(ansi::mayuscula(static_cast<unsigned char>(s[0])));
    return s;
}

// The answer on screen is a known label, deciphered once, then the reply with
// its capital and its closing mark.
void comprobarMostrado(Banco& b, bool oculta) {
    const EstadoSesion& e = b.e();
    EXPECT_TRUE(fuzz::rotulosPlanos().contains(e.NombreAlma)) << e.NombreAlma;
    ASSERT_FALSE(e.Respuesta.empty());
    EXPECT_TRUE(e.Respuesta.back() == '.' || e.Respuesta.back() == '?');
    EXPECT_EQ(b.respuestaMostrada(), e.NombreAlma + conMayuscula(e.Respuesta));
    if (!oculta) {
        EXPECT_TRUE(fuzz::pareceTextoPlano(e.Respuesta)) << e.Respuesta;
    }
    EXPECT_FALSE(b.p.habilitado(P));
    EXPECT_FALSE(b.p.habilitado(Q));
}

// ---- Held keys ----

TEST(TeclaSostenida, LetrasEnLaPeticionSaturanPosPeticion) {
    Banco b;
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(P, 'a');
        // One key, one character, while the count can still follow.
        if (i < kMaximo - 1) {
            ASSERT_EQ(b.caja(P).size() + 1, static_cast<std::size_t>(b.e().PosPeticion)) << i;
        }
    }
    EXPECT_EQ(b.e().PosPeticion, kMaximo);
    EXPECT_EQ(b.caja(P).size(), static_cast<std::size_t>(kTeclas));
    EXPECT_EQ(b.caja(P)[0], 'A');
    EXPECT_EQ(b.e().EstadoTruco, 0);
    EXPECT_TRUE(b.e().Respuesta.empty());

    // Backspace held as long empties the box and brings the count back to its start.
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(P, kRetroceso);
        ASSERT_GE(b.e().PosPeticion, 1);
    }
    EXPECT_EQ(b.e().PosPeticion, 1);
    EXPECT_TRUE(b.caja(P).empty());

    // And the window still answers.
    b.azar.poner({1, 1, 1});
    b.preguntar("velmo, favor de responder:", w("¿Lloverá mañana en la sierra"));
    comprobarMostrado(b, false);
}

TEST(TeclaSostenida, PuntosEnLaPeticionCuentanHastaLaPosicion40) {
    Banco b;
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(P, '.');
        ASSERT_GE(b.e().EstadoTruco, 1);
    }
    // The first two show the phrase; from then on full stops are shown and
    // counted only below position 41.
    EXPECT_EQ(b.caja(P), "Ve" + std::string(kTeclas - 2, '.'));
    EXPECT_EQ(b.e().EstadoTruco, 40);
    EXPECT_EQ(b.e().PosPeticion, kMaximo);
    EXPECT_TRUE(b.e().Respuesta.empty());

    b.teclear(P, ":");
    b.teclear(Q, "?");
    EXPECT_EQ(b.e().CantPregTruco, 1);
    EXPECT_EQ(b.respuestaMostrada(), b.e().NombreAlma + ".");
    comprobarMostrado(b, true);
}

TEST(TeclaSostenida, PuntoYRetrocesoAlternadosSaturanEstadoTruco) {
    Banco b;
    b.tecla(P, 'x');
    for (int i = 0; i < 2 * kTeclas; ++i) {
        b.tecla(P, '.');
        b.tecla(P, kRetroceso);
        ASSERT_GE(b.e().EstadoTruco, 1) << i;
        ASSERT_EQ(b.e().PosPeticion, 2);
        ASSERT_EQ(b.caja(P), "X");
    }
    EXPECT_EQ(b.e().EstadoTruco, kMaximo);
    b.tecla(P, '.');
    EXPECT_EQ(b.e().EstadoTruco, kMaximo);
    EXPECT_TRUE(b.e().Respuesta.empty());
}

TEST(TeclaSostenida, CapturaLargaNuncaMuestraMasQueLaFrase) {
    Banco b;
    b.tecla(P, '.');
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(P, 'x');
        const EstadoSesion& e = b.e();
        ASSERT_EQ(e.EstadoTruco, 1);
        ASSERT_GE(e.PosPeticion, 2);
        ASSERT_LE(e.PosPeticion, 40);
        ASSERT_EQ(b.caja(P), kFrasePeticion.substr(0, static_cast<std::size_t>(e.PosPeticion - 1))) << i;
    }
    EXPECT_EQ(b.e().Respuesta, std::string(kTeclas, 'x'));

    b.teclear(P, ":");
    b.teclear(Q, w("¿Qué me dices"));
    b.teclear(Q, "?");
    EXPECT_EQ(b.e().Respuesta, std::string(kTeclas, 'x') + ".");
    comprobarMostrado(b, true);
}

TEST(TeclaSostenida, RetrocesoEnCajasVaciasNoBajaDeCero) {
    Banco b;
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(P, kRetroceso);
    }
    EXPECT_EQ(b.e().PosPeticion, 1);
    EXPECT_EQ(b.e().EstadoTruco, 0);
    b.teclear(P, "velmo, favor de responder:");
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(Q, kRetroceso);
    }
    EXPECT_EQ(b.e().LargoPregunta, 0);
    b.tecla(Q, 'a');
    EXPECT_EQ(b.caja(Q), "A");
}

// Each key held in the question box, then "?": the counts saturate and the
// question is answered like any other.
struct Sostenida {
    const char* nombre;
    char tecla;
    bool coherente; // the held text passes the question check
};

class PreguntaSostenida : public testing::TestWithParam<Sostenida> {};

TEST_P(PreguntaSostenida, SaturaYSeContesta) {
    const Sostenida s = GetParam();
    Banco b;
    b.teclear(P, "velmo, favor de responder:");
    for (int i = 0; i < kTeclas; ++i) {
        b.tecla(Q, s.tecla);
        ASSERT_GE(b.e().LargoPregunta, 1);
    }
    EXPECT_EQ(b.e().LargoPregunta, kMaximo);
    EXPECT_EQ(b.caja(Q).size(), static_cast<std::size_t>(kTeclas));

    b.azar.poner({1, 1, 1, 1});
    b.teclear(Q, "?");
    const EstadoSesion& e = b.e();
    EXPECT_GE(e.MaxConsonantes, 0);
    EXPECT_GE(e.CantPalabras, 1);
    EXPECT_EQ(e.CantPregNoValidas, s.coherente ? 0 : 1);
    EXPECT_EQ(e.CantPregFrecuentes + e.CantOtrasPreguntas, s.coherente ? 1 : 0);
    comprobarMostrado(b, false);
}

INSTANTIATE_TEST_SUITE_P(TeclaSostenida, PreguntaSostenida,
                         testing::Values(Sostenida{"vocales", 'a', false},
                                         Sostenida{"consonantes", 'b', false},
                                         Sostenida{"k_que_se_duplica", 'k', false},
                                         // A blank run is many empty words, none of them too long.
                                         Sostenida{"blancos", ' ', true}, Sostenida{"puntos", '.', false}),
                         [](const auto& i) { return std::string(i.param.nombre); });

TEST(TeclaSostenida, ConsonantesYBlancosSaturanSusCuentas) {
    Banco b;
    std::string q = std::string(kTeclas, 'b');
    b.v.fncGeneralizar(q);
    EXPECT_EQ(b.e().MaxConsonantes, kMaximo);
    std::string blancos(kTeclas, ' ');
    b.v.fncGeneralizar(blancos);
    EXPECT_EQ(b.e().CantPalabras, kMaximo);
}

// ---- The capture stays on the phrase ----

// Backspace pressed while the capture has erased the shown phrase down to its
// shortest (31 characters) used to leave EnRetroceso set below position 32:
// every later key erased one more character, down to an empty box and a
// PosPeticion of 0 and below.
TEST(CapturaAcotada, RetrocesoConLaFraseMasCortaNoLaVacia) {
    Banco b;
    b.teclear(P, "." + std::string(38, 'x')); // the whole phrase shown
    b.teclear(P, std::string(8, 'y'));        // erased back to 31 characters
    ASSERT_EQ(b.caja(P), kFrasePeticion.substr(0, 31));
    ASSERT_TRUE(b.e().EnRetroceso);
    b.tecla(P, kRetroceso);
    EXPECT_EQ(b.caja(P), kFrasePeticion.substr(0, 30));
    for (int i = 0; i < 200; ++i) {
        b.tecla(P, 'z');
        const EstadoSesion& e = b.e();
        ASSERT_EQ(e.EstadoTruco, 1);
        ASSERT_GE(e.PosPeticion, 2) << "after " << i + 1 << " keys";
        ASSERT_LE(e.PosPeticion, 40);
        ASSERT_EQ(b.caja(P), kFrasePeticion.substr(0, static_cast<std::size_t>(e.PosPeticion - 1)));
    }
    EXPECT_EQ(b.e().Respuesta, std::string(38, 'x') + std::string(7, 'y') + std::string(200, 'z'));
}

// The same through a capture opened by a full stop at position 40, whose
// erasing started with nothing captured, and Backspace past position 32.
TEST(CapturaAcotada, AperturaEnLaPosicion40YRetrocesosNoVacianLaCaja) {
    Banco b;
    b.teclear(P, std::string(39, 'a') + ".");
    ASSERT_EQ(b.e().EstadoTruco, 1);
    for (int i = 0; i < 8; ++i) {
        b.tecla(P, kRetroceso);
    }
    ASSERT_EQ(b.e().PosPeticion, 31);
    for (int i = 0; i < 100; ++i) {
        b.tecla(P, 'x');
        const EstadoSesion& e = b.e();
        ASSERT_EQ(e.EstadoTruco, 1);
        ASSERT_GE(e.PosPeticion, 2) << "after " << i + 1 << " keys";
        ASSERT_LE(e.PosPeticion, 40);
        ASSERT_EQ(b.caja(P).size() + 1, static_cast<std::size_t>(e.PosPeticion));
    }
    EXPECT_EQ(b.e().Respuesta, std::string(100, 'x'));
}

// ---- A thousand questions ----

// Draws and message-box answers from a seeded generator.
class AzarSemilla final : public FuenteAleatoria {
public:
    explicit AzarSemilla(std::mt19937_64& m)
        : m_m(m) {}
    Entero fncNroAleatorio(int Intervalo) override {
        EXPECT_GE(Intervalo, 1);
        return static_cast<Entero>(std::uniform_int_distribution<int>(1, Intervalo)(m_m));
    }

private:
    std::mt19937_64& m_m;
};

class PlataformaQueContesta final : public PlataformaGuion {
public:
    explicit PlataformaQueContesta(std::mt19937_64& m)
        : m_m(m) {}
    bool diceNoAlEspiritu = false;
    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override {
        EXPECT_TRUE(fuzz::pareceTextoPlano(texto, true)) << texto;
        const bool primero = m_m() % 2 == 0;
        Boton r = Boton::Aceptar;
        if (botones == Botones::SiNo) {
            r = titulo == "Velmo pregunta:" ? (diceNoAlEspiritu ? Boton::No : Boton::Si)
                                            : (primero ? Boton::Si : Boton::No);
        } else if (botones == Botones::AceptarCancelar) {
            r = primero ? Boton::Aceptar : Boton::Cancelar;
        }
        respuestas.push_back(r);
        return PlataformaGuion::mensaje(texto, titulo, botones);
    }

private:
    std::mt19937_64& m_m;
};

struct BancoLargo {
    std::mt19937_64 motor;
    PlataformaQueContesta p{motor};
    AzarSemilla azar{motor};
    Velmo v{p, azar};

    explicit BancoLargo(std::uint64_t semilla)
        : motor(semilla) {
        EXPECT_TRUE(v.Form_Load());
    }
    EstadoSesion& e() { return v.estado(); }
    std::string& caja(Control c) { return p.controles[c].texto; }
    void teclear(Control c, std::string_view teclas) {
        for (const char t : teclas) {
            int k = static_cast<unsigned char>(t);
            c == P ? v.txtPeticion_KeyPress(k) : v.txtPregunta_KeyPress(k);
            aplicarTecla(caja(c), k);
        }
    }
    void suspenso(int ticks) {
        for (int i = 0; i < ticks && p.activo(Temporizador::tmrSuspenso); ++i) {
            v.tmrSuspenso_Timer();
        }
    }
};

TEST(SesionLarga, MilPreguntasSeguidas) {
    const char* s = std::getenv("AUGURON_SEMILLA");
    const auto semilla = s != nullptr ? std::strtoull(s, nullptr, 0) : 20261206ULL;
    SCOPED_TRACE("seed " + std::to_string(semilla) + " (AUGURON_SEMILLA)");
    BancoLargo b(semilla);

    struct Caso {
        const char* peticion; // UTF-8, without the colon
        const char* pregunta; // UTF-8, without "?"
    };
    const Caso casos[] = {
        {".si"
         "mo, favor de responder",
         "¿Lloverá mañana"},                                        // hidden, trimmed
        {".no.o, favor de responder", "¿Me irá bien en el examen"}, // hidden, closed
        {"Velmo, favor de responder esta pregunta", "¿Qué opinas del queso de cabra"},
        {"velmo, favor de responder", "¿Cuál es el sentido de la vida"},  // 10006: suspense
        {"velmo, favor de responder", "¿Quién es el amor de mi vida"},    // 807: suspense at times
        {"velmo, favor de responder", "¿Qué me va a pasar en el futuro"}, // 404: the offer dialogs
        {"velmo, favor de responder", "¿Me muestras las estadísticas"},   // 10007
        {"hola", "¿Qué opinas del queso de cabra"},                       // incoherent petition
        {"velmo, favor de responder", "x"},                               // incoherent question
        {"velmo, favor de responder", "¿Qué hora es"},
        {"velmo, favor de responder", "¿Qué día es hoy"},
    };
    constexpr int kPreguntas = 1000;
    int comandos = 0;
    int suspensosAcabados = 0;
    int suspensosCortados = 0;
    bool estadisticas = false;
    for (int i = 0; i < kPreguntas; ++i) {
        SCOPED_TRACE("question " + std::to_string(i));
        if (b.p.habilitado(Control::cmdNuevaPregunta)) {
            b.v.cmdNuevaPregunta_Click();
        } else {
            b.v.mnuNuevaPregunta_Click(); // F2 works while the statistics window is open
        }
        ASSERT_FALSE(b.p.principalCerrada);
        ASSERT_TRUE(b.e().Respuesta.empty());
        ASSERT_TRUE(fuzz::rotulosCifrados().contains(b.e().NombreAlma));

        const Caso& c = casos[b.motor() % std::size(casos)];
        b.teclear(P, w(c.peticion) + ":");
        b.teclear(Q, w(c.pregunta) + "?");
        const bool abrio = b.p.estadisticasMostradas > comandos;
        if (abrio) {
            ++comandos;
            estadisticas = true;
        }
        const EstadoSesion& e = b.e();
        ASSERT_TRUE(fuzz::rotulosPlanos().contains(e.NombreAlma));
        ASSERT_EQ(b.caja(Control::lblRespuesta), e.NombreAlma + conMayuscula(e.Respuesta));
        ASSERT_LE(e.Respuesta.size(), 400u);
        // Every question lands in exactly one row, except the statistics
        // command; a suspense that ends lands a second time.
        ASSERT_EQ(e.CantPregTruco + e.CantPregFrecuentes + e.CantPregNoValidas + e.CantOtrasPreguntas,
                  i + 1 - comandos + suspensosAcabados);

        if (b.p.activo(Temporizador::tmrSuspenso)) {
            if (b.motor() % 2 == 0) {
                b.suspenso(43);
                ASSERT_FALSE(b.p.activo(Temporizador::tmrSuspenso));
                ASSERT_TRUE(fuzz::rotulosCifrados().contains(e.NombreAlma));
                const std::string& final = b.caja(Control::lblRespuesta);
                ASSERT_EQ(final, fncDecodificar(e.NombreAlma) + fncDecodificar(e.Respuesta));
                ASSERT_TRUE(fuzz::pareceTextoPlano(final));
                ++suspensosAcabados;
            } else {
                b.suspenso(static_cast<int>(b.motor() % 42)); // the next question interrupts it
                ++suspensosCortados;
            }
        }
        if (b.p.temporizadorHabilitado(Temporizador::tmrFocus) && b.motor() % 2 == 0) {
            b.v.tmrFocus_Timer();
        }
        // The statistics window is closed with its button now, or left open
        // for a few questions (new questions then come from F2).
        if (estadisticas && b.motor() % 4 == 0) {
            b.p.habilitar(Control::cmdNuevaPregunta, true);
            b.p.enfocar(Control::cmdNuevaPregunta);
            estadisticas = false;
        }
        if (b.e().PasoMensaje < 3 && b.p.activo(Temporizador::tmrMensaje)) {
            b.v.tmrMensaje_Timer();
        }
        ASSERT_LE(b.e().NombreAlma.size(), 64u);
        ASSERT_LE(b.caja(Control::lblRespuesta).size(), 600u);
        b.p.cajas.clear();
    }
    EXPECT_GT(comandos, 0);
    EXPECT_GT(suspensosAcabados, 0);
    EXPECT_GT(suspensosCortados, 0);
    EXPECT_GT(b.e().CantTema404, 25); // the offer topic went through its dialogs and closed
    EXPECT_LE(b.e().Respuesta.capacity(), 1024u);

    // And when the spirit is finally told No, the main window closes.
    b.e().PreguntasSinTruco = 5;
    b.p.diceNoAlEspiritu = true;
    for (int i = 0; i < 1000 && !b.p.principalCerrada; ++i) {
        b.v.mnuNuevaPregunta_Click();
    }
    EXPECT_TRUE(b.p.principalCerrada);
}

} // namespace
} // namespace auguron
