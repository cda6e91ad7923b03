#pragma once
// The main window: menu bar, toolbar, tool palette, canvas area, property area
// and status line. It owns the process-wide settings and the serial port.
#include "AppSettings.h"
#include "LinkReporter.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class CanvasArea;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolBar;
class StatusBarEx;
class TComPort;

class TFrm_Main : public QMainWindow, public LinkReporter {
    Q_OBJECT
public:
    // configPath: Config.ini (the executable's folder in the program).
    explicit TFrm_Main(const QString& configPath, QWidget* parent = nullptr);
    ~TFrm_Main() override;

    AppSettings& settings() { return settings_; }
    StatusBarEx* StatusBar() const { return statusBar_; }
    CanvasArea* ScrollBox1() const { return canvas_; }
    QStringList CombStr_Font() const { return stringFonts_; }

    TComPort& ComPort() const { return *comPort_; }

    // Writes the summary line in its connected form from the current settings.
    void showConnectedSummary(const QString& port, const QString& speedText);
    // The link's status texts: the message panel, repainted at once.
    void ShowMessage(const QString& text) override;

    void N18Click();    // 通讯/校正时间
    void FLASH1Click(); // 字模/擦除FLASH

private:
    void FormCreate(const QString& configPath);
    void buildMenus();
    void buildToolBar();
    QWidget* buildBody();
    void applyCanvasWidth(int width);

    void N10Click(); // 文件/退出
    // Runs one printer command; a serial-port error goes to the error box.
    void runPrinterCommand(const std::function<void()>& command);

    AppSettings settings_;
    std::unique_ptr<TComPort> comPort_;
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
