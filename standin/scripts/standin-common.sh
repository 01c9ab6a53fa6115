# Shell functions of the stand-in server scripts (sourced; $here is the scripts folder).
# standin_start makes an instance folder, loads the schema, seed and fixtures into a new
# database, starts slapd on 127.0.0.1 at a random free port 20000-29999 (retried) and
# exports VTSTANDIN_*; standin_stop kills that slapd by PID and removes the folder.
schema_dir="$here/../schema"
# Password code of the seeded administrator's password 2468 (what the encoder answers).
STANDIN_ADMIN_CODE=F59F060B21F1BA85

standin_winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

standin_start() {
  dir=$(mktemp -d /tmp/vtstandin.XXXXXX) || return 1
  mkdir -p "$dir/db" "$dir/store/d/tarvix/templates" "$dir/store/d/tarvix/ssl" \
           "$dir/store/d/tarvix/apps" "$dir/store/d/tarvix/mmfs" "$dir/store/.trash"
  sed "s#@DIR@#$dir#g; s#@SCHEMA@#$schema_dir/vantora.schema#" "$schema_dir/slapd.conf.in" >"$dir/slapd.conf"
  slapadd -q -f "$dir/slapd.conf" -l "$schema_dir/seed.ldif" || { rm -rf "$dir"; return 1; }
  for f in ${VTSTANDIN_FIXTURES:-}; do
    slapadd -q -f "$dir/slapd.conf" -l "$schema_dir/$f.ldif" || { rm -rf "$dir"; return 1; }
  done
  # The template of new applications: the new program as the designer's editor writes it,
  # named by VTSTANDIN_TEMPLATE (the test builds and scripts/run write one); an empty file
  # when there is none, which a designer cannot open.
  template=${VTSTANDIN_TEMPLATE:-}
  if [ -f "$template" ]; then
    cp "$template" "$dir/store/d/tarvix/templates/default.ed"
  else
    : >"$dir/store/d/tarvix/templates/default.ed"
  fi
  # A real (self-signed, test-only) certificate, so that clients can check what they fetch.
  cp "$schema_dir/Vantora.cer" "$dir/store/d/tarvix/ssl/Vantora.cer"
  pid=
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    port=$((20000 + $(od -An -N2 -tu2 /dev/urandom) % 10000))
    setsid /usr/sbin/slapd -f "$dir/slapd.conf" -h "ldap://127.0.0.1:$port/" -d 0 \
      </dev/null >"$dir/slapd.log" 2>&1 &
    pid=$!
    i=0
    while kill -0 "$pid" 2>/dev/null; do
      ldapsearch -x -H "ldap://127.0.0.1:$port" -b "" -s base namingContexts >/dev/null 2>&1 && break 2
      i=$((i + 1)); [ $i -gt 250 ] && break
      sleep 0.02
    done
    kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=
  done
  if [ -z "$pid" ]; then
    echo "with-standin: slapd did not start" >&2
    rm -rf "$dir"
    return 1
  fi
  export VTSTANDIN_LDAP="127.0.0.1:$port" VTSTANDIN_BIND_DN="cn=admin,o=vantora" \
         VTSTANDIN_BIND_PW="standin" VTSTANDIN_SUFFIX="o=vantora" \
         VTSTANDIN_STORE="$(standin_winpath "$dir/store")" \
         VTSTANDIN_JOURNAL="$(standin_winpath "$dir/journal.txt")" \
         VTSTANDIN_DIR="$dir" VTSTANDIN_SLAPD_PID="$pid"
  return 0
}

# A watcher that stops the instance once process $1 has gone, so that a wrapper killed
# from outside (a test run's time-out) leaves no slapd and no folder behind. It checks that
# the PID still is this instance's slapd before it kills it.
standin_watch() {
  setsid sh -c '
    while kill -0 "$1" 2>/dev/null; do sleep 1; done
    if grep -q "$3/slapd.conf" "/proc/$2/cmdline" 2>/dev/null; then kill -KILL "$2"; fi
    [ -n "$4" ] || rm -rf "$3"' watch "$1" "$pid" "$dir" "${VTSTANDIN_KEEP:-}" </dev/null >/dev/null 2>&1 &
}

standin_stop() {
  if [ -n "${pid:-}" ]; then
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=
  fi
  if [ -n "${dir:-}" ] && [ -z "${VTSTANDIN_KEEP:-}" ]; then
    rm -rf "$dir"
  fi
  dir=
}
