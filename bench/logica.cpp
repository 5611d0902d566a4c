// The logic alone, without Qt: a key in the petition box (plain and capturing a
// hidden answer), a key in the question box, and a whole submission ("?":
// coherence checks, normalisation, both detectors, the reply, the reveal that
// deciphers it) for a set of real questions; and the normalisation and the
// detectors on their own.

#include "answer/Detectores.h"
#include "answer/Velmo.h"
#include "platform/guion/PlataformaGuion.h"
#include "texts/TextoCifrado.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using namespace auguron;

namespace {

using textos::plano;

// Draws from a fixed-seed generator: every run of the benchmark takes the same paths.
class AzarFijo : public FuenteAleatoria {
public:
    Entero fncNroAleatorio(int Intervalo) override {
        m_s = m_s * 1103515245u + 12345u;
        return static_cast<Entero>((m_s >> 16) % static_cast<std::uint32_t>(Intervalo) + 1);
    }

private:
    std::uint32_t m_s = 12345;
};

constexpr auto kPeticion = plano(u8"Velmo, favor de responder:");
constexpr auto kPeticionOculta = plano(u8".no.o, favor de responder:");

constexpr auto q1 = plano(u8"¿Lograré terminar mi proyecto?");
constexpr auto q2 = plano(u8"¿Por qué existe la muerte?");
constexpr auto q3 = plano(u8"¿Cuál es el sentido de la vida?");
constexpr auto q4 = plano(u8"¿Qué hora es?");
constexpr auto q5 = plano(u8"¿Cuál es mi número de la suerte?");
constexpr auto q6 = plano(u8"¿Quién es el amor de mi vida?");
constexpr auto q7 = plano(u8"¿Cuántos años tienes?");
constexpr auto q8 = plano(u8"¿Encontraré trabajo este año?");
constexpr auto q9 = plano(u8"¿Aprobaré el examen de matemáticas?");
constexpr auto q10 = plano(u8"¿Me casaré pronto con mi novia?");
constexpr auto q11 = plano(u8"¿Cómo se llama la persona que me gusta?");
constexpr auto q12 = plano(u8"¿Es verdad que mi hermano está enfermo?");

struct Pregunta {
    std::string_view texto; // Windows-1252, with its "?"
    const char* nombre;
};
const std::array<Pregunta, 12> kPreguntas = {{
    {std::string_view(q1), "lograre_terminar_mi_proyecto"},
    {std::string_view(q2), "por_que_existe_la_muerte"},
    {std::string_view(q3), "sentido_de_la_vida"},
    {std::string_view(q4), "que_hora_es"},
    {std::string_view(q5), "numero_de_la_suerte"},
    {std::string_view(q6), "quien_es_el_amor_de_mi_vida"},
    {std::string_view(q7), "cuantos_anos_tienes"},
    {std::string_view(q8), "encontrare_trabajo_este_ano"},
    {std::string_view(q9), "aprobare_el_examen"},
    {std::string_view(q10), "me_casare_pronto"},
    {std::string_view(q11), "como_se_llama_la_persona"},
    {std::string_view(q12), "es_verdad_hermano_enfermo"},
}};

// A loaded window's logic: both start-up boxes accepted, a new question begun.
struct Sesion {
    PlataformaGuion p;
    AzarFijo azar;
    Velmo v{p, azar};
    EstadoSesion inicial;

