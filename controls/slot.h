#pragma once

namespace Zyntra {

// A window whose controls change with the figure or option in force keeps
// those changes as data: a table of layouts, each listing only what it
// changes, applied by the functions of layoutslot.h. Whatever a layout
// leaves alone keeps its state. Plain data, so that a table of layouts
// needs no widget.

enum class Shown { Keep, Yes, No };

// One option, value field or result row: its new caption (nullptr keeps
// the caption) and whether it is shown. `spoken` is a value field's
// accessible name, also the name its warning uses (nullptr keeps it).
struct Slot {
    const char *caption = nullptr;
    Shown shown = Shown::Keep;
    const char *spoken = nullptr;
};

inline constexpr Slot keep{};
inline constexpr Slot hide{nullptr, Shown::No, nullptr};
inline constexpr Slot show{nullptr, Shown::Yes, nullptr};
// A new caption; shown or hidden stays as it is.
constexpr Slot named(const char *caption)
{
    return {caption, Shown::Keep, nullptr};
}
// A new caption, shown.
constexpr Slot shown(const char *caption)
{
    return {caption, Shown::Yes, nullptr};
}
// A value field's new caption and accessible name.
constexpr Slot field(const char *caption, const char *spoken, Shown visibility = Shown::Keep)
{
    return {caption, visibility, spoken};
}

} // namespace Zyntra
