#pragma once

// How every window of the program is laid out and what its fixed captions say,
// read by the desktop windows and by the page alike. Positions and sizes are in
// twips, the layout's unit: 15 to a pixel at 96 dpi. Texts here are UTF-8, as
// both toolkits take them; the logic's own texts (Windows-1252) stay in texts/.

#include "texts/TextosEstadisticas.h"
#include "texts/TextosPlanos.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace auguron::disposicion {

struct Rect {
    int x, y, ancho, alto;
};

constexpr int px(int twips) {
    return (twips + 7) / 15;
}

enum class Color { Negro, Blanco, Gris, GrisTexto, Azul, AzulRespuesta, Rojo };
struct Rgb {
    int r, g, b;
};
constexpr Rgb rgb(Color c) {
    switch (c) {
    case Color::Negro:
        return {0, 0, 0};
    case Color::Blanco:
        return {255, 255, 255};
    case Color::Gris:
        return {224, 224, 224}; // every window's background but help's
    case Color::GrisTexto:
        return {128, 128, 128};
    case Color::Azul:
        return {0, 0, 255};
    case Color::AzulRespuesta:
        return {0, 0, 192};
    case Color::Rojo:
        return {255, 0, 0};
    }
    return {0, 0, 0};
}

enum Trazo { Normal = 0, Negrita = 1, Subrayada = 2 };
enum class Alineacion { Izquierda, Centro, Derecha };

// A label with a fixed caption; the captions that change at run time start empty.
struct Etiqueta {
    std::string_view nombre;
    std::string_view texto;
    Rect r;
    int trazo = Normal;
    Alineacion alineacion = Alineacion::Izquierda;
    Color color = Color::Negro;
};

struct Control {
    std::string_view nombre;
    Rect r;
    std::string_view texto = {}; // a button's caption, "&" before its access key
    // The tooltip; for a picture or a button without caption, the name a
    // screen reader gives it.
    std::string_view ayuda = {};
};

// The label and box fonts: the main window's at 13.5 points, the small windows'
// at 8.25. MS Sans Serif is the font the layout is made for, where installed.
inline constexpr double kPuntosPrincipal = 13.5;
inline constexpr double kPuntosAuxiliares = 8.25;
inline constexpr std::string_view kFuente = "MS Sans Serif";

// The main window.
namespace principal {
inline constexpr std::string_view kTitulo = "Auguron - Sistema Interactivo de Vagulantes";
inline constexpr int kAncho = 11880, kAlto = 8190;
inline constexpr Color kFondo = Color::Gris;
inline constexpr Etiqueta lblPeticion{"lblPeticion", "Ingrese la petición:", {1560, 1680, 2655, 375}};
inline constexpr Etiqueta lblPregunta{"lblPregunta", "Ingrese la pregunta:", {1560, 2400, 2655, 375}};
inline constexpr Etiqueta lblRespuesta{
    "lblRespuesta", "", {1560, 3000, 8775, 1575}, Normal, Alineacion::Izquierda, Color::AzulRespuesta};
inline constexpr Etiqueta lblInfo{"lblInfo",       "", {7320, 7440, 4335, 375}, Normal, Alineacion::Izquierda,
                                  Color::GrisTexto};
inline constexpr Control txtPeticion{
    "txtPeticion", {4320, 1680, 5415, 420}, {}, "La petición debe finalizar con \":\" (dos puntos)"};
// PosPeticion, the place of the next key, counts no further than 32767: the
// petition box takes one character fewer, so that once full it still shows as
// many characters as the count says.
inline constexpr std::size_t kMaximoPeticion = 32766;
inline constexpr Control txtPregunta{
    "txtPregunta", {4320, 2400, 5415, 420}, {}, "La pregunta debe finalizar con el signo \"?\""};
// Only parks the focus for two seconds after an answer; the load moves it onto
// the top-left corner of the question box, behind it. A screen reader reads
// the answer there, or its name while there is none.
inline constexpr Control cmdFocus{"cmdFocus", {600, 6150, 285, 315}, {}, "Respuesta"};
inline constexpr Control cmdNuevaPregunta{
    "cmdNuevaPregunta", {1560, 4680, 1935, 375}, textos::kNuevaPregunta};
inline constexpr Control cmdSalir{"cmdSalir", {7800, 4680, 1935, 375}, "&Salir"};
inline constexpr Control pctLogo{"pctLogo", {10320, 1680, 1005, 1005}, {}, "Logo de Auguron"};

struct Item {
    std::string_view nombre;
    std::string_view texto; // empty: a separator
    std::string_view atajo; // as a key sequence reads: "F2", "Ctrl+X"
};
struct Menu {
    std::string_view nombre;
    std::string_view texto;    // "&" before its access key
    std::array<Item, 5> items; // unused places have no name
};
inline constexpr std::array<Menu, 2> kMenus{{
    {"mnuArchivo",
     "&Archivo",
     {{{"mnuNuevaPregunta", "Nueva Pregunta", "F2"},
       {"mnuLeerOracion", "Leer Oración", "F3"},
       {"mnuVerImagen", textos::kVerImagen, "F4"},
       {"mnuSeparador1", "", ""},
       {"mnuSalir", "Salir", "Ctrl+X"}}}},
    {"mnuAyuda",
     "A&yuda",
     {{{"mnuTemas", "Temas de Ayuda", "F1"},
       {"mnuSeparador2", "", ""},
       {"mnuAcerca", "Acerca de Auguron", ""}}}},
}};
} // namespace principal

