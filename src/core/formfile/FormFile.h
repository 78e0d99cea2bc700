#pragma once

#include "formfile/FormSections.h"
#include "model/IniFile.h"
#include "model/Status.h"

#include <filesystem>

namespace ornadeck {

// The whole form file: the FORM section, then each control's section in child order.
IniFile formToIni(const Form& form, const FormSections& sections);
// `written`, when given, gets the stamp of what was written.
Status saveFormFile(const Form& form, const std::filesystem::path& path,
                    const FormSections& sections, FileStamp* written = nullptr);

// Reads the form's title, window position and controls from a form file into `form`; the
// form then knows what its file held (its disk record).
// A refused name ends the load with its error; what was read before it stays.
Status loadFormIni(const IniFile& ini, const FormSections& sections, SectionReadContext& context);
Status loadFormFile(const std::filesystem::path& path, const FormSections& sections,
                    SectionReadContext& context);

} // namespace ornadeck
