#!/usr/bin/env bash
# Builds the Debian package from a configured build tree, in its package/
# folder where scripts/package ships it, checks it with lintian,
# desktop-file-validate and appstreamcli, installs it with dpkg into a private
# root (its own package database, its maintainer scripts run there) and starts
# the installed program the way its desktop entry does, under Xvfb with a fresh
# HOME: its main window must appear with its caption, the default data files
# must land in the user's data folder, not beside the program, and an address
# typed into the address bar must be remembered there too, after the history
# that an earlier version left in the home folder, which stays as it was. Then,
# with Tavrello as the user's default browser, xdg-open on a local page must
# show that page in it. The package must offer x-www-browser while installed
# and take it back on removal.
#   installed_package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build_dir=$1
work=$2

rm -rf "$work"
mkdir -p "$work/root" "$work/home" "$work/dpkg/updates" "$work/dpkg/info"
touch "$work/dpkg/status"

cpack -G DEB --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log" \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$build_dir"/package/tavrello_*.deb)
echo "package: $deb"

fail() { echo "FAIL: $*"; exit 1; }

# lintian ends with a failure status on any error.
lintian "$deb" || fail "lintian reports errors"

# The private database knows none of the system's packages: dependencies are
# not looked at; the maintainer scripts run outside a chroot, on the private root.
dpkg_private=(dpkg "--admindir=$work/dpkg" "--instdir=$work/root" --force-script-chrootless --force-depends)
alternatives() {
  update-alternatives --root "$work/root" --admindir "$work/dpkg/alternatives" --query x-www-browser 2>/dev/null
}
"${dpkg_private[@]}" -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
alternatives | grep -qx 'Alternative: /usr/bin/tavrello' || fail "no x-www-browser alternative after install"

entry="$work/root/usr/share/applications/tavrello.desktop"
desktop-file-validate "$entry" || fail "desktop entry does not validate"
grep -qx 'Categories=Network;WebBrowser;' "$entry" || fail "desktop entry: categories"
# Started from the menu, with no address: the launcher drops the field code.
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %u$//')
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml || fail "metainfo does not validate"

# The user's world: nothing but an empty home.
export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_CURRENT_DESKTOP DESKTOP_SESSION BROWSER
export XDG_DATA_DIRS="$work/root/usr/share:/usr/share"
export PATH="$work/root/usr/bin:$PATH"
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu"
unset QT_QPA_PLATFORM
cd "$HOME"
printf 'http://ancienne.test/\r\n' >historique.txt
mkdir "$work/site"
printf '<html><head><title>Page locale</title></head><body>Bonjour</body></html>' >"$work/site/page.html"

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

  tavrello --inconnue 2>"$2/usage.txt"
  echo $? >"$2/usage-status.txt"

  # A link from another program: a local page, Tavrello the default browser.
  xdg-mime default tavrello.desktop x-scheme-handler/http
  python3 -u -m http.server --bind 127.0.0.1 --directory "$2/site" 0 >"$2/server.log" 2>&1 &
  server=$!
  timeout 10 sh -c "until grep -qs port \"\$0\"; do sleep 0.1; done" "$2/server.log"
  port=$(sed -n "s/.* port \([0-9]*\).*/\1/p" "$2/server.log")
  echo "http://127.0.0.1:$port/page.html" >"$2/page-address.txt"
  xdg-open "http://127.0.0.1:$port/page.html" &
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "Tavrello - Page locale" | head -n 1)
  if [ -n "$window" ]; then
    xdotool getwindowname "$window" >"$2/opened.txt"
    kill "$(xdotool getwindowpid "$window")"
  fi
  kill "$server"
  wait
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
printf 'http://ancienne.test/\r\n' | cmp -s - "$HOME/historique.txt" || fail "historique.txt of the home folder changed"

[ "$(cat "$work/usage-status.txt")" = 2 ] || fail "an unknown option ends with status $(cat "$work/usage-status.txt")"
grep -qx 'Utilisation : tavrello \[--depuis-le-menu\] \[ADRESSE\]' "$work/usage.txt" \
  || fail "an unknown option gets: $(cat "$work/usage.txt")"

# The page's title in the caption: the installed program found the engine's module.
[ -s "$work/opened.txt" ] || fail "xdg-open did not show the page in Tavrello"
echo "xdg-open: $(cat "$work/opened.txt")"
# The old history, the typed address, then the one xdg-open gave, kept the same way.
printf 'http://ancienne.test/\r\nhttp://127.0.0.1:9/\r\n%s\r\n' "$(cat "$work/page-address.txt")" \
  | cmp -s - "$data/historique.txt" || fail "old history, typed and opened addresses not in $data/historique.txt"

"${dpkg_private[@]}" -r tavrello >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r"; }
! alternatives | grep -q tavrello || fail "x-www-browser alternative left after removal"
echo "x-www-browser: offered while installed, gone after removal"