// Who made the program and how to reach them: the about window shows all of
// it, the help window the two addresses. All of it fictional.
namespace contacto {
inline constexpr std::string_view kFabricante = "Umbral Soft - 2004 - Puerto Bruma, Chile";
inline constexpr std::string_view kDisenador = "Julián Ferrán Soto";
inline constexpr std::string_view kCorreoDisenador = "jferran@auguron.example";
inline constexpr std::string_view kCorreoContacto = "info@auguron.example";
inline constexpr std::string_view kIdeaOriginal = "Idea original: Tomás Lurán";
// The e-mail boxes' tooltip around the version: "Por favor incluya "Auguron
// 2.0.1" como asunto del mensaje".
inline constexpr std::string_view kAsuntoAntes = "Por favor incluya \"Auguron ";
inline constexpr std::string_view kAsuntoDespues = "\" como asunto del mensaje";
} // namespace contacto

// The statistics window; its five row captions are stored texts.
namespace estadisticas {
inline constexpr std::string_view kTitulo = "Estadísticas";
inline constexpr int kAncho = 4575, kAlto = 2970;
inline constexpr Color kFondo = Color::Gris;
inline constexpr Control cmdAceptar{"cmdAceptar", {2520, 2280, 1455, 375}, "&Aceptar"};
struct Fila {
    std::string_view rotulo, cuenta; // the labels' names
    std::string_view cifrado;        // the caption, enciphered
    int y;
    int anchoRotulo = 2415;
};
inline constexpr std::array<Fila, 5> kFilas{
    {{"lblTruco", "lblCantTruco", textos::RotuloTruco, 240},
     {"lblFrecuentes", "lblCantFrecuentes", textos::RotuloFrecuentes, 600},
     {"lblMalFormuladas", "lblCantMalFormuladas", textos::RotuloMalFormuladas, 960},
     {"lblOtras", "lblCantOtras", textos::RotuloOtras, 1320},
     {"lblTotal", "lblCantTotal", textos::RotuloTotal, 1920, 2175}}};
inline constexpr int kXRotulo = 720, kXCuenta = 3480, kAnchoCuenta = 375, kAltoFila = 255;
// The rule that closes the sum, from (720, 1800) to (3960, 1800).
inline constexpr Rect kLinea{720, 1800, 3960 - 720, 0};
} // namespace estadisticas

