#include "app/Arranque.h"

int main(int argc, char* argv[]) {
    return auguron::arrancar(argc, argv);
}
