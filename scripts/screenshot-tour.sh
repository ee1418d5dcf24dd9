#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program: starts the built orvela under its own
# Xvfb display (1024x768), drives it with xdotool and writes the PNG files. Re-run it to refresh
# them after a change to the windows or the sample course.
#
#   scripts/build.sh && scripts/screenshot-tour.sh
#
# Needs Xvfb, xdotool, ImageMagick (import, convert) and poppler-utils (pdftoppm).
# ORVELA_TOUR_DISPLAY picks the display number (default :71).
#
# The program runs on a temporary copy of the built course with HOME and the XDG directories in
# the same temporary directory, so the course, the results and the user's own settings are not
# touched. For the end-of-run picture the copy's FRA51120.DAT is replaced by
# scripts/tour/FRATOUR.DAT, a ten-item exercise whose answers are all "est": the items are drawn
# in a random order, and this way the script can answer every one of them right.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

program=$root/build/content/PROGRAM/orvela
course=$root/build/content
docs=$root/docs
display=${ORVELA_TOUR_DISPLAY:-:71}
width=800 # width of the pictures in docs/ (256-colour PNG, to keep them small)

for tool in Xvfb xdotool import convert pdftoppm; do
    command -v "$tool" > /dev/null || { echo "screenshot-tour: $tool is missing" >&2; exit 1; }
done
[ -x "$program" ] || { echo "screenshot-tour: build the program first (scripts/build.sh)" >&2; exit 1; }
if [ -e "/tmp/.X11-unix/X${display#:}" ]; then
    echo "screenshot-tour: display $display is in use; set ORVELA_TOUR_DISPLAY" >&2
    exit 1
fi

work=$(mktemp -d /tmp/orvela-tour.XXXXXX)
xvfb_pid=
orvela_pid=
cleanup() {
    [ -n "$orvela_pid" ] && kill "$orvela_pid" 2> /dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/course" "$work/home/.config" "$work/home/.local/share" "$work/run" "$docs"
chmod 700 "$work/run"
for d in BILD DATA LJUD PROGRAM RESULTAT; do
    cp -r "$course/$d" "$work/course/"
done
rm -f "$work/course/PROGRAM/orvela"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.1
done

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/run LC_ALL=C.UTF-8

# start_orvela [options...]: starts the program on the course copy and waits for its window.
start_orvela() {
    "$program" --content-root "$work/course" "$@" > "$work/orvela.log" 2>&1 &
    orvela_pid=$!
    wait_window '^Orvela$'
    sleep 1.5 # the start pictures and the first paint
}

stop_orvela() {
    kill "$orvela_pid" 2> /dev/null || true
    wait "$orvela_pid" 2> /dev/null || true
    orvela_pid=
}

# wait_window REGEX: waits until a visible window with that title exists.
wait_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" > /dev/null || {
        echo "screenshot-tour: no window \"$1\" appeared" >&2
        import -window root /tmp/orvela-tour-failed.png 2> /dev/null || true
        cat "$work/orvela.log" >&2
        exit 1
    }
}

click() {
    xdotool mousemove "$1" "$2" click 1
    sleep "${3:-1}"
}

# shot NAME: the whole screen, scaled down, as docs/NAME.png.
shot() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -resize "${width}x" -strip -dither None -colors 256 "PNG8:$docs/$1.png"
    echo "docs/$1.png"
}

# Positions on the 1024x768 screen: the main menu's buttons, then the menu windows that open
# over it one step further down and to the right.
main_grammatik=(511 365)
main_diagnos=(511 406)
main_worksheet=(511 447)
grammatik_substantiv=(523 245)
substantiv_bestamd=(560 279)
bestamd_draihop=(597 354)

# 1 and 2: the main menu, and a cascade Grammatik > Substantiv > Bestämd artikel.
start_orvela
shot tour-1-main-menu
click "${main_grammatik[@]}"
wait_window '^Grammatik$'
click "${grammatik_substantiv[@]}"
wait_window '^Substantiv$'
click "${substantiv_bestamd[@]}"
wait_window '^Bestämd artikel$'
shot tour-2-menu-cascade

# 3: the exercise "Dra ihop" with a wrong answer and the right one shown below it.
click "${bestamd_draihop[@]}" 2
xdotool type --delay 80 "à le"
sleep 0.3
xdotool key Return
sleep 0.6 # the right answer stays for three seconds
shot tour-3-wrong-answer
stop_orvela

# 4: the diagnosis protocol of a new pupil.
start_orvela
click "${main_diagnos[@]}"
wait_window '^Diagnostic$'
xdotool type --delay 80 "Elsa Berg"
xdotool key Return
wait_window '^Diagnosprotokoll$'
sleep 1
shot tour-5-diagnosis-protocol
stop_orvela

# 5: a worksheet: worksheet mode, ten items of "Dra ihop", printed to PDF (no printer here, so
# the program asks for a PDF file), the first page rendered.
start_orvela
click "${main_worksheet[@]}"
click "${main_grammatik[@]}"
wait_window '^Grammatik$'
click "${grammatik_substantiv[@]}"
wait_window '^Substantiv$'
click "${substantiv_bestamd[@]}"
wait_window '^Bestämd artikel$'
click "${bestamd_draihop[@]}" 2
click 91 728                   # Välja antal
for _ in $(seq 9); do          # up to 10
    click 145 718 0.2
done
click 297 728                  # Klart
click 595 728                  # Skriv ut
click 259 728 0                # Skriv ut utan svaren
wait_window '^Spara utskriften som PDF-fil$'
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/arbetsblad.pdf"
xdotool key Return
for _ in $(seq 50); do
    [ -s "$work/arbetsblad.pdf" ] && break
    sleep 0.2
done
sleep 1
stop_orvela
[ -s "$work/arbetsblad.pdf" ] || { echo "screenshot-tour: no worksheet PDF was written" >&2; exit 1; }
pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$work/arbetsblad.pdf" "$work/page"
convert "$work/page.png" -resize "${width}x" -strip -dither None -colors 256 "PNG8:$docs/tour-6-worksheet.png"
echo "docs/tour-6-worksheet.png"

# 6: the end of a run with ten right answers: praise and a reward picture.
cp "$root/scripts/tour/FRATOUR.DAT" "$work/course/DATA/FRA51120.DAT"
start_orvela --exercise FRA51120.DAT
for _ in $(seq 10); do
    xdotool type --delay 60 est
    xdotool key Return
    sleep 0.7
done
sleep 2
shot tour-4-praise-and-reward
stop_orvela
