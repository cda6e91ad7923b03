#pragma once
// The process-wide settings read at start-up from Config.ini (beside the
// executable) and from the per-user store, and the two summary-line forms.
// The number the next placed element takes lives with the template
// (MessageTemplate::NextControlNo), which starts at 0.
#include "common/RegStore.h"

#include <QString>
#include <QStringList>
#include <optional>

struct AppSettings {
    int maxLength = 20000;         // Config.ini Main/MaxLength
    int widthMode = 1;             // Config.ini Main/MainDpi: the sent width is 1 scaled by resolution/200, 2 halved
    bool fastAck = false;          // Config.ini Main/FastAck: end an exchange at a complete acknowledgement
    bool parallelSearch = false;   // Config.ini Main/ParallelSearch: query every port at once
    QStringList networkPorts;      // Config.ini Ports/Network: "tcp://HOST:PORT;..." of serial device servers
    QStringList dpiList{"200dpi"}; // Config.ini Dpi/DpiCount and Dpi/1..N
    int moBan = 1;                 // template number, store "MoBan"
    QString resolution = "200dpi"; // resolution text ("200dpi"), store "Zoom"
    int width = 512;               // canvas width in dots, store "Width"
    QString comm = "COM1";         // port name, store "Comm" (as stored, not trimmed)
    QString baudText = "57600";    // store "Baud", trimmed, whatever it holds
};

inline constexpr int kCanvasHeight = 128;
inline constexpr int kMaxDpiEntries = 255; // a larger DpiCount is read as 255
inline constexpr int kDefaultWidth = 512;

// The Config.ini the programs read: the one in the folder of the running
// executable when it exists, else the system-wide one an installation puts
// under /etc/daviduv (its path fixed at configure time).
QString configIniPath();
// The choice itself: besideProgram when that file exists, else systemWide when
// that one exists, else besideProgram (whose absence gives the defaults).
QString chooseConfigIni(const QString& besideProgram, const QString& systemWide);

// Reads MaxLength, MainDpi and DpiList from Config.ini (the first three things start-up reads).
void readConfigIni(AppSettings& settings, const QString& path);
// Reads the per-user values; writes nothing. A "Width" or "MoBan" that is not a
// whole number (or a width outside 1..MaxLength) falls back to its default.
void readUserSettings(AppSettings& settings, const RegStore& store);
// Both together, in start-up order.
AppSettings readStartupSettings(const QString& configPath, const RegStore& store);

// "9600", "57600" and "115200" (exact) give their speed; anything else nothing.
std::optional<int> baudFromText(const QString& text);

// "      COM3, br57600；模板号：1，长度：512Pels，分辨率：200dpi"; a tcp:// port shows
// its address without a speed.
QString summaryConnected(const QString& port, const QString& speedText, int moBan, int width,
                         const QString& resolution);
QString summaryNotFound(int moBan, int width, const QString& resolution);
