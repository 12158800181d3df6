#!/usr/bin/env bash
# Starts and stops the servers the tests use.
#   servers.sh pg  start|stop DIR PORT   throwaway PostgreSQL cluster in DIR
#   servers.sh ftp start|stop DIR PORT   pyftpdlib serving DIR
set -euo pipefail
kind=$1 action=$2 dir=$3 port=$4
here=$(cd "$(dirname "$0")" && pwd)

pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

as_pg() {
  if [ "$(id -u)" = 0 ]; then
    (cd "$pg_bin" && runuser -u postgres -- "$@")
  else
    "$@"
  fi
}

case "$kind/$action" in
pg/start)
  [ -n "$pg_bin" ] || { echo "PostgreSQL server binaries not found" >&2; exit 1; }
  as_pg "$pg_bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$dir"; mkdir -p "$dir"
  [ "$(id -u)" = 0 ] && chown postgres "$dir"
  as_pg "$pg_bin/initdb" -D "$dir/data" -A trust -U postgres -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 \
    || { cat "$dir/initdb.log" >&2; exit 1; }
  as_pg "$pg_bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
    -o "-p $port -c listen_addresses=127.0.0.1 -c unix_socket_directories=$dir -c fsync=off -c full_page_writes=off -c synchronous_commit=off -c max_connections=200" start \
    || { cat "$dir/server.log" >&2; exit 1; }
  ;;
pg/stop)
  as_pg "$pg_bin/pg_ctl" -D "$dir/data" -m fast stop || true
  ;;
ftp/start)
  if [ -f "$dir.pid" ]; then kill "$(cat "$dir.pid")" 2>/dev/null || true; fi
  rm -rf "$dir"; mkdir -p "$dir/home/u"
  nohup /usr/bin/python3 "$here/ftp_server.py" "$dir" "$port" >"$dir.log" 2>&1 &
  echo $! >"$dir.pid"
  for _ in $(seq 1 50); do
    if /usr/bin/python3 -c "import socket,sys; socket.create_connection(('127.0.0.1', $port), 0.2)" 2>/dev/null; then
      exit 0
    fi
    sleep 0.1
  done
  cat "$dir.log" >&2; exit 1
  ;;
ftp/stop)
  if [ -f "$dir.pid" ]; then kill "$(cat "$dir.pid")" 2>/dev/null || true; rm -f "$dir.pid"; fi
  ;;
*) echo "usage: servers.sh pg|ftp start|stop DIR PORT" >&2; exit 2 ;;
esac
