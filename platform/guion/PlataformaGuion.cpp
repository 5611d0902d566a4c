#include "platform/guion/PlataformaGuion.h"

#include "util/FechaLarga.h"

namespace auguron {

PlataformaGuion::PlataformaGuion() {
    estadoInicial();
    for (const Temporizador t :
         {Temporizador::tmrMensaje, Temporizador::tmrSuspenso, Temporizador::tmrFocus}) {
        temporizadores[t] = 0;
    }
}

Boton PlataformaGuion::mensaje(std::string_view texto, std::string_view titulo, Botones botones) {
    if (respuestas.empty() && primerBotonPorDefecto) {
        respuestas.push_back(botones == Botones::SiNo ? Boton::Si : Boton::Aceptar);
    }
    if (respuestas.empty()) {
        throw std::logic_error("a message box was shown with no scripted answer: " + std::string(titulo));
    }
    const Boton r = respuestas.front();
    respuestas.pop_front();
    if (alMostrar) {
        alMostrar();
    }
    cajas.push_back({std::string(texto), std::string(titulo), botones, r});
    return r;
}

void PlataformaGuion::enfocar(Control c) {
    // Focusing a disabled control is the platform failure the callers must avoid.
    if (!controles.at(c).habilitado) {
        throw std::logic_error("focus moved to a disabled control");
    }
    foco = c;
}

std::string PlataformaGuion::fechaLarga(std::chrono::sys_days d) const {
    return fechaLargaEnCastellano(d);
}

Entero AzarGuion::fncNroAleatorio(int Intervalo) {
    pedidos.push_back(Intervalo);
    if (tiradas.empty()) {
        throw std::logic_error("a draw of " + std::to_string(Intervalo) + " was made with none scripted");
    }
    const Tirada t = tiradas.front();
    tiradas.pop_front();
    if (t.intervalo != 0 && t.intervalo != Intervalo) {
        throw std::logic_error("a draw of " + std::to_string(Intervalo) + " was made where " +
                               std::to_string(t.intervalo) + " was scripted");
    }
    if (t.valor < 1 || t.valor > Intervalo) {
        throw std::logic_error("scripted draw " + std::to_string(t.valor) + " out of 1.." +
                               std::to_string(Intervalo));
    }
    return static_cast<Entero>(t.valor);
}

} // namespace auguron
