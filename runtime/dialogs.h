// The one dialog service through which every modal dialog is asked for.
// The GUI installs a Qt-backed service; tests install scripted answers.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rt {

enum class Icon { None, Information, Warning, Question, Error };

// Buttons of a message box, combinable; the answer is one of them.
enum Button : unsigned {
    ButtonOk = 1,
    ButtonYes = 2,
    ButtonNo = 4,
    ButtonCancel = 8,
    ButtonAbort = 16,
    ButtonRetry = 32,
    ButtonIgnore = 64,
};

// Texts are Windows-1252 bytes, as the rest of the program keeps them.
struct MessageRequest {
    std::string text;
    std::string caption;
    Icon icon = Icon::None;
    unsigned buttons = ButtonOk;
    unsigned defaultButton = ButtonOk;
};

struct FileFilter {
    std::string name;     // "Dictionaries (*.dct)"
    std::string pattern;  // "*.DCT;*.TXD"
};

struct OpenFileRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string initialPath;  // a file or folder to start from; may be blank
};

// The printer dialogs of the program-wide printer: the platform's print
// dialog (choice of printer and its properties) or its page-setup form
// (paper size, source and orientation).
enum class PrinterDialogMode { Print = 0, PageSetup = 1 };

struct PrinterDialogRequest {
    std::string caption;
    PrinterDialogMode mode = PrinterDialogMode::Print;
};

// A popup menu at a screen position (pixels); an unset coordinate is taken
// from the mouse. The text follows the menu-text grammar (core/menu_text.h).
struct PopupRequest {
    std::string menuText;
    std::optional<int> x;
    std::optional<int> y;
};

// A list to choose one entry from, narrowed to the entries holding the text
// typed (any letter case): Enter chooses, Esc cancels. Shown with its top left
// corner at a screen position (pixels; unset: the mouse's), kept on screen.
struct ChooserRequest {
    std::string title;
    std::vector<std::string> items;
    int current = 0;  // 1-based entry chosen at first; 0 for none
    std::optional<int> x;
    std::optional<int> y;
};

class DialogService {
  public:
    virtual ~DialogService() = default;
    // Shows a message box and returns the button pressed.
    virtual unsigned Message(const MessageRequest& request) = 0;
    // The open-file dialog; nullopt when the user cancels.
    virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
    // A file to write; nullopt when the user cancels.
    virtual std::optional<std::string> SaveFile(const OpenFileRequest& request) {
        (void)request;
        return std::nullopt;
    }
    // A printer dialog on the program-wide printer; true when the user
    // accepted it (what was chosen then holds for all later printing).
    virtual bool PrinterSetup(const PrinterDialogRequest& request) = 0;
    // Shows a popup menu and returns the number of the chosen command item,
    // 0 when the menu is dismissed.
    virtual int Popup(const PopupRequest& request) {
        (void)request;
        return 0;
    }
    // Shows a searchable chooser and returns the chosen entry (1-based), 0
    // when it was cancelled.
    virtual int Choose(const ChooserRequest& request) {
        (void)request;
        return 0;
    }
};

// The service in use. Never null: before one is installed a headless service
// answers every box with its default button and cancels every other dialog.
DialogService& Dialogs();
// Installs a service and returns the previous one.
std::shared_ptr<DialogService> SetDialogService(std::shared_ptr<DialogService> service);

// The runtime popup menu: shows `menuText` at screen position (x, y) and
// waits for the user's choice; the number of the chosen command item, or 0.
int RuntimePopup(const std::string& menuText, std::optional<int> x = std::nullopt,
                 std::optional<int> y = std::nullopt);

// The searchable chooser of the service in use.
int RuntimeChooser(const ChooserRequest& request);

// Convenience for the common message box.
unsigned Message(const std::string& text, const std::string& caption, Icon icon = Icon::None,
                 unsigned buttons = ButtonOk, unsigned defaultButton = ButtonOk);

}  // namespace rt
