// The main, statistics, help and about windows opened and closed in every
// order, by their buttons, menu items, shortcuts and close boxes. After each
// step: the windows on screen are exactly those the user has open; the program
// would end exactly when the last of them closes (lastWindowClosed, which Qt
// only emits inside exec(), hence the main() below); "&Nueva Pregunta" is
// disabled only while the statistics window is open; a window that outlives
// the main window goes on working without it (the ASan build catches any use
// of the freed window).

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <vector>

using namespace auguron;
using namespace auguron::prueba;

namespace {

enum Ventana : int { Principal, Estadisticas, Temas, Acerca };
constexpr int kVentanas = 4;
const char* const kNombres[kVentanas] = {"frmVelmo", "frmEstadisticas", "frmTemas", "frmAcerca"};

enum class Accion {
    EstadisticasPorComando, // the question typed into the main window
    EstadisticasDirecta,    // the call the command makes, from whatever state the window is in
    TemasF1,
    TemasMenu,
    AcercaMenu,
    EstadisticasAceptar,
    EstadisticasAltA,
    EstadisticasCuadro,
    TemasCuadro,
    AcercaCerrar,
    AcercaAltC,
    AcercaCuadro,
    PrincipalMenu,
    PrincipalCtrlX,
    PrincipalCuadro,
    PrincipalNoAlEspiritu,
    PrincipalSalir, // "&Salir": every window
    PrincipalAltS,
};
constexpr int kAcciones = static_cast<int>(Accion::PrincipalAltS) + 1;

struct Rasgos {
    const char* nombre;
    Ventana ventana;
    bool abre;
    bool lenta; // an access key: the button animates its click for 100 ms
};

constexpr Rasgos kRasgos[kAcciones] = {
    {"estadisticas por comando", Estadisticas, true, false},
    {"estadisticas directa", Estadisticas, true, false},
    {"F1", Temas, true, false},
    {"menu Temas de Ayuda", Temas, true, false},
    {"menu Acerca de", Acerca, true, false},
    {"Aceptar de estadisticas", Estadisticas, false, false},
    {"Alt+A en estadisticas", Estadisticas, false, true},
    {"cuadro de cierre de estadisticas", Estadisticas, false, false},
    {"cuadro de cierre de ayuda", Temas, false, false},
    {"Cerrar de acerca de", Acerca, false, false},
    {"Alt+C en acerca de", Acerca, false, true},
    {"cuadro de cierre de acerca de", Acerca, false, false},
    {"menu Salir", Principal, false, false},
    {"Ctrl+X", Principal, false, false},
    {"cuadro de cierre principal", Principal, false, false},
    {"No al espiritu", Principal, false, false},
    {"boton Salir", Principal, false, false},
    {"Alt+S", Principal, false, true},
};

const Rasgos& rasgos(Accion a) {
    return kRasgos[static_cast<int>(a)];
}

int g_ultimaCerrada = 0; // lastWindowClosed signals seen

// The offscreen platform's notes on what it cannot do, once per window shown.
QtMessageHandler g_anterior = nullptr;
void filtrarAvisos(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje) {
    if (!mensaje.startsWith(QLatin1String("This plugin does not support"))) {
        g_anterior(tipo, contexto, mensaje);
    }
}

QList<QWidget*> visibles(const QString& nombre) {
    QList<QWidget*> r;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == nombre) {
            r << w;
        }
    }
    return r;
}

QWidget* visible(Ventana v) {
    const auto l = visibles(QString::fromLatin1(kNombres[v]));
    return l.isEmpty() ? nullptr : l.first();
}

bool activar(QWidget* w) {
    w->activateWindow();
    return QTest::qWaitForWindowActive(w, 2000);
}

// Closed windows are deleted later: that is done after each step. Painting and
// the window system's events are left for the next wait for an activation,
// where they are handled all at once.
void asentar() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One run of the program: from the main window shown to the last window closed.
class Corrida {
public:
    Corrida()
        : m_p(abrir())
        , m_cierresAlEmpezar(g_ultimaCerrada) {}

    ~Corrida() { cerrarTodo(); }

    bool terminada() const {
        return std::none_of(m_abiertas.begin(), m_abiertas.end(), [](bool b) { return b; });
    }

