#!/usr/bin/env bash
# Runs every benchmark in one go and prints one table: the native benchmarks
# of the portable core, our profile functions next to the platform's under
# Wine, the program's start-up next to the minimal dialog program's and each
# tool's opening next to its own template opened bare by that program, its
# peak working set, and the size of the .exe.
#
#   tools/bench/run_benchmarks.sh [--runs N] [--readme]
#
#   --runs N    program starts of each kind for the whole-program figures (41)
#   --readme    also puts the table into README.md, section "Performance"
#
# Figures are medians; the whole-program ratios are the medians of each
# run's own ratio (ours next to the minimal program started just after it),
# since the machines are shared and noisy and may change speed between runs. Build folders: build/bench
# and build/windows (the presets), or CORVEL_BENCH_BUILD and
# CORVEL_WINDOWS_BUILD. WINEPREFIX as for scripts/wine-run.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD

runs=41
readme=
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=${2:?--runs needs a number}; shift 2 ;;
        --readme) readme=1; shift ;;
        *) echo "usage: $0 [--runs N] [--readme]" >&2; exit 2 ;;
    esac
done

bench_dir=${CORVEL_BENCH_BUILD:-$repo/build/bench}
windows_dir=${CORVEL_WINDOWS_BUILD:-$repo/build/windows}

./scripts/setup
echo "benchmark: building" >&2
cmake -S . -B "$bench_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVEL_BENCHMARKS=ON >/dev/null
cmake --build "$bench_dir" --target benchmarks >/dev/null
./scripts/configure-windows "$windows_dir"
cmake --build "$windows_dir" --target CorvelConfig minimal_dialog profile_benchmark ui_benchmark \
    >/dev/null

figures=$windows_dir/benchmark-figures.tsv  # every figure of the last run, kept for the record
: >"$figures"

# Native benchmarks: the median of three repetitions, in ms.
echo "benchmark: native benchmarks" >&2
for b in "$bench_dir"/tools/bench/*_benchmark; do
    "$b" --benchmark_format=csv --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true 2>/dev/null |
        awk -F, '$1 ~ /_median"$/ {
            name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
            scale = $5 == "ns" ? 1e-6 : $5 == "us" ? 1e-3 : $5 == "s" ? 1e3 : 1
            printf "native.%s\t%.6f\tms\n", name, $3 * scale
        }' >>"$figures"
done

# Under Wine: the programs run from the demo simulator folder, as installed.
sim=$windows_dir/bench-sim
mkdir -p "$sim"
cp -rn demo/. "$sim/"
install_dir=$sim/Norvane/Corvel
mkdir -p "$install_dir"
cp "$windows_dir/CorvelConfig.exe" "$windows_dir/minimal_dialog.exe" "$install_dir/"
unset DISPLAY
source ./scripts/xvfb-session
./scripts/wine-run >/dev/null # makes the prefix if needed

echo "benchmark: profile functions under Wine" >&2
(cd "$install_dir" && "$repo/scripts/wine-run" "$windows_dir/profile_benchmark.exe" --tsv) \
    >>"$figures"

echo "benchmark: whole program under Wine ($runs runs)" >&2
folder="Z:${install_dir//\//\\}"
(cd "$install_dir" && "$repo/scripts/wine-run" "$windows_dir/ui_benchmark.exe" "$folder" \
    "$folder\\CorvelConfig.exe" "$folder\\minimal_dialog.exe" "$runs" --tsv) >>"$figures"

printf 'size.exe\t%.6f\tMB\n' "$(stat -c %s "$windows_dir/CorvelConfig.exe" | awk '{print $1 / 1048576}')" \
    >>"$figures"

cpu=$(lscpu | sed -n 's/^Model name: *//p' | head -n1)
memory=$(free -g | awk '/^Mem:/ {print $2}')
wine_version=$(wine --version 2>/dev/null || /usr/lib/wine/wine64 --version 2>/dev/null || true)
machine="$cpu, $(nproc) cores, ${memory} GB; Debian $(cat /etc/debian_version), \
Linux $(uname -r), $wine_version, the $("$repo/scripts/windows-arch") build; $(date -u +%Y-%m-%d)"

