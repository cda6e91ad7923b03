#include "common/AppSettings.h"

#include "common/IniFile.h"
#include "common/NetworkPort.h"
#include "common/NumberText.h"
#include "common/RegStore.h"
#include "common/TextPieces.h"

#include <QCoreApplication>
#include <QFileInfo>

QString configIniPath() {
    return chooseConfigIni(QCoreApplication::applicationDirPath() + QStringLiteral("/Config.ini"),
                           QStringLiteral(DAVIDUV_SYSTEM_CONFIG_INI));
}

QString chooseConfigIni(const QString& besideProgram, const QString& systemWide) {
    if (QFileInfo::exists(besideProgram) || !QFileInfo::exists(systemWide)) return besideProgram;
    return systemWide;
}

void readConfigIni(AppSettings& s, const QString& path) {
    const IniFile ini = IniFile::load(path);
    s.maxLength = ini.readInteger("Main", "MaxLength", 20000);
    s.widthMode = ini.readInteger("Main", "MainDpi", 1);
    s.fastAck = ini.readBool("Main", "FastAck", false);
    s.parallelSearch = ini.readBool("Main", "ParallelSearch", false);
    s.networkPorts.clear();
    for (const QString& port : ini.readString("Ports", "Network", QString()).split(u';', Qt::SkipEmptyParts))
        if (!port.trimmed().isEmpty()) s.networkPorts << port.trimmed();
    // The number of a resolution travels in one byte: at most 255 entries.
    const int count = std::min(ini.readInteger("Dpi", "DpiCount", 1), kMaxDpiEntries);
    s.dpiList.clear();
    for (int i = 1; i <= count; ++i) s.dpiList << ini.readString("Dpi", QString::number(i), "200dpi");
}

void readUserSettings(AppSettings& s, const RegStore& store) {
    s.moBan = 1;
    s.resolution = QStringLiteral("200dpi");
    const int width = readIntOr(trimBlanks(store.read("Width", "512")), kDefaultWidth);
    s.width = (width >= 1 && width <= std::max(s.maxLength, kDefaultWidth)) ? width : kDefaultWidth;
    s.moBan = readIntOr(trimBlanks(store.read("MoBan", "1")), 1);
    s.resolution = trimBlanks(store.read("Zoom", "200dpi"));
    s.comm = store.read("Comm", "COM1");
    s.baudText = trimBlanks(store.read("Baud", "57600"));
}

AppSettings readStartupSettings(const QString& configPath, const RegStore& store) {
    AppSettings s;
    readConfigIni(s, configPath);
    readUserSettings(s, store);
    return s;
}

std::optional<int> baudFromText(const QString& text) {
    if (text == QLatin1String("9600")) return 9600;
    if (text == QLatin1String("57600")) return 57600;
    if (text == QLatin1String("115200")) return 115200;
    return std::nullopt;
}

QString summaryConnected(const QString& port, const QString& speedText, int moBan, int width,
                         const QString& resolution) {
    // A device server sets the line's speed itself: its address stands alone.
    const QString line = isNetworkPort(port) ? port : port + QStringLiteral(", br") + speedText;
    return QCoreApplication::translate("AppSettings", "      %1；模板号：%2，长度：%3Pels，分辨率：%4")
        .arg(line, QString::number(moBan), QString::number(width), resolution);
}

QString summaryNotFound(int moBan, int width, const QString& resolution) {
    return QCoreApplication::translate("AppSettings", "      没有找到喷码仪；模板号：%1，长度：%2Pels，分辨率：%3")
        .arg(QString::number(moBan), QString::number(width), resolution);
}
