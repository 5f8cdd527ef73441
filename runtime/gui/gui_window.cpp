#include "runtime/gui/gui_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "runtime/gui/dialog_units.h"
#include "runtime/gui/field_controls.h"
#include "runtime/gui/list_control.h"
#include "runtime/gui/page_image_control.h"
#include "runtime/gui/region_control.h"
#include "runtime/gui/text_control.h"
#include "runtime/program_threads.h"
#include "runtime/text_codec.h"

namespace rt::gui {
namespace {

struct Registry {
    std::unordered_map<std::uint64_t, std::unique_ptr<GuiWindow>> windows;
    std::uint64_t frameId = 0;
    std::uint64_t nextId = 1;
};

Registry& Windows() {
    static Registry registry;
    return registry;
}

const char* kControlProperty = "kestrianControl";
const char* kAutoSizeProperty = "kestrianAutoSize";

QString ImagePath(const std::string& name) {
    return QStringLiteral(":/images/") + FromWin1252(name);
}

// The runtime's key code for a key the program may alert on; 0 for others.
int AlertCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_PageUp:
            return key::PageUp;
        case Qt::Key_PageDown:
            return key::PageDown;
        default:
            return 0;
    }
}

// "&Open...\tCtrl-O" -> ("&Open...", "Ctrl+O")
std::pair<QString, QString> SplitMenuText(const std::string& text) {
    QString full = FromWin1252(text);
    const qsizetype tab = full.indexOf(QLatin1Char('\t'));
    if (tab < 0) return {full, QString()};
    QString shortcut = full.mid(tab + 1);
    shortcut.replace(QLatin1Char('-'), QLatin1Char('+'));
    return {full.left(tab), shortcut};
}

// A window's client area: it asks for the size its layout gives it, so that
// a sub-window of the frame opens at that size.
class ContentWidget : public QWidget {
  public:
    QSize sizeHint() const override {
        return designed_.isValid() ? designed_ : QWidget::sizeHint();
    }
    void SetDesignedSize(const QSize& size) { designed_ = size; }

  private:
    QSize designed_;
};

}  // namespace

GuiWindow::GuiWindow(std::uint64_t id, int ownerThread, const Layout& layout)
    : id_(id),
      label_(layout.label),
      ownerThread_(ownerThread),
      kind_(layout.kind),
      alerts_(layout.alertKeys.begin(), layout.alertKeys.end()) {
    font_ = QApplication::font();
    if (!layout.fontFamily.empty()) font_.setFamily(FromWin1252(layout.fontFamily));
    if (layout.fontSize > 0) font_.setPointSize(layout.fontSize);
    if (kind_ == WindowKind::Application)
        BuildFrame(layout);
    else
        BuildContent(layout);
}

GuiWindow::~GuiWindow() {
    programClosing_ = true;
    if (QWidget* outer = outer_.data()) {
        outer->removeEventFilter(this);
        delete outer;
    }
}

QWidget* GuiWindow::Control(int number) const {
    auto found = controls_.find(number);
    return found == controls_.end() ? nullptr : found->second.data();
}

QAction* GuiWindow::MenuItem(int number) const {
    auto found = items_.find(number);
    return found == items_.end() ? nullptr : found->second.data();
}

QLabel* GuiWindow::StatusZone(int zone) const {
    if (zone < 1 || zone > static_cast<int>(zones_.size())) return nullptr;
    return zones_[static_cast<std::size_t>(zone - 1)].data();
}

StandardAction GuiWindow::ActionOf(int menuNumber) const {
    auto found = actions_.find(menuNumber);
    return found == actions_.end() ? StandardAction::None : found->second;
}

// Rounded both ways, so that a position set in dialog units reads back the same.
int GuiWindow::DuToPixelsX(int du) const {
    return static_cast<int>(std::lround(du * DialogBaseUnitX(QFontMetrics(font_)) / 4.0));
}
int GuiWindow::DuToPixelsY(int du) const {
    return static_cast<int>(std::lround(du * QFontMetrics(font_).height() / 8.0));
}
int GuiWindow::PixelsToDuX(int px) const {
    const int unit = DialogBaseUnitX(QFontMetrics(font_));
    return unit > 0 ? static_cast<int>(std::lround(px * 4.0 / unit)) : px;
}
int GuiWindow::PixelsToDuY(int px) const {
    const int unit = QFontMetrics(font_).height();
    return unit > 0 ? static_cast<int>(std::lround(px * 8.0 / unit)) : px;
}

