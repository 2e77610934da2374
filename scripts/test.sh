#!/usr/bin/env bash
# Builds, then runs every test (logic against real Firebird, windows offscreen).
# The server-mode tests get a Firebird server of their own on 127.0.0.1, started
# here by hand and stopped at the end: its own configuration, security database
# (with the suite's user QORZOLV8), lock directory and data directory, so that it
# shares nothing with the embedded tests or with any other server on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

FB_LIB=/usr/lib/$(gcc -dumpmachine)/firebird/3.0
FB_SECURITY_SQL=/usr/share/firebird/3.0/security.sql
fb_dir=""
fb_pid=""

server_running() {
  [ -n "$fb_pid" ] && [ -e "/proc/$fb_pid" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$fb_pid/status" 2>/dev/null
}

# A server asked to stop may wait for its network threads indefinitely; its data
# is thrown away, so it gets a short grace and is then killed.
kill_server() {
  if [ -z "$fb_pid" ]; then return 0; fi
  kill "$fb_pid" 2>/dev/null || true
  for _ in $(seq 15); do
    server_running || break
    sleep 0.2
  done
  kill -KILL "$fb_pid" 2>/dev/null || true
  wait "$fb_pid" 2>/dev/null || true
  fb_pid=""
}

stop_server() {
  kill_server
  if [ -n "$fb_dir" ]; then rm -rf "$fb_dir"; fi
}
trap stop_server EXIT

# The server's command: root hands it to the `firebird` user. One process from
# start to end, so that its pid is the server's.
server_command() {
  local env=(env FIREBIRD="$fb_dir" FIREBIRD_LOCK="$fb_dir/lock" FIREBIRD_TMP="$fb_dir/tmp")
  if [ "$(id -u)" = 0 ]; then
    server=(setpriv --reuid=firebird --regid=firebird --init-groups -- "${env[@]}" /usr/sbin/firebird)
  else
    server=("${env[@]}" /usr/sbin/firebird)
  fi
}

port_in_use() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# Written before anything runs with this root: without it the engine would use
# the system's security database.
write_server_conf() {
  cat > "$fb_dir/firebird.conf" <<EOF
RemoteServicePort = $1
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $fb_dir/security3.fdb
UdfAccess = None
EOF
}

prepare_server_dir() {
  umask 022
  fb_dir=$(mktemp -d /tmp/diario-fbserver-XXXXXX)
  chmod 755 "$fb_dir"
  mkdir "$fb_dir/lock" "$fb_dir/tmp" "$fb_dir/data"
  for f in plugins UDF lib firebird.msg plugins.conf; do
    ln -s "$FB_LIB/$f" "$fb_dir/$f"
  done
  # The engine does not take the character sets from a linked module: without a
  # copy under this root, WIN1252 is "not installed".
  mkdir "$fb_dir/intl"
  cp "$FB_LIB/intl/libfbintl.so" "$FB_LIB/intl/fbintl.conf" "$fb_dir/intl/"
  write_server_conf 3050
  cat > "$fb_dir/databases.conf" <<EOF
security.db = $fb_dir/security3.fdb
{
  RemoteAccess = false
}
EOF
  # The security database is made the way the Debian package makes its own, then
  # the suite's fixed user is added to it; both through the embedded engine, with
  # this directory's configuration, before the server runs.
  (
    export FIREBIRD="$fb_dir" FIREBIRD_LOCK="$fb_dir/lock" FIREBIRD_TMP="$fb_dir/tmp" LANG=C
    echo "create database '$fb_dir/security3.fdb';" | isql-fb -q
    isql-fb -q -user SYSDBA -i "$FB_SECURITY_SQL" "$fb_dir/security3.fdb"
    printf "create user QORZOLV8 password 'kwbx';\ngrant create database to user QORZOLV8;\ncommit;\n" |
      isql-fb -q -user SYSDBA "$fb_dir/security3.fdb"
  )
  if [ "$(id -u)" = 0 ]; then
    chown -R firebird:firebird "$fb_dir/lock" "$fb_dir/tmp" "$fb_dir/data" "$fb_dir/security3.fdb"
  fi
  chmod 1777 "$fb_dir/data"
}

# Starts the server on the first free port from 3050 and waits until it listens.
start_server() {
  local port server
  server_command
  for port in $(seq 3050 3099); do
    if port_in_use "$port"; then continue; fi
    write_server_conf "$port"
    "${server[@]}" > "$fb_dir/server.log" 2>&1 &
    fb_pid=$!
    # Up to a minute: the machine may be busy building.
    for _ in $(seq 300); do
      if ! server_running; then break; fi
      if port_in_use "$port"; then
        # The suite names a server on the default port by its host alone.
        if [ "$port" = 3050 ]; then DIARIO_FB_SERVER=localhost; else DIARIO_FB_SERVER="localhost/$port"; fi
        return 0
      fi
      sleep 0.2
    done
    kill_server
  done
  echo "Não foi possível iniciar o servidor Firebird de teste:" >&2
  cat "$fb_dir/server.log" >&2 || true
  return 1
}

prepare_server_dir
start_server
export DIARIO_FB_SERVER DIARIO_FB_SERVER_DIR="$fb_dir/data"
echo "Servidor Firebird de teste: $DIARIO_FB_SERVER (pid $fb_pid)"

export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)" "$@"
