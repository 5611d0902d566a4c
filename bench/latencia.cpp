// Answer latency: from the "?" key in the question box to lblRespuesta painted
// with the answer, in the real window on the current platform (offscreen), for
// an ordinary question, a hidden answer and a frequent topic; against the same
// key typed into the reference window's bare QLineEdit, in two ways: the bare
// key and repaint (its handler only sets the answer), and the same work as the
// program's reveal (it also disables both boxes, the petition box holding its
// petition, and moves the focus to cmdFocus). Every sample of a case shows the
// same answer on every side (the program's draws start over each time), so
// no side rasterises glyphs the others have cached. The three sides take turns,
// the first sample of each being an uncounted warm-up.
//
// With --callgrind FILE, run under
//   valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=FILE latencia ...
// only the measured stretches are collected, one dump per sample (FILE.1,
// FILE.2, ...), which this program reads back at the end: instructions per
// sample beside the wall time.
//
//   latencia [--veces N] [--caso K] [--callgrind FILE]

#include "apoyo/Banco.h"
#include "apoyo/Comprobaciones.h"
#include "muestras.h"
#include "objetivos.h"
#include "referencia/VentanaReferencia.h"
#include "resumen.h"

#include "answer/Velmo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define BANCO_CALLGRIND 1
#else
#define BANCO_CALLGRIND 0
#endif

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

using namespace banco;

namespace {

struct Caso {
    const char* nombre;
    QString peticion;
    QString pregunta;                                 // without its "?"
    auguron::Entero auguron::EstadoSesion::*contador; // the counter its route adds to
};

enum Lado { kAuguron = 0, kDesnuda = 1, kIgual = 2 };
constexpr std::array<const char*, 3> kLados = {"Auguron", "ref. desnuda", "ref. mismo trabajo"};

bool g_contar = false; // under callgrind: collect and dump around each measured stretch

// The measured stretch: the key, then the wait for the label's paint.
[[gnu::noipa]] std::int64_t tramo(QWidget* caja, VigiaPintura& vigia) {
#if BANCO_CALLGRIND
    if (g_contar) {
        CALLGRIND_TOGGLE_COLLECT;
    }
#endif
    QTest::keyClick(caja, '?');
    const std::int64_t t = vigia.esperar();
#if BANCO_CALLGRIND
    if (g_contar) {
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS_AT("muestra");
    }
#endif
    return t;
}

// The totals of dumps FILE.1 to FILE.n, in order (empty if one is missing).
std::vector<double> volcados(const std::string& archivo, int n) {
    std::vector<double> v;
    for (int i = 1; i <= n; ++i) {
        std::ifstream f(archivo + "." + std::to_string(i));
        std::string linea;
        double total = -1;
        while (std::getline(f, linea)) {
            if (linea.rfind("totals:", 0) == 0) {
                total = std::strtod(linea.c_str() + 7, nullptr);
            }
        }
        if (total < 0) {
            return {};
        }
        v.push_back(total);
    }
    return v;
}

std::string cociente(double a, double b) {
    char c[32];
    std::snprintf(c, sizeof c, "%.3f", a / b);
    return c;
}

} // namespace

int main(int argc, char* argv[]) {
    int veces = 201;
    int solo = -1; // --caso K: only the K-th case (0 to 2)
    std::string callgrind;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--veces") == 0) {
            veces = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--caso") == 0) {
            solo = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--callgrind") == 0) {
            callgrind = argv[i + 1];
        }
    }
#if BANCO_CALLGRIND
    g_contar = !callgrind.empty() && RUNNING_ON_VALGRIND;
