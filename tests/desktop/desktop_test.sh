#!/usr/bin/env bash
# The window on real display servers, driven the way a user drives it: a private X server
# (Xvfb) with real X input from xdotool, and a headless Wayland compositor (weston). Each
# case starts its own servers and a copy of the program in a temporary folder, so that the
# settings file it writes at close (with the key-press count Tech) is its own.
#
# usage: desktop_test.sh Q417 Q417_CLI CASE
#   held-key      holding a key or the space bar for 1.5 s with the X server's auto-repeat on is
#                 one key press
#   typing        keys typed one after another, a held key in the text panel, clicks on keys
#   layouts       the same physical keys print the same tape under X layouts us de fr ru cz
#   scale-2       a whole scale factor of 2 gives a 1298 x 1150 window that works
#   x11-outline   under X the desktop shows through the cut-out parts, without and with a
#                 compositing manager (xcompmgr)
#   wayland       under weston the desktop shows through the parts cut out of the outline
#   wayland-keys  under weston, fed real key events by an X server: a held key is one key
#                 press, and the same physical keys print the same tape under us and de
#   wayland-drag  under weston, dragging the cabinet moves the window (the compositor's move)
#   wayland-scale-2  under weston at a scale factor of 2, real pointer input reaches the whole
#                 1298 x 1150 machine: a key at its lower right and the close button
#   run-rules     during a run of the start key: opening the machine and a cancelled load
#                 end it (the tape stands still), the signal-path panel opened after typing
#                 shows the last key press, the wheel over a panel turns no rotor
# Exit status 77: skipped, with the reason on standard output.
set -euo pipefail
q417=$1
cli=$2
case_name=$3

tmp=$(mktemp -d)
pids=()
cleanup() {
    local rc=$? p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
    exit "$rc"
}
trap cleanup EXIT
skip() { echo "SKIPPED: $*"; exit 77; }
fail() {
    echo "FAIL: $*" >&2
    # What the display servers said, for a failure that is theirs.
    local log
    for log in "$tmp"/xvfb.log "$tmp"/weston.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):" >&2; tail -n 15 "$log" >&2; }
    done
    exit 1
}
need() { local t; for t in "$@"; do command -v "$t" >/dev/null || skip "$t is not installed (tools/dev test installs it)"; done; }

# A private X server on a free display number, with the server's key repeat on; arguments
# are passed on to Xvfb. It keeps its state when its last client leaves (-noreset): a reset
# would build its keymap again between two of the case's commands.
start_x() {
    need Xvfb xdotool xset
    rm -f "$tmp/display"
    exec 3>"$tmp/display"
    Xvfb -displayfd 3 -noreset -screen 0 1400x1200x24 -nolisten tcp "$@" >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    pids+=($!)
    exec 3>&-
    local _
    for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
    [ -s "$tmp/display" ] || skip "Xvfb did not start: $(cat "$tmp/xvfb.log")"
    export DISPLAY=":$(head -n1 "$tmp/display")"
    export QT_QPA_PLATFORM=xcb
    xset r on || fail "the X server on $DISPLAY does not answer"
}

# Copies the program into a folder of its own (it keeps its settings beside itself), without
# the settings of a run before.
fresh_q417() {
    mkdir -p "$tmp/run"
    cp "$q417" "$tmp/run/q417"
    rm -f "$tmp/run/Q417.INI"
}

# Starts the program on X; sets $window to its visible window.
start_q417() {
    fresh_q417
    XDG_RUNTIME_DIR="$tmp" "$tmp/run/q417" >"$tmp/q417.log" 2>&1 &
    q417_pid=$!
    pids+=("$q417_pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Q-417$' | head -n1) ||
        fail "no window within 20 s: $(cat "$tmp/q417.log")"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
    scale=${scale:-1}
    xdotool mousemove $((win_x + 300 * scale)) $((win_y + 150 * scale))
    sleep 0.3
}

# A click at a point of the machine picture (in the window's own 649 x 575 coordinates).
click_at() {
    xdotool mousemove $((win_x + $1 * scale)) $((win_y + $2 * scale)) click 1
    sleep 0.1
}

# Closes with the control box's close button, which writes the settings; prints Tech.
close_and_count() {
    click_at 613 17
    local _
    for _ in $(seq 100); do kill -0 "$q417_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$q417_pid" 2>/dev/null && fail "the close button did not close the window"
    wait "$q417_pid" 2>/dev/null || true
    "$cli" config "$tmp/run/Q417.INI" | awk '$1 == "Counter" && $2 == "Tech" { print $4 }'
}

expect_count() {
    local got
    got=$(close_and_count)
    [ "$got" = "$1" ] || fail "$2: $got key presses counted, $1 expected"
    echo "ok: $2 ($got)"
}

# Holds a key (by X key code) for the given time.
hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
    sleep 0.2
}

