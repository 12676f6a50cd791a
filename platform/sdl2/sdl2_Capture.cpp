#include "sdl2_Capture.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "STU_Wrappers.h"
#include "sdl2_PFL.h"

namespace {

constexpr int CAPTURE_WIDTH = 320;
constexpr int CAPTURE_HEIGHT = 200;

std::atomic<int> m_active{0};
char m_folder[512] = "";
int m_fps = 60;
FILE *m_video = nullptr;
FILE *m_audio = nullptr;
int m_width = CAPTURE_WIDTH;
int m_height = CAPTURE_HEIGHT;
uint8_t *m_frame = nullptr;
uint64_t m_frames_written = 0;
uint64_t m_start_ms = 0;
int m_audio_frequency = 0;
int m_audio_channels = 0;
int m_audio_bits = 0;
int m_audio_float = 0;
uint64_t m_audio_bytes = 0;
// The audio thread writes the sound file while the main thread may open or close it: every
// touch of the audio file and its byte count happens under this lock.
std::mutex m_audio_lock;
uint64_t (*m_clock)(void) = nullptr;

uint64_t Now(void) { return m_clock != nullptr ? m_clock() : Platform_Get_Millies(); }

std::string Join(const char *name)
{
    char path[GRAF_PATH_MAX];
    STU_GRAF_Join(path, sizeof path, m_folder, name);
    return path;
}

void Write_Info(void)
{
    char text[1024];
    int n =
        std::snprintf(text, sizeof(text),
                      "video_file=video_rgb24.raw\npixel_format=rgb24\nwidth=%d\nheight=%d\nfps=%d\nframe_count=%llu\n",
                      m_width, m_height, m_fps, (unsigned long long)m_frames_written);
    uint64_t audio_bytes;
    {
        std::lock_guard<std::mutex> guard(m_audio_lock);
        audio_bytes = m_audio_bytes;
    }
    if (audio_bytes > 0) {
        n += std::snprintf(text + n, sizeof(text) - (size_t)n,
                           "audio_file=audio.wav\naudio_frequency=%d\naudio_channels=%d\naudio_bits=%d\n"
                           "audio_is_float=%d\naudio_bytes=%llu\n",
                           m_audio_frequency, m_audio_channels, m_audio_bits, m_audio_float,
                           (unsigned long long)audio_bytes);
    } else {
        n += std::snprintf(text + n, sizeof(text) - (size_t)n, "audio_file=\n");
    }
    std::string path = Join("capture_info.txt");
    if (!STU_Write_File_Atomic(path.c_str(), text, (size_t)n)) {
        std::fprintf(stderr, "[capture] cannot open '%s' for writing\n", path.c_str());
    }
}

void Wav_Header(uint8_t *h, uint32_t audio_bytes)
{
    int bytes_per_sample = m_audio_bits / 8;
    std::memcpy(h + 0, "RIFF", 4);
    LE_Put_U32(h + 4, audio_bytes + 36);
    std::memcpy(h + 8, "WAVE", 4);
    std::memcpy(h + 12, "fmt ", 4);
    LE_Put_U32(h + 16, 16);
    LE_Put_U16(h + 20, (uint16_t)(m_audio_float ? 3 : 1));
    LE_Put_U16(h + 22, (uint16_t)m_audio_channels);
    LE_Put_U32(h + 24, (uint32_t)m_audio_frequency);
    LE_Put_U32(h + 28, (uint32_t)(m_audio_frequency * m_audio_channels * bytes_per_sample));
    LE_Put_U16(h + 32, (uint16_t)(m_audio_channels * bytes_per_sample));
    LE_Put_U16(h + 34, (uint16_t)m_audio_bits);
    std::memcpy(h + 36, "data", 4);
    LE_Put_U32(h + 40, audio_bytes);
}

// Caller holds m_audio_lock.
void Open_Audio_File_Locked(void)
{
    if (!m_active.load() || m_audio != nullptr || m_audio_frequency <= 0 || m_audio_channels <= 0 ||
        m_audio_bits <= 0) {
        return;
    }
    std::string path = Join("audio.wav");
    m_audio = stu_fopen_ci(path.c_str(), "wb");
    if (m_audio == nullptr) {
        std::fprintf(stderr, "[capture] cannot open '%s' for writing; audio not captured\n", path.c_str());
        return;
    }
    uint8_t header[44];
    Wav_Header(header, 0);
    std::fwrite(header, 1, sizeof(header), m_audio);
    std::fprintf(stderr, "[capture] audio: %d Hz, %d ch, %d bits%s\n", m_audio_frequency, m_audio_channels,
                 m_audio_bits, m_audio_float ? " (float)" : "");
}

void Append_Frames_Until(uint64_t target)
{
    size_t frame_bytes = (size_t)m_width * (size_t)m_height * 3;
    while (m_frames_written < target) {
        std::fwrite(m_frame, 1, frame_bytes, m_video);
        m_frames_written += 1;
    }
}

uint64_t Frames_Due(void)
{
    uint64_t now = Now();
    uint64_t elapsed = now > m_start_ms ? now - m_start_ms : 0;
    return elapsed * (uint64_t)m_fps / 1000;
}

}  // namespace

void Platform_Capture_Set_Clock(uint64_t (*clock)(void)) { m_clock = clock; }

int Platform_Capture_Active(void) { return m_active.load(); }

