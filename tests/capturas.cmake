# The screenshots as a test: tools/capturas.sh starts this build's program in
# its own Xvfb, drives it with xdotool through every window and fails when a
# window is missing or has the wrong size or title. The pictures go into the
# build tree (docs/capturas/ is only written when the script is run by hand).
# Skipped (exit 77) where Xvfb, xdotool or ImageMagick is missing.
add_test(NAME capturas
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/capturas.sh
        --programa $<TARGET_FILE:auguron> --salida ${CMAKE_BINARY_DIR}/capturas)
set_tests_properties(capturas PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
