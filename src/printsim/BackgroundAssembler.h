#pragma once
// Puts the background of each template number together from its 0xB1
// chunks. A run begins with chunk 1; chunk S of N lands at (S - 1) x 3072;
// the run is whole when every number 1..N has come. A chunk that does not fit
// the run (another count or resolution, a wrong size) drops the run; a chunk
// with no run to join is ignored. Each outcome carries a note for the log.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

inline constexpr int kChunkBytes = 3072;
inline constexpr int kColumnBytes = 16;

struct BackgroundChunk {
    int templateNumber = 0;
    int resolution = 0;
    int count = 0;  // N
    int number = 0; // S
    QByteArray data;
};

struct AssembledBackground {
    int templateNumber = 0;
    int resolution = 0;
    QByteArray bytes;
};

class BackgroundAssembler {
public:
    struct Outcome {
        QString note;
        std::optional<AssembledBackground> done;
    };
    Outcome add(const BackgroundChunk& chunk);
    // True while a run of this template waits for more chunks.
    bool pending(int templateNumber) const { return runs_.contains(templateNumber); }

private:
    struct Run {
        int resolution = 0;
        int count = 0;
        QMap<int, QByteArray> chunks;
    };
    std::optional<QString> misfit(const Run* run, const BackgroundChunk& chunk) const;
    Outcome finish(int templateNumber, QString note);

    QMap<int, Run> runs_;
};
