// The GUI-thread side of a runtime window: the widgets built from a layout
// and the translation of their signals into posted events. Everything here
// runs on the GUI thread only; program threads reach it through rt::Window.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/gui/control_hooks.h"
#include "runtime/layout.h"

class QAction;
class QLabel;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

namespace rt::gui {

class GuiWindow : public QObject {
  public:
    GuiWindow(std::uint64_t id, int ownerThread, const Layout& layout);
    ~GuiWindow() override;

    std::uint64_t Id() const { return id_; }
    const std::string& Label() const { return label_; }
    int OwnerThread() const { return ownerThread_; }
    // The widget that is moved, sized, minimised (frame, sub-window or popup).
    QWidget* Outer() const { return outer_.data(); }
    // The widget that holds the controls.
    QWidget* Content() const { return content_.data(); }
    QMdiArea* MdiArea() const { return mdiArea_; }
    QWidget* Control(int number) const;
    QAction* MenuItem(int number) const;
    QLabel* StatusZone(int zone) const;
    StandardAction ActionOf(int menuNumber) const;
    const QFont& Font() const { return font_; }

    int DuToPixelsX(int du) const;
    int DuToPixelsY(int du) const;
    int PixelsToDuX(int px) const;
    int PixelsToDuY(int px) const;

    void Show();
    void CloseByProgram();
    void SetAlertKey(int keyCode, bool on);
    bool IsAlerted(int keyCode) const { return alerts_.count(keyCode) != 0; }
    void SetMinimumSize(int width, int height);
    // The control number a widget was built for; 0 for none.
    int ControlNumberOf(QObject* object) const;
    // Where the mouse is, in global pixels: the last position a dragging
    // control saw while its button is down, else the pointer's own.
    QPoint MouseGlobal() const;
    // Controls built or taken down while the window is open.
    void AddControl(const ControlDef& def);
    void RemoveControl(int number);
    // Whether a menu item of this window takes the key sequence.
    bool HasShortcut(const QKeySequence& keys) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildFrame(const Layout& layout);
    void BuildContent(const Layout& layout);
    void BuildControl(const ControlDef& def);
    void BuildMenu(const Layout& layout, QMainWindow& frame);
    void BuildStatusBar(const Layout& layout, QMainWindow& frame);
    void Post(int eventNumber, int control = 0, int keyCode = 0);
    ControlHooks HooksFor(int control);
    QWidget* BuildRuntimeControl(const ControlDef& def);
    // Enter: presses the button that has the focus, else the default button
    // when it can be pressed. False when there is none.
    bool PressDefault();

    std::uint64_t id_;
    std::string label_;
    int ownerThread_;
    WindowKind kind_;
    std::set<int> alerts_;
    QFont font_;
    // The outer widget is held as a plain QWidget: it may be reached while Qt
    // destroys it, when it is no longer anything more derived.
    QPointer<QWidget> outer_;
    bool isSubWindow_ = false;
    QMdiArea* mdiArea_ = nullptr;
    // Held weakly: the frame's MDI area takes its sub-windows down with it.
    QPointer<QWidget> content_;
    std::map<int, QPointer<QWidget>> controls_;
    int defaultButton_ = 0;  // 0: Enter presses nothing
    std::map<int, QPointer<QAction>> items_;
    std::map<int, StandardAction> actions_;
    std::vector<QPointer<QLabel>> zones_;
    bool programClosing_ = false;
    bool shown_ = false;
    bool minimized_ = false;
    bool hasFocus_ = false;
    bool dragMouseKnown_ = false;
    QPoint dragMouse_;
};

// Sizes a control that was defined without a size to its text (called after
// its text changes); other controls are left alone.
void FitToText(QWidget* control);

// Window registry (GUI thread only).
GuiWindow* Find(std::uint64_t id);
std::uint64_t CreateWindow(const Layout& layout, int ownerThread);
void DestroyWindow(std::uint64_t id);
// The application frame, if one is open.
GuiWindow* Frame();
// Every window that is open, in the order they were created.
std::vector<GuiWindow*> AllWindows();
// Takes down whatever windows remain, newest first (when the GUI stops).
void DestroyAllWindows();

}  // namespace rt::gui
