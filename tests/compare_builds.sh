#!/usr/bin/env bash
# Runs the Linux and the Windows exporter over a grid of windows and depths and checks
# that both write the same bytes. Usage: compare_builds.sh LINUX_EXPORTER WINDOWS_EXPORTER
set -euo pipefail
linux=$1
windows=$2
work=$(mktemp -d)
mkdir -p "$work/linux" "$work/windows"

# The Windows build's own Wine prefix, and one Wine server for all the runs below.
wine_run=$(cd "$(dirname "$0")/.." && pwd)/cmake/wine-run
prefix=$(cd "$(dirname "$windows")/.." && pwd)/wine-prefix
"$wine_run" --prefix "$prefix" --prepare
trap 'rm -rf "$work"; "$wine_run" --prefix "$prefix" --stop' EXIT

# Each window gets a folder of its own: two windows can share a file name.
cases=0
run_both() {
  local name=$1
  shift
  mkdir -p "$work/linux/$name" "$work/windows/$name"
  "$linux" "$@" --out "$work/linux/$name" >/dev/null
  "$wine_run" --prefix "$prefix" "$windows" "$@" --out "Z:${work//\//\\}\\windows\\$name" >/dev/null
  cases=$((cases + 1))
}

# dpi, smallest client, default client, then three more; the image side of the last
# is close to 4000 pixels.
windows_at=(
  "96 300x180 300x380 641x517 1920x1017 4000x4080"
  "120 375x225 375x475 800x601 1337x1500 4000x4150"
  "144 450x270 450x570 999x777 2560x1377 4020x4200"
  "110 344x206 344x435 555x999 1600x1234 4000x4100"
)
for row in "${windows_at[@]}"; do
  read -r dpi clients <<<"$row"
  for client in $clients; do
    for depth in -5 -4 -3 -2 -1 0 1 2 3 4 5; do
      run_both "$dpi-$client-$depth" --depth "$depth" --client "$client" --dpi "$dpi"
    done
  done
done
# Unequal resolutions along x and y.
for depth in -5 0 5; do
  run_both "110x144-700x500-$depth" --depth "$depth" --client 700x500 --dpi-x 110 --dpi-y 144
done

status=0
files=0
while IFS= read -r -d '' file; do
  name=${file#"$work/linux/"}
  files=$((files + 1))
  if ! cmp -s "$file" "$work/windows/$name"; then
    echo "differs: $name"
    status=1
  fi
done < <(find "$work/linux" -type f -print0)
windows_files=$(find "$work/windows" -type f | wc -l)
if ((windows_files != files)); then
  echo "the builds wrote $files and $windows_files files"
  status=1
fi
echo "compared $files files of $cases windows: $([[ $status == 0 ]] && echo identical || echo DIFFERENT)"
exit $status
