#!/usr/bin/env bash
# Runs COMMAND... beside a private CUPS daemon with PDF print queues, so that the tests print through a
# real print system. The daemon, its socket, spool and the PDFs live in one folder under /tmp; only the
# cups-pdf backend's per-queue configurations go to /etc/cups (it reads them nowhere else) under names
# of this run, and all of it is removed when COMMAND ends.
#
# COMMAND sees:
#   CUPS_SERVER               the private daemon's socket (nothing reaches the system's print queues)
#   PRINTER                   frostdil-pdf, its default queue: cups-pdf writes each job into
#   FROSTDIL_CUPS_PDF_FOLDER  as job_<id>-<title>.pdf
#   frostdil-refusing         a queue that refuses every job
#   frostdil-failing          a queue whose backend cancels every job (its output folder cannot exist)
#   frostdil-stopped          a stopped queue ("Out of paper") that keeps its jobs waiting
#
# cups-pdf only runs as root. Without root COMMAND runs alone and the print system tests skip; as root
# a daemon that does not start is an error, so that CI never passes them by skipping.
#
# Usage: scripts/with-cups.sh COMMAND [ARGUMENT...]
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 COMMAND [ARGUMENT...]" >&2
  exit 2
fi

note() { echo "with-cups: $*" >&2; }

if [ "$(id -u)" -ne 0 ]; then
  note "not root: no private print system (cups-pdf needs root); the print system tests will skip"
  exec "$@"
fi
for program in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/sbin/cupsreject /usr/sbin/cupsdisable /usr/lib/cups/backend/cups-pdf; do
  [ -x "$program" ] || { note "$program is missing (scripts/setup.sh installs it)"; exit 1; }
done

root="$(mktemp -d /tmp/frostdil-cups.XXXXXX)"
chmod 755 "$root" # the filters run as the daemon's user "lp"
run="frostdil-$$"
daemon=""

cleanup() {
  if [ -n "$daemon" ]; then
    kill "$daemon" 2>/dev/null || true
    wait "$daemon" 2>/dev/null || true
  fi
  rm -f /etc/cups/cups-pdf-"$run"-*.conf
  rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$root/etc" "$root/spool" "$root/cache" "$root/state" "$root/log" "$root/pdf"
socket="$root/cups.sock"

cat >"$root/etc/cupsd.conf" <<EOF
Listen $socket
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
cat >"$root/etc/cups-files.conf" <<EOF
ServerRoot $root/etc
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
User lp
Group lp
SystemGroup root
EOF

# One cups-pdf configuration per queue: "cups-pdf:/NAME" reads /etc/cups/cups-pdf-NAME.conf.
backend_config() { # NAME OUTPUT-FOLDER
  cat >"/etc/cups/cups-pdf-$run-$1.conf" <<EOF
Out $2
AnonDirName $2
Spool $root/cups-pdf-spool
Grp root
Label 1
Log $root/log
LogType 1
EOF
}
backend_config pdf "$root/pdf"
touch "$root/not-a-folder"
backend_config failing "$root/not-a-folder/pdf"

/usr/sbin/cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" 2>"$root/log/cupsd" &
daemon=$!

export CUPS_SERVER="$socket"
for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  kill -0 "$daemon" 2>/dev/null || break
  sleep 0.1
done
if ! lpstat -r >/dev/null 2>&1; then
  note "the private CUPS daemon did not start:"
  cat "$root/log/cupsd" "$root/log/error_log" >&2 2>/dev/null || true
  exit 1
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
add_queue() { # QUEUE BACKEND-CONFIG
  # lpadmin warns that printer drivers are deprecated; the warning is kept out of the test output.
  lpadmin -p "$1" -E -v "cups-pdf:/$run-$2" -P "$ppd" 2>>"$root/log/lpadmin" ||
    { cat "$root/log/lpadmin" >&2; exit 1; }
}
add_queue frostdil-pdf pdf
add_queue frostdil-refusing pdf
add_queue frostdil-failing failing
add_queue frostdil-stopped pdf
cupsreject frostdil-refusing
cupsdisable -r "Out of paper" frostdil-stopped
lpadmin -d frostdil-pdf

# The default for this process tree only: PRINTER wins over the user's own lpoptions.
export PRINTER=frostdil-pdf
unset LPDEST
export FROSTDIL_CUPS_PDF_FOLDER="$root/pdf"

status=0
"$@" || status=$?
exit "$status"
