#!/usr/bin/env bash
# Starts the real program in an X server of its own (Xvfb, no window manager),
# plays one session with xdotool and saves a PNG of every window on the way: the
# prayer box, the welcome box, the main window, a petition that hides the answer,
# its reveal, a frequent-topic reply, the statistics, help and about windows; and
# an animated GIF of the hidden answer being typed, key by key. Each window's
# title and size is checked; the script fails if one is wrong or missing, or if
# an unexpected window shows up.
#
#   tools/capturas.sh [--programa PROGRAM] [--salida DIR]
#
# Without --programa the Release program is built in build/programa (workflow
# preset "screenshots", the same build as tools/ejecutar.sh); without --salida
# the pictures go to docs/capturas/.
# Exit status: 0 all as it should be; 1 something is not; 77 a tool is missing
# (Xvfb, xdotool, xwininfo, xmodmap, ImageMagick), so nothing could be checked.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
programa=""
salida="$raiz/docs/capturas"
while (($#)); do
    case "$1" in
    --programa) programa=$2; shift 2 ;;
    --salida) salida=$2; shift 2 ;;
    *) echo "uso: $0 [--programa PROGRAMA] [--salida CARPETA]" >&2; exit 2 ;;
    esac
done

bash "$raiz/tools/preparar.sh" capturas
faltan=()
for h in Xvfb xdotool xwininfo xprop xmodmap import identify; do
    command -v "$h" >/dev/null || faltan+=("$h")
