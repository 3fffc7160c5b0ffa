#include "gui/FileBrowserView.h"
#include "gui/MainWindowSetup.h"
#include "gui/QtWindowHost.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Settings.h"

#include "QtTestApp.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace corvalet;
namespace fs = std::filesystem;

// The desktop's "Open Many" command shows the browser; a click on a file in its list makes the
// file current and shows its kind, and the folder boxes show the two folders.
TEST(FileBrowserView, ClickingAFileChecksIt)
{
    qtTestApp();
    const fs::path root = fs::temp_directory_path() / ("corvalet_browser_view_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "source");
    fs::create_directories(root / "dest");
    for (const char* name : {"a.las", "b.las"})
        std::ofstream(root / "source" / name, std::ios::binary)
            << "~Version\r\n VERS. 2.0 :\r\n~Well\r\n STRT.M 1 :\r\n~A\r\n1 2\r\n";
    {
        platform::MemorySettings settings;
        platform::QuietDialogs dialogs;
        platform::NullEventPump pump;
        shell::Services services{settings, dialogs,
                                 platform::ProgramFolders(fs::path(CORVALET_SOURCE_DIR) / "data", root / "user")};
        services.eventPump = &pump;
        gui::Desktop desktop(services, [] {});
        ASSERT_NE(desktop.start({}).mode, shell::StartMode::Failed);
        desktop.app().state().inDir = (root / "source").string();
        desktop.app().state().outDir = (root / "dest").string() + "/";
        desktop.window().show();

        desktop.toolbar().click("ID_OpenMany");
        QWidget* frame = desktop.window().host().frameOf(desktop.browser());
        ASSERT_NE(frame, nullptr);
        auto* files = frame->findChild<QListWidget*>(QStringLiteral("File1"));
        auto* check = frame->findChild<QLabel*>(QStringLiteral("checkL"));
        auto* size = frame->findChild<QLabel*>(QStringLiteral("fSizL"));
        auto* source = frame->findChild<QLineEdit*>(QStringLiteral("SF_LAB"));
        auto* destination = frame->findChild<QLineEdit*>(QStringLiteral("DF_LAB"));
        ASSERT_TRUE(files && check && size && source && destination);
        EXPECT_EQ(source->text().toStdString(), (root / "source").string());
        EXPECT_EQ(destination->text().toStdString(), (root / "dest").string());
        EXPECT_TRUE(source->isReadOnly());
        EXPECT_FALSE(frame->findChild<QListWidget*>(QStringLiteral("Dir2"))->isVisible());
        ASSERT_EQ(files->count(), 2);
        EXPECT_EQ(files->item(1)->text(), QStringLiteral("b.las"));

        const QRect item = files->visualItemRect(files->item(1));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_EQ(desktop.app().state().currentLASFile, (root / "source" / "b.las").string());
        EXPECT_EQ(check->text(), QStringLiteral("LAS File"));
        EXPECT_EQ(size->text(), QStringLiteral("Total bytes :53"));
        EXPECT_EQ(settings.getSetting("Corvalet", "Startup", "lasfile"), (root / "source" / "b.las").string());

        // The red of a bad file goes again with the next good one.
        desktop.browser().checkL.setBackColor(shell::kCheckRed);
        EXPECT_EQ(check->palette().color(check->backgroundRole()), QColor(255, 0, 0));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_FALSE(check->autoFillBackground());
        EXPECT_EQ(check->text(), QStringLiteral("LAS File"));

        // The destination button takes the source folder.
        frame->findChild<QPushButton*>(QStringLiteral("SEQD"))->click();
        EXPECT_EQ(destination->text(), source->text());
    }
    fs::remove_all(root);
}
