#pragma once

#include "model/Library.h"
#include "model/Status.h"
#include "render/Image.h"

namespace ornadeck {

class IniFile;
class PalmFonts;
class Ui;

// The picture of a form file's contents, as the designer would show the form just read:
// the screen alone, or with `device` the whole designer picture, without selection marks.
// The command-line render and the desktop's Export Picture draw through this, so both
// write the same pixels. `readStatus` tells whether every section was read.
Image formFilePicture(const IniFile& ini, Library library, const PalmFonts& fonts, Ui& ui,
                      bool device, Status& readStatus);

} // namespace ornadeck
