// The look does not follow the desktop: started under a dark palette and with
// another widget style asked for (QT_STYLE_OVERRIDE=Fusion, set for this
// program), the captions are still black on white in the program's own style,
// and the lists keep the desktop's colours so they stay readable.
#include "FormHarness.h"
#include "tests/unit/Fakes.h"
#include "ui/Form2.h"
#include "ui/FormStyle.h"
#include "ui/GraphicalCheckBox.h"
#include "ui/TableListWidget.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

constexpr int kDark = 80; // a caption pixel at most this light counts as black text

QPalette darkPalette() {
    QPalette dark(QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    return dark;
}

// Dark pixels inside the part of the control's picture, borders left out.
int darkPixels(QWidget& control, QRect part) {
    const QImage picture = control.grab().toImage();
    int dark = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x)
            dark += QColor(picture.pixel(x, y)).lightness() <= kDark ? 1 : 0;
    }
    return dark;
}

QRect frameCaption(QGroupBox& frame) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         &frame);
}

TEST(Look, BlackCaptionsInTheProgramsStyleUnderADarkPaletteAndAnotherStyle) {
    ASSERT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion")); // as asked
    QApplication::setPalette(darkPalette());
    fakes::Log log;
    fakes::FakeConnectionFactory connections(log);
    connections.serve("schema 20",
                      {{{"TABLE_NAME", 202}, {"TABLE_TYPE", 202}}, {{"emp", "TABLE"}}});
    connections.serve("SELECT table_name FROM user_tables", {{{"TABLE_NAME", 202}}, {{"EMP"}}});
    FormHarness harness(connections);
    harness.storeSettings(fakes::testSettings());
    Form1& setup = harness.start();
    Form2& main = *harness.mainWindow();

    EXPECT_EQ(QApplication::style()->name().toLower(),
              QString::fromLatin1(kProgramStyle).toLower());
    for (GraphicalCheckBox* button : {setup.Check2, main.Check4})
        EXPECT_GT(darkPixels(*button, button->rect().adjusted(4, 4, -4, -4)), 20)
            << button->text().toStdString();
    for (QGroupBox* frame : {setup.Frame1, main.Frame1})
        EXPECT_GT(darkPixels(*frame, frameCaption(*frame)), 20) << frame->title().toStdString();
    EXPECT_GT(darkPixels(*setup.Label2, setup.Label2->rect()), 10);

    // The list's face and text are the desktop's, not the window's white and black.
    const QPalette list = main.List2->palette();
    EXPECT_EQ(list.color(QPalette::Base), darkPalette().color(QPalette::Base));
    EXPECT_EQ(list.color(QPalette::Text), darkPalette().color(QPalette::Text));
    const QImage picture = main.List2->viewport()->grab().toImage();
    EXPECT_LE(QColor(picture.pixel(picture.width() - 3, picture.height() - 3)).lightness(), kDark);
}

} // namespace
} // namespace tallowmere::gui
