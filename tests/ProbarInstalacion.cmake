# cmake -DBUILD=<build dir> -DDESTINO=<empty dir> -DID=<AppStream id> -DICONOS="16;32;..."
#       "-DIMAGENES=logo.jpg;..." -P ProbarInstalacion.cmake
#
# Installs the build under DESTINO/usr and checks the result as a desktop would
# see it. desktop-file-validate and appstreamcli are used where installed.

foreach(v BUILD DESTINO ID ICONOS IMAGENES)
    if(NOT DEFINED ${v})
        message(FATAL_ERROR "falta -D${v}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${DESTINO})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${DESTINO}/usr
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install falló (${rc})")
endif()

# The folder of the program under the prefix, as the build was configured.
load_cache(${BUILD} READ_WITH_PREFIX "" AUGURON_DIR_PROGRAMA)
set(PROGRAMA ${AUGURON_DIR_PROGRAMA})

set(errores "")
set(usr ${DESTINO}/usr)
set(escritorio ${usr}/share/applications/auguron.desktop)
set(metainfo ${usr}/share/metainfo/${ID}.metainfo.xml)
set(programa ${usr}/${PROGRAMA}/auguron)

set(esperados ${programa} ${escritorio} ${metainfo} ${usr}/share/man/man6/auguron.6.gz
    ${usr}/share/doc/auguron/copyright ${usr}/share/doc/auguron/changelog.gz)
foreach(lado IN LISTS ICONOS)
    list(APPEND esperados ${usr}/share/icons/hicolor/${lado}x${lado}/apps/auguron.png)
endforeach()
foreach(f IN LISTS esperados)
    if(NOT EXISTS ${f})
        list(APPEND errores "no se instaló ${f}")
    endif()
endforeach()
if(EXISTS ${programa} AND NOT IS_DIRECTORY ${programa})
    execute_process(COMMAND test -x ${programa} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        list(APPEND errores "${programa} no es ejecutable")
    endif()
    # The installed program itself carries every picture, byte for byte (the
    # logo, the about picture, the window icon): one the linker left out
    # shows as an empty frame.
    file(READ ${programa} binario HEX)
    foreach(imagen IN LISTS IMAGENES)
        file(READ ${imagen} bytes HEX)
        string(FIND "${binario}" "${bytes}" donde)
        math(EXPR impar "${donde} % 2") # two hex digits a byte: a match at an odd one is none
        if(donde EQUAL -1 OR impar)
            list(APPEND errores "${programa} no lleva la imagen ${imagen}")
        endif()
    endforeach()
endif()

# An icon file must really have the size of the folder it sits in: a PNG keeps
# its width and height as 32-bit big-endian numbers at bytes 16 and 20.
foreach(lado IN LISTS ICONOS)
    set(icono ${usr}/share/icons/hicolor/${lado}x${lado}/apps/auguron.png)
    if(EXISTS ${icono})
        file(READ ${icono} cabecera LIMIT 24 HEX)
        string(SUBSTRING "${cabecera}" 32 8 ancho)
        string(SUBSTRING "${cabecera}" 40 8 alto)
        math(EXPR ancho "0x${ancho}")
        math(EXPR alto "0x${alto}")
        if(NOT ancho EQUAL lado OR NOT alto EQUAL lado)
            list(APPEND errores "${icono} mide ${ancho}x${alto}")
        endif()
    endif()
endforeach()

# The menu entry starts the installed program by name (so from a folder that
# Debian's PATH holds under /usr and /usr/local), with the installed icon, in
# the games menu.
if(EXISTS ${escritorio})
    file(STRINGS ${escritorio} lineas ENCODING UTF-8)
    foreach(clave Exec Icon Categories Name Comment)
        set(${clave} "")
    endforeach()
    foreach(linea IN LISTS lineas)
        if(linea MATCHES "^(Exec|Icon|Categories|Name|Comment)=(.*)$")
            set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
        endif()
    endforeach()
    if(NOT Exec STREQUAL "auguron" OR NOT EXISTS ${usr}/${PROGRAMA}/${Exec})
        list(APPEND errores "Exec=${Exec} no es el programa instalado")
    endif()
    if(NOT PROGRAMA MATCHES "^(games|bin)$")
        list(APPEND errores "el programa va a ${PROGRAMA}, fuera del PATH: Exec=${Exec} no lo encuentra")
    endif()
    if(NOT Icon STREQUAL "auguron")
        list(APPEND errores "Icon=${Icon} no es el icono instalado")
    endif()
    if(NOT Categories MATCHES "(^|;)Game;")
        list(APPEND errores "Categories=${Categories} no incluye Game")
    endif()
    if(Name STREQUAL "" OR Comment STREQUAL "")
        list(APPEND errores "faltan Name o Comment en la entrada del menú")
    endif()

    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${escritorio} RESULT_VARIABLE rc
            OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
        if(NOT rc EQUAL 0 OR NOT salida STREQUAL "")
            list(APPEND errores "desktop-file-validate: ${salida}")
        endif()
    else()
        message(STATUS "desktop-file-validate no está instalado: la entrada del menú no se valida")
    endif()
endif()

# The installed tree as AppStream sees it: the metadata, the entry it launches
# and the icon, together.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${DESTINO} RESULT_VARIABLE rc
        OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
    if(NOT rc EQUAL 0)
        list(APPEND errores "appstreamcli validate-tree: ${salida}")
    else()
        message(STATUS "${salida}")
    endif()
else()
    message(STATUS "appstreamcli no está instalado: los metadatos no se validan")
endif()

if(errores)
    list(JOIN errores "\n  " texto)
    message(FATAL_ERROR "La instalación no está bien:\n  ${texto}")
endif()
message(STATUS "Instalación completa en ${DESTINO}")
