#include "render/SurfacePainter.h"

#include "model/TCCForm.h"
#include "render/CControlsPictures.h"
#include "render/Canvas.h"

namespace ornadeck {

void paintSurface(Canvas& canvas, const TCCForm& form) {
    constexpr int screen = TCCForm::kScreenSize;
    canvas.fillRect(0, 0, form.width() - 1, form.height() - 1, form.color());

    // Dots GridSpace - 1 apart; a step below one pixel would never leave the first dot.
    const long long step = form.gridSpace() - 1LL;
    if (form.gridVisible() != 0 && step >= 1 && canvas.designAidsShown())
        for (long long y = 0; y < screen; y += step)
            for (long long x = 0; x < screen; x += step)
                canvas.pixel(static_cast<int>(x), static_cast<int>(y), kGray);

    canvas.fillRect(0, 13, screen - 1, 14, kBlack);

    Font titleFont = form.font();
    titleFont.face = "PilotBold";
    canvas.setFont(titleFont);
    const int tw = canvas.textWidth(form.title());
    canvas.setPen(kBlack);
    canvas.setBrush(kBlack);
    canvas.polygon({{1, 0}, {tw + 3, 0}, {tw + 4, 1}, {tw + 4, 12}, {0, 12}, {0, 1}});
    ccpaint::drawText(canvas, 3, 2, form.title(), form.color(), std::nullopt);
}

} // namespace ornadeck
