// Start-up of the program against the bare-Qt reference: each is started many
// times, interleaved, and reports through its probe when the prayer box and the
// main window were first painted. Wall time from process start to the prayer
// box and from the welcome box's OK to the main window; peak memory; and, under
// callgrind, the instructions of a whole run (start to the main window, then
// quit), a few runs each, interleaved too. Every figure is given as its median
// (minimum–maximum) on each side, and the ratio of the medians.
//
//   medir_arranque --programa P --referencia R [--veces N] [--callgrind DIR]
//                  [--veces-callgrind M] [--etiqueta E]

#include "muestras.h"
#include "objetivos.h"
#include "reloj.h"
#include "resumen.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using banco::ahoraNs;
using banco::rango;
using banco::resumen;
using banco::Tramos;
using banco::tramos;

struct Corrida {
    bool ok = false;
    double hastaOracion = 0;   // ns, process start to the prayer box painted
    double hastaPrincipal = 0; // ns, welcome OK to the main window painted
    double total = 0;          // ns, process start to the main window painted
    double rssKb = 0;
    double cpu = 0; // ns of user and system time, the whole run
    std::string salida;
};

// Runs argv with stdout captured; returns the output, the exit status and the
// child's resource usage.
bool ejecutar(const std::vector<std::string>& args, std::string& salida, int& estado, rusage& uso,
              std::int64_t& inicio, bool silenciarError) {
    int tubo[2];
    if (pipe(tubo) != 0) {
        return false;
    }
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acciones, tubo[0]);
    if (silenciarError) {
        posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    inicio = ahoraNs();
    const int r = posix_spawn(&pid, argv[0], &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    close(tubo[1]);
    if (r != 0) {
        close(tubo[0]);
        std::fprintf(stderr, "no se pudo ejecutar %s: %s\n", argv[0], std::strerror(r));
        return false;
    }
    salida.clear();
    char b[4096];
    for (ssize_t n; (n = read(tubo[0], b, sizeof b)) > 0;) {
        salida.append(b, static_cast<std::size_t>(n));
    }
    close(tubo[0]);
    return wait4(pid, &estado, 0, &uso) == pid;
}

Corrida correr(const std::string& programa) {
    Corrida c;
    int estado = 0;
    rusage uso{};
    std::int64_t inicio = 0;
    if (!ejecutar({programa}, c.salida, estado, uso, inicio, true) || !WIFEXITED(estado) ||
        WEXITSTATUS(estado) != 0) {
        return c;
    }
    std::int64_t oracion = 0, bienvenida = 0, principal = 0;
    std::istringstream in(c.salida);
    std::string palabra;
    while (in >> palabra) {
        if (palabra == "caja") {
            int n = 0;
            long long pintada = 0, aceptada = 0;
            in >> n >> pintada >> aceptada;
            if (n == 1) {
                oracion = pintada;
            } else if (n == 2) {
                bienvenida = aceptada;
            }
        } else if (palabra == "principal") {
            long long p = 0;
            in >> p;
            principal = p;
        }
    }
    if (oracion == 0 || bienvenida == 0 || principal == 0) {
        return c;
    }
    c.ok = true;
    c.hastaOracion = static_cast<double>(oracion - inicio);
    c.hastaPrincipal = static_cast<double>(principal - bienvenida);
    c.total = static_cast<double>(principal - inicio);
    c.rssKb = static_cast<double>(uso.ru_maxrss);
    const auto ns = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e9 + t.tv_usec * 1e3; };
    c.cpu = ns(uso.ru_utime) + ns(uso.ru_stime);
    return c;
}

// Instructions of one whole run under callgrind (0 on failure).
double instrucciones(const std::string& programa, const std::string& archivo) {
    std::string salida;
    int estado = 0;
    rusage uso{};
    std::int64_t inicio = 0;
    if (!ejecutar({"/usr/bin/valgrind", "--tool=callgrind", "--callgrind-out-file=" + archivo, programa},
                  salida, estado, uso, inicio, true) ||
        !WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        return 0;
    }
    std::ifstream f(archivo);
    std::string linea;
    while (std::getline(f, linea)) {
        if (linea.rfind("totals:", 0) == 0 || linea.rfind("summary:", 0) == 0) {
            return std::strtod(linea.c_str() + linea.find(':') + 1, nullptr);
        }
    }
    return 0;
}

std::string cociente(double a, double b) {
    char c[32];
    std::snprintf(c, sizeof c, "%.3f", a / b);
    return c;
}

} // namespace

