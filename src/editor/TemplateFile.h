#pragma once
// .spt template files: INI text in GBK with CR LF lines. Section "Main" holds
// the canvas size, template number and resolution and, last, "ControlCount"
// and "ControlCaption"; one section per element 0..64 follows, named by the
// element's kind word and number ("csStr3").
#include "model/MessageTemplate.h"

#include "common/OperatorError.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

struct TemplateAttributes {
    int width = 512;
    int height = 128;
    int moBan = 1;
    QString resolution = QStringLiteral("200dpi");
};

// A template file that cannot be written; what() is "Unable to write to <path>"
// (UTF-8), reason() the system's ("No space left on device").
class TemplateFileError : public OperatorError {
public:
    TemplateFileError(const std::string& what, QString reason) : OperatorError(what), reason_(std::move(reason)) {}
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// The file's bytes for the template's elements 0..64.
QByteArray templateFileBytes(const MessageTemplate& message, const TemplateAttributes& attributes);

// A save that would lose characters: GBK cannot hold the texts of these keys,
// each named "section/key" ("csStr0/UserValue"); the text names the fields as
// the operator sees them (fieldsGbkCannotHold).
class TemplateTextError : public OperatorError {
public:
    TemplateTextError(QStringList keys, const QStringList& fields)
        : OperatorError(QCoreApplication::translate("TemplateFile", "以下内容含有无法保存的字符：") +
                        fields.join(QCoreApplication::translate("TemplateFile", "，"))),
          keys_(std::move(keys)) {}
    const QStringList& keys() const { return keys_; }

private:
    QStringList keys_;
};

// The "section/key" names of the texts GBK cannot hold, in file order.
QStringList textsGbkCannotHold(const MessageTemplate& message, const TemplateAttributes& attributes);
// The same texts named as the operator sees them: each field once by its kind
// and position ("字符串（X 0，Y 0）"), a template attribute as "模板属性".
QStringList fieldsGbkCannotHold(const MessageTemplate& message, const QStringList& keys);

// What a save does with a text GBK cannot hold: refuse the save, or write each
// such character as "?" once the operator has been told (textsGbkCannotHold).
// A picture's "Source" is never written with a "?": it would name another file.
enum class LostCharacters { Refuse, WriteAsQuestionMarks };

// Writes the file whole to a temporary file beside path and puts it in place
// only when every byte is on the disk: a failed save throws TemplateFileError and
// leaves an existing file as it was. Texts GBK cannot hold throw
// TemplateTextError before anything is written (see LostCharacters).
void saveTemplate(const MessageTemplate& message, const TemplateAttributes& attributes, const QString& path,
                  LostCharacters lostCharacters = LostCharacters::Refuse);

// Why the file is no template, empty when it is one: it cannot be read, has no
// "Main" section, or its "ControlCaption" names an element section the file
// lacks. loadTemplate opens such files with the defaults; the command-line tool
// refuses them.
QString notATemplateReason(const QString& path);

// Reads the file into message, which the caller has cleared: NextControlNo
// restarts at 0, onAttributes gets the canvas size, template number and
// resolution before any element is made, then the elements of
// "ControlCaption" are rebuilt in caption order as ControlNo0, 1, 2, ...
// (a piece naming no kind is skipped but still counts) and drawn; the last
// becomes the selected element. A missing file reads as an empty template.
// A number outside its key's range reads as the key's default (TemplateKeys.h).
// A barcode value the element refuses (a missing "HeightPercent") throws
// BarcodeError; the elements made before it stay. A picture that cannot be
// loaded stays white in its frame; its reason is added to pictureProblems
// when given. A template whose canvas, element pictures and picture reading
// need more than one template's budget (PictureBudget.h) is refused with
// TemplateTooLargeError: none of its elements stays, the canvas size already
// given to onAttributes does.
void loadTemplate(MessageTemplate& message, const QString& path,
                  const std::function<void(const TemplateAttributes&)>& onAttributes,
                  QStringList* pictureProblems = nullptr);
// The same from a file's contents already read; pictures named relative to
// folder (the file's own folder).
class IniFile;
void loadTemplate(MessageTemplate& message, const IniFile& ini, const QString& folder,
                  const std::function<void(const TemplateAttributes&)>& onAttributes,
                  QStringList* pictureProblems = nullptr);