case_held_key() {
    start_x
    start_q417
    # Qt marks most of the server's repeat pairs, but not a pair whose press it has not read
    # yet when it looks: two holds give that race many chances.
    hold 42 1.5  # G
    hold 42 1.5
    hold 65 1.5  # the space bar
    expect_count 3 "a key held twice for 1.5 s and the space bar held once"
}

case_typing() {
    start_x
    start_q417
    xdotool key --delay 80 42 42 43 65 24  # G G H space Q: five presses, G twice
    click_at $((60 + 20)) $((321 + 20))     # the keyboard picture: row 1, column 1
    click_at $((185 + 100)) $((461 + 20))   # the space bar
    click_at $((185 + 100)) $((461 + 70))   # its lower half does not respond
    # A held key in the text panel's input box goes to the machine once as well.
    click_at 613 65
    sleep 0.3
    hold 42 1.2
    click_at 632 19  # the panel's own close button; the panel covers the control box
    expect_count 8 "typed keys, clicks and a key held in the text panel"
}

# The tape (32, 74, 537 x 18 on the machine) after typing the same physical keys: the
# characters the layout ($1) gives them, typed by name, so that xdotool finds their keys
# through the server's keymap as a user's keyboard would.
physical_keys=(24 25 26 42 43 38 52 59 60 34 47)  # Q W E G H A Z , . [ ; on a US keyboard
tape_after_typing() {
    local keys=() code
    for code in "${physical_keys[@]}"; do
        keys+=("$(xmodmap -pke | awk -v c="$code" '$1 == "keycode" && $2 == c { print $4 }')")
    done
    echo "$1: typing ${keys[*]}"
    start_q417
    xdotool key --delay 60 "${keys[@]}"
    sleep 0.3
    import -window root -crop "537x18+$((win_x + 32))+$((win_y + 74))" "$tmp/tape-$1.png"
    local count
    count=$(close_and_count)
    [ "$count" = 11 ] || fail "layout $1: $count key presses counted, 11 expected"
}

