#!/usr/bin/env bash
# Wine rig for the Windows-side tests of uninstal.
#
# One base prefix is made per build tree; every scenario that must start clean runs in a
# copy of it. Commands:
#
#   wine-env.sh arch
#       Prints the prefix architecture this machine can run: "win32", or "win64" where the
#       kernel cannot run 32-bit code (Wine then runs only 64-bit programs, so the tests use
#       the 64-bit build; see Win32Build.cmake).
#   wine-env.sh create PREFIX
#       Makes the base prefix at PREFIX unless an up-to-date one is there (15-20 s).
#   wine-env.sh fresh BASE COPY
#       Replaces COPY by a fresh copy of the prefix BASE (cp -a, well under a second).
#   wine-env.sh fresh-run BASE COPY COMMAND [ARG...]
#       fresh, then run in the copy: one clean scenario in one command (what CTest calls).
#   wine-env.sh run PREFIX COMMAND [ARG...]
#       Runs COMMAND inside Xvfb with the prefix's Wine environment and returns its exit
#       code. COMMAND ending in .exe is started through Wine; anything else (sh -c '...')
#       runs as is and finds "wine" (the right loader for the prefix), "wineserver" and
#       $WINEPREFIX in its environment, so `wine reg add ...` and the program under test can
#       share one Xvfb session. The session's Wine processes are ended first
#       (wineserver -k; wineserver -w) and awaited before Xvfb goes (wineserver -w).
#
# Environment of every Wine process: WINEPREFIX=PREFIX, WINEARCH, WINEDEBUG=-all,
# WINEDLLOVERRIDES="mscoree,mshtml=" and HOME=PREFIX/home (so the prefix's Desktop and
# Documents are real folders of the prefix, not links into the real home). Crash dialogs
# are off (HKCU\Software\Wine\WineDbg ShowCrashDialog=0), so a crash cannot hang a test.
set -euo pipefail

wine32_loader=/usr/lib/wine/wine
# Raised whenever create() changes, so that older prefixes are made anew.
prefix_version=2
wine64_loader=/usr/lib/wine/wine64

die() {
  echo "wine-env.sh: $*" >&2
  exit 2
}

detect_arch() {
  if "$wine32_loader" --version >/dev/null 2>&1; then
    echo win32
  elif [ -x "$wine64_loader" ]; then
    echo win64
  else
    die "Wine cannot run here (no working 32-bit loader and no wine64)"
  fi
}

# Sets the Wine environment for the prefix and puts a "wine" for its architecture first
# on PATH.
use_prefix() {
  local prefix
  prefix=$(realpath -m "$1")
  export WINEPREFIX="$prefix"
  export WINEARCH
  WINEARCH=$(detect_arch)
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export HOME="$prefix/home"
  local loader=$wine32_loader
  [ "$WINEARCH" = win64 ] && loader=$wine64_loader
  mkdir -p "$prefix/.bin"
  # A script, not a link: the loader finds its siblings through the name it runs under.
  printf '#!/bin/sh\nexec %s "$@"\n' "$loader" >"$prefix/.bin/wine"
  chmod +x "$prefix/.bin/wine"
  export WINELOADER=$loader
  export PATH="$prefix/.bin:$PATH"
  export WINE="$prefix/.bin/wine"
}

create() {
  local prefix=$1
  if [ "$(cat "$prefix/.complete" 2>/dev/null)" = "$prefix_version" ]; then
    return 0
  fi
  rm -rf "$prefix"
  mkdir -p "$prefix/home"
  use_prefix "$prefix"
  wine wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Unmanaged windows: without a window manager, Wine otherwise waits 2 s for each
  # window it destroys.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  # Wine links the user's folders to HOME; real folders keep copies of the prefix apart.
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then
      rm "$link"
      mkdir "$link"
    fi
  done
  echo "$prefix_version" >"$prefix/.complete"
}

fresh() {
  local base=$1 copy=$2
  [ -f "$base/.complete" ] || die "no prefix at $base (run: wine-env.sh create $base)"
  rm -rf "$copy"
  cp -a "$base" "$copy"
  # The loader link and HOME follow the copy.
  rm -f "$copy/.bin/wine"
}

run() {
  local prefix=$1
  shift
  [ -f "$prefix/.complete" ] || die "no prefix at $prefix"
  use_prefix "$prefix"
  if [[ "$1" == *.exe ]]; then
    set -- wine "$@"
  fi
  # Inside one Xvfb session: no desktop process of an earlier session without a display
  # may linger, and the session's processes end before the display does.
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    status=0
    "$@" || status=$?
    wineserver -w
    exit $status
  ' wine-env-run "$@"
}

case "${1:-}" in
  arch) detect_arch ;;
  create) [ $# -eq 2 ] || die "usage: create PREFIX"; create "$2" ;;
  fresh) [ $# -eq 3 ] || die "usage: fresh BASE COPY"; fresh "$2" "$3" ;;
  fresh-run)
    [ $# -ge 4 ] || die "usage: fresh-run BASE COPY COMMAND [ARG...]"
    fresh "$2" "$3"
    copy=$3
    shift 3
    run "$copy" "$@"
    ;;
  run) [ $# -ge 3 ] || die "usage: run PREFIX COMMAND [ARG...]"; shift; run "$@" ;;
  *) die "usage: wine-env.sh arch | create PREFIX | fresh BASE COPY | fresh-run BASE COPY COMMAND... | run PREFIX COMMAND..." ;;
esac
