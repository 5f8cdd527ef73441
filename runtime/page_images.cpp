#include "runtime/page_images.h"

#include <stdlib.h>

#include <QBuffer>
#include <QPainter>
#include <filesystem>

#include "runtime/core/safe_file.h"
#include "runtime/gui/page_painter.h"

namespace rt {

namespace fs = std::filesystem;

PageImages::PageImages() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "kestrian-pages-XXXXXX").string();
    if (!ec && ::mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
}

PageImages::~PageImages() {
    if (folder_.empty()) return;
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::string PageImages::PathOf(int number) const {
    return folder_ + "/page-" + std::to_string(number) + ".pic";
}

bool PageImages::Add(const Page& page) {
    if (!Ok()) return false;
    QPicture picture;
    {
        QPainter painter(&picture);
        gui::PaintPage(painter, page);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer)) return false;
    if (!WriteScratchFile(
            PathOf(Count() + 1),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        return false;
    }
    sizes_.emplace_back(page.width, page.height);
    return true;
}

QSizeF PageImages::PageSize(int number) const {
    if (number < 1 || number > Count()) return {};
    return sizes_[static_cast<std::size_t>(number - 1)];
}

QPicture PageImages::Load(int number) const {
    QPicture picture;
    if (number >= 1 && number <= Count()) picture.load(QString::fromStdString(PathOf(number)));
    return picture;
}

void PageImages::Draw(QPainter& painter, int number, const QRectF& target) const {
    if (PageSize(number).isEmpty() || target.isEmpty()) return;
    Draw(painter, Load(number), number, target);
}

void PageImages::Draw(QPainter& painter, const QPicture& picture, int number,
                      const QRectF& target) const {
    const QSizeF size = PageSize(number);
    if (size.isEmpty() || target.isEmpty()) return;
    // The picture holds the page in its own device's units.
    const double unitsX = picture.logicalDpiX() / 1000.0;
    const double unitsY = picture.logicalDpiY() / 1000.0;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / (size.width() * unitsX),
                  target.height() / (size.height() * unitsY));
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

void PageImages::Clear() {
    for (int number = 1; number <= Count(); ++number) {
        std::error_code ec;
        fs::remove(PathOf(number), ec);
    }
    sizes_.clear();
}

}  // namespace rt
