#pragma once

// The record of one run of the program. Every number is a 16-bit signed
// Integer; texts are Windows-1252 bytes, enciphered where they hold stored
// texts. Nothing of it outlives the run.

#include "util/Entero.h"

#include <string>

namespace auguron {

struct EstadoSesion {
    Entero CantPregTruco = 0;
    Entero CantPregFrecuentes = 0;
    Entero CantPregNoValidas = 0;
    Entero CantOtrasPreguntas = 0;
    Entero PasoMensaje = 0;
    std::string NombreAlma;
    Entero PosPeticion = 0;
    Entero EstadoTruco = 0;
    std::string Respuesta;
    Entero LargoPregunta = 0;
    bool EnRetroceso = false;
    std::string FrasePeticion;
    Entero MaxConsonantes = 0;
    Entero CantPalabras = 0;
    Entero CantPeticionesIncoherentes = 0;
    Entero PreguntasSinTruco = 0;
    Entero EtapaTema10002 = 0;
    Entero CantTema404 = 0;
    bool YaTema10006 = false;
    bool YaTema712 = false;
    Entero CantTema2003 = 0;
    Entero CantTema305 = 0;
    bool SuspensoActivo = false;
    Entero PasoSuspenso = 0;
    Entero TemaSuspenso = 0;
    Entero VarianteSuspenso = 0;
    Entero RangoExtraTema807 = 0;

    bool operator==(const EstadoSesion&) const = default;
};

} // namespace auguron
