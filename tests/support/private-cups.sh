# A CUPS server of a test's or benchmark's own (sourced).
# start_private_cups DIR: listens only on DIR/cups.sock, with the PDF queue "PDF" as its
# default; sets cupsd_pid and exports CUPS_SERVER, so the machine's printers stay out. The
# jobs' files stay in DIR/spool.
# Returns non-zero when the server or the queue cannot be had. The caller stops cupsd_pid.
start_private_cups() {
  local dir=$1
  mkdir -p "$dir"/{root,spool,cache,state,log,tmp}
  cat >"$dir/root/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
# Kept for the tests that read what the printer driver wrote into a job.
PreserveJobFiles Yes
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  cat >"$dir/root/cups-files.conf" <<CONF
ServerRoot $dir/root
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
  cupsd -f -c "$dir/root/cupsd.conf" -s "$dir/root/cups-files.conf" &
  cupsd_pid=$!
  export CUPS_SERVER=$dir/cups.sock
  for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
  [ -S "$CUPS_SERVER" ] || return 1
  lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || return 1
  lpadmin -d PDF
}
