#!/usr/bin/env bash
# Measures the attention task's stimulus timing as the screen shows it: installs a fresh tree,
# starts Xvfb, runs kestrova-screenobserver and one simulated patient run (task 2, X11
# platform) on it, and prints the cue duration and cue-target figures seen on the screen beside
# the program's own onset stamps of the same run.
#
#   bash tools/measure-screen-timing.sh [BUILD_DIR] [-- extra simulated patient options]
#
# BUILD_DIR (default: build) must hold a configured and built tree with
# tools/screenobserver/kestrova-screenobserver (built when the xcb DAMAGE development files are
# installed, see scripts/deps.sh). A run takes about four minutes; the raw files are kept in
# the temporary folder printed at the end. Timing figures are only meaningful on a quiet machine.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
[ $# -gt 0 ] && shift
[ "${1:-}" = "--" ] && shift
case "$build" in /*) ;; *) build="$root/$build" ;; esac
observer="$build/tools/screenobserver/kestrova-screenobserver"
if [ ! -x "$observer" ]; then
    echo "measure-screen-timing: $observer is missing (install libxcb-damage0-dev, reconfigure and build)" >&2
    exit 1
fi

work="$(mktemp -d /tmp/kestrova-screen-timing.XXXXXX)"
cmake --install "$build" --prefix "$work/tree" >/dev/null

# A free display number.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done
export DISPLAY=":$display"

# The observer is the measuring instrument: as root it runs ahead of the rest of the machine.
nice_observer=()
[ "$(id -u)" -eq 0 ] && nice_observer=(nice -n -10)
"${nice_observer[@]}" "$observer" >"$work/screen.txt" 2>"$work/observer.err" &
observer_pid=$!
pids=("$observer_pid" "${pids[@]}")
sleep 0.5

echo "measure-screen-timing: simulated patient on $DISPLAY (about four minutes)..."
status=0
(cd "$work/tree/bin" && QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 \
    ./kestrova-simpatient --task 2 --patient 'Timing;Screen;01.01.1950' --seed 1 --verbose "$@" \
    >"$work/patient.out" 2>"$work/patient.err") || status=$?
kill "$observer_pid" 2>/dev/null || true
wait "$observer_pid" 2>/dev/null || true

echo "== simulated patient (exit $status)"
grep -v '^report \|^[0-9]' "$work/patient.out" || true

python3 - "$work/screen.txt" "$work/patient.err" <<'PY'
import sys

NOMINAL_CUE, NOMINAL_INTERVAL = 100.0, 400.0


def figures(name, nominal, values):
    if not values:
        print(f"{name}: no samples")
        return
    errors = sorted(v - nominal for v in values)
    n = len(errors)

    def rank(p):  # nearest rank
        return errors[min(n - 1, max(0, -(-p * n // 100) - 1))]

    median = errors[n // 2] if n % 2 else (errors[n // 2 - 1] + errors[n // 2]) / 2
    early = sum(1 for e in errors if e < 0)
    over = sum(1 for e in errors if e > 1.0)
    label = f"(nominal {nominal:.0f} ms), measured - nominal" if nominal else "difference"
    print(f"{name} {label}: median {median:+.3f}, "
          f"p95 {rank(95):+.3f}, p99 {rank(99):+.3f}, max {errors[-1]:+.3f}, min {errors[0]:+.3f} ms; "
          f"early {early}, over 1 ms {over} (n = {n})")


# Screen: asterisk on -> asterisk off -> target on, per alerted trial.
screen_cue, screen_onset_to_target, screen_offset_to_target = [], [], []
on = off = None
last_centre, last_target = "none", "-"
for line in open(sys.argv[1]):
    if line.startswith("#"):
        continue
    t, centre, target = line.split()
    t = float(t)
    if centre == "asterisk" and last_centre != "asterisk":
        on, off = t, None
    elif last_centre == "asterisk" and centre != "asterisk" and on is not None:
        off = t
    if target != "-" and last_target == "-":
        if on is not None and off is not None:
            screen_cue.append(off - on)
            screen_onset_to_target.append(t - on)
            screen_offset_to_target.append(t - off)
        on = off = None
    last_centre, last_target = centre, target

# The program's own stamps: "onsets <cond> <cue ms> <interval ms> <cue> <interval>".
own = {0: [], 1: [], 2: []}
for line in open(sys.argv[2], errors="replace"):
    parts = line.split()
    if len(parts) == 6 and parts[0] == "onsets":
        own[int(parts[1])].append((float(parts[2]), float(parts[3])))

print("== on the screen (damage seen by kestrova-screenobserver), alerted trials")
figures("cue on screen", NOMINAL_CUE, screen_cue)
figures("cue onset to target onset on screen", NOMINAL_CUE + NOMINAL_INTERVAL, screen_onset_to_target)
figures("cue offset to target onset on screen", NOMINAL_INTERVAL, screen_offset_to_target)
print("== the program's own stamps (trial clock), alerted trials")
figures("cue", NOMINAL_CUE, [c for c, _ in own[1]])
figures("cue onset to target onset", NOMINAL_CUE + NOMINAL_INTERVAL, [c + i for c, i in own[1]])
figures("cue offset to target onset", NOMINAL_INTERVAL, [i for _, i in own[1]])
print("== the program's own stamps, all trials")
figures("cue-target interval", NOMINAL_INTERVAL, [i for k in own for _, i in own[k]])
# Where the time goes, per alerted trial: the screen against the program's own stamps shows
# what the paint and its way to the display server added; the stamps against nominal show the
# steps' own lateness.
if len(own[1]) == len(screen_cue) and screen_cue:
    print("== screen minus the program's own stamps, per alerted trial (paint and flush)")
    figures("cue", 0, [s - c for s, (c, _) in zip(screen_cue, own[1])])
    figures("cue offset to target onset", 0, [s - i for s, (_, i) in zip(screen_offset_to_target, own[1])])
    figures("cue onset to target onset", 0, [s - c - i for s, (c, i) in zip(screen_onset_to_target, own[1])])
else:
    print(f"== {len(screen_cue)} alerted trials on screen, {len(own[1])} in the program's stamps: not paired")
PY
echo "raw files: $work (screen.txt, patient.out, patient.err)"
exit "$status"
