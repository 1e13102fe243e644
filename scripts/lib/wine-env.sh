# Sourced: the Wine environment of this project, and creation of its prefix.
: "${repo:?}"
export WINEPREFIX="${DRVPROP_WINEPREFIX:-$repo/build/wine}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

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
