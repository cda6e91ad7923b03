#pragma once
// The seven kinds of field a template holds, and the words that name them in
// .spt files.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

enum eStyle : std::uint8_t { csBarCode, csImage, csStr, csDate, csPeriod, csNo, csRunNo };

inline constexpr int kFieldKindCount = 7;

// Every kind, in the order of its value.
inline constexpr std::array<eStyle, kFieldKindCount> kAllFieldKinds{csBarCode, csImage, csStr,  csDate,
                                                                    csPeriod,  csNo,    csRunNo};

// "csBarCode", "csImage", ... "csRunNo".
QString kindWord(eStyle kind);
// The kind whose word equals text exactly (case-sensitive), if any.
std::optional<eStyle> kindFromWord(const QString& text);
// The hint of the kind's tool button: "条形码", "图像", "字符串", "时间", "有效期", "序号", "班次".
QString kindHint(eStyle kind);
// A field as the operator sees it in messages: its kind and template position,
// "条形码（X 120，Y 10）".
QString fieldCaption(eStyle kind, int x, int y);
// Date, expiry, serial number and shift: the printer fills their content.
bool isVariableKind(eStyle kind);

// The defaults of a variable kind: its lead text, the value a newly placed
// field takes and the value a file without "UserValue" gives.
struct VariableFieldDefaults {
    eStyle kind;
    const char* lead;
    const char* newValue;
    const char* fileValue;
};
// The entry of a variable kind; any other kind gives the shift's.
const VariableFieldDefaults& variableFieldDefaults(eStyle kind);
