#pragma once

#include "engine/LibraryKit.h"
#include "model/Point.h"
#include "model/SilentUi.h"
#include "model/Workspace.h"
#include "render/Image.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;
class Form;
class FormRenderer;

// Trying the project's forms as the generated program runs them, on copies: the design, its
// undo history, its modified state and its files never change. Taps come in screen pixels
// (the surface's own, 0 to 159); what to draw comes back as the screen's picture, drawn by
// the designer's own painters from the copies' state.
//
// What the copy knows it does: a Button whose ShowForm names a form shows that form, naming
// a dialog of the form opens it, and a dialog's button without one closes the dialog; check
// boxes, switches and push buttons toggle, one on in a group; lists, radio groups and
// drop-downs choose and scroll; a pop trigger opens its list; a field takes keys; a CControls
// menu bar opens from the title or the silkscreen's menu icon. What it cannot know, the
// user's own handler, it only names in the status line, and the control flashes.
class PreviewSession {
  public:
    // Copies every shown form of `design`; the preview starts on the form named `firstForm`,
    // else on the active one, else on the first.
    PreviewSession(const Workspace& design, const LibraryKits& designKits,
                   const std::string& firstForm);
    ~PreviewSession();
    // The form the generated program starts on, as the project file names it; empty for none.
    static std::string firstFormOf(const Workspace& design);
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;

    // The form on the screen; null when there is none or the preview has ended.
    const Form* shownForm() const;
    // "Preview - NAME" for the shown form.
    std::string caption() const;
    // What the last tap would run that the preview does not: "OnOkButton()", "case OkButton".
    const std::string& status() const { return status_; }
    bool ended() const { return ended_; }

    // A tap in screen pixels. Outside the screen, the silkscreen's home icon ends the
    // preview and its menu icon opens the form's menu bar, as a tap on the title does; an
    // open menu closes at the next tap.
    void tap(Point onScreen);
    // Backspace: the last character of the field being typed in; else an open menu, list or
    // dialog closes, else the form shown before this one comes back.
    void back();
    // Text typed on the handheld goes into the field tapped last, up to its length limit.
    void type(std::string_view text);
    // The field that takes the keys; null for none.
    const Control* typingInto() const { return focused_; }
    // The Shift key: the next letter typed is a capital, and the GSI shows it meanwhile.
    void shift();
    bool shifted() const { return shifted_; }
    // Whether the control under the point repeats while held (a repeat button): the window
    // then taps it again and again until the release.
    bool repeatsAt(Point onScreen) const;
    // How many times a handler has run since the preview began.
    int handlerRuns() const { return handlerRuns_; }
    // The control whose handler the last tap ran shows inverted until endFlash(), so the tap
    // is seen to land.
    void endFlash() { flashing_ = nullptr; }
    bool flashing() const { return flashing_ != nullptr; }
    // Escape, or the silkscreen's home icon: the preview ends.
    void end() { ended_ = true; }

    // The screen as the handheld shows it now.
    Image screen(const FormRenderer& renderer) const;

  private:
    Form* formNamed(const std::string& name) const;
    Control* dialogOpen() const;
    bool menuOpen() const;
    void showMenu(bool open);
    Control* controlAt(Point onScreen) const;
    void show(Form& form);
    void press(Control& control, Point onScreen);
    static int itemAt(const Control& control, Point inControl);
    void choose(Control& control, Point inControl);
    bool openList(Control& trigger);
    void follow(Control& button, const std::string& target);
    void toggle(Control& control);
    std::string handlerOf(const Control& control) const;
    void runHandler(Control& control);
    void showShift();
    std::string property(const Control& control, const char* name) const;
    bool takesKeys(const Control& control) const;
    static const char* textRow(const Control& control);
    void setProperty(Control& control, const char* name, const std::string& value);

    // What a ShowForm or Trigger holds when it names nothing.
    static constexpr std::string_view kNone = "(None)";

    Workspace workspace_;
    SilentUi ui_;
    LibraryKits kits_;
    std::vector<Form*> backStack_;
    Form* shown_ = nullptr;
    Control* focused_ = nullptr;
    Control* flashing_ = nullptr;
    bool shifted_ = false;
    int handlerRuns_ = 0;
    std::string status_;
    bool ended_ = false;
};

} // namespace ornadeck
