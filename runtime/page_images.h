// Page images of a report: each page recorded as a picture (the metafile of
// Qt) in a private temporary folder that goes, with every file in it, when
// the object goes: however the report ends, no page file is left behind.
#pragma once

#include <QPicture>
#include <QRectF>
#include <QSizeF>
#include <string>
#include <vector>

#include "runtime/core/page_drawing.h"

class QPainter;

namespace rt {

class PageImages {
  public:
    PageImages();
    ~PageImages();
    PageImages(const PageImages&) = delete;
    PageImages& operator=(const PageImages&) = delete;

    // False when the private folder could not be made.
    bool Ok() const { return !folder_.empty(); }
    const std::string& Folder() const { return folder_; }

    // Records `page` as the next page image; false when it cannot be written.
    bool Add(const Page& page);
    int Count() const { return static_cast<int>(sizes_.size()); }
    // Size of page `number` (1-based) in thousandths of an inch.
    QSizeF PageSize(int number) const;
    // Page `number` as recorded; an empty picture when it cannot be read.
    QPicture Load(int number) const;
    // Draws page `number` into `target` (the painter's coordinates), scaled
    // to fill it.
    void Draw(QPainter& painter, int number, const QRectF& target) const;
    // The same with the page already loaded (what Load(number) returned).
    void Draw(QPainter& painter, const QPicture& picture, int number, const QRectF& target) const;
    // Removes every page file; the folder stays for new pages.
    void Clear();

  private:
    std::string PathOf(int number) const;

    std::string folder_;
    std::vector<QSizeF> sizes_;
};

}  // namespace rt
