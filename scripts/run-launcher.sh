# The launcher part of scripts/run, sourced there once the run's prefix is ready and the
# stand-in server is up: the installation's BinDir points at this build's programs, the
# user's systems store holds the system "Standin" (local network, SSL for log-in and
# password changes only), and zephgate.exe opens its login dialog. Logging in starts the
# designer, which the run then waits for. Uses build, root and screenshot of scripts/run.

# The Windows form of a folder of this machine, with its closing backslash.
run_windows_folder() {
  printf '%s\\' "$(winepath -w "$1" 2>/dev/null)"
}

run_launcher_store() {
  local appdata folder store
  appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' </dev/null 2>/dev/null | tr -d '\r')
  [ -n "$appdata" ] || { echo "run: the user's application-data folder is unknown" >&2; return 1; }
  folder=$(winepath -u "$appdata\\Tarvix\\Flowsmith" 2>/dev/null)
  mkdir -p "$folder" || return 1
  store="$folder/systems1.txt"
  # Systems the user added in earlier runs stay; "Standin" is added once.
  [ -s "$store" ] || printf 'Flowsmith systems 1\r\n' >"$store"
  grep -q '^Name=Standin' "$store" && return 0
  printf '[system]\r\nName=Standin\r\nAddress=127.0.0.1\r\nConnectionType=1\r\nSslLevel=2\r\nSslPort=636\r\n' >>"$store"
}

run_launcher() {
  local key='HKLM\SOFTWARE\Tarvix\Vantora\Flowsmith' data rc
  wine reg add "$key" /v BinDir /t REG_SZ /d "$(run_windows_folder "$build/bin")" /f </dev/null >/dev/null 2>&1 ||
    { echo "run: BinDir could not be set" >&2; return 1; }
  # Certificates of the systems are kept under DataDir.
  data="$build/run/data"
  mkdir -p "$data"
  wine reg add "$key" /v DataDir /t REG_SZ /d "$(run_windows_folder "$data")" /f </dev/null >/dev/null 2>&1
  run_launcher_store || return 1
  echo "run: the login dialog lists the stand-in as \"Standin\"; log in as 4711 with password 2468"

  if [ -z "$screenshot" ]; then
    (cd "$build/bin" && wine zephgate.exe) </dev/null
    rc=$?
    if [ "$rc" -eq 0 ]; then
      # The launcher ended after starting the designer: the run lasts as long as it does.
      echo "run: the designer was started; waiting for it to end"
      wineserver -w
    fi
    return 0
  fi
  (cd "$build/bin" && exec wine zephgate.exe) </dev/null &
  local gate_pid=$! name="run-$$" capture_rc bmp
  (cd "$build/bin" && wine window_capture.exe "title:Flowsmith" "$name" 60000) </dev/null
  capture_rc=$?
  wait "$gate_pid"
  bmp="$build/bin/screenshots/$name.bmp"
  if [ "$capture_rc" -ne 0 ] || [ ! -f "$bmp" ]; then
    echo "run: no picture of the login dialog was taken" >&2
    return 1
  fi
  python3 "$root/scripts/bmp-to-png" "$bmp" "$screenshot" && rm -f "$bmp" || return 1
  echo "run: saved $screenshot"
}
