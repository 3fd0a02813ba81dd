// Texts are UTF-8 bytes; the widgets show them as QString. Bytes that are not valid UTF-8 are
// drawn as U+FFFD, so whatever must come back byte for byte is kept beside the widget.
#pragma once

#include <QString>

#include "text/text.h"

namespace murvane {

inline QString ToQString(const Text& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text ToText(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace murvane
