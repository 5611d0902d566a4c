# Builds each wrong-way include and checks that it fails for want of the header,
# not for some other reason.
#   cmake -DBUILD=<build dir> "-DPARES=target=header;..." -P CapasHaciaAbajo.cmake
foreach(par IN LISTS PARES)
    string(REPLACE "=" ";" par "${par}")
    list(GET par 0 destino)
    list(GET par 1 cabecera)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${destino}
        RESULT_VARIABLE rc OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
    if(rc EQUAL 0)
        message(FATAL_ERROR "${destino}: an include in the wrong direction compiled")
    endif()
    # GCC and clang say it in their own words.
    string(FIND "${salida}" "${cabecera}: No such file" gcc)
    string(FIND "${salida}" "'${cabecera}' file not found" clang)
    if(gcc EQUAL -1 AND clang EQUAL -1)
        message(FATAL_ERROR "${destino} failed, but not for want of ${cabecera}:\n${salida}")
    endif()
endforeach()
message(STATUS "every wrong-way include fails to compile")
