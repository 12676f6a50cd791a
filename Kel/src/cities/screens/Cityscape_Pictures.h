// The pictures of a city's scene by what they show (entries of the cityscape archive, as the
// graphics cache loads them), and the bitmaps the scene is composed in.
#pragma once

#include <cstdint>

// clang-format off
constexpr int16_t CSP_ROADS             = 5;
constexpr int16_t CSP_SUMMONING_CIRCLE  = 6;
constexpr int16_t CSP_ALTAR_OF_BATTLE   = 12;
constexpr int16_t CSP_TREES             = 19;   // three
constexpr int16_t CSP_ROCKS             = 22;   // three
constexpr int16_t CSP_HOUSES            = 25;   // three kinds of five
constexpr int16_t CSP_FORTRESS          = 40;
constexpr int16_t CSP_CITY_WALLS        = 76;
constexpr int16_t CSP_WALL_OF_FIRE      = 77;
constexpr int16_t CSP_WALL_OF_DARKNESS  = 79;
constexpr int16_t CSP_DARK_RITUALS      = 81;
constexpr int16_t CSP_EVIL_PRESENCE     = 82;
constexpr int16_t CSP_EARTH_GATE        = 83;
constexpr int16_t CSP_STREAM_OF_LIFE    = 84;
constexpr int16_t CSP_ASTRAL_GATE       = 85;
constexpr int16_t CSP_CURSED_LANDS_MASK = 86;
constexpr int16_t CSP_FLYING_MASK       = 87;
constexpr int16_t CSP_FAMINE_MASK       = 88;
constexpr int16_t CSP_GAIAS_MASK        = 90;
constexpr int16_t CSP_WARDS             = 94;   // Nature, Sorcery, Chaos, Life, Death
constexpr int16_t CSP_NATURES_EYE       = 99;
constexpr int16_t CSP_INSPIRATIONS      = 100;
constexpr int16_t CSP_PROSPERITY        = 101;  // also Consecration
constexpr int16_t CSP_CONSECRATION      = 101;
constexpr int16_t CSP_RUBBLE            = 105;  // one per footprint class
// clang-format on

// The landscape of each plane.
enum Cityscape_Landscape : int {
    csl_Ground = 0,  // five frames, by the city's background
    csl_Hills,
    csl_Mountains,
    csl_River,  // animated
    csl_Ocean,  // animated
    csl_Dark_Cloud,
    csl_Chaos_Rift,
    csl_Heavenly_Light,
    NUM_CITYSCAPE_LANDSCAPES
};
int16_t Cityscape_Landscape_Entry(int16_t plane, int what);

// The cached picture of an entry, or null when the cache holds none.
uint8_t *Cityscape_Picture(int16_t entry);

// The scene bitmap (1,250 paragraphs of the screen block) while a scene is drawn.
constexpr uint32_t CITYSCAPE_SCENE_BYTES = 1250 * 16;
extern uint8_t *cityscape_scene_bitmap;

// Renders frame (or the current frame when frame is negative) of a picture into a bitmap of
// capacity bytes; 0 and nothing rendered when it does not fit or has no frames.
int Cityscape_Render(uint8_t *picture, int16_t frame, uint8_t *bitmap, uint32_t capacity);
