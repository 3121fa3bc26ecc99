#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Covers data/windows/vh-wren-ticker.rc.in, vh-wren-ticker.exe.manifest.in and
# the version information of data/windows/installer.nsi.
"""What Windows reads from the release files, field by field: the version
resources of the program and of the others named, and the program's
manifest and hardening.

Usage: windows_resources.py VERSION LICENSE PROGRAM [INSTALLER_OR_UNINSTALLER...]
"""
import re
import sys

import pefile


def check(version, license_path, program, *others):
    copyright = next(l.strip() for l in open(license_path) if l.startswith("Copyright "))
    quad = [int(part) for part in version.split(".")]
    quad += [0] * (4 - len(quad))
    wanted = {"CompanyName": "VOLT-HARBOR", "FileDescription": "VH-WREN-TICKER",
              "ProductName": "VH-WREN-TICKER", "FileVersion": version,
              "ProductVersion": version, "LegalCopyright": copyright}
    problems = []
    for path in (program,) + others:
        pe = pefile.PE(path)
        found = {k.decode(): v.decode() for info in pe.FileInfo for entry in info
                 for table in getattr(entry, "StringTable", []) for k, v in table.entries.items()}
        own = {"OriginalFilename": "vh-wren-ticker.exe", "InternalName": "vh-wren-ticker"}
        for key, value in {**wanted, **(own if path == program else {})}.items():
            if found.get(key) != value:
                problems.append(f"{path}: {key} is {found.get(key)!r}, not {value!r}")
        fixed = pe.VS_FIXEDFILEINFO[0]
        if [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF] != quad:
            problems.append(f"{path}: fixed file version not {quad}")
    pe = pefile.PE(program)
    # ASLR, high-entropy addresses, DEP.
    if pe.OPTIONAL_HEADER.DllCharacteristics & 0x160 != 0x160:
        problems.append(f"{program}: not hardened: {pe.OPTIONAL_HEADER.DllCharacteristics:#x}")
    manifests = [kind.directory.entries[0].directory.entries[0].data.struct
                 for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == 24]
    manifest = pe.get_data(manifests[0].OffsetToData, manifests[0].Size).decode() if manifests else ""
    for pattern in [r'requestedExecutionLevel level="asInvoker"',
                    r'supportedOS Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}"',  # 10 and 11
                    r">PerMonitorV2</dpiAwareness>", r">true/pm</dpiAware>"]:
        if not re.search(pattern, manifest):
            problems.append(f"{program}: the manifest lacks {pattern}")
    print("\n".join(problems) or "version resources and manifest as the project says")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(check(*sys.argv[1:]) if len(sys.argv) >= 4 else __doc__)