# A keymap folder whose default layout is the given one. Debian 12's Xvfb keeps the keymap it
# started with whatever setxkbmap asks later, so every layout gets a server of its own,
# started with this folder: the system's keymap files, with the layout's symbols standing in
# for the default us.
keymap_folder() {
    local system=/usr/share/X11/xkb folder=$tmp/xkb-$1 entry
    mkdir -p "$folder/symbols"
    for entry in "$system"/*; do
        [ "$(basename "$entry")" = symbols ] || ln -s "$entry" "$folder/"
    done
    for entry in "$system"/symbols/*; do ln -s "$entry" "$folder/symbols/"; done
    rm "$folder/symbols/us"
    cp "$system/symbols/$1" "$folder/symbols/us"
    echo "$folder"
}

case_layouts() {
    need Xvfb xmodmap import compare
    [ -d /usr/share/X11/xkb/symbols ] || skip "no keymap files in /usr/share/X11/xkb"
    # The letter each layout puts on the key at the US keyboard's z.
    local -A on_z=([us]=z [de]=y [fr]=w [ru]=Cyrillic_ya [cz]=y)
    local layout taken=()
    for layout in us de fr ru cz; do
        start_x -xkbdir "$(keymap_folder "$layout")"
        if [ "$(xmodmap -pke | awk '$1 == "keycode" && $2 == 52 { print $4 }')" != "${on_z[$layout]}" ]; then
            echo "note: this X server did not take the layout $layout"
        else
            tape_after_typing "$layout"
            taken+=("$layout")
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    done
    [ ${#taken[@]} -ge 2 ] || skip "this X server takes no keyboard layouts"
    for layout in "${taken[@]:1}"; do
        compare -metric AE "$tmp/tape-${taken[0]}.png" "$tmp/tape-$layout.png" null: 2>/dev/null ||
            fail "the tape typed under $layout differs from the one typed under ${taken[0]}"
    done
    echo "ok: the same tape under ${taken[*]}"
}

case_scale_2() {
    start_x
    export QT_SCALE_FACTOR=2
    scale=2
    start_q417
    [ "${win_w}x${win_h}" = 1298x1150 ] || fail "window of ${win_w}x${win_h} at scale 2"
    hold 42 1.2
    click_at $((60 + 20)) $((321 + 20))
    expect_count 2 "a held key and a click at scale 2"
}

# Points of a screenshot ($1) of a desktop of one colour ($2, as rrggbb) with the window at
# ($3, $4): outside the outline the desktop must show, inside it the machine.
check_outline() {
    local shot=$1 desktop=$2 left=$3 top=$4 point
    pixel() { convert "$shot" -format "%[hex:p{$((left + $1)),$((top + $2))}]" info:; }
    # Outside the outline: the rounded corners, below the body between the feet, the holes.
    for point in "1 1" "647 1" "1 520" "100 560" "400 560" "640 570" "221 537" "234 537"; do
        [ "$(pixel $point | cut -c1-6)" = "$desktop" ] ||
            fail "the window covers the desktop at ($point): $(pixel $point)"
    done
    # Inside it: the body, a foot, the lever's tab.
    for point in "20 20" "324 300" "50 530" "165 570"; do
        [ "$(pixel $point | cut -c1-6)" != "$desktop" ] ||
            fail "the machine is missing at ($point)"
    done
}

# The window's colour depth: 32 where it is translucent, 24 where only its shape cuts it.
depth_is() {
    local depth
    depth=$(xwininfo -id "$window" | awk '/Depth:/ { print $2 }')
    [ "$depth" = "$1" ] || fail "window of depth $depth $2, $1 expected"
}

# A plain X server cuts the window with its shape; under a compositing manager the window is
# translucent as well. Either way the desktop shows through the parts outside the outline.
case_x11_outline() {
    need convert import xsetroot xwininfo
    start_x
    start_q417
    xsetroot -solid '#00c000'
    sleep 0.3
    depth_is 24 "without a compositor"
    import -window root "$tmp/plain.png"
    check_outline "$tmp/plain.png" 00C000 "$win_x" "$win_y"
    echo "ok: the desktop shows through the outline on X without a compositor"
    command -v xcompmgr >/dev/null || skip "xcompmgr is not installed (tools/dev test installs it)"
    xcompmgr >"$tmp/xcompmgr.log" 2>&1 &
    pids+=($!)
    sleep 0.5
    close_and_count >/dev/null
    start_q417
    depth_is 32 "under a compositing manager"
    sleep 0.5
    import -window root "$tmp/composited.png"
    # The compositing manager paints the desktop its own way: its colour is read off a corner
    # of the screen, away from the window.
    local desktop
    desktop=$(convert "$tmp/composited.png" -format '%[hex:p{2,2}]' info: | cut -c1-6)
    check_outline "$tmp/composited.png" "$desktop" "$win_x" "$win_y"
    echo "ok: the desktop shows through the outline under a compositing manager"
}

need_qt_wayland() {
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
        skip "Qt's Wayland platform plugin is not installed (package qt6-wayland)"
}

# Weston with a desktop of one colour (#00c000), in a runtime folder of its own named by $1;
# the rest is the command that starts weston on its back end. Sets WAYLAND_DISPLAY.
start_weston() {
    export XDG_RUNTIME_DIR=$tmp/runtime-$1
    shift
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff00c000\npanel-position=none\nlocking=false\n' \
        >"$tmp/weston.ini"
    "$@" --socket=q417-test --config="$tmp/weston.ini" >"$tmp/weston.log" 2>&1 &
    weston_pid=$!
    pids+=("$weston_pid")
    local _
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/q417-test" ] && break; sleep 0.1; done
    [ -S "$XDG_RUNTIME_DIR/q417-test" ] || skip "weston did not start: $(tail -3 "$tmp/weston.log")"
    export WAYLAND_DISPLAY=q417-test
}

# The rectangle of a screenshot (a file, or png:- for standard input) that is not the
# desktop's colour.
not_desktop() {
    convert "$1" -fill black -fuzz 1% +opaque '#00c000' -format '%@' info:
}

# Weston on its headless back end draws into memory; its screenshooter (allowed with
# --debug) saves what is on the output. The desktop is one flat colour, so every pixel of
# that colour inside the window's rectangle is a place where the desktop shows through.
case_wayland() {
    need weston weston-screenshooter convert
    need_qt_wayland
    start_weston headless weston --backend=headless-backend.so --use-pixman --width=1400 \
        --height=1200 --debug
    unset DISPLAY
    fresh_q417
    QT_QPA_PLATFORM=wayland "$tmp/run/q417" >"$tmp/q417.log" 2>&1 &
    pids+=($!)
    sleep 3
    (cd "$tmp" && weston-screenshooter >/dev/null 2>&1) || fail "weston-screenshooter failed"
    local shot
    shot=$(ls "$tmp"/wayland-screenshot-*.png 2>/dev/null | head -n1)
    [ -n "$shot" ] || fail "no screenshot"
    # The window's rectangle: everything that is not the desktop's colour.
    local box
    box=$(not_desktop "$shot")
    [[ $box =~ ^649x575\+([0-9]+)\+([0-9]+)$ ]] ||
        fail "window on the screen: $box, 649x575 expected ($(cat "$tmp/q417.log"))"
    check_outline "$shot" 00C000 "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
    echo "ok: the desktop shows through the outline under Wayland"
}

# Weston's X11 back end shows its output in a window on an X server and passes that server's
# key codes and pointer steps on to its Wayland clients as a keyboard and a pointer would:
# real Wayland input. Weston makes the keymap it gives its clients from the layout names the
# X server reports (always us here), looked up in the keymap folder XKB_CONFIG_ROOT names, so
# the layout's symbols ($1) stand in for us there.
start_weston_on_x() {
    local layout=$1 output
    start_x
    # The X server stands in for the keyboard alone: on Wayland the client repeats a held key
    # itself (Qt, at the rate weston gives), which is what is checked here.
    xset r off
    start_weston "$layout" env XKB_CONFIG_ROOT="$(keymap_folder "$layout")" \
        weston --backend=x11-backend.so --use-pixman --width=900 --height=700
    output=$(xwininfo -root -tree | awk '/"Weston Compositor/ { print $1; exit }')
    [ -n "$output" ] || fail "no weston output window on the X server"
}

# The machine's place on weston's output (whose window lies at the top left of the screen),
# found by the desktop's colour: sets win_x and win_y.
find_on_weston() {
    # Weston moves its pointer by the X pointer's steps and takes its place only when the
    # pointer comes into the output's window, so the pointer is brought in from outside. In
    # the middle of the output it lies on the machine wherever weston puts it, so its cursor
    # does not widen the rectangle that is not the desktop.
    local box="" _
    for _ in $(seq 100); do
        xdotool mousemove 1200 1000 mousemove 450 350
        box=$(import -window root -crop 900x700+0+0 +repage png:- | not_desktop png:-)
        [[ $box =~ ^649x575\+([0-9]+)\+([0-9]+)$ ]] && break
        sleep 0.1
    done
    [[ $box =~ ^649x575\+([0-9]+)\+([0-9]+)$ ]] ||
        fail "no machine on weston's output: $box ($(cat "$tmp/q417.log"))"
    win_x=${BASH_REMATCH[1]} win_y=${BASH_REMATCH[2]} scale=1
}

# Starts the program on Wayland from a folder of its own and finds it on weston's output.
start_q417_on_weston() {
    fresh_q417
    QT_QPA_PLATFORM=wayland "$tmp/run/q417" >"$tmp/q417.log" 2>&1 &
    q417_pid=$!
    pids+=("$q417_pid")
    find_on_weston
}

stop_weston_on_x() {
    kill "$weston_pid" "$xvfb_pid" 2>/dev/null || true
    wait "$weston_pid" "$xvfb_pid" 2>/dev/null || true
}

need_weston_on_x() {
    need weston xwininfo import convert compare
    ls /usr/lib/*/libweston-*/x11-backend.so >/dev/null 2>&1 ||
        skip "weston's X11 back end is not installed"
    [ -d /usr/share/X11/xkb/symbols ] || skip "no keymap files in /usr/share/X11/xkb"
    need_qt_wayland
}

