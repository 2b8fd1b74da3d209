#!/usr/bin/env bash
# Builds Zentrope and runs every test: the suite, the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer (windows offscreen), and the
# fuzz targets for a bounded time. Started as root (as CI is), it installs what
# is missing and then runs everything as an unprivileged user, since permission
# failures never happen to root. Each stage says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
TOP=$(pwd)

if [ "$(id -u)" -eq 0 ]; then
  bash scripts/install-deps.sh
  bash scripts/install-deps.sh package
  if [ -z "${ZENTROPE_ALLOW_ROOT:-}" ]; then
    id zentrope-test >/dev/null 2>&1 || useradd --create-home --shell /bin/bash zentrope-test
    chown -R zentrope-test: "$TOP"
    exec runuser -u zentrope-test -- env HOME=/home/zentrope-test USER=zentrope-test \
      PATH="$PATH" CI="${CI:-}" FUZZ_SECONDS="${FUZZ_SECONDS:-}" bash "$TOP/scripts/test.sh"
  fi
else
  bash scripts/install-deps.sh
fi

JOBS=$(nproc)
unset XDG_RUNTIME_DIR || true

# "== name" starts a stage; the one before it tells its time.
STAGE=""
STAGE_START=$SECONDS
stage() {
  [ -z "$STAGE" ] || echo "-- $STAGE: $((SECONDS - STAGE_START)) s"
  STAGE=$1
  STAGE_START=$SECONDS
  [ -z "$STAGE" ] || echo "== $STAGE"
}

stage "translations"
bash scripts/check-translations.sh

stage "formatting (.clang-format)"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
fi

stage "build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS" --timeout 600

stage "the Debian package"
bash scripts/package.sh build

stage "every test under AddressSanitizer and UndefinedBehaviorSanitizer"
# -O1 keeps the sanitized suite quick without losing the stack traces.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
  -DZENTROPE_SANITIZE=address,undefined -DZENTROPE_BUILD_BENCH=OFF
cmake --build build-asan -j "$JOBS"
echo "-- sanitized build: $((SECONDS - STAGE_START)) s"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0 \
LSAN_OPTIONS=suppressions="$TOP/tests/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$JOBS" --timeout 900

stage "fuzz targets"
CXX=clang++-14 CC=clang-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZENTROPE_FUZZ=ON -DZENTROPE_BUILD_APP=OFF -DZENTROPE_BUILD_TESTS=OFF -DZENTROPE_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$JOBS"
bash scripts/fuzz.sh build-fuzz "${FUZZ_SECONDS:-60}"
stage ""
