// Must not compile: the logic knows the platform by its interface alone.
#include "platform/web/PlataformaWeb.h"