wayland_keys_under() {
    local layout=$1
    start_weston_on_x "$layout"
    start_q417_on_weston
    sleep 0.3
    hold 42 1.5  # G
    xdotool key --delay 60 "${physical_keys[@]}"
    sleep 0.3
    import -window root -crop "537x18+$((win_x + 32))+$((win_y + 74))" "$tmp/tape-$layout.png"
    local count
    count=$(close_and_count)
    [ "$count" = 12 ] ||
        fail "Wayland, layout $layout: $count key presses counted, 12 expected (one held key, eleven typed)"
    stop_weston_on_x
}

case_wayland_keys() {
    need_weston_on_x
    wayland_keys_under us
    wayland_keys_under de
    compare -metric AE "$tmp/tape-us.png" "$tmp/tape-de.png" null: 2>/dev/null ||
        fail "the tape typed on Wayland under de differs from the one under us"
    echo "ok: on Wayland a held key is one key press, and us and de print the same tape"
}

# On Wayland a window cannot place itself: dragging the cabinet hands the move to the
# compositor, which moves the window with the pointer. A click still works where it went.
case_wayland_drag() {
    need_weston_on_x
    start_weston_on_x us
    start_q417_on_weston
    local x0=$win_x y0=$win_y
    xdotool mousemove $((x0 + 300)) $((y0 + 10))  # the top of the cabinet, no control there
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove $((x0 + 280)) $((y0 + 40))
    sleep 0.1
    xdotool mousemove $((x0 + 250)) $((y0 + 70))
    sleep 0.3
    xdotool mouseup 1
    sleep 0.3
    find_on_weston
    [ "$win_x,$win_y" = "$((x0 - 50)),$((y0 + 60))" ] ||
        fail "dragged by (-50, 60) from ($x0, $y0), the window is at ($win_x, $win_y)"
    echo "ok: dragged on Wayland from ($x0, $y0) to ($win_x, $win_y)"
    expect_count 0 "closed with its close button after the move"
}

