# SPDX-License-Identifier: MIT
# Cross-compiles for 64-bit Windows with Debian's mingw-w64. The posix thread
# model is the one whose libstdc++ has std::thread and std::mutex, which Qt
# needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VH_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VH_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VH_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VH_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VH_MINGW_TRIPLE})
# Host programs (moc, rcc, wine) run here; libraries and headers must be
# Windows ones. Packages come from CMAKE_PREFIX_PATH, where the cross-built Qt
# lies outside the root path.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
