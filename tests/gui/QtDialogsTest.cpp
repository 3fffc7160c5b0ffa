#include "gui/QtDialogs.h"
#include "gui/TextCodec.h"

#include "WhenModalShows.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using namespace corvalet::platform;
using corvalet::gui::QtDialogs;

TEST(QtDialogsMessage, ShowsStyleAndReturnsTheButtonPressed)
{
    qtTestApp();
    QtDialogs dialogs;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    whenModalShows<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            buttons << box->standardButton(b);
        defaultButton = box->standardButton(box->defaultButton());
        box->button(QMessageBox::Yes)->click();
    });
    const int answer = dialogs.msgBox("Do you want to print the certify results of all 3 files?",
                                      MsgStyle::YesNoCancel + MsgStyle::Question + MsgStyle::DefaultButton2,
                                      "Print Certify Results");
    EXPECT_EQ(answer, MsgResult::Yes);
    EXPECT_EQ(title, QStringLiteral("Print Certify Results"));
    EXPECT_EQ(text, QStringLiteral("Do you want to print the certify results of all 3 files?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons.size(), 3);
    EXPECT_TRUE(buttons.contains(QMessageBox::Yes) && buttons.contains(QMessageBox::No) &&
                buttons.contains(QMessageBox::Cancel));
    EXPECT_EQ(defaultButton, QMessageBox::No);
}

TEST(QtDialogsMessage, EachButtonMapsBackToItsResult)
{
    qtTestApp();
    QtDialogs dialogs;
    struct Case {
        int style;
        QMessageBox::StandardButton press;
        int result;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MsgStyle::OkOnly + MsgStyle::Critical, QMessageBox::Ok, MsgResult::Ok, QMessageBox::Critical},
        {MsgStyle::OkCancel + MsgStyle::Exclamation, QMessageBox::Cancel, MsgResult::Cancel, QMessageBox::Warning},
        {MsgStyle::AbortRetryIgnore, QMessageBox::Ignore, MsgResult::Ignore, QMessageBox::NoIcon},
        {MsgStyle::YesNo + MsgStyle::Information, QMessageBox::No, MsgResult::No, QMessageBox::Information},
        {MsgStyle::RetryCancel, QMessageBox::Retry, MsgResult::Retry, QMessageBox::NoIcon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        whenModalShows<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            title = box->windowTitle();
            box->button(c.press)->click();
        });
        EXPECT_EQ(dialogs.msgBox("caf\xE9", c.style), c.result);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(title, QStringLiteral("Corvalet")); // a box without a title gets the program's
    }
}

TEST(QtDialogsMessage, EscapeGivesCancelWhereTheBoxHasIt)
{
    qtTestApp();
    QtDialogs dialogs;
    QString text;
    whenModalShows<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        box->reject();
    });
    EXPECT_EQ(dialogs.msgBox("caf\xE9 \x80", MsgStyle::YesNoCancel, "T"), MsgResult::Cancel);
    EXPECT_EQ(text, QString::fromUtf8("caf\u00E9 \u20AC"));
}

TEST(QtFileFilters, PipeFiltersBecomeQtNameFilters)
{
    EXPECT_EQ(corvalet::gui::qtNameFilters("Files (*.txt)|*.txt|All Files (*.*)|*.*"),
              (QStringList{"Files (*.txt)", "All Files (*)"}));
    EXPECT_EQ(corvalet::gui::qtNameFilters("las Files (*.las;*.fil)|*.las;*.fil"),
              QStringList{"las Files (*.las *.fil)"});
    EXPECT_EQ(corvalet::gui::qtNameFilters("Programs|*"), QStringList{"Programs (*)"});
    EXPECT_TRUE(corvalet::gui::qtNameFilters("").isEmpty());
}

TEST(QtDialogsFolder, OpensTitledOnTheStartFolderAndReturnsTheChoice)
{
    qtTestApp();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString start = root.filePath("start folder");
    const QString chosen = root.filePath("chosen folder");
    ASSERT_TRUE(QDir().mkpath(start) && QDir().mkpath(chosen));
    QtDialogs dialogs;
    const struct {
        const char* name;
        QString start;
        bool accept;
        QString result;
    } cases[] = {
        {"chosen", start, true, chosen},
        {"cancelled", start, false, QString()},
        {"a missing start folder still lets a folder be chosen", root.filePath("gone"), true, chosen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString title, shownStart;
        bool foldersOnly = false;
        ModalWatchdog watchdog;
        whenModalShows<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            shownStart = dialog->directory().absolutePath();
            foldersOnly = dialog->fileMode() == QFileDialog::Directory && dialog->testOption(QFileDialog::ShowDirsOnly);
            if (!c.accept) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(chosen);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept, which is protected
        });
        const std::string result = dialogs.pickFolder("Select Source Folder", corvalet::gui::toPath(c.start));
        EXPECT_EQ(QString::fromStdString(result), c.result);
        EXPECT_EQ(title, QStringLiteral("Select Source Folder"));
        EXPECT_TRUE(foldersOnly);
        if (QFileInfo(c.start).isDir()) {
            EXPECT_EQ(shownStart, c.start);
        }
    }
}
