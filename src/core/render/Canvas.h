#pragma once

#include "model/Font.h"
#include "model/Library.h"
#include "model/Point.h"
#include "render/FontSet.h"
#include "render/Image.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ornadeck {

// Draws on an image the way the designer's toolkit canvas does, in the coordinates of one
// window: an origin places the window on the image and a clip keeps drawing inside it.
class Canvas {
  public:
    Canvas(Image& image, const FontSet& fonts);

    // The window's top-left corner on the image, and the part of the image it may touch
    // (image coordinates, right and bottom exclusive).
    void setOrigin(int x, int y);
    void setClip(int left, int top, int right, int bottom);
    Point origin() const { return {originX_, originY_}; }

    void setPen(Color c) { pen_ = c; }
    void clearPen() { pen_.reset(); }
    void setBrush(Color c) { brush_ = c; }
    void clearBrush() { brush_.reset(); }
    void setFont(const Font& font) { font_ = font; }
    const Font& font() const { return font_; }
    void setFontColor(Color c) { fontColor_ = c; }
    // What only the designer shows, the selection marks and the grid's dots; a picture for
    // others (an exported form) leaves them out.
    void hideDesignAids() { designAids_ = false; }
    bool designAidsShown() const { return designAids_; }

    void pixel(int x, int y, Color c);
    std::optional<Color> pixelAt(int x, int y) const;
    // From (x1, y1) up to, not including, (x2, y2), in the pen colour.
    void line(int x1, int y1, int x2, int y2);
    // Segments through the points, each leaving out its end point.
    void polyline(const std::vector<Point>& points);
    // Inside with the brush, outline with the pen; two points make a segment with both ends.
    void polygon(const std::vector<Point>& points);
    // Every pixel from (x1, y1) to (x2, y2) inclusive.
    void fillRect(int x1, int y1, int x2, int y2, Color c);
    // Text with its top-left corner at (x, y), in the font colour; its background is the
    // brush colour when a brush is set, else left as it was.
    void text(int x, int y, std::string_view text);
    int textWidth(std::string_view text) const;
    // The line height of the font; 0 for empty text.
    int textHeight(std::string_view text) const;

  private:
    void plot(int x, int y, Color c);
    void span(long long lo, long long hi, int y, Color c);

    Image& image_;
    const FontSet& fonts_;
    int originX_ = 0, originY_ = 0;
    bool designAids_ = true;
    int clipLeft_, clipTop_, clipRight_, clipBottom_;
    std::optional<Color> pen_ = kBlack;
    std::optional<Color> brush_ = kWhite;
    Font font_;
    Color fontColor_ = kBlack;
};

} // namespace ornadeck
