#!/usr/bin/env bash
# Builds the libFuzzer target (clang, AddressSanitizer + UndefinedBehaviorSanitizer) over the
# parse entry and the text form, and runs it for a given time.
#
#   bash scripts/fuzz.sh [SECONDS] [WORKERS]     (defaults: 300 seconds, 2 workers)
#   bash scripts/fuzz.sh replay FILE...          (runs the target once over each file)
#
# The corpus grows in fuzz/corpus/, seeded from fuzz/seeds/, examples/*.xml and tests/documents/;
# crash reproducers land in fuzz/artifacts/. The dictionary is drawn from the element names and
# enumeration texts the records know, so records added later are covered without editing it.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

if ! command -v clang++ >/dev/null 2>&1 || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 \
   || ! command -v cmake >/dev/null 2>&1 || ! command -v ninja >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq clang libclang-rt-14-dev cmake ninja-build >/dev/null
fi

BUILD=${QUAYMARK_FUZZ_BUILD:-$ROOT/build/fuzz}
CXX=clang++ cmake -S fuzz -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "${QUAYMARK_FUZZ_JOBS:-4}" >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

if [ "${1:-}" = replay ]; then
  shift
  exec "$BUILD/parse_replay" "$@"
fi

SECONDS_TO_RUN=${1:-300}
WORKERS=${2:-2}

mkdir -p fuzz/corpus fuzz/artifacts
cp -n fuzz/seeds/* fuzz/corpus/ 2>/dev/null || true
for f in examples/*.xml; do [ -e "$f" ] && cp -n "$f" fuzz/corpus/ || true; done
if [ -d tests/documents ]; then
  find tests/documents -type f -name '*.xml' | while read -r f; do
    cp -n "$f" "fuzz/corpus/doc-$(echo "$f" | tr '/' '_')" || true
  done
fi

# The dictionary: XML punctuation, then every quoted name-like literal of the records.
DICT="$BUILD/siri.dict"
{
  printf '%s\n' '"<"' '">"' '"</"' '"/>"' '"<!--"' '"-->"' '"<![CDATA["' '"]]>"' '"<?"' '"?>"' \
    '"<!DOCTYPE "' '"&amp;"' '"&lt;"' '"&#x"' '"&#"' '";"' '"=\""' '"xmlns:siri"' '"version"' '"\xEF\xBB\xBF"'
  grep -rhoE '"[A-Za-z][A-Za-z0-9:_]{1,60}"' parser/src | sort -u
} > "$DICT"

exec "$BUILD/parse_fuzzer" fuzz/corpus \
  -dict="$DICT" -max_total_time="$SECONDS_TO_RUN" -fork="$WORKERS" -ignore_crashes=0 \
  -max_len="${QUAYMARK_FUZZ_MAX_LEN:-16384}" -timeout=10 -rss_limit_mb=2560 \
  -artifact_prefix=fuzz/artifacts/ -print_final_stats=1
