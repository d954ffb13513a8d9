# Sourced by the installer's e2e scripts, after they set wine_dir and work: a prefix of their
# own in $work/prefix, since the printer, its driver, the default printer and the system files
# that setup installs must not reach the other tests of the session. Defines `win`, which runs
# a program there (a Windows path or a program of the build) and gives its output without CRs.
rm -rf "$work"
mkdir -p "$work"
cp -a "$wine_dir/template" "$work/prefix"
[ -f "$wine_dir/display" ] && cp "$wine_dir/display" "$work/display"
trap 'WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true' EXIT
# A warm server and the prefix's services started now, detached from our output, as the
# shared session does.
[ -f "$work/display" ] && export DISPLAY=$(cat "$work/display")
WINEPREFIX=$work/prefix WINEDEBUG=-all /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 9>&-
WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 9>&-
system32=$work/prefix/drive_c/windows/system32

win() { "$(dirname "${BASH_SOURCE[0]}")/../../support/wine-run" "$work" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
win_path() { echo "Z:$(echo "$1" | tr '/' '\\')"; }