int main(int argc, char* argv[]) {
    std::string programa, referencia, callgrind, etiqueta = "offscreen";
    int veces = 31, vecesCallgrind = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--programa") {
            programa = argv[i + 1];
        } else if (a == "--referencia") {
            referencia = argv[i + 1];
        } else if (a == "--veces") {
            veces = std::atoi(argv[i + 1]);
        } else if (a == "--callgrind") {
            callgrind = argv[i + 1];
        } else if (a == "--veces-callgrind") {
            vecesCallgrind = std::atoi(argv[i + 1]);
        } else if (a == "--etiqueta") {
            etiqueta = argv[i + 1];
        }
    }
    if (programa.empty() || referencia.empty() || veces < 1 || vecesCallgrind < 1) {
        std::fprintf(stderr, "uso: medir_arranque --programa P --referencia R [--veces N] [--callgrind DIR] "
                             "[--veces-callgrind M] [--etiqueta E]\n");
        return 2;
    }

    // Warm the page cache and the font cache once, uncounted.
    correr(programa);
    correr(referencia);

    std::vector<Corrida> nuestras, suyas;
    for (int i = 0; i < veces; ++i) {
        const bool primeroNuestro = i % 2 == 0;
        for (int j = 0; j < 2; ++j) {
            const bool nuestro = (j == 0) == primeroNuestro;
            Corrida c = correr(nuestro ? programa : referencia);
            if (!c.ok) {
                std::fprintf(stderr, "corrida fallida de %s (ejecútelo solo para ver sus errores):\n%s\n",
                             (nuestro ? programa : referencia).c_str(), c.salida.c_str());
                return 1;
            }
            (nuestro ? nuestras : suyas).push_back(c);
        }
    }
    const auto campo = [](const std::vector<Corrida>& v, double Corrida::*c, double escala) {
        std::vector<double> x;
        for (const Corrida& r : v) {
            x.push_back(r.*c / escala);
        }
        return tramos(x);
    };

    std::printf("Arranque (%s), %d corridas intercaladas por lado; mediana (mín.–máx.):\n", etiqueta.c_str(),
                veces);
    std::printf("  %-42s %-30s %-30s %s\n", "", "Auguron", "referencia", "cociente");
    // One row: both sides and the ratio of the medians; `tope` is the target (0: none).
    const auto fila = [&](const char* nombre, const Tramos& a, const Tramos& b, const char* formato,
                          double tope, const std::string& medida) {
        const std::string va = rango(a, formato), vb = rango(b, formato);
        std::printf("  %-42s %-30s %-30s %s\n", nombre, va.c_str(), vb.c_str(),
                    cociente(a.mediana, b.mediana).c_str());
        const double r = a.mediana / b.mediana;
        resumen(medida + " (" + etiqueta + ")", va, vb, cociente(a.mediana, b.mediana),
                tope > 0 ? "≤ " + cociente(tope, 1) : "-", tope > 0 ? (r <= tope ? "sí" : "NO") : "-");
    };
    const auto filaCorrida = [&](const char* nombre, double Corrida::*c, double escala, const char* formato,
                                 double tope, const std::string& medida) {
        fila(nombre, campo(nuestras, c, escala), campo(suyas, c, escala), formato, tope, medida);
    };
    filaCorrida("inicio -> caja de oración pintada", &Corrida::hastaOracion, 1e6, "%.1f ms", 0,
                "Arranque: inicio → caja de oración, tiempo");
    filaCorrida("Aceptar de bienvenida -> ventana pintada", &Corrida::hastaPrincipal, 1e6, "%.1f ms", 0,
                "Arranque: Aceptar → ventana principal, tiempo");
    filaCorrida("inicio -> ventana pintada (con cajas)", &Corrida::total, 1e6, "%.1f ms", 0,
                "Arranque: inicio → ventana principal, tiempo");
    filaCorrida("tiempo de CPU (user+sys), corrida entera", &Corrida::cpu, 1e6, "%.1f ms", 0,
                "Arranque: tiempo de CPU de la corrida");
    filaCorrida("memoria máxima (max RSS)", &Corrida::rssKb, 1024, "%.1f MiB",
                banco::objetivos::kMemoriaMaxima, "Memoria máxima");

    if (!callgrind.empty()) {
        // The profiles of the last pair stay, named after the platform.
        const char* plataforma = std::getenv("QT_QPA_PLATFORM");
        const std::string sufijo = std::string(plataforma != nullptr ? plataforma : "defecto") + ".out";
        std::vector<double> a, b;
        for (int i = 0; i < vecesCallgrind; ++i) {
            for (int j = 0; j < 2; ++j) {
                const bool nuestro = (j == 0) == (i % 2 == 0);
                const double n =
                    nuestro ? instrucciones(programa, callgrind + "/callgrind.auguron." + sufijo)
                            : instrucciones(referencia, callgrind + "/callgrind.referencia." + sufijo);
                if (n == 0) {
                    std::fprintf(stderr, "callgrind falló\n");
                    return 1;
                }
                (nuestro ? a : b).push_back(n / 1e6);
            }
        }
        char nombre[64];
        std::snprintf(nombre, sizeof nombre, "instrucciones (callgrind, %d corridas)", vecesCallgrind);
        fila(nombre, tramos(a), tramos(b), "%.2f M", banco::objetivos::kArranqueInstrucciones,
             "Arranque: instrucciones de la corrida entera (callgrind)");
    }
    return 0;
}
