# Shell functions shared by the screenshot scripts, sourced inside their X
# session. They drive the program as a user does, with xdotool.

# find_window TITLE: the id of the visible window of the program (X class
# $window_class, "mireto" unless set) titled exactly TITLE. Titles are compared as getwindowname reads them (the UTF-8 title):
# xdotool search --name reads the legacy title, which Xlib garbles when the
# program runs under a locale the system lacks.
find_window() {
  local id
  for _ in $(seq 1 50); do
    for id in $(xdotool search --onlyvisible --classname "^${window_class:-mireto}\$" 2>/dev/null || true); do
      [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$1" ]] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  echo "screenshot: no window titled $1 appeared" >&2
  return 1
}

# click WINDOW X Y: a left click at window pixel (X, Y).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# pick WINDOW X Y INDEX: opens the list at window pixel (X, Y), goes to its
# first item with Home, INDEX items down with the arrow key, and takes it
# with Return.
pick() {
  click "$1" "$2" "$3"; sleep 0.4; xdotool key Home
  for _ in $(seq 1 "$4"); do xdotool key Down; done
  xdotool key Return; sleep 0.3
}

# enter_worked_chart WINDOW: enters 1 January 2000, 12:00 (time difference 0)
# in the main window and presses 八字表示; leaves the menu bar height in $menu.
# Window pixels of the client area lie
# below the menu bar (the client is 338 pixels high); control centres come from
# the layout tables (twips / 15).
enter_worked_chart() {
  local window=$1 years
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu=$((HEIGHT - 338))
  click "$window" 33 $((menu + 15))           # 年入力 (120, 75, 750 x 315 twips)
  years=$(find_window "年入力")
  click "$years" 40 35                        # 2000年代 (165, 405, 885 x 255)
  sleep 0.3
  click "$years" 25 84                        # the first year of the list: 2000
  click "$years" 99 40                        # 決定 (1050, 405, 885 x 390)
  sleep 0.3
  pick "$window" 86 $((menu + 15)) 0          # month 1 (990, 75, 615 x 315)
  pick "$window" 152 $((menu + 15)) 0         # day 1 (1980, 75)
  pick "$window" 218 $((menu + 15)) 13        # hour 12 after "?" and 0..11 (2970, 75)
  pick "$window" 285 $((menu + 15)) 1         # minute 0 after "?" (3975, 75)
  click "$window" 256 $((menu + 69))          # 八字表示 (3375, 855, 930 x 375)
  sleep 0.5   # let the chart be drawn
}
