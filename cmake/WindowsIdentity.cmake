# SPDX-License-Identifier: MIT
# How the Windows program names itself in its resources, its manifest and its
# installer: set once here, from the project's version and licence.
set(VH_ID example.voltharbor.VhWrenTicker)
set(VH_NAME VH-WREN-TICKER)
set(VH_COMPANY VOLT-HARBOR)
set(VH_EXECUTABLE vh-wren-ticker)
# Windows' versions have four parts.
set(VH_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
if(PROJECT_VERSION_PATCH)
    set(VH_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
endif()
string(REPLACE "." "," VH_VERSION_COMMAS ${VH_VERSION_QUAD})
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE VH_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
