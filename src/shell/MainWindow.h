#pragma once
// The main window: menu bar, toolbar, tool palette, canvas area, property area
// and status line. It owns the process-wide settings and the serial port.
#include "common/AppSettings.h"
#include "link/LinkReporter.h"
#include "link/MessageRender.h"
#include "link/PrinterSearch.h"
#include "link/Transaction.h"
#include "model/MessageTemplate.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class CanvasArea;
class CanvasEditor;
class DesktopHabits;
class EditHistory;
class EditMenus;
class FieldClipboard;
class PropertyPanels;
class RecoveryCopy;
class ToolPalette;
class QAction;
class QFrame;
class PrinterSearchTask;
class QGroupBox;
class QMenu;
class QPushButton;
class QToolBar;
class StatusLine;
class SerialPort;

class MainWindow : public QMainWindow, public SearchReporter {
    Q_OBJECT
public:
    // configPath: Config.ini (the executable's folder in the program); store:
    // the per-user settings it reads at start and writes as they change.
    MainWindow(const QString& configPath, const RegStore& store, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppSettings& settings() { return settings_; }
    const RegStore& store() const { return store_; }
    // The template being edited: the canvas shows it, the panels edit it, the file commands load and save it.
    MessageTemplate& messageTemplate() { return template_; }
    StatusLine* statusLine() const { return statusBar_; }
    CanvasArea* canvasArea() const { return canvas_; }
    ToolPalette* toolPalette() const { return toolPalette_; }
    // The property area's panels: the field panels and GrpBox_Main.
    PropertyPanels* propertyPanels() const { return propertyPanels_; }
    QStringList stringFontList() const { return stringFonts_; }

    SerialPort& serialPort() const { return *comPort_; }
    // The quiet time the printer commands wait for each answer (tests shorten it).
    void setQuietMs(int ms) { quietMs_ = ms; }
    ReplyTiming linkTiming() const;

    // The undo history of the canvas and the panels. A panel records a property
    // edit with editHistory()->edit(element, text, change) (see FieldPanel::recordEdit).
    EditHistory* editHistory() const { return history_; }
    // Forgets every undo step (a restored template starts without history).
    void clearEditHistory();
    // The template now matches its file, or is freshly begun: no unsaved
    // changes, no recovery copy.
    void markUnmodified();
    // Changes since the template was opened, begun or saved.
    bool isModified() const;
    DesktopHabits* desktopHabits() const { return habits_; }
    EditMenus* editMenus() const { return editMenus_; }
    // The recovery copy of the template, written after the undo steps.
    RecoveryCopy* recoveryCopy() const { return recovery_; }
    FieldClipboard* fieldClipboard() const { return clipboard_; }

    // Writes the summary line in its connected form from the current settings.
    void showConnectedSummary(const QString& port, const QString& speedText);
    // The link's status texts: the message panel, repainted at once.
    void showMessage(const QString& text) override;

    // The connected form with the port's current name and speed; left as it is
    // when the port's speed is none of 9600, 57600 and 115200.
    void refreshSummary();
    // The standard error box.
    void showError(const QString& text);
    // The printer search's summaries: the port that answered (stored by the
    // search) or the not-found form.
    void showFound(const QString& port, const QString& speedText) override;
    void showNotFound() override;

    // Searches the port list on a worker thread (start-up, Btn_Search, 通讯/查找, the toolbar).
    void searchForPrinter();
    // The same over the given ports; nothing while a search runs.
    void startPrinterSearch(const QStringList& ports, int quietMs = kQuietMs);
    bool searchRunning() const;
    // Off while a search runs: the toolbar, the menus 设置, 通讯 and 字模, and Btn_Search.
    void setSearchRunning(bool running);

    void setClockFromComputer();   // 通讯/校正时间
    void openFlashEraseDialog();   // 字模/擦除FLASH
    void openGlyphDialog();        // 字模/设置字模
    void sendToPrinter();          // 通讯/发送
    void openPrintPreview();       // 视图/打印预览
    void openTemplateAttributes(); // 设置/模板属性
    void openSerialPortDialog();   // 设置/通讯设置
    void startPaint();             // 设置/画图
    void showHelp();               // 帮助/帮助主题
    void openAboutBox();           // 帮助/关于

signals:
    // A template was opened or saved: the recent files changed.
    void recentFilesChanged();

protected:
    // The first showing starts a printer search.
    void showEvent(QShowEvent* event) override;
    // Closing by the frame asks whether to save first.
    void closeEvent(QCloseEvent* event) override;

private:
    void runStartUp(const QString& configPath);
    void buildMenus();
    void buildToolBar();
    QWidget* buildBody();
    void applyCanvasWidth(int width);
    SendSettings sendSettings() const; // how a send and the preview plan the message
    void installEditing();             // the undo history, keys, clipboard, 编辑 and 视图

    void confirmExit(); // 文件/退出
    // Runs one printer command; a serial-port error goes to the error box.
    void runPrinterCommand(const std::function<void()>& command);

    RegStore store_;
    AppSettings settings_;
    MessageTemplate template_;
    std::unique_ptr<SerialPort> comPort_;
    QStringList stringFonts_;
    QStringList paintPrograms_;
    int quietMs_ = kQuietMs;
    CanvasArea* canvas_ = nullptr;
    StatusLine* statusBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    ToolPalette* toolPalette_ = nullptr;
    PropertyPanels* propertyPanels_ = nullptr;
    CanvasEditor* canvasEditor_ = nullptr;
    EditHistory* history_ = nullptr;
    RecoveryCopy* recovery_ = nullptr;
    FieldClipboard* clipboard_ = nullptr;
    EditMenus* editMenus_ = nullptr;
    QWidget* propertyArea_ = nullptr;
    QGroupBox* mainPanel_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QMenu* menuSettings_ = nullptr;
    QMenu* menuLink_ = nullptr;
    // 发送 and 查找 carry shortcuts, so they are turned off themselves while a search runs.
    QAction* sendAction_ = nullptr;
    QAction* searchAction_ = nullptr;
    QMenu* menuGlyphs_ = nullptr;
    bool exitConfirmed_ = false;
    QFrame* searchNotice_ = nullptr;
    PrinterSearchTask* search_ = nullptr;
    bool shownOnce_ = false;
    DesktopHabits* habits_ = nullptr;
    QMenu* menuFile_ = nullptr;
    QAction* exitAction_ = nullptr;
    // What the summary line shows of the link: the port and speed text of its
    // connected form, none for the not-found form. A search in progress moves
    // the serial port from port to port; the summary keeps this meanwhile.
    std::optional<std::pair<QString, QString>> summaryLink_;
};
