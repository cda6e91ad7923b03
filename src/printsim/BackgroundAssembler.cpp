#include "printsim/BackgroundAssembler.h"

namespace {
QString describe(const BackgroundChunk& c) {
    return QStringLiteral("chunk %1/%2 of %3 bytes, template %4 resolution %5")
        .arg(c.number)
        .arg(c.count)
        .arg(c.data.size())
        .arg(c.templateNumber)
        .arg(c.resolution);
}

// Every chunk but the last is full; the last holds 1 to 3072 bytes.
bool rightSize(const BackgroundChunk& c) {
    if (c.number < c.count) return c.data.size() == kChunkBytes;
    return !c.data.isEmpty() && c.data.size() <= kChunkBytes;
}
} // namespace

std::optional<QString> BackgroundAssembler::misfit(const Run* run, const BackgroundChunk& c) const {
    if (!run) return QStringLiteral("comes before chunk 1; ignored");
    if (run->count != c.count)
        return QStringLiteral("chunk count changed from %1; background of template %2 dropped")
            .arg(run->count)
            .arg(c.templateNumber);
    if (run->resolution != c.resolution)
        return QStringLiteral("resolution changed from %1; background of template %2 dropped")
            .arg(run->resolution)
            .arg(c.templateNumber);
    return std::nullopt;
}

BackgroundAssembler::Outcome BackgroundAssembler::add(const BackgroundChunk& c) {
    QString note = describe(c);
    if (c.count < 1 || c.number < 1 || c.number > c.count)
        return {note + QStringLiteral(": out of range; ignored"), {}};
    if (!rightSize(c)) {
        runs_.remove(c.templateNumber);
        return {note + QStringLiteral(": wrong size; background of template %1 dropped").arg(c.templateNumber), {}};
    }
    if (c.number == 1) {
        const auto old = runs_.constFind(c.templateNumber);
        if (old != runs_.constEnd() && old->chunks.keys() != QList<int>{1})
            note += QStringLiteral(", unfinished earlier background dropped");
        runs_.insert(c.templateNumber, Run{c.resolution, c.count, {}});
    }
    auto run = runs_.find(c.templateNumber);
    if (const auto problem = misfit(run == runs_.end() ? nullptr : &*run, c)) {
        if (run != runs_.end()) runs_.erase(run);
        return {note + QStringLiteral(": ") + *problem, {}};
    }
    if (run->chunks.contains(c.number)) note += QStringLiteral(", repeated");
    run->chunks.insert(c.number, c.data);
    if (run->chunks.size() < run->count) return {note, {}};
    return finish(c.templateNumber, note);
}

BackgroundAssembler::Outcome BackgroundAssembler::finish(int templateNumber, QString note) {
    const Run run = runs_.take(templateNumber);
    QByteArray bytes;
    for (const QByteArray& part : run.chunks) bytes += part; // QMap keeps 1..N in order
    if (bytes.size() % kColumnBytes != 0)
        return {note + QStringLiteral(": background of %1 bytes is no whole number of %2-byte columns; dropped")
                           .arg(bytes.size())
                           .arg(kColumnBytes),
                {}};
    note += QStringLiteral(", background of template %1 complete: %2 columns")
                .arg(templateNumber)
                .arg(bytes.size() / kColumnBytes);
    return {note, AssembledBackground{templateNumber, run.resolution, bytes}};
}
