// The main window as a screen reader sees it through Qt's accessibility
// interfaces: every control with its role, name and description, the boxes
// named by their labels, the labels by their current text as it changes, the
// menus by their captions. (Change events reach a reader only through a live
// platform bridge, which the offscreen platform has not; names are read live.)

#include "apoyo/PlataformaPrueba.h"

#include "answer/Velmo.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace auguron;
using namespace auguron::prueba;

namespace {

QAccessibleInterface* interfaz(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// Every interface under `raiz`, depth first, as a reader walks the tree.
void recorrer(QAccessibleInterface* raiz, QList<QAccessibleInterface*>& todas) {
    for (int i = 0; i < raiz->childCount(); ++i) {
        QAccessibleInterface* hijo = raiz->child(i);
        if (hijo != nullptr && hijo->isValid()) {
            todas.append(hijo);
            recorrer(hijo, todas);
        }
    }
}

} // namespace

class PruebaAccesibilidad : public QObject {
    Q_OBJECT

private slots:
    void init() { m_p = abrir(); }
    void cleanup() { cerrarTodo(); }

    void controles_data();
    void controles();
    void cajasEtiquetadas();
    void arbolCompleto();
    void menus_data();
    void menus();
    void menuQueCambiaDeNombre();
    void respuestaLeida();
    void estadoLeido();

private:
    template <class T> T* hijo(const char* nombre) {
        return m_p.ventana->findChild<T*>(QLatin1String(nombre));
    }
    Prueba m_p;
};

void PruebaAccesibilidad::controles_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("rol");
    QTest::addColumn<QString>("leido");
    QTest::addColumn<QString>("descripcion");
    QTest::addColumn<bool>("habilitado");

    QTest::newRow("lblPeticion") << "lblPeticion" << int(QAccessible::StaticText) << "Ingrese la petición:"
                                 << "" << true;
    QTest::newRow("txtPeticion") << "txtPeticion" << int(QAccessible::EditableText) << "Ingrese la petición:"
                                 << "La petición debe finalizar con \":\" (dos puntos)" << true;
    QTest::newRow("lblPregunta") << "lblPregunta" << int(QAccessible::StaticText) << "Ingrese la pregunta:"
                                 << "" << true;
    QTest::newRow("txtPregunta") << "txtPregunta" << int(QAccessible::EditableText) << "Ingrese la pregunta:"
                                 << "La pregunta debe finalizar con el signo \"?\"" << false;
    QTest::newRow("lblRespuesta") << "lblRespuesta" << int(QAccessible::StaticText) << ""
                                  << "" << true;
    QTest::newRow("cmdFocus") << "cmdFocus" << int(QAccessible::Button) << "Respuesta"
                              << "" << true;
    QTest::newRow("cmdNuevaPregunta") << "cmdNuevaPregunta" << int(QAccessible::Button) << "Nueva Pregunta"
                                      << "" << true;
    QTest::newRow("cmdSalir") << "cmdSalir" << int(QAccessible::Button) << "Salir"
                              << "" << true;
    QTest::newRow("lblInfo") << "lblInfo" << int(QAccessible::StaticText) << "Buscando Vagulantes..."
                             << "" << true;
    QTest::newRow("pctLogo") << "pctLogo" << int(QAccessible::Graphic) << "Logo de Auguron"
                             << "" << true;
}

void PruebaAccesibilidad::controles() {
    QFETCH(QString, nombre);
    QFETCH(int, rol);
    QFETCH(QString, leido);
    QFETCH(QString, descripcion);
    QFETCH(bool, habilitado);

    QWidget* w = m_p.ventana->findChild<QWidget*>(nombre);
    QVERIFY2(w, qPrintable(nombre));
    QAccessibleInterface* i = interfaz(w);
    QVERIFY(i && i->isValid());
    QCOMPARE(int(i->role()), rol);
    QCOMPARE(i->text(QAccessible::Name), leido);
    QCOMPARE(i->text(QAccessible::Description), descripcion);
    QCOMPARE(!i->state().disabled, habilitado);
    QCOMPARE(bool(i->state().invisible), w->isHidden());
}