uint64_t Platform_Capture_Frame_Count(void) { return m_frames_written; }

int Platform_Capture_Start(const char *folder, int fps)
{
    if (m_active.load()) {
        std::fprintf(stderr, "[capture] already active; ignoring Platform_Capture_Start(\"%s\")\n",
                     folder != nullptr ? folder : "");
        return 1;
    }
    if (folder == nullptr || folder[0] == '\0') {
        std::fprintf(stderr, "[capture] no output directory given\n");
        return 1;
    }
    std::snprintf(m_folder, sizeof(m_folder), "%s", folder);
    STU_GRAF_Make_Path(m_folder);
    m_fps = fps <= 0 ? 60 : fps;
    std::string video_path = Join("video_rgb24.raw");
    m_video = stu_fopen_ci(video_path.c_str(), "wb");
    if (m_video == nullptr) {
        std::fprintf(stderr, "[capture] cannot open '%s' for writing\n", video_path.c_str());
        return 1;
    }
    std::free(m_frame);
    m_frame = nullptr;
    m_width = CAPTURE_WIDTH;
    m_height = CAPTURE_HEIGHT;
    m_frames_written = 0;
    m_start_ms = Now();
    {
        std::lock_guard<std::mutex> guard(m_audio_lock);
        m_audio_bytes = 0;
        m_active.store(1);
        Open_Audio_File_Locked();
    }
    Write_Info();
    std::fprintf(stderr, "[capture] started: dir='%s' fps=%d\n", m_folder, m_fps);
    return 0;
}

void Platform_Capture_Set_Audio_Format(int frequency, int channels, int bits, int is_float)
{
    std::lock_guard<std::mutex> guard(m_audio_lock);
    if (m_audio != nullptr) {
        return;
    }
    m_audio_frequency = frequency;
    m_audio_channels = channels;
    m_audio_bits = bits;
    m_audio_float = is_float ? 1 : 0;
    if (frequency <= 0 || channels <= 0 || bits <= 0) {
        std::fprintf(stderr, "[capture] bad audio format (%d Hz, %d ch, %d bits); audio not captured\n", frequency,
                     channels, bits);
        return;
    }
    Open_Audio_File_Locked();
}

void Platform_Capture_Audio(const uint8_t *data, int length)
{
    if (!m_active.load() || data == nullptr || length <= 0) {
        return;
    }
    std::lock_guard<std::mutex> guard(m_audio_lock);
    if (m_audio == nullptr) {
        return;
    }
    std::fwrite(data, 1, (size_t)length, m_audio);
    m_audio_bytes += (uint64_t)length;
}

void Platform_Capture_Video_Frame(const uint8_t *pixels, int width, int height, const uint8_t *palette_rgba)
{
    if (!m_active.load() || pixels == nullptr || palette_rgba == nullptr || width <= 0 || height <= 0) {
        return;
    }
    if (m_frame == nullptr) {
        m_width = width;
        m_height = height;
        m_frame = (uint8_t *)std::calloc((size_t)width * (size_t)height, 3);
        if (m_frame == nullptr) {
            std::fprintf(stderr, "[capture] out of memory for the frame buffer; capture stopped\n");
            m_active.store(0);
            return;
        }
    } else if (width != m_width || height != m_height) {
        std::fprintf(stderr, "[capture] frame size changed %dx%d -> %dx%d mid-capture; frame dropped\n", m_width,
                     m_height, width, height);
        return;
    }
    Append_Frames_Until(Frames_Due());
    size_t count = (size_t)width * (size_t)height;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t *c = palette_rgba + pixels[i] * 4;
        m_frame[i * 3 + 0] = c[0];
        m_frame[i * 3 + 1] = c[1];
        m_frame[i * 3 + 2] = c[2];
    }
}

void Platform_Capture_Stop(void)
{
    if (!m_active.load()) {
        return;
    }
    if (m_video != nullptr && m_frame != nullptr) {
        uint64_t before = m_frames_written;
        Append_Frames_Until(Frames_Due());
        if (m_frames_written == before) {
            Append_Frames_Until(m_frames_written + 1);
        }
    }
    if (m_video != nullptr) {
        std::fclose(m_video);
        m_video = nullptr;
    }
    uint64_t audio_bytes;
    {
        std::lock_guard<std::mutex> guard(m_audio_lock);
        m_active.store(0);
        if (m_audio != nullptr) {
            uint8_t sizes[4];
            LE_Put_U32(sizes, (uint32_t)(m_audio_bytes + 36));
            std::fseek(m_audio, 4, SEEK_SET);
            std::fwrite(sizes, 1, 4, m_audio);
            LE_Put_U32(sizes, (uint32_t)m_audio_bytes);
            std::fseek(m_audio, 40, SEEK_SET);
            std::fwrite(sizes, 1, 4, m_audio);
            std::fclose(m_audio);
            m_audio = nullptr;
        }
        audio_bytes = m_audio_bytes;
    }
    Write_Info();
    std::fprintf(stderr, "[capture] stopped: %llu frames at %d fps (%.1fs), %llu audio bytes -> '%s'\n",
                 (unsigned long long)m_frames_written, m_fps, (double)m_frames_written / (double)m_fps,
                 (unsigned long long)audio_bytes, m_folder);
    std::free(m_frame);
    m_frame = nullptr;
}
