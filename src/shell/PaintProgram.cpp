#include "shell/PaintProgram.h"

#include "common/IniFile.h"

#include <QProcess>

QStringList paintProgramsFromConfig(const QString& configPath) {
    const QString list = IniFile::load(configPath)
                             .readString(QStringLiteral("Paint"), QStringLiteral("Programs"),
                                         QStringLiteral("kolourpaint;pinta;gimp;mtpaint"));
    QStringList programs;
    for (const QString& name : list.split(QChar(';'))) {
        const QString trimmed = name.trimmed();
        if (!trimmed.isEmpty()) programs << trimmed;
    }
    return programs;
}

bool startPaintProgram(const QStringList& programs) {
    for (const QString& program : programs)
        if (QProcess::startDetached(program, {})) return true;
    return false;
}
