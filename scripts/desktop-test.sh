#!/usr/bin/env bash
# Runs a command on a desktop as users have one: an X screen of 1024 x 768
# (Xvfb) with a window manager that frames and places the windows
# (openbox), which the offscreen platform of the other window tests lacks.
# Usage: desktop-test.sh COMMAND [ARGUMENTS...]; its exit status is the
# command's.
set -euo pipefail

cartella=$(mktemp -d)
server=
gestore=
chiudi() {
  [ -n "$gestore" ] && kill "$gestore" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$cartella"
}
trap chiudi EXIT

# The server picks a free display and writes its number once it accepts
# clients.
mkfifo "$cartella/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$cartella/display" 2>"$cartella/xvfb.log" &
server=$!
if ! read -r -t 30 numero <"$cartella/display" || [ -z "$numero" ]; then
  echo "desktop-test.sh: Xvfb did not start" >&2
  cat "$cartella/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$numero"

# The window manager lists the windows it manages once it has set itself up.
openbox --sm-disable >"$cartella/openbox.log" 2>&1 &
gestore=$!
for _ in $(seq 500); do
  xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q "window id" && break
  kill -0 "$gestore" 2>/dev/null || break
  sleep 0.02
done
if ! xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q "window id"; then
  echo "desktop-test.sh: openbox did not start" >&2
  cat "$cartella/openbox.log" >&2
  exit 1
fi

export QT_QPA_PLATFORM=xcb
"$@"
