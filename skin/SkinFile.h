#pragma once
#include <optional>
#include <string>

// skin.smf is a small text file of named skin objects:
//
//   ; comment
//   [Dialog]
//   background = #DCE6F2
//
// A section names a skin object; "background" gives its colour as #RRGGBB.
// Unknown sections and keys are ignored; the last valid background wins.

// The background of skin object `name` as 0x00BBGGRR (the layout of a
// Windows COLORREF); none when the object is missing or has no valid colour.
std::optional<unsigned> FindSkinBackground(const std::string& fileText, const std::string& name);

// "#RRGGBB" -> 0x00BBGGRR; none for anything else.
std::optional<unsigned> ParseSkinColour(const std::string& text);
