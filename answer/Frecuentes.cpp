#include "texts/Frecuentes.h"
#include "answer/Velmo.h"
#include "texts/Almas.h"
#include "util/Cifrado.h"

#include <chrono>
#include <cmath>
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
    m_estado.Respuesta = Obviedades[azar(8)];
}

void Velmo::fncResponderTemaRepetido() {
    m_estado.Respuesta = TemasRepetidos[azar(6)];
}

bool Velmo::responderTema(Entero tema) {
    std::string& r = m_estado.Respuesta;
    switch (tema) {
    case 101:
        r = Tema101[azar(4)];
        break;
    case 1202:
        r = Tema1202[azar(3)];
        break;
    case 1002:
        r = Tema1002[azar(3)];
        break;
    case 104:
        r = Tema104;
        break;
    case 7:
    case 307:
    case 607:
        r = Tema7[azar(6)];
        break;
    case 6608:
        r = Tema6608[azar(5)];
        break;
    case 509:
        if (azar(3) <= 2) {
            fncResponderObviedad();
        } else {
            r = Tema509;
        }
        break;
    case 110:
        r = Tema110[azar(3)];
        break;
    case 711:
        r = Tema711[azar(2)];
        break;
    case 413:
    case 4413:
        r = Tema413[azar(2)];
        break;
    case 14:
    case 314:
        r = Tema14[azar(2)];
        break;
    case 15:
    case 315:
        r = Tema15[azar(2)];
        break;
    case 1300:
        r = Tema1300[azar(3)];
        break;
    case 5300:
        r = Tema5300[azar(2)];
        break;
    case 5500:
        r = Tema5500[azar(5)];
        break;
    case 10003: {
        const int n = azar(6);
        if (n <= 4) {
            r = Tema10003[n];
        } else {
            fncResponderObviedad();
        }
        break;
    }
    case 10004:
        r = Tema10004[azar(3)];
        break;
    case 10005:
        r = Tema10005[azar(3)];
        break;
    case 10008:
    case 10009: {
        const int n = azar(5);
        if (n <= 2) {
            r = tema == 10008 ? Tema10008[n] : Tema10009[n];
        } else {
            fncResponderObviedad();
        }
        break;
    }
    case 5016:
    case 5616: {
        r = Tema5016Bases[azar(4)];
        r += Tema5016Finales[azar(4)];
        break;
    }
    case 2003:
    case 305:
    case 4005:
    case 4305: {
        // These topics tire: after three replies only the repeated-topic one.
        Entero& veces = tema == 2003 ? m_estado.CantTema2003 : m_estado.CantTema305;
        if (veces >= 3) {
            fncResponderTemaRepetido();
        } else {
            r = (tema == 2003 ? Tema2003 : Tema305)[azar(3)];
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
    switch (azar(5)) {
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
        const int n = azar(4);
        if (n <= 3) {
            m_estado.Respuesta = Tema712YaDados[n];
        } else {
            fncResponderTemaRepetido();
        }
        return;
    }
    const int n = azar(3);
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
    const int n = azar(5);
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
        if (azar(3) <= 2) {
            m_estado.Respuesta = Tema10002Etapa0;
            m_estado.EtapaTema10002 = 1;
        } else {
            m_estado.Respuesta = std::string(Tema10002AntesFecha) + fncCodificar(m_plataforma.fechaLarga(m_plataforma.hoy())) +
                            std::string(Tema10002DespuesFecha);
        }
        break;
    case 1:
        m_estado.EtapaTema10002 = 2;
        m_estado.NombreAlma = EtiquetaC;
        m_estado.Respuesta = Tema10002Etapa1;
        break;
    default: {
        const int n = azar(3);
        if (n == 3) {
            m_estado.NombreAlma = EtiquetaD;
        }
        m_estado.Respuesta = Tema10002Etapa2[n];
        break;
    }
    }
}

} // namespace auguron
