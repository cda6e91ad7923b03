#include "cli/CliOptions.h"

#include <iterator>

namespace {
struct Entry {
    const char* option;
    const char* valueName;
    const char* description;
};

const Entry kEntries[] = {
    {"--port", "PORT",
     "The printer's port: a device (/dev/ttyUSB0), COM1..COM256, or tcp://HOST:PORT for a serial device server "
     "(ser2net in raw mode). Repeat it to work on several printers at once."},
    {"--baud", "9600|57600|115200", "The line speed (default 57600); a tcp:// port leaves it to the server."},
    {"--quiet-ms", "MS", "How long the line must be quiet before a reply is over (default 3000)."},
    {"--fast-ack", "",
     "End an exchange at a complete acknowledgement instead of after the quiet period "
     "(also Config.ini [Main] FastAck=1)."},
    {"--segment", "N", "The flash segment to erase, 0 to 15."},
    {"--strict", "", "Refuse to send a barcode that does not decode at the printer's resolution."},
    {"--set", "SECTION.KEY=VALUE",
     "Send the template with this value replaced (e.g. csStr0.UserValue=LOT-2412); the file is not touched. "
     "Repeatable."},
    {"--json", "", "Print one JSON object per result, for scripts."},
    {"--ports", "P1,P2,...",
     "The ports to search, in order (default: Config.ini [Ports], then every serial port "
     "and virtual printer)."},
    {"--parallel", "",
     "Query every port at once and keep the first in list order that answered "
     "(also Config.ini [Main] ParallelSearch=1)."},
    {"--out", "FILE", "The file to write."},
    {"--type", "NAME", "The barcode symbology."},
    {"--caption", "TEXT", "The barcode's text."},
    {"--module", "SC0..SC14", "The module width."},
    {"--height", "H", "The height: of a barcode in percent, of glyphs in dots."},
    {"--rotation", "0|90|180|270", "The barcode's rotation."},
    {"--no-text", "", "Draw no human-readable text under the barcode."},
    {"--standard", "", "The standard glyph set."},
    {"--custom", "TEXT", "Custom glyphs for TEXT, items separated by ^."},
    {"--dpi", "ENTRY", "A resolution of Config.ini."},
    {"--font", "NAME", "The font to render glyphs from."},
    {"--direction", "vertical|horizontal", "How custom glyphs are packed."},
    {"--last", "N", "Only the last N entries."},
    {"--at", "\"YYYY-MM-DD hh:mm\"", "The printer's time of the first print."},
    {"--count", "N", "How many prints."},
};
} // namespace

CliOptionHelp cliOptionHelp(const QString& option) {
    for (const Entry& e : kEntries)
        if (option == QLatin1String(e.option))
            return {QString::fromUtf8(e.valueName), QString::fromUtf8(e.description)};
    return {};
}
