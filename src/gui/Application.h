#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace gui {

class MenuBar;

// The application object: version data and the menu bar. The program registers one at start-up.
class Application {
  public:
    virtual ~Application() = default;

    void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                          std::int64_t stageCode, std::string longVersion, std::string shortVersion,
                          std::string packageInfo);
    std::int64_t MajorVersion() const { return major_; }
    std::int64_t MinorVersion() const { return minor_; }
    std::int64_t BugVersion() const { return bug_; }
    std::int64_t NonReleaseVersion() const { return nonRelease_; }
    std::int64_t StageCode() const { return stageCode_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    void MenuBar(std::shared_ptr<gui::MenuBar> bar);
    const std::shared_ptr<gui::MenuBar>& MenuBar() const { return menuBar_; }

  private:
    std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stageCode_ = 0;
    std::string longVersion_, shortVersion_, packageInfo_;
    std::shared_ptr<gui::MenuBar> menuBar_;
};

// The registered application object, or null before start-up registers one.
Application* RegisteredApp();

// Start-up and shut-down, in the order the program calls them.
// Starts the GUI layer. The process's arguments are not handed on: the program has no command line.
void RuntimeInit(int argc, char** argv);
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
// Completes the runtime's own set-up, then calls `lateStartup`; a window it opens is the program's default
// view, and closing that window ends the program.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// The event loop, until the application quits.
void RuntimeRun();
// An error that escaped start-up: reported to the user; the program's exit code becomes non-zero.
void UnhandledException(std::exception_ptr error);
// Closes the windows and lets go of the application object and its menu bar.
void RuntimePerformFinalizers();
// Ends the GUI layer that RuntimeInit started and gives the exit code for the process.
int RuntimeExit();

}  // namespace gui
