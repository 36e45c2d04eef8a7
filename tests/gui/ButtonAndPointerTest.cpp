// The press convention of the buttons, the hover rules, the hand cursor file
// and the centring of a window.
#include "FormHarness.h"
#include "support/TestDatabases.h"
#include "ui/FormPointer.h"
#include "ui/GraphicalCheckBox.h"
#include "ui/HoverPointerRule.h"
#include "ui/Main.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

struct ButtonProbe {
    QWidget window;
    GraphicalCheckBox* button = new GraphicalCheckBox(QStringLiteral("Go"), &window);
    int runs = 0;
    std::vector<bool> pressedWhenRun;

    ButtonProbe() {
        button->setGeometry(10, 10, 80, 25);
        QObject::connect(button, &GraphicalCheckBox::activated, &window, [this] {
            ++runs;
            pressedWhenRun.push_back(button->isChecked());
        });
        window.show();
    }
};

TEST(PushButton, AClickRunsTheActionOnceWithTheButtonAlreadyReleased) {
    ButtonProbe probe;
    click(*probe.button);
    EXPECT_EQ(probe.runs, 1);
    EXPECT_EQ(probe.pressedWhenRun, std::vector<bool>{false});
    EXPECT_FALSE(probe.button->isChecked());

    click(*probe.button); // a second click runs it again
    EXPECT_EQ(probe.runs, 2);
    EXPECT_FALSE(probe.button->isChecked());
}

TEST(PushButton, TheSpaceKeyPressesItLikeAClick) {
    ButtonProbe probe;
    QTest::keyClick(probe.button, Qt::Key_Space);
    EXPECT_EQ(probe.runs, 1);
    EXPECT_FALSE(probe.button->isChecked());
}

TEST(PushButton, SettingItPressedFromCodeRunsNothing) {
    ButtonProbe probe;
    probe.button->setChecked(true);
    probe.button->setChecked(false);
    EXPECT_EQ(probe.runs, 0);
}

TEST(HoverRule, ButtonsShowTheHandAndSurfacesTheOrdinaryPointerUnlessBusy) {
    struct Case {
        HoverKind kind;
        PointerSetting before;
        PointerSetting after;
    };
    const Case cases[] = {
        {HoverKind::Button, PointerSetting::Default, PointerSetting::Custom},
        {HoverKind::Button, PointerSetting::Custom, PointerSetting::Custom},
        {HoverKind::Button, PointerSetting::Busy, PointerSetting::Busy},
        {HoverKind::Surface, PointerSetting::Custom, PointerSetting::Default},
        {HoverKind::Surface, PointerSetting::Busy, PointerSetting::Busy},
        {HoverKind::AlwaysOrdinary, PointerSetting::Custom, PointerSetting::Default},
        {HoverKind::AlwaysOrdinary, PointerSetting::Busy, PointerSetting::Default},
    };
    for (const Case& c : cases) {
        testing::FakePointer pointer;
        pointer.setPointer(c.before);
        UpdateHoverPointer(pointer, c.kind);
        EXPECT_EQ(pointer.pointer(), c.after)
            << "kind " << static_cast<int>(c.kind) << " from " << static_cast<int>(c.before);
    }
}

TEST(WindowPointer, EverySettingShowsOverTheWholeWindowAndOrdinaryRestoresOwnPointers) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* label = new QLabel(QStringLiteral("x"), &window);
    FormPointer pointer(window);

    pointer.setPointer(PointerSetting::Busy);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(field->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(label->cursor().shape(), Qt::WaitCursor);

    pointer.setPointer(PointerSetting::Custom); // no cursor file: the platform's hand
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);

    pointer.setPointer(PointerSetting::Default);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(field->cursor().shape(), Qt::IBeamCursor);
}

// A 32 x 32 Windows cursor file with its hot spot at (5, 3).
void writeCursorFile(const QString& path) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path, "ICO"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[2] = 2;  // type: cursor
    bytes[10] = 5; // hot spot x
    bytes[11] = 0;
    bytes[12] = 3; // hot spot y
    bytes[13] = 0;
    file.seek(0);
    file.write(bytes);
}

TEST(HandCursor, TheFileBesideTheProgramBecomesTheCustomPointerWithItsHotSpot) {
    QTemporaryDir folder;
    writeCursorFile(folder.filePath(QStringLiteral("HAND-M.CUR")));
    QWidget window;
    FormPointer pointer(window);
    LoadHandCursor(pointer, folder.path());
    ASSERT_TRUE(pointer.hasCustomCursor());
    pointer.setPointer(PointerSetting::Custom);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(5, 3));
    EXPECT_EQ(window.cursor().pixmap().size(), QSize(32, 32));
}

TEST(HandCursor, AMissingOrUnreadableFileLeavesTheWindowWithoutOne) {
    QTemporaryDir folder;
    QWidget window;
    FormPointer pointer(window);
    LoadHandCursor(pointer, folder.path());
    EXPECT_FALSE(pointer.hasCustomCursor());

    QFile junk(folder.filePath(QStringLiteral("HAND-M.CUR")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a cursor");
    junk.close();
    LoadHandCursor(pointer, folder.path());
    EXPECT_FALSE(pointer.hasCustomCursor());
}

TEST(HandCursor, FileExistsOnlyWhenTheModificationTimeReads) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("f"));
    EXPECT_FALSE(FileExists(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(folder.filePath(QStringLiteral("f/below-a-file"))));
}

TEST(CenterOnScreen, PlacesTheOuterFrameInTheMiddleOfTheScreen) {
    QWidget window;
    window.setFixedSize(301, 200);
    window.move(0, 0);
    window.show();
    CenterOnScreen(window);
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    EXPECT_NEAR(outer.left() - screen.left(), (screen.width() - outer.width()) / 2.0, 0.5);
    EXPECT_NEAR(outer.top() - screen.top(), (screen.height() - outer.height()) / 2.0, 0.5);
}

} // namespace
} // namespace tallowmere::gui
