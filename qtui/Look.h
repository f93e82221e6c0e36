#pragma once
// The program's look: one style and one font for every window and box.
namespace qtui {

void ApplyLook();

}  // namespace qtui
