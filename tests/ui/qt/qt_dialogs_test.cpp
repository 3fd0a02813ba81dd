#include "qt_dialogs_test.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "qt_test_support.h"
#include "ui/qt/folder_picker.h"
#include "ui/qt/qt_form.h"

using namespace murvane::testing;
using murvane::MessageAnswer;
using murvane::MessageKind;
using murvane::Text;

void QtDialogsTest::messageBoxes_data() {
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("error, OK") << false << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
    QTest::newRow("question, Yes") << true << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
    QTest::newRow("question, No") << true << int(QMessageBox::No) << int(MessageAnswer::No);
}

void QtDialogsTest::messageBoxes() {
    QFETCH(bool, yesNo);
    QFETCH(int, press);
    QFETCH(int, answer);
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QColor frame;
    WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        modality = box.windowModality();
        QAbstractButton* button = box.button(QMessageBox::StandardButton(press));
        frame = PixelAt(*button, {button->width() / 2, 0});
        button->click();
    });
    const MessageAnswer answered =
        form_->ShowMessage("您这样匹配是错误的，是否更正！", "  重要提示...",
                           yesNo ? MessageKind::YesNoInfo : MessageKind::OkError);
    QCOMPARE(int(answered), answer);
    QCOMPARE(title, Q("  重要提示..."));
    QCOMPARE(text, Q("您这样匹配是错误的，是否更正！"));
    QCOMPARE(icon, yesNo ? QMessageBox::Information : QMessageBox::Critical);
    QCOMPARE(buttons, yesNo ? QMessageBox::Yes | QMessageBox::No
                            : QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(frame, kOliveFrame);
}

void QtDialogsTest::folderPicker_data() {
    QTest::addColumn<QString>("choose");  // empty: cancel
    QTest::addColumn<QString>("expected");
    QTest::newRow("a folder") << "temp"
                              << "temp";
    QTest::newRow("the root") << "/"
                              << "/";
    QTest::newRow("cancel") << ""
                            << "";
}

void QtDialogsTest::folderPicker() {
    QFETCH(QString, choose);
    QFETCH(QString, expected);
    QTemporaryDir temp;
    if (choose == "temp") choose = temp.path();
    if (expected == "temp") expected = temp.path();
    QString title;
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        if (choose.isEmpty()) {
            dialog.reject();
            return;
        }
        dialog.setDirectory(choose);
        QMetaObject::invokeMethod(&dialog, "accept");  // as the dialog's Choose button does
    });
    const Text picked = form_->PickFolder("请选择目录...");
    QCOMPARE(title, Q("请选择目录..."));
    QCOMPARE(QString::fromStdString(picked), expected);
}

void QtDialogsTest::folderPathText_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "/home/music"
                           << "/home/music";
    QTest::newRow("trailing separator") << "/home/music/"
                                        << "/home/music";
    QTest::newRow("several trailing") << "/home/music//"
                                      << "/home/music";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("not ASCII") << Q("/音乐/") << Q("/音乐");
}

void QtDialogsTest::folderPathText() {
    QFETCH(QString, path);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(murvane::FolderPathText(path)), text);
}

QTEST_MAIN(QtDialogsTest)
