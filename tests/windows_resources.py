#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Covers data/windows/vh-wren-ticker.rc.in, vh-wren-ticker.exe.manifest.in and
# the version information of data/windows/installer.nsi.
"""What Windows reads from the release files themselves, field by field: the
program's version resource, its manifest and its hardening; the installer's
and uninstaller's version resources.

Usage: windows_resources.py VERSION LICENSE PROGRAM [INSTALLER_OR_UNINSTALLER...]
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

import pefile

WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
RT_MANIFEST = 24


def strings(pe):
    found = {}
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                found.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return found


def fixed_version(pe):
    fixed = pe.VS_FIXEDFILEINFO[0]
    return [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
            fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF]


def manifest(pe):
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id == RT_MANIFEST:
            data = kind.directory.entries[0].directory.entries[0].data.struct
            return pe.get_data(data.OffsetToData, data.Size).decode("utf-8")
    return ""


def main(version, license_path, program, *others):
    copyright = next(line.strip() for line in open(license_path, encoding="utf-8")
                     if line.startswith("Copyright "))
    quad = [int(part) for part in version.split(".")] + [0] * (4 - len(version.split(".")))
    problems = []

    def expect(where, what, found, wanted):
        if found != wanted:
            problems.append(f"{where}: {what} is {found!r}, not {wanted!r}")

    shared = {"CompanyName": "VOLT-HARBOR", "FileDescription": "VH-WREN-TICKER",
              "ProductName": "VH-WREN-TICKER", "FileVersion": version,
              "ProductVersion": version, "LegalCopyright": copyright}
    for path, own in [(program, {"OriginalFilename": "vh-wren-ticker.exe",
                                 "InternalName": "vh-wren-ticker"})] + [(p, {}) for p in others]:
        pe = pefile.PE(path)
        found = strings(pe)
        for key, wanted in {**shared, **own}.items():
            expect(path, key, found.get(key), wanted)
        expect(path, "the fixed file version", fixed_version(pe), quad)

    pe = pefile.PE(program)
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name, bit in [("ASLR", 0x40), ("high-entropy addresses", 0x20), ("DEP", 0x100)]:
        expect(program, name, bool(flags & bit), True)
    text = manifest(pe)
    if not text:
        problems.append(f"{program}: no manifest")
    else:
        # The namespaces differ between the manifest's parts; the names do not.
        tree = ElementTree.fromstring(text)
        local = {re.sub(r"^\{.*\}", "", e.tag): e for e in tree.iter()}
        expect(program, "the execution level",
               local.get("requestedExecutionLevel", ElementTree.Element("x")).get("level"),
               "asInvoker")
        expect(program, "the supported system",
               local.get("supportedOS", ElementTree.Element("x")).get("Id"), WINDOWS_10_AND_11)
        expect(program, "dpiAwareness", getattr(local.get("dpiAwareness"), "text", None),
               "PerMonitorV2")
        expect(program, "dpiAware", getattr(local.get("dpiAware"), "text", None), "true/pm")
    print("\n".join(problems) if problems else "version resources and manifest as the project says")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
