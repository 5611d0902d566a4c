# Installation as a desktop program (the program, its menu entry, its icon in
# the hicolor theme, its AppStream metadata, its manual page, licence and
# changelog) and the .deb built by CPack:
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

# Debian puts games in /usr/games (and /usr/local/games), both on the default
# PATH, so the menu entry's Exec=auguron finds the program there. GNUInstallDirs
# has no games folder; for a prefix whose games folder is not on PATH (such as
# ~/.local), configure with -DAUGURON_DIR_PROGRAMA=bin.
set(AUGURON_DIR_PROGRAMA games CACHE STRING "Folder of the program, relative to the install prefix")
install(TARGETS auguron RUNTIME DESTINATION ${AUGURON_DIR_PROGRAMA})
install(FILES ${AUGURON_ESCRITORIO} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${AUGURON_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(lado IN LISTS AUGURON_ICONOS)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/auguron-${lado}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
        RENAME auguron.png)
endforeach()

# The manual page (Spanish, section 6), the licence as a machine-readable
# copyright file and the changelog. Debian keeps the page and the changelog
# compressed with gzip -9n: no name and no time stamp inside, so the same
# sources always give the same bytes. They are made when CMake configures, and
# configure_file makes CMake configure again when a source changes.
find_program(AUGURON_GZIP gzip REQUIRED)
set(AUGURON_DOCS ${CMAKE_CURRENT_BINARY_DIR}/docs-paquete)
configure_file(packaging/auguron.6.in ${AUGURON_DOCS}/auguron.6 @ONLY)
configure_file(packaging/changelog ${AUGURON_DOCS}/changelog COPYONLY)
foreach(doc auguron.6 changelog)
    execute_process(COMMAND ${AUGURON_GZIP} -9nc ${AUGURON_DOCS}/${doc}
        OUTPUT_FILE ${AUGURON_DOCS}/${doc}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${AUGURON_DOCS}/auguron.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES packaging/copyright ${AUGURON_DOCS}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/auguron)

# The .deb. Its dependencies come from dpkg-shlibdeps over the program. What Qt
# loads at run time (the X11 platform plug-in, the JPEG reader for the logo)
# ships in Debian's libqt6gui6, which that list already holds. The Wayland
# plug-in ships apart, in qt6-wayland, and is recommended rather than required:
# an X11 desktop, and a Wayland one with XWayland, run the program without it;
# a Wayland session without X, or QT_QPA_PLATFORM=wayland, needs it. apt
# installs what a package recommends unless told not to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME auguron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Umbral Soft")
set(CPACK_PACKAGE_CONTACT "Umbral Soft <paquetes@auguron.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sistema Interactivo de Vagulantes: un espíritu responde tus preguntas")
# One string: lines of the long description, each under 80 characters. Guests
# read it too: it tells that the host has a secret, not what the secret is
# (the manual page and the README, for the host, explain it).
set(CPACK_PACKAGE_DESCRIPTION "Auguron es un pequeño juego de salón en castellano: se escribe una petición\n\
al espíritu Velmo, terminada en dos puntos, y luego una pregunta, terminada\n\
en signo de interrogación, y Velmo la responde, a veces en serio y a veces\n\
en broma. Quien dirige la sesión guarda un secreto que los invitados no ven;\n\
la página del manual se lo cuenta.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Umbral Soft <paquetes@auguron.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-wayland")
include(CPack)
