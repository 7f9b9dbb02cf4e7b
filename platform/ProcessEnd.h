#pragma once

/// The seam of ending the program: "end the process at once with exit code N", without
/// closing windows or flushing anything. Tests install a recording implementation whose
/// `end` returns, so every caller must return right after calling `now`.
class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;

    virtual void end(int exitCode) = 0;

    /// Installs `processEnd` (not owned; nullptr restores the real one).
    static void install(ProcessEnd* processEnd);
    /// Ends the process through the installed implementation.
    static void now(int exitCode);
};
