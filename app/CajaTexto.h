#pragma once

// The petition and question boxes. Text enters only as typed characters, one
// at a time, each through the key handler of the logic, which may replace it;
// the box then applies the (possibly replaced) code at its end. Nothing else
// edits the text: no paste, cut, drop, undo, selection or caret movement.

#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

namespace auguron {

class CajaTexto : public QLineEdit {
    Q_OBJECT

public:
    explicit CajaTexto(QWidget* parent = nullptr);

    // The key handler: the Windows-1252 code by reference, and the box's text
    // before the key.
    std::function<void(int& k, const std::string& texto)> alTeclear;

    // The text as the logic sees it, in Windows-1252, kept beside the
    // widget's so that a key costs no conversion of the whole text.
    const std::string& textoAnsi() const { return m_texto; }

    // Feeds one character code through the handler and applies it to the box,
    // as a key press does.
    void teclear(int codigo);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    bool esAtajoDeVentana(const QKeyEvent* e) const;
    void teclearCodigos(const std::vector<int>& codigos);
    void alFinal();

    std::string m_texto;
    bool m_tecleando = false;
};

} // namespace auguron