# At a scale factor of 2 the machine must take the pointer over its whole outline, not only
# over the quarter its outline covers unscaled: the space bar lies in the lower half and the
# close button in the right half.
case_wayland_scale_2() {
    need_weston_on_x
    local output box="" _
    start_x
    xset r off
    start_weston us env XKB_CONFIG_ROOT="$(keymap_folder us)" \
        weston --backend=x11-backend.so --use-pixman --width=1360 --height=1180
    output=$(xwininfo -root -tree | awk '/"Weston Compositor/ { print $1; exit }')
    [ -n "$output" ] || fail "no weston output window on the X server"
    fresh_q417
    QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=wayland "$tmp/run/q417" >"$tmp/q417.log" 2>&1 &
    q417_pid=$!
    pids+=("$q417_pid")
    for _ in $(seq 100); do
        xdotool mousemove 1395 1195 mousemove 680 590
        box=$(import -window root -crop 1360x1180+0+0 +repage png:- | not_desktop png:-)
        [[ $box =~ ^1298x1150\+([0-9]+)\+([0-9]+)$ ]] && break
        sleep 0.1
    done
    [[ $box =~ ^1298x1150\+([0-9]+)\+([0-9]+)$ ]] ||
        fail "no 1298x1150 machine on weston's output: $box ($(cat "$tmp/q417.log"))"
    win_x=${BASH_REMATCH[1]} win_y=${BASH_REMATCH[2]} scale=2
    click_at $((185 + 100)) $((461 + 20))  # the space bar
    click_at $((60 + 20)) $((321 + 20))    # the keyboard picture: row 1, column 1
    expect_count 2 "the space bar and a key clicked at scale 2, closed with the close button"
}

