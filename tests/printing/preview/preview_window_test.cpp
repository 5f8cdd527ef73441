// The print preview on screen (offscreen platform): paging, the grid, the
// zooms, the Jump and Select windows, the keys and the mouse, and its
// answer, Print or Exit.
#include "printing/preview_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "printing/preview_manager.h"
#include "runtime/gui/page_image_control.h"
#include "runtime/ini_manager.h"
#include "tests/printing/preview/preview_driver.h"
#include "tests/support/gui_program.h"
#include "tests/support/letter_sheet.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace printing::preview;
using previewtest::Driver;
using previewtest::WaitForStatus;
using previewtest::WaitForText;

// A preview whose Jump and Select windows answer from a script.
class ScriptedPreview : public printing::PreviewManager {
  public:
    using PreviewManager::PreviewManager;
    std::optional<std::int32_t> jumpTo;
    std::optional<printing::GridSize> grid;
    std::optional<std::int32_t> AskPage() override { return jumpTo; }
    std::optional<printing::GridSize> AskThumbnails() override { return grid; }
};

void Accept(const rt::WindowRef& window, int control) {
    window.PostEvent(rt::event::Accepted, control);
}

void Type(const rt::WindowRef& window, int control, const std::string& text) {
    window.SetText(control, text);
    Accept(window, control);
}

// Presses the mouse on page `page`'s image at fractions (fx, fy) of it.
void ClickPage(const rt::WindowRef& window, int page, Qt::MouseButton button, double fx = 0.5,
               double fy = 0.5) {
    rt::gui::GuiInvoke([&] {
        rt::gui::GuiWindow* gui = rt::gui::Find(window.Id());
        auto* image = gui != nullptr ? qobject_cast<rt::gui::PageImageControl*>(
                                           gui->Control(control::FirstPageImage + page))
                                     : nullptr;
        if (image == nullptr) return;
        const QPointF at(image->viewport()->width() * fx, image->viewport()->height() * fy);
        QMouseEvent press(QEvent::MouseButtonPress, at, image->viewport()->mapToGlobal(at), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(image->viewport(), &press);
    });
}

bool Shown(const rt::WindowRef& window, int page) {
    return window.HasControl(control::FirstPageImage + page);
}

TEST(PreviewWindow, PagesThroughTheGridJumpsZoomsAndPrints) {
    testsupport::ScopedDialogs dialogs;
    guitest::RunProgram([&] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 20);
        ScriptedPreview preview(pages);
        bool printed = false;
        {
            Driver driver([&](rt::WindowRef w) {
                ASSERT_EQ(w.Title(), "Report Preview");
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-4 of 20"));
                EXPECT_EQ(w.Status(printing::preview::kZoomZone), "Zoom: Tile Pages");
                EXPECT_FALSE(w.IsEnabled(printing::preview::control::Previous));
                EXPECT_TRUE(w.IsEnabled(printing::preview::control::Next));
                // Only the pages on screen have a control.
                EXPECT_TRUE(Shown(w, 1) && Shown(w, 4));
                EXPECT_FALSE(Shown(w, 5));

                Accept(w, control::Next);  // the focus moves inside the grid
                ASSERT_TRUE(WaitForText(w, printing::preview::control::CurrentPage, "2"));
                EXPECT_EQ(w.Status(printing::preview::kPageZone), "Page 1-4 of 20");

                Type(w, control::CurrentPage, "20");  // the grid ends at the last page
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 17-20 of 20"));
                EXPECT_FALSE(Shown(w, 1));
                EXPECT_TRUE(Shown(w, 17) && Shown(w, 20));
                EXPECT_FALSE(w.IsEnabled(printing::preview::control::Next));

                preview.jumpTo = 9;
                Accept(w, control::Jump);
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 9-12 of 20"));

                preview.grid = printing::GridSize{3, 1};
                Accept(w, control::ChangeDisplay);
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-3 of 20"));
                EXPECT_EQ(w.Text(control::PagesAcross), "3");
                EXPECT_EQ(w.Text(control::PagesDown), "1");

                (*dialogs).QueuePopupChoice(5);  // "100% Zoom"
                Accept(w, control::TbarZoom);
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kZoomZone, "Zoom: 100%"));
                EXPECT_EQ(w.Status(printing::preview::kPageZone), "Page 1 of 20");
                EXPECT_FALSE(w.IsEnabled(printing::preview::control::PagesAcross));
                EXPECT_TRUE(Shown(w, 1));
                EXPECT_FALSE(Shown(w, 2));

                Accept(w, printing::preview::ZoomMenuItem(1));  // back to the grid from the menu
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-3 of 20"));
                EXPECT_TRUE(w.IsEnabled(printing::preview::control::PagesAcross));

                Accept(w, control::TbarPrint);
            });
            printed = preview.Display(1, 2, 2);
        }
        EXPECT_TRUE(printed);
        EXPECT_EQ(preview.PRINTOK, 1);
        ASSERT_EQ((*dialogs).Popups().size(), 1u);
        // The zoom in force carries the check mark.
        EXPECT_EQ((*dialogs).Popups()[0].menuText,
                  "|+Tile pages|-Page Width|-50% Zoom|-75% Zoom|-100% Zoom|-200% Zoom|-300% Zoom");
        // Every node went with the window.
        EXPECT_EQ(preview.PageManager()->Count(), 0u);
    });
}