void GuiWindow::BuildFrame(const Layout& layout) {
    auto* frame = new QMainWindow();  // owned by this object (deleted in the destructor)
    outer_ = frame;
    frame->setFont(font_);
    frame->setWindowTitle(FromWin1252(layout.title));
    if (!layout.icon.empty()) frame->setWindowIcon(QIcon(ImagePath(layout.icon)));
    mdiArea_ = new QMdiArea(frame);
    if (!layout.wallpaper.empty())
        mdiArea_->setBackground(QBrush(QPixmap(ImagePath(layout.wallpaper))));
    frame->setCentralWidget(mdiArea_);
    content_ = mdiArea_;
    BuildMenu(layout, *frame);
    BuildStatusBar(layout, *frame);
    frame->resize(DuToPixelsX(layout.width), DuToPixelsY(layout.height));
    frame->installEventFilter(this);
}

void GuiWindow::BuildContent(const Layout& layout) {
    auto* content = new ContentWidget();
    content_ = content;
    content->setFont(font_);
    content->setWindowTitle(FromWin1252(layout.title));
    for (const ControlDef& def : layout.controls) BuildControl(def);
    // A prompt's "&" letter takes the focus to the control that follows it.
    for (std::size_t i = 0; i + 1 < layout.controls.size(); ++i) {
        const ControlDef& def = layout.controls[i];
        if (def.kind != ControlKind::String || def.text.find('&') == std::string::npos) continue;
        if (auto* label = qobject_cast<QLabel*>(Control(def.number)))
            label->setBuddy(Control(layout.controls[i + 1].number));
    }
    // Regions lie over whatever they share a place with.
    for (const ControlDef& def : layout.controls)
        if (def.kind == ControlKind::Region)
            if (QWidget* region = Control(def.number)) region->raise();
    if (layout.width > 0 && layout.height > 0)
        content->resize(DuToPixelsX(layout.width), DuToPixelsY(layout.height));
    else
        content->resize(content->childrenRect().bottomRight().x() + 1,
                        content->childrenRect().bottomRight().y() + 1);
    content->SetDesignedSize(content->size());
    content->installEventFilter(this);

    GuiWindow* frame = Frame();
    if (layout.kind == WindowKind::MdiChild && frame != nullptr && frame->MdiArea() != nullptr) {
        auto* sub = new QMdiSubWindow();
        outer_ = sub;
        isSubWindow_ = true;
        sub->setWidget(content);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->setWindowTitle(content->windowTitle());
        frame->MdiArea()->addSubWindow(sub);
        // Open at the layout's size, frame and title bar added.
        sub->resize(sub->sizeHint());
        sub->installEventFilter(this);
        // The sub-window's own system menu must not take the keys of the
        // frame's menu (its Close item claims Ctrl+W, which would leave the
        // key ambiguous and run neither).
        if (QMenu* system = sub->systemMenu())
            for (QAction* action : system->actions()) {
                QList<QKeySequence> keep;
                for (const QKeySequence& keys : action->shortcuts())
                    if (!frame->HasShortcut(keys)) keep << keys;
                action->setShortcuts(keep);
            }
        if (!layout.resizable)
            sub->setWindowFlags(sub->windowFlags() & ~Qt::WindowMaximizeButtonHint);
        QObject::connect(frame->MdiArea(), &QMdiArea::subWindowActivated, this,
                         [this](QMdiSubWindow* active) {
                             if (!shown_ || programClosing_) return;
                             const bool mine = active != nullptr && active == outer_.data();
                             if (mine != hasFocus_) {
                                 hasFocus_ = mine;
                                 Post(mine ? event::GainFocus : event::LoseFocus);
                             }
                         });
        return;
    }
    outer_ = content;
    QWidget* top = content;
    // A window of its own with a menu or status zones: a main window around
    // the controls carries the menu bar and the status bar.
    if (!layout.menu.empty() || !layout.statusWidths.empty()) {
        auto* main = new QMainWindow();  // owned by this object (deleted in the destructor)
        main->setFont(font_);
        main->setWindowTitle(content->windowTitle());
        const QSize inner = content->size();
        main->setCentralWidget(content);
        BuildMenu(layout, *main);
        BuildStatusBar(layout, *main);
        const int bars = (layout.menu.empty() ? 0 : main->menuBar()->sizeHint().height()) +
                         (layout.statusWidths.empty() ? 0 : main->statusBar()->sizeHint().height());
        main->resize(inner.width(), inner.height() + bars);
        main->installEventFilter(this);
        outer_ = main;
        top = main;
    }
    Qt::WindowFlags flags = Qt::Window;
    if (layout.frameless) flags |= Qt::FramelessWindowHint;
    if (frame != nullptr && frame->Outer() != nullptr) {
        top->setParent(frame->Outer(), flags);
    } else {
        top->setWindowFlags(flags);
    }
    if (layout.modal) content->setWindowModality(Qt::ApplicationModal);
}

