#pragma once
// A .spt file opened as the editor opens it and planned for a send (defined in cmd_send.cpp).
#include "editor/PrintArea.h"
#include "link/BarcodeVerification.h"
#include "link/MessageRender.h"

#include <QList>
#include <QString>
#include <optional>

// Opens the file and plans the send; prints the reason (also kept in
// *failure) and returns nothing on failure. A file that is no template is
// refused (the editor would open it as an empty one, which the operator sees;
// a script does not). A picture that cannot be loaded prints white, with a
// warning. With checks, also decodes each barcode in the planned background;
// with outside, also lists the fields that stick out of the print area.
// replacements ("SECTION.KEY=VALUE", see TemplateSettings.h) replace values
// of the file as read; the file itself is not touched. One the reader would
// not keep refuses the whole plan.
std::optional<MessagePlan> planFromFile(const QString& path, QString* failure = nullptr,
                                        QList<BarcodeCheck>* checks = nullptr, QList<FieldOutside>* outside = nullptr,
                                        const QStringList& replacements = {});
