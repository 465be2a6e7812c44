// The Win32 host: a window that its own handler unloads goes away only once
// that handler has returned (and the message loop runs again); every
// loaded window is rendered after each handler; the program ends when its
// last window goes, and the close box reaches the model.
#include <gtest/gtest.h>

#include <memory>

#include "ui/win32/main_window.h"
#include "ui/win32/model_window.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/windows_app.h"

namespace {

using ui::win32::ModelWindow;
using ui::win32::Win32Host;

class StubWindow : public ModelWindow {
public:
    StubWindow(Win32Host& host, host::Window id, int& renders, bool& destroyed)
        : ModelWindow(host, id, "Stub"), renders_(renders), destroyed_(destroyed) {
        Create("Stub", {200, 100});
    }
    ~StubWindow() override { destroyed_ = true; }
    void Render() override { ++renders_; }

private:
    int& renders_;
    bool& destroyed_;
};

// The quit message a test's EndProgram leaves behind, taken away so that
// it does not reach the next test.
void DropQuit() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

class Win32HostTest : public testing::Test {
protected:
    void SetUp() override {
        ui::win32::InitControls();
        host_.SetWindowFactory([this](host::Window id) -> std::unique_ptr<ModelWindow> {
            if (id == host::Window::kMain) return std::make_unique<StubWindow>(host_, id, mainRenders_, mainGone_);
            if (id == host::Window::kAbout) return std::make_unique<StubWindow>(host_, id, aboutRenders_, aboutGone_);
            return nullptr;
        });
        ASSERT_NE(host_.Load(host::Window::kMain), nullptr);
        if (!host_.Loaded(host::Window::kMain)->Handle()) GTEST_SKIP() << "no desktop to make windows on";
    }
    void TearDown() override { DropQuit(); }

    Win32Host host_;
    int mainRenders_ = 0, aboutRenders_ = 0;
    bool mainGone_ = false, aboutGone_ = false;
};

TEST_F(Win32HostTest, UnloadsAWindowOnlyAfterItsHandlerHasReturned) {
    ASSERT_NE(host_.Load(host::Window::kAbout), nullptr);
    HWND main = host_.Loaded(host::Window::kMain)->Handle();
    host_.Handle([&] {
        host_.UnloadWindow(host::Window::kMain);
        EXPECT_EQ(host_.Loaded(host::Window::kMain), nullptr);
        // A yield inside the handler (as a scan makes) handles the host's
        // messages too, and still leaves the window alone.
        host_.Yield();
        EXPECT_FALSE(mainGone_);
        EXPECT_TRUE(IsWindow(main));
        EXPECT_FALSE(IsWindowVisible(main));
    });
    EXPECT_FALSE(mainGone_);
    EXPECT_EQ(host_.WaitingToGo(), 1u);
    host_.ProcessPending();
    EXPECT_TRUE(mainGone_);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(host_.Ended());
}

TEST_F(Win32HostTest, RendersEveryLoadedWindowAfterEachHandler) {
    ASSERT_NE(host_.Load(host::Window::kAbout), nullptr);
    const int main = mainRenders_, about = aboutRenders_;
    host_.Handle([] {});
    EXPECT_EQ(mainRenders_, main + 1);
    EXPECT_EQ(aboutRenders_, about + 1);
}

TEST_F(Win32HostTest, AWindowTheFactoryDoesNotMakeIsNotLoaded) {
    EXPECT_EQ(host_.Load(host::Window::kSettings), nullptr);
    host_.ShowWindow(host::Window::kSettings);
    EXPECT_EQ(host_.Loaded(host::Window::kSettings), nullptr);
}

TEST_F(Win32HostTest, TheProgramEndsWhenItsLastWindowGoes) {
    host_.UnloadWindow(host::Window::kMain);
    EXPECT_FALSE(host_.Ended());
    host_.ProcessPending();
    EXPECT_TRUE(mainGone_);
    EXPECT_TRUE(host_.Ended());
}

TEST(Win32MainWindowTest, TheCloseBoxEndsTheProgram) {
    ui::win32::InitControls();
    Win32Host host;
    host.SetWindowFactory([&host](host::Window id) -> std::unique_ptr<ModelWindow> {
        if (id == host::Window::kMain) return std::make_unique<ui::win32::MainWindow>(host);
        return nullptr;
    });
    host.ShowWindow(host::Window::kMain);
    ModelWindow* main = host.Loaded(host::Window::kMain);
    ASSERT_NE(main, nullptr);
    if (!main->Handle()) GTEST_SKIP() << "no desktop to make windows on";
    // Every control is found by the Qt view's object name.
    for (const wchar_t* name : {L"ScanButton1", L"SettingsButton1", L"AboutButton1", L"ExitButton1",
                                L"QuestionButtonNumber", L"Label6", L"Frame1"}) {
        EXPECT_NE(ui::win32::FindNamedControl(main->Handle(), name), nullptr);
    }
    EXPECT_EQ(ui::win32::ObjectName(main->Handle()), L"Form1");
    SendMessageW(main->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.Ended());
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    DropQuit();
}

}  // namespace
