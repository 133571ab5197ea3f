#!/usr/bin/env bash
# Speaks every line of voices.txt in Korean with espeak-ng, once in a male and once in a female
# voice, and finishes each take with sox: trimmed, 44.1 kHz 16-bit stereo, peak at -1 dBFS, a short
# fade and 200 ms of digital silence at the end (no dither, so the silence stays exactly zero).
#   make-voices.sh SOUNDS_DIR VOICES_TXT
set -euo pipefail
out=$1
list=$2
mkdir -p "$out/M" "$out/F"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# espeak-ng's Korean voice with a variant, pitch (0-99) and speed (words per minute) per speaker.
speak() { # who text file
  local who=$1 text=$2 file=$3
  if [ "$who" = M ]; then
    espeak-ng -v ko+m3 -p 32 -s 150 -a 100 -w "$file" "$text"
  else
    espeak-ng -v ko+f4 -p 72 -s 165 -a 100 -w "$file" "$text"
  fi
}

finish() { # raw who out
  local raw=$1 who=$2 dest=$3
  local colour=(bass -2 treble 2)
  [ "$who" = M ] && colour=(bass 3 treble -1)
  # First the trim (its length is unknown until it ran), then the finish on a known length.
  # 8 dB of headroom before the filters; the level comes back with the final normalisation.
  # A take that clipped anywhere on the way is an error, not a warning.
  sox -D -V2 "$raw" "$work/trim.wav" \
    gain -8 highpass 70 "${colour[@]}" \
    silence 1 0.01 0.4% reverse silence 1 0.01 0.4% reverse 2> "$work/log"
  sox -D -V2 "$work/trim.wav" -b 16 "$dest.part.wav" \
    rate -h 44100 channels 2 norm -1 \
    fade t 0.004 -0 0.03 pad 0.02 0.2 2>> "$work/log"
  if grep -q clipped "$work/log"; then
    echo "make-voices.sh: $dest clipped:" >&2
    cat "$work/log" >&2
    exit 1
  fi
  mv -f "$dest.part.wav" "$dest"
}

while IFS=$'\t' read -r name text only; do
  case "$name" in ''|'#'*) continue ;; esac
  for who in M F; do
    if [ "$who" = F ] && [ "${only:-}" = "M only" ]; then
      continue
    fi
    speak "$who" "$text" "$work/raw.wav"
    finish "$work/raw.wav" "$who" "$out/$who/$name.wav"
  done
done < "$list"
