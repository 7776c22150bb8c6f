#pragma once
#include "Layout.h"

const layout::Window& aboutBoxLayout();
const layout::Window& helpWindowLayout();

// The side windows' controls under the object names the design gave them.
namespace aboutNames {
inline constexpr char Text[] = "AboutText";
inline constexpr char Ok[] = "AboutOk";
} // namespace aboutNames
namespace helpNames {
inline constexpr char Browser[] = "WebBrowser1";
inline constexpr char Back[] = "Command1";
inline constexpr char Forward[] = "Command2";
inline constexpr char Exit[] = "Command3";
} // namespace helpNames
