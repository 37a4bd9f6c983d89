#!/usr/bin/env bash
# `make run`: starts the device simulator on a pseudo-terminal and opens the
# editor against it. The run has a folder of its own, build/run, with a copy of
# the program and of its settings files whose section "PortNames" points the port
# at the simulator; the settings files in build/bin stay as built. Without a
# display the same session runs under Xvfb and a screenshot of the main window is
# saved and its path printed.
set -euo pipefail
build=${1:-build}
bin="$build/bin"
run="$build/run"
mkdir -p "$run"
# The editor reads the settings file beside itself, so it runs from its own copy.
ln -f "$bin/ZEL308Tools" "$run/ZEL308Tools" 2>/dev/null || cp -f "$bin/ZEL308Tools" "$run/ZEL308Tools"
# A settings file rebuilt since the last run replaces the run's copy.
for built in "$bin"/*.Ini; do
  copy="$run/$(basename "$built")"
  [ "$copy" -nt "$built" ] || cp -f "$built" "$copy"
done
ini="$run/ZEL308Tools.Ini"
# Started for the larger model, the program reads that model's settings file.
if printf '%s\n' "${@:2}" | grep -qi zel312s; then ini="$run/ZEL312sTools.Ini"; fi
link=/tmp/ZEL308Tools-devsim

"$bin/devsim" --link "$link" --pace 19200 --settings "$ini" > "$build/devsim.log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done

port=$(sed -n 's/^[[:space:]]*Port[[:space:]]*=[[:space:]]*\([0-9]*\).*/\1/p' "$ini" | head -1)
port=${port:-2}
python3 - "$ini" "COM$port" "$link" <<'PY'
import re, sys
path, key, device = sys.argv[1:]
text = open(path, encoding='utf-8').read()
line = f"{key}={device}\r\n"
if re.search(r'^\[PortNames\]', text, re.M | re.I):
    text = re.sub(rf'^\s*{key}\s*=.*\r?\n', '', text, flags=re.M | re.I)
    text = re.sub(r'(^\[PortNames\][^\n]*\n)', lambda m: m.group(1) + line, text, flags=re.M | re.I)
else:
    text = text.rstrip('\r\n') + "\r\n\r\n[PortNames]\r\n" + line
open(path, 'w', encoding='utf-8', newline='').write(text)
PY
echo "Device simulator on $link (COM$port), its log in $build/devsim.log"
echo "Settings, log and data files of this run: $run"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$run/ZEL308Tools" "${@:2}"
else
  shot="$(cd "$build" && pwd)/screenshots/make-run-main-window.png"
  mkdir -p "$(dirname "$shot")"
  echo "No display: running under Xvfb"
  ZEL308TOOLS_SCREENSHOT="$shot" xvfb-run -a -s "-screen 0 1600x1000x24" "$run/ZEL308Tools" "${@:2}" || true
  [ -f "$shot" ] && echo "Screenshot of the main window: $shot"
fi
