#pragma once
// The commands of daviduv-cli; each group is defined in its own cmd_*.cpp.
#include "cli/CliCommand.h"

extern const CliCommand kQueryCommand;   // cmd_link.cpp
extern const CliCommand kClockCommand;   // cmd_link.cpp
extern const CliCommand kEraseCommand;   // cmd_link.cpp
extern const CliCommand kBarcodeCommand; // cmd_barcode.cpp
extern const CliCommand kSendCommand;    // cmd_send.cpp
extern const CliCommand kRenderCommand;  // cmd_send.cpp
extern const CliCommand kSearchCommand;  // cmd_search.cpp
extern const CliCommand kGlyphsCommand;  // cmd_glyphs.cpp
extern const CliCommand kLogCommand;     // cmd_log.cpp
extern const CliCommand kVerifyCommand;  // cmd_send.cpp
extern const CliCommand kPreviewCommand; // cmd_preview.cpp