#endif
    if (!callgrind.empty() && !g_contar) {
        std::fprintf(stderr, "--callgrind: run me under valgrind --tool=callgrind --collect-atstart=no\n");
        return 2;
    }
    QApplication app(argc, argv);
    // The figures mean nothing if the savings changed what the user sees.
    if (const QString diferencia = comprobarEstilo(); !diferencia.isEmpty()) {
        qFatal("%s", qPrintable(diferencia));
    }

    Ventana real = abrir();
    auto* ref = new VentanaReferencia;
    ref->setAttribute(Qt::WA_DeleteOnClose, false);
    QString respuestaRef;
    bool mismoTrabajo = false;
    QObject::connect(ref->txtPregunta, &QLineEdit::textChanged, ref, [&](const QString& t) {
        if (!t.endsWith(QLatin1Char('?'))) {
            return;
        }
        ref->lblRespuesta->setText(respuestaRef);
        if (mismoTrabajo) {
            ref->txtPeticion->setEnabled(false);
            ref->txtPregunta->setEnabled(false);
            ref->cmdFocus->setFocus(Qt::OtherFocusReason);
        }
    });
    ref->show();
    asentar();
    // The yardstick is only fair if it draws the same window.
    if (ref->size() != real.ventana->size() ||
        ref->lblRespuesta->geometry() != real.lblRespuesta->geometry() ||
        ref->lblRespuesta->font() != real.lblRespuesta->font() ||
        ref->txtPregunta->geometry() != real.txtPregunta->geometry() ||
        ref->txtPregunta->font() != real.txtPregunta->font() ||
        ref->txtPeticion->font() != real.txtPeticion->font()) {
        qFatal("the reference window differs from the real one");
    }

    VigiaPintura vigiaReal(real.lblRespuesta);
    VigiaPintura vigiaRef(ref->lblRespuesta);

    const QString peticion = QStringLiteral("Velmo, favor de responder:");
    const std::vector<Caso> casos = {
        {"pregunta ordinaria", peticion, QStringLiteral("¿Lograré terminar mi proyecto"),
         &auguron::EstadoSesion::CantOtrasPreguntas},
        {"respuesta oculta", QStringLiteral(".no.o, favor de responder:"), QStringLiteral("¿Lloverá mañana"),
         &auguron::EstadoSesion::CantPregTruco},
        {"tema frecuente", peticion, QStringLiteral("¿Por qué existe la muerte"),
         &auguron::EstadoSesion::CantPregFrecuentes},
    };

    const auto muestraReal = [&](const Caso& c, bool primera) -> double {
        QApplication::setActiveWindow(real.ventana);
        real.preparar(c.peticion, c.pregunta);
        real.azar->reiniciar();
        auguron::EstadoSesion& e = real.ventana->velmo().estado();
        const auguron::Entero antes = e.*c.contador;
        vigiaReal.armar([&] { return !real.lblRespuesta->text().isEmpty(); });
        const std::int64_t t0 = ahoraNs();
        const std::int64_t t1 = tramo(real.txtPregunta, vigiaReal);
        if (t1 == 0 || e.*c.contador != antes + 1) {
            qFatal("%s: the answer was not painted, or took another route", c.nombre);
        }
        if (primera) {
            respuestaRef = real.lblRespuesta->text();
        } else if (real.lblRespuesta->text() != respuestaRef) {
            qFatal("%s: another answer than the first sample's", c.nombre);
        }
        if (real.txtPeticion->isEnabled() || real.txtPregunta->isEnabled() ||
            QApplication::focusWidget() == real.txtPregunta) {
            qFatal("%s: the reveal did not lock the boxes and move the focus", c.nombre);
        }
        return static_cast<double>(t1 - t0) / 1e3;
    };
    const auto muestraRef = [&](const Caso& c, bool igual) -> double {
        QApplication::setActiveWindow(ref);
        mismoTrabajo = igual;
        ref->lblRespuesta->clear();
        ref->txtPeticion->setEnabled(true);
        ref->txtPregunta->setEnabled(true);
        ref->txtPeticion->setText(c.peticion);
        ref->txtPregunta->setText(c.pregunta);
        ref->txtPregunta->setFocus();
        asentar();
        vigiaRef.armar([&] { return !ref->lblRespuesta->text().isEmpty(); });
        const std::int64_t t0 = ahoraNs();
        const std::int64_t t1 = tramo(ref->txtPregunta, vigiaRef);
        if (t1 == 0 || ref->lblRespuesta->text() != respuestaRef || ref->txtPregunta->isEnabled() == igual) {
            qFatal("reference: the label was not painted, or the work differs");
        }
        return static_cast<double>(t1 - t0) / 1e3;
    };

    std::printf("Latencia de la respuesta (%s), %d muestras intercaladas por lado%s; mediana (mín.–máx.):\n",
                qPrintable(QApplication::platformName()), veces, g_contar ? ", bajo callgrind" : "");
    int volcado = 0; // dumps written so far, one per sample
    for (std::size_t k = 0; k < casos.size(); ++k) {
        const Caso& c = casos[k];
        if (solo >= 0 && static_cast<std::size_t>(solo) != k) {
            continue;
        }
        // Warm-up, uncounted, which also gives the reference the program's answer.
        std::array<std::vector<double>, 3> us;
        std::array<std::vector<int>, 3> dumps;
        const auto muestra = [&](int lado, bool calentar) {
            const double t = lado == kAuguron ? muestraReal(c, calentar) : muestraRef(c, lado == kIgual);
            ++volcado;
            if (!calentar) {
                us[lado].push_back(t);
                dumps[lado].push_back(volcado);
            }
        };
        for (const int lado : {kAuguron, kDesnuda, kIgual}) {
            muestra(lado, true);
        }
        for (int i = 0; i < veces; ++i) {
            for (int j = 0; j < 3; ++j) {
                muestra((i + j) % 3, false); // each side first in turn
            }
        }
        std::printf("  %s:\n", c.nombre);
        std::array<Tramos, 3> tiempo, instr;
        std::vector<double> todos;
        if (g_contar) {
            todos = volcados(callgrind, volcado);
            if (todos.empty()) {
                qFatal("the callgrind dumps %s.N could not be read", callgrind.c_str());
            }
        }
        for (int lado = 0; lado < 3; ++lado) {
            tiempo[lado] = tramos(us[lado]);
            std::printf("    %-20s %s", kLados[lado], rango(tiempo[lado], "%.0f µs").c_str());
            if (g_contar) {
                std::vector<double> v;
                for (const int d : dumps[lado]) {
                    v.push_back(todos[static_cast<std::size_t>(d - 1)] / 1e3);
                }
                instr[lado] = tramos(v);
                std::printf("   %s instrucciones", rango(instr[lado], "%.0f k").c_str());
            }
            std::printf("\n");
        }
        for (const int lado : {kDesnuda, kIgual}) {
            const bool igual = lado == kIgual;
            const std::string medida = std::string("Latencia «?», ") + c.nombre + ", frente a la " +
                                       (igual ? "ref. con el mismo trabajo" : "ref. desnuda");
            if (g_contar) {
                const double a = instr[kAuguron].mediana, b = instr[lado].mediana;
                std::printf("    cociente de instrucciones frente a %s: %.3f\n", kLados[lado], a / b);
                resumen(medida + " (instrucciones)", rango(instr[kAuguron], "%.0f k"),
                        rango(instr[lado], "%.0f k"), cociente(a, b),
                        igual ? "≤ " + cociente(objetivos::kLatenciaInstrucciones, 1) : "-",
                        igual ? (a / b <= objetivos::kLatenciaInstrucciones ? "sí" : "NO") : "-");
            } else {
                const double a = tiempo[kAuguron].mediana, b = tiempo[lado].mediana;
                std::printf("    cociente de tiempos frente a %s: %.3f\n", kLados[lado], a / b);
                resumen(medida + " (tiempo)", rango(tiempo[kAuguron], "%.0f µs"),
                        rango(tiempo[lado], "%.0f µs"), cociente(a, b), "-", "-");
            }
        }
    }
    delete ref;
    delete real.ventana.data();
    return 0;
}