void GuiWindow::BuildControl(const ControlDef& def) {
    QWidget* widget = nullptr;
    const QString text = FromWin1252(def.text);
    switch (def.kind) {
        case ControlKind::String: {
            auto* label = new TextControl(text, content_);
            if (def.centered) label->setAlignment(Qt::AlignCenter);
            if (def.bold) {
                QFont bold = font_;
                bold.setBold(true);
                label->setFont(bold);
            }
            widget = label;
            break;
        }
        case ControlKind::Image: {
            auto* label = new QLabel(content_);
            QPixmap picture(ImagePath(def.text));
            label->setPixmap(picture);
            if (def.width == 0 || def.height == 0) label->resize(picture.size());
            widget = label;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text, content_);
            const int number = def.number;
            if (def.isDefault) {
                button->setDefault(true);
                defaultButton_ = number;
            }
            QObject::connect(button, &QPushButton::clicked, this,
                             [this, number] { Post(event::Accepted, number); });
            widget = button;
            break;
        }
        case ControlKind::Panel: {
            auto* panel = new QFrame(content_);
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget = panel;
            break;
        }
        case ControlKind::Group: {
            widget = new QGroupBox(text, content_);
            break;
        }
        case ControlKind::Check: {
            auto* box = new QCheckBox(text, content_);
            const int number = def.number;
            // Only the user's tick is an event; the program's setChecked is not.
            QObject::connect(box, &QCheckBox::clicked, this,
                             [this, number] { Post(event::Accepted, number); });
            widget = box;
            break;
        }
        case ControlKind::Line: {
            auto* line = new QFrame(content_);
            line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            widget = line;
            break;
        }
        case ControlKind::List:
        case ControlKind::DropList:
        case ControlKind::Region:
        case ControlKind::Spin:
        case ControlKind::ComboEntry:
        case ControlKind::PageImage:
            widget = BuildRuntimeControl(def);
            break;
        default:
            widget = new QWidget(content_);
            break;
    }
    widget->setProperty(kControlProperty, def.number);
    widget->installEventFilter(this);
    if (def.width > 0 && def.height > 0)
        widget->setGeometry(DuToPixelsX(def.x), DuToPixelsY(def.y), DuToPixelsX(def.width),
                            DuToPixelsY(def.height));
    else
        widget->move(DuToPixelsX(def.x), DuToPixelsY(def.y));
    if (!def.tip.empty()) widget->setToolTip(FromWin1252(def.tip));
    if (def.kind == ControlKind::Group) widget->lower();  // behind what it groups
    // A string, check box or button without a size takes the size of its
    // text, and follows it.
    if ((def.kind == ControlKind::String || def.kind == ControlKind::Check ||
         def.kind == ControlKind::Button) &&
        (def.width <= 0 || def.height <= 0)) {
        widget->setProperty(kAutoSizeProperty, true);
        FitToText(widget);
    }
    if (!def.tip.empty()) widget->setToolTip(FromWin1252(def.tip));
    widget->setHidden(def.hidden);
    widget->setEnabled(!def.disabled);
    controls_[def.number] = widget;
}

void GuiWindow::AddControl(const ControlDef& def) {
    RemoveControl(def.number);
    BuildControl(def);
}

void GuiWindow::RemoveControl(int number) {
    auto found = controls_.find(number);
    if (found == controls_.end()) return;
    delete found->second.data();
    controls_.erase(found);
}

ControlHooks GuiWindow::HooksFor(int control) {
    ControlHooks hooks;
    hooks.post = [this, control](int eventNumber, int keyCode) {
        if (!programClosing_) Post(eventNumber, control, keyCode);
    };
    hooks.alerted = [this](int keyCode) { return IsAlerted(keyCode); };
    hooks.duToPixelsX = [this](int du) { return DuToPixelsX(du); };
    hooks.duToPixelsY = [this](int du) { return DuToPixelsY(du); };
    hooks.dragMouse = [this](const QPoint* global) {
        dragMouseKnown_ = global != nullptr;
        if (global != nullptr) dragMouse_ = *global;
    };
    return hooks;
}

