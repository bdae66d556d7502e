#!/usr/bin/env bash
# Builds the Debian package from a configured build tree, in its package/
# folder where scripts/package ships it, checks it with lintian
# and desktop-file-validate, unpacks it into a private root and starts the unpacked
# program the way its desktop entry does, under Xvfb with a fresh HOME: its main
# window must appear with its caption, the default data files must land in the
# user's data folder, not beside the program, and an address typed into the
# address bar must be remembered there too, after the history that an earlier
# version left in the home folder, which stays as it was.
#   installed_package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build_dir=$1
work=$2

rm -rf "$work"
mkdir -p "$work/root" "$work/home"

cpack -G DEB --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log" \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$build_dir"/package/tavrello_*.deb)
echo "package: $deb"

fail() { echo "FAIL: $*"; exit 1; }

# lintian ends with a failure status on any error.
lintian "$deb" || fail "lintian reports errors"

dpkg-deb -x "$deb" "$work/root"
entry="$work/root/usr/share/applications/tavrello.desktop"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
grep -qx 'Categories=Network;WebBrowser;' "$entry" || fail "desktop entry: categories"
! grep -q '^MimeType=' "$entry" || fail "desktop entry claims file types"
exec_line=$(sed -n 's/^Exec=//p' "$entry")

# The user's world: nothing but an empty home.
export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
export PATH="$work/root/usr/bin:$PATH"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
unset QT_QPA_PLATFORM
cd "$HOME"
printf 'http://ancienne.test/\r\n' >historique.txt

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  sh -c "exec $1" &
  pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "Tavrello" | head -n 1)
  if [ -n "$window" ]; then
    xdotool getwindowname "$window" >"$2/caption.txt"
    sleep 1
    import -window root "$2/screenshot.png"
    # Into the address bar (Combo1, below the menu bar) and Enter.
    xdotool mousemove --window "$window" 150 97 click 1
    xdotool type --delay 20 "http://127.0.0.1:9/"
    xdotool key Return
    timeout 20 sh -c "until grep -qs 127.0.0.1 \"\$0\"; do sleep 0.2; done" "$3"
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  true
' check "$exec_line" "$work" "$HOME/.local/share/Tavrello/historique.txt"

[ -s "$work/caption.txt" ] || fail "no Tavrello window appeared"
caption=$(cat "$work/caption.txt")
[ "$caption" = "Bienvenue sur Tavrello" ] || fail "caption is '$caption'"
echo "window: $caption"

data="$HOME/.local/share/Tavrello"
for f in home.txt site.txt moteur.txt erreur404.txt skins.txt raccourcis.txt; do
  cmp -s "$work/root/usr/share/tavrello/$f" "$data/$f" || fail "$f not copied to $data"
  [ ! -e "$work/root/usr/bin/$f" ] || fail "$f written beside the program"
done
echo "data files: $(ls "$data" | tr '\n' ' ')"
printf 'http://ancienne.test/\r\nhttp://127.0.0.1:9/\r\n' | cmp -s - "$data/historique.txt" \
  || fail "old history and typed address not in $data/historique.txt"
printf 'http://ancienne.test/\r\n' | cmp -s - "$HOME/historique.txt" || fail "historique.txt of the home folder changed"
