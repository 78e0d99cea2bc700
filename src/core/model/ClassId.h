#pragma once

namespace ornadeck {

// The design classes. One class may serve a kind in each library; the library number
// tells which kind it is.
enum class ClassId {
    CCForm,
    CCButton,
    CCSwitch,
    CCEdit,
    CCLabel,
    CCCheckbox,
    CCListBox,
    CCRadio,
    CCDropDown,
    CCPopUp,
    CCBitmap,
    CCMenuBar,
    CCMenu,
    PTButton,
    PTCheckbox,
    PTLabel,
    PTList,
    PTPopTrigger,
    PTEdit,
    PTDialog,
    PTGsi,
};

} // namespace ornadeck
