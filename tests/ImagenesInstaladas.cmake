# cmake -DBUILD=<build dir> -DDESTINO=<empty dir> "-DIMAGENES=a.jpg;b.png..." -P ImagenesInstaladas.cmake
#
# Installs the program and checks that the installed executable itself carries
# every picture byte for byte: the logo, the about picture and the window icon
# in each size. A picture left out by the linker shows as an empty frame.

foreach(v BUILD DESTINO IMAGENES)
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
file(GLOB_RECURSE programa LIST_DIRECTORIES false ${DESTINO}/usr/*/auguron)
list(FILTER programa EXCLUDE REGEX "/share/")
list(LENGTH programa cuantos)
if(NOT cuantos EQUAL 1)
    message(FATAL_ERROR "no se encontró el programa instalado (hay: ${programa})")
endif()

file(READ ${programa} binario HEX)
set(faltan "")
foreach(imagen IN LISTS IMAGENES)
    file(READ ${imagen} bytes HEX)
    string(FIND "${binario}" "${bytes}" donde)
    # Two hex digits a byte: a match at an odd digit is no match.
    math(EXPR impar "${donde} % 2")
    if(donde EQUAL -1 OR impar)
        list(APPEND faltan ${imagen})
    endif()
endforeach()
if(faltan)
    list(JOIN faltan "\n  " texto)
    message(FATAL_ERROR "${programa} no lleva estas imágenes:\n  ${texto}")
endif()
list(LENGTH IMAGENES n)
message(STATUS "${programa} lleva sus ${n} imágenes")
