#pragma once
// The keys of a .spt file: each key's name, the value a reader takes when the
// key is missing or holds no whole number, and the range a value must lie in
// to be used. A value outside its range reads as the default too (or, for a
// key that says so, as the nearest end of the range), so an absurd number in
// a file (a digit count of two thousand million, a position near the integer
// limits) never reaches the elements.
// This table is the one home of these ranges: the property panels refuse what
// the reader would not keep, so a value the operator sets survives a reopen.
#include "common/IniFile.h"

#include <climits>

enum class OutOfRange { Default, NearestEnd };

struct IntegerKey {
    const char* name;
    int fallback;
    int low;
    int high;
    OutOfRange outOfRange = OutOfRange::Default;
};

struct TextKey {
    const char* name;
    const char* fallback;
};

namespace spt {

// Whether the reader keeps the value as it is.
constexpr bool keeps(const IntegerKey& key, int value) {
    return value >= key.low && value <= key.high;
}

// Widest canvas a template can have: a variable field's position travels in two bytes.
inline constexpr int kMaxPosition = 65535;
// The most characters of a text value the reader keeps; the rest is cut off.
inline constexpr int kMaxTextLength = IniFile::kMaxValueLength;

inline constexpr const char* kMain = "Main";
inline constexpr IntegerKey kImageWidth{"ImageWidth", 512, 1, kMaxPosition};
inline constexpr IntegerKey kImageHeight{"ImageHeight", 512, 1, 4096};
// Read whole: a send refuses a template number outside 0..255, it is never cut.
inline constexpr IntegerKey kMoBan{"MoBan", 1, INT_MIN, INT_MAX};
inline constexpr TextKey kZoom{"Zoom", "200dpi"};
inline constexpr const char* kControlCount = "ControlCount";
inline constexpr TextKey kControlCaption{"ControlCaption", ""};

inline constexpr const char* kConStyle = "ConStyle";
inline constexpr IntegerKey kLeft{"Left", 1, -kMaxPosition, kMaxPosition};
inline constexpr IntegerKey kTop{"Top", 1, -kMaxPosition, kMaxPosition};

inline constexpr IntegerKey kBarCodeType{"BarCodeType", 1, INT_MIN, INT_MAX}; // the barcode judges these
inline constexpr IntegerKey kRotation{"Rotation", 1, INT_MIN, INT_MAX};
inline constexpr IntegerKey kModuleWidth{"ModuleWidth", 1, INT_MIN, INT_MAX};
inline constexpr IntegerKey kHeightPercent{"HeightPercent", 1, INT_MIN, INT_MAX};
inline constexpr TextKey kBarCodeValue{"BarCodeValue", ""};
// Written with this spelling, read as "HumanReadable": names match without regard to case.
inline constexpr const char* kHumanreadable = "Humanreadable";
inline constexpr bool kHumanReadableFallback = true;

inline constexpr TextKey kSource{"Source", ""};
inline constexpr IntegerKey kPictureWidth{"Width", 1, 1, 20048};
// A picture is at most as high as the printer's 128 rows; a taller one is cut to them.
inline constexpr IntegerKey kPictureHeight{"Height", 1, 1, 128, OutOfRange::NearestEnd};

inline constexpr TextKey kFontName{"FontName", "宋体"};
inline constexpr IntegerKey kFontSize{"FontSize", 12, 1, 400};
inline constexpr IntegerKey kSpace{"Space", 2, 0, 1000};
inline constexpr const char* kBold = "Bold";
inline constexpr const char* kItalic = "Italic";
inline constexpr const char* kUnderline = "Underline";
inline constexpr TextKey kUserValue{"UserValue", ""}; // the variable kinds' defaults: FieldDefaults.h

inline constexpr const char* kUserExplain = "UserExplain";
inline constexpr IntegerKey kUserFontSize{"UserFontSize", 16, 1, 128};
inline constexpr IntegerKey kUserSpace{"UserSpace", 16, 0, 1000};
inline constexpr IntegerKey kUserPeriod{"UserPeriod", 365, 0, 65535};
inline constexpr IntegerKey kUserNoDigit{"UserNoDigit", 8, 1, 16};
inline constexpr IntegerKey kUserIncrement{"UserIncrement", 1, -100, 100};

} // namespace spt
