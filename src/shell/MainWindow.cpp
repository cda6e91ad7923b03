#include "shell/MainWindow.h"

#include "shell/CanvasArea.h"
#include "shell/CanvasEditor.h"
#include "shell/CanvasKeyboard.h"
#include "shell/EditHistory.h"
#include "shell/EditMenus.h"
#include "shell/FieldClipboard.h"
#include "shell/FieldLayer.h"
#include "shell/ToolPalette.h"
#include "shell/panels/PropertyPanels.h"
#include "shell/StartUp.h"
#include "link/PrinterCommands.h"
#include "shell/StatusLine.h"
#include "shell/ConnectionLamp.h"
#include "serial/SerialPort.h"
#include "shell/FlashEraseDialog.h"
#include "shell/PrinterSearchTask.h"
#include "serial/PortList.h"
#include "shell/GlyphDialog.h"
#include "glyphs/Code16File.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

MainWindow::MainWindow(const QString& configPath, QWidget* parent)
    : QMainWindow(parent), comPort_(std::make_unique<SerialPort>()) {
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(QStringLiteral("Dravo喷码编辑系统"));
    buildMenus();
    buildToolBar();
    setCentralWidget(buildBody());
    installEditing();
    resize(800, 534);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    runStartUp(configPath);
    searchNotice_ = makeSearchNotice(this);
    search_ = new PrinterSearchTask(*comPort_, this);
    connect(search_, &PrinterSearchTask::finished, this, [this] {
        searchNotice_->hide();
        setSearchRunning(false);
    });
    connect(searchButton_, &QPushButton::clicked, this, &MainWindow::searchForPrinter);
}

MainWindow::~MainWindow() {
    search_->stop(); // the worker uses the serial port, which goes first
    // The canvas watches template_, which as a member goes before QWidget
    // deletes the children: the widgets go first.
    delete takeCentralWidget();
}

void MainWindow::runStartUp(const QString& configPath) {
    // Config.ini, then the per-user values; nothing is written back.
    settings_ = readStartupSettings(configPath);
    applyCanvasWidth(settings_.width);
    comPort_->SetPort(settings_.comm);
    if (const auto baud = baudFromText(settings_.baudText)) comPort_->SetBaudRate(*baud);
    comPort_->SetOpenListener([led = statusBar_->connectionLamp()](bool open) { led->setLit(open); });
    showConnectedSummary(settings_.comm, settings_.baudText);
    stringFonts_ = stringFieldFontList(QFontDatabase::families());
    propertyPanels_->setStringFonts(stringFonts_);
}

void MainWindow::applyCanvasWidth(int width) {
    canvas_->setCanvasWidth(width);
}

void MainWindow::showConnectedSummary(const QString& port, const QString& speedText) {
    statusBar_->showSummary(summaryConnected(port, speedText, settings_.moBan, settings_.width, settings_.zoom));
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件"));
    file->addAction(QStringLiteral("新建"));
    file->addAction(QStringLiteral("打开"));
    file->addAction(QStringLiteral("保存"));
    file->addAction(QStringLiteral("退出"), this, &MainWindow::confirmExit);

    menuSettings_ = menuBar()->addMenu(QStringLiteral("设置"));
    menuSettings_->addAction(QStringLiteral("模板属性"));
    menuSettings_->addAction(QStringLiteral("通讯设置"));
    menuSettings_->addAction(QStringLiteral("画图"));

    menuLink_ = menuBar()->addMenu(QStringLiteral("通讯"));
    menuLink_->addAction(QStringLiteral("通讯测试"))->setVisible(false);
    menuLink_->addAction(QStringLiteral("校正时间"), this, &MainWindow::setClockFromComputer);
    menuLink_->addAction(QStringLiteral("发送"));
    menuLink_->addAction(QStringLiteral("查找"), this, &MainWindow::searchForPrinter);

    menuGlyphs_ = menuBar()->addMenu(QStringLiteral("字模"));
    menuGlyphs_->addAction(QStringLiteral("设置字模"), this, &MainWindow::openGlyphDialog);
    menuGlyphs_->addAction(QStringLiteral("擦除FLASH"), this, &MainWindow::openFlashEraseDialog);

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    help->addAction(QStringLiteral("帮助主题"));
    help->addAction(QStringLiteral("关于"));
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFixedHeight(33);
    toolBar_->setIconSize(QSize(20, 20));
    QStyle* s = style();
    const struct {
        QStyle::StandardPixmap icon;
        const char* tip;
    } buttons[] = {
        {QStyle::SP_FileIcon, "新建文件"},         {QStyle::SP_DialogOpenButton, "打开文件"},
        {QStyle::SP_DialogSaveButton, "保存文件"}, {QStyle::SP_CustomBase, nullptr},
        {QStyle::SP_BrowserReload, "校正时间"},    {QStyle::SP_ArrowUp, "发送数据"},
        {QStyle::SP_FileDialogContentsView, "查找已连接喷码机"},
        {QStyle::SP_DesktopIcon, ""},              {QStyle::SP_MessageBoxInformation, "关于"},
        {QStyle::SP_DialogCloseButton, "退出"},
    };
    for (const auto& b : buttons) {
        if (!b.tip) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = toolBar_->addAction(s->standardIcon(b.icon), QString());
        a->setToolTip(QString::fromUtf8(b.tip));
        const QString tip = QString::fromUtf8(b.tip);
        if (tip == QStringLiteral("退出")) connect(a, &QAction::triggered, this, &MainWindow::confirmExit);
        if (tip == QStringLiteral("校正时间")) connect(a, &QAction::triggered, this, &MainWindow::setClockFromComputer);
        if (tip == QStringLiteral("查找已连接喷码机")) connect(a, &QAction::triggered, this, &MainWindow::searchForPrinter);
    }
}

