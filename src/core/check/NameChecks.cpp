#include "check/CheckContext.h"
#include "check/DeclaredNames.h"
#include "model/Form.h"
#include "model/Names.h"

#include <array>
#include <set>
#include <string_view>
#include <unordered_map>

namespace ornadeck {

namespace {

bool sameObject(const DeclaredName& a, const DeclaredName& b) {
    return a.form == b.form && a.owner == b.owner;
}

const std::string& objectName(const DeclaredName& d) {
    return d.owner ? d.owner->name() : d.form->name();
}

std::string describe(const DeclaredName& d) {
    if (!d.owner) return "form " + d.form->name();
    const char* what = d.owner->isDialog() ? "dialog " : "control ";
    return what + d.owner->name() + " on form " + d.form->name();
}

void reportClash(CheckContext& ctx, const DeclaredName& d, const DeclaredName& other) {
    const std::string& name = d.identifier;
    if (!d.owner && !other.owner && d.form->name() == other.form->name()) {
        ctx.add(Severity::Error, "names.duplicate-form", *d.form, nullptr,
                "another form of the project is named " + name +
                    " too; the generated code would declare it twice");
    } else if (objectName(d) == objectName(other) && d.form != other.form) {
        ctx.add(Severity::Error, "names.duplicate-across-forms", *d.form, d.owner,
                describe(other) + " has the same name; the generated code declares " + name +
                    " once for the whole project");
    } else {
        const std::string how =
            d.own ? "declares " + name : "makes " + name + " from this name and declares it";
        ctx.add(Severity::Error, "names.generated-name", *d.form, d.owner,
                "the generated code " + how + " for " + describe(other) + " as well");
    }
}

void checkFixedUses(CheckContext& ctx, const std::vector<DeclaredName>& names) {
    for (const DeclaredName& d : names) {
        const std::string_view use = fixedUseOf(d.identifier, ctx.subject.library);
        if (use.empty()) continue;
        const bool keyword = isPocketCKeyword(d.identifier);
        ctx.add(Severity::Error, keyword ? "names.reserved-word" : "names.library-name", *d.form,
                d.owner, d.identifier + " is " + std::string(use));
    }
}

// Each object is told once about each other object it clashes with: a handler or function
// made from a shared name clashes along with the name itself.
void checkClashes(CheckContext& ctx, const std::vector<DeclaredName>& names) {
    // The declarations of one identifier are chained in their order, from its first: nearly
    // every identifier has only one, and then nothing more is allocated for it.
    constexpr std::size_t kEnd = static_cast<std::size_t>(-1);
    std::unordered_map<std::string_view, std::size_t> first;
    first.reserve(names.size());
    std::vector<std::size_t> head(names.size()), next(names.size(), kEnd), last(names.size(), kEnd);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto [at, added] = first.try_emplace(names[i].identifier, i);
        head[i] = at->second;
        if (added) continue;
        std::size_t& tail = last[at->second];
        next[tail == kEnd ? at->second : tail] = i;
        tail = i;
    }
    std::set<std::array<const void*, 4>> told;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const DeclaredName& d = names[i];
        std::size_t other = head[i];
        if (next[other] == kEnd) continue; // declared once
        for (; other != kEnd; other = next[other]) {
            const DeclaredName& o = names[other];
            if (sameObject(d, o)) continue;
            if (told.insert({d.form, d.owner, o.form, o.owner}).second) reportClash(ctx, d, o);
            break;
        }
    }
}

} // namespace

void checkNames(CheckContext& ctx) {
    for (const Form* form : ctx.subject.forms)
        if (!isValidIdentifier(form->name()))
            ctx.add(Severity::Error, "names.not-identifier", *form, nullptr,
                    "the form name is not a PocketC name: it must be a letter or _ followed by "
                    "letters, digits or _");
    const std::vector<DeclaredName> names = declaredNames(ctx.subject.forms, ctx.subject.library);
    checkFixedUses(ctx, names);
    checkClashes(ctx, names);
}

} // namespace ornadeck
