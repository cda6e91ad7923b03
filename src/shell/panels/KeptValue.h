#pragma once
// What the property panels let into an element: only values the template
// reader keeps (editor/TemplateKeys.h), so that a saved template opens again
// with the values the operator set. A value the reader would not keep is
// refused with an OperatorError naming the field as the panel labels it.
#include "editor/TemplateKeys.h"

#include <QString>

// The value when it lies in the key's range; otherwise throws
// "间距必须在 0 到 1000 之间" (label "间距", the range of the key).
int keptValue(const QString& label, const IntegerKey& key, int value);

// The text when the reader keeps it whole; otherwise throws
// "内容文本不能超过 2047 个字符" (label "内容文本").
const QString& keptText(const QString& label, const QString& text);
