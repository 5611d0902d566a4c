#pragma once

// The page as the program builds it: windows written as markup from the
// shared layout and put in the page in one go, texts turned from Windows-1252,
// and the events of an element handed to C++. The glue script (pegamento.js)
// holds only what C++ cannot do itself: a JavaScript listener, and the promise
// a message box is waited on with.

#include "platform/Disposicion.h"

#include <emscripten/val.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace auguron::web {

using emscripten::val;

val documento();
val porId(std::string_view id);
// The element of `ventana` that the layout names `nombre` (names repeat
// across windows; ids may not, so they go into data-nombre).
val porNombre(const val& ventana, std::string_view nombre);

void atributo(val el, const char* nombre, std::string_view valor);
void texto(val el, std::string_view utf8);
std::string utf8(std::string_view windows1252);

// Markup written in C++ and put in the page in one call: a window is many
// small elements, and a call to the browser for each costs more than the
// browser's parsing of them all.
class Html {
public:
    // An attribute with an empty value is left out; a true/false one is
    // written with its own name as value (hidden="hidden").
    using Atributos = std::initializer_list<std::pair<const char*, std::string_view>>;
    Html& abrir(const char* etiqueta, Atributos atributos = {});
    Html& cerrar(const char* etiqueta);
    // An element with only text in it; and one with nothing (img, input, hr).
    Html& elemento(const char* etiqueta, Atributos atributos, std::string_view texto);
    Html& vacio(const char* etiqueta, Atributos atributos);
    Html& texto(std::string_view utf8);
    // A caption with "&" before its access key ("&Nueva Pregunta"): the letter
    // is underlined.
    Html& rotulo(std::string_view caption);
    Html& agregar(const Html& otro);
    // Inserts it all at the end of `padre`.
    void poner(const val& padre) const;

private:
    void atributos(Atributos lista);
    std::string m_html;
};

// A control's place in its window's client area, in pixels from the layout's
// twips, as the style attribute's CSS variables: so that a phone's layout can
// reflow the controls instead.
std::string lugar(const disposicion::Rect& r);
std::string colorCss(disposicion::Color c);
// "Alt+N" for "&Nueva Pregunta"; empty without an access key.
std::string atajoDeAcceso(std::string_view caption);
char teclaDeAcceso(std::string_view caption);

// The controls every window is built of, placed and named as the layout says:
// a label (its weight, underline, alignment and colour), a button with its
// access key, and a read-only address box with the subject hint as tooltip.
void etiqueta(Html& h, const disposicion::Etiqueta& e, std::string_view id = {});
void boton(Html& h, const disposicion::Control& c, std::string_view id = {});
void cajaCorreo(Html& h, const char* nombre, const disposicion::Rect& r, std::string_view correo);

// Where the font at hand is wider than the one the layout is made for, the
// narrowing (1 or less) that lets the text of `el`, or each of `textos` in
// its font, fit its width; `estrechar` applies it to the text, keeping its
// height. Measured on a shown window.
double estrechamiento(const val& el, const std::vector<std::string>& textos = {});
void estrechar(val el, double factor);

// Runs `f` for every event `tipo` of `el`, inside the browser's dispatch: `f`
// may decide about the event (preventDefault) but must not open a message box;
// what may, it hands to `encolar`. `captura`: before the event reaches its
// target rather than after. Returns a number for `olvidar`.
int escuchar(const val& el, const char* tipo, std::function<void(const val& evento)> f, bool captura = false);
// Drops a listener whose element is gone.
void olvidar(int oyente);

// Runs `accion` as soon as the page is free, after every action queued before
// it. Only queued actions may open a message box and wait for its answer:
// Asyncify then suspends the action, and the ones queued meanwhile wait.
void encolar(std::function<void()> accion);
// Whether a queued action is running now (not waiting in a box). What it
// changes reaches the screen when it ends or starts waiting: `alDetenerse`
// then runs (the platform's timers count from that moment).
bool enAccion();
void alDetenerse(std::function<void()> f);
// A message box pauses the running action while it waits, and resumes it.
void detenerAccion();
void reanudarAccion();

} // namespace auguron::web
