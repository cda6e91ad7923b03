#include "link/LinkProgress.h"

#include "link/Frame.h"
#include "link/SendMessage.h"

#include <algorithm>

QList<LinkStep> sendSteps(const MessagePlan& plan) {
    QList<LinkStep> steps;
    for (const QByteArray& frame : chunkFrames(cmdBackgroundChunk, plan.moBan, plan.resolution, plan.packed))
        steps.push_back({int(frame.size()), actionBackground()});
    const std::array<QByteArray, 4> settings = SettingsFrames(plan);
    const LinkAction actions[] = {actionDateSettings(), actionExpirySettings(), actionSerialNoSettings(),
                                  actionShiftSettings()};
    for (size_t i = 0; i < settings.size(); ++i) steps.push_back({int(settings[i].size()), actions[i]});
    return steps;
}

QList<LinkStep> glyphSteps(const QList<GlyphPayload>& payloads) {
    QList<LinkStep> steps;
    for (const GlyphPayload& p : payloads) {
        if (chunkCount(p.bytes.size()) > kMaxChunks) continue; // refused by the send itself, before it opens the port
        for (const QByteArray& frame : chunkFrames(p.command, p.resolution, p.height, p.bytes))
            steps.push_back({int(frame.size()), actionGlyph()});
    }
    return steps;
}

QList<LinkStep> singleStep(const QByteArray& frame, const LinkAction& action) {
    return {{int(frame.size()), action}};
}

LinkProgress::LinkProgress(QList<LinkStep> steps, int baud, ReplyTiming timing)
    : steps_(std::move(steps)), baud_(std::max(baud, 1)), timing_(timing) {
    for (const LinkStep& s : steps_) planned_ += s.bytes;
}

void LinkProgress::note(const QString& text) {
    if (done()) return;
    const LinkAction& action = steps_[current_].action;
    if (text == action.waiting) {
        written_ += steps_[current_].bytes;
        ++tries_;
    } else if (text == action.succeeded) {
        ++current_;
        tries_ = 0;
    } else if (text == action.failed) {
        failed_ = true;
    }
}

qint64 LinkProgress::frameMs(int index) const {
    // After the first accepted exchange, fast acknowledgement ends a reply a
    // settle time after the acknowledgement instead of a quiet period.
    const int quiet = timing_.fastAck && index > 0 ? std::min(timing_.settleMs, timing_.quietMs) : timing_.quietMs;
    return qint64(steps_[index].bytes) * 10 * 1000 / baud_ + quiet;
}

qint64 LinkProgress::remainingMs(qint64 sinceWriteMs) const {
    if (done()) return 0;
    qint64 ms = 0;
    for (int i = current_; i < frames(); ++i) ms += frameMs(i);
    return std::max<qint64>(0, ms - sinceWriteMs);
}
