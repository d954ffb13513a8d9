# Runs folium.exe under the build's Wine session for a test case (sourced by shell_e2e).
# Defines: prepare_case, driver, start_viewer, close_viewer, wait_viewer_exit,
# spool_job, page_file_count, temp_dir, field, wine_path, fail.

CAPTION="Print Preview - folium"
PRINTER="Quillor Printer"
wine_run=$here/../../support/wine-run
wine_dir=$build/wine
viewer_pid=

fail() {
  echo "shell_e2e $case_name: $*" >&2
  [ -d "${case_dir:-}" ] && touch "$case_dir/failed"
  if [ -f "$wine_dir/display" ]; then
    import -display "$(cat "$wine_dir/display")" -window root "$case_dir/failure.png" 2>/dev/null &&
      echo "screen saved to $case_dir/failure.png" >&2
  fi
  exit 1
}

# Never leave a viewer behind: ask it to close, then end it.
cleanup() {
  if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then
    driver command "$CAPTION" 57665 >/dev/null 2>&1 || true
    for _ in $(seq 50); do kill -0 "$viewer_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$viewer_pid" 2>/dev/null || true
    wait "$viewer_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

driver() {
  timeout 60 "$wine_run" "$wine_dir" "$build/bin/shell_driver.exe" "$@" </dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

field() {  # name text
  sed -n "s/^$1=//p" <<<"$2"
}

wine_path() {
  echo "Z:${1//\//\\}"
}

spool_dir() {
  echo "$wine_dir/prefix/drive_c/windows/system32/spool/printers"
}

# A fresh copy of the viewer beside blank.emf in the case's folder APP ("app" unless
# named), an empty spool directory. A failed try's folder is kept beside as CASE.failed, so
# that a passing retry does not wipe what said why it failed.
prepare_case() {  # case [app folder name]
  case_dir=$build/e2e-shell/$1
  app_dir=$case_dir/${2:-app}
  if [ -f "$case_dir/failed" ]; then
    rm -rf "$case_dir.failed"
    mv "$case_dir" "$case_dir.failed"
  fi
  rm -rf "$case_dir"
  mkdir -p "$app_dir"
  for exe in folium.exe folium98.exe foliumnt.exe; do
    cp "$build/bin/folium.exe" "$app_dir/$exe"
  done
  cp "$build/bin/blank.emf" "$build/bin/Rastra.dll" "$app_dir/"
  mkdir -p "$(spool_dir)"
  find "$(spool_dir)" -maxdepth 1 -iname '*.spl' -delete
}

spool_job() {  # number pages [text lines per page]
  timeout 300 "$wine_run" "$wine_dir" "$build/bin/write_sample_job.exe" \
    "C:\\windows\\system32\\spool\\PRINTERS\\$1.SPL" "$2" "${3:-0}" </dev/null >/dev/null ||
    fail "could not write the sample job"
}

page_file_count() {  # [folder, the work folder beside the viewer by default]
  find "${1:-$app_dir/work}" -maxdepth 1 -iname '*.emf' 2>/dev/null | wc -l
}

# The prefix's temporary folder, which every program shares.
temp_dir() {
  echo "$wine_dir/prefix/drive_c/users/$(id -un)/Temp"
}

start_viewer() {  # exe name (QUILLOR_WIN_VERSION from the environment)
  "$wine_run" "$wine_dir" "$app_dir/$1" </dev/null >"$case_dir/viewer.log" 2>&1 &
  viewer_pid=$!
  driver wait-visible "$CAPTION" 30000 || fail "no window \"$CAPTION\""
}

wait_viewer_exit() {
  local rc=0
  for _ in $(seq 300); do kill -0 "$viewer_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$viewer_pid" 2>/dev/null && fail "viewer still running 30 s after closing"
  wait "$viewer_pid" || rc=$?
  viewer_pid=
  [ "$rc" -eq 0 ] || fail "viewer exit code $rc"
}

close_viewer() {
  driver command "$CAPTION" 57665 || fail "could not close the viewer"
  wait_viewer_exit
}