TEST(PreviewWindow, ExitAnswersNoAfterPagingWithTheKeys) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 5);
        printing::PreviewManager preview(pages);
        bool printed = true;
        {
            Driver driver([](rt::WindowRef w) {
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1 of 5"));
                w.PressKey(Qt::Key_PageUp);  // nothing before page 1
                w.PressKey(Qt::Key_PageDown);
                w.PressKey(Qt::Key_PageDown);
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 3 of 5"));
                w.PressKey(Qt::Key_PageUp);
                ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 2 of 5"));
                Accept(w, control::TbarExit);
            });
            printed = preview.Display(1, 1, 1);
        }
        EXPECT_FALSE(printed);
    });
}

TEST(PreviewWindow, ClicksZoomToAPageAndBackAndTheRightButtonAsks) {
    testsupport::ScopedDialogs dialogs;
    guitest::RunProgram([&] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 6);
        printing::PreviewManager preview(pages);
        Driver driver([&](rt::WindowRef w) {
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-4 of 6"));
            ClickPage(w, 3, Qt::LeftButton, 0.5, 0.9);
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kZoomZone, "Zoom: Page Width"));
            EXPECT_EQ(w.Status(printing::preview::kPageZone), "Page 3 of 6");
            // Scrolled down towards the point clicked.
            int scrolled = 0;
            rt::gui::GuiInvoke([&] {
                auto* image = qobject_cast<rt::gui::PageImageControl*>(
                    rt::gui::Find(w.Id())->Control(control::FirstPageImage + 3));
                if (image != nullptr) scrolled = image->verticalScrollBar()->value();
            });
            EXPECT_GT(scrolled, 0);

            ClickPage(w, 3, Qt::LeftButton);
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kZoomZone, "Zoom: Tile Pages"));
            EXPECT_EQ(w.Status(printing::preview::kPageZone), "Page 1-4 of 6");

            (*dialogs).QueuePopupChoice(6);  // "200% Zoom" for page 2
            ClickPage(w, 2, Qt::RightButton);
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kZoomZone, "Zoom: 200%"));
            EXPECT_EQ(w.Status(printing::preview::kPageZone), "Page 2 of 6");
        });
        EXPECT_FALSE(preview.Display(1, 2, 2));
    });
}

// What Enter in the Jump or Select window leads to, once some fields are
// typed in: Enter anywhere in them presses OK.
struct EnterCase {
    int command;
    const char* label;
    std::vector<std::pair<int, std::string>> typed;
    const char* status;
};

