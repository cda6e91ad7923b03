#include "link/SendMessage.h"

#include "link/FieldSettings.h"
#include "link/Frame.h"

std::array<QByteArray, 4> SettingsFrames(const MessagePlan& plan) {
    static constexpr quint8 commands[] = {cmdDateSettings, cmdExpirySettings, cmdSerialNoSettings, cmdShiftSettings};
    std::array<QByteArray, 4> frames;
    for (size_t i = 0; i < frames.size(); ++i) {
        const auto& bytes = plan.fields[i];
        frames[i] = buildFrame(bytes ? commands[i] : quint8(cmdFieldAbsent),
                               settingsPayload(plan.moBan, plan.resolution, bytes.value_or(QByteArray())));
    }
    return frames;
}

QByteArray messageFrames(const MessagePlan& plan) {
    QByteArray bytes;
    for (const QByteArray& frame : chunkFrames(cmdBackgroundChunk, plan.moBan, plan.resolution, plan.packed))
        bytes += frame;
    for (const QByteArray& frame : SettingsFrames(plan)) bytes += frame;
    return bytes;
}

bool sendMessage(SerialPort& port, LinkReporter& reporter, const MessagePlan& plan, ReplyTiming timing) {
    const std::array<QByteArray, 4> frames = SettingsFrames(plan);
    const LinkAction actions[] = {actionDateSettings(), actionExpirySettings(), actionSerialNoSettings(),
                                  actionShiftSettings()};
    Transaction t(port, reporter, timing);
    if (!t.sendChunks(cmdBackgroundChunk, plan.moBan, plan.resolution, plan.packed, actionBackground())) return false;
    for (size_t i = 0; i < frames.size(); ++i)
        if (!t.send(frames[i], actions[i])) return false;
    return true;
}
