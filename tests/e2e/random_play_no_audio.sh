#!/usr/bin/env bash
# random_play.sh with no audio device: OpenAL Soft is offered no driver, so the game
# runs without sound (looped cues then end at once and delete their objects).
ALSOFT_DRIVERS=none exec bash "$(dirname "$0")/random_play.sh" "$@"
