// Nothing outside the program: a whole session on the real platform (real
// message boxes, clock, draws, clipboard, timers, every window) reads no
// configuration of its own, writes no file and opens no network connection.
//
// The test runs with HOME, the XDG folders and the working folder pointed at
// empty temporary folders, and checks afterwards that they are still empty,
// that no network socket is open and no network library is loaded. Where
// strace is installed the same session runs again under it, in a child
// process, and every connect, open and folder creation is judged.

#include "app/frmVelmo.h"
#include "platform/qt/Ansi1252.h"
#include "platform/qt/PlataformaQt.h"
#include "util/Aleatorio.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace auguron;

namespace {

const char* const kHijo = "--solo-sesion";

// The folders the session may not leave anything in, by environment variable.
const char* const kVariables[] = {"HOME",           "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                  "XDG_CACHE_HOME", "XDG_STATE_HOME",  "XDG_RUNTIME_DIR"};

QString carpeta(const char* variable) {
    return QFile::decodeName(qgetenv(variable));
}

// The real platform, its message boxes clicked as soon as they show: Yes to
// the spirit and to the offers, the start-up prayer accepted, every other
// prayer refused, OK elsewhere.
class PlataformaSola : public PlataformaQt {
public:
    int cajas = 0;

    Boton mensaje(std::string_view texto, std::string_view titulo, Botones botones) override {
        ++cajas;
        const QString t = ansi1252::aQString(titulo);
        QString boton = QStringLiteral("Aceptar");
        if (botones == Botones::SiNo) {
            boton = QStringLiteral("Sí");
        } else if (botones == Botones::AceptarCancelar && cajas > 1) {
            boton = QStringLiteral("Cancelar");
        }
        QTimer::singleShot(0, [boton] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                for (QAbstractButton* b : caja->buttons()) {
                    if (b->text() == boton) {
                        b->click();
                    }
                }
            }
        });
        return PlataformaQt::mensaje(texto, titulo, botones);
    }
};

unsigned semilla() {
    const char* s = std::getenv("AUGURON_SEMILLA");
    return s != nullptr && *s != '\0' ? static_cast<unsigned>(std::strtoul(s, nullptr, 10)) : 20261206u;
}

// Seeded draws: the same replies and dialogues each run.
class AzarSembrado : public FuenteAleatoria {
public:
    explicit AzarSembrado(unsigned s)
        : m_motor(s) {}
    Entero fncNroAleatorio(int Intervalo) override {
        return static_cast<Entero>(std::uniform_int_distribution<int>(1, std::max(Intervalo, 1))(m_motor));
    }

private:
    std::mt19937 m_motor;
};

QWidget* abierta(const char* nombre) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QLatin1String(nombre)) {
            return w;
        }
    }
    return nullptr;
}

void tic(QTimer* t) {
    if (t->isActive()) {
        QTimerEvent e(t->timerId());
        QCoreApplication::sendEvent(t, &e);
    }
}

void escribir(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
    }
}

