#pragma once

// The logic of the main window frmVelmo: every handler and every fnc operation
// of the window that reads or writes the record of the run. The Qt window only
// translates its events into these calls; tests drive them directly.
//
// Where each part lives:
//   Inicio.cpp        start-up, the new-question reset, menus, soul search, status line
//   Peticion.cpp      the petition box and the hidden answer
//   Pregunta.cpp      the question box, the checks, the reveal and the suspense ticks
//   Generalizar.cpp   normalisation of the question
//   Detectores.cpp    the specific and the frequent-question detectors
//   Respondedores.cpp the fallback replies
//   Frecuentes.cpp    the frequent-topic replies (the table of codes)
//   Dialogos.cpp      the offer dialogs, the code-807 group, suspense and statistics

#include "platform/Plataforma.h"
#include "state/EstadoSesion.h"
#include "util/Aleatorio.h"

#include <string>
#include <string_view>

namespace auguron {

class Velmo {
public:
    Velmo(Plataforma& plataforma, FuenteAleatoria& azar);

    EstadoSesion& estado() { return m_estado; }
    const EstadoSesion& estado() const { return m_estado; }

    // Read access for the statistics window.
    Entero cantPregTruco() const { return m_estado.CantPregTruco; }
    Entero cantPregFrecuentes() const { return m_estado.CantPregFrecuentes; }
    Entero cantPregNoValidas() const { return m_estado.CantPregNoValidas; }
    Entero cantOtrasPreguntas() const { return m_estado.CantOtrasPreguntas; }

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
    void mnuSalir_Click();
    void cmdSalir_Click();
    void mnuVerImagen_Click();
    void tmrFocus_Timer();

    // Soul search and status messages.
    void fncSeleccionarAlma();
    void tmrMensaje_Timer();
    void mnuLeerOracion_Click();

    // Petition box and hidden answer. `k` is the Windows-1252 code of the key
    // (8 is Backspace); the handler may replace it before the box takes it.
    void txtPeticion_KeyPress(int& k);
    void fncDetectarRespuesta();

    // Question box, submission, reveal and suspense.
    void txtPregunta_KeyPress(int& k);
    void tmrSuspenso_Timer();
    // The last step of a submission: shows the answer that Respuesta holds
    // behind the label, locks both boxes and parks the focus.
    void revelar();

    // Normalisation and detectors (the detectors read only their argument).
    std::string fncGeneralizar(std::string& Cadena);
    static Entero fncDetectarPreguntaPuntual(const std::string& Pregunta);
    static Entero fncDetectarPreguntaFrecuente(const std::string& Pregunta);

    // fncGeneralizar keeps "¿" and "¡" glued to the first word, which would
    // hide it from a whole-word keyword; the keyword tests read them as blanks.
    static std::string fncPreguntaBuscable(std::string PreguntaGeneral);
    // A specific question first, then a frequent topic; 0 for none.
    static Entero fncClasificarPregunta(const std::string& PreguntaBuscable);

    // Responders: each leaves its reply, enciphered, in Respuesta.
    void fncResponderPreguntaOrdinaria();
    void fncResponderPeticionIncoherente();
    void fncResponderPreguntaIncoherente();
    void fncResponderPetYPregIncoherente();
    void fncResponderPreguntaFrecuente(Entero TemaPregunta);
    void fncResponderObviedad();
    void fncResponderTemaRepetido();

private:
    Entero azar(int Intervalo) { return m_azar.fncNroAleatorio(Intervalo); }
    void detenerFoco();
    void rutaOculta();
    void rutaAnalisis();

    // Handlers of the frequent-question table, one per kind of row.
    bool responderTema(Entero tema);
    void responderDigitoDelDia();
    void responderNumerosDeLaSemana();
    void responderHora();
    void responderFecha();
    void responderOfrecimiento();
    void responderGrupo807();
    void responderTema10006();
    void responderEstadisticas();

    Plataforma& m_plataforma;
    FuenteAleatoria& m_azar;
    EstadoSesion m_estado;
    Entero m_temaDetectado = 0;
};

// Codes below 32 other than Backspace (Enter, Escape, Ctrl with a letter):
// both key handlers ignore them and set the code to 0, which no box inserts.
bool esControl(int k);

// Applies a key to a one-line text box whose caret stays at the end: code 8
// deletes the last character; other codes below 32 and 127 insert nothing;
// every other code is appended. Shared by the real boxes and the tests.
void aplicarTecla(std::string& caja, int k);

} // namespace auguron
