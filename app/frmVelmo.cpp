#include "app/frmVelmo.h"

#include "answer/Velmo.h"
#include "app/CajaTexto.h"
#include "platform/Disposicion.h"
#include "platform/qt/Ansi1252.h"
#include "platform/qt/Estilo.h"
#include "platform/qt/PlataformaQt.h"
#include "util/Aleatorio.h"
#include "windows/Ventanas.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <functional>
#include <utility>

namespace auguron {

using namespace estilo;
namespace p = disposicion::principal;

namespace {

CajaTexto* caja(QWidget* padre, const disposicion::Control& c) {
    auto* t = new CajaTexto(padre);
    t->setObjectName(texto(c.nombre));
    t->setGeometry(geometria(c.r));
    t->setFont(fuente(disposicion::kPuntosPrincipal));
    t->setToolTip(texto(c.ayuda));
    return t;
}

QLabel* etiquetaPrincipal(QWidget* padre, const disposicion::Etiqueta& e) {
    QLabel* l = etiqueta(padre, e);
    l->setFont(fuente(disposicion::kPuntosPrincipal));
    return l;
}

} // namespace

frmVelmo::frmVelmo(std::unique_ptr<PlataformaQt> plataforma, std::unique_ptr<FuenteAleatoria> azar,
                   QWidget* parent)
    : QMainWindow(parent)
    , m_plataforma(plataforma ? std::move(plataforma) : std::make_unique<PlataformaQt>()) {
    if (azar) {
        m_azar = std::move(azar);
    } else {
        PlataformaQt* p = m_plataforma.get();
        m_azar = std::make_unique<GeneradorReloj>([p] { return p->segundosDelDia(); });
    }
    m_velmo = std::make_unique<Velmo>(*m_plataforma, *m_azar);

    setObjectName(QStringLiteral("frmVelmo"));
    // The window is drawn in fixed light colours (grey background, black and
    // blue text): a dark desktop palette would leave light text on it.
    setPalette(QApplication::style()->standardPalette());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texto(p::kTitulo));
    setWindowIcon(iconoPrograma());

