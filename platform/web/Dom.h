#pragma once

// The page as the program builds it: elements made and placed from the shared
// layout, texts turned from Windows-1252, and the events of an element handed
// to C++. The glue script (pegamento.js) holds only what C++ cannot do itself:
// a JavaScript listener, and the promise a message box is waited on with.

#include "platform/Disposicion.h"

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <string_view>

namespace auguron::web {

using emscripten::val;

val documento();
val porId(std::string_view id);

// A new element appended to `padre`, with a class when one is given.
val crear(const val& padre, const char* etiqueta, const char* clase = nullptr);
void atributo(val el, const char* nombre, std::string_view valor);

// Places an element at its twips in its window's client area. The position goes
// into CSS variables, so that a phone's layout can reflow the controls instead.
void ubicar(val el, const disposicion::Rect& r);

void texto(val el, std::string_view utf8);
std::string utf8(std::string_view windows1252);

// A caption with "&" before its access key ("&Nueva Pregunta"): the letter is
// underlined and Alt with it is the element's keyboard shortcut.
void rotular(val el, std::string_view caption);
// The letter after the "&", upper case, or 0.
char teclaDeAcceso(std::string_view caption);

// The controls every window is built of, placed as the layout says and named
// by it in data-nombre (names repeat across windows; ids may not):
// a label (its trazo, alignment and colour as classes and a CSS variable), a
// button with its access key, and a read-only address box with the subject hint.
val etiqueta(const val& padre, const disposicion::Etiqueta& e);
val boton(const val& padre, const disposicion::Control& c);
val cajaCorreo(const val& padre, const char* nombre, const disposicion::Rect& r, std::string_view correo);
std::string colorCss(disposicion::Color c);

// Runs `f` for every event `tipo` of `el`, inside the browser's dispatch: `f`
// may decide about the event (preventDefault) but must not open a message box;
// what may, it hands to `encolar`. Returns a number for `olvidar`.
// `captura`: before the event reaches its target rather than after.
int escuchar(const val& el, const char* tipo, std::function<void(const val& evento)> f, bool captura = false);
// Drops a listener whose element is gone.
void olvidar(int oyente);

// Runs `accion` as soon as the page is free, after every action queued before
// it. Only queued actions may open a message box and wait for its answer:
// Asyncify then suspends the action, and the ones queued meanwhile wait.
void encolar(std::function<void()> accion);

} // namespace auguron::web
