#pragma once
// .spt template files: INI text in GBK with CR LF lines. Section "Main" holds
// the canvas size, template number and resolution and, last, "ControlCount"
// and "ControlCaption"; one section per element 0..64 follows, named by the
// element's kind word and number ("csStr3").
#include "model/MessageTemplate.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

struct TemplateAttributes {
    int width = 512;
    int height = 128;
    int moBan = 1;
    QString zoom = QStringLiteral("200dpi");
};

// A template file that cannot be written; what() is "Unable to write to <path>" (UTF-8).
class TemplateFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes for the template's elements 0..64.
QByteArray templateFileBytes(const MessageTemplate& message, const TemplateAttributes& attributes);

// Writes the file whole to a temporary file beside path and puts it in place
// only when complete: a failed save leaves an existing file as it was.
void saveTemplate(const MessageTemplate& message, const TemplateAttributes& attributes, const QString& path);

// Reads the file into message, which the caller has cleared: NextControlNo
// restarts at 0, onAttributes gets the canvas size, template number and
// resolution before any element is made, then the elements of
// "ControlCaption" are rebuilt in caption order as ControlNo0, 1, 2, ...
// (a piece naming no kind is skipped but still counts) and drawn; the last
// becomes the selected element. A missing file reads as an empty template.
// A barcode value the element refuses (a missing "HeightPercent") throws
// BarcodeError; the elements made before it stay.
void loadTemplate(MessageTemplate& message, const QString& path,
                  const std::function<void(const TemplateAttributes&)>& onAttributes);
