#pragma once

#include "model/Status.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;
class Form;
class Ui;
struct Workspace;

// What a property accessor may need besides the control itself.
struct PropertyContext {
    Form& form;
    Workspace& workspace;
    Ui& ui;
};

// One property reachable by name: text out, text in.
struct Property {
    std::string_view name;
    std::function<std::string(Control&, PropertyContext&)> get;
    std::function<Status(Control&, std::string_view, PropertyContext&)> set;
};

// The properties of one kind: the rows the inspector lists, in order, and every name that
// get and set by name understand (a few are reachable without being listed).
class PropertyTable {
  public:
    PropertyTable(std::initializer_list<std::string_view> listed, std::vector<Property> all);

    const std::vector<std::string_view>& listed() const { return listed_; }
    const Property* find(std::string_view name) const;

  private:
    std::vector<std::string_view> listed_;
    std::vector<Property> all_;
};

} // namespace ornadeck
