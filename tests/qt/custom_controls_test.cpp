// The custom controls: the button raises clicks only when enabled and
// shows the mouse over it; the progress bar holds Percent within 0..100.
#include <gtest/gtest.h>

#include <QEnterEvent>

#include "tests/qt/offscreen_app.h"
#include "ui/qt/chameleon_button.h"
#include "ui/qt/cool_progress.h"

namespace {

using ui::qt::ChameleonButton;
using ui::qt::CoolProgress;

TEST(ChameleonButtonTest, ClicksOnlyWhenEnabled) {
    qt_testing::App();
    ChameleonButton button("Scan");
    int clicks = 0;
    QObject::connect(&button, &ChameleonButton::clicked, [&] { ++clicks; });
    button.click();
    EXPECT_EQ(clicks, 1);
    button.setEnabled(false);
    button.click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.text(), "Scan");
}

TEST(ChameleonButtonTest, FaceShowsTheMouseOverIt) {
    qt_testing::App();
    ChameleonButton button("Scan");
    button.show();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.Hovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.Hovered());
}

TEST(CoolProgressTest, PercentIsHeldWithinItsRange) {
    qt_testing::App();
    CoolProgress progress;
    struct Case {
        int set, shown;
    };
    for (const Case c : {Case{0, 0}, Case{13, 13}, Case{100, 100}, Case{101, 100}, Case{-5, 0}}) {
        progress.SetPercent(c.set);
        EXPECT_EQ(progress.Percent(), c.shown) << c.set;
    }
}

}  // namespace
