// The Qt host: message boxes, and windows that an unload takes away only
// once no handler runs any more, with the program ending when the last
// window is gone.
#include "ui/qt/qt_host.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "tests/qt/offscreen_app.h"
#include "ui/qt/model_window.h"

namespace {

using host::Window;
using ui::qt::ModelWindow;
using ui::qt::QtHost;

// A window that counts its renders.
class PlainWindow : public ModelWindow {
public:
    PlainWindow(QtHost& host, Window id) : ModelWindow(host, id, "Plain") {}
    void Render() override { ++renders; }
    int renders = 0;
};

class QtHostTest : public ::testing::Test {
protected:
    QtHostTest() {
        qt_testing::App();
        host.SetWindowFactory([this](Window id) -> ModelWindow* {
            if (id == Window::kPluginPanel) return nullptr;
            return new PlainWindow(host, id);
        });
    }

    QtHost host;
};

// What the modal box showed when the host was asked for one.
struct ShownBox {
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool modal = false;
};

ShownBox ShowAndRead(const std::function<void()>& show) {
    ShownBox shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()), box->icon(), box->isModal()};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return shown;
}

TEST_F(QtHostTest, MessageBoxIsModalWithTitleTextOkAndNoIcon) {
    const ShownBox box = ShowAndRead([&] { host.MessageBox("Scan Option Settings Saved", "Nimbrel"); });
    EXPECT_EQ(box.title, "Nimbrel");
    EXPECT_EQ(box.text, "Scan Option Settings Saved");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(box.modal);
}

TEST_F(QtHostTest, MessageBoxAnswersEnter) {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
    });
    // Should Enter leave the box open, this closes it.
    bool answered = true;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        answered = false;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(0);
    });
    rescue.start(5000);
    host.MessageBox("Scan Option Settings Saved", "Nimbrel");
    EXPECT_TRUE(answered);
}

TEST_F(QtHostTest, MessageBoxWithIconShowsThatIcon) {
    struct Case {
        host::MessageIcon asked;
        QMessageBox::Icon shown;
    };
    for (const Case c : {Case{host::MessageIcon::kNone, QMessageBox::NoIcon},
                         Case{host::MessageIcon::kQuestion, QMessageBox::Question},
                         Case{host::MessageIcon::kInformation, QMessageBox::Information}}) {
        const ShownBox box = ShowAndRead([&] { host.MessageBoxWithIcon("text", "title", c.asked); });
        EXPECT_EQ(box.icon, c.shown);
        EXPECT_EQ(box.buttons, 1);
        EXPECT_EQ(box.title, "title");
    }
}

TEST_F(QtHostTest, ActiveWindowIsTheLoadedWindowWithTheFocus) {
    EXPECT_EQ(host.ActiveWindow(), std::nullopt);
    host.ShowWindow(Window::kMain);
    ModelWindow* main = host.Loaded(Window::kMain);
    QApplication::setActiveWindow(main);
    EXPECT_EQ(host.ActiveWindow(), Window::kMain);
}

TEST_F(QtHostTest, WindowsAreMadeOnceAndShown) {
    host.ShowWindow(Window::kAbout);
    ModelWindow* about = host.Loaded(Window::kAbout);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    host.ShowWindow(Window::kAbout);
    EXPECT_EQ(host.Loaded(Window::kAbout), about);
    host.HideWindow(Window::kAbout);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(host.Loaded(Window::kAbout), about);
}

TEST_F(QtHostTest, AWindowThisProgramLacksIsNotMade) {
    host.ShowWindow(Window::kPluginPanel);
    EXPECT_EQ(host.Loaded(Window::kPluginPanel), nullptr);
}

TEST_F(QtHostTest, UnloadInsideAHandlerWaitsUntilNoHandlerRuns) {
    host.ShowWindow(Window::kMain);
    host.ShowWindow(Window::kAbout);
    QPointer<ModelWindow> about = host.Loaded(Window::kAbout);
    host.Handle([&] {
        host.UnloadWindow(Window::kAbout);
        EXPECT_EQ(host.Loaded(Window::kAbout), nullptr);
        EXPECT_FALSE(about->isVisible());
        // A yield inside the handler (as a scan's) must not destroy it.
        host.Yield();
        EXPECT_FALSE(about.isNull());
    });
    EXPECT_TRUE(qt_testing::WaitFor([&] { return about.isNull(); }, 2000));
    EXPECT_FALSE(host.Ended());
}

TEST_F(QtHostTest, HandlersAreFollowedByARender) {
    host.ShowWindow(Window::kMain);
    auto* main = static_cast<PlainWindow*>(host.Loaded(Window::kMain));
    const int before = main->renders;
    host.Handle([] {});
    EXPECT_EQ(main->renders, before + 1);
}

TEST_F(QtHostTest, CloseBoxOfAnOrdinaryWindowUnloadsIt) {
    host.ShowWindow(Window::kMain);
    host.ShowWindow(Window::kFaq);
    QPointer<ModelWindow> faq = host.Loaded(Window::kFaq);
    faq->close();
    EXPECT_EQ(host.Loaded(Window::kFaq), nullptr);
    EXPECT_TRUE(qt_testing::WaitFor([&] { return faq.isNull(); }, 2000));
    EXPECT_FALSE(host.Ended());
}

TEST_F(QtHostTest, UnloadingTheLastWindowEndsTheProgram) {
    host.ShowWindow(Window::kMain);
    host.UnloadWindow(Window::kMain);
    EXPECT_TRUE(qt_testing::WaitFor([&] { return host.Ended(); }, 2000));
}

TEST_F(QtHostTest, EndProgramTakesEveryWindowOffTheScreen) {
    host.ShowWindow(Window::kMain);
    host.ShowWindow(Window::kSettings);
    host.EndProgram();
    EXPECT_TRUE(host.Ended());
    EXPECT_FALSE(host.Loaded(Window::kMain)->isVisible());
    EXPECT_FALSE(host.Loaded(Window::kSettings)->isVisible());
}

TEST_F(QtHostTest, TopMostKeepsTheWindowWhereItWas) {
    host.ShowWindow(Window::kPluginStatus);
    ModelWindow* status = host.Loaded(Window::kPluginStatus);
    status->setGeometry(40, 50, 200, 100);
    host.SetTopMost(Window::kPluginStatus, true);
    EXPECT_TRUE(status->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->geometry(), QRect(40, 50, 200, 100));
    host.SetTopMost(Window::kPluginStatus, false);
    EXPECT_FALSE(status->windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace
