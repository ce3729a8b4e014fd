#pragma once

#include <string>
#include <vector>

// The content of the richer control kinds, as plain values: what a dump shows, a snapshot keeps
// and a window draws.
namespace rac::platform {

// Selected text of a rich-text box, in characters (code points) of its text.
struct TextSelection {
    int start = 0;
    int length = 0;

    friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// The font of the whole text of a rich-text box; an empty name is the window system's default.
struct TextFont {
    std::string name;
    double points = 0; // 0: the default size
    bool bold = false;

    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// One series of a category chart: a value per category, drawn against one of the value axes.
struct ChartSeries {
    std::string name;
    std::vector<double> values;
    int axis = 0; // index into ChartData::axisTitles

    friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

// A category chart: named categories along one axis, series of values against the others.
struct ChartData {
    std::string title;
    std::vector<std::string> categories;
    std::vector<ChartSeries> series;
    std::vector<std::string> axisTitles; // one per value axis

    friend bool operator==(const ChartData&, const ChartData&) = default;
};

} // namespace rac::platform