// Every path of the program once: start-up, questions by each route, the
// dialogues, a suspense to its end, the statistics, help and about windows,
// the menu prayer, the logo, the clipboard, and "&Salir". False if the
// program did not answer as it should somewhere.
bool sesionCompleta(QString* fallo) {
    auto* plataforma = new PlataformaSola;
    QPointer<frmVelmo> v =
        new frmVelmo(std::unique_ptr<PlataformaQt>(plataforma), std::make_unique<AzarSembrado>(semilla()));
    if (!v->cargar()) {
        *fallo = QStringLiteral("la oracion de inicio no se acepto");
        return false;
    }
    v->show();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v)) {
        *fallo = QStringLiteral("la ventana no se activo");
        return false;
    }
    QApplication::clipboard()->setText(QStringLiteral("algo de otro programa"));

    auto* peticion = v->findChild<QLineEdit*>(QStringLiteral("txtPeticion"));
    auto* pregunta = v->findChild<QLineEdit*>(QStringLiteral("txtPregunta"));
    auto* respuesta = v->findChild<QLabel*>(QStringLiteral("lblRespuesta"));
    auto* tmrSuspenso = v->findChild<QTimer*>(QStringLiteral("tmrSuspenso"));
    auto* tmrMensaje = v->findChild<QTimer*>(QStringLiteral("tmrMensaje"));
    const QString valida = QStringLiteral("Velmo, favor de responder:");
    const struct {
        QString peticion;
        QString pregunta;
    } preguntas[] = {
        {QStringLiteral(".si.:"), QStringLiteral("¿lloverá?")},
        {valida, QStringLiteral("¿Me irá bien en el examen de mañana?")},
        {valida, QStringLiteral("¿Qué hora es?")},
        {valida, QStringLiteral("¿Qué día es hoy?")},
        {valida, QStringLiteral("¿Qué día es hoy?")},
        {valida, QStringLiteral("¿Cuál es mi número de la suerte?")},
        {valida, QStringLiteral("¿Qué me va a pasar en el futuro?")},
        {valida, QStringLiteral("¿Qué me va a pasar en el futuro?")},
        {valida, QStringLiteral("¿Quién es el amor de mi vida?")},
        {valida, QStringLiteral("¿Cuál es el sentido de la vida?")},
        {QStringLiteral("hola:"), QStringLiteral("xq?")},
        {valida, QStringLiteral("¿Me muestras las estadísticas?")},
    };
    for (const auto& p : preguntas) {
        v->findChild<QAction*>(QStringLiteral("mnuNuevaPregunta"))->trigger();
        escribir(peticion, p.peticion);
        escribir(pregunta, p.pregunta);
        if (respuesta->text().isEmpty()) {
            *fallo = QStringLiteral("sin respuesta a %1").arg(p.pregunta);
            return false;
        }
        // A suspense, if one started, runs to its final reply; the status
        // line moves on.
        for (int i = 0; i < 43; ++i) {
            tic(tmrSuspenso);
        }
        tic(tmrMensaje);
        QCoreApplication::processEvents();
    }
    if (!QApplication::clipboard()->text().isEmpty()) {
        *fallo = QStringLiteral("el portapapeles no se vacio");
        return false;
    }
    if (QWidget* e = abierta("frmEstadisticas")) {
        QTest::mouseClick(e->findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    } else {
        *fallo = QStringLiteral("el comando no abrio las estadisticas");
        return false;
    }
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v)) {
        *fallo = QStringLiteral("la ventana no volvio a activarse");
        return false;
    }
    QTest::keyClick(v, Qt::Key_F3); // the menu prayer
    QTest::keyClick(v, Qt::Key_F4);
    QTest::keyClick(v, Qt::Key_F4);
    QTest::keyClick(v, Qt::Key_F1);
    v->findChild<QAction*>(QStringLiteral("mnuAcerca"))->trigger();
    if (QWidget* a = abierta("frmAcerca")) {
        QTest::mouseClick(a->findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    }
    if (QWidget* t = abierta("frmTemas")) {
        t->windowHandle()->close();
    }
    v->findChild<QAction*>(QStringLiteral("mnuAcerca"))->trigger();
    QTest::qWait(50); // whatever the timers and the window system still have to do
    QTest::mouseClick(v->findChild<QPushButton*>(QStringLiteral("cmdSalir")), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return v.isNull(); }, 2000)) {
        *fallo = QStringLiteral("Salir no cerro la ventana");
        return false;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            *fallo = QStringLiteral("queda abierta %1").arg(w->objectName());
            return false;
        }
    }
    return true;
}

// Every file and folder under `raiz`, hidden ones included.
QStringList contenido(const QString& raiz) {
    QStringList r;
    QDirIterator it(raiz, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        r << it.next();
    }
    return r;
}

// The inodes of the network sockets of this process's network namespace.
std::set<QString> inodosDeRed() {
    std::set<QString> r;
    for (const char* tabla : {"tcp", "tcp6", "udp", "udp6", "raw", "raw6", "udplite", "udplite6"}) {
        QFile f(QStringLiteral("/proc/self/net/") + QLatin1String(tabla));
        if (!f.open(QIODevice::ReadOnly)) {
            continue;
        }
        f.readLine(); // the heading
        while (!f.atEnd()) {
            const QStringList campos =
                QString::fromLatin1(f.readLine()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (campos.size() > 9) {
                r.insert(campos[9]);
            }
        }
    }
    return r;
}

} // namespace

