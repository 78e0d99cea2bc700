#pragma once

#include "check/CheckSubject.h"
#include "check/Finding.h"
#include "check/TextGauge.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Control;
class Form;

// What a family of checks reads, and where it puts what it finds.
class CheckContext {
  public:
    CheckContext(const CheckSubject& s, const TextGauge& g) : subject(s), gauge(g) {}

    const CheckSubject& subject;
    const TextGauge& gauge;

    bool cc() const { return subject.library == Library::CControls; }

    // About a control of `form`, or about the form itself when `control` is null.
    void add(Severity severity, std::string_view id, const Form& form, const Control* control,
             std::string message);
    void addForProject(Severity severity, std::string_view id, std::string message);
    // About a file the project lists.
    void addForFile(Severity severity, std::string_view id, std::string file, std::string message);

    std::vector<Finding>& findings() { return findings_; }

  private:
    std::vector<Finding> findings_;
};

// Every control of a form's surface and of its dialogs, with the container it sits in
// (the surface or the dialog); dialogs are visited before their children.
void forEachPlaced(
    const Form& form,
    const std::function<void(const Control& control, const Control& container)>& visit);

// The families of checks, each in a file of its own.
void checkNames(CheckContext& context);
void checkReferences(CheckContext& context);
void checkGeometry(CheckContext& context);
void checkContent(CheckContext& context);
void checkLibrarySource(CheckContext& context);
// Part of the geometry checks: texts wider than the room their control gives them.
void checkTextFit(CheckContext& context);

} // namespace ornadeck
