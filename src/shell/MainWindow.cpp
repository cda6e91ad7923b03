#include "shell/MainWindow.h"

#include "link/BarcodeVerification.h"
#include "link/Frame.h"
#include "link/LinkProgress.h"
#include "link/TransactionLog.h"
#include "shell/BarcodeSendPrompt.h"
#include "shell/PrintAreaPrompt.h"
#include "shell/WorkWithProgress.h"

#include "common/OperatorError.h"
#include "editor/PrintArea.h"
#include "editor/TemplateFile.h"
#include "glyphs/Code16File.h"
#include "link/PrinterCommands.h"
#include "link/SendMessage.h"
#include "serial/PortList.h"
#include "serial/SerialPort.h"
#include "shell/AboutDialog.h"
#include "shell/CanvasArea.h"
#include "shell/CanvasEditor.h"
#include "shell/CanvasKeyboard.h"
#include "shell/ConnectionLamp.h"
#include "shell/DesktopHabits.h"
#include "shell/DialogFrame.h"
#include "shell/EditHistory.h"
#include "shell/EditMenus.h"
#include "shell/ErrorBoundary.h"
#include "shell/ErrorBox.h"
#include "shell/FieldClipboard.h"
#include "shell/FieldLayer.h"
#include "shell/FlashEraseDialog.h"
#include "shell/GlyphDialog.h"
#include "shell/HelpDialog.h"
#include "shell/LanguageDialog.h"
#include "shell/PaintProgram.h"
#include "shell/PrintPreviewWindow.h"
#include "shell/PrinterSearchTask.h"
#include "shell/RecoveryCopy.h"
#include "shell/SerialPortDialog.h"
#include "shell/StartUp.h"
#include "shell/StatusLine.h"
#include "shell/TemplateAttributesDialog.h"
#include "shell/TemplateCommands.h"
#include "shell/TemplateState.h"
#include "shell/ToolIcons.h"
#include "shell/ToolPalette.h"
#include "shell/panels/PropertyPanels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

MainWindow::MainWindow(const QString& configPath, const RegStore& store, QWidget* parent)
    : QMainWindow(parent), store_(store), comPort_(std::make_unique<SerialPort>()) {
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(tr("Dravo喷码编辑系统"));
    keepDialogsToCloseBox(); // the message boxes too
    buildMenus();
    buildToolBar();
    setCentralWidget(buildBody());
    installEditing();
    resize(800, 534);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    habits_ = new DesktopHabits(*this, menuFile_, exitAction_); // the size and place it was closed with
    runStartUp(configPath);
    searchNotice_ = makeSearchNotice(this);
    search_ = new PrinterSearchTask(*comPort_, store_, this);
    connect(search_, &PrinterSearchTask::finished, this, guarded(this, [this] {
                searchNotice_->hide();
                setSearchRunning(false);
            }));
    connect(searchButton_, &QPushButton::clicked, this, guarded(this, [this] { searchForPrinter(); }));
}

MainWindow::~MainWindow() {
    delete recovery_; // the history's last signals come after the template is gone
    recovery_ = nullptr;
    search_->stop(); // the worker uses the serial port, which goes first
    // The canvas, the print previews and the edit menus watch template_, which as a member goes
    // before QWidget deletes the children: the widgets go first.
    delete takeCentralWidget();
    qDeleteAll(findChildren<PrintPreviewWindow*>(Qt::FindDirectChildrenOnly));
    delete editMenus_; // it follows the selection of template_ too
    editMenus_ = nullptr;
}

void MainWindow::runStartUp(const QString& configPath) {
    // Config.ini, then the per-user values; nothing is written back.
    settings_ = readStartupSettings(configPath, store_);
    applyCanvasWidth(settings_.width);
    comPort_->setPort(settings_.comm);
    if (const auto baud = baudFromText(settings_.baudText)) comPort_->setBaudRate(*baud);
    comPort_->setOpenListener([led = statusBar_->connectionLamp()](bool open) { led->setLit(open); });
    showConnectedSummary(settings_.comm, settings_.baudText);
    stringFonts_ = stringFieldFontList(QFontDatabase::families());
    paintPrograms_ = paintProgramsFromConfig(configPath);
    propertyPanels_->setStringFonts(stringFonts_);
}