class PruebaNadaFuera : public QObject {
    Q_OBJECT

private slots:
    void sesionCompletaNoDejaNada();
    void bajoStraceNiRedNiEscrituras();
};

void PruebaNadaFuera::sesionCompletaNoDejaNada() {
    for (const char* variable : kVariables) {
        QVERIFY2(carpeta(variable).startsWith(QDir::tempPath()), variable);
        QVERIFY2(contenido(carpeta(variable)).isEmpty(), variable);
    }
    QVERIFY(contenido(QDir::currentPath()).isEmpty());
    // Where Qt would look for a program's own settings and data: inside the
    // empty folders, so anything written there shows below.
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                .startsWith(carpeta("XDG_CONFIG_HOME")));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                .startsWith(carpeta("XDG_DATA_HOME")));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                .startsWith(carpeta("XDG_CACHE_HOME")));

    qInfo("semilla %u (AUGURON_SEMILLA para repetir)", semilla());
    QString fallo;
    QVERIFY2(sesionCompleta(&fallo), qPrintable(fallo));

    for (const char* variable : kVariables) {
        QVERIFY2(contenido(carpeta(variable)).isEmpty(),
                 qPrintable(QStringLiteral("%1: %2").arg(
                     QLatin1String(variable), contenido(carpeta(variable)).join(QLatin1Char(' ')))));
    }
    QVERIFY2(contenido(QDir::currentPath()).isEmpty(), qPrintable(contenido(QDir::currentPath()).join(' ')));

    // No network socket open, none of the network libraries loaded.
    const std::set<QString> red = inodosDeRed();
    QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        static const QRegularExpression socket(QStringLiteral("socket:\\[(\\d+)\\]"));
        const auto m = socket.match(QFile::symLinkTarget(fds.filePath(fd)));
        if (m.hasMatch()) {
            QVERIFY2(!red.count(m.captured(1)),
                     qPrintable(QStringLiteral("socket de red abierto: fd %1").arg(fd)));
        }
    }
    QFile mapas(QStringLiteral("/proc/self/maps"));
    QVERIFY(mapas.open(QIODevice::ReadOnly));
    const QByteArray cargado = mapas.readAll();
    for (const char* biblioteca : {"libQt6Network", "libcurl", "libssl", "libresolv", "libnss_dns"}) {
        QVERIFY2(!cargado.contains(biblioteca), biblioteca);
    }
}

