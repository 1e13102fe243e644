# shellcheck shell=bash
# Sourced: the Wine environment of this project, and creation of its prefix.
: "${repo:?}"
export WINEPREFIX="${DRVPROP_WINEPREFIX:-$repo/build/wine}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# What scripts/testbed knows about its running session, as KEY=VALUE lines.
testbed_state_file="$WINEPREFIX.testbed"

# Programs started while the test bed is up share its X display, and with it its desktop.
if [ -z "${DISPLAY:-}" ] && [ -f "$testbed_state_file" ]; then
  DISPLAY=$(sed -n 's/^TESTBED_DISPLAY=//p' "$testbed_state_file")
  if [ -n "$DISPLAY" ]; then export DISPLAY; else unset DISPLAY; fi
fi

# A fresh prefix is made once, under a lock, so that parallel test runs share it.
wine_prefix_ensure() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine: creating prefix $WINEPREFIX" >&2
      wine wineboot -i >/dev/null 2>&1
      wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
}
