#include "app/CajaTexto.h"

#include "answer/CapturaPeticion.h"
#include "platform/qt/Ansi1252.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <string>
#include <vector>

namespace auguron {

CajaTexto::CajaTexto(QWidget* parent)
    : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    // Text set from outside (the reset empties the boxes) is taken in as it comes.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_tecleando) {
            m_texto = ansi1252::deQString(t);
        }
    });
}

bool CajaTexto::esAtajoDeVentana(const QKeyEvent* e) const {
    const QKeySequence tecla(e->keyCombination());
    const QList<QAction*> acciones = window()->findChildren<QAction*>();
    for (const QAction* a : acciones) {
        for (const QKeySequence& atajo : a->shortcuts()) {
            if (atajo.matches(tecla) == QKeySequence::ExactMatch) {
                return true;
            }
        }
    }
    return false;
}

namespace {

// The Windows-1252 character codes a key press gives the handler, which
// works on codes alone: Backspace 8, Enter 13, Escape 27, Ctrl with a letter
// (or @ [ \ ] ^ _) its control code, otherwise the typed text. Delete, Tab and
// characters the code page cannot hold give nothing.
std::vector<int> codigosDeTecla(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Backspace:
        return {8};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {13};
    case Qt::Key_Escape:
        return {27};
    case Qt::Key_Delete: // some systems give it the text 127
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {};
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    if (ctrl && !alt) {
        if (e->key() >= Qt::Key_At && e->key() <= Qt::Key_Underscore) {
            return {e->key() - Qt::Key_At};
        }
        return {};
    }
    // Alt alone is for access keys; Ctrl+Alt is AltGr on some systems and types.
    if ((alt && !ctrl) || (mods & Qt::MetaModifier)) {
        return {};
    }
    return ansi1252::codigosTecleados(e->text());
}

} // namespace

bool CajaTexto::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        // The window's own shortcuts win (Ctrl+X leaves even from a box); every
        // other key that gives a character comes to keyPressEvent, where the
        // line edit's own editing shortcuts never run.
        if (!esAtajoDeVentana(k) && !codigosDeTecla(k).empty()) {
            k->accept();
        } else {
            k->ignore();
        }
        return true;
    }
    return QLineEdit::event(e);
}

void CajaTexto::keyPressEvent(QKeyEvent* e) {
    const std::vector<int> codigos = codigosDeTecla(e);
    if (codigos.empty()) {
        // Arrows, Home, Delete, Shift+Insert, function keys, characters outside
        // the code page: nothing here edits or moves the caret.
        e->ignore();
        return;
    }
    e->accept();
    teclearCodigos(codigos);
}

void CajaTexto::inputMethodEvent(QInputMethodEvent* e) {
    // Only committed text counts, character by character; the preedit is not
    // shown, so nothing half-composed ever sits in the box.
    teclearCodigos(ansi1252::codigosTecleados(e->commitString()));
    e->accept();
}

void CajaTexto::teclearCodigos(const std::vector<int>& codigos) {
    // An input method or an on-screen keyboard may commit several characters
    // at once. Once one of them has answered the question (the box is then
    // disabled), the rest must not submit it again.
    QPointer<CajaTexto> yo(this);
    for (const int codigo : codigos) {
        teclear(codigo);
        if (!yo || !isEnabled()) {
            return;
        }
    }
}

void CajaTexto::teclear(int codigo) {
    QPointer<CajaTexto> yo(this);
    int k = codigo;
    if (alTeclear) {
        alTeclear(k, std::string(m_texto));
    }
    if (!yo) {
        return;
    }
    // Applied even if the handler has just disabled the box: the "?" that
    // submits a question is still shown.
    aplicarTecla(m_texto, k);
    // A full box takes no more (each Windows-1252 code is one character).
    if (static_cast<int>(m_texto.size()) > maxLength()) {
        m_texto.resize(static_cast<std::size_t>(maxLength()));
    }
    m_tecleando = true;
    setText(ansi1252::aQString(m_texto));
    m_tecleando = false;
    alFinal();
}

void CajaTexto::alFinal() {
    deselect();
    end(false);
}

void CajaTexto::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    alFinal(); // no select-all on Tab
}

void CajaTexto::mousePressEvent(QMouseEvent* e) {
    // A click only gives the focus: no caret move, no selection, no
    // middle-button paste.
    if (e->button() == Qt::LeftButton && focusPolicy() & Qt::ClickFocus) {
        setFocus(Qt::MouseFocusReason);
    }
    e->accept();
}

void CajaTexto::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void CajaTexto::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
}

void CajaTexto::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
}

void CajaTexto::dragEnterEvent(QDragEnterEvent* e) {
    e->ignore();
}

void CajaTexto::dropEvent(QDropEvent* e) {
    e->ignore();
}

} // namespace auguron
