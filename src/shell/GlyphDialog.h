#pragma once
// The glyph window "字模": the standard glyph set ("普通字模") sent for one
// height or all six, and custom glyphs ("自定义字模") from the operator's
// text. Each button builds every payload first (the 16-dot set is also kept
// in "Code-16"), then hands them to the sender, which runs one transaction.
// A refusal (a file that cannot be written, a payload too long) is shown in
// an error box before anything is sent.
#include "glyphs/GlyphPayloads.h"
#include "link/GlyphSend.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class GlyphDialog : public QDialog {
    Q_OBJECT
public:
    using Sender = std::function<void(const QList<GlyphPayload>&)>;
    // dpiList: the configured resolution list; fonts: the host's faces.
    GlyphDialog(const QStringList& dpiList, const QStringList& fonts, Sender send, Code16Writer writeCode16,
                QWidget* parent = nullptr);

private:
    void sendSelectedHeight(); // 单独发送
    void sendAllHeights();     // 全部发送
    void sendCustom();         // 发送
    void directionChanged();   // "横向" disables the custom resolution

    // Found by their names (in the comments) in tests, like every window's controls.
    QTabWidget* pages_ = nullptr;           // PageControl1
    QComboBox* fontBox_ = nullptr;          // Comb_Font
    QComboBox* heightBox_ = nullptr;        // Comb_FontHeight
    QComboBox* dpiBox_ = nullptr;           // Comb_Dpi
    QPushButton* sendOneButton_ = nullptr;  // Btn_DaiCi
    QPushButton* sendAllButton_ = nullptr;  // Btn_SendAll
    QLineEdit* valueEdit_ = nullptr;        // Edt_FontValue
    QComboBox* userFontBox_ = nullptr;      // Comb_UserFont
    QComboBox* userHeightBox_ = nullptr;    // Comb_UserFontHeight
    QLabel* userDpiLabel_ = nullptr;        // Label6
    QComboBox* userDpiBox_ = nullptr;       // Comb_UserDpi
    QComboBox* directionBox_ = nullptr;     // ComboBox1
    QPushButton* userSendButton_ = nullptr; // Btn_UserSend

    QWidget* buildStandardPage(const QStringList& fonts);
    QWidget* buildCustomPage(const QStringList& dpiList, const QStringList& fonts);
    void buildAndSend(const std::function<QList<GlyphPayload>()>& build);

    QStringList dpiList_;
    Sender send_;
    Code16Writer writeCode16_;
};
