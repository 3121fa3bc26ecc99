# SPDX-License-Identifier: MIT
# A Debian package of what the install rules install: `cpack -G DEB` in the
# build folder.
set(CPACK_PACKAGE_NAME vh-wren-ticker)
set(CPACK_PACKAGE_VENDOR "The VH-WREN-TICKER authors")
set(CPACK_PACKAGE_CONTACT "The VH-WREN-TICKER authors <authors@voltharbor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shows how long the computer has been running")
set(CPACK_PACKAGE_DESCRIPTION
    "A narrow strip that keeps itself above other windows and shows the time\n"
    "since the computer was last started in whole days, hours, minutes and\n"
    "seconds. A live calculations window shows every intermediate value of\n"
    "the uptime arithmetic.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://voltharbor.example/vh-wren-ticker/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary itself; the font is drawn by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
