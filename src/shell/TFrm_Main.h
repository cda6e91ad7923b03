#pragma once
// The main window: menu bar, toolbar, tool palette, canvas area, property area
// and status line. It owns the process-wide settings and the serial port.
#include "AppSettings.h"

#include <QMainWindow>
#include <memory>

class CanvasArea;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolBar;
class StatusBarEx;

class TFrm_Main : public QMainWindow {
    Q_OBJECT
public:
    // configPath: Config.ini (the executable's folder in the program).
    explicit TFrm_Main(const QString& configPath, QWidget* parent = nullptr);
    ~TFrm_Main() override;

    AppSettings& settings() { return settings_; }
    StatusBarEx* StatusBar() const { return statusBar_; }
    CanvasArea* ScrollBox1() const { return canvas_; }
    QStringList CombStr_Font() const { return stringFonts_; }

    // Writes the summary line in its connected form from the current settings.
    void showConnectedSummary(const QString& port, const QString& speedText);

private:
    void FormCreate(const QString& configPath);
    void buildMenus();
    void buildToolBar();
    QWidget* buildBody();
    void applyCanvasWidth(int width);

    void N10Click(); // 文件/退出

    AppSettings settings_;
    QStringList stringFonts_;
    CanvasArea* canvas_ = nullptr;
    StatusBarEx* statusBar_ = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* Panel3 = nullptr;
    QGroupBox* GrpBox_Main = nullptr;
    QPushButton* Btn_Search = nullptr;
    QMenu* menuSettings_ = nullptr;
    QMenu* menuLink_ = nullptr;
    QMenu* menuGlyphs_ = nullptr;
};
