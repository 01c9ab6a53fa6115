# Shell functions for running this build's Windows programs under Wine.
# Sourced by cmake/wine-run, scripts/test and scripts/run. Expects ZEPH_WINEPREFIX and
# ZEPH_SOURCE_DIR to be set.

export WINEPREFIX="$ZEPH_WINEPREFIX"
export WINEDEBUG=-all
# No Mono or Gecko: Wine would otherwise offer to install them on the first start.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

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
    if ! zeph_wineserver_socket >/dev/null; then
      setsid wineserver -p </dev/null >/dev/null 2>&1 9>&-
      setsid wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
    zeph_wine_seed_registry
  ) 9>"$WINEPREFIX.lock"
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

zeph_wine_stop() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
  return 0
}
