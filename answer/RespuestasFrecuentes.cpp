#include "answer/RespuestasFrecuentes.h"

#include "answer/Reparto.h"
#include "answer/Temas.h"
#include "texts/TextosAlmas.h"
#include "texts/TextosPlanos.h"
#include "texts/TextosTemas.h"
#include "util/Cifrado.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace auguron {

using namespace textos;

namespace {

// Counted topics get their own replies this many times, then only the
// repeated-topic reply.
constexpr Entero kVecesAntesDeCansarse = 3;

// The weighted draws, entry by entry (see Reparto).
// 706: four rows of pieces, the second drawn twice as often; the first two
// come under labels of their own.
constexpr Reparto<Tema706Primeros.size()> kFilas706{1, 2};
constexpr std::string_view kEtiquetas706[] = {EtiquetaA, EtiquetaB, {}, {}};
static_assert(std::size(kEtiquetas706) == Tema706Primeros.size());
// The time: two values in five tell it; the others draw the whole replies.
constexpr Reparto<1 + Tema10001.size()> kHora{2};
// The date's first stage: two values in three refuse to tell it.
constexpr Reparto<2> kFecha{2};
// The offer dialogs' refusals: the first reply twice as often.
constexpr Reparto<Tema404NoVende.size()> kNoVende{2};
constexpr Reparto<Tema404NoReza.size()> kNoReza{2};
// Who: the four plain replies, a three-piece reply, a short one and a
// suspense answer. The range starts four short, which leaves the suspense
// out, and widens after the first three-piece reply.
constexpr Reparto<Tema807Simples.size() + 3> kQuien{1, 1, 1, 1, 3, 2, 3};
constexpr int kQuienTresPiezas = Tema807Simples.size() + 1;
constexpr int kQuienBreve = kQuienTresPiezas + 1;
constexpr Entero kRangoExtra807 = 4;
// Half the three-piece replies have no opening.
constexpr Reparto<1 + Tema807Aperturas.size()> kAperturas807{2};
// The second final reply of 10006 twice as often.
constexpr Reparto<Tema10006Finales.size()> kFinales10006{1, 2};

// The offer dialogs close for the run at this many visits.
constexpr Entero kFuturoCerrado = 25;
constexpr int kPuntoCada10006Ms = 200; // the suspense's dots, one every so often
constexpr int kPuntoCada807Ms = 250;

constexpr auto kConsulta = plano(u8"Velmo pregunta:\r¿Realmente deseas una respuesta?");
constexpr auto kOfrecimiento = plano(u8"Velmo ofrece: Si quieres una respuesta debes venderle\r"
                                     u8"el alma al Diablo. ¿Deseas entregar tu alma a Satán?");
constexpr auto kOracion = plano(u8"        Lee en voz alta la siguiente oración:        \r"
                                u8"               Et ánima mea non requiem,\r"
                                u8"                  sae córpore, sae crucis.\r"
                                u8"                     Emoc al es olbaid le.");

// The codes of one row, up to five; only the ones given are searched, never
// the empty places.
struct Codigos {
    std::array<Entero, 5> valores{};
    std::size_t usados = 0;

    constexpr Codigos(std::initializer_list<Entero> lista) {
        for (const Entero c : lista) {
            valores.at(usados++) = c;
        }
    }
    constexpr bool contiene(Entero tema) const {
        const auto fin = valores.begin() + static_cast<std::ptrdiff_t>(usados);
        return std::find(valores.begin(), fin, tema) != fin;
    }
};

// A topic answered by one draw over its list. `obvias` more draw values call
// fncResponderObviedad instead, before the list's values or after them.
struct FilaSimple {
    Codigos codigos;
    Lista textos;
    int obvias = 0;
    bool obviasPrimero = false;
};

constexpr std::array<FilaSimple, 20> kFilasSimples{{
    {{101}, lista<Tema101>},
    {{1202}, lista<Tema1202>},
    {{1002}, lista<Tema1002>},
    {{104}, lista<Tema104>},
    {{7, 307, 607}, lista<Tema7>},
    {{6608}, Lista{Tema6608}},
    {{509}, lista<Tema509>, 2, true},
    {{110}, lista<Tema110>},
    {{711}, lista<Tema711>},
    {{413, 4413}, lista<Tema413>},
    {{14, 314}, lista<Tema14>},
    {{15, 315}, lista<Tema15>},
    {{1300}, lista<Tema1300>},
    {{5300}, lista<Tema5300>},
    {{5500}, lista<Tema5500>},
    {{tema::Espiritu}, lista<Tema10003>, 2},
    {{tema::Hijos}, lista<Tema10004>},
    {{tema::EdadEspiritu}, lista<Tema10005>},
    {{tema::Acertijo}, lista<Tema10008>, 3},
    {{tema::ElUsuario}, lista<Tema10009>, 3},
}};

const FilaSimple* filaSimple(Entero tema) {
    for (const FilaSimple& f : kFilasSimples) {
        if (f.codigos.contiene(tema)) {
            return &f;
        }
    }
    return nullptr;
}

// The digit of the day and the numbers of the week: each number comes from
// the one before.
int siguienteNumero(int anterior, int modulo) {
    return ((anterior * 17 + 15) % 256) % modulo;
}

// A number joined to a stored reply: a blank and its digits, enciphered.
std::string numeroCifrado(int n) {
    std::string r(1, ' ');
    r += std::to_string(n);
    return fncCodificar(r);
}

} // namespace

