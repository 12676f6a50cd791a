// Words and labels on stand-in pictures, drawn with the program's own font image, so a stand-in
// picture that the game shows as words reads as those words, and pictures of things can be told
// apart by colour and a letter or two.
#pragma once

#include <string>

#include "Standin.h"

// Width in pixels of text in a font style (0 to 7), with the style's letter spacing.
int Standin_Text_Width(const std::string &text, int style);
int Standin_Text_Height(int style);
// Draws text with its top-left corner at (x, y); every glyph pixel becomes ink.
void Standin_Print(Standin_Frame &frame, int x, int y, const std::string &text, int style, uint8_t ink);
// Draws text centred in the frame: the largest style (from start_style down) whose text fits.
void Standin_Print_Centred(Standin_Frame &frame, const std::string &text, int start_style, uint8_t ink);

// A filled box with a one-pixel border and centred text.
Standin_Frame Standin_Label(int width, int height, uint8_t body, uint8_t border, const std::string &text, uint8_t ink,
                            int style = 4);
// A picture of a thing: a filled box of its colour with its letters, one frame.
Bytes Standin_Thing(int width, int height, uint8_t body, const std::string &letters);
// A button of two frames, up and pressed, each with its word.
Bytes Standin_Word_Button(int width, int height, uint8_t body, const std::string &word, int style = 4);
