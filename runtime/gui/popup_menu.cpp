#include "runtime/gui/popup_menu.h"

#include <QAction>
#include <QMenu>

#include "runtime/text_codec.h"

namespace rt::gui {

void FillMenu(QMenu& menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        const QString text = FromWin1252(entry.text);
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                menu.addSeparator();
                break;
            case MenuEntry::Kind::Submenu: {
                QMenu* submenu = menu.addMenu(text);  // owned by `menu`
                submenu->setEnabled(!entry.disabled);
                FillMenu(*submenu, entry.children);
                break;
            }
            case MenuEntry::Kind::Command: {
                QAction* action = menu.addAction(text);
                action->setEnabled(!entry.disabled);
                if (entry.check != MenuCheck::None) {
                    action->setCheckable(true);
                    action->setChecked(entry.check == MenuCheck::Checked);
                }
                action->setData(entry.number);
                break;
            }
        }
    }
}

int CommandNumber(const QAction* action) {
    return action != nullptr ? action->data().toInt() : 0;
}

}  // namespace rt::gui
