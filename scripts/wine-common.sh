# Shell functions for running this build's Windows programs under Wine.
# Sourced by cmake/wine-run, scripts/test and scripts/run. Expects ZEPH_WINEPREFIX and
# ZEPH_SOURCE_DIR to be set.

export WINEPREFIX="$ZEPH_WINEPREFIX"
export WINEDEBUG=-all
# No Mono or Gecko: Wine would otherwise offer to install them on the first start.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Seconds the persistent wineserver waits for the next program before it exits.
ZEPH_WINESERVER_LINGER=${ZEPH_WINESERVER_LINGER:-15}

# The socket a running wineserver for this prefix listens on.
zeph_wineserver_socket() {
  dev=$(stat -c %d "$WINEPREFIX") || return 1
  ino=$(stat -c %i "$WINEPREFIX") || return 1
  # Upstream Wine uses /tmp/.wine-UID; Debian's build a /tmp/wine-XXXXXX folder.
  name=$(printf 'server-%x-%x' "$dev" "$ino")
  for s in /tmp/.wine-"$(id -u)"/"$name"/socket /tmp/wine-*/"$name"/socket; do
    [ -S "$s" ] && { echo "$s"; return 0; }
  done
  return 1
}

# Creates the prefix on first use, applies the registry seeds when they changed, and makes
# sure a persistent wineserver and Wine's background services run detached from our
# output pipes (a test runner would otherwise wait on them). Safe to call concurrently.
zeph_wine_prepare() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.zeph-ready" ]; then
      rm -rf "$WINEPREFIX"
      setsid wineboot -i </dev/null >/dev/null 2>&1 9>&-
      wineserver -w
      touch "$WINEPREFIX/.zeph-ready"
    fi
    zeph_wine_fonts
    if ! zeph_wineserver_socket >/dev/null; then
      # It stays up between programs, and ends by itself once none has run for a while.
      setsid wineserver -p"$ZEPH_WINESERVER_LINGER" </dev/null >/dev/null 2>&1 9>&-
      setsid wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
    zeph_wine_seed_registry
  ) 9>"$WINEPREFIX.lock"
}

# Wine's own fonts (Tahoma, Marlett for the caption buttons, the MS Sans Serif family) are
# not in a new prefix; without them every window draws in a substitute face and dialogs
# come out smaller than on Windows.
zeph_wine_fonts() {
  [ -f "$WINEPREFIX/.zeph-fonts" ] && return 0
  src=/usr/share/wine/fonts
  dst="$WINEPREFIX/drive_c/windows/Fonts"
  [ -d "$src" ] || return 0
  mkdir -p "$dst"
  cp -f "$src"/* "$dst"/ && touch "$WINEPREFIX/.zeph-fonts"
}

# Registry values the system reads are kept as .reg files under cmake/registry/; tests may
# add their own. A file is imported again whenever its contents change.
zeph_wine_seed_registry() {
  for reg in "$ZEPH_SOURCE_DIR"/cmake/registry/*.reg; do
    [ -f "$reg" ] || continue
    stamp="$WINEPREFIX/.zeph-seed-$(basename "$reg").sum"
    sum=$(md5sum <"$reg")
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$sum" ]; then
      wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1 9>&-
      echo "$sum" >"$stamp"
    fi
  done
}

# Windows programs that open windows need a display. Without one (a test run by hand with
# ctest, no X session) a private Xvfb is started for this prefix and shared by every
# program of the build; a watchdog ends it once the prefix's wineserver has gone, so
# nothing is left running.
zeph_display_prepare() {
  [ -n "${DISPLAY:-}" ] && return 0
  state="$WINEPREFIX.display"
  (
    flock 9
    if [ -f "$state" ]; then
      read -r n pid <"$state"
      if kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
        echo ":$n"
        exit 0
      fi
    fi
    for n in $(seq 150 250); do
      [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
      setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
      pid=$!
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      kill -0 "$pid" 2>/dev/null || continue
      echo "$n $pid" >"$state"
      ZEPH_WINEPREFIX="$WINEPREFIX" setsid sh -c '
        . "$1"; gone=0
        while kill -0 "$2" 2>/dev/null; do
          sleep 5
          if zeph_wineserver_socket >/dev/null; then gone=0; else gone=$((gone + 1)); fi
          [ "$gone" -ge 2 ] && break
        done
        kill "$2" 2>/dev/null' watchdog "$ZEPH_SOURCE_DIR/scripts/wine-common.sh" "$pid" \
        </dev/null >/dev/null 2>&1 9>&- &
      echo ":$n"
      exit 0
    done
    exit 1
  ) 9>"$WINEPREFIX.display.lock"
}

zeph_wine_stop() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
  if [ -f "$WINEPREFIX.display" ]; then
    read -r _ pid <"$WINEPREFIX.display"
    kill "$pid" 2>/dev/null
    rm -f "$WINEPREFIX.display"
  fi
  return 0
}

# zeph_capture_png BIN CLASS PNG: waits (up to a minute) for a shown top-level window of
# CLASS ("title:TEXT" for a caption) among this prefix's programs, saves its picture as the
# PNG file and asks the window to close; window_capture.exe of BIN takes the picture.
zeph_capture_png() {
  name="capture-$$-$RANDOM"
  (cd "$1" && wine window_capture.exe "$2" "$name" 60000) </dev/null >/dev/null || return 1
  [ -f "$1/screenshots/$name.bmp" ] || return 1
  python3 "$ZEPH_SOURCE_DIR/scripts/bmp-to-png" "$1/screenshots/$name.bmp" "$3" &&
    rm -f "$1/screenshots/$name.bmp"
}
