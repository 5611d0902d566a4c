#include "texts/Frecuentes.h"
#include "answer/Velmo.h"
#include "texts/Almas.h"
#include "util/Cifrado.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>

namespace auguron {

using namespace textos;

void Velmo::fncResponderPreguntaFrecuente(Entero TemaPregunta) {
    sumar(m_estado.CantPregFrecuentes, 1);
    std::string recordada = m_estado.NombreAlma;
    m_estado.NombreAlma = NombreAlmaPorDefecto;
    if (!responderTema(TemaPregunta)) {
        // A code with no reply of its own is answered as an ordinary question.
        sumar(m_estado.CantPregFrecuentes, -1);
        m_estado.NombreAlma = std::move(recordada);
        fncResponderPreguntaOrdinaria();
    }
}

void Velmo::fncResponderObviedad() {
    m_estado.Respuesta = Obviedades[azar(Obviedades.size())];
}

void Velmo::fncResponderTemaRepetido() {
    m_estado.Respuesta = TemasRepetidos[azar(TemasRepetidos.size())];
}

namespace {

// Counted topics get their own replies this many times, then only the
// repeated-topic reply.
constexpr Entero kVecesAntesDeCansarse = 3;

// A topic answered by one draw over its list. `obvias` more draw values call
// fncResponderObviedad instead, before the list's values or after them.
// Up to three codes; only the ones given are searched, never the empty places.
struct Codigos {
    std::array<Entero, 3> valores{};
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

struct FilaSimple {
    Codigos codigos;
    Lista textos;
    int obvias = 0;
    bool obviasPrimero = false;
};

constexpr std::array<FilaSimple, 20> kFilasSimples{{
    {{101}, lista<Tema101>},          {{1202}, lista<Tema1202>},      {{1002}, lista<Tema1002>},
    {{104}, lista<Tema104>},          {{7, 307, 607}, lista<Tema7>},  {{6608}, Lista{Tema6608}},
    {{509}, lista<Tema509>, 2, true}, {{110}, lista<Tema110>},        {{711}, lista<Tema711>},
    {{413, 4413}, lista<Tema413>},    {{14, 314}, lista<Tema14>},     {{15, 315}, lista<Tema15>},
    {{1300}, lista<Tema1300>},        {{5300}, lista<Tema5300>},      {{5500}, lista<Tema5500>},
    {{10003}, lista<Tema10003>, 2},   {{10004}, lista<Tema10004>},    {{10005}, lista<Tema10005>},
    {{10008}, lista<Tema10008>, 3},   {{10009}, lista<Tema10009>, 3},
}};

const FilaSimple* filaSimple(Entero tema) {
    for (const FilaSimple& f : kFilasSimples) {
        if (f.codigos.contiene(tema)) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace

bool Velmo::responderTema(Entero tema) {
    if (const FilaSimple* fila = filaSimple(tema)) {
        const int textos = fila->textos.size();
        if (textos == 1 && fila->obvias == 0) {
            m_estado.Respuesta = fila->textos[1];
            return true;
        }
        const int n = azar(textos + fila->obvias) - (fila->obviasPrimero ? fila->obvias : 0);
        if (n >= 1 && n <= textos) {
            m_estado.Respuesta = fila->textos[n];
        } else {
            fncResponderObviedad();
        }
        return true;
    }
    std::string& r = m_estado.Respuesta;
    switch (tema) {
    case 5016:
    case 5616:
        r = Tema5016Bases[azar(Tema5016Bases.size())];
        r += Tema5016Finales[azar(Tema5016Finales.size())];
        break;
    case 2003:
    case 305:
    case 4005:
    case 4305: {
        // These topics tire: after three replies only the repeated-topic one.
        Entero& veces = tema == 2003 ? m_estado.CantTema2003 : m_estado.CantTema305;
        if (veces >= kVecesAntesDeCansarse) {
            fncResponderTemaRepetido();
        } else if (tema == 2003) {
            r = Tema2003[azar(Tema2003.size())];
        } else {
            r = Tema305[azar(Tema305.size())];
        }
        sumar(veces, 1);
        break;
    }
    case 706:
        responderDigitoDelDia();
        break;
    case 712:
        responderNumerosDeLaSemana();
        break;
    case 10001:
        responderHora();
        break;
    case 10002:
        responderFecha();
        break;
    case 404:
    case 3304:
        responderOfrecimiento();
        break;
    case 807:
    case 1007:
    case 1807:
    case 6007:
    case 6807:
        responderGrupo807();
        break;
    case 10006:
        responderTema10006();
        break;
    case 10007:
        responderEstadisticas();
        break;
    default:
        return false;
    }
    return true;
}

namespace {
int siguienteNumero(int k, int modulo) {
    return ((k * 17 + 15) % 256) % modulo;
}

// A number joined to a stored reply: a blank and its digits, enciphered.
std::string numeroCifrado(int n) {
    std::string r(1, ' ');
    r += std::to_string(n);
    return fncCodificar(r);
}
} // namespace

void Velmo::responderDigitoDelDia() {
    const std::chrono::year_month_day fecha{m_plataforma.hoy()};
    const int K = siguienteNumero(static_cast<int>(static_cast<unsigned>(fecha.day())), 10);
    const std::string D = numeroCifrado(K);

    int fila = 0;
    // Draws 2 and 3 both take the second row, with label B.
    switch (azar(Tema706Primeros.size() + 1)) {
    case 1:
        m_estado.NombreAlma = EtiquetaA;
        fila = 1;
        break;
    case 2:
    case 3:
        m_estado.NombreAlma = EtiquetaB;
        fila = 2;
        break;
    case 4:
        fila = 3;
        break;
    default:
        fila = 4;
        break;
    }
    m_estado.Respuesta = std::string(Tema706Primeros[fila]) + D + std::string(Tema706Ultimos[fila]);
}

void Velmo::responderNumerosDeLaSemana() {
    if (m_estado.YaTema712) {
        const int n = azar(Tema712YaDados.size() + 1);
        if (n <= Tema712YaDados.size()) {
            m_estado.Respuesta = Tema712YaDados[n];
        } else {
            fncResponderTemaRepetido();
        }
        return;
    }
    const int n = azar(Tema712.size());
    if (n == 3) {
        m_estado.NombreAlma = EtiquetaA;
    }
    m_estado.Respuesta = Tema712[n];

    // The numbers look ahead to the coming Sunday, so they hold for a week.
    using namespace std::chrono;
    const sys_days hoy = m_plataforma.hoy();
    const int w = static_cast<int>(weekday{hoy}.c_encoding()) + 1; // Sunday = 1
    const year_month_day domingo{hoy + days{8 - w}};
    int K = siguienteNumero(static_cast<int>(static_cast<unsigned>(domingo.day())), 36);
    m_estado.Respuesta += numeroCifrado(K);
    for (int i = 0; i < 3; ++i) {
        K = siguienteNumero(K, 36);
        m_estado.Respuesta += Tema712Separador;
        m_estado.Respuesta += numeroCifrado(K);
    }
    m_estado.YaTema712 = true;
}

void Velmo::responderHora() {
    // Two draws in five tell the time; the others are whole replies.
    const int n = azar(2 + Tema10001.size());
    if (n >= 3) {
        m_estado.Respuesta = Tema10001[n - 2];
        return;
    }
    const auto segundos = static_cast<long>(std::floor(m_plataforma.segundosDelDia()));
    const long horas = (segundos / 3600) % 24;
    const long minutos = (segundos / 60) % 60;
    const std::string hora = std::to_string(horas) + (minutos < 10 ? ":0" : ":") + std::to_string(minutos);
    m_estado.Respuesta = std::string(Tema10001Entrada) + fncCodificar(hora);
}

void Velmo::responderFecha() {
    switch (m_estado.EtapaTema10002) {
    case 0:
        // Two draws in three refuse to tell the date.
        if (azar(3) <= 2) {
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
        const int n = azar(Tema10002Etapa2.size());
        if (n == 3) {
            m_estado.NombreAlma = EtiquetaD;
        }
        m_estado.Respuesta = Tema10002Etapa2[n];
        break;
    }
    }
}

} // namespace auguron
