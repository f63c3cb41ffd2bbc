#pragma once

// The air handler's own English texts in the language spoken: its tables'
// headers and words, its components' names, its notes.
//
// The air handler library writes English (the batch program's and the CSV
// files' language). Its fixed words are listed for translation in the
// context "airhandler" (AirHandlerTexts.cpp); its components' names, the
// economizer's reasons and its issues are marked in its own contexts
// (core/Translatable.h). A header's unit in parentheses stays as written:
// "Leaving dry bulb (°F)" is "Leaving dry bulb" translated, then " (°F)".

#include <string_view>

#include <QString>

namespace chart {

QString AirHandlerText(std::string_view english);

} // namespace chart
