# SPDX-License-Identifier: GPL-3.0-or-later
# What the shell tests share, sourced at their start: a scratch folder and the processes they started, both gone
# when the test ends however it ends, a failure that says why, and a wait for a condition.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# wait_for CONDITION [SECONDS]: true once the condition holds, false after SECONDS (10) without it.
wait_for() {
  local i
  for ((i = 0; i < ${2:-10} * 10; i++)); do eval "$1" && return 0; sleep 0.1; done
  return 1
}