QWidget* GuiWindow::BuildRuntimeControl(const ControlDef& def) {
    switch (def.kind) {
        case ControlKind::List: {
            auto* list = new ListControl(content_, HooksFor(def.number));
            list->View()->setProperty(kControlProperty, def.number);
            if (!def.format.empty()) list->SetFormat(def.format);
            list->SetMarking(def.marks);
            list->SetFillWidth(def.fillWidth);
            list->SetBrowsing(def.browse);
            return list;
        }
        case ControlKind::DropList: {
            auto* drop = new DropListControl(content_, HooksFor(def.number));
            if (!def.format.empty()) drop->SetFormat(def.format);
            return drop;
        }
        case ControlKind::Spin:
            return new SpinControl(content_, HooksFor(def.number), def);
        case ControlKind::ComboEntry:
            return new ComboEntryControl(content_, HooksFor(def.number), def);
        case ControlKind::PageImage:
            return new PageImageControl(content_, HooksFor(def.number));
        default:
            return new RegionControl(content_, HooksFor(def.number), def.cursor);
    }
}

QPoint GuiWindow::MouseGlobal() const {
    return dragMouseKnown_ ? dragMouse_ : QCursor::pos();
}

bool GuiWindow::HasShortcut(const QKeySequence& keys) const {
    for (const auto& [number, item] : items_)
        if (item && !item->shortcut().isEmpty() && item->shortcut() == keys) return true;
    return false;
}

void GuiWindow::BuildMenu(const Layout& layout, QMainWindow& frame) {
    std::map<int, QMenu*> menus;
    for (const MenuDef& def : layout.menu) {
        auto [text, shortcut] = SplitMenuText(def.text);
        if (def.isMenu) {
            QMenu* menu = def.parent == 0 ? frame.menuBar()->addMenu(text)
                                          : menus.at(def.parent)->addMenu(text);
            menus[def.number] = menu;
            items_[def.number] = menu->menuAction();
            continue;
        }
        QMenu* menu = menus.at(def.parent);
        QAction* action = menu->addAction(text);
        if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
        if (!def.help.empty()) action->setStatusTip(FromWin1252(def.help));
        action->setEnabled(def.enabled);
        const int number = def.number;
        QObject::connect(action, &QAction::triggered, this,
                         [this, number] { Post(event::Accepted, number); });
        items_[def.number] = action;
        actions_[def.number] = def.action;
    }
}

void GuiWindow::BuildStatusBar(const Layout& layout, QMainWindow& frame) {
    if (layout.statusWidths.empty()) return;
    QStatusBar* bar = frame.statusBar();
    for (int width : layout.statusWidths) {
        auto* zone = new QLabel(bar);
        zone->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (width > 0) {
            zone->setFixedWidth(DuToPixelsX(width));
            bar->addPermanentWidget(zone, 0);
        } else {
            bar->addWidget(zone, 1);
        }
        zones_.push_back(zone);
    }
}

void GuiWindow::Show() {
    QWidget* outer = Outer();
    if (outer == nullptr) return;
    auto* sub = isSubWindow_ ? qobject_cast<QMdiSubWindow*>(outer) : nullptr;
    if (kind_ != WindowKind::Application && !isSubWindow_) {
        QWidget* parent = outer->parentWidget();
        QRect area = parent != nullptr ? parent->geometry()
                                       : QApplication::primaryScreen()->availableGeometry();
        QRect box = outer->frameGeometry();
        box.moveCenter(area.center());
        outer->move(box.topLeft());
    }
    outer->show();
    shown_ = true;
    if (sub != nullptr) {
        sub->raise();
        if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    } else {
        outer->activateWindow();
    }
}

void GuiWindow::CloseByProgram() {
    programClosing_ = true;
    if (QWidget* outer = Outer()) outer->hide();
}

void GuiWindow::SetAlertKey(int keyCode, bool on) {
    if (on)
        alerts_.insert(keyCode);
    else
        alerts_.erase(keyCode);
}

void GuiWindow::SetMinimumSize(int width, int height) {
    if (QWidget* outer = Outer()) outer->setMinimumSize(DuToPixelsX(width), DuToPixelsY(height));
}

void GuiWindow::Post(int eventNumber, int control, int keyCode) {
    PostEvent(ownerThread_, Event{eventNumber, control, keyCode, id_});
}

int GuiWindow::ControlNumberOf(QObject* object) const {
    QVariant value = object->property(kControlProperty);
    return value.isValid() ? value.toInt() : 0;
}