void RespuestasFrecuentes::fncResponderPreguntaFrecuente(Entero TemaPregunta) {
    sumar(m_estado.CantPregFrecuentes, 1);
    std::string recordada = m_estado.NombreAlma;
    m_estado.NombreAlma = NombreAlmaPorDefecto;
    if (!responderTema(TemaPregunta)) {
        // A code with no reply of its own is answered as an ordinary question.
        sumar(m_estado.CantPregFrecuentes, -1);
        m_estado.NombreAlma = std::move(recordada);
        m_respaldo.fncResponderPreguntaOrdinaria();
    }
}

void RespuestasFrecuentes::fncResponderObviedad() {
    m_estado.Respuesta = Obviedades[azar(Obviedades.size())];
}

void RespuestasFrecuentes::fncResponderTemaRepetido() {
    m_estado.Respuesta = TemasRepetidos[azar(TemasRepetidos.size())];
}

bool RespuestasFrecuentes::responderTema(Entero tema) {
    if (const FilaSimple* fila = filaSimple(tema)) {
        const int cuantos = fila->textos.size();
        if (cuantos == 1 && fila->obvias == 0) {
            m_estado.Respuesta = fila->textos[1];
            return true;
        }
        const int valor = azar(cuantos + fila->obvias) - (fila->obviasPrimero ? fila->obvias : 0);
        if (valor >= 1 && valor <= cuantos) {
            m_estado.Respuesta = fila->textos[valor];
        } else {
            fncResponderObviedad();
        }
        return true;
    }
    // The topics whose replies do more than one draw over a list.
    using Responder = void (RespuestasFrecuentes::*)();
    struct FilaEspecial {
        Codigos codigos;
        Responder responder;
    };
    static constexpr FilaEspecial kFilasEspeciales[] = {
        {{tema::Nota, tema::CuantasNotas}, &RespuestasFrecuentes::responderNota},
        {{tema::Trabajo}, &RespuestasFrecuentes::responderTrabajo},
        {{tema::Boda, tema::BodaCasarse, tema::BodaFecha}, &RespuestasFrecuentes::responderBoda},
        {{tema::SuerteDelDia}, &RespuestasFrecuentes::responderDigitoDelDia},
        {{tema::NumerosDeLaSemana}, &RespuestasFrecuentes::responderNumerosDeLaSemana},
        {{tema::Hora}, &RespuestasFrecuentes::responderHora},
        {{tema::Fecha}, &RespuestasFrecuentes::responderFecha},
        {{tema::Futuro, tema::FuturoProximo}, &RespuestasFrecuentes::responderOfrecimiento},
        {{tema::Quien, tema::QuienConDinero, tema::QuienEsConDinero, tema::QuienDeLaFamilia,
          tema::QuienEsDeLaFamilia},
         &RespuestasFrecuentes::responderQuien},
        {{tema::SentidoDeLaVida}, &RespuestasFrecuentes::responderSentidoDeLaVida},
        {{tema::Estadisticas}, &RespuestasFrecuentes::responderEstadisticas},
    };
    for (const FilaEspecial& f : kFilasEspeciales) {
        if (f.codigos.contiene(tema)) {
            (this->*f.responder)();
            return true;
        }
    }
    return false;
}

void RespuestasFrecuentes::responderNota() {
    m_estado.Respuesta = Tema5016Bases[azar(Tema5016Bases.size())];
    m_estado.Respuesta += Tema5016Finales[azar(Tema5016Finales.size())];
}

void RespuestasFrecuentes::responderTrabajo() {
    responderContado(m_estado.CantTema2003, lista<Tema2003>);
}

void RespuestasFrecuentes::responderBoda() {
    responderContado(m_estado.CantTema305, lista<Tema305>);
}

