// What the frame's Help menu starts outside the designer: the documentation address in
// the default browser and the tutorial program. The platform's own launcher, or a
// recording one in tests.
#pragma once

#include <string>

class FrameLauncher {
public:
    virtual ~FrameLauncher() = default;
    // Opens the address with the shell's default action.
    virtual void OpenAddress(const std::string& address) = 0;
    // Starts the program without waiting; false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
};

FrameLauncher& GetFrameLauncher();
// Makes launcher current (not owned); null restores the platform's.
void SetFrameLauncher(FrameLauncher* launcher);
