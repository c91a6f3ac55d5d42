#pragma once

#include <exception>
#include <string>

namespace gui {

// Ends the event loop with `code` as the program's exit code.
void Quit(int code = 0);

// Hands a web or mail-to address to the system's default handler.
void ShowURL(const std::string& address);

// The runtime's handling of an error that escaped program code: standard error and a message box.
void ReportUnhandledError(std::exception_ptr error);

// The text of an error, for the user and for standard error.
std::string DescribeError(std::exception_ptr error);

}  // namespace gui