void RespuestasFrecuentes::responderContado(Entero& veces, const Lista& respuestas) {
    if (veces >= kVecesAntesDeCansarse) {
        fncResponderTemaRepetido();
    } else {
        m_estado.Respuesta = respuestas[azar(respuestas.size())];
    }
    sumar(veces, 1);
}

void RespuestasFrecuentes::responderDigitoDelDia() {
    const std::chrono::year_month_day fecha{m_plataforma.hoy()};
    const int cifra = siguienteNumero(static_cast<int>(static_cast<unsigned>(fecha.day())), 10);
    const std::string digito = numeroCifrado(cifra);

    const int fila = kFilas706.entrada(azar(kFilas706.tamano()));
    if (!kEtiquetas706[fila - 1].empty()) {
        m_estado.NombreAlma = kEtiquetas706[fila - 1];
    }
    m_estado.Respuesta = std::string(Tema706Primeros[fila]) + digito + std::string(Tema706Ultimos[fila]);
}

void RespuestasFrecuentes::responderNumerosDeLaSemana() {
    if (m_estado.YaTema712) {
        const int tirada = azar(Tema712YaDados.size() + 1);
        if (tirada <= Tema712YaDados.size()) {
            m_estado.Respuesta = Tema712YaDados[tirada];
        } else {
            fncResponderTemaRepetido();
        }
        return;
    }
    const int tirada = azar(Tema712.size());
    if (tirada == 3) {
        m_estado.NombreAlma = EtiquetaA;
    }
    m_estado.Respuesta = Tema712[tirada];

    // The numbers look ahead to the coming Sunday, so they hold for a week.
    using namespace std::chrono;
    const sys_days hoy = m_plataforma.hoy();
    const int diaDeLaSemana = static_cast<int>(weekday{hoy}.c_encoding()) + 1; // Sunday = 1
    const year_month_day domingo{hoy + days{8 - diaDeLaSemana}};
    int numero = siguienteNumero(static_cast<int>(static_cast<unsigned>(domingo.day())), 36);
    m_estado.Respuesta += numeroCifrado(numero);
    for (int i = 0; i < 3; ++i) {
        numero = siguienteNumero(numero, 36);
        m_estado.Respuesta += Tema712Separador;
        m_estado.Respuesta += numeroCifrado(numero);
    }
    m_estado.YaTema712 = true;
}

void RespuestasFrecuentes::responderHora() {
    const int entrada = kHora.entrada(azar(kHora.tamano()));
    if (entrada > 1) {
        m_estado.Respuesta = Tema10001[entrada - 1];
        return;
    }
    const auto segundos = static_cast<long>(std::floor(m_plataforma.segundosDelDia()));
    const long horas = segundos / 3600; // a time of day: 0 to 23
    const long minutos = (segundos / 60) % 60;
    const std::string hora = std::to_string(horas) + (minutos < 10 ? ":0" : ":") + std::to_string(minutos);
    m_estado.Respuesta = std::string(Tema10001Entrada) + fncCodificar(hora);
}

void RespuestasFrecuentes::responderFecha() {
    switch (m_estado.EtapaTema10002) {
    case 0:
        if (kFecha.entrada(azar(kFecha.tamano())) == 1) {
            m_estado.Respuesta = Tema10002Etapa0;
            m_estado.EtapaTema10002 = 1;
        } else {
            m_estado.Respuesta = std::string(Tema10002AntesFecha) +
                                 fncCodificar(m_plataforma.fechaLarga(m_plataforma.hoy())) +
                                 std::string(Tema10002DespuesFecha);
        }
        break;
    case 1:
        m_estado.EtapaTema10002 = 2;
        m_estado.NombreAlma = EtiquetaC;
        m_estado.Respuesta = Tema10002Etapa1;
        break;
    default: {
        const int tirada = azar(Tema10002Etapa2.size());
        if (tirada == 3) {
            m_estado.NombreAlma = EtiquetaD;
        }
        m_estado.Respuesta = Tema10002Etapa2[tirada];
        break;
    }
    }
}

