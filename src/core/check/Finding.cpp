#include "check/Finding.h"

#include <cstdio>

namespace ornadeck {

namespace {

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

std::string_view severityName(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        break;
    }
    return "note";
}

const std::string& Finding::subject() const {
    if (!control.empty()) return control;
    if (!form.empty()) return form;
    return file;
}

std::string findingLine(const Finding& f) {
    std::string line = f.file + ": " + std::string(severityName(f.severity)) + ": ";
    if (&f.subject() != &f.file) line += f.subject() + ": ";
    return line + f.message + " [" + f.checkId + "]";
}

std::string findingsJson(const std::vector<Finding>& findings) {
    std::string out = "[";
    for (const Finding& f : findings) {
        out += out.size() == 1 ? "\n  {" : ",\n  {";
        const std::pair<const char*, std::string_view> fields[] = {
            {"severity", severityName(f.severity)},
            {"check", f.checkId},
            {"file", f.file},
            {"form", f.form},
            {"control", f.control},
            {"message", f.message}};
        bool first = true;
        for (const auto& [key, value] : fields) {
            out += first ? "" : ", ";
            first = false;
            appendJsonString(out, key);
            out += ": ";
            appendJsonString(out, value);
        }
        out += '}';
    }
    return out + (findings.empty() ? "]\n" : "\n]\n");
}

} // namespace ornadeck
