// The virtual printer's frame reader and background assembly. Whatever the
// bytes and however the line splits them, the reader hands every byte back
// exactly once, in order, and finds the same frames; a background cut into
// chunks comes back whole whatever order and repetition the chunks arrive in.
#include "FuzzSupport.h"

#include "printsim/BackgroundAssembler.h"
#include "printsim/FrameReader.h"
#include "printsim/PrinterState.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QDateTime>

namespace {

QList<ReadFrame> readAll(const QByteArray& stream, const std::vector<int>& cuts) {
    FrameReader reader;
    QList<ReadFrame> frames;
    qsizetype at = 0;
    for (const int cut : cuts) {
        const qsizetype piece = std::min<qsizetype>(cut, stream.size() - at);
        reader.feed(stream.mid(at, piece));
        at += piece;
        frames += reader.takeFrames();
    }
    reader.feed(stream.mid(at));
    frames += reader.takeFrames();
    if (reader.hasPartial()) frames.append(reader.dropPartial());
    return frames;
}

void checkReader(const QByteArray& stream, const std::vector<int>& cuts) {
    const QList<ReadFrame> split = readAll(stream, cuts);
    const QList<ReadFrame> whole = readAll(stream, {});
    QByteArray returned;
    for (const ReadFrame& f : split) {
        FUZZ_CHECK(!f.bytes.isEmpty(), QStringLiteral("an empty frame"));
        returned += f.bytes;
    }
    FUZZ_CHECK(returned == stream, QStringLiteral("bytes lost, doubled or reordered"));
    QList<QByteArray> splitValid, wholeValid;
    for (const ReadFrame& f : split)
        if (f.valid) splitValid << f.bytes;
    for (const ReadFrame& f : whole)
        if (f.valid) wholeValid << f.bytes;
    FUZZ_CHECK(splitValid == wholeValid, QStringLiteral("the split changed which frames were found"));

    PrinterState state([] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC); });
    for (const ReadFrame& f : whole)
        if (f.valid) state.apply(f);
    state.takeEvents();
}

// A background of whole columns cut into chunks of 3072 bytes and delivered
// in the fuzzer's order, chunk 1 first.
void checkAssembly(FuzzedDataProvider& in) {
    const int columns = in.ConsumeIntegralInRange(1, 600);
    const int count = (columns * kColumnBytes + kChunkBytes - 1) / kChunkBytes;
    QByteArray background(columns * kColumnBytes, '\0');
    for (char& b : background) b = char(in.ConsumeIntegral<std::uint8_t>());
    std::vector<int> order{1};
    for (int s = 2; s <= count; ++s) order.push_back(s);
    for (std::size_t i = order.size(); i > 2; --i)
        std::swap(order[i - 1], order[in.ConsumeIntegralInRange<std::size_t>(1, i - 1)]);
    if (count > 2 && in.ConsumeBool()) order.insert(order.begin() + 1, order[1]); // a repeated chunk, not the last

    BackgroundAssembler assembler;
    std::optional<AssembledBackground> done;
    for (const int s : order) {
        FUZZ_CHECK(!done, QStringLiteral("the background was complete before its last chunk"));
        const BackgroundChunk chunk{7, 2, count, s, background.mid((s - 1) * kChunkBytes, kChunkBytes)};
        done = assembler.add(chunk).done;
    }
    FUZZ_CHECK(done && done->bytes == background, QStringLiteral("the background did not come back whole"));
    FUZZ_CHECK(done->templateNumber == 7 && done->resolution == 2, QStringLiteral("the background's labels changed"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        checkAssembly(in);
        return 0;
    }
    std::vector<int> cuts(in.ConsumeIntegralInRange(0, 16));
    for (int& cut : cuts) cut = in.ConsumeIntegralInRange(0, 64);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    checkReader(QByteArray(rest.data(), qsizetype(rest.size())), cuts);
    return 0;
}
