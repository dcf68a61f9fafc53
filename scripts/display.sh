# A virtual X display of this run's own, for scripts to source:
#   start_virtual_display [Xvfb options...]  starts it, exports DISPLAY
#   stop_virtual_display                     stops it again, by its pid
# Xvfb picks a free display number itself (-displayfd) and writes it only
# once it accepts clients, so the display used is the one started here and
# never a server of another run that answers on a number thought free.

virtual_display_pid=""

start_virtual_display() {
  local numbers number
  numbers=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp "$@" 3>"$numbers" >/dev/null 2>&1 &
  virtual_display_pid=$!
  for _ in $(seq 100); do
    read -r number <"$numbers" || true
    [[ -z $number ]] || break
    kill -0 "$virtual_display_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numbers"
  [[ -n $number ]] || {
    echo "${0##*/}: Xvfb did not start" >&2
    return 1
  }
  export DISPLAY=":$number"
}

stop_virtual_display() {
  [[ -z $virtual_display_pid ]] || kill "$virtual_display_pid" 2>/dev/null || true
  virtual_display_pid=""
}