TEST(PreviewWindow, TheJumpAndSelectWindowsAnswerOkCancelAndEnter) {
    const std::vector<EnterCase> enterCases = {
        {control::Jump, "P30$JUMPWINDOW", {{jump::Page, "20"}}, "Page 11-20 of 20"},
        {control::ChangeDisplay,
         "P31$SELECTWINDOW",
         {{select::Across, "2"}, {select::Down, "2"}},
         "Page 1-4 of 20"},
    };
    guitest::RunProgram([&] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 20);
        printing::PreviewManager preview(pages);
        Driver driver([&](rt::WindowRef w) {
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-4 of 20"));
            Accept(w, control::Jump);
            rt::WindowRef jumpWindow = previewtest::WaitForWindow("P30$JUMPWINDOW");
            ASSERT_FALSE(jumpWindow.IsNull());
            EXPECT_EQ(jumpWindow.Title(), "Jump to a Report Page");
            EXPECT_EQ(jumpWindow.Text(jump::Page), "1");
            jumpWindow.SetText(jump::Page, "20");
            jumpWindow.PostEvent(rt::event::Accepted, jump::Ok);
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 17-20 of 20"));

            Accept(w, control::ChangeDisplay);
            rt::WindowRef select = previewtest::WaitForWindow("P31$SELECTWINDOW");
            ASSERT_FALSE(select.IsNull());
            select.SetText(select::Across, "5");
            select.PostEvent(rt::event::Accepted, select::Cancel);
            ASSERT_TRUE(testsupport::WaitUntil([] {
                for (const auto& info : rt::OpenWindows())
                    if (info.label == "P31$SELECTWINDOW") return false;
                return true;
            }));
            EXPECT_EQ(w.Status(printing::preview::kPageZone), "Page 17-20 of 20");

            Accept(w, control::ChangeDisplay);
            select = previewtest::WaitForWindow("P31$SELECTWINDOW");
            select.SetText(select::Across, "5");
            select.SetText(select::Down, "2");
            select.PostEvent(rt::event::Accepted, select::Ok);
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-10 of 20"));

            for (const EnterCase& c : enterCases) {
                Accept(w, c.command);
                const rt::WindowRef asked = previewtest::WaitForWindow(c.label);
                ASSERT_FALSE(asked.IsNull()) << c.label;
                for (const auto& [field, text] : c.typed) asked.SetText(field, text);
                asked.PressKey(Qt::Key_Return);
                EXPECT_TRUE(WaitForStatus(w, printing::preview::kPageZone, c.status)) << c.label;
            }
        });
        EXPECT_FALSE(preview.Display(1, 2, 2));
    });
}

TEST(PreviewWindow, AOnePageReportHasNothingToPageThrough) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 1);
        printing::PreviewManager preview(pages);
        Driver driver([](rt::WindowRef w) {
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1 of 1"));
            for (int item :
                 {control::Next, control::Previous, control::Jump, control::ChangeDisplay,
                  control::CurrentPage, control::PagesAcross, control::PagesDown})
                EXPECT_FALSE(w.IsEnabled(item)) << item;
            EXPECT_TRUE(w.IsHidden(printing::preview::control::ZoomList));
            // The page fills its cell, inside the window.
            const rt::ControlBox box = w.ControlPosition(control::FirstPageImage + 1);
            EXPECT_GT(box.width, 0);
            EXPECT_LE(box.x + box.width, w.ClientWidth());
            EXPECT_LE(box.y + box.height, w.ClientHeight());
        });
        EXPECT_FALSE(preview.Display(1, 1, 1));
        EXPECT_EQ(preview.THUMBNAILSPRESENT, 1);
    });
}

// As the report opens it: one page, as large as the window allows, in its
// sheet's proportions (Letter here), whatever the shape of the window units.
TEST(PreviewWindow, TheReportsPreviewOpensOnOnePageFittedToTheWindow) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 3, testsupport::kLetterWidth, testsupport::kLetterHeight);
        Driver driver([](rt::WindowRef w) {
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1 of 3"));
            EXPECT_FALSE(Shown(w, 2));
            // The page is placed once the window has its size: it then fills
            // the room across or down.
            rt::ControlBox box;
            EXPECT_TRUE(testsupport::WaitUntil([&] {
                box = w.ControlPosition(control::FirstPageImage + 1);
                const int roomHeight =
                    w.ClientHeight() - printing::kGridToolbarHeight - 2 * printing::kGridGap;
                return box.width >= w.ClientWidth() - 2 * printing::kGridGap - 1 ||
                       box.height >= roomHeight - 1;
            }));
            const rt::UnitsPerInch units = w.InchUnits();
            EXPECT_NEAR((box.width / units.x) / (box.height / units.y),
                        static_cast<double>(testsupport::kLetterWidth) / testsupport::kLetterHeight,
                        0.01);
        });
        EXPECT_FALSE(printing::PreviewPages(pages));
    });
}

