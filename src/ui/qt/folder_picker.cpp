#include "ui/qt/folder_picker.h"

#include <QFileDialog>

#include "ui/qt/qt_text.h"

namespace murvane {

Text PickFolder(QWidget* owner, const Text& title) {
    return FolderPathText(QFileDialog::getExistingDirectory(owner, ToQString(title), QString(),
                                                            QFileDialog::ShowDirsOnly));
}

Text FolderPathText(const QString& path) {
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/'))) trimmed.chop(1);
    return ToText(trimmed);
}

}  // namespace murvane
