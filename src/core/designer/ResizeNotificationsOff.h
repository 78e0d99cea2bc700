#pragma once

#include "model/Form.h"

namespace ornadeck {

// Keeps the form's resize notifications off for the lifetime of the guard.
class ResizeNotificationsOff {
  public:
    explicit ResizeNotificationsOff(Form& form) : form_(form), was_(form.resizeNotifications()) {
        form_.setResizeNotifications(false);
    }
    ~ResizeNotificationsOff() { form_.setResizeNotifications(was_); }
    ResizeNotificationsOff(const ResizeNotificationsOff&) = delete;
    ResizeNotificationsOff& operator=(const ResizeNotificationsOff&) = delete;

  private:
    Form& form_;
    bool was_;
};

} // namespace ornadeck