bool GuiWindow::eventFilter(QObject* watched, QEvent* event) {
    // While the program takes the window down, Qt's own handling applies.
    if (programClosing_) return QObject::eventFilter(watched, event);
    QWidget* outer = Outer();
    switch (event->type()) {
        case QEvent::Close:
            if (watched == outer && !programClosing_) {
                event->ignore();
                Post(event::CloseWindow);
                return true;
            }
            break;
        case QEvent::Resize:
            if (watched == outer && shown_) Post(event::Sized);
            break;
        case QEvent::WindowStateChange:
            if (watched == outer) {
                const bool minimized = outer->isMinimized();
                if (minimized && !minimized_) Post(event::Iconize);
                if (!minimized && minimized_) Post(event::Restored);
                if (outer->isMaximized()) Post(event::Maximize);
                minimized_ = minimized;
            }
            break;
        case QEvent::WindowActivate:
            if (watched == outer && !isSubWindow_ && shown_ && !hasFocus_) {
                hasFocus_ = true;
                Post(event::GainFocus);
            }
            break;
        case QEvent::WindowDeactivate:
            if (watched == outer && !isSubWindow_ && shown_ && hasFocus_) {
                hasFocus_ = false;
                Post(event::LoseFocus);
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // Regions and lists report their own clicks, with their number.
            if (qobject_cast<RegionControl*>(watched) != nullptr ||
                qobject_cast<ListControl*>(watched) != nullptr ||
                qobject_cast<DropListControl*>(watched) != nullptr)
                break;
            auto* mouse = static_cast<QMouseEvent*>(event);
            int code = 0;
            if (mouse->button() == Qt::LeftButton)
                code = event->type() == QEvent::MouseButtonDblClick ? key::MouseLeftDouble
                                                                    : key::MouseLeft;
            else if (mouse->button() == Qt::RightButton)
                code = key::MouseRight;
            if (code != 0 && IsAlerted(code)) {
                Post(event::AlertKey, 0, code);
                return true;
            }
            break;
        }
        case QEvent::KeyPress: {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            // F4 opens a drop-down list where one has the focus.
            if (keyEvent->key() == Qt::Key_F4 && keyEvent->modifiers() == Qt::NoModifier &&
                IsAlerted(key::F4) && qobject_cast<DropListControl*>(watched) == nullptr) {
                Post(event::AlertKey, 0, key::F4);
                return true;
            }
            if (keyEvent->key() == Qt::Key_Escape && IsAlerted(key::Esc)) {
                Post(event::AlertKey, 0, key::Esc);
                return true;
            }
            if (const int code = AlertCodeOf(keyEvent->key()); code != 0 && IsAlerted(code)) {
                Post(event::AlertKey, 0, code);
                return true;
            }
            // Enter that no control took for itself.
            const bool enter =
                keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
            if (enter && (watched == content_ || watched == outer) &&
                (keyEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && PressDefault())
                return true;
            // Esc asks a window (not the frame) to close.
            if (keyEvent->key() == Qt::Key_Escape && kind_ != WindowKind::Application) {
                Post(event::CloseWindow);
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool GuiWindow::PressDefault() {
    auto* button = qobject_cast<QPushButton*>(Control(defaultButton_));
    if (button == nullptr || content_ == nullptr) return false;
    // As in a dialog, Enter on another button presses that one.
    auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (focused != nullptr && content_->isAncestorOf(focused)) button = focused;
    if (!button->isEnabled() || !button->isVisibleTo(content_)) return false;
    button->click();
    return true;
}

void FitToText(QWidget* control) {
    if (control != nullptr && control->property(kAutoSizeProperty).toBool()) control->adjustSize();
}

GuiWindow* Find(std::uint64_t id) {
    auto& windows = Windows().windows;
    auto found = windows.find(id);
    return found == windows.end() ? nullptr : found->second.get();
}

GuiWindow* Frame() {
    return Find(Windows().frameId);
}

std::vector<GuiWindow*> AllWindows() {
    std::vector<GuiWindow*> all;
    for (auto& [id, window] : Windows().windows) all.push_back(window.get());
    std::sort(all.begin(), all.end(),
              [](const GuiWindow* a, const GuiWindow* b) { return a->Id() < b->Id(); });
    return all;
}

std::uint64_t CreateWindow(const Layout& layout, int ownerThread) {
    Registry& registry = Windows();
    const std::uint64_t id = registry.nextId++;
    auto window = std::make_unique<GuiWindow>(id, ownerThread, layout);
    if (layout.kind == WindowKind::Application) registry.frameId = id;
    registry.windows.emplace(id, std::move(window));
    return id;
}

void DestroyAllWindows() {
    std::vector<GuiWindow*> all = AllWindows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) DestroyWindow((*it)->Id());
}

void DestroyWindow(std::uint64_t id) {
    Registry& registry = Windows();
    auto found = registry.windows.find(id);
    if (found == registry.windows.end()) return;
    if (registry.frameId == id) registry.frameId = 0;
    std::unique_ptr<GuiWindow> window = std::move(found->second);
    registry.windows.erase(found);
    window.reset();
}

}  // namespace rt::gui