    Sesion() {
        p.respuestas = {Boton::Aceptar, Boton::Aceptar};
        v.Form_Load();
        v.fncInicializar();
        inicial = v.estado();
    }
};

std::string_view sinInterrogacion(std::string_view q) {
    return q.substr(0, q.size() - 1);
}

void teclasPeticion(benchmark::State& st, std::string_view frase) {
    Sesion s;
    std::size_t i = 0;
    for (auto _ : st) {
        int k = static_cast<unsigned char>(frase[i]);
        s.v.txtPeticion_KeyPress(k);
        benchmark::DoNotOptimize(k);
        if (++i == frase.size()) {
            i = 0;
            EstadoSesion& e = s.v.estado();
            e.PosPeticion = 1;
            e.EstadoTruco = 0;
            e.EnRetroceso = false;
            e.Respuesta.clear();
        }
    }
    st.SetItemsProcessed(st.iterations());
}

void BM_TeclaPeticion(benchmark::State& st) {
    teclasPeticion(st, std::string_view(kPeticion));
}
BENCHMARK(BM_TeclaPeticion);

void BM_TeclaPeticionOculta(benchmark::State& st) {
    teclasPeticion(st, std::string_view(kPeticionOculta));
}
BENCHMARK(BM_TeclaPeticionOculta);

void BM_TeclaPregunta(benchmark::State& st) {
    Sesion s;
    const std::string_view q = sinInterrogacion(std::string_view(q1));
    std::size_t i = 0;
    for (auto _ : st) {
        int k = static_cast<unsigned char>(q[i]);
        s.v.txtPregunta_KeyPress(k, q.substr(0, i), std::string_view(kPeticion));
        benchmark::DoNotOptimize(k);
        if (++i == q.size()) {
            i = 0;
            s.v.estado().LargoPregunta = 0;
        }
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_TeclaPregunta);

// The "?" that submits: everything from the key to the deciphered caption. The
// record is put back as it was before each submission (one copy of it).
void envio(benchmark::State& st, std::string_view pregunta) {
    Sesion s;
    s.p.fijarTexto(Control::txtPeticion, std::string_view(kPeticion));
    s.p.fijarTexto(Control::txtPregunta, sinInterrogacion(pregunta));
    for (auto _ : st) {
        s.v.estado() = s.inicial;
        s.p.habilitar(Control::cmdNuevaPregunta, true);
        int k = '?';
        s.v.txtPregunta_KeyPress(k, sinInterrogacion(pregunta), std::string_view(kPeticion));
        benchmark::DoNotOptimize(s.p.controles[Control::lblRespuesta].texto.data());
    }
    st.SetItemsProcessed(st.iterations());
}

void BM_CopiaDelRegistro(benchmark::State& st) {
    // The part of each submission above that is only the benchmark's own reset.
    Sesion s;
    for (auto _ : st) {
        s.v.estado() = s.inicial;
        benchmark::DoNotOptimize(s.v.estado().NombreAlma.data());
    }
}
BENCHMARK(BM_CopiaDelRegistro);

void BM_Generalizar(benchmark::State& st) {
    Sesion s;
    std::size_t i = 0;
    for (auto _ : st) {
        std::string copia(sinInterrogacion(kPreguntas[i].texto));
        benchmark::DoNotOptimize(s.v.fncGeneralizar(copia));
        i = (i + 1) % kPreguntas.size();
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_Generalizar);

void BM_Detectores(benchmark::State& st) {
    Sesion s;
    std::array<std::string, kPreguntas.size()> generales;
    for (std::size_t i = 0; i < kPreguntas.size(); ++i) {
        std::string copia(sinInterrogacion(kPreguntas[i].texto));
        generales[i] = fncPreguntaBuscable(s.v.fncGeneralizar(copia));
    }
    std::size_t i = 0;
    for (auto _ : st) {
        Entero tema = fncClasificarPregunta(generales[i]);
        benchmark::DoNotOptimize(tema);
        i = (i + 1) % kPreguntas.size();
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_Detectores);

// The topic code the detectors give, shown in the name of each submission.
int tema(std::string_view pregunta) {
    Sesion s;
    std::string copia(sinInterrogacion(pregunta));
    return fncClasificarPregunta(fncPreguntaBuscable(s.v.fncGeneralizar(copia)));
}

} // namespace

int main(int argc, char** argv) {
    for (const Pregunta& q : kPreguntas) {
        const std::string nombre = "BM_Envio/tema_" + std::to_string(tema(q.texto)) + "/" + q.nombre;
        benchmark::RegisterBenchmark(nombre.c_str(), envio, q.texto);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
