#pragma once

#include "model/TextMetrics.h"
#include "render/FontSet.h"

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck {

class Ui;

// The four Palm screen fonts, read from <Face>.bdf files. A face that did not load falls
// back to the standard face, and without that to built-in boxes, so drawing and measuring
// always work.
class PalmFonts final : public FontSet, public TextMetrics {
  public:
    // The order they load and report in.
    static constexpr std::array<std::string_view, 4> kFaces{"PilotStandard", "PilotLarge",
                                                            "PilotBold", "PilotBold12"};

    // Only the built-in boxes.
    PalmFonts();

    // Loads every face from `folder`; each one that cannot be loaded is reported through
    // `ui` as "Error: <Face>.fon not found" and skipped.
    static PalmFonts load(const std::filesystem::path& folder, Ui& ui);

    const BitmapFont& fontFor(std::string_view face) const override;
    bool hasFace(std::string_view face) const { return fonts_.contains(face); }

    int textWidth(const Font& font, std::string_view text) const override;
    int textHeight(const Font& font, std::string_view text) const override;

    // Why each missing face failed, file and line included, for logs and support.
    const std::vector<std::string>& loadProblems() const { return problems_; }

    // The folder of the running program (where the fonts are installed), else the
    // current one.
    static std::filesystem::path programFolder();

  private:
    std::map<std::string, BitmapFont, std::less<>> fonts_;
    BitmapFont boxes_;
    BitmapFont largeBoxes_;
    std::vector<std::string> problems_;
};

} // namespace ornadeck