TEST(PreviewWindow, GridValuesAreKeptWithinThePages) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 3);
        printing::PreviewManager preview(pages);
        Driver driver([](rt::WindowRef w) {
            // Across and Down of 0 or less count as 1.
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1 of 3"));
            EXPECT_EQ(w.Text(control::PagesAcross), "1");
            Type(w, control::PagesAcross, "4");  // lowered to the 3 pages there are
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-3 of 3"));
            EXPECT_EQ(w.Text(control::PagesAcross), "3");
        });
        EXPECT_FALSE(preview.Display(1, 0, -5));
    });
}

TEST(PreviewWindow, AWindowTooSmallForTheGridShowsNoNegativeSizes) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 40);
        printing::PreviewManager preview(pages);
        preview.WINDOWSIZESET = 1;
        preview.WINWIDTH = 60;
        preview.WINHEIGHT = 50;
        Driver driver([](rt::WindowRef w) {
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-40 of 40"));
            for (int page = 1; page <= 40; ++page) {
                const rt::ControlBox box = w.ControlPosition(control::FirstPageImage + page);
                EXPECT_GE(box.width, 0);
                EXPECT_GE(box.height, 0);
            }
        });
        EXPECT_FALSE(preview.Display(1, 8, 5));
    });
}

struct UserZoomCase {
    std::string typed;
    std::string status;
    std::string field;
};

TEST(PreviewWindow, TheUserTypesAZoomOfTheirOwn) {
    const std::vector<UserZoomCase> cases = {
        {"150", "Zoom: 150%", "150% Zoom"},
        {"abc", "Zoom: 150%", "150% Zoom"},      // no number: the zoom stays
        {"-20", "Zoom: 150%", "150% Zoom"},      // no positive number either
        {"99999", "Zoom: 1000%", "1000% Zoom"},  // capped
        {"Page Width", "Zoom: Page Width", "Page Width"},
    };
    guitest::RunProgram([&] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 2);
        printing::PreviewManager preview(pages);
        preview.ALLOWUSERZOOM = 1;
        Driver driver([&](rt::WindowRef w) {
            ASSERT_TRUE(WaitForStatus(w, printing::preview::kPageZone, "Page 1-2 of 2"));
            EXPECT_FALSE(w.IsHidden(printing::preview::control::ZoomList));
            for (const UserZoomCase& c : cases) {
                Type(w, control::ZoomList, c.typed);
                EXPECT_TRUE(testsupport::WaitUntil([&] {
                    return w.Text(control::ZoomList) == c.field &&
                           w.Status(printing::preview::kZoomZone) == c.status;
                })) << c.typed;
            }
        });
        EXPECT_FALSE(preview.Display(1, 2, 1));
    });
}

TEST(PreviewWindow, ThePlacementIsKeptOnlyWithASettingsFile) {
    dict_test::TempFolder folder;
    const std::string ini = (folder.Path() / "kestrian.INI").string();
    guitest::RunProgram([&] {
        rt::PageImages pages;
        previewtest::AddPages(pages, 2);
        {
            printing::PreviewManager preview(pages);  // as the report opens it
            Driver driver([](rt::WindowRef w) {
                WaitForStatus(w, printing::preview::kPageZone, "Page 1 of 2");
            });
            preview.Display(1, 1, 1);
        }
        EXPECT_FALSE(std::filesystem::exists(ini));
        rt::IniManager settings;
        settings.Init(ini);
        {
            printing::PreviewManager preview(pages, &settings);
            Driver driver([](rt::WindowRef w) {
                WaitForStatus(w, printing::preview::kPageZone, "Page 1 of 2");
            });
            preview.Display(1, 1, 1);
        }
        std::ifstream file(ini);
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_NE(text.str().find("[_PreviewWindow_]"), std::string::npos) << text.str();
    });
}

TEST(PreviewWindow, AnEmptyReportOpensNothing) {
    guitest::RunProgram([] {
        rt::PageImages pages;
        EXPECT_FALSE(printing::PreviewPages(pages));
        EXPECT_TRUE(rt::OpenWindows().empty());
    });
}

}  // namespace
