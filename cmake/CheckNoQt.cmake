# SPDX-License-Identifier: MIT
# Fails when the engine library links a Qt module or a source includes one.
file(READ "${LINK_FILE}" libraries)
if(libraries MATCHES "Qt")
    message(FATAL_ERROR "engine links Qt: ${libraries}")
endif()

file(GLOB sources "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(source ${sources})
    file(STRINGS "${source}" includes REGEX "^#include <Q")
    if(includes)
        message(FATAL_ERROR "${source} includes Qt: ${includes}")
    endif()
endforeach()
message(STATUS "engine is free of Qt (${libraries})")
