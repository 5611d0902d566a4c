#include "texts/Dialogos.h"
#include "answer/Velmo.h"
#include "texts/Frecuentes.h"
#include "util/Cifrado.h"

namespace auguron {

using namespace textos;

namespace {
constexpr auto kConsulta = plano(u8"Velmo pregunta:\r¿Realmente deseas una respuesta?");
constexpr auto kOfrecimiento = plano(u8"Velmo ofrece: Si quieres una respuesta debes venderle\r"
                                     u8"el alma al Diablo. ¿Deseas entregar tu alma a Satán?");
constexpr auto kOracion = plano(u8"        Lee en voz alta la siguiente oración:        \r"
                                u8"               Et ánima mea non requiem,\r"
                                u8"                  sae córpore, sae crucis.\r"
                                u8"                     Emoc al es olbaid le.");

constexpr Entero kTema404Cerrado = 25;
constexpr int kSuspenso10006 = 200; // ms between two dots
constexpr int kSuspenso807 = 250;
} // namespace

void Velmo::responderOfrecimiento() {
    std::string& r = m_estado.Respuesta;
    const Entero visitas = m_estado.CantTema404;
    if (visitas == 0) {
        r = Tema404Primera[azar(Tema404Primera.size())];
    } else if (visitas >= kTema404Cerrado) {
        fncResponderTemaRepetido();
    } else if (m_plataforma.mensaje(kConsulta, "Consulta", Botones::SiNo) == Boton::No) {
        r = Tema404NoQuiere[azar(Tema404NoQuiere.size())];
    } else if (m_plataforma.mensaje(kOfrecimiento, "Ofrecimiento", Botones::SiNo) == Boton::No) {
        // The first reply is drawn twice as often.
        const int n = azar(Tema404NoVende.size() + 1);
        r = Tema404NoVende[n <= 2 ? 1 : n - 1];
    } else if (m_plataforma.mensaje(kOracion, kTituloOracion, Botones::AceptarCancelar) == Boton::Aceptar) {
        r = Tema404Reza;
        m_estado.CantTema404 = kTema404Cerrado;
    } else {
        const int n = azar(Tema404NoReza.size() + 1);
        r = Tema404NoReza[n <= 2 ? 1 : n - 1];
    }
    sumar(m_estado.CantTema404, 1);
}

void Velmo::responderGrupo807() {
    std::string& r = m_estado.Respuesta;
    if (m_estado.SuspensoActivo) {
        // The call that ends the suspense: the revelation of its variant.
        if (m_estado.VarianteSuspenso >= 1 && m_estado.VarianteSuspenso <= 3) {
            r = Tema807Finales[m_estado.VarianteSuspenso];
        }
        m_plataforma.fijarTexto(Control::lblInfo, "");
        return;
    }

    const int n = azar(m_estado.RangoExtraTema807 + 8);
    if (n <= 4) {
        r = Tema807Simples[n];
    } else if (n <= 7) {
        // After the first three-piece reply the suspense answers become possible.
        m_estado.RangoExtraTema807 = 4;
        // Half the three-piece replies have no opening.
        const int apertura = azar(Tema807Aperturas.size() + 2);
        r = apertura <= 2 ? std::string() : std::string(Tema807Aperturas[apertura - 2]);
        r += Tema807Medios[azar(Tema807Medios.size())];
        r += Tema807Cierres[azar(Tema807Cierres.size())];
    } else if (n <= 9) {
        r = Tema807Breves[azar(Tema807Breves.size())];
    } else {
        const int v = azar(Tema807PiezasA.size());
        r = Tema807PiezasA[v];
        r += Tema807Separador;
        r += Tema807PiezasB[v];
        r += Tema807Separador;
        r += Tema807PiezasC[v];
        r += Tema807Separador;
        r += Tema807Cola;
        m_plataforma.fijarTexto(Control::lblInfo, fncDecodificar(Tema807Estados[v]));
        m_estado.VarianteSuspenso = static_cast<Entero>(v);
        m_estado.PasoSuspenso = 0;
        m_plataforma.fijarIntervalo(Temporizador::tmrSuspenso, kSuspenso807);
        m_estado.TemaSuspenso = 6807;
        m_estado.SuspensoActivo = true;
    }
}

void Velmo::responderTema10006() {
    if (m_estado.YaTema10006) {
        fncResponderTemaRepetido();
    } else if (m_estado.SuspensoActivo) {
        m_estado.Respuesta = Tema10006Finales[azar(Tema10006Finales.size() + 1) == 1 ? 1 : 2];
        m_estado.YaTema10006 = true;
        m_estado.TemaSuspenso = 0;
    } else {
        m_estado.Respuesta = Tema10006Primeras[azar(Tema10006Primeras.size())];
        m_estado.PasoSuspenso = 0;
        m_plataforma.fijarIntervalo(Temporizador::tmrSuspenso, kSuspenso10006);
        m_estado.TemaSuspenso = 10006;
        m_estado.SuspensoActivo = true;
    }
}

void Velmo::responderEstadisticas() {
    // The command itself is not counted among the frequent replies.
    sumar(m_estado.CantPregFrecuentes, -1);
    m_estado.Respuesta = Tema10007;
    m_plataforma.fijarTexto(Control::txtPregunta, "");
    m_plataforma.habilitar(Control::cmdNuevaPregunta, false);
    m_plataforma.mostrarEstadisticas();
}

} // namespace auguron
