#pragma once

// Turns a string of bytes into a session of the main window's logic on the
// scripted platform: keys into both boxes, submissions, new questions, timer
// ticks, message-box answers, the statistics window opened and closed, random
// draws. After every event the rules that tie the boxes to the record of the
// run are checked; a broken one throws Violacion with the events that led to it.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace auguron::fuzz {

class Violacion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Figures of what a session did.
struct Cifras {
    long sesiones = 0;
    long eventos = 0;      // events handed to the main window (keys included)
    long teclas = 0;       // keys through the two key handlers
    long ignoradas = 0;    // characters the code page cannot hold: no handler runs
    long preguntas = 0;    // questions submitted with "?"
    long ocultas = 0;      // of which answered with the hidden answer
    long suspensos = 0;    // suspenses that reached their final reply
    long estadisticas = 0; // statistics windows opened
    long ticks = 0;        // timer ticks, those inside message boxes included
    long cajas = 0;        // message boxes answered
    long reinicios = 0;    // new questions
    long cierres = 0;      // sessions that ended with the main window closed

    Cifras& operator+=(const Cifras& o);
};

// Plays the session that `datos` describes. Event bytes are read from the
// front, draws and message-box answers from the back; the session ends when the
// two meet or the main window closes. Throws Violacion.
Cifras jugarSesion(std::span<const std::uint8_t> datos);

} // namespace auguron::fuzz
