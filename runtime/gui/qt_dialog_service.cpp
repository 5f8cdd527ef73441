#include "runtime/gui/qt_dialog_service.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "runtime/core/menu_text.h"
#include "runtime/gui/chooser_dialog.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/gui/popup_menu.h"
#include "runtime/program_printer.h"
#include "runtime/text_codec.h"

namespace rt::gui {
namespace {

QWidget* DialogParent() {
    gui::GuiWindow* frame = gui::Frame();
    return frame != nullptr ? frame->Outer() : nullptr;
}

QMessageBox::StandardButton ToQt(unsigned button) {
    switch (button) {
        case ButtonOk:
            return QMessageBox::Ok;
        case ButtonYes:
            return QMessageBox::Yes;
        case ButtonNo:
            return QMessageBox::No;
        case ButtonCancel:
            return QMessageBox::Cancel;
        case ButtonAbort:
            return QMessageBox::Abort;
        case ButtonRetry:
            return QMessageBox::Retry;
        case ButtonIgnore:
            return QMessageBox::Ignore;
        default:
            return QMessageBox::NoButton;
    }
}

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// "*.DCT;*.TXD" -> "*.dct *.DCT *.txd *.TXD ..." so that any letter case matches.
QString CaseFreePattern(const std::string& pattern) {
    QStringList out;
    for (const QString& part : FromWin1252(pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString glob;
        for (QChar ch : part.trimmed()) {
            if (ch.isLetter())
                glob += QLatin1Char('[') + ch.toLower() + ch.toUpper() + QLatin1Char(']');
            else
                glob += ch;
        }
        out << glob;
    }
    return out.join(QLatin1Char(' '));
}

std::optional<std::string> RunFileDialog(const OpenFileRequest& request,
                                         QFileDialog::AcceptMode mode) {
    return GuiCall<std::optional<std::string>>([&]() -> std::optional<std::string> {
        QStringList filters;
        for (const FileFilter& filter : request.filters)
            filters << FromWin1252(filter.name) + QStringLiteral(" (") +
                           CaseFreePattern(filter.pattern) + QLatin1Char(')');
        QFileDialog dialog(DialogParent(), FromWin1252(request.title));
        // The folder must exist, the file need not: a typed name comes back as typed.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(mode);
        dialog.setNameFilters(filters);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        if (!request.initialPath.empty()) {
            const QString initial = QString::fromStdString(request.initialPath);
            QFileInfo info(initial);
            if (info.isDir()) {
                dialog.setDirectory(initial);
            } else {
                if (info.dir().exists()) dialog.setDirectory(info.dir());
                dialog.selectFile(info.fileName());
            }
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    });
}

}  // namespace

unsigned QtDialogService::Message(const MessageRequest& request) {
    return GuiCall<unsigned>(
        [&]() -> unsigned {
            QMessageBox box(ToQt(request.icon), FromWin1252(request.caption),
                            FromWin1252(request.text), QMessageBox::NoButton, DialogParent());
            for (unsigned bit = 1; bit <= ButtonIgnore; bit <<= 1)
                if (request.buttons & bit) box.addButton(ToQt(bit));
            box.setDefaultButton(ToQt(request.defaultButton));
            box.exec();
            QAbstractButton* clicked = box.clickedButton();
            if (clicked == nullptr) return request.defaultButton;
            const auto standard = box.standardButton(clicked);
            for (unsigned bit = 1; bit <= ButtonIgnore; bit <<= 1)
                if (ToQt(bit) == standard) return bit;
            return request.defaultButton;
        },
        request.defaultButton);
}

std::optional<std::string> QtDialogService::OpenFile(const OpenFileRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogService::SaveFile(const OpenFileRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

QtDialogService::QtDialogService() = default;
QtDialogService::~QtDialogService() = default;

bool QtDialogService::PrinterSetup(const PrinterDialogRequest& request) {
    return GuiCall<bool>([&]() -> bool {
        QPrinter& printer = ProgramPrinter();
        if (request.mode == PrinterDialogMode::PageSetup) {
            QPageSetupDialog dialog(&printer, DialogParent());
            dialog.setWindowTitle(FromWin1252(request.caption));
            return dialog.exec() == QDialog::Accepted;
        }
        QPrintDialog dialog(&printer, DialogParent());
        dialog.setWindowTitle(FromWin1252(request.caption));
        // The whole report prints: no selection, no page range.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    });
}

int QtDialogService::Popup(const PopupRequest& request) {
    return GuiCall<int>([&]() -> int {
        QMenu menu(DialogParent());
        gui::FillMenu(menu, ParseMenuText(request.menuText));
        const QPoint mouse = QCursor::pos();
        const QPoint at(request.x.value_or(mouse.x()), request.y.value_or(mouse.y()));
        return gui::CommandNumber(menu.exec(at));
    });
}

int QtDialogService::Choose(const ChooserRequest& request) {
    return GuiCall<int>([&]() -> int {
        gui::ChooserDialog dialog(DialogParent(), request);
        const QPoint mouse = QCursor::pos();
        dialog.PlaceAt(QPoint(request.x.value_or(mouse.x()), request.y.value_or(mouse.y())));
        return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : 0;
    });
}

}  // namespace rt::gui
