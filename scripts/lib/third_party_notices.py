#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The notices of what the Windows release files ship of others: Qt, the
libraries bundled in it, and the compiler's runtime. Run by windows.sh.

  third_party_notices.py keep QT_SOURCE NOTICES
      copies from an unpacked Debian qt6-base source what the notices are
      made from: the licence texts, the attributions of the parts that the
      shipped libraries are built from with the licence files they name, and
      Debian's copyright file and patch list.
  third_party_notices.py write NOTICES STAGE OUT
      writes OUT for the files in STAGE; NOTICES also holds the Qt version
      (version.txt) and its configure flags (configure-flags.txt). Fails
      when a DLL in STAGE is named by no section.
"""
import json
import pathlib
import shutil
import subprocess
import sys

# The qtbase folders whose code the shipped Qt DLLs (Core, Gui, Widgets,
# Network, the windows platform and the styles) are built from, in Qt 6.8:
# Gui holds the Direct3D 12 backend of its rendering layer, Core the MIME
# type definitions. Left out: what those are built without (D-Bus, OpenGL,
# Vulkan, the JPEG plugin), other systems' code (forkfd, xcb, cocoa,
# Android, WebAssembly), and the test library and tools, which are not
# shipped.
SHIPPED_PARTS = [
    "src/3rdparty/D3D12MemoryAllocator", "src/3rdparty/blake2",
    "src/3rdparty/double-conversion", "src/3rdparty/easing", "src/3rdparty/freetype",
    "src/3rdparty/harfbuzz-ng", "src/3rdparty/icc", "src/3rdparty/libpng",
    "src/3rdparty/libpsl", "src/3rdparty/md4", "src/3rdparty/md4c", "src/3rdparty/md5",
    "src/3rdparty/pcre2", "src/3rdparty/pixman", "src/3rdparty/rfc6234", "src/3rdparty/sha1",
    "src/3rdparty/sha3", "src/3rdparty/siphash", "src/3rdparty/tinycbor", "src/3rdparty/zlib",
    "src/corelib/kernel", "src/corelib/mimetypes/3rdparty", "src/corelib/text",
    "src/gui/painting", "src/gui/rhi", "src/gui/text",
]
QT_LIBRARIES = ["Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll", "Qt6Network.dll",
                "platforms/qwindows.dll", "styles/*.dll"]
RUNTIME = {
    # Debian package: the DLLs of it that are shipped, and what they are.
    "gcc-mingw-w64-x86-64-posix-runtime":
        (["libstdc++-6.dll", "libgcc_s_seh-1.dll"],
         "the GCC runtime libraries, under the GNU GPL version 3 with the GCC Runtime "
         "Library Exception 3.1"),
    "mingw-w64-x86-64-dev":
        (["libwinpthread-1.dll"], "the winpthreads library of mingw-w64"),
}
RULE = "=" * 78


def attributions(path):
    # Qt's files allow line breaks inside strings and list a key twice.
    data = json.loads(path.read_text(encoding="utf-8"), strict=False)
    return data if isinstance(data, list) else [data]


def license_files(entry):
    files = entry.get("LicenseFiles") or entry.get("LicenseFile") or []
    return [files] if isinstance(files, str) else files


def keep(source, notices):
    source, notices = pathlib.Path(source), pathlib.Path(notices)
    shutil.rmtree(notices, ignore_errors=True)
    shutil.copytree(source / "LICENSES", notices / "LICENSES")
    for name in ["copyright", "patches/series"]:
        (notices / "debian" / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(source / "debian" / name, notices / "debian" / name)
    for part in SHIPPED_PARTS:
        folder = source / part
        (notices / part).mkdir(parents=True, exist_ok=True)
        shutil.copy(folder / "qt_attribution.json", notices / part)
        for entry in attributions(folder / "qt_attribution.json"):
            for name in license_files(entry):
                target = (notices / part / name).resolve()
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copy((folder / name).resolve(), target)


def debian_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], check=True,
                          capture_output=True, text=True).stdout


def section(title, covers):
    return f"\n{RULE}\n{title}\nShipped as: {', '.join(covers)}\n{RULE}\n"


def write(notices, stage, out):
    notices, stage = pathlib.Path(notices), pathlib.Path(stage)
    version = (notices / "version.txt").read_text().strip()
    flags = (notices / "configure-flags.txt").read_text().split()
    patches = [line for line in (notices / "debian/patches/series").read_text().splitlines()
               if line and not line.startswith("#")]
    shipped = sorted(str(p.relative_to(stage)) for p in stage.rglob("*.dll"))
    qt = [name for name in shipped
          if any(pathlib.PurePath(name).match(pattern) for pattern in QT_LIBRARIES)]
    text = ["The VH-WREN-TICKER release files for Windows hold libraries of others, under "
            "the licences that follow. The program itself is under the MIT licence, in "
            "LICENSE.txt."]
    text.append(section(f"Qt {version.split('+')[0]}", qt))
    text.append(
        "Qt is the Qt Company's, under the GNU Lesser General Public License version 3\n"
        "(LGPL-3.0-only, below, with the GPL version 3 that it builds on). These DLLs are\n"
        f"built from Debian's source package qt6-base, version {version}\n"
        f"(https://snapshot.debian.org/package/qt6-base/{version}/), with Debian's patches\n\n    "
        + "\n    ".join(patches) + "\n\n"
        "cross-compiled for x86_64-w64-mingw32 by Debian 12's mingw-w64 GCC (posix threads)\n"
        "with CMake and these flags:\n\n    " + "\n    ".join(flags) + "\n\n"
        "To build and use your own: `apt-get source qt6-base=" + version + "` on Debian 12,\n"
        "configure it with the flags above and a mingw-w64 toolchain file, build it, and\n"
        "put its DLLs in place of these; the program loads the Qt DLLs that lie beside it.\n")
    for licence in ["LGPL-3.0-only.txt", "GPL-3.0-only.txt"]:
        text.append(f"\n--- {licence[:-4]} ---\n\n" + (notices / "LICENSES" / licence).read_text())
    text.append("\n--- Debian's copyright file of qt6-base ---\n\n" +
                (notices / "debian/copyright").read_text())
    for part in SHIPPED_PARTS:
        for entry in attributions(notices / part / "qt_attribution.json"):
            copyright = entry.get("Copyright", "")
            if isinstance(copyright, list):
                copyright = "\n".join(copyright)
            text.append(f"\n--- In Qt: {entry.get('Name', entry.get('Id'))}"
                        f" {entry.get('Version', '')} ({entry.get('License', '')}) ---\n\n"
                        f"{copyright}\n")
            for name in license_files(entry):
                text.append("\n" + (notices / part / name).resolve().read_text(errors="replace"))
    for package, (dlls, what) in RUNTIME.items():
        covered = [name for name in shipped if name in dlls]
        text.append(section(f"{what}, from Debian's {package} {debian_version(package)}",
                            covered))
        text.append(pathlib.Path(f"/usr/share/doc/{package}/copyright").read_text())
        if package.startswith("gcc-"):
            text.append("\n--- GPL-3 ---\n\n" +
                        pathlib.Path("/usr/share/common-licenses/GPL-3").read_text())
    notice = "".join(text)
    named = set()
    for line in notice.splitlines():
        if line.startswith("Shipped as: "):
            named.update(line.removeprefix("Shipped as: ").split(", "))
    unnamed = [name for name in shipped if name not in named]
    if unnamed:
        sys.exit(f"third_party_notices.py: no notices for {', '.join(unnamed)}")
    pathlib.Path(out).write_text(notice.replace("\n", "\r\n"), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "keep":
        keep(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 5 and sys.argv[1] == "write":
        write(sys.argv[2], sys.argv[3], sys.argv[4])
    else:
        sys.exit(__doc__)
