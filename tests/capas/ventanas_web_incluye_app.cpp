// Must not compile: the page's windows sit below its main window.
#include "app/web/PaginaVelmo.h"
