// log: the transaction log, one readable line per transaction.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "common/AppendLine.h"
#include "link/TransactionLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// "2026-12-08T13:30:00.123+08:00  daviduv-cli  send  /dev/ttyUSB0 57600  template 1  /x.spt
//  7 frames 9242 bytes 7 tries  acknowledged  sha256 1f2e..."
QString readable(const QByteArray& line) {
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    if (o.isEmpty()) return QStringLiteral("(not a log entry) ") + QString::fromUtf8(line);
    QStringList parts{o["time"].toString(), o["program"].toString(), o["command"].toString(),
                      o["port"].toString() + ' ' + QString::number(o["speed"].toInt())};
    if (o.contains("template")) parts << QStringLiteral("template %1").arg(o["template"].toInt());
    if (o.contains("file")) parts << o["file"].toString();
    parts << QStringLiteral("%1 frames %2 bytes %3 tries")
                 .arg(o["frames"].toInt())
                 .arg(qint64(o["bytes"].toDouble()))
                 .arg(o["tries"].toInt());
    parts << o["result"].toString() + (o.contains("error") ? QStringLiteral(": ") + o["error"].toString() : QString());
    if (o.contains("set")) {
        QStringList set;
        for (const QJsonValue& v : o["set"].toArray()) set << v.toString();
        parts << QStringLiteral("set ") + set.join(u' ');
    }
    if (!o["sha256"].toString().isEmpty()) parts << QStringLiteral("sha256 ") + o["sha256"].toString();
    return parts.join(QStringLiteral("  "));
}

int runLog(const QStringList& argv) {
    const CliArgs args(argv, {QStringLiteral("--last")}, {QStringLiteral("--json")});
    if (!args.ok()) return printErr(args.error()), kExitError;
    if (!args.positional().isEmpty())
        return printErr(QStringLiteral("unexpected argument '%1'").arg(args.positional().first())), kExitError;
    qsizetype last = -1;
    if (const std::optional<QString> text = args.value(QStringLiteral("--last"))) {
        bool ok = false;
        last = text->toLongLong(&ok);
        if (!ok || last < 0)
            return printErr(QStringLiteral("--last must be a whole number of 0 or more, not '%1'").arg(*text)),
                   kExitError;
    }
    QString error;
    const QList<QByteArray> lines = readLastLines(transactionLogPath(), last, error);
    if (!error.isEmpty()) return printErr(error), kExitError;
    const bool json = args.flag(QStringLiteral("--json"));
    for (const QByteArray& line : lines) printOut(json ? QString::fromUtf8(line.trimmed()) : readable(line));
    return kExitOk;
}

} // namespace

const CliCommand kLogCommand{
    "log",
    "log [--last N] [--json]\n"
    "      prints the transaction log (every exchange of the editor and of this tool), or its\n"
    "      last N entries; the file is $XDG_STATE_HOME/daviduv/link.log",
    runLog};
