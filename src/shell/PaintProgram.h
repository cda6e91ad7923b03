#pragma once
// 设置/画图 starts a bitmap paint program. Config.ini lists the candidates:
//   [Paint]
//   Programs=kolourpaint;pinta;gimp;mtpaint
// (names or paths, separated by ";"); the first that starts is used.
#include <QStringList>

QStringList paintProgramsFromConfig(const QString& configPath);
// Starts the first program of the list that can be started, detached;
// false when none could.
bool startPaintProgram(const QStringList& programs);