    crearControles();
    crearMenus();
    crearTemporizadores();
    asociarPlataforma();
    // The window keeps the size of its layout: no maximising, no stretching.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

frmVelmo::~frmVelmo() = default;

void frmVelmo::crearControles() {
    auto* fondo = new QWidget(this);
    fondo->setObjectName(QStringLiteral("fondo"));
    QPalette paleta = fondo->palette();
    paleta.setColor(QPalette::Window, color(p::kFondo));
    fondo->setPalette(paleta);
    fondo->setAutoFillBackground(true);
    fondo->setFixedSize(disposicion::px(p::kAncho), disposicion::px(p::kAlto));
    setCentralWidget(fondo);

    m_lblPeticion = etiquetaPrincipal(fondo, p::lblPeticion);
    m_txtPeticion = caja(fondo, p::txtPeticion);
    m_txtPeticion->setMaxLength(static_cast<int>(p::kMaximoPeticion));

    m_lblPregunta = etiquetaPrincipal(fondo, p::lblPregunta);
    m_txtPregunta = caja(fondo, p::txtPregunta);
    m_lblRespuesta = etiquetaPrincipal(fondo, p::lblRespuesta);
    m_lblRespuesta->setWordWrap(true);

    // Only parks the focus for two seconds after an answer; it sits behind
    // the question box once the load has moved it there.
    m_cmdFocus = boton(fondo, p::cmdFocus);
    m_cmdNuevaPregunta = boton(fondo, p::cmdNuevaPregunta);
    m_cmdSalir = boton(fondo, p::cmdSalir);
    m_lblInfo = etiquetaPrincipal(fondo, p::lblInfo);

    // A screen reader names each box by the label before it (and reads its
    // tooltip as the description). The captions hold no "&", so no access key.
    m_lblPeticion->setBuddy(m_txtPeticion);
    m_lblPregunta->setBuddy(m_txtPregunta);

    encajar(m_lblPeticion, {m_lblPeticion->text()});
    encajar(m_lblPregunta, {m_lblPregunta->text()});
    encajar(m_lblInfo, {ansi1252::aQString(textos::kBuscandoVagulantes),
                        ansi1252::aQString(textos::kConectandoVagulantes)});
    // The whole long petition must show in its box.
    encajar(m_txtPeticion, {ansi1252::aQString(textos::kFrasePeticion) + u':'});

    m_pctLogo = new QLabel(fondo);
    m_pctLogo->setObjectName(texto(p::pctLogo.nombre));
    m_pctLogo->setTextFormat(Qt::PlainText);
    m_pctLogo->setGeometry(geometria(p::pctLogo.r));
    m_pctLogo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pctLogo->setLineWidth(1);
    m_pctLogo->setAlignment(Qt::AlignCenter);
    // The logo is decoded the first time F4 shows it: most runs never do.
    m_pctLogo->installEventFilter(this);
    m_pctLogo->setAccessibleName(texto(p::pctLogo.ayuda)); // a picture: no text of its own
    m_pctLogo->hide();

    // cmdFocus has no caption. It takes the focus right after an answer, so a
    // screen reader announcing it reads the answer; the name is set as the focus
    // arrives, before the reader asks for it.
    m_cmdFocus->setAccessibleName(texto(p::cmdFocus.ayuda));
    m_cmdFocus->installEventFilter(this);

    // The program parks the focus there; Tab never does, since a keyboard or
    // screen-reader user would land on nothing visible.
    m_cmdFocus->setFocusPolicy(Qt::ClickFocus);
    QWidget::setTabOrder(m_txtPeticion, m_txtPregunta);
    QWidget::setTabOrder(m_txtPregunta, m_cmdFocus);
    QWidget::setTabOrder(m_cmdFocus, m_cmdNuevaPregunta);
    QWidget::setTabOrder(m_cmdNuevaPregunta, m_cmdSalir);
    m_txtPeticion->setFocus(Qt::OtherFocusReason);

    // Each box hands the logic its key and its text; the question's key also
    // carries the petition, which the question's check reads.
    m_txtPeticion->alTeclear = [this](int& k, const std::string&) { m_velmo->txtPeticion_KeyPress(k); };
    m_txtPregunta->alTeclear = [this](int& k, const std::string& pregunta) {
        m_velmo->txtPregunta_KeyPress(k, pregunta, m_txtPeticion->textoAnsi());
    };
    connect(m_cmdNuevaPregunta, &QPushButton::clicked, this, [this] { m_velmo->cmdNuevaPregunta_Click(); });
    connect(m_cmdSalir, &QPushButton::clicked, this, [this] { m_velmo->cmdSalir_Click(); });
}

void frmVelmo::crearMenus() {
    // What each item does, by its name in the layout.
    const std::pair<std::string_view, std::function<void()>> manejadores[] = {
        {"mnuNuevaPregunta", [this] { m_velmo->mnuNuevaPregunta_Click(); }},
        {"mnuLeerOracion", [this] { m_velmo->mnuLeerOracion_Click(); }},
        {"mnuVerImagen", [this] { m_velmo->mnuVerImagen_Click(); }},
        {"mnuSalir", [this] { m_velmo->mnuSalir_Click(); }},
        {"mnuTemas", [this] { mostrarTemas(this); }},
        {"mnuAcerca", [this] { mostrarAcerca(this); }},
    };
    // Alt+A and Alt+Y open the menus; the buttons keep Alt+N and Alt+S.
    for (const p::Menu& m : p::kMenus) {
        QMenu* menu = menuBar()->addMenu(texto(m.texto));
        menu->setObjectName(texto(m.nombre));
        for (const p::Item& item : m.items) {
            if (item.nombre.empty()) {
                continue;
            }
            if (item.texto.empty()) {
                menu->addSeparator()->setObjectName(texto(item.nombre));
                continue;
            }
            QAction* a = menu->addAction(texto(item.texto));
            a->setObjectName(texto(item.nombre));
            a->setShortcut(QKeySequence(texto(item.atajo), QKeySequence::PortableText));
            for (const auto& [nombre, manejador] : manejadores) {
                if (nombre == item.nombre) {
                    connect(a, &QAction::triggered, this, manejador);
                }
            }
        }
    }
    // The logic changes its caption.
    m_mnuVerImagen = findChild<QAction*>(QStringLiteral("mnuVerImagen"));

    // F10 opens the first menu, as desktop programs do.
    QMenu* primero = findChild<QMenu*>(texto(p::kMenus[0].nombre));
    auto* barra = new QAction(this);
    barra->setShortcut(QKeySequence(Qt::Key_F10));
    connect(barra, &QAction::triggered, this, [this, primero] {
        menuBar()->setActiveAction(primero->menuAction());
        primero->setActiveAction(primero->actions().value(0)); // ready for Enter, as Alt+A leaves it
    });
    addAction(barra);
}

void frmVelmo::crearTemporizadores() {
    const auto temporizador = [this](const char* nombre, auto&& manejador) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(nombre));
        connect(t, &QTimer::timeout, this, manejador);
        return t;
    };
    m_tmrFocus = temporizador("tmrFocus", [this] { m_velmo->tmrFocus_Timer(); });
    m_tmrSuspenso = temporizador("tmrSuspenso", [this] { m_velmo->tmrSuspenso_Timer(); });
    m_tmrMensaje = temporizador("tmrMensaje", [this] { m_velmo->tmrMensaje_Timer(); });
}

