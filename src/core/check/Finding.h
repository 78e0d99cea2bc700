#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Form;

enum class Severity {
    Error,   // the generated program will not compile, or will misbehave
    Warning, // it will show wrongly on the handheld
    Note,    // worth knowing before the handheld shows it
};

std::string_view severityName(Severity severity);

// One thing a check found about a form, one of its controls, or the project.
struct Finding {
    Severity severity = Severity::Error;
    std::string checkId; // stable, e.g. "names.reserved-word"
    std::string file;    // the form file, or the project file for what concerns the project
    std::string form;    // the form's name; empty for what concerns the project
    std::string control; // the control's name; empty for the form (or project) itself
    std::string message; // for the user, without the file or the control name
    // The form checked, to find it again while it lives; null for the project.
    const Form* source = nullptr;

    // What the finding is about: the control, else the form, else the project file.
    const std::string& subject() const;
};

// One line in the compiler style editors understand: "FILE: error: Button1: ... [id]".
std::string findingLine(const Finding& finding);
// The findings as a JSON array of objects with the keys severity, check, file, form,
// control and message.
std::string findingsJson(const std::vector<Finding>& findings);

} // namespace ornadeck
