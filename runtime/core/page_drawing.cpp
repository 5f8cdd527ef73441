#include "runtime/core/page_drawing.h"

#include <utility>

namespace rt {

DrawOp TextOp(int x, int y, std::string text, FontSpec font, int width) {
    DrawOp op;
    op.kind = DrawKind::Text;
    op.x = x;
    op.y = y;
    op.width = width;
    op.font = font;
    op.text = std::move(text);
    return op;
}

DrawOp LineOp(int x, int y, int dx, int dy) {
    DrawOp op;
    op.kind = DrawKind::Line;
    op.x = x;
    op.y = y;
    op.width = dx;
    op.height = dy;
    return op;
}

DrawOp BoxOp(int x, int y, int width, int height, std::uint32_t fill) {
    DrawOp op;
    op.kind = DrawKind::Box;
    op.x = x;
    op.y = y;
    op.width = width;
    op.height = height;
    op.colour = fill;
    return op;
}

DrawOp Moved(DrawOp op, int dx, int dy) {
    op.x += dx;
    op.y += dy;
    return op;
}

}  // namespace rt
