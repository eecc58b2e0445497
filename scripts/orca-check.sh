#!/usr/bin/env bash
# What a screen reader says of each key: starts the game on a private X
# server with a session bus, the accessibility bus and the Orca screen
# reader writing its speech to a log, types a fixed sequence of keys and
# prints a table of each key and what Orca said after it; then types fifty
# shortcuts with Alt and counts the times the keyboard left the grid for the
# menu bar.
#
#   scripts/orca-check.sh [BIN-FOLDER]   (default build/bin)
#
# Installs Orca, xvfb, xdotool and dbus-x11 when missing (as root or
# through sudo). Exits 1 when a key of the sequence was met with silence or
# a shortcut took the keyboard to a menu. ORCA_CHECK_TRIES sets how many
# shortcuts (50).
# ORCA_CHECK_KEEP=DIR keeps the logs in DIR.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$top/build/bin}
[ -x "$bin/TavrelSudoku" ] || { echo "orca-check: no $bin/TavrelSudoku; build first" >&2; exit 2; }

need=()
command -v orca >/dev/null || need+=(orca)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v dbus-launch >/dev/null || need+=(dbus-x11)
[ -x /usr/libexec/at-spi-bus-launcher ] || need+=(at-spi2-core)
if [ ${#need[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  echo "orca-check: installing ${need[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

work=${ORCA_CHECK_KEEP:-$(mktemp -d /tmp/orca-check.XXXXXX)}
mkdir -p "$work/home" "$work/game" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$bin/TavrelSudoku" "$bin/libEncrypt.so" "$bin/ISSUES" "$work/game/"
[ ! -d "$bin/translations" ] || cp -r "$bin/translations" "$work/game/"

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${ORCA_CHECK_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=77
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

export DISPLAY=":$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
sleep 1
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true

# Orca with its defaults, its speech going to its debug log (no sound
# card is needed: the log has every utterance).
mkdir -p "$work/orca-prefs"
cat >"$work/orca-prefs/orca-customizations.py" <<'PY'
# No speech server: every utterance still goes to the debug log.
import orca.settings
orca.settings.speechServerFactory = "orca-check-silent"
orca.settings.speechFactoryModules = []
# Each line of the log as it is written, so it can be read key by key.
import orca.debug
if orca.debug.debugFile is not None:
    orca.debug.debugFile.reconfigure(line_buffering=True)
PY
orca --replace --user-prefs "$work/orca-prefs" --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
pids+=($!)
for _ in $(seq 100); do grep -q "SPEECH OUTPUT" "$work/orca.log" 2>/dev/null && break; sleep 0.2; done

(cd "$work/game" && exec ./TavrelSudoku) >"$work/game.log" 2>&1 &
pids+=($!)
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Tavrel" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "orca-check: the game's window did not show" >&2; cat "$work/game.log" >&2; exit 2; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# Until Orca has said what it says of the new window.
quiet() {
  local last=-1 now
  for _ in $(seq "$2"); do
    now=$(grep -c "SPEECH OUTPUT" "$work/orca.log" || true)
    [ "$now" -eq "$last" ] && [ "$now" -gt "$1" ] && return 0
    last=$now
    sleep 1
  done
}
quiet 0 20

# Each key, then what Orca said until the next one.
keys=(Right Down Down Right Up Down Left 7 ctrl+z ctrl+y Tab alt+3 alt+p F2)
printf '| %-8s | %-6s | %s |\n' "Key" "Events" "Orca said"
printf '|----------|--------|------------|\n'
silent=0
for key in "${keys[@]}"; do
  before=$(grep -c "SPEECH OUTPUT" "$work/orca.log" || true)
  first=$(wc -l <"$work/orca.log")
  xdotool key --clearmodifiers "$key"
  # Orca is done with a key once it has said something and then been
  # quiet for a second (it answers each key through the accessibility bus,
  # so its speech comes a second or so after the key).
  sleep 1
  quiet "$before" 8
  said=$(grep "SPEECH OUTPUT" "$work/orca.log" | tail -n +$((before + 1)) |
    sed -e "s/^.*SPEECH OUTPUT: '\\(.*\\)' *{.*$/\\1/" | grep -v '^\s*$' | paste -sd '|' | sed 's/|/ \/ /g' || true)
  [ -n "$said" ] || { said="(nothing)"; silent=$((silent + 1)); }
  # The accessibility events of the game that reached Orca for the key.
  events=$(tail -n +$((first + 1)) "$work/orca.log" | grep -cE "EVENT MANAGER: [a-z]+:[^ ]* for .* in \[application \| Tavrel" || true)
  printf '| %-8s | %-6s | %s |\n' "$key" "$events" "$said"
done

# The keyboard stays on the grid: fifty shortcuts with an Alt, each
# followed by no move of Orca's focus to the menu bar or a menu.
shortcuts=(alt+1 alt+2 alt+3 alt+4 alt+5 alt+6 alt+7 alt+8 alt+9 alt+e alt+p alt+s alt+h)
start=$(wc -l <"$work/orca.log")
tries=${ORCA_CHECK_TRIES:-50}
for ((i = 0; i < tries; i++)); do
  xdotool key --clearmodifiers "${shortcuts[i % ${#shortcuts[@]}]}"
  sleep 0.3
done
sleep 2
lost=$(tail -n +"$start" "$work/orca.log" | grep -c "Changing locusOfFocus from .* to \[menu" || true)
echo
echo "Shortcuts with Alt: $tries, the keyboard left the grid for a menu: $lost"
[ "$silent" -eq 0 ] && [ "$lost" -eq 0 ]