void frmVelmo::asociarPlataforma() {
    PlataformaQt& p = *m_plataforma;
    p.asociar(Control::txtPeticion, m_txtPeticion);
    p.asociar(Control::txtPregunta, m_txtPregunta);
    p.asociar(Control::lblRespuesta, m_lblRespuesta);
    p.asociar(Control::lblInfo, m_lblInfo);
    p.asociar(Control::cmdFocus, m_cmdFocus);
    p.asociar(Control::cmdNuevaPregunta, m_cmdNuevaPregunta);
    p.asociar(Control::pctLogo, m_pctLogo);
    p.asociar(Control::mnuVerImagen, m_mnuVerImagen);
    p.asociar(Temporizador::tmrFocus, m_tmrFocus);
    p.asociar(Temporizador::tmrSuspenso, m_tmrSuspenso);
    p.asociar(Temporizador::tmrMensaje, m_tmrMensaje);
    p.asociarVentana(this);
    p.alPedirEstadisticas = [this](const CuentasPreguntas& cuentas) { abrirEstadisticas(cuentas); };

    p.estadoInicial();
}

void frmVelmo::abrirEstadisticas(const CuentasPreguntas& cuentas) {
    // The window may outlive this one: it only calls back while we exist.
    QPointer<frmVelmo> yo(this);
    mostrarEstadisticas(cuentas, this, [yo](bool conAceptar) {
        if (!yo) {
            return;
        }
        // Through its button the focus comes back here, to "Nueva Pregunta".
        if (conAceptar && yo->isVisible()) {
            yo->activateWindow();
        }
        yo->m_velmo->estadisticasCerradas(conAceptar);
    });
}

bool frmVelmo::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == m_pctLogo && evento->type() == QEvent::Show && m_pctLogo->pixmap().isNull()) {
        m_pctLogo->setPixmap(QPixmap(QStringLiteral(":/imagenes/logo.jpg")));
    }
    if (objeto == m_cmdFocus && evento->type() == QEvent::FocusIn) {
        const QString respuesta = m_lblRespuesta->text();
        m_cmdFocus->setAccessibleName(respuesta.isEmpty() ? texto(p::cmdFocus.ayuda) : respuesta);
    }
    return QMainWindow::eventFilter(objeto, evento);
}

bool frmVelmo::cargar() {
    // cmdFocus goes onto the top-left corner of the question box, keeping its size.
    m_cmdFocus->move(m_txtPregunta->pos());
    m_cmdFocus->stackUnder(m_txtPregunta);
    if (!m_velmo->Form_Load()) {
        return false;
    }
    // Centred on the screen, as its boxes are: without a window manager
    // nothing else would place it.
    layout()->activate();
    estilo::centrarEnPantalla(this);
    return true;
}

} // namespace auguron
