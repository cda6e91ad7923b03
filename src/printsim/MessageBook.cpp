#include "printsim/MessageBook.h"

namespace {
constexpr quint8 kFirstSettings = 0xC1;
constexpr quint8 kAbsent = 0xC5;

QString hexByte(int byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QString settingsName(quint8 command, int templateNumber) {
    return QStringLiteral("field settings %1 for template %2").arg(hexByte(command)).arg(templateNumber);
}
} // namespace

int settingsPayloadSize(quint8 command) {
    switch (command) {
    case 0xC1: return 2 + 7;
    case 0xC2: return 2 + 9;
    case 0xC3: return 2 + 15;
    case 0xC4: return 2 + 7;
    case 0xC5: return 2;
    default: return 0;
    }
}

void MessageBook::startMessage(int templateNumber, int resolution, const QByteArray& background) {
    Entry& entry = entries_[templateNumber];
    entry.message = StoredMessage{templateNumber, resolution, background, {}};
    entry.place = 0;
    entry.lastFrame.clear();
}

const StoredMessage* MessageBook::message(int templateNumber) const {
    const auto it = entries_.constFind(templateNumber);
    return it == entries_.constEnd() ? nullptr : &it->message;
}

MessageBook::Outcome MessageBook::applySettings(quint8 command, const QByteArray& payload) {
    const int expected = settingsPayloadSize(command);
    if (expected == 0) return {QStringLiteral("%1 is no settings command").arg(hexByte(command))};
    if (payload.size() != expected)
        return {QStringLiteral("field settings %1 with %2 payload bytes, not %3; ignored")
                    .arg(hexByte(command))
                    .arg(payload.size())
                    .arg(expected)};
    const int templateNumber = quint8(payload[0]);
    const auto it = entries_.find(templateNumber);
    if (it == entries_.end())
        return {settingsName(command, templateNumber) + QStringLiteral(", whose background never came; ignored")};
    if (it->place < kVariableKindCount) return applyInSend(*it, command, payload);
    return applyOutsideSend(*it, command, payload);
}

MessageBook::Outcome MessageBook::applyInSend(Entry& entry, quint8 command, const QByteArray& payload) {
    const int templateNumber = entry.message.templateNumber;
    const QString name = settingsName(command, templateNumber);
    const QByteArray frame = char(command) + payload;
    // A frame sent again because its answer was lost changes nothing. The
    // field-absent frame cannot be told from the next one and always counts.
    if (command != kAbsent && frame == entry.lastFrame) return {name + QStringLiteral(", repeated")};
    const quint8 due = quint8(kFirstSettings + entry.place);
    if (command != due && command != kAbsent) {
        entry.place = kVariableKindCount;
        return {name +
                QStringLiteral(" where %1 or C5 was due; the send is abandoned, nothing printed").arg(hexByte(due))};
    }
    auto& field = entry.message.fields[size_t(entry.place)];
    if (command == kAbsent) field.reset();
    else field = payload.mid(2);
    entry.lastFrame = frame;
    ++entry.place;
    Outcome outcome{name, entry.place == kVariableKindCount, templateNumber};
    if (command == kAbsent) outcome.note += QStringLiteral(" (place %1 absent)").arg(entry.place);
    if (outcome.complete) outcome.note += QStringLiteral(", message complete");
    return outcome;
}

MessageBook::Outcome MessageBook::applyOutsideSend(Entry& entry, quint8 command, const QByteArray& payload) {
    const QString name = settingsName(command, entry.message.templateNumber);
    if (command == kAbsent) return {name + QStringLiteral(" outside a send names no field; ignored")};
    entry.message.fields[size_t(command - kFirstSettings)] = payload.mid(2);
    return {name + QStringLiteral(" outside a send: kept, not printed")};
}
