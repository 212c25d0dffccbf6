#!/usr/bin/env bash
# Runs a command as a new user of the desktop would meet it, without touching the real
# one: HOME and the XDG user folders in a fresh temporary folder, a private D-Bus session
# bus (dbus-run-session) on which Evolution Data Server starts when first asked, no X
# display and GSettings kept in memory. Everything started on that bus has ended and
# the folder is gone when this script returns.
#
#   private-session.sh COMMAND...           on the private bus
#   private-session.sh --no-bus COMMAND...  the same folders, and no session bus at all
#
# Without dbus-run-session or Evolution Data Server it prints SKIP and exits 77 (what
# ctest counts as skipped), except under CI, where they are installed and their
# absence is a failure.
set -u
with_bus=1
if [ "${1:-}" = "--no-bus" ]; then with_bus=0; shift; fi

if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/evolution-source-registry ]; then
  echo "SKIP: dbus-run-session or Evolution Data Server is not installed (scripts/install-deps.sh installs them)"
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/velqora-session-XXXXXX")
# The program's test-only writers of the address book work only where this names the
# folder that holds HOME.
export VELQORA_PRIVATE_SESSION="$root"
export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" \
  XDG_CACHE_HOME="$root/cache" XDG_STATE_HOME="$root/state" XDG_RUNTIME_DIR="$root/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The system folders stay: without /usr/share's GSettings schemas the services abort.
export XDG_DATA_DIRS="${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" XDG_CONFIG_DIRS="${XDG_CONFIG_DIRS:-/etc/xdg}"
case ":$XDG_DATA_DIRS:" in *:/usr/share:*|*:/usr/share/:*) ;; *) XDG_DATA_DIRS="$XDG_DATA_DIRS:/usr/share" ;; esac
export GSETTINGS_BACKEND=memory
# With a display GLib may start a second bus of its own, which would outlive the run.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

# The processes started on the private bus: those whose HOME is ours.
ours() {
  local p env var
  for p in /proc/[0-9]*; do
    case "${p#/proc/}" in "$$" | "$BASHPID") continue ;; esac
    mapfile -d '' env 2>/dev/null <"$p/environ" || continue
    for var in "${env[@]}"; do
      [ "$var" = "HOME=$HOME" ] && { echo "${p#/proc/}"; break; }
    done
  done
}

if [ "$with_bus" = 1 ]; then
  dbus-run-session -- "$@"
else
  "$@"
fi
status=$?

# The services leave when their bus closes; give them a moment, then end any that stayed.
for _ in 1 2 3 4 5 6 7 8 9 10; do
  [ -z "$(ours)" ] && break
  sleep 0.2
done
for pid in $(ours); do
  echo "private-session: ending process $pid left on the private bus" >&2
  kill "$pid" 2>/dev/null
done
rm -rf "$root"
exit "$status"