QWidget* MainWindow::buildBody() {
    auto* body = new QWidget;
    auto* outer = new QVBoxLayout(body);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    toolPalette_ = new ToolPalette;
    middle->addWidget(toolPalette_);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    canvas_ = new CanvasArea;
    right->addWidget(canvas_, 1);
    propertyArea_ = new QFrame;
    propertyArea_->setObjectName(QStringLiteral("Panel3"));
    propertyArea_->setFixedHeight(107);
    auto* panelLayout = new QVBoxLayout(propertyArea_);
    panelLayout->setContentsMargins(2, 0, 2, 2);
    mainPanel_ = new QGroupBox(propertyArea_);
    mainPanel_->setObjectName(QStringLiteral("GrpBox_Main"));
    searchButton_ = new QPushButton(QStringLiteral("查找"), mainPanel_);
    searchButton_->setObjectName(QStringLiteral("Btn_Search"));
    searchButton_->setToolTip(QStringLiteral("查找已连接喷码机"));
    searchButton_->setGeometry(16, 30, 75, 25);
    propertyPanels_ = new PropertyPanels(template_, propertyArea_);
    propertyPanels_->setMainPanel(mainPanel_);
    panelLayout->addWidget(propertyPanels_);
    right->addWidget(propertyArea_);
    middle->addLayout(right, 1);
    outer->addLayout(middle, 1);

    statusBar_ = new StatusLine;
    statusBar_->setObjectName(QStringLiteral("StatusBarEx"));
    outer->addWidget(statusBar_);
    canvasEditor_ = new CanvasEditor(this, template_, canvas_, toolPalette_, propertyPanels_);
    return body;
}

void MainWindow::installEditing() {
    history_ = new EditHistory(this, template_, propertyPanels_);
    canvasEditor_->setHistory(history_);
    propertyPanels_->setEditHistory(history_);
    new CanvasKeyboard(canvas_->fieldLayer(), *canvasEditor_);
    clipboard_ = new FieldClipboard(template_, *history_, [this] { return canvas_->canvasSize(); }, this);
    editMenus_ = new EditMenus(this, *history_, *canvasEditor_, *clipboard_, canvas_);
}

void MainWindow::clearEditHistory() {
    history_->clear();
}

void MainWindow::confirmExit() {
    const auto answer = QMessageBox::question(this, QStringLiteral("提示"), QStringLiteral("你确定要退出系统吗? "),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) QApplication::exit(0);
}

void MainWindow::ShowMessage(const QString& text) {
    statusBar_->showMessage(text);
    repaint();
}

namespace {
// How exchanges end: fast acknowledgement only when Config.ini asks for it.
ReplyTiming replyTiming(const AppSettings& settings) {
    ReplyTiming timing;
    timing.fastAck = settings.fastAck;
    return timing;
}
} // namespace

void MainWindow::runPrinterCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const ComPortError& e) {
        QMessageBox::critical(this, QApplication::applicationName(), QString::fromUtf8(e.what()));
    }
}

void MainWindow::setClockFromComputer() {
    runPrinterCommand([this] { setPrinterClock(*comPort_, *this, QDateTime::currentDateTime(), replyTiming(settings_)); });
}

void MainWindow::openFlashEraseDialog() {
    FlashEraseDialog window([this](int segment) { runPrinterCommand([&] { eraseFlashSegment(*comPort_, *this, segment, replyTiming(settings_)); }); },
                      this);
    window.exec();
}

void MainWindow::showFound(const QString& port, const QString& speedText) {
    settings_.comm = port;
    settings_.baudText = speedText;
    showConnectedSummary(port, speedText);
}

void MainWindow::showNotFound() {
    statusBar_->showSummary(summaryNotFound(settings_.moBan, settings_.width, settings_.zoom));
}

void MainWindow::searchForPrinter() {
    startPrinterSearch(availablePortNames());
}

void MainWindow::startPrinterSearch(const QStringList& ports, int quietMs) {
    // With no port there is nothing to send, and the notice and the controls are left alone.
    if (ports.isEmpty() || search_->isRunning()) return;
    placeSearchNotice(searchNotice_, this);
    searchNotice_->show();
    searchNotice_->raise();
    setSearchRunning(true); // before the worker starts, so that no other command slips in
    search_->start(ports, *this, quietMs);
}

bool MainWindow::searchRunning() const {
    return search_->isRunning();
}

void MainWindow::setSearchRunning(bool running) {
    toolBar_->setEnabled(!running);
    for (QMenu* menu : {menuSettings_, menuLink_, menuGlyphs_}) menu->menuAction()->setEnabled(!running);
    searchButton_->setEnabled(!running);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    searchForPrinter();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) search_->stop();
}

void MainWindow::openGlyphDialog() {
    GlyphDialog window(
        settings_.dpiList, QFontDatabase::families(),
        [this](const QList<GlyphPayload>& payloads) {
            runPrinterCommand([&] { sendGlyphPayloads(*comPort_, *this, payloads); });
        },
        [](const QByteArray& payload) { writeCode16(payload); }, this);
    window.exec();
}
