#pragma once

// The program's start, as main() runs it and the start-up benchmark measures it.

#include <functional>

namespace auguron {

// Asks for the prayer, shows the main window and runs the program until its
// last window closes. Returns the program's exit status. `conAplicacion` runs
// as soon as the application exists (the start-up benchmark installs its probe).
int arrancar(int argc, char* argv[], const std::function<void()>& conAplicacion = {});

} // namespace auguron
