#!/usr/bin/env bash
# Builds the pure text code natively with clang under AddressSanitizer and
# UBSan, runs its bounds tests one case per process (a sanitizer abort then
# costs one case, not the rest), and gives each fuzz target a few seconds.
# Usage: scripts/native-checks.sh [BUILD_DIR]   (default build/native)
# Ends with "N passed, M failed"; exits non-zero when anything failed.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:-$root/build/native}" || exit 1
build=$(cd "${1:-$root/build/native}" && pwd)
fuzz_seconds=${NATIVE_FUZZ_SECONDS:-4}

passed=0
failed=0
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ] && exit 0
  exit 1
}

# A build failure counts once: nothing else can run.
if ! CC=clang CXX=clang++ cmake -S "$root/tests/native" -B "$build" -G "Unix Makefiles" \
       -DCMAKE_BUILD_TYPE= >"$build/configure.log" 2>&1 ||
   ! cmake --build "$build" -j 2 >"$build/build.log" 2>&1; then
  cat "$build/configure.log" "$build/build.log" 2>/dev/null | tail -n 40
  echo "FAIL native build"
  failed=1
  finish
fi

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

if ! cases=$("$build/native_test" --list); then
  echo "FAIL native_test --list"
  failed=$((failed + 1))
fi
for name in $cases; do
  if "$build/native_test" "$name" >"$build/$name.log" 2>&1; then
    echo "ok   $name"
    passed=$((passed + 1))
  else
    grep -vx "FAIL $name" "$build/$name.log"
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
done

# Seeds are rewritten each run; the corpus the fuzzers grow beside them is
# kept in the build folder so later runs start further in.
seed() {  # TARGET NAME BYTES (printf escapes)
  mkdir -p "$build/seeds/$1"
  printf "$3" >"$build/seeds/$1/$2"
}
# s as a length-prefixed part, then t.
seed fuzz_find_last backslash '\x01\\Environment\\TEMP'
seed fuzz_find_last lone-lead '\x01\xD2ab\xD2'
seed fuzz_find_last trail-5c '\x02\\x\xF2\x5Cx\\x'
# find and replacement as length-prefixed parts, then the bytes.
seed fuzz_replace_in_bytes crlf '\x02\r\n\x01\x00a\r\nb\r\n\r'
seed fuzz_replace_in_bytes grow '\x01a\x02aaaaa'
# n as four big-endian bytes, a second text, then the text.
seed fuzz_text cut '\x00\x00\x00\x07\x02D:C:\\Temp\\'
seed fuzz_text nul '\xFF\xFF\xFF\xFF\x00ab\x00c'
# The whole input is the path.
seed fuzz_split_paths shell 'Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Personal'
seed fuzz_split_paths trail-5c 'A\\Key\xF2\x5C'
seed fuzz_split_paths doubled 'Environment\\TEMP\\\\'
seed fuzz_split_paths unc '\\\\server\\share\\Docs'
seed fuzz_split_paths drive 'D:\\My Documents'
# Capacity mode and amount, the address as a part, then the registered command.
seed fuzz_link_command quoted '\x00\x03\x08http://z"C:\\b.exe" -url "%%1"'
seed fuzz_link_command bare '\x01\x00\x01ub.exe %%1'
seed fuzz_link_command none '\x02\x0A\x01xapp.exe'

mkdir -p "$build/artifacts"
for target in fuzz_find_last fuzz_replace_in_bytes fuzz_text fuzz_split_paths fuzz_link_command; do
  mkdir -p "$build/corpus/$target"
  log=$build/$target.log
  if "$build/$target" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
       -artifact_prefix="$build/artifacts/$target-" \
       "$build/corpus/$target" "$build/seeds/$target" >"$log" 2>&1; then
    echo "ok   $target ($(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2) runs)"
    passed=$((passed + 1))
  else
    grep -v '^#[0-9]' "$log" | tail -n 40
    echo "FAIL $target (replay: $build/$target <artifact above>)"
    failed=$((failed + 1))
  fi
done

finish
