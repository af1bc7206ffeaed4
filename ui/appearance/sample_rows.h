#pragma once

#include <array>
#include <string>

#include "core/settings/project_settings.h"

// What the appearance editor lets the user recolour: thirteen sample rows,
// each a fill and a text colour, and four single colours, all fields of the
// project settings.
namespace appearance {

using ColourField = RGB_Color ProjectSettings::*;

enum class SampleRow {
    Project,
    UserStory,
    Mandate,
    DesignProblem,
    Requirement,
    Argument,
    Evidence,
    Parameter,
    InvalidOption,
    ValidOption,
    OptimalOption,
    NormalText,
    SelectedText,
};
inline constexpr int sample_row_count = 13;

struct SampleRowSpec {
    SampleRow row;
    std::string label;
    const char* fill_caption;
    ColourField fill;
    ColourField text;
};

// In display order.
const std::array<SampleRowSpec, sample_row_count>& sample_rows();

enum class SingleColour { ButtonBorder, ButtonColour, ConnectColour, BorderColour };

struct SingleColourSpec {
    SingleColour which;
    const char* caption;
    ColourField field;
};

// In display order, left to right.
const std::array<SingleColourSpec, 4>& single_colours();

enum class BuiltInScheme { Dark, Default, White, DarkColours, LightColours };

struct SchemeSpec {
    BuiltInScheme which;
    const char* caption;
    void (ProjectSettings::*apply)();
};

// In display order: the first three on one line, the two colourful ones below.
const std::array<SchemeSpec, 5>& schemes();

}  // namespace appearance
