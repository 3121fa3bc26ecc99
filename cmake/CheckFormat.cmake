# SPDX-License-Identifier: MIT
# Fails when a source file differs from what clang-format would make of it.
file(GLOB_RECURSE sources "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h"
    "${ROOT}/tests/*.cpp")
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
    WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format finds unformatted code; run clang-format -i on it")
endif()
