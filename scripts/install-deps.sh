#!/usr/bin/env bash
# Installs what building, running and testing Velqora needs on Debian 12.
# Idempotent: packages already present are left alone, and when none is missing neither
# apt nor root is asked for anything, so a user without root can build and run once the
# packages are installed. Every name is a real package (a virtual one is never reported
# installed). Another package manager at work (on a fresh desktop the automatic updates
# often are, at boot) is waited for, not failed on.
set -eu
pkgs=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  libgl-dev libglx-dev
  qt6-qpa-plugins
  fonts-liberation
  # What plays a custom reminder sound (WAV, MP3, Ogg, FLAC; AIFF once the program has
  # made it WAV): GStreamer, whose headers the build reads and whose library the
  # program loads on the first play.
  libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
  # A sound server a test stops, as a hung one would be.
  pulseaudio
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # The desktop's address book, and the private session bus its tests run on.
  libebook1.2-dev evolution-data-server dbus-daemon
  # The session bus seen through a proxy, as a Flatpak sandbox has it, in a test.
  xdg-dbus-proxy
  # An input method daemon, without which the toolkit's IBus plugin stays out of the
  # way: a test has the plugin meet a daemon that never answers.
  ibus
  # A test makes a folder's sync fail through it, as a failing disk would.
  strace
  # The session protocol a test's own session manager speaks to the program.
  libsm-dev
  # A test uses up a real disk quota on a btrfs image it mounts.
  btrfs-progs
  # The X connection and main loop the program watches for the display going away,
  # and the X server a test ends under it, as a crashed desktop would.
  libx11-dev libxcb1-dev libglib2.0-dev xvfb
  # The monitors a test splits that X server into, and unplugs one of.
  x11-xserver-utils
  # Where a Wayland desktop offers no X display: the toolkit's Wayland plugin, which the
  # program loads only then; and a Wayland desktop a test starts it on.
  qt6-wayland weston
)
lock_wait_seconds=300

missing=()
for p in "${pkgs[@]}"; do
  # The state alone: a package an administrator holds at its version is installed too.
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Installing them needs root once: ask an administrator to run" \
      "'bash scripts/install-deps.sh' as root (or 'apt-get install ${missing[*]}')." >&2
    exit 1
  fi
  SUDO=sudo
fi
export DEBIAN_FRONTEND=noninteractive

# apt-get update gives up at once on a held package-list lock (DPkg::Lock::Timeout
# covers only the install's own locks), so it is retried here until the deadline.
deadline=$((SECONDS + lock_wait_seconds))
until out=$($SUDO apt-get -o DPkg::Lock::Timeout="$lock_wait_seconds" update -q 2>&1); do
  if ! grep -q "Could not get lock" <<<"$out" || [ "$SECONDS" -ge "$deadline" ]; then
    printf '%s\n' "$out" >&2
    exit 1
  fi
  [ -n "${told:-}" ] || echo "Another package manager is at work (often the automatic" \
    "updates at boot); waiting for it to finish, up to $lock_wait_seconds s..."
  told=1
  sleep 5
done
printf '%s\n' "$out" | tail -n 1
$SUDO apt-get -o DPkg::Lock::Timeout="$lock_wait_seconds" install -y -q \
  --no-install-recommends "${missing[@]}"
