#!/usr/bin/env bash
# Input through a real X window: the cursor outside the window, focus, the clipboard.
# Runs the window tests of the unit-test binary, which sits beside the game.
set -euo pipefail
tests="$(dirname "$1")/vellimor_tests"
VELLIMOR_WINDOW_TESTS=1 "$tests" --gtest_filter='InputWindowTest.*' --gtest_brief=1