// The help window.
namespace temas {
inline constexpr std::string_view kTitulo = "Temas de Ayuda";
inline constexpr int kAncho = 6375, kAlto = 4095;
inline constexpr Color kFondo = Color::Blanco;
inline constexpr std::array<Etiqueta, 12> kEtiquetas{{
    {"Label1", "¿Cómo hacer la petición?", {240, 240, 2295, 255}, Negrita},
    {"Label2", "La petición puede hacerse escribiendo:", {240, 480, 2895, 255}},
    {"Label3",
     "Velmo, favor de responder esta pregunta:",
     {3120, 480, 3015, 255},
     Normal,
     Alineacion::Izquierda,
     Color::Azul},
    {"Label4", "o de la forma corta:", {240, 720, 1455, 255}},
    {"Label6",
     "Velmo, favor de responder:",
     {1680, 720, 1935, 255},
     Normal,
     Alineacion::Izquierda,
     Color::Azul},
    {"Label5",
     "Tener en cuenta que la petición debe finalizar con el signo \" : \"  (dos puntos), de",
     {240, 960, 5775, 255}},
    {"Label7", "lo contrario no pasará al cuadro siguiente.", {240, 1200, 5775, 255}},
    {"Label8", "¿Cómo preguntar?", {240, 1680, 2295, 255}, Negrita},
    {"Label9",
     "Velmo es capaz de responder cualquier pregunta, siempre y cuando ésta termine",
     {240, 1920, 5775, 255}},
    {"Label10", "con el signo de interrogación (  ?  ).", {240, 2160, 5895, 255}},
    {"Label11",
     "No es necesario usar signo de interrogación al principio de la pregunta.",
     {240, 2400, 5775, 255}},
    {"Label12",
     "Cualquier consulta o duda puede comunicarse con:",
     {240, 3000, 4485, 255},
     Negrita,
     Alineacion::Izquierda,
     Color::Rojo},
}};
// The sample petitions are the petition phrase, whole and short, with the colon.
static_assert(kEtiquetas[2].texto.substr(0, 39) == textos::kFrasePeticion &&
              kEtiquetas[2].texto.size() == 40);
static_assert(kEtiquetas[4].texto.substr(0, 25) == textos::kFrasePeticionCorta &&
              kEtiquetas[4].texto.size() == 26);
inline constexpr Rect kCorreo1{270, 3240, 4395, 255};
inline constexpr Rect kCorreo2{270, 3480, 4395, 255};
} // namespace temas

// The about window. Its first line names the system the program runs on.
namespace acerca {
inline constexpr std::string_view kTitulo = "Acerca de Auguron";
inline constexpr int kAncho = 5835, kAlto = 3825;
inline constexpr Color kFondo = Color::Gris;
inline constexpr std::string_view kVersionAntes = "Auguron Versión ";
inline constexpr std::string_view kVersionPara = " para ";
inline constexpr Rect kPicture1{360, 300, 1000, 1000};
// Its caption is made at run time, from the two texts above, the version and
// the system.
inline constexpr Etiqueta kLabel1{"Label1", "", {1380, 300, 4035, 255}, Negrita, Alineacion::Centro};
inline constexpr std::array<Etiqueta, 3> kEtiquetas{{
    {"Label2", "Sistema Interactivo de Vagulantes", {1380, 540, 4035, 255}, Negrita, Alineacion::Centro},
    {"Label5", "Sistema de IA - DB Universal", {1380, 840, 4035, 255}, Normal, Alineacion::Centro},
    {"Label3",
     "Incluye Módulo OUIJA y Llamadas al Averno",
     {1380, 1080, 4035, 255},
     Normal,
     Alineacion::Centro},
}};
inline constexpr Rect kFrame1{360, 1440, 5055, 1485};
// Inside the frame, placed from its corner.
inline constexpr std::array<Etiqueta, 4> kEnMarco{{
    {"Label6", contacto::kFabricante, {120, 240, 4155, 255}, Negrita},
    {"Label7", "Diseño y programación:", {120, 540, 1755, 255}, Subrayada},
    {"Label4", contacto::kDisenador, {120, 750, 1695, 255}},
    {"Label9", "Dudas, consultas, sugerencias:", {120, 1050, 2295, 255}, Subrayada},
}};
inline constexpr Rect kCorreo1{2430, 750, 2325, 285};
inline constexpr Rect kCorreo2{2430, 1050, 2355, 285};
inline constexpr Etiqueta kLabel8{"Label8", contacto::kIdeaOriginal, {360, 3180, 2175, 255}};
inline constexpr Control cmdAceptar{"cmdAceptar", {3960, 3090, 1455, 375}, "&Cerrar"};
} // namespace acerca

} // namespace auguron::disposicion
