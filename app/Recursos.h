#pragma once

// The logo and the icons are built into the program. They sit in a static
// library, so the resource data must be pulled in explicitly; call this before
// the first image is loaded (calling it again does nothing).

namespace auguron {

void iniciarRecursos();

} // namespace auguron
