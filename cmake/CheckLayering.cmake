# SPDX-License-Identifier: MIT
# Fails when a source includes a header from a layer above its own, names a
# header without its folder, or lies in no layer at all. Lower layers come
# first; a folder may use its own layer and every one before it. main.cpp,
# alone at the top of src/, may use them all; the form runtime (ui/) uses no
# engine/ either. Fails too where the platform interfaces and the files of
# one system leave the rule that src/platform/CMakeLists.txt states, as far
# as a machine can tell.
set(layers base engine settings platform ui forms/common forms/main forms/about forms/live app)

# Sets `result` to the rank of the layer `path` lies in, or to -1.
function(layer_of path result)
    set(rank 0)
    foreach(layer ${layers})
        if(path MATCHES "^${layer}/")
            set(${result} ${rank} PARENT_SCOPE)
            return()
        endif()
        math(EXPR rank "${rank} + 1")
    endforeach()
    set(${result} -1 PARENT_SCOPE)
endfunction()

set(failures "")
list(LENGTH layers top)
string(JOIN ", " layer_names ${layers})
file(GLOB_RECURSE sources RELATIVE "${ROOT}/src" "${ROOT}/src/*.h" "${ROOT}/src/*.cpp")
foreach(source ${sources})
    layer_of("${source}" own)
    if(source STREQUAL "main.cpp")
        set(own ${top})
    elseif(own EQUAL -1)
        list(APPEND failures "src/${source}: lies in no layer (${layer_names})")
        continue()
    endif()
    file(STRINGS "${ROOT}/src/${source}" includes REGEX "^#include \"")
    foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT header MATCHES "/" AND NOT EXISTS "${ROOT}/src/${header}")
            list(APPEND failures "src/${source}: \"${header}\" does not name its folder")
            continue()
        endif()
        layer_of("${header}" used)
        if(used GREATER own)
            list(APPEND failures "src/${source}: includes \"${header}\" from a higher layer")
        endif()
        # The form runtime knows nothing of the uptime arithmetic; the forms
        # bring the two together.
        if(source MATCHES "^ui/" AND header MATCHES "^engine/")
            list(APPEND failures "src/${source}: the form runtime includes \"${header}\"")
        endif()
    endforeach()
endforeach()

# Every platform interface: the window as QWidget &; and an abstract class
# with its constructor protected, not copied unless a QObject forbids it.
file(GLOB interfaces RELATIVE "${ROOT}/src" "${ROOT}/src/platform/*.h")
foreach(header ${interfaces})
    file(READ "${ROOT}/src/${header}" text)
    if(text MATCHES "QWidget \\*[A-Za-z_]*[,)]")
        list(APPEND failures "src/${header}: takes a window as QWidget *, not QWidget &")
    endif()
    if(NOT text MATCHES "std::unique_ptr<([A-Za-z]+)> forPlatform\\(")
        continue()
    endif()
    set(class ${CMAKE_MATCH_1})
    string(FIND "${text}" "\nprotected:" at)
    if(at EQUAL -1)
        list(APPEND failures "src/${header}: ${class} has no protected constructor")
        continue()
    endif()
    string(SUBSTRING "${text}" 0 ${at} open)
    string(SUBSTRING "${text}" ${at} -1 guarded)
    string(REPLACE "${class}(const ${class} &)" "" open "${open}")
    if(open MATCHES "[^~A-Za-z_]${class}\\(")
        list(APPEND failures "src/${header}: ${class} has a public constructor")
    elseif(NOT guarded MATCHES "[^~A-Za-z_]${class}\\(")
        list(APPEND failures "src/${header}: ${class} has no protected constructor")
    endif()
    if(NOT text MATCHES "public QObject" AND NOT text MATCHES "${class}\\(const ${class} &\\) = delete;")
        list(APPEND failures "src/${header}: ${class} can be copied")
    endif()
endforeach()

# A system's folder under platform/ holds only that system's files, and its
# headers only what they share: an implementation stays in its .cpp file.
file(GLOB_RECURSE system_files RELATIVE "${ROOT}/src/platform" "${ROOT}/src/platform/*/*")
foreach(file ${system_files})
    string(REGEX MATCH "^[^/]+" system "${file}")
    string(TOLOWER "${file}" lower)
    if(NOT lower MATCHES "${system}\\.(h|cpp)$")
        list(APPEND failures "src/platform/${file}: not named with its folder's suffix")
    endif()
    if(file MATCHES "\\.h$")
        file(STRINGS "${ROOT}/src/platform/${file}" interface REGEX "^#include \"platform/[^/]+\"")
        if(interface)
            list(APPEND failures "src/platform/${file}: implements an interface in a header")
        endif()
    endif()
endforeach()

# Wherever it lies, a file that calls one system's own API ends with the name
# of that system's build.
foreach(source ${sources})
    file(STRINGS "${ROOT}/src/${source}" windows_api REGEX "^#include <windows\\.h>")
    file(STRINGS "${ROOT}/src/${source}" x11_api
        REGEX "^#include <(xcb/|sys/|unistd\\.h>|fcntl\\.h>)")
    if(windows_api AND NOT source MATCHES "Windows\\.cpp$")
        list(APPEND failures "src/${source}: calls Windows but its name does not end in Windows")
    endif()
    if(x11_api AND NOT source MATCHES "X11\\.cpp$")
        list(APPEND failures "src/${source}: calls X11 or POSIX but its name does not end in X11")
    endif()
endforeach()

file(GLOB_RECURSE tests "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp")
foreach(source ${tests})
    file(STRINGS "${source}" includes REGEX "^#include \"\\.\\./")
    if(includes)
        list(APPEND failures "${source}: reaches up a folder: ${includes}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources include only their own layer and those below; "
    "the platform's interfaces and files keep its rule")
