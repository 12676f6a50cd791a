#!/usr/bin/env bash
# With sound on, the start-up music plays through the SoundFont and the capture's audio.wav
# holds 44,100 Hz 16-bit stereo sound that is not all silence.
source "$(dirname "$0")/lib.sh"

use_standin_data
mkdir -p "$CONFIG_DIR"
printf '[Video]\nstartup_window = windowed\n' > "$CONFIG_DIR/Tolva.ini"

CAP="$E2E_TMP/capture"
run_tolva ZOLAN --headless --capture "$CAP" --capture-fps 10
expect_rc 0
expect_in_file "$LOG" "SUCCESS:  Mix_OpenAudio():"
expect_in_file "$LOG" "soundfont: "
expect_not_in_file "$LOG" "Mix_LoadMUSType_RW() failed"
WAV="$CAP/audio.wav"
[ -f "$WAV" ] || fail "no audio.wav"
expect_in_file "$CAP/capture_info.txt" "audio_file=audio.wav"
expect_in_file "$CAP/capture_info.txt" "audio_frequency=44100"

python3 - "$WAV" <<'PY' || fail "audio.wav is not 44,100 Hz 16-bit stereo with sound in it"
import struct, sys
data = open(sys.argv[1], "rb").read()
riff, size, wave, fmt, fmt_len, tag, channels, rate, byte_rate, align, bits, data_id, data_len = \
    struct.unpack_from("<4sI4s4sIHHIIHH4sI", data, 0)
ok = (riff == b"RIFF" and wave == b"WAVE" and fmt == b"fmt " and data_id == b"data" and tag == 1 and
      channels == 2 and rate == 44100 and bits == 16 and byte_rate == 176400 and align == 4 and
      size == data_len + 36 and data_len == len(data) - 44 and data_len > 0)
samples = struct.unpack_from("<%dh" % (data_len // 2), data, 44)
loudest = max(abs(s) for s in samples) if samples else 0
print("channels=%d rate=%d bits=%d bytes=%d loudest=%d" % (channels, rate, bits, data_len, loudest))
sys.exit(0 if ok and loudest > 100 else 1)
PY
pass "audio.wav captures the music"