# Rows: label | our figure | the other figure | rule | target. Rules: "max N"
# (ours at most N ms), "faster N" (the other / ours at least N), "ratio N"
# (ours / the other at most N), "-" (a figure for the record).
rows='Native (Google Benchmark) | | | |
`ComputeFuelPlan` | native.BM_ComputeFuelPlan | | max 0.002 | under 2 µs
Payload recalculation | native.BM_Recalculate | | max 0.001 | under 1 µs
One value read from a 60 KB `aircraft.cfg` | native.BM_ReadOneValueFromLargeAircraftCfg | | - |
Payload saved into two variant files | native.BM_SavePayloadBothVariants | | - |
Load manager opening: its reads of a 60 KB `aircraft.cfg` | native.BM_OpenLoadManager | | - |
182 `[Keys]` entries written into `Prefs.cfg` | native.SaveAllKeys | | - |
182 `[Keys]` entries read back | native.LoadAllKeys | | - |
Under Wine, next to the platform (ours, platform) | | | |
182 `[Keys]` entries written: one batch, platform one by one | profile.keys_write.ours_batch | profile.keys_write.platform_one_by_one | faster 20 | at least 20 times faster
182 `[Keys]` entries read back, platform uncached | profile.keys_read.ours | profile.keys_read.platform_uncached | ratio 2 | at most 2 times the platform
182 `[Keys]` entries read back, platform cached | profile.keys_read.ours | profile.keys_read.platform_cached | ratio 2 | at most 2 times the platform
One value from a 60 KB `aircraft.cfg`, platform uncached | profile.cfg_read.ours | profile.cfg_read.platform_uncached | - |
182 `[Keys]` entries written one by one, both | profile.keys_write.ours_one_by_one | profile.keys_write.platform_one_by_one | - |
Whole program under Wine, next to the minimal dialog program with our manifest and templates (ours, minimal) | | | |
Start-up to the main menu visible | ui.startup.ours | ui.startup.minimal | ratio 1.1 | at most 1.1 times
Configuration visible after its click, second opening | ui.dialog.configuration.second | ui.bare.configuration.second | ratio 1.3 | at most 1.3 times its bare template
A320 Load Manager visible after the selector closes, second opening | ui.dialog.load_manager.second | ui.bare.load_manager.second | ratio 1.3 | at most 1.3 times its bare template
Fuel Planner visible after the selector closes, second opening | ui.dialog.fuel_planner.second | ui.bare.fuel_planner.second | ratio 1.3 | at most 1.3 times its bare template
Key Assignments visible after its click, second opening | ui.dialog.key_assignments.second | ui.bare.key_assignments.second | ratio 1.3 | at most 1.3 times its bare template
Configuration, first opening (with its pictures decoded) | ui.dialog.configuration.first | ui.bare.configuration.first | - |
A320 Load Manager, first opening | ui.dialog.load_manager.first | ui.bare.load_manager.first | - |
Fuel Planner, first opening | ui.dialog.fuel_planner.first | ui.bare.fuel_planner.first | - |
Key Assignments, first opening | ui.dialog.key_assignments.first | ui.bare.key_assignments.first | - |
Aircraft Selector visible after a click, first opening | ui.dialog.aircraft_selector.first | ui.bare.aircraft_selector.first | - |
Aircraft Selector, second opening | ui.dialog.aircraft_selector.second | ui.bare.aircraft_selector.second | - |
Peak working set (all of the Wine process) | ui.memory.peak_working_set.ours | ui.memory.peak_working_set.minimal | wine | under 8 MB
`CorvelConfig.exe`, statically linked, all pictures | size.exe | | max 2 | under 2 MB'

table=$(awk -F'\t' -v rows="$rows" '
    NR == FNR { value[$1] = $2; unit[$1] = $3; next }
    function show(key,    v) {
        if (key == "") return ""
        if (!(key in value)) return "n/a"
        v = value[key]
        if (unit[key] == "MB") return sprintf("%.1f MB", v)
        if (v < 0.01) return sprintf("%.3f µs", v * 1000)
        if (v < 1) return sprintf("%.0f µs", v * 1000)
        if (v < 100) return sprintf("%.1f ms", v)
        return sprintf("%.0f ms", v)
    }
    END {
        print "| Figure | Corvel Config | Reference | Ratio | Target | |"
        print "|---|--:|--:|--:|---|---|"
        n = split(rows, line, "\n")
        for (i = 1; i <= n; i++) {
            split(line[i], f, / *\| */)
            label = f[1]; ours = f[2]; other = f[3]; rule = f[4]; target = f[5]
            if (ours == "") { printf "| **%s** | | | | | |\n", label; continue }
            ratio = ""; verdict = ""
            have = (ours in value) && (other == "" || other in value)
            split(rule, r, " ")
            # The whole-program ratios: each run paired with the next (ui_benchmark).
            paired = ours
            is_paired = sub(/^ui\./, "ui.ratio.", paired) && (paired in value)
            q = 0
            if (have && other != "" && value[ours] > 0 && value[other] > 0) {
                q = is_paired ? value[paired] : value[ours] / value[other]
                if (r[1] == "faster") ratio = sprintf("%.1f× faster", value[other] / value[ours])
                else if (r[1] == "wine") ratio = sprintf("+%.1f MB", value[ours] - value[other])
                else ratio = sprintf("%.2f", q)
            }
            if (!have && rule != "-") verdict = "not measured"
            else if (r[1] == "max") verdict = value[ours] <= r[2] ? "met" : "missed"
            else if (r[1] == "faster") verdict = value[other] / value[ours] >= r[2] ? "met" : "missed"
            else if (r[1] == "ratio") verdict = q <= r[2] ? "met" : "missed"
            else if (r[1] == "wine") verdict = "see below"
            printf "| %s | %s | %s | %s | %s | %s |\n", label, show(ours), show(other), ratio, target, verdict
        }
    }' "$figures" /dev/null)

echo
echo "$table"
echo
echo "Machine: $machine"

if [ -n "$readme" ]; then
    block=$(printf '<!-- benchmark table: tools/bench/run_benchmarks.sh --readme -->\n%s\n\nMachine: %s\n<!-- end of benchmark table -->' \
        "$table" "$machine")
    if grep -q '^<!-- benchmark table' README.md; then
        awk -v block="$block" '
            /^<!-- benchmark table/ { print block; skip = 1; next }
            /^<!-- end of benchmark table/ { skip = 0; next }
            !skip' README.md >README.md.new
    else
        { cat README.md; printf '\n## Performance\n\n%s\n' "$block"; } >README.md.new
    fi
    mv README.md.new README.md
    echo "benchmark: README.md updated" >&2
fi
