#pragma once
#include "Layout.h"

const layout::Window& aboutBoxLayout();
const layout::Window& helpWindowLayout();
const layout::Window& deductionsWindowLayout();

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
namespace deductionNames {
inline constexpr char Count[] = "count";
inline constexpr char Verdict[] = "verdict";
inline constexpr char Reason[] = "reason";
inline constexpr char InCode[] = "inCode";        // a row of pegs, beside its word (the name + "Word")
inline constexpr char NotInCode[] = "notInCode";
inline constexpr char Open[] = "open";
inline constexpr char Position[] = "position";    // (0..6)
inline constexpr char PositionWord[] = "positionWord";
inline constexpr char Suggest[] = "suggest";
inline constexpr char Note[] = "note";
} // namespace deductionNames
