#pragma once

// Plays a string of bytes as a session of the main window's logic on the
// scripted platform: keys into both boxes, whole questions, new questions,
// timer ticks, the prayer, the statistics window closed, the clock moving. The
// first bytes seed the draws and the message-box answers. After every event
// the rules the record must keep are checked; a broken one throws
// std::logic_error naming the event.

#include <cstdint>
#include <span>

namespace auguron::fuzz {

// What the sessions reached, so a run can tell it shook the parts that matter.
struct Cifras {
    long preguntas = 0, ocultas = 0, suspensos = 0, estadisticas = 0, cierres = 0;
};

Cifras jugarSesion(std::span<const std::uint8_t> datos, Cifras cifras = {});

} // namespace auguron::fuzz
