#include "TFrm_Main.h"

#include "CanvasArea.h"
#include "StartUp.h"
#include "PrinterCommands.h"
#include "StatusBarEx.h"
#include "TComLed.h"
#include "TComPort.h"
#include "TFrm_Flash.h"

#include <QApplication>
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

TFrm_Main::TFrm_Main(const QString& configPath, QWidget* parent)
    : QMainWindow(parent), comPort_(std::make_unique<TComPort>()) {
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(QStringLiteral("Dravo喷码编辑系统"));
    buildMenus();
    buildToolBar();
    setCentralWidget(buildBody());
    resize(800, 534);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate(configPath);
}

TFrm_Main::~TFrm_Main() = default;

void TFrm_Main::FormCreate(const QString& configPath) {
    // Config.ini, then the per-user values; nothing is written back.
    settings_ = readStartupSettings(configPath);
    applyCanvasWidth(settings_.width);
    comPort_->SetPort(settings_.comm);
    if (const auto baud = baudFromText(settings_.baudText)) comPort_->SetBaudRate(*baud);
    comPort_->SetOpenListener([led = statusBar_->ComLed1()](bool open) { led->setLit(open); });
    showConnectedSummary(settings_.comm, settings_.baudText);
    stringFonts_ = stringFieldFontList(QFontDatabase::families());
}

void TFrm_Main::applyCanvasWidth(int width) {
    canvas_->setCanvasWidth(width);
}

void TFrm_Main::showConnectedSummary(const QString& port, const QString& speedText) {
    statusBar_->showSummary(summaryConnected(port, speedText, settings_.moBan, settings_.width, settings_.zoom));
}

void TFrm_Main::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件"));
    file->addAction(QStringLiteral("新建"));
    file->addAction(QStringLiteral("打开"));
    file->addAction(QStringLiteral("保存"));
    file->addAction(QStringLiteral("退出"), this, &TFrm_Main::N10Click);

    menuSettings_ = menuBar()->addMenu(QStringLiteral("设置"));
    menuSettings_->addAction(QStringLiteral("模板属性"));
    menuSettings_->addAction(QStringLiteral("通讯设置"));
    menuSettings_->addAction(QStringLiteral("画图"));

    menuLink_ = menuBar()->addMenu(QStringLiteral("通讯"));
    menuLink_->addAction(QStringLiteral("通讯测试"))->setVisible(false);
    menuLink_->addAction(QStringLiteral("校正时间"), this, &TFrm_Main::N18Click);
    menuLink_->addAction(QStringLiteral("发送"));
    menuLink_->addAction(QStringLiteral("查找"));

    menuGlyphs_ = menuBar()->addMenu(QStringLiteral("字模"));
    menuGlyphs_->addAction(QStringLiteral("设置字模"));
    menuGlyphs_->addAction(QStringLiteral("擦除FLASH"), this, &TFrm_Main::FLASH1Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    help->addAction(QStringLiteral("帮助主题"));
    help->addAction(QStringLiteral("关于"));
}

void TFrm_Main::buildToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(33);
    ToolBar1->setIconSize(QSize(20, 20));
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
            ToolBar1->addSeparator();
            continue;
        }
        QAction* a = ToolBar1->addAction(s->standardIcon(b.icon), QString());
        a->setToolTip(QString::fromUtf8(b.tip));
        const QString tip = QString::fromUtf8(b.tip);
        if (tip == QStringLiteral("退出")) connect(a, &QAction::triggered, this, &TFrm_Main::N10Click);
        if (tip == QStringLiteral("校正时间")) connect(a, &QAction::triggered, this, &TFrm_Main::N18Click);
    }
}

QWidget* TFrm_Main::buildBody() {
    auto* body = new QWidget;
    auto* outer = new QVBoxLayout(body);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(41);
    static_cast<QFrame*>(Panel1)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    middle->addWidget(Panel1);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    canvas_ = new CanvasArea;
    right->addWidget(canvas_, 1);
    Panel3 = new QFrame;
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(107);
    auto* panelLayout = new QVBoxLayout(Panel3);
    panelLayout->setContentsMargins(2, 0, 2, 2);
    GrpBox_Main = new QGroupBox(Panel3);
    GrpBox_Main->setObjectName(QStringLiteral("GrpBox_Main"));
    Btn_Search = new QPushButton(QStringLiteral("查找"), GrpBox_Main);
    Btn_Search->setObjectName(QStringLiteral("Btn_Search"));
    Btn_Search->setToolTip(QStringLiteral("查找已连接喷码机"));
    Btn_Search->setGeometry(16, 30, 75, 25);
    panelLayout->addWidget(GrpBox_Main);
    right->addWidget(Panel3);
    middle->addLayout(right, 1);
    outer->addLayout(middle, 1);

    statusBar_ = new StatusBarEx;
    statusBar_->setObjectName(QStringLiteral("StatusBarEx"));
    outer->addWidget(statusBar_);
    return body;
}

void TFrm_Main::N10Click() {
    const auto answer = QMessageBox::question(this, QStringLiteral("提示"), QStringLiteral("你确定要退出系统吗? "),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) QApplication::exit(0);
}

void TFrm_Main::ShowMessage(const QString& text) {
    statusBar_->showMessage(text);
    repaint();
}

void TFrm_Main::runPrinterCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const ComPortError& e) {
        QMessageBox::critical(this, QApplication::applicationName(), QString::fromUtf8(e.what()));
    }
}

void TFrm_Main::N18Click() {
    runPrinterCommand([this] { setPrinterClock(*comPort_, *this); });
}

void TFrm_Main::FLASH1Click() {
    TFrm_Flash window([this](int segment) { runPrinterCommand([&] { eraseFlashSegment(*comPort_, *this, segment); }); },
                      this);
    window.exec();
}
