#pragma once

#include <QString>

#include <functional>

namespace korven {

// How a job run without anyone at the screen (korvenctl) ends; the process's
// exit status.
enum class UnattendedEnd {
    Done = 0,
    Incomplete = 1,   // done, and what was looked for is missing (gaps in the archive)
    BadSetup = 2,     // bad usage, set-up files that cannot be read, a file that cannot be written
    LinkFailed = 3,   // the logger could not be reached, or the line failed part-way
    NotRestarted = 4, // the work is done and saved, but the logger is not scanning again
};

// Where such a job tells what happens: problems as they come, and the outcome.
struct UnattendedOutput {
    std::function<void(const QString&)> problem;
    std::function<void(const QString&)> result;

    void tellProblem(const QString& text) const {
        if (problem)
            problem(text);
    }
    void tellResult(const QString& text) const {
        if (result)
            result(text);
    }
    // Tells why the job ends so, and ends it.
    UnattendedEnd refuse(UnattendedEnd end, const QString& why) const {
        tellProblem(why);
        return end;
    }
};

} // namespace korven
