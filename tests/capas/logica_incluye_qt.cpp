// Must not compile: the logic knows the platform by its interface alone.
#include "platform/qt/PlataformaQt.h"
