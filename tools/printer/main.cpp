// daviduv-printer: plays the coder at the end of a serial line, on a
// pseudo-terminal or (--listen) on TCP. Prints the device to open on its first line, then checks
// and answers frames until it is stopped (SIGTERM or SIGINT).
#include "common/CommandLine.h"
#include "common/FontSetup.h"
#include "common/NumberText.h"
#include "printer/PortAnnouncement.h"
#include "printer/PtyPrinter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <limits>

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void onStop(int) {
    stopRequested = 1;
}

bool intOption(const QCommandLineParser& parser, const QString& name, int& into) {
    if (!parser.isSet(name)) return true;
    const std::optional<int> value = decimalInRange(parser.value(name), 0, std::numeric_limits<int>::max());
    if (!value) {
        std::fprintf(stderr, "--%s needs a whole number of 0 or more\n", qPrintable(name));
        return false;
    }
    into = *value;
    return true;
}
} // namespace

int main(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A virtual coder on a pseudo-terminal. The first line of output "
                       "is the device to open; every accepted frame is answered 06 00 B3."));
    addStandardOptions(parser);
    parser.addOptions({
        {QStringLiteral("log"), QStringLiteral("Write one line per frame to <file>."), QStringLiteral("file")},
        {QStringLiteral("silent"), QStringLiteral("Never answer.")},
        {QStringLiteral("wrong-third"), QStringLiteral("Answer B3 00 00 (0xB3 not in the third byte).")},
        {QStringLiteral("pieces"), QStringLiteral("Answer one byte at a time, <ms> apart."), QStringLiteral("ms")},
        {{QStringLiteral("delay"), QStringLiteral("delay-ms")},
         QStringLiteral("Answer <ms> after the frame arrived."),
         QStringLiteral("ms")},
        {QStringLiteral("repeat-ack-ms"), QStringLiteral("Send every answer a second time, <ms> after the first."),
         QStringLiteral("ms")},
        {QStringLiteral("babble-ms"), QStringLiteral("Write a junk byte 55 every <ms>, whatever the host does."),
         QStringLiteral("ms")},
        {QStringLiteral("answer-limit"), QStringLiteral("Answer only the first <n> frames."), QStringLiteral("n")},
        {QStringLiteral("no-ack-chunk"), QStringLiteral("Never answer chunk <s> of a chunked transfer."),
         QStringLiteral("s")},
        {QStringLiteral("line-rate"),
         QStringLiteral("Take at most <bytes> bytes a second from the line (960 is a line at 9600 bit/s)."),
         QStringLiteral("bytes")},
        {QStringLiteral("print-dir"),
         QStringLiteral("After each complete message write <dir>/background-N.png and <dir>/message-N.png "
                        "(N the template number); after each whole glyph set <dir>/glyphs-H.png (H its height)."),
         QStringLiteral("dir")},
        {QStringLiteral("name"),
         QStringLiteral("Show up as <name> in the port lists of daviduv and daviduv-cli (a link in the virtual "
                        "ports folder, removed on exit)."),
         QStringLiteral("name")},
        {QStringLiteral("clock"),
         QStringLiteral("Keep the time <when> (\"yyyy-MM-dd hh:mm\"), standing still, until the host sets the clock."),
         QStringLiteral("when")},
        {QStringLiteral("baud"), QStringLiteral("Listen only while the line is set to <bit/s>."),
         QStringLiteral("bit/s")},
        {QStringLiteral("listen"),
         QStringLiteral("Serve on TCP at <host:port> instead of a pseudo-terminal, one connection at a time, as a "
                        "serial device server in raw mode would (port 0: any free port); the first line of output is "
                        "then tcp://HOST:PORT."),
         QStringLiteral("host:port")},
    });
    {
        // Help, version and usage errors come before any window system is touched.
        const QCoreApplication probe(argc, argv);
        if (const std::optional<int> code = handleCommandLine(parser, probe.arguments(), "daviduv-printer", 0))
            return *code;
    }
    // Printing draws text, which needs a font system but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();

    PrinterBehaviour behaviour;
    behaviour.silent = parser.isSet(QStringLiteral("silent"));
    behaviour.wrongThird = parser.isSet(QStringLiteral("wrong-third"));
    if (!intOption(parser, QStringLiteral("pieces"), behaviour.pieceGapMs) ||
        !intOption(parser, QStringLiteral("delay"), behaviour.delayMs) ||
        !intOption(parser, QStringLiteral("answer-limit"), behaviour.answerLimit) ||
        !intOption(parser, QStringLiteral("no-ack-chunk"), behaviour.unansweredChunk) ||
        !intOption(parser, QStringLiteral("line-rate"), behaviour.lineRate))
        return 2;
    int lineSpeed = 0, repeatAckMs = 0, babbleMs = 0;
    if (!intOption(parser, QStringLiteral("baud"), lineSpeed) ||
        !intOption(parser, QStringLiteral("repeat-ack-ms"), repeatAckMs) ||
        !intOption(parser, QStringLiteral("babble-ms"), babbleMs))
        return 2;
    if (parser.isSet(QStringLiteral("baud")) && !QList<int>{9600, 19200, 38400, 57600, 115200}.contains(lineSpeed)) {
        std::fprintf(stderr, "--baud must be 9600, 19200, 38400, 57600 or 115200\n");
        return 2;
    }

    PrinterState::HostClock hostClock;
    if (parser.isSet(QStringLiteral("clock"))) {
        const QDateTime when =
            QDateTime::fromString(parser.value(QStringLiteral("clock")), QStringLiteral("yyyy-MM-dd hh:mm"));
        if (!when.isValid()) {
            std::fprintf(stderr, "--clock needs a time as \"yyyy-MM-dd hh:mm\"\n");
            return 2;
        }
        hostClock = [when] { return when; };
    }
    PtyPrinter printer(behaviour, hostClock);
    const bool opened = parser.isSet(QStringLiteral("listen")) ? printer.listen(parser.value(QStringLiteral("listen")))
                                                               : printer.open();
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(printer.error()));
        return 1;
    }
    if (parser.isSet(QStringLiteral("log")) && !printer.setLog(parser.value(QStringLiteral("log")))) {
        std::fprintf(stderr, "cannot write the log %s\n", qPrintable(parser.value(QStringLiteral("log"))));
        return 1;
    }
    if (parser.isSet(QStringLiteral("print-dir"))) {
        const QString folder = parser.value(QStringLiteral("print-dir"));
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
            return 1;
        }
        printer.setPrintFolder(folder);
    }
    printer.setLineSpeed(lineSpeed);
    printer.setRepeatAck(repeatAckMs);
    printer.setBabble(babbleMs);
    PortAnnouncement announcement;
    if (parser.isSet(QStringLiteral("name")) &&
        !announcement.announce(parser.value(QStringLiteral("name")), printer.devicePath())) {
        std::fprintf(stderr, "%s\n", qPrintable(announcement.error()));
        return 1;
    }
    std::signal(SIGTERM, onStop);
    std::signal(SIGINT, onStop);
    std::signal(SIGPIPE, SIG_IGN); // a host that hangs up is noticed by the next read
    std::printf("%s\n", qPrintable(printer.devicePath()));
    std::fflush(stdout);
    return printer.run(stopRequested);
}
