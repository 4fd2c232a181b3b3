#pragma once

// Tasks of a test run in a child process: to stop one that hangs, or to take away root's right
// to read every file. The child passes its answer back as text.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Gives what the task returned, or nothing when it had not finished within the limit.
std::optional<std::string> WProcesieZLimitem(const std::function<std::string()>& zadanie,
                                             std::chrono::seconds limit);

// Runs the task without the right to read files and folders of mode 000. Root may read them
// anyway, so under root the task runs in a child process that has become the user "nobody", and
// everything it reaches must be open to that user. Gives nothing when that change of user is
// refused.
std::optional<std::string> BezPrawaOdczytu(const std::function<std::string()>& zadanie);

// Under root, hands the folder over to the user "nobody", so that a task run by BezPrawaOdczytu
// may create files in it.
void OddajNobody(const std::filesystem::path& folder);
