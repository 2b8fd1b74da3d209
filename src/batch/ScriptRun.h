#pragma once

namespace zentrope {

// The program run by its script options (ScriptCommand.h): writes a PDF or
// prints without any window, on the offscreen platform, which it chooses
// before the application object exists, so a script never needs or touches a
// display. Reads the settings and never writes them, and registers nothing
// with the desktop. Tells a failure in one line on standard error; returns
// the exit status (ScriptFailure.h).
int RunScript(int argc, char **argv);

} // namespace zentrope