    bool posible(Accion a) const {
        const Rasgos& r = rasgos(a);
        return r.abre ? m_abiertas[Principal] : m_abiertas[r.ventana];
    }

    const QString& traza() const { return m_traza; }

    // Carries out the action; empty, or what went wrong.
    QString hacer(Accion a) {
        m_traza += QStringLiteral(" > ") + QLatin1String(rasgos(a).nombre);
        QString fallo = ejecutar(a);
        asentar();
        if (fallo.isEmpty()) {
            fallo = verificar();
        }
        return fallo.isEmpty() ? fallo : fallo + QStringLiteral("\n  tras:") + m_traza;
    }

private:
    QWidget* principal() const { return m_p.ventana.data(); }
    template <class T> T* hijo(QWidget* w, const char* nombre) const {
        return w->findChild<T*>(QLatin1String(nombre));
    }

    QString ejecutar(Accion a) {
        const Rasgos& r = rasgos(a);
        QWidget* w = r.abre ? principal() : visible(r.ventana);
        if (w == nullptr) {
            return QStringLiteral("falta la ventana %1").arg(QLatin1String(kNombres[r.ventana]));
        }
        switch (a) {
        case Accion::EstadisticasPorComando: {
            if (!activar(w)) {
                return QStringLiteral("la ventana principal no se activa");
            }
            QTest::keyClick(w, Qt::Key_F2); // works with the button disabled, too
            auto* peticion = hijo<QLineEdit>(w, "txtPeticion");
            auto* pregunta = hijo<QLineEdit>(w, "txtPregunta");
            if (!peticion->isEnabled() || QApplication::focusWidget() != peticion) {
                return QStringLiteral("F2 no dejo la peticion lista");
            }
            escribir(peticion, QStringLiteral("Velmo, favor de responder:"));
            escribir(pregunta, QStringLiteral("me muestras las estadisticas?"));
            if (hijo<QLabel>(w, "lblRespuesta")->text().isEmpty()) {
                return QStringLiteral("el comando no mostro respuesta");
            }
            break;
        }
        case Accion::EstadisticasDirecta:
            m_p.plataforma->habilitar(Control::cmdNuevaPregunta, false);
            m_p.plataforma->mostrarEstadisticas();
            break;
        case Accion::TemasF1:
            if (!activar(w)) {
                return QStringLiteral("la ventana principal no se activa");
            }
            QTest::keyClick(w, Qt::Key_F1);
            break;
        case Accion::TemasMenu:
            hijo<QAction>(w, "mnuTemas")->trigger();
            break;
        case Accion::AcercaMenu:
            hijo<QAction>(w, "mnuAcerca")->trigger();
            break;
        case Accion::EstadisticasAceptar:
        case Accion::AcercaCerrar:
            QTest::mouseClick(hijo<QPushButton>(w, "cmdAceptar"), Qt::LeftButton);
            break;
        case Accion::EstadisticasAltA:
        case Accion::AcercaAltC:
        case Accion::PrincipalAltS: {
            if (!activar(w)) {
                return QStringLiteral("%1 no se activa").arg(w->objectName());
            }
            const Qt::Key tecla = a == Accion::EstadisticasAltA ? Qt::Key_A
                                  : a == Accion::AcercaAltC     ? Qt::Key_C
                                                                : Qt::Key_S;
            QPointer<QWidget> ventana(w);
            QTest::keyClick(w, tecla, Qt::AltModifier);
            if (!QTest::qWaitFor([&] { return !ventana || !ventana->isVisible(); }, 3000)) {
                return QStringLiteral("la tecla de acceso no cerro %1").arg(w->objectName());
            }
            break;
        }
        case Accion::EstadisticasCuadro:
        case Accion::TemasCuadro:
        case Accion::AcercaCuadro:
        case Accion::PrincipalCuadro:
            // What the window system sends when the close box is clicked.
            w->windowHandle()->close();
            break;
        case Accion::PrincipalMenu:
            hijo<QAction>(w, "mnuSalir")->trigger();
            break;
        case Accion::PrincipalCtrlX:
            if (!activar(w)) {
                return QStringLiteral("la ventana principal no se activa");
            }
            QTest::keyClick(w, Qt::Key_X, Qt::ControlModifier);
            break;
        case Accion::PrincipalNoAlEspiritu:
            // As after five questions answered without a hidden answer.
            m_p.ventana->velmo().estado().PreguntasSinTruco = 5;
            m_p.azar->tiradas = {1};
            m_p.plataforma->respuestas = {Boton::No, Boton::Aceptar};
            if (auto* nueva = hijo<QPushButton>(w, "cmdNuevaPregunta"); nueva->isEnabled()) {
                QTest::mouseClick(nueva, Qt::LeftButton);
            } else {
                hijo<QAction>(w, "mnuNuevaPregunta")->trigger();
            }
            break;
        case Accion::PrincipalSalir:
            QTest::mouseClick(hijo<QPushButton>(w, "cmdSalir"), Qt::LeftButton);
            break;
        }

        if (r.abre) {
            m_abiertas[r.ventana] = true;
        } else if (a == Accion::PrincipalSalir || a == Accion::PrincipalAltS) {
            m_abiertas.fill(false);
        } else {
            m_abiertas[r.ventana] = false;
        }
        return {};
    }

