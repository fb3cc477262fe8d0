// Lets the window messages waiting for this thread run, without waiting for more.
#pragma once

namespace aw {

void RunPendingMessages();

}  // namespace aw
