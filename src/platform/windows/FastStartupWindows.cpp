// SPDX-License-Identifier: MIT
#include "platform/FastStartup.h"

#include <windows.h>

#include <optional>

namespace {

std::optional<DWORD> machineNumber(const wchar_t *key, const wchar_t *name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

} // namespace

// Fast Startup needs hibernation, which can be switched off on its own.
bool FastStartup::keepsTheCount()
{
    const std::optional<DWORD> hiberboot = machineNumber(
        L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Power", L"HiberbootEnabled");
    const std::optional<DWORD> hibernate =
        machineNumber(L"SYSTEM\\CurrentControlSet\\Control\\Power", L"HibernateEnabled");
    return hiberboot == 1u && hibernate != 0u;
}