    QString verificar() const {
        for (int v = 0; v < kVentanas; ++v) {
            const int n = static_cast<int>(visibles(QString::fromLatin1(kNombres[v])).size());
            if (n != (m_abiertas[v] ? 1 : 0)) {
                return QStringLiteral("%1: %2 a la vista").arg(QLatin1String(kNombres[v])).arg(n);
            }
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && std::none_of(std::begin(kNombres), std::end(kNombres), [&](const char* n) {
                    return w->objectName() == QLatin1String(n);
                })) {
                return QStringLiteral("ventana inesperada a la vista: %1 \"%2\"")
                    .arg(QLatin1String(w->metaObject()->className()), w->windowTitle());
            }
        }

        const int cierres = g_ultimaCerrada - m_cierresAlEmpezar;
        if (cierres != (terminada() ? 1 : 0)) {
            return QStringLiteral("lastWindowClosed %1 veces con %2 ventanas abiertas")
                .arg(cierres)
                .arg(std::count(m_abiertas.begin(), m_abiertas.end(), true));
        }

        if (!m_abiertas[Principal]) {
            if (m_p.ventana) {
                return QStringLiteral("la ventana principal cerrada sigue sin destruir");
            }
            return {};
        }
        auto* nueva = hijo<QPushButton>(principal(), "cmdNuevaPregunta");
        if (nueva->isEnabled() == m_abiertas[Estadisticas]) {
            return m_abiertas[Estadisticas]
                       ? QStringLiteral("Nueva Pregunta habilitada con estadisticas abiertas")
                       : QStringLiteral("Nueva Pregunta deshabilitada sin estadisticas");
        }
        if (!principal()->isEnabled()) {
            return QStringLiteral("la ventana principal quedo deshabilitada");
        }
        return {};
    }

    Prueba m_p;
    const int m_cierresAlEmpezar;
    std::array<bool, kVentanas> m_abiertas{true, false, false, false};
    QString m_traza;
};

// The orders: every interleaving of opening and closing any subset of the
// three small windows and closing the main window, where a small window opens
// only while the main one is there and closes only once opened.
struct Suceso {
    Ventana ventana;
    bool abre;
};

void intercalar(std::vector<Suceso>& pendientes, std::vector<Suceso>& orden,
                std::vector<std::vector<Suceso>>& todos) {
    if (pendientes.empty()) {
        todos.push_back(orden);
        return;
    }
    for (std::size_t i = 0; i < pendientes.size(); ++i) {
        const Suceso s = pendientes[i];
        const auto hay = [&](Ventana v, bool abre) {
            return std::any_of(pendientes.begin(), pendientes.end(),
                               [&](const Suceso& p) { return p.ventana == v && p.abre == abre; });
        };
        const bool listo = s.ventana == Principal
                               ? !hay(Estadisticas, true) && !hay(Temas, true) && !hay(Acerca, true)
                               : s.abre || !hay(s.ventana, true);
        if (!listo) {
            continue;
        }
        pendientes.erase(pendientes.begin() + static_cast<std::ptrdiff_t>(i));
        orden.push_back(s);
        intercalar(pendientes, orden, todos);
        orden.pop_back();
        pendientes.insert(pendientes.begin() + static_cast<std::ptrdiff_t>(i), s);
    }
}

