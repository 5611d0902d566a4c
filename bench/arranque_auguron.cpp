// The program's start-up exactly as main() runs it (the display check passes:
// the benchmark always names its platform), with the probe that timestamps the
// first paint of each message box and of the main window.

#include "app/Arranque.h"
#include "sonda/Sonda.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    return auguron::arrancar(argc, argv, [] { (new banco::SondaArranque)->setParent(qApp); });
}