void RespuestasFrecuentes::responderOfrecimiento() {
    // The first question on the future gets a reply; the next ones, boxes
    // that ask back, until the prayer is read or the topic tires.
    std::string& respuesta = m_estado.Respuesta;
    const Entero visitas = m_estado.CantTema404;
    if (visitas == 0) {
        respuesta = Tema404Primera[azar(Tema404Primera.size())];
    } else if (visitas >= kFuturoCerrado) {
        fncResponderTemaRepetido();
    } else if (m_plataforma.mensaje(kConsulta, "Consulta", Botones::SiNo) == Boton::No) {
        respuesta = Tema404NoQuiere[azar(Tema404NoQuiere.size())];
    } else if (m_plataforma.mensaje(kOfrecimiento, "Ofrecimiento", Botones::SiNo) == Boton::No) {
        respuesta = Tema404NoVende[kNoVende.entrada(azar(kNoVende.tamano()))];
    } else if (m_plataforma.mensaje(kOracion, kTituloOracion, Botones::AceptarCancelar) == Boton::Aceptar) {
        respuesta = Tema404Reza;
        m_estado.CantTema404 = kFuturoCerrado;
    } else {
        respuesta = Tema404NoReza[kNoReza.entrada(azar(kNoReza.tamano()))];
    }
    sumar(m_estado.CantTema404, 1);
}

void RespuestasFrecuentes::responderQuien() {
    std::string& respuesta = m_estado.Respuesta;
    if (m_estado.SuspensoActivo) {
        // The call that ends the suspense: the revelation of its variant.
        if (m_estado.VarianteSuspenso >= 1 && m_estado.VarianteSuspenso <= 3) {
            respuesta = Tema807Finales[m_estado.VarianteSuspenso];
        }
        m_plataforma.fijarTexto(Control::lblInfo, "");
        return;
    }

    const int entrada = kQuien.entrada(azar(kQuien.tamano() - kRangoExtra807 + m_estado.RangoExtraTema807));
    if (entrada <= Tema807Simples.size()) {
        respuesta = Tema807Simples[entrada];
    } else if (entrada == kQuienTresPiezas) {
        // After the first three-piece reply the suspense answers become possible.
        m_estado.RangoExtraTema807 = kRangoExtra807;
        const int apertura = kAperturas807.entrada(azar(kAperturas807.tamano()));
        respuesta = apertura == 1 ? std::string() : std::string(Tema807Aperturas[apertura - 1]);
        respuesta += Tema807Medios[azar(Tema807Medios.size())];
        respuesta += Tema807Cierres[azar(Tema807Cierres.size())];
    } else if (entrada == kQuienBreve) {
        respuesta = Tema807Breves[azar(Tema807Breves.size())];
    } else {
        const int variante = azar(Tema807PiezasA.size());
        respuesta = Tema807PiezasA[variante];
        respuesta += Tema807Separador;
        respuesta += Tema807PiezasB[variante];
        respuesta += Tema807Separador;
        respuesta += Tema807PiezasC[variante];
        respuesta += Tema807Separador;
        respuesta += Tema807Cola;
        m_plataforma.fijarTexto(Control::lblInfo, fncDecodificar(Tema807Estados[variante]));
        m_estado.VarianteSuspenso = static_cast<Entero>(variante);
        m_estado.PasoSuspenso = 0;
        m_plataforma.temporizador(Temporizador::tmrSuspenso, kPuntoCada807Ms);
        m_estado.TemaSuspenso = tema::QuienEsDeLaFamilia;
        m_estado.SuspensoActivo = true;
    }
}

void RespuestasFrecuentes::responderSentidoDeLaVida() {
    if (m_estado.YaTema10006) {
        fncResponderTemaRepetido();
    } else if (m_estado.SuspensoActivo) {
        m_estado.Respuesta = Tema10006Finales[kFinales10006.entrada(azar(kFinales10006.tamano()))];
        m_estado.YaTema10006 = true;
        m_estado.TemaSuspenso = 0;
    } else {
        m_estado.Respuesta = Tema10006Primeras[azar(Tema10006Primeras.size())];
        m_estado.PasoSuspenso = 0;
        m_plataforma.temporizador(Temporizador::tmrSuspenso, kPuntoCada10006Ms);
        m_estado.TemaSuspenso = tema::SentidoDeLaVida;
        m_estado.SuspensoActivo = true;
    }
}

void RespuestasFrecuentes::responderEstadisticas() {
    // The command itself is not counted among the frequent replies.
    sumar(m_estado.CantPregFrecuentes, -1);
    m_estado.Respuesta = Tema10007;
    m_plataforma.fijarTexto(Control::txtPregunta, "");
    m_plataforma.habilitar(Control::cmdNuevaPregunta, false);
    m_controles.nuevaPreguntaHabilitada = false;
    const EstadoSesion& e = m_estado;
    m_plataforma.mostrarEstadisticas(
        {e.CantPregTruco, e.CantPregFrecuentes, e.CantPregNoValidas, e.CantOtrasPreguntas});
}

} // namespace auguron
