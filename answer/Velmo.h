#pragma once

// The logic of the main window frmVelmo: its handlers and the operations that
// read and write the record of the run. Velmo wires the parts together (the
// petition capture, the soul search, the detectors, the replies) and runs the
// question's road: start-up and reset, submission, reveal and suspense. The
// Qt window only turns its events into these calls; tests make them directly.

#include "answer/BuscadorDeAlmas.h"
#include "answer/CapturaPeticion.h"
#include "answer/RespuestasDeRespaldo.h"
#include "answer/RespuestasFrecuentes.h"
#include "platform/Plataforma.h"
#include "state/EstadoControles.h"
#include "state/EstadoSesion.h"
#include "util/Aleatorio.h"

#include <string>
#include <string_view>

namespace auguron {

class Velmo {
public:
    Velmo(Plataforma& plataforma, FuenteAleatoria& azar);
    Velmo(const Velmo&) = delete;
    Velmo& operator=(const Velmo&) = delete;

    EstadoSesion& estado() { return m_estado; }
    const EstadoSesion& estado() const { return m_estado; }
    BuscadorDeAlmas& almas() { return m_almas; }
    CapturaPeticion& captura() { return m_captura; }
    RespuestasDeRespaldo& respaldo() { return m_respaldo; }
    RespuestasFrecuentes& frecuentes() { return m_frecuentes; }

    // Topic code of the last submitted question: 0 when no detector found one,
    // and for a hidden answer or an incoherent petition or question.
    Entero temaDetectado() const { return m_temaDetectado; }

    // Start-up and the new-question reset. Form_Load answers false when the
    // prayer was refused: the main window must then close without showing.
    bool Form_Load();
    void fncInicializar();

    // Main window handlers.
    void mnuNuevaPregunta_Click() { fncInicializar(); }
    void cmdNuevaPregunta_Click() { fncInicializar(); }
    void mnuSalir_Click() { m_plataforma.cerrarVentanaPrincipal(); }
    void cmdSalir_Click() { m_plataforma.cerrarTodas(); }
    void mnuVerImagen_Click();
    void mnuLeerOracion_Click() { m_almas.mnuLeerOracion_Click(); }
    void tmrFocus_Timer();
    void tmrMensaje_Timer() { m_almas.tmrMensaje_Timer(); }
    // The statistics window closed: "Nueva Pregunta" is the user's again, and
    // has the focus when the window closed through its button (or Escape).
    void estadisticasCerradas(bool conAceptar);

    // Petition box: `k` is the Windows-1252 code of the key (8 is Backspace);
    // the handler may replace it before the box takes it.
    void txtPeticion_KeyPress(int& k);

    // Question box: the key, the box's text before it, and the petition's.
    // "?" or Enter submits the question and reveals the answer.
    void txtPregunta_KeyPress(int& k, std::string_view pregunta, std::string_view peticion);
    void tmrSuspenso_Timer();
    // The last step of a submission: shows the answer that Respuesta holds
    // behind the label, locks both boxes and parks the focus.
    void revelar();

    // Normalises the question (left in `Cadena`, plain) and returns it
    // enciphered for the detectors; sets CantPalabras, raises MaxConsonantes.
    std::string fncGeneralizar(std::string& Cadena);

private:
    void detenerFoco();
    // The hidden answer as it will show, trimmed; false when nothing is left of it.
    bool tomarRespuestaOculta();
    void rutaAnalisis(std::string_view pregunta, std::string_view peticion);

    Plataforma& m_plataforma;
    FuenteAleatoria& m_azar;
    EstadoSesion m_estado;
    EstadoControles m_controles;
    CapturaPeticion m_captura{m_estado};
    BuscadorDeAlmas m_almas{m_estado, m_plataforma, m_azar};
    RespuestasDeRespaldo m_respaldo{m_estado, m_azar};
    RespuestasFrecuentes m_frecuentes{m_estado, m_controles, m_plataforma, m_azar, m_respaldo};
    Entero m_temaDetectado = 0;
};

} // namespace auguron
