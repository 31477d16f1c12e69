#!/usr/bin/env bash
# Shows whether a task measures what it claims: runs the simulated patient RUNS times (seeds
# 1 … RUNS), each in a freshly installed tree, and prints for every measure of the result row
# the value the patient model was given, and the mean and standard deviation of what the runs
# recovered.
#
#   tools/validate-simpatient.sh TASK RUNS [model options of kestrova-simpatient]
#   e.g. tools/validate-simpatient.sh 2 10 --spread 15
#        tools/validate-simpatient.sh 5 10 --thresholds 80,150,250
#
# Needs a build (bash scripts/build.sh). JOBS=2 runs two patients at a time; KEEP=1 keeps the
# trees (their Results folders) and prints where.
set -euo pipefail

if [ $# -lt 2 ]; then
    sed -n '2,11p' "$0" >&2
    exit 2
fi
task=$1
runs=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTROVA_BUILD:-$root/build}
if [ ! -x "$build/tools/simpatient/kestrova-simpatient" ]; then
    echo "No build in $build: run bash scripts/build.sh first." >&2
    exit 2
fi

# The value of a model option on the command line, or its default.
option() {
    local name=$1 default=$2 previous=""
    for arg in "${model[@]}"; do
        if [ "$previous" = "--$name" ]; then default=$arg; fi
        case $arg in --"$name"=*) default=${arg#*=} ;; esac
        previous=$arg
    done
    echo "$default"
}
model=("$@")

# The measures of each task: "name column given", column counted from 1 in the result row.
case $task in
2)
    measures="t2a 12 $(option rt-neutral 420)
t2b 16 $(option alerting 30)
t2c 20 $(option orienting 45)"
    ;;
3)
    # Three of the eight places (SW, W, NW) are on the left: the mean is rt + 3/8 of the delay.
    rt=$(option rt 650)
    left=$(option left-slower 40)
    measures="t3_rt 12 $(awk -v r="$rt" -v l="$left" 'BEGIN { print r + 3 * l / 8 }')
left 18 $(awk -v r="$rt" -v l="$left" 'BEGIN { print r + l }')
right 19 $rt"
    ;;
4)
    # Normal pointing errors of sd mm per axis: their distance has a geometric mean of
    # sd·e^((ln 2 − γ)/2) ≈ 1.06 sd at load 0, growing by the load factor per further cross;
    # average_f and average_l lie at the mean load, 2.5.
    sd=$(option pointing-sd 4)
    factor=$(option load-factor 1.15)
    gm=$(awk -v s="$sd" 'BEGIN { print s * exp((log(2) - 0.5772156649) / 2) }')
    measures="t4_intercept 15 $gm
t4_slope 14 $factor
average_f 12 $(awk -v g="$gm" -v f="$factor" 'BEGIN { print g * f ^ 2.5 }')
average_l 13 $(awk -v g="$gm" -v f="$factor" 'BEGIN { print g * f ^ 2.5 }')"
    ;;
1|5|6|7)
    # The staircase settles where half of the answers are right: the thresholds given. Only
    # the subtasks the task runs have a column.
    IFS=, read -r central peripheral dual <<<"$(option thresholds 80,150,250)"
    measures=""
    [ "$task" = 1 ] || [ "$task" = 5 ] && measures+="t1_central 12 $central"$'\n'
    [ "$task" = 1 ] || [ "$task" = 6 ] && measures+="t1_peripheral 19 $peripheral"$'\n'
    [ "$task" = 1 ] || [ "$task" = 7 ] && measures+="t1_dual 26 $dual"
    measures=$(printf '%s' "$measures" | sed '/^$/d')
    ;;
*)
    echo "Task $task has no measures to validate here yet." >&2
    exit 2
    ;;
esac

work=$(mktemp -d)
if [ "${KEEP:-0}" = 1 ]; then
    echo "trees kept in $work" >&2
else
    trap 'rm -rf "$work"' EXIT
fi

run_one() {
    local seed=$1 tree="$work/run$1"
    cmake --install "$build" --prefix "$tree" >/dev/null
    if (cd "$tree/bin" && QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} QTWEBENGINE_DISABLE_SANDBOX=1 \
        ./kestrova-simpatient --task "$task" --patient 'Validation;Run;01.01.1950' --seed "$seed" \
        "${model[@]}" >"$tree/stdout" 2>"$tree/stderr"); then
        tail -n 1 "$tree/stdout" >"$tree/row"
        echo "seed $seed: $(cat "$tree/row")" >&2
    else
        echo "seed $seed failed: $(tail -n 1 "$tree/stderr")" >&2
    fi
}
export -f run_one
export work build task
export MODEL="${model[*]:-}"
# The model options travel as one string; they hold no spaces of their own.
run_one_exported() { model=($MODEL); run_one "$1"; }
export -f run_one_exported
seq 1 "$runs" | xargs -P "${JOBS:-1}" -I{} bash -c 'run_one_exported {}'

rows=$(cat "$work"/run*/row 2>/dev/null || true)
count=$(printf '%s\n' "$rows" | grep -c ';' || true)
echo "task $task, $count of $runs runs completed, model: ${model[*]:-defaults}"
printf '%-14s %10s %12s %10s\n' measure given recovered sd
while read -r name column given; do
    printf '%s\n' "$rows" | grep ';' | cut -d';' -f"$column" | awk -v name="$name" -v given="$given" '
        $1 != "" && $1 !~ /nan|inf/ { n++; sum += $1; squares += $1 * $1 }
        END {
            if (n == 0) { printf "%-14s %10s %12s %10s\n", name, given, "-", "-"; exit }
            mean = sum / n; var = n > 1 ? (squares - n * mean * mean) / (n - 1) : 0
            printf "%-14s %10s %12.2f %10.2f\n", name, given, mean, sqrt(var > 0 ? var : 0)
        }'
done <<<"$measures"
unstable=$(grep -l "message: Unstable" "$work"/run*/stdout 2>/dev/null | wc -l || true)
echo "runs ended unstable: $unstable"
