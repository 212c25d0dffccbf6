#!/usr/bin/env bash
# The set-up script against a package database it may not change: a stand-in
# dpkg-query answers each package's status from STATUS, and stand-ins for id, sudo and
# apt-get record any call. Non-zero on the first case that fails.
set -eu
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps.sh"
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
for tool in bash grep tail sleep; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
cat >"$bin/dpkg-query" <<'STANDIN'
#!/bin/bash
# As dpkg answers: the Status field is "want ok state"; db:Status-Status the state alone.
case "$2" in *db:Status-Status*) printf '%s' "${STATUS##* }" ;; *) printf '%s' "$STATUS" ;; esac
STANDIN
printf '#!/bin/bash\necho 1000\n' >"$bin/id"
printf '#!/bin/bash\necho "apt-get $*" >>"$CALLS"\n' >"$bin/apt-get"
chmod 755 "$bin"/dpkg-query "$bin"/id "$bin"/apt-get
export CALLS="$bin/calls"

fail() { echo "FAILED: $*" >&2; exit 1; }
run() { : >"$CALLS"; STATUS="$1" PATH="$bin" bash "$script" >"$bin/out" 2>&1; }

# Installed, also when an administrator holds the package at its version: nothing to
# do, and neither apt nor root is asked, so a user without sudo can start the program.
for status in "install ok installed" "hold ok installed"; do
  run "$status" || fail "'$status': $(cat "$bin/out")"
  [ ! -s "$CALLS" ] || fail "'$status' called: $(cat "$CALLS")"
done
# Missing, for a user without sudo: the script says what to ask for and touches nothing.
if run "unknown ok not-installed"; then fail "a missing package without sudo succeeded"; fi
grep -q "needs root once" "$bin/out" || fail "no word on root: $(cat "$bin/out")"
[ ! -s "$CALLS" ] || fail "called: $(cat "$CALLS")"
echo "install-deps: every case passed"
