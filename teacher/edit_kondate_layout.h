#pragma once
// Where the amount lines of the quantity window sit: fixed pixels, shared by its construction
// and its layout.
namespace nv::editkondateui {

constexpr int kFirstLineTop = 42;
constexpr int kTotalTop = 14;
constexpr int kLabelX = 2;
constexpr int kLabelWidth = 80;
constexpr int kBoxX = 84;
constexpr int kBoxWidth = 72;
constexpr int kBoxHeight = 20;
constexpr int kSliderX = kBoxX + kBoxWidth + 4;
constexpr int kSliderHeight = 24;
constexpr int kRevertSize = 20;
constexpr int kMinLineHeight = 24;
constexpr int kMaxLineHeight = 36;

}  // namespace nv::editkondateui
