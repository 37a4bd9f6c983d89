#!/usr/bin/env bash
# `make run`: starts the program from build/bin.
set -euo pipefail
build=${1:-build}
exec "$build/bin/ZEL308Tools" "${@:2}"
