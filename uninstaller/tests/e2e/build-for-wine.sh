#!/usr/bin/env bash
# Builds uninstal.exe for the Windows architecture that Wine can run on this machine,
# and the end-to-end tools (dialog harness, probe library), in build/wine-<arch>.
# Prints two lines: the path of uninstal.exe and the tools folder.
#
# The product is the 32-bit program; machines whose kernel cannot run 32-bit code
# (Wine's 32-bit loader among it) get the 64-bit build of the same sources.
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
cd "$root"
mkdir -p build

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  toolchain=cmake/mingw-i686.cmake arch=win32
else
  toolchain=cmake/mingw-x86_64.cmake arch=win64
fi

exe_dir="build/wine-$arch/uninstal"
tools_dir="build/wine-$arch/native"
{
  cmake -S uninstaller/win32 -B "$exe_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/$toolchain" -DUNINST_WIN32_TESTS=OFF
  cmake --build "$exe_dir" -j2 --target uninstal
  cmake -S . -B "$tools_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRELLO_BUILD_BROWSER=OFF
  cmake --build "$tools_dir" -j2 --target uninst_e2e_tools
} >"build/wine-$arch.log" 2>&1 || { echo "build failed, see build/wine-$arch.log" >&2; exit 1; }

echo "$root/$exe_dir/bin/uninstal.exe"
echo "$root/$tools_dir/uninstaller/e2e-tools"
