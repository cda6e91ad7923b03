// daviduv-cli send to 1 and to 8 virtual printers at once, each taking bytes
// no faster than a 57600 bit/s line, with fast acknowledgement: the target is
// that 8 take at most 1.25 times as long as one. And a search over 4 silent
// ports and a live one, one port at a time against --parallel.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {
const QString kBin = QStringLiteral(DAVIDUV_BIN_DIR);

struct Printer {
    QProcess process;
    QString port;
    explicit Printer(const QStringList& options) {
        process.start(kBin + "/daviduv-printer", options);
        process.waitForStarted();
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        port = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~Printer() {
        process.kill();
        process.waitForFinished();
    }
};

int runCli(const QStringList& args) {
    QProcess cli;
    cli.start(kBin + "/daviduv-cli", args);
    cli.waitForFinished(600000);
    return cli.exitCode();
}

void parallelSend(benchmark::State& state) {
    const QString spt = QStringLiteral(DAVIDUV_SOURCE_DIR "/resources/samples/every-field.spt");
    std::vector<std::unique_ptr<Printer>> printers;
    QStringList args{"send", spt, "--fast-ack", "--baud", "57600"};
    for (int i = 0; i < state.range(0); ++i) {
        printers.push_back(std::make_unique<Printer>(QStringList{"--line-rate", "5760"}));
        args << "--port" << printers.back()->port;
    }
    for (auto _ : state)
        if (runCli(args) != 0) state.SkipWithError("not every printer acknowledged");
}
BENCHMARK(parallelSend)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void searchFourSilentThenLive(benchmark::State& state) {
    std::vector<std::unique_ptr<Printer>> printers;
    QStringList ports;
    for (int i = 0; i < 4; ++i) {
        printers.push_back(std::make_unique<Printer>(QStringList{"--silent"}));
        ports << printers.back()->port;
    }
    printers.push_back(std::make_unique<Printer>(QStringList{}));
    ports << printers.back()->port;
    QTemporaryDir home; // the search stores what it found: not in the user's settings
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QStringList args{"search", "--ports", ports.join(',')};
    if (state.range(0)) args << "--parallel";
    for (auto _ : state)
        if (runCli(args) != 0) state.SkipWithError("the live printer was not found");
}
BENCHMARK(searchFourSilentThenLive)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