void PruebaNadaFuera::bajoStraceNiRedNiEscrituras() {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty()) {
        QSKIP("strace no está instalado");
    }
    const QString registro = QDir(carpeta("AUGURON_NADA_BASE")).filePath(QStringLiteral("strace.log"));
    QProcess hijo;
    hijo.setProcessChannelMode(QProcess::MergedChannels);
    // LeakSanitizer cannot run under a tracer; the session's leaks are
    // checked by the run in this process.
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    const QString asan = entorno.value(QStringLiteral("ASAN_OPTIONS"));
    entorno.insert(QStringLiteral("ASAN_OPTIONS"), asan.isEmpty() ? QStringLiteral("detect_leaks=0")
                                                                  : asan + QStringLiteral(":detect_leaks=0"));
    hijo.setProcessEnvironment(entorno);
    hijo.start(strace,
               {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"), registro,
                QStringLiteral("-e"),
                QStringLiteral("trace=socket,connect,sendto,open,openat,creat,mkdir,mkdirat,rename,renameat,"
                               "renameat2,link,linkat,symlink,symlinkat,truncate"),
                QCoreApplication::applicationFilePath(), QLatin1String(kHijo)});
    QVERIFY(hijo.waitForStarted());
    QVERIFY(hijo.waitForFinished(90000));
    const QByteArray salida = hijo.readAll();
    if (hijo.exitCode() != 0 && salida.toLower().contains("ptrace")) {
        QSKIP("strace no puede seguir procesos aquí");
    }
    if (hijo.exitCode() != 0) {
        qWarning("%s", salida.constData());
    }
    QCOMPARE(hijo.exitCode(), 0);

    QFile r(registro);
    QVERIFY(r.open(QIODevice::ReadOnly));
    const QStringList lineas = QString::fromUtf8(r.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lineas.size() > 50);

    // Reading inside the empty home is allowed only where Qt and fontconfig
    // look for their own settings and caches; writing, nowhere but devices,
    // and Qt's check that its runtime folder exists.
    const QStringList casa = {carpeta("HOME"), carpeta("XDG_CONFIG_HOME"), carpeta("XDG_DATA_HOME"),
                              carpeta("XDG_CACHE_HOME"), carpeta("XDG_STATE_HOME")};
    const QStringList deQt = {QStringLiteral("/fontconfig/"), QStringLiteral("/.fontconfig/"),
                              QStringLiteral("/.fonts"), QStringLiteral("/QtProject/")};
    static const QRegularExpression ruta(
        QStringLiteral("^\\d+\\s+(\\w+)\\((?:AT_FDCWD, |\\d+, )?\"([^\"]*)\"(.*)$"));
    static const QRegularExpression conexion(
        QStringLiteral("^\\d+\\s+(socket\\(AF_INET|(connect|sendto)\\(.*sa_family=AF_INET)"));
    QStringList malas;
    int vistas = 0;
    for (const QString& l : lineas) {
        if (conexion.match(l).hasMatch()) {
            malas << l;
            continue;
        }
        const auto m = ruta.match(l);
        if (!m.hasMatch()) {
            continue;
        }
        ++vistas;
        const QString llamada = m.captured(1);
        const QString camino = m.captured(2);
        const QString resto = m.captured(3);
        const bool escribe =
            llamada == QLatin1String("creat") || llamada.startsWith(QLatin1String("mkdir")) ||
            llamada.startsWith(QLatin1String("rename")) || llamada.contains(QLatin1String("link")) ||
            llamada == QLatin1String("truncate") || resto.contains(QLatin1String("O_WRONLY")) ||
            resto.contains(QLatin1String("O_RDWR")) || resto.contains(QLatin1String("O_CREAT"));
        const bool deQtSuCarpeta = llamada == QLatin1String("mkdir") && camino == carpeta("XDG_RUNTIME_DIR");
        if (escribe && !deQtSuCarpeta && !camino.startsWith(QLatin1String("/dev/")) &&
            !camino.startsWith(QLatin1String("/proc/"))) {
            malas << l;
            continue;
        }
        for (const QString& c : casa) {
            if (camino.startsWith(c + QLatin1Char('/'))) {
                const QString dentro = camino.mid(c.size());
                if (std::none_of(deQt.begin(), deQt.end(),
                                 [&](const QString& q) { return dentro.startsWith(q); })) {
                    malas << l;
                }
                break;
            }
        }
    }
    qInfo("%d aperturas y llamadas revisadas", vistas);
    QVERIFY2(malas.isEmpty(), qPrintable(malas.join(QLatin1Char('\n'))));
}

// The folders are set before Qt starts: it reads them when it needs them, and
// some at start.
int main(int argc, char* argv[]) {
    const bool soloSesion = argc > 1 && std::strcmp(argv[1], kHijo) == 0;
    if (!soloSesion) {
        char plantilla[] = "/tmp/auguron-nada-XXXXXX";
        const char* base = mkdtemp(plantilla);
        if (base == nullptr) {
            std::perror("mkdtemp");
            return 1;
        }
        setenv("AUGURON_NADA_BASE", base, 1);
        for (const char* variable : kVariables) {
            const std::string c = std::string(base) + "/" + variable;
            if (mkdir(c.c_str(), 0700) != 0) {
                std::perror("mkdir");
                return 1;
            }
            setenv(variable, c.c_str(), 1);
        }
        const std::string trabajo = std::string(base) + "/trabajo";
        if (mkdir(trabajo.c_str(), 0700) != 0 || chdir(trabajo.c_str()) != 0) {
            std::perror("trabajo");
            return 1;
        }
    }
    QApplication app(argc, argv);
    if (soloSesion) {
        QString fallo;
        const bool bien = sesionCompleta(&fallo);
        if (!bien) {
            std::fprintf(stderr, "%s\n", qPrintable(fallo));
        }
        return bien ? 0 : 1;
    }
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    PruebaNadaFuera prueba;
    const int resultado = QTest::qExec(&prueba, argc, argv);
    QDir(QFile::decodeName(qgetenv("AUGURON_NADA_BASE"))).removeRecursively();
    return resultado;
}

#include "tst_nada_fuera.moc"
