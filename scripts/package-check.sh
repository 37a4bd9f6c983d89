#!/usr/bin/env bash
# CI: builds the Debian package, installs it with apt-get and runs the installed
# editor from its menu entry's command line as an unprivileged user, offscreen,
# against the installed simulator. The program folder is read-only for that user,
# so the settings file, the log and a saved data file must appear in the user's
# configuration folder, and a setting the user changed there must survive a start.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo

fail() {
  echo "package check: $*" >&2
  tail -n 20 "${config:-/nonexistent}"/*.Log "${home:-/nonexistent}"/*.out >&2 2> /dev/null || true
  exit 1
}

(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; fail "cpack failed"; }
deb=$(ls -t "$build"/zel308tools_*.deb | head -1)
echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --reinstall "$(realpath "$deb")" > /dev/null

entry=/usr/share/applications/zel308tools-zel308.desktop
[ -f "$entry" ] || fail "no menu entry $entry"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate /usr/share/applications/zel308tools-*.desktop
fi
for size in 16 32 48 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/zel308tools-zel308.png" ] || fail "no ${size}px icon"
done
read -r -a command <<< "$(sed -n 's/^Exec=//p' "$entry")"
installed=$(ls -A /usr/lib/zel308tools)
untouched() { [ "$(ls -A /usr/lib/zel308tools)" = "$installed" ] || fail "files written into the program folder"; }

# A fresh home for the user; as root the checks run as "nobody".
home=$(mktemp -d /tmp/zel308tools-user.XXXXXX)
trap 'kill "${sim:-}" 2> /dev/null || true; $SUDO rm -rf "$home"' EXIT
as_user() {
  local vars=(HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen LANG=C.UTF-8)
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- env -i "${vars[@]}" "$@"
  else
    env -i "${vars[@]}" "$@"
  fi
}
[ "$(id -u)" -eq 0 ] && chown nobody "$home"
config="$home/.config/ZEL308Tools"
ini="$config/ZEL308Tools.Ini"

# First start: nothing is mapped to the port yet, so the editor stops at the
# port settings dialog; by then it has made the user's files.
as_user timeout 8 "${command[@]}" > "$home/first.out" 2>&1 || true
cmp -s "$ini" /usr/lib/zel308tools/ZEL308Tools.Ini || fail "the user's settings file is not the installed one"
grep -q "Einstellungen, Log und Datendateien liegen in $config" "$config"/ZEL308Tools-*.Log ||
  fail "the log does not say where the files are"
untouched

# The user points the port at the simulator and changes settings: "Debug"
# skips the splash time, and the results of the link go to the status line
# instead of boxes no one would close.
as_user zel308tools-devsim --link "$home/ttyZEL" --settings "$ini" > "$home/devsim.log" 2>&1 &
sim=$!
for _ in $(seq 50); do [ -e "$home/ttyZEL" ] && break; sleep 0.1; done
as_user sh -c "printf '\r\n[PortNames]\r\nCOM2=%s\r\n' '$home/ttyZEL' >> '$ini' &&
               sed -i -e 's/^Debug=no/Debug=yes/' -e 's/^ShowMsgBox=yes/ShowMsgBox=no/' '$ini'"

# Second start: fetches the data set, saves it and ends.
as_user env ZEL308TOOLS_SCREENSHOT="$home/main.png" ZEL308TOOLS_SAVE_DATA=studio.Dat \
  timeout 60 "${command[@]}" > "$home/second.out" 2>&1 || fail "second start failed"
[ "$(stat -c %s "$config/studio.Dat" 2> /dev/null)" = 8449 ] || fail "no saved data file in $config"
# The end procedure aligns the "=" of the file, hence the blanks.
grep -Eq "^\s*Debug\s*=\s*yes" "$ini" || fail "the changed setting was lost"
grep -Eq "^\s*ShowMsgBox\s*=\s*no" "$ini" || fail "the changed setting was lost"
grep -Eq "^\s*COM2\s*=\s*$home/ttyZEL" "$ini" || fail "the port mapping was lost"
[ -s "$home/main.png" ] || fail "no picture of the main window"
# zelcfg finds the same per-user settings, and with them the port mapping.
as_user zelcfg fetch dataset "$home/fetched.Dat" 2> "$home/zelcfg.err" ||
  { cat "$home/zelcfg.err"; fail "zelcfg did not use the user's settings"; }
# The editor saved the data set it fetched: the same as the one zelcfg fetched.
as_user zelcfg diff "$config/studio.Dat" "$home/fetched.Dat" > "$home/diff.out" ||
  { cat "$home/diff.out"; fail "the saved data file is not the device's data set"; }
untouched
echo "Package check passed: $(ls "$config" | tr '\n' ' ')"