std::vector<std::vector<Suceso>> todosLosOrdenes() {
    std::vector<std::vector<Suceso>> todos;
    for (int subconjunto = 0; subconjunto < 8; ++subconjunto) {
        std::vector<Suceso> pendientes{{Principal, false}};
        for (const Ventana v : {Estadisticas, Temas, Acerca}) {
            if (subconjunto & (1 << (v - 1))) {
                pendientes.push_back({v, true});
                pendientes.push_back({v, false});
            }
        }
        std::vector<Suceso> orden;
        intercalar(pendientes, orden, todos);
    }
    return todos;
}

// The ways of doing each step, fast ones only; the access keys are tried apart.
const std::vector<Accion> kAbrir[kVentanas] = {
    {},
    {Accion::EstadisticasPorComando, Accion::EstadisticasDirecta},
    {Accion::TemasF1, Accion::TemasMenu},
    {Accion::AcercaMenu},
};
const std::vector<Accion> kCerrar[kVentanas] = {
    {Accion::PrincipalMenu, Accion::PrincipalCtrlX, Accion::PrincipalCuadro, Accion::PrincipalNoAlEspiritu},
    {Accion::EstadisticasAceptar, Accion::EstadisticasCuadro},
    {Accion::TemasCuadro},
    {Accion::AcercaCerrar, Accion::AcercaCuadro},
};

unsigned semilla() {
    const char* s = std::getenv("AUGURON_SEMILLA");
    return s != nullptr && *s != '\0' ? static_cast<unsigned>(std::strtoul(s, nullptr, 10)) : 20261206u;
}

} // namespace

class PruebaOrdenVentanas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { qInstallMessageHandler(g_anterior); }
    void cleanup() { cerrarTodo(); }

    void todosLosOrdenesDeAbrirYCerrar();
    void teclasDeAccesoEnCadaOrden();
    void paseoAlAzar();
    void estadisticasSobreviveALaPrincipal();
};

void PruebaOrdenVentanas::initTestCase() {
    g_anterior = qInstallMessageHandler(filtrarAvisos);
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [] { ++g_ultimaCerrada; });
    // The signal itself works here: one window shown and closed.
    const int antes = g_ultimaCerrada;
    QWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.windowHandle()->close();
    QCOMPARE(g_ultimaCerrada, antes + 1);
}

void PruebaOrdenVentanas::todosLosOrdenesDeAbrirYCerrar() {
    const auto ordenes = todosLosOrdenes();
    QCOMPARE(ordenes.size(), std::size_t{343});
    // Each order once; the ways of opening and closing each window take
    // turns across the orders, and so do the ways of leaving the main window:
    // alone (the others outlive it) or with "&Salir" closing every window.
    std::array<std::size_t, kVentanas> turnoAbrir{};
    std::array<std::size_t, kVentanas> turnoCerrar{};
    std::vector<Accion> salidas = kCerrar[Principal];
    salidas.push_back(Accion::PrincipalSalir);
    int corridas = 0;
    for (std::size_t n = 0; n < ordenes.size(); ++n) {
        Corrida c;
        for (const Suceso& s : ordenes[n]) {
            Accion a;
            if (s.ventana == Principal) {
                a = salidas[n % salidas.size()];
            } else if (s.abre) {
                a = kAbrir[s.ventana][turnoAbrir[s.ventana]++ % kAbrir[s.ventana].size()];
            } else {
                a = kCerrar[s.ventana][turnoCerrar[s.ventana]++ % kCerrar[s.ventana].size()];
            }
            if (!c.posible(a)) {
                continue; // already closed by "&Salir"
            }
            const QString fallo = c.hacer(a);
            QVERIFY2(fallo.isEmpty(), qPrintable(QStringLiteral("orden %1: %2").arg(n).arg(fallo)));
        }
        QVERIFY2(c.terminada(), qPrintable(c.traza()));
        ++corridas;
    }
    qInfo("%d ordenes, %d corridas", static_cast<int>(ordenes.size()), corridas);
}

