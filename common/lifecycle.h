#pragma once

// The application's end request. It takes effect when the main message loop runs; from then on no
// message box is shown any more, as a modal box closes at once under a pending quit.
namespace lifecycle {

void requestEnd();
bool endRequested();
// For tests that run several start-ups in one process.
void resetEndRequest();

} // namespace lifecycle
