// Must not compile: the windows sit below the main window.
#include "app/frmVelmo.h"
