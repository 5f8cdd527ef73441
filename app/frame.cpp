#include "app/frame.h"

#include "app/dictionary_lifecycle.h"
#include "app/frame_clock.h"
#include "app/frame_services.h"
#include "app/layouts.h"
#include "framework/window_procedure.h"
#include "printing/print_options.h"
#include "runtime/core/dates.h"
#include "runtime/core/program_events.h"
#include "runtime/ini_manager.h"
#include "runtime/program_threads.h"

namespace app {
namespace {

constexpr std::size_t kAboutStack = 25000;

class FrameWindowObject final : public framework::ProcedureWindow {
  public:
    FrameWindowObject() : framework::ProcedureWindow(FrameLayout()) {}

    void Prepare() override {
        rt::WindowRef placement = Ref();
        framework::GlobalIni().FetchWindow("Main", placement);
    }

    void EventLoop() override {
        const int period = Win().Timer();
        if (period < 1 || period > 100) Win().SetTimer(100);
        WriteClock();
        WindowObject::EventLoop();
    }

    void FirstDisplay() override {
        WindowObject::FirstDisplay();
        framework::SetFrameWindow(Ref());
        framework::CloseItem.store(frame_menu::Close);
        framework::PrintItem.store(frame_menu::Print);
        UpdateFrameMenu();
        Ref().SetMinimumSize(200, 150);
    }

    std::uint8_t OnWindowEvent() override {
        const int event = Host().Event();
        if (event == rt::event::Iconize) framework::FrameIconized.store(1);
        if (event == rt::event::Restored) framework::FrameIconized.store(0);
        const std::uint8_t outcome = WindowObject::OnWindowEvent();
        if (event == rt::event::OpenWindow) {
            splashThread_ = rt::Start(KESTR005);
            // A dictionary named on the command line opens once the frame
            // has taken its events, as a choice of File > Open would.
            if (Dictionary().HasStartDictionary())
                Host().PostToWindow(rt::program_event::OpenAtStart);
        } else if (event == rt::event::Timer) {
            WriteClock();
        } else {
            CloseSplashOnMenuChoice();
        }
        return outcome;
    }

    std::uint8_t DispatchEvent() override {
        if (Host().Event() == rt::program_event::OpenAtStart) {
            if (splashThread_ != 0) {
                rt::Post(rt::event::CloseWindow, 0, splashThread_);
                splashThread_ = 0;
            }
            Dictionary().OpenStartDictionary();
        }
        return WindowObject::DispatchEvent();
    }

    std::uint8_t OnAccepted() override {
        // A menu choice is not an event of the window itself, so the splash
        // is also closed from here.
        CloseSplashOnMenuChoice();
        switch (Host().Control()) {
            case frame_menu::Open:
                Dictionary().Open();
                break;
            case frame_menu::Close:
                Dictionary().Close();
                break;
            case frame_menu::Print:
                if (const dictionary::DictionaryModel* model = framework::Model())
                    printing::KESTR004(*model, framework::DictionaryPath.Get());
                break;
            case frame_menu::Tile:
                if (const int display = framework::DisplayThread.load(); display != 0)
                    rt::Post(rt::program_event::Tile, 0, display);
                break;
            case frame_menu::About:
                framework::AboutRequested.store(1);
                rt::Start(KESTR005, kAboutStack);
                break;
            default:
                break;
        }
        return WindowObject::OnAccepted();
    }

    std::uint8_t Teardown() override {
        const std::uint8_t base = WindowObject::Teardown();
        if (base != 0) return base;
        if (OPENED) {
            rt::WindowRef placement = Ref();
            framework::GlobalIni().UpdateWindow("Main", placement);
        }
        return 0;
    }

  private:
    void WriteClock() {
        Ref().SetStatus(3, FrameDateText(rt::Today()));
        Ref().SetStatus(4, FrameTimeText(rt::Clock()));
    }

    void CloseSplashOnMenuChoice() {
        if (splashThread_ != 0 && Host().Event() == rt::event::Accepted) {
            rt::Post(rt::event::CloseWindow, 0, splashThread_);
            splashThread_ = 0;
        }
    }

    int splashThread_ = 0;
};

class SplashWindowObject final : public framework::ProcedureWindow {
  public:
    SplashWindowObject() : framework::ProcedureWindow(SplashLayout()) {}

    void Prepare() override { Win().SetTimer(500); }

    void FirstDisplay() override {
        if (framework::AboutRequested.load() == 1) Win().SetTimer(0);
        WindowObject::FirstDisplay();
    }

    std::uint8_t OnWindowEvent() override {
        const std::uint8_t outcome = WindowObject::OnWindowEvent();
        const int event = Host().Event();
        const int key = Host().KeyCode();
        if ((event == rt::event::AlertKey &&
             (key == rt::key::MouseLeft || key == rt::key::MouseLeftDouble ||
              key == rt::key::MouseRight)) ||
            event == rt::event::Timer)
            Host().PostToWindow(rt::event::CloseWindow);
        return outcome;
    }
};

}  // namespace

void KESTR001() {
    FrameWindowObject frame;
    framework::RunProcedure(frame);
}

void KESTR005() {
    SplashWindowObject splash;
    framework::RunProcedure(splash);
}

}  // namespace app
