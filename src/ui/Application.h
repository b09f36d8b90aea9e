#pragma once

// Runs the window program: language detection, splash, the application
// windows, the event loop. Returns the process exit code.
int RunApplication(int argc, char** argv);