done
if ((${#faltan[@]})); then
    echo "capturas: no se prueba, faltan ${faltan[*]} (paquetes xvfb xdotool x11-utils x11-xserver-utils imagemagick)"
    exit 77
fi
# ImageMagick's convert under any of its names (IM7: magick; Debian: convert-im6.q16).
convertir=""
for c in magick convert-im6.q16 convert-im7.q16 convert; do
    if command -v "$c" >/dev/null && "$c" -version 2>/dev/null | grep -q ImageMagick; then
        convertir=$(command -v "$c")
        break
    fi
done

if [[ -z $programa ]]; then
    (cd "$raiz" && CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)} \
        cmake --workflow --preset screenshots)
    programa="$raiz/build/programa/auguron"
fi
mkdir -p "$salida"
tmp=$(mktemp -d)
pid_x=""
pid_prog=""
terminar() {
    [[ -n $pid_prog ]] && kill "$pid_prog" 2>/dev/null
    [[ -n $pid_x ]] && kill "$pid_x" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap terminar EXIT

errores=0
falla() {
    echo "FALLA: $*" >&2
    errores=$((errores + 1))
}
nota() { echo "capturas: $*"; }

# --- the X server -----------------------------------------------------------
# -noreset keeps the keymap when the last client leaves; -displayfd picks a free
# display, so several runs (and other servers) can live side by side.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$tmp/pantalla" 2>"$tmp/xvfb.log" &
pid_x=$!
for _ in $(seq 100); do
    [[ -s $tmp/pantalla ]] && break
    sleep 0.1
done
if [[ ! -s $tmp/pantalla ]]; then
    cat "$tmp/xvfb.log" >&2
    echo "capturas: Xvfb no arrancó" >&2
    exit 1
fi
DISPLAY=":$(head -n1 "$tmp/pantalla")"
export DISPLAY
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$tmp/xdg"
# On X11, Qt's accessibility bridge and the global-menu check ask for the
# session bus. With no bus address libdbus falls back to X11 autolaunch, which
# fails without dbus-launch and loses its read buffer (LeakSanitizer reports
# it). A desktop always has a bus; here we say there is none.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
mkdir -m 700 "$XDG_RUNTIME_DIR"
# xdotool types a letter missing from the keymap by remapping a key for it, a
# race with the program; the accented letters get keys of their own at once.
xmodmap -e 'keycode any = iacute Iacute' -e 'keycode any = aacute Aacute' \
    -e 'keycode any = eacute Eacute' -e 'keycode any = oacute Oacute' \
    -e 'keycode any = uacute Uacute' -e 'keycode any = ntilde Ntilde'
# The pointer away from every window: a tooltip must not cover the pictures.
xdotool mousemove 1023 767

"$programa" >"$tmp/programa.log" 2>&1 &
pid_prog=$!

# --- helpers ----------------------------------------------------------------
# The id of the program's visible window titled exactly $1, waiting up to 20 s.
# Titles are compared here, not in xdotool's regular expression, which does not
# match accented letters.
ventana() {
    local id
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --pid "$pid_prog" --name '.*' 2>/dev/null || true); do
            if [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]]; then
                echo "$id"
                return 0
            fi
        done
        kill -0 "$pid_prog" 2>/dev/null || break
        sleep 0.1
    done
    return 1
}
# Titles of all visible windows of the program, one a line.
titulos() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pid_prog" --name '.*' 2>/dev/null || true); do
        xdotool getwindowname "$id"
    done | sort
}
# "X Y W H" of a window.
geometria() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}'
}
enfocar() {
    timeout 10 xdotool windowfocus --sync "$1" || falla "no se pudo dar el foco a la ventana $1"
}
# Saves the screen area of window $1 (whatever is on top there) as $2; with
# "x y w h" after it, only that part of the window.
capturar() {
    local id=$1 archivo=$2 x y w h
    read -r x y w h < <(geometria "$id")
    if (($# == 6)); then
        x=$((x + $3)) y=$((y + $4)) w=$5 h=$6
    fi
    # No date or time chunks: the same picture gives the same file.
    import -window root -crop "${w}x${h}+${x}+${y}" +repage -strip \
        -define png:exclude-chunks=date,time "$archivo"
}
# Measures a part of window $1 (x y w h) with the ImageMagick format $6.
medir() {
    local x y
    read -r x y _ _ < <(geometria "$1")
    import -window root -crop "${4}x${5}+$((x + $2))+$((y + $3))" +repage -format "$6" info:-
}
# "r,g,b" (0 to 255) of the pixel of window $1 at $2,$3.
pixel() {
    medir "$1" "$2" "$3" 1 1 '%[fx:round(255*p{0,0}.r)],%[fx:round(255*p{0,0}.g)],%[fx:round(255*p{0,0}.b)]'
}
# Number of colours in a part of window $1 (x y w h): 1 means nothing drawn there.
colores() { medir "$@" '%k'; }
# The darkest grey level (0 to 255) in a part of window $1 (x y w h).
tinta() {
    local x y
    read -r x y _ _ < <(geometria "$1")
    import -window root -crop "${4}x${5}+$((x + $2))+$((y + $3))" +repage -colorspace Gray \
        -format '%[fx:round(255*minima)]' info:-
}
# Runs "$@" every 0.1 s until it succeeds, for up to 10 s.
hasta() {
    local fin=$((SECONDS + 10))
    while ((SECONDS <= fin)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
# Checks the title and size of window $1 ("titulo" w h), saves it as $4.
comprobar_ventana() {
    local titulo=$1 ancho=$2 alto=$3 archivo=$4 id x y w h
    if ! id=$(ventana "$titulo"); then
        falla "no apareció la ventana «$titulo» (visibles: $(titulos | paste -sd '|'))"
        return 1
    fi
    read -r x y w h < <(geometria "$id")
    if [[ $ancho != - ]] && ((w != ancho || h != alto)); then
        falla "«$titulo» mide ${w}x${h}, debe medir ${ancho}x${alto}"
    fi
    capturar "$id" "$salida/$archivo"
    nota "$archivo: «$titulo» ${w}x${h}"
}
# Fails if the program shows any window other than those named.
solo_estas() {
    local otras
    otras=$(titulos | grep -vxF -f <(printf '%s\n' "$@") || true)
    [[ -z $otras ]] || falla "ventanas inesperadas: $(paste -sd '|' <<<"$otras")"
}

principal="Auguron - Sistema Interactivo de Vagulantes"
gris="224,224,224"
# The main window's client area is 792 x 546 below the menu bar; in it, in
# pixels: the petition box at 288,112 and the question box at 288,160 (361 x 28),
# the answer label at 104,200 (585 x 105).
ancho_cliente=792
alto_cliente=546
barra=0 # menu bar height, measured below

# A box's background is read at its right end, which the texts typed here never
# reach; its ink inside its frame. An enabled box has the petition box's
# background (the system window colour) and, with text, black ink; a disabled
# one shows its text in grey.
fondo_peticion() { pixel "$idp" 640 $((barra + 112 + 4)); }
fondo_pregunta() { pixel "$idp" 640 $((barra + 160 + 4)); }
tinta_peticion() { tinta "$idp" 292 $((barra + 112 + 4)) 353 20; }
tinta_pregunta() { tinta "$idp" 292 $((barra + 160 + 4)) 353 20; }
pregunta_habilitada() { [[ $(fondo_pregunta) == "$(fondo_peticion)" ]]; }
respuesta_escrita() { (($(colores "$idp" 104 $((barra + 200)) 585 105) > 1)); }
respuesta_vacia() { (($(colores "$idp" 104 $((barra + 200)) 585 105) == 1)); }
# The answer label's ink is blue: the area it covers is bluer than it is red
# (grey and black add as much of both).
respuesta_azul() {
    local d
    d=$(medir "$idp" 104 $((barra + 200)) 585 105 '%[fx:mean.b-mean.r]')
    awk -v d="$d" 'BEGIN { exit !(d > 0.001) }'
}
# After an answer both boxes are disabled: their text is grey, none is black.
# The focus frame on "Nueva Pregunta": its top edge differs from that of "Salir".
foco_en_nueva() { [[ $(pixel "$idp" 168 $((barra + 312))) != "$(pixel "$idp" 584 $((barra + 312)))" ]]; }
logo_visible() { (($(colores "$idp" 690 $((barra + 114)) 63 63) > 50)); }
cajas_bloqueadas() { (($(tinta_peticion) > 120 && $(tinta_pregunta) > 120)); }
ventana_cerrada() { [[ $(cuantas "$1") == 0 ]]; }
cuantas() {
    titulos | grep -cxF "$1" || true
}

# --- the session --------------------------------------------------------------
# The prayer box, then the welcome box; Enter presses their default button (OK).
if comprobar_ventana "Oración" - - 01-oracion.png; then
    solo_estas "Oración"
    enfocar "$(ventana "Oración")"
    xdotool key Return
fi
if comprobar_ventana "Buscando vagulantes..." - - 02-bienvenida.png; then
    enfocar "$(ventana "Buscando vagulantes...")"
    xdotool key Return
fi

if ! idp=$(ventana "$principal"); then
    falla "no apareció la ventana principal (visibles: $(titulos | paste -sd '|'))"
    echo "capturas: $errores fallas" >&2
    exit 1
fi
solo_estas "$principal"
enfocar "$idp"
read -r _ _ w h < <(geometria "$idp")
barra=$((h - alto_cliente))
# The client area: 792 pixels wide, and exactly its 546 bottom rows in the
# window's grey (the left margin holds no control), with the menu bar above.
((w == ancho_cliente)) || falla "la ventana principal mide $w de ancho, debe medir $ancho_cliente"
if ((barra < 10 || barra > 60)); then
    falla "la ventana principal mide $h de alto: no son $alto_cliente más una barra de menús"
else
    [[ $(colores "$idp" 2 "$barra" 1 "$alto_cliente") == 1 && $(pixel "$idp" 2 "$barra") == "$gris" ]] ||
        falla "el área de la ventana principal bajo los menús no es gris de $alto_cliente filas"
    [[ $(pixel "$idp" 2 $((barra - 1))) != "$gris" ]] ||
        falla "el gris de la ventana principal empieza por encima de la barra de menús"
fi
# The window carries the program's icon, for the window manager to show.
[[ $(xprop -id "$idp" _NET_WM_ICON 2>/dev/null) == *"Icon ("* ]] || falla "la ventana principal no tiene icono"
[[ $(fondo_pregunta) == "$gris" ]] || falla "el cuadro de la pregunta no empieza gris"
pregunta_habilitada && falla "el cuadro de la pregunta no empieza deshabilitado"
capturar "$idp" "$salida/03-ventana-principal.png"
nota "03-ventana-principal.png: «$principal» ${w}x${h} (menús $barra + área $alto_cliente)"

# The petition with a hidden answer, one key at a time: a full stop opens the
# capture, "sí" is kept hidden while the box spells "Vel", a second full stop
# closes it, and the rest of the short petition is typed as it stands. Every
# key is also a frame of the GIF, captioned with the key and the hidden text.
cuadros="$tmp/cuadros"
mkdir -p "$cuadros"
n=0
cuadro() { # caption
    n=$((n + 1))
    capturar "$idp" "$cuadros/$(printf %03d $n).png" 96 $((barra + 100)) 576 156
    printf '%s\n' "$1" >"$cuadros/$(printf %03d $n).txt"
}
nombre_tecla() {
    case "$1" in
    ' ') echo "espacio" ;;
    .) echo "punto" ;;
    ,) echo "coma" ;;
    :) echo "dos puntos" ;;
    *) echo "$1" ;;
    esac
}
cuadro "El cuadro de la petición, vacío"
peticion=".sí.o, favor de responder:"
oculta="" puntos=0
for ((i = 0; i < ${#peticion}; i++)); do
    tecla=${peticion:i:1}
    xdotool type --delay 0 -- "$tecla"
    if [[ $tecla == . ]]; then
        puntos=$((puntos + 1))
        if ((puntos == 1)); then
            texto="Tecla: punto · empieza la respuesta oculta"
        else
            texto="Tecla: punto · se cierra la respuesta oculta: «$oculta»"
        fi
    elif [[ $tecla == : ]]; then
        texto="Tecla: dos puntos · se habilita la pregunta"
    elif ((puntos == 1)); then
        oculta+=$tecla
        texto="Tecla: $(nombre_tecla "$tecla") · respuesta oculta: «$oculta»"
    else
        texto="Tecla: $(nombre_tecla "$tecla") · se ve tal cual"
    fi
    sleep 0.2 # the key's effect reaches the screen; only the frame waits on it
    cuadro "$texto"
done
hasta pregunta_habilitada || falla "«:» no habilitó el cuadro de la pregunta"
(($(tinta_peticion) < 100)) || falla "la petición no se ve escrita en negro"
capturar "$idp" "$salida/04-peticion.png"
nota "04-peticion.png: petición con respuesta oculta"

xdotool type --delay 20 -- "voy a aprobar el examen"
sleep 0.2
cuadro "La pregunta, todavía sin «?»"
xdotool type -- "?"
if hasta respuesta_escrita; then
    sleep 0.2
    cuadro "Con «?» Velmo responde lo que se escribió en secreto"
    respuesta_azul || falla "la respuesta no está escrita en azul"
    hasta cajas_bloqueadas || falla "los cuadros siguen habilitados tras la respuesta"
    capturar "$idp" "$salida/05-respuesta-oculta.png"
    nota "05-respuesta-oculta.png: la respuesta oculta revelada"
else
    falla "«?» no mostró ninguna respuesta"
fi
solo_estas "$principal"

# Each frame gets its caption below it; the first and the last stay longer.
if [[ -n $convertir ]]; then
    fuente=$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)
    argumentos=()
    for f in "$cuadros"/*.png; do
        "$convertir" "$f" -background '#f6f6f6' -gravity south -splice 0x30 \
            ${fuente:+-font "$fuente"} -pointsize 15 -fill black \
            -annotate +0+7 "$(cat "${f%.png}.txt")" "${f%.png}-r.png"
        argumentos+=("${f%.png}-r.png")
    done
    "$convertir" -delay 150 "${argumentos[0]}" -delay 55 "${argumentos[@]:1:${#argumentos[@]}-2}" \
        -delay 400 "${argumentos[-1]}" -loop 0 -layers Optimize "$salida/peticion-oculta.gif"
    nota "peticion-oculta.gif: $n cuadros"
else
    nota "sin convert de ImageMagick no se arma peticion-oculta.gif"
fi

# Two seconds after an answer the focus reaches "Nueva Pregunta"; a new question
# started before then would lose its petition keys to that move. F2 clears the
# window; then a frequent topic.
hasta foco_en_nueva || falla "el foco no pasó a «Nueva Pregunta» tras la respuesta"
xdotool key F2
hasta respuesta_vacia || falla "F2 no borró la respuesta"
pregunta_habilitada && falla "F2 no deshabilitó el cuadro de la pregunta"
xdotool type --delay 20 -- "Velmo, favor de responder:"
hasta pregunta_habilitada || falla "«:» no habilitó el cuadro de la pregunta"
xdotool type --delay 20 -- "cual es mi numero de la suerte?"
if hasta respuesta_escrita; then
    sleep 0.2
    respuesta_azul || falla "la respuesta no está escrita en azul"
    hasta cajas_bloqueadas || falla "los cuadros siguen habilitados tras la respuesta"
    # F4 shows the logo, 65 x 65 pixels in its sunken frame at 688,112.
    xdotool key F4
    hasta logo_visible || falla "F4 no mostró el logo"
    capturar "$idp" "$salida/06-tema-frecuente.png"
    nota "06-tema-frecuente.png: respuesta de un tema frecuente, con el logo"
else
    falla "la pregunta frecuente no tuvo respuesta"
fi
solo_estas "$principal"

# The statistics command opens the statistics window; its button closes it.
hasta foco_en_nueva || falla "el foco no pasó a «Nueva Pregunta» tras la respuesta"
xdotool key F2
hasta respuesta_vacia || falla "F2 no borró la respuesta"
xdotool type --delay 20 -- "Velmo, favor de responder:"
hasta pregunta_habilitada || falla "«:» no habilitó el cuadro de la pregunta"
xdotool type --delay 20 -- "estadisticas?"
if comprobar_ventana "Estadísticas" 305 198 07-estadisticas.png; then
    solo_estas "$principal" "Estadísticas"
    enfocar "$(ventana "Estadísticas")"
    xdotool key Return
    hasta ventana_cerrada "Estadísticas" || falla "«Aceptar» no cerró la ventana de estadísticas"
fi

# Help with F1; a second F1 brings the same window forward, no second one.
enfocar "$idp"
xdotool key F1
if comprobar_ventana "Temas de Ayuda" 425 273 08-ayuda.png; then
    enfocar "$idp"
    xdotool key F1
    sleep 0.3
    [[ $(cuantas "Temas de Ayuda") == 1 ]] || falla "un segundo F1 abrió otra ventana de ayuda"
fi

# About, from the Ayuda menu: the menu bar is opened on its first menu with a
# click, Right moves to Ayuda, Up wraps round to its last item.
enfocar "$idp"
xdotool mousemove --window "$idp" 12 $((barra / 2)) click 1
sleep 0.3
xdotool key Right
sleep 0.2
xdotool key Up
sleep 0.3
capturar "$idp" "$salida/09-menu-ayuda.png" 0 0 320 120
nota "09-menu-ayuda.png: el menú Ayuda"
xdotool key Return
xdotool mousemove 1023 767
comprobar_ventana "Acerca de Auguron" 389 255 10-acerca.png || true
solo_estas "$principal" "Temas de Ayuda" "Acerca de Auguron"

# The button Salir (Alt+S) closes every window and so ends the program.
enfocar "$idp"
xdotool key alt+s
for _ in $(seq 100); do
    kill -0 "$pid_prog" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid_prog" 2>/dev/null; then
    falla "«Salir» no terminó el programa (visibles: $(titulos | paste -sd '|'))"
else
    set +e
    wait "$pid_prog"
    estado=$?
    set -e
    pid_prog=""
    ((estado == 0)) || falla "el programa terminó con estado $estado"
fi

if [[ -s $tmp/programa.log ]]; then
    echo "--- lo que escribió el programa:" >&2
    cat "$tmp/programa.log" >&2
fi
if ((errores)); then
    echo "capturas: $errores fallas; las imágenes quedan en $salida" >&2
    exit 1
fi
nota "todo en orden; imágenes en $salida"
