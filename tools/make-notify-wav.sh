#!/usr/bin/env bash
# Makes assets/notify.wav, the chime played after the About box closes:
# about 0.4 s, mono, 16-bit, 22050 Hz. Two bell partials (C6 and G6, the second
# starting 60 ms later) with a quick attack and an exponential-looking fade.
# Needs Debian's sox.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/assets/notify.wav"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fmt=(-r 22050 -b 16 -c 1)
sox -n "${fmt[@]}" "$tmp/low.wav"  synth 0.40 sine 1046.5 fade q 0.005 0.40 0.34 vol 0.45
sox -n "${fmt[@]}" "$tmp/high.wav" synth 0.34 sine 1568.0 fade q 0.005 0.34 0.30 vol 0.35 pad 0.06 0
sox -m "$tmp/low.wav" "$tmp/high.wav" "${fmt[@]}" "$out" gain -n -3 trim 0 0.40