# The paper tape as it stands now.
tape_shot() {
    import -window root -crop "537x18+$((win_x + 32))+$((win_y + 74))" "$tmp/$1.png"
}
same_shots() {
    [ "$(compare -metric AE "$tmp/$1.png" "$tmp/$2.png" null: 2>&1 || true)" = 0 ]
}
# Loads a text through the loader's load button and the real file dialog ($1: the file, or
# empty to cancel the dialog).
load_through_dialog() {
    click_at 580 487
    sleep 1.2
    if [ -n "$1" ]; then
        xdotool type --delay 20 "$1"
        xdotool key Return
    else
        xdotool key Escape
    fi
    sleep 0.6
}

case_run_rules() {
    need import compare
    start_x
    start_q417
    printf '\xc0%.0s' $(seq 3000) >"$tmp/long.txt"  # А three thousand times
    # Opening the machine mid-run: the run ends, and nothing more is typed into it.
    load_through_dialog "$tmp/long.txt"
    click_at 586 376  # ПУСК
    sleep 1
    click_at 263 188  # the window band of rotor 5 opens the machine
    sleep 0.3
    tape_shot open-1
    sleep 1
    tape_shot open-2
    same_shots open-1 open-2 || fail "the run went on typing into the opened machine"
    click_at 263 120  # the top of the open machine closes it
    # A cancelled load mid-run: the run ends, nothing of the old text is typed.
    click_at 586 376
    sleep 1
    load_through_dialog ""
    tape_shot load-1
    sleep 1
    tape_shot load-2
    same_shots load-1 load-2 || fail "the run went on after a cancelled load"
    # The wheel over the guide, which covers the rotors, turns none of them.
    import -window root -crop "330x191+$((win_x + 115))+$((win_y + 108))" "$tmp/rotors-1.png"
    xdotool key F1
    sleep 0.5
    xdotool mousemove $((win_x + 263)) $((win_y + 188)) click 4 click 4 click 5 click 4
    sleep 0.3
    click_at 631 18  # the guide's close button
    sleep 0.3
    xdotool mousemove $((win_x + 263)) $((win_y + 300))
    sleep 0.3
    import -window root -crop "330x191+$((win_x + 115))+$((win_y + 108))" "$tmp/rotors-2.png"
    same_shots rotors-1 rotors-2 || fail "the wheel over the guide turned a rotor"
    local count
    count=$(close_and_count)
    [ "$count" -gt 20 ] && [ "$count" -lt 400 ] || fail "$count key presses in two short runs"
    echo "ok: the runs ended when the machine opened and when a load was cancelled ($count)"
    # The signal-path panel opened after typing equals the one open while typing.
    local order
    for order in open-first open-after; do
        start_q417
        [ "$order" = open-first ] && { xdotool key F2; sleep 0.4; }
        xdotool key --delay 120 42 43 44  # G H J
        sleep 0.3
        [ "$order" = open-after ] && { xdotool key F2; sleep 0.4; }
        xdotool mousemove $((win_x + 300)) $((win_y + 560))
        sleep 0.4
        import -window root -crop "637x314+$((win_x + 7))+$((win_y + 6))" "$tmp/panel-$order.png"
        xdotool key F2  # the panel covers the close button
        sleep 0.3
        close_and_count >/dev/null
    done
    same_shots panel-open-first panel-open-after ||
        fail "the signal-path panel opened after typing shows another key press"
    echo "ok: the signal-path panel opened after typing shows the last key press"
}

case "$case_name" in
    run-rules) case_run_rules ;;
    held-key) case_held_key ;;
    typing) case_typing ;;
    layouts) case_layouts ;;
    scale-2) case_scale_2 ;;
    x11-outline) case_x11_outline ;;
    wayland) case_wayland ;;
    wayland-keys) case_wayland_keys ;;
    wayland-drag) case_wayland_drag ;;
    wayland-scale-2) case_wayland_scale_2 ;;
    *) fail "unknown case $case_name" ;;
esac