void PruebaOrdenVentanas::teclasDeAccesoEnCadaOrden() {
    // Alt+A, Alt+C and Alt+S animate their click; every order of the two small
    // windows that have a button, around the main window leaving by Alt+S
    // either before or after them.
    const std::vector<std::vector<Accion>> ordenes = {
        {Accion::EstadisticasPorComando, Accion::AcercaMenu, Accion::EstadisticasAltA, Accion::AcercaAltC,
         Accion::PrincipalAltS},
        {Accion::EstadisticasPorComando, Accion::AcercaMenu, Accion::AcercaAltC, Accion::EstadisticasAltA,
         Accion::PrincipalAltS},
        {Accion::AcercaMenu, Accion::EstadisticasDirecta, Accion::PrincipalMenu, Accion::EstadisticasAltA,
         Accion::AcercaAltC},
        {Accion::AcercaMenu, Accion::EstadisticasDirecta, Accion::PrincipalCuadro, Accion::AcercaAltC,
         Accion::EstadisticasAltA},
        {Accion::EstadisticasPorComando, Accion::TemasF1, Accion::AcercaMenu, Accion::PrincipalAltS},
    };
    for (const auto& orden : ordenes) {
        Corrida c;
        for (const Accion a : orden) {
            QVERIFY2(c.posible(a), qPrintable(c.traza()));
            const QString fallo = c.hacer(a);
            QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        }
        QVERIFY2(c.terminada(), qPrintable(c.traza()));
    }
}

void PruebaOrdenVentanas::paseoAlAzar() {
    // Windows opened again while open, closed and opened again, the command
    // asked twice, in any order: a seeded walk over every action, a new run
    // of the program each time the last window closes.
    const unsigned s = semilla();
    qInfo("semilla %u (AUGURON_SEMILLA para repetir)", s);
    std::mt19937 azar(s);
    constexpr int kPasos = 2000;
    int corridas = 0;
    auto c = std::make_unique<Corrida>();
    for (int paso = 0; paso < kPasos; ++paso) {
        if (c->terminada()) {
            c.reset(); // clears away every window of the run before the next
            c = std::make_unique<Corrida>();
            ++corridas;
        }
        std::vector<Accion> posibles;
        for (int i = 0; i < kAcciones; ++i) {
            const auto a = static_cast<Accion>(i);
            // The access keys wait for their animation: one step in fifty.
            if (c->posible(a) && (!rasgos(a).lenta || azar() % 50 == 0)) {
                posibles.push_back(a);
            }
        }
        // Leaving is one choice among all: the main window mostly outlives a
        // few steps.
        std::vector<Accion> elegibles;
        for (const Accion a : posibles) {
            const bool cierraPrincipal = rasgos(a).ventana == Principal && !rasgos(a).abre;
            if (!cierraPrincipal || azar() % 8 == 0) {
                elegibles.push_back(a);
            }
        }
        if (elegibles.empty()) {
            elegibles = posibles;
        }
        const Accion a = elegibles[azar() % elegibles.size()];
        const QString fallo = c->hacer(a);
        QVERIFY2(fallo.isEmpty(),
                 qPrintable(QStringLiteral("semilla %1, paso %2: %3").arg(s).arg(paso).arg(fallo)));
    }
    qInfo("%d pasos en %d corridas", kPasos, corridas + 1);
}

void PruebaOrdenVentanas::estadisticasSobreviveALaPrincipal() {
    // Opened by the command, the main window closed and destroyed, then the
    // statistics window's button: it has nothing to give back and closes.
    Corrida c;
    QVERIFY(c.hacer(Accion::EstadisticasPorComando).isEmpty());
    QPointer<QWidget> estadisticas = visible(Estadisticas);
    QVERIFY(estadisticas);
    QVERIFY(c.hacer(Accion::PrincipalCuadro).isEmpty());
    QVERIFY(c.hacer(Accion::EstadisticasAceptar).isEmpty());
    QVERIFY(c.terminada());
    QVERIFY(estadisticas.isNull());
}

// QTEST_MAIN, but inside the application's event loop: lastWindowClosed is
// emitted only there. The application never quits on its own.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication::setQuitOnLastWindowClosed(false);
    PruebaOrdenVentanas prueba;
    int resultado = 1;
    QTimer::singleShot(0, &app, [&] {
        resultado = QTest::qExec(&prueba, argc, argv);
        QCoreApplication::exit(0);
    });
    QApplication::exec();
    return resultado;
}

#include "tst_orden_ventanas.moc"
