# Installation as a desktop program (the program, its menu entry, its icon in
# the hicolor theme, its AppStream metadata) and the .deb built by CPack:
#
#   cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=Release -DAUGURON_TESTS=OFF
#   cmake --build build/deb --target auguron
#   (cd build/deb && cpack -G DEB)      # -> build/deb/auguron_<version>_amd64.deb

include(GNUInstallDirs)

set(AUGURON_ID_APPSTREAM org.example.auguron)
# The metadata carries the project's version.
set(AUGURON_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${AUGURON_ID_APPSTREAM}.metainfo.xml)
configure_file(packaging/${AUGURON_ID_APPSTREAM}.metainfo.xml.in ${AUGURON_METAINFO} @ONLY)
set(AUGURON_ESCRITORIO ${CMAKE_CURRENT_SOURCE_DIR}/packaging/auguron.desktop)
set(AUGURON_ICONOS 16 32 48 64 128 256)

install(TARGETS auguron RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${AUGURON_ESCRITORIO} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${AUGURON_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(lado IN LISTS AUGURON_ICONOS)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/auguron-${lado}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
        RENAME auguron.png)
endforeach()

# The .deb. Its dependencies come from dpkg-shlibdeps over the program. What Qt
# loads at run time (the X11 platform plug-in, the JPEG reader for the logo)
# ships in Debian's libqt6gui6, which that list already holds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME auguron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Umbral Soft")
set(CPACK_PACKAGE_CONTACT "Umbral Soft <paquetes@auguron.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sistema Interactivo de Vagulantes: un espíritu responde tus preguntas")
# One string: lines of the long description, each under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Auguron es un pequeño juego de escritorio en castellano: se escribe una\n\
petición al espíritu Velmo, terminada en dos puntos, y luego una pregunta,\n\
terminada en signo de interrogación, y Velmo la responde. Quien dirige la\n\
sesión puede escribir en secreto la respuesta mientras el cuadro de la\n\
petición muestra la frase de siempre.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Umbral Soft <paquetes@auguron.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://auguron.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)
