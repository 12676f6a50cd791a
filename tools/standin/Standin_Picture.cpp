#include "Picture_Writer.h"
#include "Standin.h"

void Standin_Frame::Fill_Rect(int x1, int y1, int x2, int y2, uint8_t colour)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (x >= 0 && x < width && y >= 0 && y < height) pixels[(size_t)y * width + x] = colour;
}

void Standin_Frame::Fill_Ellipse(int cx, int cy, int rx, int ry, uint8_t colour)
{
    for (int y = cy - ry; y <= cy + ry; ++y)
        for (int x = cx - rx; x <= cx + rx; ++x) {
            long dx = x - cx, dy = y - cy;
            if (dx * dx * ry * ry + dy * dy * rx * rx <= (long)rx * rx * ry * ry && x >= 0 && x < width && y >= 0 &&
                y < height)
                pixels[(size_t)y * width + x] = colour;
        }
}

Bytes Standin_Picture(const std::vector<Standin_Frame> &frames, uint16_t loop_frame, bool whole_frames)
{
    if (frames.empty()) Standin_Fail("picture without frames");
    const Standin_Frame &first = frames[0];
    std::vector<Bytes> columns;
    for (const Standin_Frame &frame : frames) {
        if (frame.width != first.width || frame.height != first.height) Standin_Fail("picture frames differ in size");
        bool fits = true;
        columns.push_back(Picture_Writer_Columns(frame.width, frame.height, frame.pixels, false, &fits));
        if (!fits) Standin_Fail("picture column too busy for one column record");
    }
    Bytes out = Picture_Writer_Animation(first.width, first.height, columns, loop_frame, whole_frames);
    Standin_Check_Picture(out, frames, "picture of " + std::to_string(frames.size()) + " frames");
    return out;
}

Bytes Standin_Packed_Picture(const std::vector<Standin_Frame> &frames)
{
    if (frames.empty()) Standin_Fail("picture without frames");
    std::vector<Bytes> columns;
    for (const Standin_Frame &frame : frames) {
        if (frame.width != frames[0].width || frame.height != frames[0].height)
            Standin_Fail("picture frames differ in size");
        bool fits = true;
        columns.push_back(Picture_Writer_Columns(frame.width, frame.height, frame.pixels, true, &fits));
        if (!fits) Standin_Fail("picture column too busy for one column record");
    }
    Bytes out = Picture_Writer_Animation(frames[0].width, frames[0].height, columns, 0, true);
    Standin_Check_Picture(out, frames, "packed picture of " + std::to_string(frames.size()) + " frames");
    return out;
}