void PruebaAccesibilidad::cajasEtiquetadas() {
    // The relation behind the names: a reader can go from each box to its label
    // and back. The petition box's value is what the box shows.
    const std::pair<const char*, const char*> pares[] = {{"txtPeticion", "lblPeticion"},
                                                         {"txtPregunta", "lblPregunta"}};
    for (const auto& [caja, etiqueta] : pares) {
        QAccessibleInterface* iCaja = interfaz(hijo<QLineEdit>(caja));
        QAccessibleInterface* iEtiqueta = interfaz(hijo<QLabel>(etiqueta));
        const auto rotulos = iCaja->relations(QAccessible::Label);
        QCOMPARE(rotulos.size(), 1);
        QCOMPARE(rotulos.first().first->object(), hijo<QLabel>(etiqueta));
        const auto rotulados = iEtiqueta->relations(QAccessible::Labelled);
        QCOMPARE(rotulados.size(), 1);
        QCOMPARE(rotulados.first().first->object(), hijo<QLineEdit>(caja));
    }
    escribir(hijo<QLineEdit>("txtPeticion"), QStringLiteral(".no"));
    QCOMPARE(interfaz(hijo<QLineEdit>("txtPeticion"))->text(QAccessible::Value), QStringLiteral("Vel"));
}

void PruebaAccesibilidad::arbolCompleto() {
    // Walking down from the window reaches every control, each with a name,
    // and the menu bar with both menus.
    QAccessibleInterface* raiz = interfaz(m_p.ventana);
    QCOMPARE(raiz->role(), QAccessible::Window);
    QCOMPARE(raiz->text(QAccessible::Name), QStringLiteral("Auguron - Sistema Interactivo de Vagulantes"));
    QList<QAccessibleInterface*> todas;
    recorrer(raiz, todas);

    QSet<QObject*> alcanzados;
    for (QAccessibleInterface* i : todas) {
        alcanzados.insert(i->object());
    }
    const char* const nombres[] = {"lblPeticion",  "txtPeticion", "lblPregunta",      "txtPregunta",
                                   "lblRespuesta", "cmdFocus",    "cmdNuevaPregunta", "cmdSalir",
                                   "lblInfo",      "pctLogo"};
    for (const char* nombre : nombres) {
        QWidget* w = m_p.ventana->findChild<QWidget*>(QLatin1String(nombre));
        QVERIFY2(alcanzados.contains(w), nombre);
        if (w->objectName() != QStringLiteral("lblRespuesta")) { // empty until the first answer
            QVERIFY2(!interfaz(w)->text(QAccessible::Name).isEmpty(), nombre);
        }
    }
    QVERIFY(alcanzados.contains(m_p.ventana->menuBar()));
    QStringList menus;
    QAccessibleInterface* barra = interfaz(m_p.ventana->menuBar());
    for (int k = 0; k < barra->childCount(); ++k) {
        menus << barra->child(k)->text(QAccessible::Name);
    }
    QCOMPARE(menus, (QStringList{QStringLiteral("Archivo"), QStringLiteral("Ayuda")}));
}

void PruebaAccesibilidad::menus_data() {
    QTest::addColumn<QString>("accion");
    QTest::addColumn<QString>("leido");
    QTest::addColumn<QString>("atajo");

    QTest::newRow("mnuNuevaPregunta") << "mnuNuevaPregunta"
                                      << "Nueva Pregunta"
                                      << "F2";
    QTest::newRow("mnuLeerOracion") << "mnuLeerOracion"
                                    << "Leer Oración"
                                    << "F3";
    QTest::newRow("mnuVerImagen") << "mnuVerImagen"
                                  << "Ver Imagen"
                                  << "F4";
    QTest::newRow("mnuSalir") << "mnuSalir"
                              << "Salir" << QKeySequence(Qt::CTRL | Qt::Key_X).toString();
    QTest::newRow("mnuTemas") << "mnuTemas"
                              << "Temas de Ayuda"
                              << "F1";
    QTest::newRow("mnuAcerca") << "mnuAcerca"
                               << "Acerca de Auguron"
                               << "";
}

void PruebaAccesibilidad::menus() {
    // Each item as a reader finds it inside its menu: a menu item named by its
    // caption, its shortcut as the accelerator.
    QFETCH(QString, accion);
    QFETCH(QString, leido);
    QFETCH(QString, atajo);

    QAction* a = m_p.ventana->findChild<QAction*>(accion);
    QVERIFY(a);
    QMenu* menu = nullptr;
    for (QObject* o : a->associatedObjects()) {
        if ((menu = qobject_cast<QMenu*>(o)) != nullptr) {
            break;
        }
    }
    QVERIFY(menu);
    QAccessibleInterface* iMenu = interfaz(menu);
    QAccessibleInterface* item = nullptr;
    int separadores = 0;
    for (int k = 0; k < iMenu->childCount(); ++k) {
        QAccessibleInterface* c = iMenu->child(k);
        separadores += c->role() == QAccessible::Separator;
        if (c->text(QAccessible::Name) == leido) {
            item = c;
        }
    }
    QVERIFY2(item, qPrintable(leido));
    QCOMPARE(item->role(), QAccessible::MenuItem);
    QCOMPARE(item->text(QAccessible::Accelerator), atajo);
    QCOMPARE(separadores, 1);
}

