#include "render/Canvas.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

namespace ornadeck {

int styledTextWidth(const FontSet& fonts, const Font& font, std::string_view text) {
    const BitmapFont& f = fonts.fontFor(font.face);
    int width = f.textWidth(text);
    if (synthesizesBold(font))
        for (std::size_t pos = 0; pos < text.size(); nextCodePoint(text, pos))
            ++width;
    return width;
}

bool synthesizesBold(const Font& font) {
    return font.bold && font.face != "PilotBold" && font.face != "PilotBold12";
}

Canvas::Canvas(Image& image, const FontSet& fonts)
    : image_(image), fonts_(fonts), clipLeft_(0), clipTop_(0), clipRight_(image.width()),
      clipBottom_(image.height()) {}

void Canvas::setOrigin(int x, int y) {
    originX_ = x;
    originY_ = y;
}

void Canvas::setClip(int left, int top, int right, int bottom) {
    clipLeft_ = std::max(left, 0);
    clipTop_ = std::max(top, 0);
    clipRight_ = std::min(right, image_.width());
    clipBottom_ = std::min(bottom, image_.height());
}

void Canvas::plot(int x, int y, Color c) {
    const long long ix = static_cast<long long>(x) + originX_;
    const long long iy = static_cast<long long>(y) + originY_;
    if (ix >= clipLeft_ && ix < clipRight_ && iy >= clipTop_ && iy < clipBottom_)
        image_.set(static_cast<int>(ix), static_cast<int>(iy), c);
}

// Fills columns lo..hi of row y, cut to the clip first so a huge window costs no more than
// the part of it that shows.
void Canvas::span(long long lo, long long hi, int y, Color c) {
    const long long iy = static_cast<long long>(y) + originY_;
    if (iy < clipTop_ || iy >= clipBottom_) return;
    lo = std::max(lo + originX_, static_cast<long long>(clipLeft_));
    hi = std::min(hi + originX_, static_cast<long long>(clipRight_) - 1);
    if (lo > hi) return;
    fillPixels(image_.row(static_cast<int>(iy)) + lo, static_cast<std::size_t>(hi - lo + 1), c);
}

void Canvas::pixel(int x, int y, Color c) { plot(x, y, c); }

std::optional<Color> Canvas::pixelAt(int x, int y) const {
    x += originX_;
    y += originY_;
    if (!image_.contains(x, y)) return std::nullopt;
    return image_.at(x, y);
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    if (!pen_) return;
    // Frames are mostly level lines, drawn as one span.
    if (y1 == y2 && x1 != x2) {
        if (x1 < x2)
            span(x1, static_cast<long long>(x2) - 1, y1, *pen_);
        else
            span(static_cast<long long>(x2) + 1, x1, y1, *pen_);
        return;
    }
    // Bresenham, stopping before the end point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        plot(x1, y1, *pen_);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void Canvas::polyline(const std::vector<Point>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
}

void Canvas::polygon(const std::vector<Point>& points) {
    if (points.empty()) return;
    if (points.size() == 2) {
        line(points[0].x, points[0].y, points[1].x, points[1].y);
        if (pen_) plot(points[1].x, points[1].y, *pen_);
        return;
    }
    if (brush_) {
        // Scanline fill of the pixel centres inside (or on) the outline, even-odd rule.
        int top = points[0].y, bottom = points[0].y;
        for (const auto& p : points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        std::vector<double> xs;
        xs.reserve(points.size());
        const int first = static_cast<int>(std::max<long long>(top, clipTop_ - originY_));
        const int last = static_cast<int>(std::min<long long>(bottom, clipBottom_ - 1 - originY_));
        for (int y = first; y <= last; ++y) {
            xs.clear();
            for (std::size_t i = 0; i < points.size(); ++i) {
                const Point a = points[i], b = points[(i + 1) % points.size()];
                if (a.y == b.y) continue;
                const int lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
                // Each edge counts from its top row down to, not into, its bottom row, except
                // on the polygon's last row, which would otherwise never be filled.
                const bool crosses = y >= lo && (y < hi || (y == hi && y == bottom));
                if (crosses) xs.push_back(a.x + double(y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
                span(static_cast<long long>(std::ceil(xs[i])),
                     static_cast<long long>(std::floor(xs[i + 1])), y, *brush_);
        }
    }
    polyline(points);
    const Point last = points.back(), first = points.front();
    line(last.x, last.y, first.x, first.y);
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, Color c) {
    const long long top = std::max<long long>(std::min(y1, y2), clipTop_ - originY_);
    const long long bottom = std::min<long long>(std::max(y1, y2), clipBottom_ - 1 - originY_);
    for (long long y = top; y <= bottom; ++y)
        span(std::min(x1, x2), std::max(x1, x2), static_cast<int>(y), c);
}

void Canvas::text(int x, int y, std::string_view text) {
    const BitmapFont& f = fonts_.fontFor(font_.face);
    const bool bold = synthesizesBold(font_);
    const int width = styledTextWidth(fonts_, font_, text);
    if (brush_ && width > 0) fillRect(x, y, x + width - 1, y + f.height() - 1, *brush_);
    int pen = x;
    for (std::size_t pos = 0; pos < text.size();) {
        const Glyph& g = f.glyph(nextCodePoint(text, pos));
        // Only the inked columns within the advance, found a set bit at a time.
        const int columns = std::clamp(g.advance, 0, 32);
        const std::uint32_t within = columns == 32 ? ~0u : ~(~0u >> columns);
        for (int row = 0; row < static_cast<int>(g.rows.size()); ++row) {
            const long long iy = static_cast<long long>(y) + row + originY_;
            if (iy < clipTop_ || iy >= clipBottom_) continue;
            Color* line = image_.row(static_cast<int>(iy));
            const long long left = static_cast<long long>(pen) + originX_;
            for (std::uint32_t bits = g.rows[row] & within; bits != 0;) {
                const int col = std::countl_zero(bits);
                bits &= ~(0x80000000u >> col);
                for (long long ix = left + col; ix <= left + col + (bold ? 1 : 0); ++ix)
                    if (ix >= clipLeft_ && ix < clipRight_) line[ix] = fontColor_;
            }
        }
        pen += g.advance + (bold ? 1 : 0);
    }
    if (font_.underline)
        for (int col = x; col < x + width; ++col)
            plot(col, y + f.ascent() + 1, fontColor_);
    if (font_.strikeOut)
        for (int col = x; col < x + width; ++col)
            plot(col, y + f.ascent() / 2 + 1, fontColor_);
}

int Canvas::textWidth(std::string_view text) const { return styledTextWidth(fonts_, font_, text); }

int Canvas::textHeight(std::string_view text) const {
    return text.empty() ? 0 : fonts_.fontFor(font_.face).height();
}

} // namespace ornadeck