void MainWindow::applyCanvasWidth(int width) {
    canvas_->setCanvasWidth(width);
}

void MainWindow::showConnectedSummary(const QString& port, const QString& speedText) {
    summaryLink_ = {port, speedText};
    statusBar_->showSummary(summaryConnected(port, speedText, settings_.moBan, settings_.width, settings_.resolution));
}

void MainWindow::refreshSummary() {
    if (searchRunning()) { // the port being tried is not a connection: the form shown stays
        if (summaryLink_) showConnectedSummary(summaryLink_->first, summaryLink_->second);
        else showNotFound();
        return;
    }
    const int baud = comPort_->baudRate();
    if (baud == 9600 || baud == 57600 || baud == 115200) showConnectedSummary(comPort_->port(), QString::number(baud));
}

void MainWindow::buildMenus() {
    // Every command runs through the error boundary.
    const auto run = [this](void (MainWindow::*command)()) {
        return guarded(this, [this, command] { (this->*command)(); });
    };
    QMenu* file = menuFile_ = menuBar()->addMenu(tr("文件"));
    // The desktop's usual shortcuts, shown beside the menu texts.
    QAction* newAction = file->addAction(tr("新建"), this, guarded(this, [this] { newTemplate(*this); }));
    newAction->setObjectName(QStringLiteral("Act_New"));
    newAction->setShortcut(QKeySequence::New);
    QAction* openAction = file->addAction(tr("打开"), this, guarded(this, [this] { openTemplateWithDialog(*this); }));
    openAction->setObjectName(QStringLiteral("Act_Open"));
    openAction->setShortcut(QKeySequence::Open);
    QAction* saveAction = file->addAction(tr("保存"), this, guarded(this, [this] { saveTemplateWithDialog(*this); }));
    saveAction->setObjectName(QStringLiteral("Act_Save"));
    saveAction->setShortcut(QKeySequence::Save);
    exitAction_ = file->addAction(tr("退出"), this, run(&MainWindow::confirmExit));

    menuSettings_ = menuBar()->addMenu(tr("设置"));
    menuSettings_->addAction(tr("模板属性"), this, run(&MainWindow::openTemplateAttributes));
    menuSettings_->addAction(tr("通讯设置"), this, run(&MainWindow::openSerialPortDialog));
    menuSettings_->addAction(tr("画图"), this, run(&MainWindow::startPaint));
    addLanguageCommand(*menuSettings_, *this, store_);

    menuLink_ = menuBar()->addMenu(tr("通讯"));
    menuLink_->addAction(tr("通讯测试"))->setVisible(false);
    menuLink_->addAction(tr("校正时间"), this, run(&MainWindow::setClockFromComputer));
    sendAction_ = menuLink_->addAction(tr("发送"), this, run(&MainWindow::sendToPrinter));
    sendAction_->setObjectName(QStringLiteral("Act_Send"));
    sendAction_->setShortcut(Qt::Key_F5);
    searchAction_ = menuLink_->addAction(tr("查找"), this, run(&MainWindow::searchForPrinter));
    searchAction_->setObjectName(QStringLiteral("Act_Search"));
    searchAction_->setShortcut(Qt::Key_F6);

    menuGlyphs_ = menuBar()->addMenu(tr("字模"));
    menuGlyphs_->addAction(tr("设置字模"), this, run(&MainWindow::openGlyphDialog));
    menuGlyphs_->addAction(tr("擦除FLASH"), this, run(&MainWindow::openFlashEraseDialog));

    QMenu* help = menuBar()->addMenu(tr("帮助"));
    QAction* guide = help->addAction(tr("帮助主题"), this, run(&MainWindow::showHelp));
    guide->setObjectName(QStringLiteral("Act_Help"));
    guide->setShortcut(Qt::Key_F1);
    help->addAction(tr("关于"), this, run(&MainWindow::openAboutBox));
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFixedHeight(33);
    toolBar_->setIconSize(QSize(20, 20));
    const auto run = [this](void (MainWindow::*command)()) { return [this, command] { (this->*command)(); }; };
    const struct {
        ToolIcon icon;
        const char* tip; // nullptr: a separator
        std::function<void()> command;
    } buttons[] = {
        {ToolIcon::New, QT_TR_NOOP("新建文件"), [this] { newTemplate(*this); }},
        {ToolIcon::Open, QT_TR_NOOP("打开文件"), [this] { openTemplateWithDialog(*this); }},
        {ToolIcon::Save, QT_TR_NOOP("保存文件"), [this] { saveTemplateWithDialog(*this); }},
        {ToolIcon::New, nullptr, {}},
        {ToolIcon::Clock, QT_TR_NOOP("校正时间"), run(&MainWindow::setClockFromComputer)},
        {ToolIcon::Send, QT_TR_NOOP("发送数据"), run(&MainWindow::sendToPrinter)},
        {ToolIcon::Search, QT_TR_NOOP("查找已连接喷码机"), run(&MainWindow::searchForPrinter)},
        {ToolIcon::Paint, "", run(&MainWindow::startPaint)},
        {ToolIcon::About, QT_TR_NOOP("关于"), run(&MainWindow::openAboutBox)},
        {ToolIcon::Exit, QT_TR_NOOP("退出"), run(&MainWindow::confirmExit)},
    };
    for (const auto& b : buttons) {
        if (!b.tip) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = toolBar_->addAction(toolIcon(b.icon), QString());
        a->setToolTip(tr(b.tip));
        if (b.command) connect(a, &QAction::triggered, this, guarded(this, b.command));
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
    searchButton_ = new QPushButton(tr("查找"), mainPanel_);
    searchButton_->setObjectName(QStringLiteral("Btn_Search"));
    searchButton_->setToolTip(tr("查找已连接喷码机"));
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
    recovery_ = new RecoveryCopy(
        [this] {
            return templateFileBytes(template_,
                                     {settings_.width, canvas_->canvasHeight(), settings_.moBan, settings_.resolution});
        },
        this);
    connect(history_->stack(), &QUndoStack::indexChanged, recovery_, &RecoveryCopy::noteStep);
    connect(history_->stack(), &QUndoStack::cleanChanged, statusBar_,
            [this](bool clean) { statusBar_->showModified(!clean); });
    connect(recovery_, &RecoveryCopy::writeFailed, this,
            [this](const QString& reason) { statusBar_->showMessage(tr("无法写入恢复副本：%1").arg(reason)); });
    canvasEditor_->setHistory(history_);
    propertyPanels_->setEditHistory(history_);
    new CanvasKeyboard(canvas_->fieldLayer(), *canvasEditor_);
    clipboard_ = new FieldClipboard(
        template_, *history_, [this] { return canvas_->canvasSize(); }, this);
    editMenus_ = new EditMenus(this, store_, *history_, *canvasEditor_, *clipboard_, canvas_);
    QMenu* edit = editMenus_->editMenu();
    edit->addSeparator();
    QAction* front =
        edit->addAction(tr("置于顶层"), this, guarded(this, [this] { restackSelected(*this, StackEnd::Front); }));
    front->setObjectName(QStringLiteral("Act_BringToFront"));
    QAction* back =
        edit->addAction(tr("置于底层"), this, guarded(this, [this] { restackSelected(*this, StackEnd::Back); }));
    back->setObjectName(QStringLiteral("Act_SendToBack"));
    editMenus_->followSelection(template_, {front, back});
    statusBar_->showZoom(canvas_->zoom());
    connect(editMenus_, &EditMenus::zoomChanged, statusBar_, &StatusLine::showZoom);
    editMenus_->viewMenu()->addSeparator();
    QAction* preview =
        editMenus_->viewMenu()->addAction(tr("打印预览"), this, guarded(this, [this] { openPrintPreview(); }));
    preview->setObjectName(QStringLiteral("Act_PrintPreview"));
    preview->setShortcut(QKeySequence::Print);
}

SendSettings MainWindow::sendSettings() const {
    return {settings_.width, settings_.moBan, settings_.resolution, settings_.dpiList, settings_.widthMode};
}

void MainWindow::openPrintPreview() {
    auto* window = new PrintPreviewWindow(
        template_, [this] { return planMessage(template_, sendSettings()); }, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindow::clearEditHistory() {
    history_->clear();
    recovery_->remove(); // a template restored anew has nothing to recover yet
}

void MainWindow::markUnmodified() {
    history_->stack()->setClean();
    recovery_->remove();
}

bool MainWindow::isModified() const {
    return !history_->stack()->isClean();
}

void MainWindow::confirmExit() {
    const auto answer = QMessageBox::question(this, tr("提示"), tr("你确定要退出系统吗? "),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    exitConfirmed_ = true; // the program ends with its only window, without the save question
    close();
}

void MainWindow::showMessage(const QString& text) {
    statusBar_->showMessage(text);
    repaint();
}

// How exchanges end: the quiet period (shortened only by tests), and fast
// acknowledgement only when Config.ini asks for it.
ReplyTiming MainWindow::linkTiming() const {
    ReplyTiming timing(quietMs_);
    timing.fastAck = settings_.fastAck;
    return timing;
}

void MainWindow::runPrinterCommand(const std::function<void()>& command) {
    runCommand(this, [&] {
        try {
            command();
        } catch (const OperatorError& e) {
            statusBar_->showMessage(e.text()); // the panel tells the latest outcome, as the box does
            throw;
        }
    });
}

void MainWindow::showError(const QString& text) {
    showErrorBox(this, text);
}

void MainWindow::setClockFromComputer() {
    runPrinterCommand([this] {
        const QDateTime now = QDateTime::currentDateTime();
        runWithProgress(this, *this, tr("校正时间"),
                        LinkProgress(singleStep(clockFrame(now), actionSetClock()), comPort_->baudRate(), linkTiming()),
                        [this, now, timing = linkTiming()](LinkReporter& reporter) {
                            return setPrinterClock(*comPort_, reporter, now, timing);
                        });
    });
}

void MainWindow::openFlashEraseDialog() {
    FlashEraseDialog window(
        [this](int segment) {
            runPrinterCommand([&] {
                const LinkProgress progress(singleStep(eraseFrame(segment), actionEraseFlash()), comPort_->baudRate(),
                                            linkTiming());
                runWithProgress(this, *this, tr("擦除FLASH"), progress,
                                [this, segment, timing = linkTiming()](LinkReporter& reporter) {
                                    return eraseFlashSegment(*comPort_, reporter, segment, timing);
                                });
            });
        },
        this);
    window.exec();
}

void MainWindow::sendToPrinter() {
    // A refusal or a field that cannot be drawn ends the command before anything is sent.
    const MessagePlan plan = planMessage(template_, sendSettings());
    // A barcode that no longer scans in the dots that will be packed is the
    // operator's call, before anything goes out.
    if (!confirmBarcodesBeforeSend(this, verifyBarcodes(template_, settings_.width, plan.scaled))) return;
    // Parts of fields beyond the 128-dot strip or the canvas are not printed.
    if (!confirmPrintAreaBeforeSend(this, fieldsOutsidePrintArea(template_, settings_.width))) return;
    runPrinterCommand([&] {
        const LinkProgress progress(sendSteps(plan), comPort_->baudRate(), linkTiming());
        const WorkEnd end = runWithProgress(this, *this, tr("发送数据"), progress,
                                            [this, &plan, timing = linkTiming()](LinkReporter& reporter) {
                                                const TransactionLabel label(QStringLiteral("send"));
                                                return sendMessage(*comPort_, reporter, plan, timing);
                                            });
        if (end == WorkEnd::Accepted) QMessageBox::information(this, tr("提示"), sendSucceededText());
    });
}

void MainWindow::openTemplateAttributes() {
    TemplateAttributesDialog dialog(store_, settings_.maxLength, settings_.dpiList, this);
    if (dialog.exec() != QDialog::Accepted) return;
    settings_.moBan = dialog.moBan();
    settings_.resolution = dialog.resolution();
    settings_.width = dialog.canvasWidth();
    applyCanvasWidth(settings_.width);
    refreshSummary();
}

void MainWindow::openSerialPortDialog() {
    SerialPortDialog dialog(store_, availablePortNames() + settings_.networkPorts, this);
    if (dialog.exec() != QDialog::Accepted) return;
    comPort_->setPort(dialog.portName());
    if (const auto baud = dialog.baudRate()) comPort_->setBaudRate(*baud);
    showConnectedSummary(dialog.portName(), dialog.baudText());
}

void MainWindow::startPaint() {
    if (startPaintProgram(paintPrograms_)) return;
    QString text = tr("没有找到画图程序");
    if (!paintPrograms_.isEmpty()) text += tr("（试过 %1）").arg(paintPrograms_.join(tr("、")));
    showMessage(text);
}

void MainWindow::showHelp() {
    HelpDialog dialog(this);
    dialog.exec();
}

void MainWindow::openAboutBox() {
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::showFound(const QString& port, const QString& speedText) {
    settings_.comm = port;
    settings_.baudText = speedText;
    showConnectedSummary(port, speedText);
}

void MainWindow::showNotFound() {
    summaryLink_.reset();
    statusBar_->showSummary(summaryNotFound(settings_.moBan, settings_.width, settings_.resolution));
}

void MainWindow::searchForPrinter() {
    startPrinterSearch(availablePortNames() + settings_.networkPorts);
}

void MainWindow::startPrinterSearch(const QStringList& ports, int quietMs) {
    // With no port there is nothing to send, and the notice and the controls are left alone.
    if (ports.isEmpty() || search_->isRunning()) return;
    placeSearchNotice(searchNotice_, this);
    searchNotice_->show();
    searchNotice_->raise();
    setSearchRunning(true); // before the worker starts, so that no other command slips in
    search_->start(ports, *this, quietMs, settings_.parallelSearch);
}

bool MainWindow::searchRunning() const {
    return search_->isRunning();
}

void MainWindow::setSearchRunning(bool running) {
    toolBar_->setEnabled(!running);
    for (QMenu* menu : {menuSettings_, menuLink_, menuGlyphs_}) menu->menuAction()->setEnabled(!running);
    searchButton_->setEnabled(!running);
    for (QAction* action : {sendAction_, searchAction_}) action->setEnabled(!running);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    searchForPrinter();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exitConfirmed_ && !closeQuery(*this)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    habits_->saveWindowState();
    search_->stop();
    recovery_->remove(); // a clean exit
}

void MainWindow::openGlyphDialog() {
    GlyphDialog window(
        settings_.dpiList, QFontDatabase::families(),
        [this](const QList<GlyphPayload>& payloads) {
            runPrinterCommand([&] {
                const LinkProgress progress(glyphSteps(payloads), comPort_->baudRate(), linkTiming());
                runWithProgress(this, *this, tr("设置字模"), progress,
                                [this, &payloads, timing = linkTiming()](LinkReporter& reporter) {
                                    return sendGlyphPayloads(*comPort_, reporter, payloads, timing);
                                });
            });
        },
        [](const QByteArray& payload) { writeCode16(payload); }, this);
    window.exec();
}
