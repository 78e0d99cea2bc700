#pragma once

#include "model/ClassId.h"
#include "model/Font.h"
#include "model/Library.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ornadeck {

class Form;
class TextMetrics;

// A design control: a rectangle relative to its parent window, a visible flag, and an
// ordered list of children whose order is the z-order, back to front. Setters store and
// then "repaint", which applies whatever drawing would change about the control's size.
class Control {
  public:
    explicit Control(ClassId id) : classId_(id) {}
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ClassId classId() const { return classId_; }
    bool isDialog() const { return classId_ == ClassId::PTDialog; }

    // Window rectangle, in pixels of the parent.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { setBounds(v, top_, width_, height_); }
    void setTop(int v) { setBounds(left_, v, width_, height_); }
    void setWidth(int v) { setBounds(left_, top_, v, height_); }
    void setHeight(int v) { setBounds(left_, top_, width_, v); }
    // Sizes are at least one pixel: nothing can draw, hit or lay out a smaller window.
    void setBounds(int left, int top, int width, int height);

    // Coordinates are kept within this range, so no arithmetic on them can overflow.
    static constexpr int kCoordLimit = 32767;
    static int clampCoord(long long v);

    // Palm rectangle. The default is a one-pixel frame around the Palm object.
    virtual int userLeft() const { return left_ + 1; }
    virtual int userTop() const { return top_ + 1; }
    virtual int userWidth() const { return width_ - 2; }
    virtual int userHeight() const { return height_ - 2; }
    void setUserLeft(int v) { placeUserLeft(clampCoord(v)); }
    void setUserTop(int v) { placeUserTop(clampCoord(v)); }
    void setUserWidth(int v) { placeUserWidth(clampCoord(v)); }
    void setUserHeight(int v) { placeUserHeight(clampCoord(v)); }

    bool visible() const { return visible_; }
    void setVisible(bool v);

    const std::string& name() const { return name_; }

    const Font& font() const { return font_; }
    void setFont(const Font& f);
    void setFace(std::string_view face);

    Color color() const { return color_; }
    void setColor(Color c);

    int tag() const { return tag_; }
    void setTag(int v);

    bool selected() const { return selected_; }
    void setSelected(bool v);
    Color selectColor() const { return selectColor_; }
    void setSelectColor(Color c) { selectColor_ = c; }

    // Tree. A null parent is the designer window itself (menu bar and menus).
    Control* parent() const { return parent_; }
    Form* owner() const { return owner_; }
    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    int indexOf(const Control* child) const;
    void bringChildToFront(Control* child);
    void sendChildToBack(Control* child);
    // Puts a child at `index` of the stacking order (clamped to the children), the others
    // keeping their order.
    void moveChild(Control* child, int index);

    // Applies size changes drawing would make; controls that draw at a fixed size override it.
    void repaint();
    // The end of a mouse release over the control (a resize by the grab handles ends so).
    virtual void afterMouseRelease() {}

  protected:
    // Inverse rules of the Palm rectangle, given values already within range.
    virtual void placeUserLeft(int v) { setLeft(v - 1); }
    virtual void placeUserTop(int v) { setTop(v - 1); }
    virtual void placeUserWidth(int v) { setWidth(v + 2); }
    virtual void placeUserHeight(int v) { setHeight(v + 2); }

    template <class T, class V> void assign(T& field, V&& value) {
        field = std::forward<V>(value);
        repaint();
    }
    // For constructors: a font without the repaint.
    void initFace(std::string_view face) { font_.face = std::string(face); }
    // Direct change of the rectangle, for the size rules themselves (no repaint loop).
    void setBoundsQuietly(int left, int top, int width, int height);
    virtual void applyDrawnSize(const TextMetrics&) {}
    const TextMetrics& metrics() const;

  private:
    friend class Form;

    ClassId classId_;
    std::string name_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    Font font_;
    Color color_ = kWhite;
    int tag_ = 0;
    bool selected_ = false;
    Color selectColor_ = kBlue;
    Control* parent_ = nullptr;
    Form* owner_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
};

} // namespace ornadeck
