// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/PictureFiles.h"
#include "support/DrawnPageTest.h"
#include "support/PictureBytes.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

// Saves that the file system refuses: the user is told, an existing file is
// kept byte for byte, no temporary file is left behind and the page stays as
// it was. The disk that fills up and the read-only folder are real: a small
// tmpfs mounted by the test, which needs root.
namespace {

const QString kSaveFailed = QStringLiteral("No se ha podido guardar el dibujo");
constexpr Colour kRed = 0x0000FF;
// 160 x 120 pixels at 24 bits make a BMP of 57 654 bytes: fifteen 4 kB pages.

// A tmpfs mounted on a folder for the length of one test; unmounted however
// the test ends.
class TmpfsMount
{
  public:
    TmpfsMount(const QString& folder, const char* options) : m_folder(QFile::encodeName(folder))
    {
        if (geteuid() != 0) {
            m_why = "mounting a tmpfs needs root";
            return;
        }
        m_mounted = mount("tmpfs", m_folder.constData(), "tmpfs", 0, options) == 0;
        if (!m_mounted)
            m_why = std::string("mount -t tmpfs failed: ") + std::strerror(errno);
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& why() const { return m_why; }

    bool makeReadOnly(const char* options)
    {
        return mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, options) == 0;
    }

  private:
    QByteArray m_folder;
    bool m_mounted = false;
    std::string m_why;
};

class SaveFaults : public DrawnPageTest
{
  protected:
    void SetUp() override
    {
        DrawnPageTest::SetUp();
        // The canvas shows something of its own, as after the help picture:
        // a save reloads it from the page whatever becomes of the file.
        QImage help(kCanvasSize, QImage::Format_RGB32);
        help.fill(Qt::green);
        canvas.setPicture(help);
    }

    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    void save(const QString& name)
    {
        services.saveAnswer = name;
        services.yesNoAnswer = true;
        savePicture(state, canvas, page, services);
    }

    void expectPageKept()
    {
        EXPECT_EQ(firstDifference(page.persistentImage(), drawing), QPoint(-1, -1)) << "the page changed";
        EXPECT_EQ(firstDifference(canvas.persistentImage(), drawing), QPoint(-1, -1))
            << "the canvas does not show the page";
    }
};

} // namespace

TEST_F(SaveFaults, AFolderThatDoesNotExistIsNotMadeAndTheUserIsTold)
{
    save(path(QStringLiteral("no-existe/plan")));
    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_TRUE(services.questions.isEmpty()) << "there is nothing to replace";
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("no-existe"))));
    EXPECT_TRUE(entries(dir.path()).isEmpty());
    expectPageKept();
}

TEST_F(SaveFaults, AFullDiskKeepsTheFileItWouldReplaceByteForByte)
{
    const QString folder = path(QStringLiteral("memoria"));
    ASSERT_TRUE(QDir().mkpath(folder));
    TmpfsMount disk(folder, "size=64k,mode=0755");
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();

    // Five pages of 4 kB taken by the old file leave eleven, too few for the
    // new file beside it until the old one goes.
    const QString target = folder + QStringLiteral("/plan.bmp");
    const QByteArray before = encoded(blocks(QSize(80, 80)), "bmp");
    ASSERT_EQ(before.size(), 19254);
    writeBytes(target, before);

    save(folder + QStringLiteral("/plan"));
    EXPECT_EQ(services.questions, QStringList{"El fichero plan.bmp ya existe. ¿Quieres reemplazarlo?"});
    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_EQ(fileBytes(target), before) << "the old file was touched";
    EXPECT_EQ(entries(folder), QStringList{"plan.bmp"}) << "a temporary file was left";
    expectPageKept();

    // With the old file gone the same save fits: it was the room that failed.
    ASSERT_TRUE(QFile::remove(target));
    services.messages.clear();
    save(folder + QStringLiteral("/plan"));
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(firstDifference(QImage(target), drawing), QPoint(-1, -1));
}

TEST_F(SaveFaults, AReadOnlyFolderKeepsItsFileAlsoForRoot)
{
    const QString folder = path(QStringLiteral("cd"));
    ASSERT_TRUE(QDir().mkpath(folder));
    TmpfsMount disk(folder, "size=256k,mode=0755");
    if (!disk.mounted())
        GTEST_SKIP() << disk.why();
    const QString target = folder + QStringLiteral("/plan.bmp");
    const QByteArray before = encoded(blocks(QSize(40, 30)), "bmp");
    writeBytes(target, before);
    ASSERT_TRUE(disk.makeReadOnly("size=256k,mode=0755")) << std::strerror(errno);

    save(folder + QStringLiteral("/plan"));
    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_EQ(fileBytes(target), before);
    EXPECT_EQ(entries(folder), QStringList{"plan.bmp"});
    expectPageKept();

    save(folder + QStringLiteral("/nuevo"));
    EXPECT_EQ(services.messages, (QStringList{kSaveFailed, kSaveFailed}));
    EXPECT_EQ(entries(folder), QStringList{"plan.bmp"});
    expectPageKept();
}
