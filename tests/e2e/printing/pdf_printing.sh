# Printing to the PDF queue of a CUPS server of the test's own (sourced after
# viewer_session.sh). Defines: start_cups, print_direct, start_print, wait_pdf, pdf_field;
# stops the server and keeps its log in the case's folder on exit, and shows the log's end
# when the case failed: a queue's refusal is often only said there.
cups_dir=$(mktemp -d)
# The filters run as another user and read the job's files below it.
chmod 755 "$cups_dir"
cupsd_pid=
stop_all() {
  cleanup
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ -f "${case_dir:-}/failed" ] && [ -s "$cups_dir/log/error_log" ]; then
    echo "the CUPS server's log ends:" >&2
    tail -n 20 "$cups_dir/log/error_log" >&2
  fi
  [ -d "$case_dir" ] && cp -r "$cups_dir/log" "$case_dir/cups-log" 2>/dev/null
  rm -rf "$cups_dir"
}
trap stop_all EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../../support/private-cups.sh"
start_cups() { start_private_cups "$cups_dir" || fail "cupsd did not start or took no PDF queue"; }

pdf_dir=$HOME/PDF
# Prints directly and waits for the job's PDF: its path on stdout.
print_direct() {
  start_print "$1"
  driver command "$CAPTION" 57608 >/dev/null || fail "print command refused"
  wait_pdf "$1"
}
start_print() {
  touch "$case_dir/marker.$1"
  sleep 1
}
# The PDF of the job started since start_print NAME, copied to NAME.pdf.
wait_pdf() {
  local marker=$case_dir/marker.$1 found=
  for _ in $(seq 60); do
    found=$(find "$pdf_dir" -maxdepth 1 -name '*.pdf' -newer "$marker" 2>/dev/null | head -n 1)
    [ -n "$found" ] && break
    sleep 1
  done
  [ -n "$found" ] || fail "no PDF after printing ($1)"
  sleep 1
  cp "$found" "$case_dir/$1.pdf"
  echo "$case_dir/$1.pdf"
}
pdf_field() {  # file name
  pdfinfo "$1" | sed -n "s/^$2: *//p"
}

