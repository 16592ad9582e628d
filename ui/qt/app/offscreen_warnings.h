// The offscreen platform warns about every request for a window manager it
// does not have; that is expected there (the smoke test, the screenshot
// tools), so those lines are dropped and every other message goes on as
// before.
#pragma once

namespace airfoil {

void quiet_window_manager_warnings();

}  // namespace airfoil