void PruebaAccesibilidad::menuQueCambiaDeNombre() {
    // F4 shows the logo and renames its item; the reader reads the new caption.
    auto* ver = hijo<QAction>("mnuVerImagen");
    QAccessibleInterface* iMenu = nullptr;
    for (QObject* o : ver->associatedObjects()) {
        if (auto* m = qobject_cast<QMenu*>(o)) {
            iMenu = interfaz(m);
        }
    }
    QVERIFY(iMenu);
    const auto leidos = [iMenu] {
        QStringList r;
        for (int k = 0; k < iMenu->childCount(); ++k) {
            r << iMenu->child(k)->text(QAccessible::Name);
        }
        return r;
    };
    QVERIFY(leidos().contains(QStringLiteral("Ver Imagen")));
    QTest::keyClick(m_p.ventana, Qt::Key_F4);
    QVERIFY(leidos().contains(QStringLiteral("Ocultar Imagen")));
    QVERIFY(!leidos().contains(QStringLiteral("Ver Imagen")));
    QVERIFY(!interfaz(hijo<QLabel>("pctLogo"))->state().invisible);
}

void PruebaAccesibilidad::respuestaLeida() {
    // A hidden answer: the answer label reads the answer itself, and so does the
    // button the focus parks on after the answer, which a reader announces.
    auto* lblRespuesta = hijo<QLabel>("lblRespuesta");
    auto* cmdFocus = hijo<QPushButton>("cmdFocus");
    escribir(hijo<QLineEdit>("txtPeticion"), QStringLiteral(".sí.o, favor de responder:"));
    escribir(hijo<QLineEdit>("txtPregunta"), QStringLiteral("voy a aprobar el examen?"));

    QCOMPARE(lblRespuesta->text(), QStringLiteral("Velmo responde: Sí."));
    QCOMPARE(interfaz(lblRespuesta)->text(QAccessible::Name), QStringLiteral("Velmo responde: Sí."));
    QCOMPARE(QApplication::focusWidget(), cmdFocus);
    QCOMPARE(interfaz(cmdFocus)->text(QAccessible::Name), QStringLiteral("Velmo responde: Sí."));

    // Both boxes are read as disabled now, with what they show.
    QVERIFY(interfaz(hijo<QLineEdit>("txtPeticion"))->state().disabled);
    QVERIFY(interfaz(hijo<QLineEdit>("txtPregunta"))->state().disabled);
    QCOMPARE(interfaz(hijo<QLineEdit>("txtPregunta"))->text(QAccessible::Value),
             QStringLiteral("Voy a aprobar el examen?"));

    // A new question empties the label, and its name with it; the next answer
    // is read in turn.
    QTest::keyClick(m_p.ventana, Qt::Key_F2);
    QCOMPARE(interfaz(lblRespuesta)->text(QAccessible::Name), QString());
    escribir(hijo<QLineEdit>("txtPeticion"), QStringLiteral(".no.o, favor de responder:"));
    escribir(hijo<QLineEdit>("txtPregunta"), QStringLiteral("hay alguien ahi?"));
    QCOMPARE(interfaz(lblRespuesta)->text(QAccessible::Name), lblRespuesta->text());
    QVERIFY(lblRespuesta->text().endsWith(QStringLiteral("No.")));
    QCOMPARE(interfaz(cmdFocus)->text(QAccessible::Name), lblRespuesta->text());

    // QLabel announces a new text (NameChanged) only while it has no accessible
    // name of its own, which would also be read in place of the text.
    QVERIFY(lblRespuesta->accessibleName().isEmpty());
}

void PruebaAccesibilidad::estadoLeido() {
    // The status label reads each status message as it comes and goes.
    auto* lblInfo = hijo<QLabel>("lblInfo");
    m_p.azar->tiradas = {3000};
    m_p.ventana->velmo().tmrMensaje_Timer(); // step 1
    m_p.ventana->velmo().tmrMensaje_Timer(); // step 2
    QCOMPARE(interfaz(lblInfo)->text(QAccessible::Name), QStringLiteral("Conectando Vagulantes..."));
    m_p.ventana->velmo().tmrMensaje_Timer(); // step 3: cleared
    QCOMPARE(interfaz(lblInfo)->text(QAccessible::Name), QString());
    QVERIFY(lblInfo->accessibleName().isEmpty());
}

QTEST_MAIN(PruebaAccesibilidad)
#include "tst_accesibilidad.moc"
